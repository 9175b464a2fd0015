#!/bin/bash
# Screenshots of the editor's field-service dialogs, taken from the real program under a virtual
# X server with a window manager (so that the captions show): the postal-code candidates of the
# address of the first entry (candidates.png), the birthday calendar (calendar.png) and the
# mail-domain picker opening by itself after a typed "@" (domain.png).
#   scripts/service-screenshots.sh BUILD_DIR OUT_DIR
# Needs Xvfb, openbox, xdotool and ImageMagick's import.
set -euo pipefail
build=$(realpath "$1")
out=$(mkdir -p "$2" && realpath "$2")
here=$(cd "$(dirname "$0")" && pwd)
source "$here/xsession.sh"
start_session --wm
dial=$work/sample.VCF
python3 "$here/make_sample_dial.py" "$dial" 36

# Clicks at a point of a window, in the window's own pixels.
click() {
    xdotool mousemove --window "$1" "$2" "$3" click 1
    sleep 0.5
}

printf '[Config]\nOptLogo=0\n' >"$work/settings.ini"
MORVANX_SETTINGS="$work/settings.ini" "$build/morvanx" >/dev/null 2>&1 &
app=$!
main=$(wait_window "Morvane for Windows")
sleep 1
xdotool windowactivate --sync "$main"
xdotool key ctrl+o
chooser=$(wait_window "ﾒﾓﾘﾀﾞｲﾔﾙを開く")
xdotool windowactivate --sync "$chooser"
xdotool type --delay 20 "$dial"
xdotool key Return
sleep 2
xdotool mousemove --window "$main" 180 85 click --repeat 2 --delay 60 1
editor=$(wait_window "個別情報編集")
sleep 1

# The address field, then the button 〒 ⇔ 住所: the candidates of 東京都千代田区.
click "$editor" 400 380
click "$editor" 340 346
candidates=$(wait_window "郵便番号候補一覧")
sleep 0.5
xdotool windowactivate --sync "$candidates"
xdotool key Down Down Down
sleep 0.5
import -frame -window "$candidates" "$out/candidates.png"
xdotool key Escape
sleep 0.5

# The calendar button beside the birthday.
click "$editor" 486 412
calendar=$(wait_window "誕生日の設定")
sleep 0.5
import -frame -window "$calendar" "$out/calendar.png"
xdotool key Escape
sleep 0.5

# Typing "@" in mail address 2 opens the domain picker; choosing au and entering the domain list
# drops it open, and its first domain is picked.
click "$editor" 560 178
xdotool type --delay 40 "hanako@"
domain=$(wait_window "ドメイン名の付加")
xdotool windowactivate --sync "$domain"
xdotool key Down Down Down Down Tab
sleep 1
xdotool key Return
sleep 0.5
import -frame -window "$domain" "$out/domain.png"
