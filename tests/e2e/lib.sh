# Shared steps of the end-to-end tests: start the real program, find its window, drive it with
# real X input, read its title and screenshot pixels. Sourced by test_*.sh.
set -euo pipefail

fail() {
    echo "FAIL: $*" >&2
    exit 1
}

# Starts tegrel with the given arguments and waits for its window; sets TEGREL_PID, WID, WX, WY.
start_tegrel() {
    "$TEGREL" "$@" &
    TEGREL_PID=$!
    WID=""
    for _ in $(seq 200); do
        WID=$(xdotool search --onlyvisible --pid "$TEGREL_PID" --name 'Tegrel' 2>/dev/null | head -n 1 || true)
        [ -n "$WID" ] && break
        sleep 0.05
    done
    [ -n "$WID" ] || fail "no window appeared"
    sleep 0.3
    eval "$(xdotool getwindowgeometry --shell "$WID")"
    WX=$X
    WY=$Y
    WWIDTH=$WIDTH
    WHEIGHT=$HEIGHT
    find_picture_top
}

# Waits for tegrel to end; fails unless it ends within the time given (seconds) with status 0.
expect_exit_zero() {
    local limit=${1:-5}
    for _ in $(seq $((limit * 20))); do
        kill -0 "$TEGREL_PID" 2>/dev/null || break
        sleep 0.05
    done
    kill -0 "$TEGREL_PID" 2>/dev/null && fail "tegrel still running"
    local status=0
    wait "$TEGREL_PID" || status=$?
    [ "$status" -eq 0 ] || fail "exit status $status"
}

stop_tegrel() {
    kill "$TEGREL_PID" 2>/dev/null || true
    wait "$TEGREL_PID" 2>/dev/null || true
}

title() { xdotool getwindowname "$WID"; }

expect_title() {
    local actual=""
    for _ in $(seq 40); do
        actual=$(title)
        [ "$actual" = "$1" ] && return 0
        sleep 0.05
    done
    fail "title '$actual', expected '$1'"
}

screenshot() { import -window "$WID" "$E2E_TMP/shot.png"; }

# "r,g,b" of a pixel of the last screenshot, window coordinates.
pixel_at() {
    convert "$E2E_TMP/shot.png" -format '%[fx:int(255*p{'"$1,$2"'}.r+0.5)],%[fx:int(255*p{'"$1,$2"'}.g+0.5)],%[fx:int(255*p{'"$1,$2"'}.b+0.5)]' info:
}

# A pixel of the screen view, in canvas coordinates.
view_pixel() { pixel_at "$1" $(($2 + PICTURE_TOP)); }

expect_view_pixel() {
    local actual
    actual=$(view_pixel "$1" "$2")
    [ "$actual" = "$3" ] || fail "screen view pixel ($1, $2) is $actual, expected $3"
}

# The screen view starts below the menu bar; at start-up the red pointer outline frames its cell (0, 0).
find_picture_top() {
    screenshot
    PICTURE_TOP=""
    for y in $(seq 0 80); do
        if [ "$(pixel_at 0 "$y")" = "255,0,0" ]; then
            PICTURE_TOP=$y
            break
        fi
    done
    [ -n "$PICTURE_TOP" ] || fail "screen view not found"
}

# Pointer to pixel (x, y) of the screen view, or of the picker view.
move_in_screen_view() { xdotool mousemove $((WX + $1)) $((WY + PICTURE_TOP + $2)); }
move_in_picker() { xdotool mousemove $((WX + 640 + $1)) $((WY + PICTURE_TOP + $2)); }
# Pointer to the middle of a cell of the screen view; a small first step makes the entering move.
move_to_cell() {
    move_in_screen_view $(($1 * 16 + 7)) $(($2 * 16 + 7))
    sleep 0.05
    move_in_screen_view $(($1 * 16 + 8)) $(($2 * 16 + 8))
    sleep 0.1
}
click_cell() {
    move_to_cell "$1" "$2"
    xdotool click 1
    sleep 0.1
}
click_picker_cell() {
    move_in_picker $(($1 * 16 + 7)) $(($2 * 16 + 7))
    sleep 0.05
    move_in_picker $(($1 * 16 + 8)) $(($2 * 16 + 8))
    sleep 0.05
    xdotool click 1
    sleep 0.1
}

# Chooses a menu item with real input: open the File menu, step right to menu `$1` (0 File, 1 Mode,
# 2 Draw), down to item `$2` (0 = first), and press Return.
choose_menu_item() {
    xdotool mousemove $((WX + 15)) $((WY + PICTURE_TOP / 2)) click 1
    sleep 0.3
    local step
    for ((step = 0; step < $1; step++)); do xdotool key Right; done
    for ((step = 0; step < $2; step++)); do xdotool key Down; done
    sleep 0.1
    xdotool key Return
    sleep 0.2
}

# Paints the picked character at a cell with one pen click.
paint_cell() { click_cell "$1" "$2"; }
