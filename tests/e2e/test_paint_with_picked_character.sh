# Pick a character and a colour with real clicks, paint a stroke with the pen, erase a cell, and see it.
source "$E2E_DIR/lib.sh"

start_tegrel
# Hovering the picker shows the screen code under the pointer; row 8 holds the reverse forms.
move_in_picker 5 $((8 * 16 + 5))
move_in_picker 6 $((8 * 16 + 6))
expect_title "Tegrel 0.9 char:160"
click_picker_cell 1 0
expect_title "Tegrel 0.9 char:1"
click_picker_cell 2 16
screenshot
# The marker of colour 2 in its inverse colour, the red frame of the selected "A".
[ "$(pixel_at $((640 + 36)) $((PICTURE_TOP + 260)))" = "151,200,212" ] || fail "colour marker"

# A pen stroke along row 2 from column 2 to column 6: each reported move paints its cell.
move_to_cell 2 2
xdotool mousedown 1
for column in 3 4 5 6; do
    move_in_screen_view $((column * 16 + 8)) $((2 * 16 + 8))
    sleep 0.1
done
xdotool mouseup 1
sleep 0.1
move_to_cell 4 2
expect_title "Tegrel 0.9 x:4,y:2 char=1 col:2"
move_to_cell 7 2
expect_title "Tegrel 0.9 x:7,y:2 char=32 col:14"

# A right click erases the code and keeps the colour.
click_cell 10 10
move_to_cell 5 2
xdotool click 3
sleep 0.1
move_to_cell 5 3
move_to_cell 5 2
expect_title "Tegrel 0.9 x:5,y:2 char=32 col:2"

# The glyph of "A" in red on blue: row 0 is 18 (two pixels set in its middle), row 1 is 3C.
move_to_cell 20 20
screenshot
red="104,55,43"
blue="53,40,121"
x=$((16 * 3))
y=$((16 * 2))
expect_view_pixel $((x + 2 * 3 + 1)) $((y + 1)) "$red"
expect_view_pixel $((x + 2 * 2 + 1)) $((y + 1)) "$blue"
expect_view_pixel $((x + 2 * 2 + 1)) $((y + 2 + 1)) "$red"
expect_view_pixel $((x + 2 * 1 + 1)) $((y + 2 + 1)) "$blue"
expect_view_pixel "$x" "$y" "127,127,127"
# The erased cell (5, 2) shows background only; the red outline frames the pointer cell (20, 20).
expect_view_pixel $((16 * 5 + 7)) $((y + 7)) "$blue"
expect_view_pixel $((16 * 20 + 15)) $((16 * 20 + 5)) "255,0,0"

xdotool key ctrl+q
expect_exit_zero
