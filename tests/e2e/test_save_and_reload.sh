# Save through the real save dialog with Control+S, then start again with that file and see the picture.
source "$E2E_DIR/lib.sh"

cd "$E2E_TMP"
start_tegrel
click_picker_cell 1 0   # "A"
click_picker_cell 2 16  # red
paint_cell 3 4
# Mode > Background > 9 (brown): the submenu opens with Right, its first item is "0".
xdotool mousemove $((WX + 15)) $((WY + PICTURE_TOP / 2)) click 1
sleep 0.3
xdotool key Right Down Down Right
sleep 0.2
for _ in $(seq 9); do xdotool key Down; done
xdotool key Return
sleep 0.3
screenshot
expect_view_pixel 1 1 "67,57,0"
xdotool key ctrl+s
sleep 1
xdotool type --delay 20 "$E2E_TMP/picture"
xdotool key Return
for _ in $(seq 40); do
    [ -f "$E2E_TMP/picture.rawtext" ] && break
    sleep 0.1
done
[ -f "$E2E_TMP/picture.rawtext" ] || fail "nothing saved"
[ "$(stat -c %s "$E2E_TMP/picture.rawtext")" -eq 2001 ] || fail "saved $(stat -c %s "$E2E_TMP/picture.rawtext") bytes"
[ "$(od -An -tu1 -j $((3 + 40 * 4)) -N1 "$E2E_TMP/picture.rawtext" | tr -d ' ')" = 1 ] || fail "code of (3, 4)"
[ "$(od -An -tu1 -j $((1000 + 3 + 40 * 4)) -N1 "$E2E_TMP/picture.rawtext" | tr -d ' ')" = 2 ] || fail "colour of (3, 4)"
[ "$(od -An -tu1 -j 2000 -N1 "$E2E_TMP/picture.rawtext" | tr -d ' ')" = 9 ] || fail "background"
# Without a window manager nothing hands the keyboard focus back once the dialog has gone.
xdotool windowfocus "$WID"
xdotool key ctrl+q
expect_exit_zero

"$TEGREL" "$E2E_TMP/picture.rawtext" &
TEGREL_PID=$!
sleep 1
WID=$(xdotool search --onlyvisible --pid "$TEGREL_PID" --name 'Tegrel' | head -n 1)
[ -n "$WID" ] || fail "no window for the saved picture"
screenshot
# Same menu bar height as before; the loaded background shows at once.
expect_view_pixel 1 1 "67,57,0"
expect_view_pixel $((16 * 3 + 2 * 3 + 1)) $((16 * 4 + 1)) "104,55,43"
move_to_cell 3 4
expect_title "Tegrel 0.9 x:3,y:4 char=1 col:2"
xdotool key ctrl+q
expect_exit_zero
