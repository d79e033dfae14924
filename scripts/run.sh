#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the program and starts it. Installs the Debian packages it needs when they are missing.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/pakiety.sh build-essential cmake ninja-build qt6-base-dev qt6-svg-dev fonts-liberation libopenblas-dev libsuitesparse-dev libsimdjson-dev \
  qt6-translations-l10n
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVELKORA_TESTS=OFF \
  -DVELKORA_BENCH=OFF >/dev/null
cmake --build build --target velkora2d
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ] && [ -z "${QT_QPA_PLATFORM:-}" ]; then
  echo "Brak ekranu: ustaw DISPLAY lub uruchom pod xvfb-run (xvfb-run -a scripts/run.sh)." >&2
  exit 1
fi
exec build/velkora2d
