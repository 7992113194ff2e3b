#!/bin/sh
# SPDX-FileCopyrightText: 2026 The Tallyfox developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Renders the hand-drawn SVGs to the PNGs that the build embeds, each also at
# twice the size ("@2x") for screens of twice the usual density.
# Needs rsvg-convert (librsvg2-bin) and ImageMagick.
set -eu
cd "$(dirname "$0")"
rsvg-convert -w 48 -h 48 tallyfox.svg -o 128_icon.png
rsvg-convert -w 96 -h 96 tallyfox.svg -o 128_icon@2x.png
# The About bitmap is plain 24-bit RGB on white, without alpha.
about() {
  rsvg-convert -w "$1" -h "$2" about.svg |
    convert - -background white -alpha remove -alpha off -type TrueColor -strip \
      -define png:exclude-chunks=date,time "PNG24:$3"
}
about 55 62 135_about.png
about 110 124 135_about@2x.png
