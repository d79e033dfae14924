#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Fuzzes the .V2D reader with libFuzzer for SECONDS seconds, in a build folder of its own
# (build-fuzz: clang, AddressSanitizer and UndefinedBehaviorSanitizer). The corpus starts from the
# projects of examples/ and grows in build-fuzz/korpus; an input that breaks the reader is kept in
# build-fuzz/znaleziska. Installs the Debian packages it needs when they are missing.
set -euo pipefail
cd "$(dirname "$0")/.."
if [ $# -ne 1 ] || ! [[ $1 =~ ^[1-9][0-9]*$ ]]; then
  echo "Użycie: scripts/fuzz.sh SEKUNDY" >&2
  exit 2
fi
sekundy=$1
scripts/pakiety.sh build-essential cmake ninja-build clang libclang-rt-14-dev libopenblas-dev libsuitesparse-dev libsimdjson-dev
katalog=build-fuzz
CC=clang CXX=clang++ cmake -S . -B "$katalog" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DVELKORA_FUZZ=ON -DVELKORA_GUI=OFF -DVELKORA_TESTS=OFF -DVELKORA_BENCH=OFF >/dev/null
cmake --build "$katalog" --target fuzz_v2d

korpus=$katalog/korpus
znaleziska=$katalog/znaleziska
dziennik=$katalog/fuzz.log
mkdir -p "$korpus" "$znaleziska"
# A corpus grown by earlier runs is kept; the examples are only added to it.
cp -n examples/*.V2D "$korpus"/
# The reader refuses a file whose length disagrees with its counts, so a length cap keeps every
# model small and every run fast.
set +e
"$katalog/fuzz/fuzz_v2d" -max_total_time="$sekundy" -max_len=4096 -timeout=10 \
  -print_final_stats=1 -artifact_prefix="$znaleziska/" "$korpus" 2>&1 | tee "$dziennik"
kod=${PIPESTATUS[0]}
set -e

wykonan=$(sed -n 's/^stat::number_of_executed_units: *//p' "$dziennik")
na_sekunde=$(sed -n 's/^stat::average_exec_per_sec: *//p' "$dziennik")
czas=$(sed -n 's/^Done [0-9]* runs in \([0-9]*\) second.*/\1/p' "$dziennik")
echo "=== Fuzzing czytnika .V2D: ${wykonan:-?} wykonań w ${czas:-?} s" \
  "(${na_sekunde:-?} na sekundę), korpus: $(ls "$korpus" | wc -l) plików ==="
if [ "$kod" -ne 0 ]; then
  echo "Znalezisko (kod $kod), wejście w $znaleziska/, pełny przebieg w $dziennik:" >&2
  ls -l "$znaleziska" >&2
  exit 1
fi
echo "Bez znalezisk."
