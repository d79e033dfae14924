#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Checks the Debian package on a clean Debian 12: makes a minimal bookworm root with debootstrap
# from the mirror this machine's apt uses, installs build-pakiet/velkora2d_*.deb there with apt
# (and the symbols package), analyses the examples with velkora2d-oblicz, starts the window on
# a virtual X server outside the root and takes its picture. Run as root, after scripts/pakiet.sh:
#   scripts/sprawdz_pakiet.sh [FOLDER]     (the root; /tmp/velkora2d-bookworm by default)
# The root is made anew on every run; the downloaded packages are kept in FOLDER-pakiety.
# Results: build-pakiet/sprawdzenie/ (okno.png, most.png, dziennik.txt). Not part of the tests.
set -euo pipefail
cd "$(dirname "$0")/.."
if [ "$(id -u)" -ne 0 ]; then
  echo "Uruchom jako root (debootstrap, chroot i mount tego wymagają)." >&2
  exit 1
fi
katalog=$PWD/build-pakiet
shopt -s nullglob
debs=("$katalog"/velkora2d_*_amd64.deb)
dbgsymy=("$katalog"/velkora2d-dbgsym_*_amd64.deb)
shopt -u nullglob
deb=${debs[0]:-}
dbgsym=${dbgsymy[0]:-}
if [ -z "$deb" ]; then
  echo "Brak pakietu w $katalog: najpierw scripts/pakiet.sh" >&2
  exit 1
fi
korzen=$(realpath -m "${1:-/tmp/velkora2d-bookworm}")
case "$korzen" in
  / | /tmp | /work | /home | /root | /usr* | /var | /etc*)
    echo "Nie użyję $korzen na korzeń próbny." >&2
    exit 1
    ;;
esac
znacznik=.velkora2d-sprawdzenie
wyniki=$katalog/sprawdzenie
mkdir -p "$wyniki"
scripts/pakiety.sh debootstrap xvfb xdotool imagemagick

# The bookworm suites of this machine's apt sources (main, updates, security), mirror and all.
# shellcheck disable=SC2016 # $(…) are apt's fields, not the shell's
zrodla=$(apt-get indextargets --no-release-info \
  --format 'deb $(REPO_URI) $(RELEASE) $(COMPONENT)' 'Identifier: Packages' |
  awk '$3 ~ /^bookworm(-updates|-security)?$/ && $4 == "main"' | sort -u)
serwer=$(awk '$3 == "bookworm" {print $2; exit}' <<<"$zrodla")
if [ -z "$serwer" ]; then
  echo "Źródła apt tego komputera nie mają Debiana bookworm." >&2
  exit 1
fi

