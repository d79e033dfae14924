#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Renders the program's icon resources/velkora2d.svg into the PNG sizes of the hicolor theme
# (packaging/ikony/NxN.png, kept in the repository). Run it again after changing the SVG.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/pakiety.sh librsvg2-bin
for n in 16 22 24 32 48 64 128 256; do
  rsvg-convert -w "$n" -h "$n" -o "packaging/ikony/${n}x${n}.png" resources/velkora2d.svg
done
