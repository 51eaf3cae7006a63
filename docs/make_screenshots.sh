#!/bin/sh
# Makes the pictures of docs/: the example positions rendered by
# rerore-cli, and the real window under Xvfb (a portal frame, and the
# hinged portal after Store, which shows its mechanism, the live check
# while a brace is drawn, and the Edit menu after a delete).
# Run from the repository root after building into build/.
set -e
root=$(pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cp -r examples/DATA "$work/"
cli="$root/build/rerore-cli"

"$cli" render .001 @"$work/DATA/" docs/portal.png --size 1200x750
"$cli" render .002 @"$work/DATA/" docs/beam.png --size 1200x750
"$cli" render .003 @"$work/DATA/" docs/mechanism.png --size 1200x750 --check || true
"$cli" render .001 @"$work/DATA/" docs/portal.pdf
# The "after" halves of docs/before-after/ (the "before" halves were made
# by the program before its drawing was reworked) and the printed page.
"$cli" render .001 @"$work/DATA/" docs/before-after/portal-after.png
"$cli" generate parabola .050 @"$work/DATA/" 20 5 100
"$cli" render .050 @"$work/DATA/" docs/before-after/parabola-after.png
pdftoppm -png -r 100 -singlefile docs/portal.pdf docs/before-after/portal-printed

# One run of the program in a fresh X server; $2 is what to do before the
# picture is taken.
window() {
  xvfb-run -a -s "-screen 0 1280x800x24" sh -c "
    cd '$root/build' && ./rerore $1 @'$work/DATA/' &
    sleep 4
    python3 '$root/docs/xinput.py' move 640 420
    $2
    sleep 2
    import -window root '$root/docs/$3'
    kill \$!
  "
}
window .001 "true" window-portal.png
# Store finds the mechanism ("Singularity in row 14"); Return closes the
# message.
window .003 "python3 '$root/docs/xinput.py' key ctrl+s; sleep 2; \
  python3 '$root/docs/xinput.py' key Return" window-mechanism.png
# The live check while a brace is drawn across the hinged portal: its
# verdict in the status bar, the mechanism in light colours; then the
# brace closed on node 3: "Sound".
window .003 "python3 '$root/docs/xinput.py' click 114 31; sleep 1; \
  python3 '$root/docs/xinput.py' click 224 744; sleep 1; \
  python3 '$root/docs/xinput.py' move 1000 250; sleep 0.5; \
  python3 '$root/docs/xinput.py' move 1020 240" live-check.png
window .003 "python3 '$root/docs/xinput.py' click 114 31; sleep 1; \
  python3 '$root/docs/xinput.py' click 224 744; sleep 1; \
  python3 '$root/docs/xinput.py' click 1217 81; sleep 1; \
  python3 '$root/docs/xinput.py' click 114 31; sleep 1; \
  python3 '$root/docs/xinput.py' move 700 600" live-check-sound.png
# The element editor's Delete on the right column (element 3), the question
# confirmed with Return, then the Edit menu opened: "Undo Delete element 3".
window .001 "python3 '$root/docs/xinput.py' click 1217 300; sleep 1.5; \
  python3 '$root/docs/xinput.py' click 699 474; sleep 1.5; \
  python3 '$root/docs/xinput.py' key Return; sleep 1.5; \
  python3 '$root/docs/xinput.py' click 76 8" edit-menu.png
