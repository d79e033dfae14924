#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the Debian package of the program (build-pakiet/velkora2d_*.deb) and its debugging symbols
# (build-pakiet/velkora2d-dbgsym_*.ddeb) in a release build of its own, without tests or benchmarks,
# with Debian's hardening flags. The maintainer is the one packaging: DEBFULLNAME and DEBEMAIL, as
# for Debian's own tools. Installs the Debian packages it needs when they are missing. Install the
# result with: sudo apt install ./build-pakiet/velkora2d_*.deb
set -euo pipefail
cd "$(dirname "$0")/.."
if [ -z "${DEBFULLNAME:-}" ] || [ -z "${DEBEMAIL:-}" ]; then
  cat >&2 <<'KONIEC'
Pakiet musi mieć opiekuna: ustaw DEBFULLNAME i DEBEMAIL (tak jak dla narzędzi Debiana), np.
  export DEBFULLNAME="Imię Nazwisko" DEBEMAIL=adres@example.org
i uruchom skrypt ponownie.
KONIEC
  exit 1
fi
# dpkg-dev gives dpkg-shlibdeps, which reads the libraries the programs need from the binaries,
# and dpkg-buildflags; binutils the objcopy that splits off the debugging symbols.
scripts/pakiety.sh build-essential cmake ninja-build qt6-base-dev qt6-svg-dev libopenblas-dev \
  libsuitesparse-dev libsimdjson-dev dpkg-dev binutils file

# Debian's flags: fortified sources, stack protector, read-only relocations bound at start-up,
# and debugging information for the symbols package.
export DEB_BUILD_MAINT_OPTIONS=hardening=+all
flagi() { dpkg-buildflags --get "$1"; }
cppflags=$(flagi CPPFLAGS)
ccache=()
command -v ccache >/dev/null && ccache=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)

katalog=build-pakiet
cmake -S . -B "$katalog" -G Ninja -DCMAKE_BUILD_TYPE=Release -DVELKORA_TESTS=OFF \
  -DVELKORA_BENCH=OFF "${ccache[@]}" \
  -DCMAKE_CXX_FLAGS="$(flagi CXXFLAGS) $cppflags" \
  -DCMAKE_EXE_LINKER_FLAGS="$(flagi LDFLAGS)" -DCMAKE_SHARED_LINKER_FLAGS="$(flagi LDFLAGS)" \
  >/dev/null
cmake --build "$katalog"
rm -f "$katalog"/velkora2d*.deb "$katalog"/velkora2d*.ddeb
(cd "$katalog" && cpack -G DEB)

# CPack's symbols package lists build paths in its md5sums and leaves the symbol files executable;
# it is rebuilt as Debian's own are: files 0644, true md5sums, its documentation a link to the
# program's (copyright, changelog), and named .deb so that apt installs it from a path.
ddeb=$(ls "$katalog"/velkora2d-dbgsym_*.ddeb)
tymczasowy=$(mktemp -d)
trap 'rm -rf "$tymczasowy"' EXIT
dpkg-deb -R "$ddeb" "$tymczasowy/p"
find "$tymczasowy/p/usr" -type f -exec chmod 0644 {} +
mkdir -p "$tymczasowy/p/usr/share/doc"
ln -s velkora2d "$tymczasowy/p/usr/share/doc/velkora2d-dbgsym"
(cd "$tymczasowy/p" && find usr -type f -print0 | LC_ALL=C sort -z | xargs -0 md5sum) \
  > "$tymczasowy/p/DEBIAN/md5sums"
dpkg-deb --root-owner-group -Zxz --build "$tymczasowy/p" "${ddeb%.ddeb}.deb" >/dev/null
rm "$ddeb"
ls "$katalog"/velkora2d*.deb
