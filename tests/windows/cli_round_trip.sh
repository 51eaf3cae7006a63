#!/bin/sh
# rerore-cli.exe under Wine and the Linux build's rerore-cli run the same
# commands (load, store, generate, check, end) on two copies of the
# examples. Every file they write must be the same, byte for byte; only the
# date line of D1.TXT names the directory it lies in. The Windows program
# gets its data path as the host suite writes it: a drive, backslashes and
# a folder name with a character of the Windows code page.
#
#   cli_round_trip.sh WINE WINDOWS_CLI LINUX_CLI EXAMPLES_DATA WORK_DIR
# WINEPREFIX must name the prepared Wine prefix.
set -u
wine=$1
windows_cli=$2
linux_cli=$3
examples=$4
work=$5

failures=0
fail() {
  printf 'FAIL: %s\n' "$*"
  failures=$((failures + 1))
}
cr=$(printf '\r')

if [ ! -x "$linux_cli" ]; then
  echo "The Linux build's rerore-cli is missing: $linux_cli (build build/ first)"
  exit 1
fi

# "linux" and "Z:" + "win" have the same length, so the reports' dash lines
# match too.
folder="DATEN-Übung"
linux_data="$work/linux/$folder/"
windows_data="Z:$(printf '%s' "$work/win/$folder/" | tr / '\\')"
rm -rf "$work"
mkdir -p "$work/linux" "$work/win" "$work/home/VELTRANIX"
for side in linux win; do
  cp -r "$examples" "$work/$side/$folder"
  # Folders for the generated positions.
  mkdir "$work/$side/$folder/SDIR004" "$work/$side/$folder/SDIR005" \
    "$work/$side/$folder/SDIR006" "$work/$side/$folder/SDIR007"
done

# The Windows settings folder: %APPDATA%\VELTRANIX of the Wine prefix. The
# program writes there only when the folder exists, as on Linux.
appdata=$("$wine" cmd /c echo %APPDATA% | tr -d '\r')
appdata_unix=$("$wine" winepath -u "$appdata" | tr -d '\r')
rm -rf "$appdata_unix/VELTRANIX"
mkdir -p "$appdata_unix/VELTRANIX"

# run "COMMAND [KIND] EXT" [VALUES...]: both programs, with the data path
# after the extension; their exit status, stdout and stderr are logged.
run() {
  words=$1
  shift
  # shellcheck disable=SC2086 # the words are split on purpose
  XDG_DATA_HOME="$work/home" "$linux_cli" $words "@$linux_data" "$@" \
    >"$work/out" 2>"$work/err"
  status=$?
  printf '%s\n' "$words $*: status $status $(cat "$work/out" "$work/err")" >>"$work/linux.log"
  # shellcheck disable=SC2086
  "$wine" "$windows_cli" $words "@$windows_data" "$@" >"$work/out" 2>"$work/err"
  status=$?
  printf '%s\n' "$words $*: status $status $(cat "$work/out" "$work/err" | tr -d '\r')" >>"$work/win.log"
}

run "load .001"
run "store .001"
run "store .002"
run "store .003"
run "generate frame .004" 3.5:3:4 3:2:5
run "check .004"
run "store .004"
run "generate arc .005" 10 180 0 12
run "store .005"
run "generate beam .006" 5 12 18
run "store .006"
run "generate parabola .007" 20 5 10
run "store .007"
run "end .003"

if ! cmp -s "$work/linux.log" "$work/win.log"; then
  fail "exit status or messages differ"
  diff "$work/linux.log" "$work/win.log"
fi

# The date line and the dash line under it name the position's directory.
without_date_lines() {
  awk 'NR < 5 || past { print; next } /^ -+\r?$/ { past = 1 }' "$1"
}

(cd "$work/linux/$folder" && find . -type f | sort) >"$work/linux.files"
(cd "$work/win/$folder" && find . -type f | sort) >"$work/win.files"
if ! cmp -s "$work/linux.files" "$work/win.files"; then
  fail "the programs wrote different files"
  diff "$work/linux.files" "$work/win.files"
fi
compared=0
while read -r name; do
  linux_file="$work/linux/$folder/$name"
  windows_file="$work/win/$folder/$name"
  [ -f "$windows_file" ] || continue
  compared=$((compared + 1))
  case "$name" in
    */D1.TXT)
      without_date_lines "$linux_file" >"$work/linux.d1"
      without_date_lines "$windows_file" >"$work/win.d1"
      cmp -s "$work/linux.d1" "$work/win.d1" || fail "$name differs"
      grep -q "^ Date: .*  Z:\\\\" "$windows_file" || fail "$name: no Windows path in the date line"
      ;;
    *)
      cmp -s "$linux_file" "$windows_file" || fail "$name differs"
      ;;
  esac
done <"$work/linux.files"

# Text files end every line with CR LF, never with CR CR LF.
texts=0
for file in "$work/win/$folder"/SDIR*/ECHO_G*.TXT "$work/win/$folder"/SDIR*/D1.TXT; do
  [ -f "$file" ] || continue
  texts=$((texts + 1))
  lines=$(tr -cd '\n' <"$file" | wc -c)
  crlf=$(grep -c "$cr\$" "$file")
  [ "$lines" -gt 0 ] && [ "$lines" -eq "$crlf" ] || fail "$file: $crlf of $lines lines end with CR LF"
  if grep -q "$cr$cr" "$file"; then fail "$file holds CR CR LF"; fi
done
[ "$texts" -ge 14 ] || fail "only $texts echo files and reports were written"

# The settings file EXTR (the extension last stored) in %APPDATA%\VELTRANIX.
if [ -f "$appdata_unix/VELTRANIX/EXTR" ]; then
  cmp -s "$work/home/VELTRANIX/EXTR" "$appdata_unix/VELTRANIX/EXTR" || fail "EXTR differs"
else
  fail "no EXTR in $appdata\\VELTRANIX"
fi
ls -l "$appdata_unix/VELTRANIX"
rm -rf "$appdata_unix/VELTRANIX"

# DXF is not built into the Windows program: its DXF commands say so.
"$wine" "$windows_cli" import-dxf .001 "@$windows_data" drawing.dxf >"$work/out" 2>"$work/err"
status=$?
if [ "$status" -ne 1 ] || ! grep -q "DXF import and export are not built into this program" "$work/err"; then
  fail "import-dxf on Windows: status $status, $(cat "$work/err")"
fi

printf '%s\n' "$compared files compared, $texts text files checked for CR LF, $failures failures"
printf '%s\n' "data path on Windows: $windows_data; settings: $appdata\\VELTRANIX"
cat "$work/win.log"
[ "$failures" -eq 0 ]
