#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Fuzzes the .V2D reader (or, with "v2dp", the project-file reader) with libFuzzer for SECONDS
# seconds, in a build folder of its own
# (build-fuzz: clang, AddressSanitizer and UndefinedBehaviorSanitizer). The corpus starts from the
# projects of examples/ and grows in build-fuzz/korpus; an input that breaks the reader is kept in
# build-fuzz/znaleziska. Installs the Debian packages it needs when they are missing.
set -euo pipefail
cd "$(dirname "$0")/.."
if [ $# -lt 1 ] || [ $# -gt 2 ] || ! [[ $1 =~ ^[1-9][0-9]*$ ]] ||
  { [ $# -eq 2 ] && [ "$2" != v2d ] && [ "$2" != v2dp ]; }; then
  echo "Użycie: scripts/fuzz.sh SEKUNDY [v2d|v2dp]" >&2
  exit 2
fi
sekundy=$1
format=${2:-v2d}
scripts/pakiety.sh build-essential cmake ninja-build clang libclang-rt-14-dev libopenblas-dev libsuitesparse-dev libsimdjson-dev
katalog=build-fuzz
CC=clang CXX=clang++ cmake -S . -B "$katalog" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DVELKORA_FUZZ=ON -DVELKORA_GUI=OFF -DVELKORA_TESTS=OFF -DVELKORA_BENCH=OFF >/dev/null
cmake --build "$katalog" --target "fuzz_$format"

przyrostek=$([ "$format" = v2dp ] && echo -v2dp || true)
# A project file of the examples is some 8 kB of text; a .V2D model as many bytes holds far more.
najdluzszy=$([ "$format" = v2dp ] && echo 16384 || echo 4096)
korpus=$katalog/korpus$przyrostek
znaleziska=$katalog/znaleziska$przyrostek
dziennik=$katalog/fuzz$przyrostek.log
mkdir -p "$korpus" "$znaleziska"
# A corpus grown by earlier runs is kept; the examples are only added to it.
if [ "$format" = v2dp ]; then
  cp -n docs/*.v2dp "$korpus"/
else
  cp -n examples/*.V2D "$korpus"/
fi
# The reader refuses a file whose length disagrees with its counts, so a length cap keeps every
# model small and every run fast.
set +e
"$katalog/fuzz/fuzz_$format" -max_total_time="$sekundy" -max_len="$najdluzszy" -timeout=10 \
  -print_final_stats=1 -artifact_prefix="$znaleziska/" "$korpus" 2>&1 | tee "$dziennik"
kod=${PIPESTATUS[0]}
set -e

wykonan=$(sed -n 's/^stat::number_of_executed_units: *//p' "$dziennik")
na_sekunde=$(sed -n 's/^stat::average_exec_per_sec: *//p' "$dziennik")
czas=$(sed -n 's/^Done [0-9]* runs in \([0-9]*\) second.*/\1/p' "$dziennik")
echo "=== Fuzzing czytnika $([ "$format" = v2dp ] && echo .v2dp || echo .V2D): ${wykonan:-?} wykonań w ${czas:-?} s" \
  "(${na_sekunde:-?} na sekundę), korpus: $(ls "$korpus" | wc -l) plików ==="
if [ "$kod" -ne 0 ]; then
  echo "Znalezisko (kod $kod), wejście w $znaleziska/, pełny przebieg w $dziennik:" >&2
  ls -l "$znaleziska" >&2
  exit 1
fi
echo "Bez znalezisk."
