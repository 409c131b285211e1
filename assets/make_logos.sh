#!/bin/sh
# Draws the maker's logos and Zentaro's icons into this folder. Run it by hand
# after changing the design, then commit what it writes; the build only uses
# the committed files, so building needs neither tool below.
#
#   assets/make_logos.sh
#
# Needs ImageMagick's convert (Debian: imagemagick), the Liberation fonts
# (fonts-liberation2) and rsvg-convert (librsvg2-bin).
#
# Writes: logo_150x101.jpg, logo_175x101.jpg and their @2x twins (drawn at
# twice the size, not scaled up, so Qt shows them sharp on high-DPI screens),
# zentaro_48.png, zentaro_256.png and zentaro.ico from zentaro.svg; then a
# .pam twin of each logo and of the 48 px icon: the same pixels decoded and
# uncompressed, which the program shows straight from its resources without
# loading an image plugin (see ui/loader.h).
set -eu
cd "$(dirname "$0")"

font=/usr/share/fonts/truetype/liberation2/LiberationSans-Bold.ttf
blue='#0d2f8a'
edge='#3d63c9'
red='#ff3030'

# logo WIDTH HEIGHT SCALE OUT: "Parvelin" in red on blue with a lighter edge.
logo() {
    w=$(($1 * $3))
    h=$(($2 * $3))
    # Point size chosen so the name fills about five sixths of the width.
    pt=$(($1 * $3 / 5))
    convert -size "${w}x${h}" "xc:$blue" \
        -fill none -stroke "$edge" -strokewidth $((2 * $3)) \
        -draw "rectangle $3,$3 $((w - 1 - $3)),$((h - 1 - $3))" \
        -stroke none -fill "$red" -font "$font" -pointsize "$pt" \
        -gravity center -annotate +0-$((6 * $3)) 'Parvelin' \
        -fill "$red" -draw "rectangle $((w / 4)),$((h * 3 / 4)) $((w * 3 / 4)),$((h * 3 / 4 + 2 * $3))" \
        -sampling-factor 1x1 -quality 88 -strip "$4"
}

# 4:4:4 sampling above keeps the red edges from bleeding into the blue.
logo 150 101 1 logo_150x101.jpg
logo 175 101 1 logo_175x101.jpg
logo 150 101 2 logo_150x101@2x.jpg
logo 175 101 2 logo_175x101@2x.jpg

for size in 48 256; do
    rsvg-convert -w "$size" -h "$size" zentaro.svg -o "zentaro_$size.png"
    convert "zentaro_$size.png" -strip "zentaro_$size.png"
done

# Decoded from the files just written, so the pixels are the JPEG's as shown.
for image in logo_150x101.jpg logo_175x101.jpg logo_150x101@2x.jpg logo_175x101@2x.jpg \
    zentaro_48.png; do
    convert "$image" -strip "pam:${image%.*}.pam"
done

tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
for size in 16 24 32 48 256; do
    rsvg-convert -w "$size" -h "$size" zentaro.svg -o "$tmp/$size.png"
done
convert "$tmp/16.png" "$tmp/24.png" "$tmp/32.png" "$tmp/48.png" "$tmp/256.png" zentaro.ico
