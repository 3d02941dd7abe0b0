# A line drawn with two real clicks in the line tool, previewed while the pointer moves.
source "$E2E_DIR/lib.sh"

start_tegrel
click_picker_cell 8 7   # picker index 120: code 81 (the ball) in the upper-case set
expect_title "Tegrel 0.9 char:81"
choose_menu_item 2 1    # Draw > line
click_cell 0 0
click_cell 4 2
# Painted from the second click back to the anchor: (4,2) (3,2) (2,1) (1,1) (0,0).
for cell in "4 2" "3 2" "2 1" "1 1" "0 0"; do
    set -- $cell
    move_to_cell "$1" "$2"
    expect_title "Tegrel 0.9 x:$1,y:$2 char=81 col:14"
done
for cell in "1 0" "2 2" "3 1"; do
    set -- $cell
    move_to_cell "$1" "$2"
    expect_title "Tegrel 0.9 x:$1,y:$2 char=32 col:14"
done

# With a new anchor the preview follows the pointer but leaves the picture as it was.
click_cell 10 10
move_to_cell 14 10
move_to_cell 12 10
expect_title "Tegrel 0.9 x:12,y:10 char=32 col:14"
screenshot
# The preview shows the ball's middle row (7E) in light blue across cell (11, 10).
expect_view_pixel $((16 * 11 + 2 * 3 + 1)) $((16 * 10 + 2 * 3 + 1)) "108,94,181"

xdotool key ctrl+q
expect_exit_zero
