#!/bin/bash
# Screenshots of the entry editor for the documentation, taken from the real program under a
# virtual X server: a generated memory dial opened and its first entry double-clicked
# (editor.png), and a new memory dial started (its first entry, editor-new.png).
#   scripts/editor-screenshots.sh BUILD_DIR OUT_DIR
# Needs Xvfb, xdotool and ImageMagick's import.
set -euo pipefail
build=$(realpath "$1")
out=$(mkdir -p "$2" && realpath "$2")
here=$(cd "$(dirname "$0")" && pwd)
source "$here/xsession.sh"
start_session
dial=$work/sample.VCF
python3 "$here/make_sample_dial.py" "$dial" 36

start() {
    printf '[Config]\nOptLogo=0\n' >"$work/settings.ini"
    MORVANX_SETTINGS="$work/settings.ini" "$build/morvanx" >/dev/null 2>&1 &
    app=$!
    main=$(wait_window "Morvane for Windows")
    sleep 1
    xdotool windowfocus "$main"
}

stop() {
    kill "$app"
    wait "$app" 2>/dev/null || true
    app=
}

# Editing an entry: open the memory dial, double-click its first row.
start
xdotool key ctrl+o
chooser=$(wait_window "ﾒﾓﾘﾀﾞｲﾔﾙを開く")
xdotool windowfocus "$chooser"
xdotool type --delay 20 "$dial"
xdotool key Return
sleep 2
eval "$(xdotool getwindowgeometry --shell "$main")"
xdotool mousemove $((X + 180)) $((Y + 85)) click --repeat 2 --delay 60 1
editor=$(wait_window "個別情報編集")
sleep 1
import -window "$editor" "$out/editor.png"
stop

# The first entry of a new memory dial.
start
xdotool key ctrl+n
editor=$(wait_window "個別情報編集")
sleep 1
import -window "$editor" "$out/editor-new.png"
stop