zamontowane=()
xvfb=""
sprzataj() {
  if [ -n "$xvfb" ]; then kill "$xvfb" 2>/dev/null || true; fi
  for ((i = ${#zamontowane[@]} - 1; i >= 0; i--)); do umount -l "${zamontowane[i]}" || true; done
}
trap sprzataj EXIT
zamontuj() { # zamontuj CEL mount-args...
  local cel=$1
  shift
  mkdir -p "$cel"
  mount "$@" "$cel"
  zamontowane+=("$cel")
}

if [ -e "$korzen" ]; then
  if [ ! -e "$korzen/$znacznik" ]; then
    echo "$korzen istnieje i nie jest korzeniem próbnym tego skryptu." >&2
    exit 1
  fi
  if grep -q " $korzen/" /proc/mounts; then
    echo "W $korzen coś jest zamontowane; odmontuj przed sprawdzeniem." >&2
    exit 1
  fi
  rm -rf "$korzen"
fi
mkdir -p "$korzen" "$korzen-pakiety"
touch "$korzen/$znacznik"
echo "== debootstrap bookworm z $serwer"
debootstrap --variant=minbase --cache-dir="$korzen-pakiety" bookworm "$korzen" "$serwer" \
  >"$wyniki/debootstrap.log" 2>&1 || {
  tail -20 "$wyniki/debootstrap.log" >&2
  exit 1
}
printf '%s\n' "$zrodla" >"$korzen/etc/apt/sources.list"
zamontuj "$korzen/proc" -t proc proc
zamontuj "$korzen/sys" -t sysfs sysfs
zamontuj "$korzen/dev" --bind /dev
zamontuj "$korzen/dev/pts" --bind /dev/pts
cp /etc/resolv.conf "$korzen/etc/resolv.conf"
w_korzeniu() { chroot "$korzen" env -i PATH=/usr/sbin:/usr/bin:/sbin:/bin HOME=/root \
  LANG=C.UTF-8 DEBIAN_FRONTEND=noninteractive "$@"; }

echo "== apt install ./$(basename "$deb") (z zalecanymi)"
cp "$deb" ${dbgsym:+"$dbgsym"} "$korzen/tmp/"
w_korzeniu apt-get update -qq
w_korzeniu apt-get install -y -q "/tmp/$(basename "$deb")" ${dbgsym:+"/tmp/$(basename "$dbgsym")"} \
  >"$wyniki/apt.log" 2>&1 || {
  tail -30 "$wyniki/apt.log" >&2
  exit 1
}
grep -E '^(Setting up|Konfigurowanie) (velkora2d|libopenblas0|libqt6gui6)' "$wyniki/apt.log" || true
# shellcheck disable=SC2016 # dpkg-query's fields
w_korzeniu dpkg-query -W -f='${Package} ${Version} ${Status}\n' velkora2d velkora2d-dbgsym

{
  echo "== BLAS i LAPACK wybrane przez alternatywy"
  w_korzeniu update-alternatives --query liblapack.so.3-x86_64-linux-gnu | grep '^Value:'
  w_korzeniu update-alternatives --query libblas.so.3-x86_64-linux-gnu | grep '^Value:'
  w_korzeniu ldd /usr/bin/velkora2d-oblicz | grep -E 'lapack|blas|cholmod'
  echo "== typy plików i wpis menu"
  grep -h velkora2d "$korzen/usr/share/mime/globs2"
  grep -h velkora2d "$korzen/usr/share/applications/mimeinfo.cache" 2>/dev/null || true
  grep -h velkora2d "$korzen/usr/share/mime/subclasses"
  echo "== velkora2d-oblicz na przykładach"
  for p in "$korzen"/usr/share/doc/velkora2d/examples/*.V2D; do
    p=/usr/share/doc/velkora2d/examples/$(basename "$p")
    echo "-- $p"
    w_korzeniu velkora2d-oblicz --czasy "$p" 2>&1 | head -8
  done
  echo "-- --csv pret_temperatura.V2D"
  w_korzeniu velkora2d-oblicz --csv /usr/share/doc/velkora2d/examples/pret_temperatura.V2D
  echo "-- --png most.png"
  w_korzeniu velkora2d-oblicz --png /tmp/most.png --rozmiar 1200x800 \
    /usr/share/doc/velkora2d/examples/most_pratta.V2D >/dev/null
  cp "$korzen/tmp/most.png" "$wyniki/most.png"
  identify "$wyniki/most.png"
} 2>&1 | tee "$wyniki/dziennik.txt"

# The window: a virtual X server here, its socket bound into the root, the program run there.
echo "== okno pod wirtualnym serwerem X" | tee -a "$wyniki/dziennik.txt"
ekran=99
while [ -e "/tmp/.X11-unix/X$ekran" ] || [ -e "/tmp/.X$ekran-lock" ]; do ekran=$((ekran + 1)); done
Xvfb ":$ekran" -screen 0 1100x760x24 -nolisten tcp >"$wyniki/xvfb.log" 2>&1 &
xvfb=$!
for _ in $(seq 50); do [ -S "/tmp/.X11-unix/X$ekran" ] && break; sleep 0.1; done
zamontuj "$korzen/tmp/.X11-unix" --bind /tmp/.X11-unix
export DISPLAY=:$ekran
chroot "$korzen" env -i PATH=/usr/bin:/bin HOME=/root LANG=C.UTF-8 DISPLAY=":$ekran" \
  velkora2d /usr/share/doc/velkora2d/examples/most_pratta.V2D >"$wyniki/okno.log" 2>&1 &
program=$!
okno=$(timeout 30 xdotool search --sync --name "most_pratta.V2D" | head -1) || {
  echo "Okno się nie pokazało:" >&2
  cat "$wyniki/okno.log" >&2
  exit 1
}
{
  echo "Tytuł okna: $(xdotool getwindowname "$okno")"
  xdotool windowmove "$okno" 0 0 windowsize "$okno" 900 620 windowfocus --sync "$okno"
  sleep 1
  xdotool key alt+o o # Obliczenia → Oblicz
  sleep 0.5
  xdotool key alt+w n # Widok → Naprężenia normalne
  sleep 1
  import -window "$okno" "$wyniki/okno.png"
  echo "Zrzut: $wyniki/okno.png $(identify -format '%wx%h, %k kolorów' "$wyniki/okno.png")"
  kill "$program"
  wait "$program" 2>/dev/null || true
  echo "Komunikaty programu: $(wc -l <"$wyniki/okno.log") wierszy"
  cat "$wyniki/okno.log"
} 2>&1 | tee -a "$wyniki/dziennik.txt"
echo "== sprawdzenie zakończone: $wyniki"
