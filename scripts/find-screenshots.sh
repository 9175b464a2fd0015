#!/bin/sh
# Screenshots of the search box narrowing the list and of the duplicates dialog, under Xvfb
# without a window manager:
#   xvfb-run -a -s "-screen 0 1280x1024x24" scripts/find-screenshots.sh BUILD_DIR OUT_DIR
# Needs xdotool and ImageMagick's import. The memory dial is generated, with one person entered
# a second time the way an import from a phone brings them in.
set -eu
build=$(cd "$1" && pwd)
out=$(mkdir -p "$2" && cd "$2" && pwd)
here=$(cd "$(dirname "$0")" && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

dial="$work/家族と友人.VCF"
python3 "$here/make_sample_dial.py" "$dial" 36
python3 - "$dial" <<'PY'
import sys
card = ["BEGIN:VCARD", "VERSION:3.0", "FN:すずき ようこ", "SORT-STRING:ｽｽﾞｷ ﾖｳｺ",
        "TEL;TYPE=CELL:+81-90-1037-2053", "TEL;TYPE=WORK:06-1234-5678", "EMAIL;TYPE=CELL:USER001@example.ne.jp",
        "X-GNO:1", "CATEGORIES:友人", "X-REDUCTION:36", "REV:20240401T120000Z", "END:VCARD"]
with open(sys.argv[1], "ab") as f:
    f.write("".join(line + "\r\n" for line in card).encode("cp932"))
PY
export MORVANX_SETTINGS="$work/MORVANX.ini"
cat > "$MORVANX_SETTINGS" <<INI
[Config]
OptLogo=0
OptCenter%280%29=1
[Rireki]
Rireki%280%29=$dial
INI

"$build/morvanx" &
program=$!
sleep 4
window=$(xdotool search --sync --name "Morvane for Windows" | head -n 1)
xdotool windowfocus --sync "$window"
shot() {
    sleep 1
    geometry=$(xdotool getwindowgeometry "$2")
    import -window root -crop "$(echo "$geometry" | awk '/Geometry/{print $2}')+$(echo "$geometry" | awk -F'[ ,]+' '/Position/{print $3"+"$4}')" +repage "$out/$1"
}

xdotool key --window "$window" alt+f
sleep 1
xdotool key 1
sleep 2
xdotool key --window "$window" ctrl+f
sleep 1
xdotool type --delay 80 "すずき"
shot find-filter.png "$window"
xdotool key Escape
sleep 1
xdotool key --window "$window" alt+e
sleep 1
xdotool key p
dialog=$(xdotool search --sync --name "重複の検出と統合" | head -n 1)
shot duplicates.png "$dialog"
xdotool key Escape
sleep 1
kill "$program"
