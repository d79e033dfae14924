#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Writes the Debian changelog of the package from CHANGELOG.md, compressed as Debian keeps it:
#   dziennik.sh CHANGELOG.md PAKIET WYJSCIE.gz
# Each "## VERSION (YYYY-MM-DD)" heading opens an entry, "- " lines are its items and lines
# indented by two spaces continue them. The entries are signed by DEBFULLNAME <DEBEMAIL>, as
# Debian's own tools sign them.
set -eu
[ $# -eq 3 ] || { echo "Użycie: $0 CHANGELOG.md PAKIET WYJSCIE.gz" >&2; exit 2; }
zrodlo=$1 pakiet=$2 wyjscie=$3
if [ -z "${DEBFULLNAME:-}" ] || [ -z "${DEBEMAIL:-}" ]; then
  echo "$0: brak DEBFULLNAME lub DEBEMAIL (opiekun pakietu)" >&2
  exit 1
fi
opiekun="$DEBFULLNAME <$DEBEMAIL>"

tymczasowy=$(mktemp)
trap 'rm -f "$tymczasowy"' EXIT
# Dates are turned into RFC 5322 form by date(1), at noon UTC so that no time zone moves the day.
LC_ALL=C.UTF-8 awk -v pakiet="$pakiet" -v opiekun="$opiekun" '
  function zamknij() {
    if (wersja == "") return
    polecenie = "LC_ALL=C date -u -R -d \"" data " 12:00\""
    if ((polecenie | getline dzien) <= 0) { print "zła data: " data > "/dev/stderr"; exit 1 }
    close(polecenie)
    printf "\n -- %s  %s\n", opiekun, dzien
  }
  /^## / {
    zamknij()
    if (!match($0, /^## [^ ]+ \([0-9][0-9][0-9][0-9]-[0-9][0-9]-[0-9][0-9]\)$/)) {
      print "zły nagłówek: " $0 > "/dev/stderr"; exit 1
    }
    wersja = $2
    data = substr($3, 2, 10)
    if (pierwszy++) print ""
    printf "%s (%s) unstable; urgency=medium\n\n", pakiet, wersja
    next
  }
  wersja == "" { next }
  /^- / { print "  * " substr($0, 3); next }
  /^  [^ ]/ { print "    " substr($0, 3); next }
  /^$/ { next }
  { print "nieznany wiersz: " $0 > "/dev/stderr"; exit 1 }
  END { zamknij() }
' "$zrodlo" > "$tymczasowy"
[ -s "$tymczasowy" ] || { echo "$0: $zrodlo nie ma żadnego wydania" >&2; exit 1; }
gzip -9n -c "$tymczasowy" > "$wyjscie"
