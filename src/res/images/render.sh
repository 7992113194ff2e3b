#!/bin/sh
# Renders the hand-drawn SVGs to the PNGs that the build embeds.
# Needs rsvg-convert (librsvg2-bin) and ImageMagick.
set -eu
cd "$(dirname "$0")"
rsvg-convert -w 48 -h 48 tallyfox.svg -o 128_icon.png
# The About bitmap is plain 24-bit RGB on white, without alpha.
rsvg-convert -w 55 -h 62 about.svg |
  convert - -background white -alpha remove -alpha off -type TrueColor -strip \
    -define png:exclude-chunks=date,time PNG24:135_about.png
