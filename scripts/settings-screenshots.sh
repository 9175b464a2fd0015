#!/bin/bash
# The settings dialog and the main window's geometry under a real window manager:
#   scripts/settings-screenshots.sh BUILD_DIR OUT_DIR
# Starts Xvfb with openbox, so the main window gets a frame, and
#  - checks that the window opens with the OUTER size of its settings (12000 × 9000 twips,
#    800 × 600 pixels at 96 dpi), that closing it stores that outer size unchanged and the
#    frame's position, that the next start opens the same outer rectangle again, and that a
#    centred start centres the outer rectangle;
#  - takes a screenshot of each tab of 各種設定 (settings-tab0.png … settings-tab3.png).
# Needs Xvfb, openbox, xdotool, xwininfo and xprop (x11-utils) and ImageMagick's import. Exits non-zero
# when a geometry check fails.
set -euo pipefail
build=$(realpath "$1")
out=$(mkdir -p "$2" && realpath "$2")
here=$(cd "$(dirname "$0")" && pwd)
source "$here/xsession.sh"
start_session --wm -dpi 96

# The window's outer rectangle: its inside plus the frame the window manager put around it.
# (xwininfo rather than xdotool, whose position counts the frame twice.)
outer() {
    local info x y w h left right top bottom
    info=$(xwininfo -id "$1")
    x=$(sed -n 's/.*Absolute upper-left X: *//p' <<<"$info")
    y=$(sed -n 's/.*Absolute upper-left Y: *//p' <<<"$info")
    w=$(sed -n 's/^ *Width: *//p' <<<"$info")
    h=$(sed -n 's/^ *Height: *//p' <<<"$info")
    read -r left right top bottom < <(xprop -id "$1" _NET_FRAME_EXTENTS | sed 's/.*= //; s/,//g')
    echo "$((x - left)) $((y - top)) $((w + left + right)) $((h + top + bottom))"
}

setting() {
    sed -n "s/^$1=//p" "$MORVANX_SETTINGS" | head -1
}

failed=0
check() {
    if [ "$2" = "$3" ]; then
        echo "ok   $1: $2"
    else
        echo "FAIL $1: $2, expected $3"
        failed=1
    fi
}

export MORVANX_SETTINGS=$work/MORVANX.ini
printf '[Config]\nOptLogo=0\n[Position]\nH_Left=1500\nH_Top=1500\n' >"$MORVANX_SETTINGS"

start() {
    "$build/morvanx" >/dev/null 2>&1 &
    app=$!
    main=$(wait_window "Morvane for Windows")
    sleep 2
}

stop() {
    xdotool windowactivate --sync "$main" key --clearmodifiers alt+F4
    wait "$app" 2>/dev/null || true
    app=
}

start
read -r x y w h < <(outer "$main")
check "first start, outer size" "${w}x$h" "800x600"
check "first start, outer position" "$x,$y" "100,100"

xdotool windowactivate --sync "$main" key ctrl+k
dialog=$(wait_window "各種設定")
sleep 1
for tab in 0 1 2 3; do
    import -window "$dialog" "$out/settings-tab$tab.png"
    xdotool windowactivate --sync "$dialog" key ctrl+Tab
    sleep 1
done
xdotool windowactivate --sync "$dialog" key Escape
sleep 1
stop
check "stored width" "$(setting FH_Width)" "12000"
check "stored height" "$(setting FH_Height)" "9000"
check "stored left" "$(setting H_Left)" "1500"
check "stored top" "$(setting H_Top)" "1500"

start
read -r x y w h < <(outer "$main")
check "second start, outer rectangle" "$x,$y ${w}x$h" "100,100 800x600"
stop

# Centred: the whole window, frame included, in the middle of the 1280 × 1024 screen.
sed -i 's/^OptCenter%280%29=0$/OptCenter%280%29=1/' "$MORVANX_SETTINGS"
start
read -r x y w h < <(outer "$main")
check "centred start, outer rectangle" "$x,$y ${w}x$h" "240,212 800x600"
stop
exit $failed
