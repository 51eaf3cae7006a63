#!/bin/sh
# Draws a portal frame of 6 m x 4 m with the mouse in the real window under
# Xvfb, grid on, and takes a picture after each step (docs/input-*.png).
# Run from the repository root after building into build/.
#
# The position shows -1..9 m by -1..6 m. On the 1280 x 800 screen, with
# the input hub docked on the left, the window puts x = 0 at pixel 331 and
# y = 0 at pixel 649, 94.6 pixels to the metre (read off the grid lines of
# the empty drawing); the grid (2 m, snap radius 0.15 m = 14 pixels)
# forgives a pixel or two.
set -e
root=$(pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir -p "$work/DATA/SDIR004"
python3 -c "import struct,sys; sys.stdout.buffer.write(struct.pack('<4f', -1, -1, 9, 6))" \
  > "$work/DATA/SDIR004/EXTENSIOR.004"

xvfb-run -a -s "-screen 0 1280x800x24" sh -c "
  cd '$root/build' && ./rerore .004 @'$work/DATA/' &
  sleep 4
  x='python3 $root/docs/xinput.py'
  shot() { sleep 1; import -window root '$root/docs/input-'\$1'.png'; }
  \$x click 138 31; shot 1-grid-dialog          # Grid: the dialog with its defaults
  \$x key Return; sleep 1
  \$x click 114 31; \$x move 331 649; shot 2-graphical-input
  \$x click 331 649; \$x move 343 329; shot 3-rubber-line
  \$x click 331 271; \$x click 899 271; \$x move 861 561; shot 4-beam
  \$x click 899 649; \$x click 899 649 right; sleep 0.5; \$x key Escape
  \$x move 560 480; shot 5-portal
  \$x key Escape; \$x move 560 470; shot 6-input-off
  \$x key Escape; \$x move 560 460; shot 7-grid-off
  \$x key ctrl+s; sleep 2; shot 8-store-message
  for i in 1 2 3 4; do \$x key Return; sleep 1; done; \$x move 560 450; shot 9-stored
  kill %1 || true
"
