#!/bin/bash
# Screenshots of the About box and of the help window for the documentation, taken from the
# real program under a virtual X server: the About box from the help menu (about-box.png),
# and the help opened with F1 and a keyword typed and chosen (help-window.png).
#   scripts/shell-screenshots.sh BUILD_DIR OUT_DIR
# Needs Xvfb, xdotool and ImageMagick's import.
set -euo pipefail
build=$(realpath "$1")
out=$(mkdir -p "$2" && realpath "$2")
here=$(cd "$(dirname "$0")" && pwd)
source "$here/xsession.sh"
start_session

printf '[Config]\nOptLogo=0\nOptCenter%%280%%29=1\n' >"$work/settings.ini"
# The help collection goes to the temporary folder, not the user's cache.
MORVANX_SETTINGS="$work/settings.ini" XDG_CACHE_HOME="$work/cache" "$build/morvanx" >/dev/null 2>&1 &
app=$!
main=$(wait_window "Morvane for Windows")
sleep 1
xdotool windowfocus "$main"

# The About box, with the pointer on its link (the help's contents in a build that names no
# home page) so that it glows.
xdotool key alt+h
sleep 1
xdotool key a
about=$(wait_window "ﾊﾞｰｼﾞｮﾝ情報")
sleep 1
eval "$(xdotool getwindowgeometry --shell "$about")"
xdotool mousemove $((X + 200)) $((Y + 150))
sleep 1
import -window "$about" "$out/about-box.png"
xdotool windowfocus "$about"
xdotool key Escape
sleep 1

# The help: F1 opens the keyword index; a keyword and Enter show its topic.
xdotool windowfocus "$main"
xdotool key F1
help=$(wait_window "Morvane ヘルプ")
sleep 2
xdotool windowfocus "$help"
xdotool type --delay 60 "郵便番号データ"
sleep 1
xdotool key Return
sleep 2
import -window "$help" "$out/help-window.png"
