#!/usr/bin/env bash
# Renders the program icon's PNG sizes from its SVG (needs rsvg-convert, package librsvg2-bin).
# The PNGs are committed, so a build needs no renderer.
set -euo pipefail
cd "$(dirname "$0")/../resources/symbol"
for n in 16 24 32 48 64 128 256; do
    rsvg-convert -w "$n" -h "$n" drilla.svg -o "drilla-$n.png"
done
