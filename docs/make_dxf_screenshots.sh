#!/bin/sh
# Makes the pictures of the DXF import: the program on an empty position
# under Xvfb, Position - Import DXF... (the menu opened by a click) on
# examples/drawings/hall-frame.dxf, the layer SYSTEM chosen in the dialog
# (docs/dxf-import-dialog.png), then Replace (docs/dxf-hall-frame.png). A
# click on the input hub and Escape close it first: it would cover a
# corner of the drawing.
# Run from the repository root after building into build/.
set -e
root=$(pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cp -r examples/DATA "$work/"
mkdir "$work/DATA/SDIR008"
cp examples/drawings/hall-frame.dxf "$work/DATA/"
x="python3 $root/docs/xinput.py"

xvfb-run -a -s "-screen 0 1280x800x24" sh -c "
  cd '$root/build' && ./rerore .008 @'$work/DATA/' &
  sleep 4
  $x move 640 420
  $x click 130 322; sleep 0.5; $x key Escape; sleep 1.5
  $x click 28 8; sleep 0.5; $x key i; sleep 1.5
  $x type hall-frame.dxf; $x key Return; sleep 1.5
  $x key Down; sleep 1
  import -window \"\$(xwininfo -name 'Import DXF' | awk '/Window id/ { print \$4 }')\" \
    '$root/docs/dxf-import-dialog.png'
  $x key alt+r; sleep 2
  $x move 640 420; sleep 1
  import -window root '$root/docs/dxf-hall-frame.png'
  kill \$!
"
