#!/usr/bin/env bash
# Draws the skin's images with ImageMagick. The PNGs and GIFs it writes are committed beside it;
# run it again after changing a drawing here.
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")"
green='#24CF6B'
grey='#D9D9D9'

# Loading indicator: 12 frames of 28 x 32 side by side; a bright dot walks round a ring of faint ones.
frames=()
for n in $(seq 0 11); do
  draw=()
  for k in $(seq 0 11); do
    read -r x y < <(awk -v k="$k" 'BEGIN { a = k * 3.14159265 / 6; printf "%.1f %.1f\n", 14 + 9 * sin(a), 16 - 9 * cos(a) }')
    if [ "$k" -eq "$n" ]; then fill='rgba(255,255,255,1)'; r=2.6; else fill='rgba(255,255,255,0.35)'; r=1.8; fi
    draw+=(-fill "$fill" -draw "circle $x,$y $(awk -v x="$x" -v r="$r" 'BEGIN { printf "%.1f", x + r }'),$y")
  done
  convert -size 28x32 xc:none "${draw[@]}" "/tmp/skin-frame-$n.png"
  frames+=("/tmp/skin-frame-$n.png")
done
convert "${frames[@]}" +append -strip PNG32:loading.png
rm -f "${frames[@]}"

# Busy animation of the convert buttons: a green bar sweeping across a light track.
gif=()
for n in $(seq 0 7); do
  x=$((n * 25))
  convert -size 250x90 xc:'#F2FFF7' -fill "$green" -draw "roundrectangle $x,35 $((x + 75)),55 8,8" "/tmp/skin-busy-$n.png"
  gif+=("/tmp/skin-busy-$n.png")
done
convert -delay 10 -loop 0 "${gif[@]}" -strip busy.gif
rm -f "${gif[@]}"

# Window shadow: soft dark edges around a clear middle, the part the window covers (nine-grid
# corner 30, drawn 25 pixels around the window).
convert -size 80x80 xc:none -fill 'rgba(0,0,0,0.35)' -draw 'roundrectangle 25,25 54,54 4,4' -blur 0x8 \
  \( -size 80x80 xc:none -fill black -draw 'rectangle 25,25 54,54' \) -compose DstOut -composite \
  -strip PNG32:shadow.png

# Menu backgrounds: white with a one-pixel grey frame (nine-grid corner 1).
for name in infomenubk loginmenubk menubk; do
  convert -size 16x16 xc:white -fill none -stroke "$grey" -draw 'rectangle 0,0 15,15' -strip "PNG32:$name.png"
done

# Logo and the picture of the runtime window.
convert -size 64x64 xc:none -fill "$green" -draw 'roundrectangle 0,0 63,63 12,12' \
  -fill white -draw 'rectangle 18,14 30,50' -draw 'roundrectangle 18,14 46,36 10,10' \
  -fill "$green" -draw 'roundrectangle 30,22 38,28 3,3' -strip PNG32:logo64.png
convert -size 120x90 xc:none -fill '#3A8EE6' -draw 'rectangle 10,10 55,42' -draw 'rectangle 60,10 110,42' \
  -draw 'rectangle 10,47 55,80' -draw 'rectangle 60,47 110,80' -strip PNG32:net_windows.png

# Caption buttons, 30 x 30, white strokes for the green title bar.
convert -size 30x30 xc:none -stroke white -strokewidth 2 -draw 'line 9,9 21,21' -draw 'line 21,9 9,21' -strip PNG32:sys_close.png
convert -size 30x30 xc:none -stroke white -strokewidth 2 -draw 'line 9,15 21,15' -strip PNG32:sys_min.png
convert -size 30x30 xc:none -stroke white -strokewidth 2 -fill none -draw 'rectangle 9,9 21,21' -strip PNG32:sys_max.png
convert -size 30x30 xc:none -stroke white -strokewidth 2 -fill none -draw 'rectangle 8,12 18,22' \
  -draw 'polyline 12,12 12,8 22,8 22,18 18,18' -strip PNG32:sys_restore.png

# Check option faces, 16 x 16.
convert -size 16x16 xc:white -fill none -stroke '#BBBBBB' -draw 'rectangle 0,0 15,15' -strip PNG32:check_off.png
convert -size 16x16 xc:"$green" -fill none -stroke white -strokewidth 2 -draw 'polyline 3,8 7,12 13,4' -strip PNG32:check_on.png
