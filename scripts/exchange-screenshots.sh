#!/bin/bash
# Import and export from the ﾌｧｲﾙ menu, used the way a user does: the menu (file-menu.png), a
# phone's vCard export imported into a new memory dial, with the report of what was not taken
# (import-report.png), and the list afterwards exported as CSV.
#   scripts/exchange-screenshots.sh BUILD_DIR OUT_DIR
# Exits non-zero when a step does not give what it should.
set -euo pipefail
build=$(realpath "$1")
out=$(mkdir -p "$2" && realpath "$2")
here=$(cd "$(dirname "$0")" && pwd)
source "$here/xsession.sh"
start_session --wm

# Three contacts as a phone writes them; the third has six numbers and a photo.
printf '%s\r\n' BEGIN:VCARD VERSION:3.0 'N:山田;太郎;;;' 'FN:山田 太郎' 'X-PHONETIC-LAST-NAME:やまだ' \
    'X-PHONETIC-FIRST-NAME:たろう' 'TEL;type=CELL;type=pref:090-1234-5678' 'item1.EMAIL;type=INTERNET:taro@example.jp' \
    'ADR;type=HOME:;;桜丘町26-1;渋谷区;東京都;150-8512;日本' 'BDAY:1980-03-22' 'NOTE:10時〜18時に連絡' END:VCARD \
    BEGIN:VCARD VERSION:3.0 'FN:鈴木 花子' 'TEL;type=HOME:03-1111-2222' 'CATEGORIES:友人' END:VCARD \
    BEGIN:VCARD VERSION:3.0 'FN:佐藤 次郎' 'TEL:03-0000-0001' 'TEL:03-0000-0002' 'TEL:03-0000-0003' \
    'TEL:03-0000-0004' 'TEL:03-0000-0005' 'TEL:03-0000-0006' 'ORG:株式会社サンプル' 'PHOTO;ENCODING=b;TYPE=JPEG:/9j/4AAQ' \
    END:VCARD >"$work/contacts.vcf"

printf '[Config]\nOptLogo=0\nOptCenter%%280%%29=1\n' >"$work/settings.ini"
HOME=$work MORVANX_SETTINGS="$work/settings.ini" XDG_CACHE_HOME="$work/cache" "$build/morvanx" >/dev/null 2>&1 &
app=$!
main=$(wait_window "Morvane for Windows")
sleep 1
xdotool windowactivate --sync "$main"

# Picks file $3 in the chooser titled $2 that key $1 of the ﾌｧｲﾙ menu opens, and waits for
# the result titled $4.
through_menu() {
    xdotool windowactivate --sync "$main"
    xdotool key alt+f
    sleep 0.5
    xdotool key "$1"
    chooser=$(wait_window "$2")
    xdotool windowactivate --sync "$chooser"
    xdotool type --delay 20 "$3"
    xdotool key Return
    result=$(wait_window "$4")
    sleep 1
}

eval "$(xdotool getwindowgeometry --shell "$main")"
xdotool key alt+f
sleep 1
import -window root -crop "420x250+$((X - 4))+$((Y - 24))" +repage "$out/file-menu.png"
xdotool key Escape Escape
through_menu i "ｱﾄﾞﾚｽ帳の取り込み" "$work/contacts.vcf" "取り込み結果"
import -window "$result" -frame "$out/import-report.png"
xdotool windowactivate --sync "$result" key Return
sleep 1
through_menu e "ｱﾄﾞﾚｽ帳への書き出し" "$work/exported.csv" "書き出し結果"
xdotool windowactivate --sync "$result" key Return
sleep 0.5

# The CSV holds the header and the three entries, with the byte-order mark in front.
rows=$(grep -c $'\r$' "$work/exported.csv")
[ "$rows" = 4 ] || { echo "exported.csv has $rows lines, not 4" >&2; exit 1; }
head -c 3 "$work/exported.csv" | cmp -s - <(printf '\xef\xbb\xbf') || { echo "no byte-order mark" >&2; exit 1; }
grep -q '山田 太郎' "$work/exported.csv" || { echo "山田 太郎 missing from the export" >&2; exit 1; }
echo "import and export checked; pictures in $out"
