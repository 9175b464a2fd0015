# Shared by the screenshot scripts, which source it and then call start_session:
#   source "$here/xsession.sh"
#   start_session [--wm] [Xvfb option...]
# start_session starts Xvfb (1280x1024, 24 bits) on a free display, with openbox when --wm is
# given (window frames, focus after a modal window, placement), makes a scratch folder `work`,
# and cleans all of it up on exit, including the program whose process id is left in `app`.
# Needs Xvfb, xdotool and ImageMagick's import; openbox for --wm.
app=
wm=
xvfb=
work=

cleanup() {
    [ -n "$app" ] && kill "$app" 2>/dev/null || true
    [ -n "$wm" ] && kill "$wm" 2>/dev/null || true
    [ -n "$xvfb" ] && kill "$xvfb" 2>/dev/null || true
    [ -n "$work" ] && rm -rf "$work"
}

start_session() {
    local with_wm=false
    if [ "${1:-}" = --wm ]; then
        with_wm=true
        shift
    fi
    trap cleanup EXIT
    work=$(mktemp -d)
    local display=:$((90 + RANDOM % 100))
    Xvfb "$display" -screen 0 1280x1024x24 "$@" >/dev/null 2>&1 &
    xvfb=$!
    export DISPLAY=$display
    sleep 1
    if $with_wm; then
        openbox >/dev/null 2>&1 &
        wm=$!
        sleep 1
    fi
}

# The id of the first visible window whose title matches $1; gives up after 30 s.
wait_window() {
    for _ in $(seq 1 60); do
        id=$(xdotool search --onlyvisible --name "$1" 2>/dev/null | head -1 || true)
        [ -n "$id" ] && { echo "$id"; return; }
        sleep 0.5
    done
    echo "no window \"$1\"" >&2
    exit 1
}
