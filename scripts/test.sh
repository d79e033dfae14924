#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the whole test suite and runs it twice: in a normal optimised build, and unoptimised under
# AddressSanitizer with UndefinedBehaviorSanitizer (so code that only goes wrong without inlining
# is run too). Installs the Debian packages it needs when they are missing.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/pakiety.sh build-essential cmake ninja-build libgtest-dev libgmock-dev poppler-utils \
  qt6-base-dev qt6-svg-dev qt6-translations-l10n fonts-liberation locales libopenblas-dev \
  libsuitesparse-dev libsimdjson-dev
# The tests also run under a Polish locale, to show that numbers keep their decimal point.
if ! locale -a 2>/dev/null | grep -qi '^pl_PL\.utf-\?8$'; then
  localedef -i pl_PL -f UTF-8 pl_PL.UTF-8 2>/dev/null || echo "Brak locale pl_PL.UTF-8 (pomijam)"
fi
export QT_QPA_PLATFORM=offscreen
export LSAN_OPTIONS="suppressions=$PWD/tests/lsan.supp:print_suppressions=0"
for wariant in zwykly asan; do
  katalog=build-test-$wariant
  opcje=(-DVELKORA_BENCH=OFF -DCMAKE_BUILD_TYPE=RelWithDebInfo)
  [ $wariant = asan ] && opcje=(-DVELKORA_BENCH=OFF -DCMAKE_BUILD_TYPE=Debug -DVELKORA_SANITIZE=ON)
  cmake -S . -B "$katalog" -G Ninja "${opcje[@]}" >/dev/null
  cmake --build "$katalog"
  echo "=== Testy ($wariant) ==="
  ctest --test-dir "$katalog" --output-on-failure -j2
done
