#!/usr/bin/env bash
# Builds the Debian package of the program (build-pakiet/velkora2d_*.deb) in a release build of
# its own, without tests or benchmarks. Installs the Debian packages it needs when they are
# missing. Install the result with: sudo apt install ./build-pakiet/velkora2d_*.deb
set -euo pipefail
cd "$(dirname "$0")/.."
# dpkg-dev gives dpkg-shlibdeps, which reads the libraries the programs need from the binaries.
scripts/pakiety.sh build-essential cmake ninja-build qt6-base-dev qt6-svg-dev libopenblas-dev libsuitesparse-dev \
  dpkg-dev file
katalog=build-pakiet
cmake -S . -B "$katalog" -G Ninja -DCMAKE_BUILD_TYPE=Release -DVELKORA_TESTS=OFF \
  -DVELKORA_BENCH=OFF >/dev/null
cmake --build "$katalog"
(cd "$katalog" && cpack -G DEB)
ls "$katalog"/velkora2d_*.deb
