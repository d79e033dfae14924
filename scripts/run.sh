#!/usr/bin/env bash
# Builds the program and starts it. Installs the Debian packages it needs when they are missing.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/pakiety.sh build-essential cmake ninja-build libgtest-dev libgmock-dev
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVELKORA_GUI=OFF -DVELKORA_TESTS=OFF \
  -DVELKORA_BENCH=OFF >/dev/null
cmake --build build --target velkora2d-oblicz
# Until the window is built, the program's analysis runs on an example project.
exec build/velkora2d-oblicz examples/most_pratta.V2D
