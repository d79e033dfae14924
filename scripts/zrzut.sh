#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Makes docs/okno.png, the main window as the program draws it: examples/most_pratta.V2D opened
# from the command line, analysed (Obliczenia → Oblicz) and coloured by stress (Widok →
# Naprężenia normalne, Zachowaj proporcje), under a virtual X server. The program is build/velkora2d unless given.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/pakiety.sh xvfb xauth xdotool imagemagick fonts-liberation qt6-translations-l10n
program=$(realpath "${1:-build/velkora2d}")
# A first start: no settings of earlier runs.
XDG_CONFIG_HOME=$(mktemp -d)
export XDG_CONFIG_HOME PROGRAM=$program
trap 'rm -rf "$XDG_CONFIG_HOME"' EXIT
xvfb-run -a -s "-screen 0 1100x760x24" bash -c '
  set -euo pipefail
  "$PROGRAM" examples/most_pratta.V2D &
  pid=$!
  okno=$(timeout 20 xdotool search --sync --name "most_pratta.V2D")
  echo "Tytuł: $(xdotool getwindowname "$okno")"
  # No window manager here to maximise it.
  xdotool windowmove "$okno" 0 0 windowsize "$okno" 900 620 windowfocus --sync "$okno"
  sleep 1
  xdotool key alt+o o
  sleep 0.5
  xdotool key alt+w n
  sleep 0.5
  xdotool key alt+w o
  sleep 1
  import -window "$okno" docs/okno.png
  kill "$pid"
'
echo "docs/okno.png: $(identify -format "%wx%h" docs/okno.png)"
