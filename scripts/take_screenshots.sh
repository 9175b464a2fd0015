#!/bin/sh
# Screenshots of the main window (empty, loaded, sorted), the open dialog and the RENAME dialog
# under Xvfb:
#   xvfb-run -a -s "-screen 0 1280x1024x24" scripts/take_screenshots.sh BUILD_DIR OUT_DIR
# Needs xdotool and ImageMagick's import. The memory dial is generated; the settings file is a
# fresh one in a temporary folder whose history names it, so the File menu's "&1" opens it.
set -eu
build=$(cd "$1" && pwd)
out=$(mkdir -p "$2" && cd "$2" && pwd)
here=$(cd "$(dirname "$0")" && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

python3 "$here/make_sample_dial.py" "$work/家族と友人.VCF" 36
export MORVANX_SETTINGS="$work/MORVANX.ini"
cat > "$MORVANX_SETTINGS" <<INI
[Config]
OptLogo=0
OptCenter%280%29=1
[Rireki]
Rireki%280%29=$work/家族と友人.VCF
INI

"$build/morvanx" &
program=$!
sleep 4
window=$(xdotool search --sync --name "Morvane for Windows" | head -n 1)
xdotool windowfocus --sync "$window"
shot() { sleep 1; import -window root -crop "$(xdotool getwindowgeometry "$window" | awk '/Geometry/{print $2}')+$(xdotool getwindowgeometry "$window" | awk -F'[ ,]+' '/Position/{print $3"+"$4}')" +repage "$out/$1"; }

shot main-window-empty.png
# The open dialog, in Japanese from Qt's own translations.
xdotool key --window "$window" ctrl+o
sleep 2
import -window root "$out/file-dialog.png"
xdotool key Escape
sleep 1
xdotool key --window "$window" alt+f
sleep 1
xdotool key 1
shot main-window.png
# The header of the name column ("名前"), twice: the first click sorts descending.
xdotool mousemove --window "$window" 175 66 click 1
sleep 1
xdotool click 1
shot main-window-sorted.png
xdotool key --window "$window" alt+e
sleep 1
xdotool key Up Up Return
sleep 2
xdotool type --delay 20 "$work/家族と友人.VCF"
xdotool key Return
sleep 2
xdotool type --delay 20 "Tomodachi.VCF"
sleep 1
shot rename-dialog.png
xdotool key Escape
sleep 1
kill "$program"
