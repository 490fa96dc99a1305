#!/bin/sh
# SPDX-FileCopyrightText: 2026 Tamsel2 developers
# SPDX-License-Identifier: GPL-3.0-or-later
#
# Renders the committed pictures and the icon from their SVG sources.
# Needs rsvg-convert (librsvg2-bin) and ImageMagick's convert (imagemagick).
# The build only embeds the results, so run this after editing an SVG.
set -eu

cd "$(dirname "$0")"
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT

# An opaque 24-bit RGB PNG: white behind everything, no alpha channel, no
# time stamps, so that a re-run gives the same bytes.
render_rgb() { # svg size png
  rsvg-convert -b white -w "$2" -h "$2" "$1" -o "$tmp/raw.png"
  convert "$tmp/raw.png" -background white -alpha remove -alpha off -strip \
    -define png:color-type=2 -define png:bit-depth=8 "PNG24:$3"
}

for picture in image1 image2; do
  render_rgb "$picture.svg" 200 "$picture.png"
  render_rgb "$picture.svg" 400 "$picture@2x.png"
done

# The icon: 32 x 32 with at most 16 colours, as a 4-bit palette PNG and an ICO.
rsvg-convert -b white -w 32 -h 32 tamsel2.svg -o "$tmp/raw.png"
convert "$tmp/raw.png" -background white -alpha remove -alpha off +dither \
  -colors 16 -strip "$tmp/icon.png"
convert "$tmp/icon.png" -type Palette -define png:color-type=3 \
  -define png:bit-depth=4 -strip "PNG8:tamsel2.png"
convert "$tmp/icon.png" -type Palette -colors 16 tamsel2.ico
