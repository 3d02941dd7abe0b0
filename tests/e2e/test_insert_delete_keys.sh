# Delete and Control+Insert pressed for real act at the cell under the pointer.
source "$E2E_DIR/lib.sh"

start_tegrel
click_picker_cell 1 0   # "A"
click_picker_cell 2 16  # red
paint_cell 1 5
move_to_cell 0 5
xdotool key Delete
sleep 0.2
move_to_cell 0 6
move_to_cell 0 5
expect_title "Tegrel 0.9 x:0,y:5 char=1 col:2"
move_to_cell 1 5
expect_title "Tegrel 0.9 x:1,y:5 char=32 col:14"

# Control+Insert at row 5 opens a blank line there; the picture's row 5 moves to row 6.
move_to_cell 7 5
xdotool key ctrl+Insert
sleep 0.2
move_to_cell 0 5
expect_title "Tegrel 0.9 x:0,y:5 char=32 col:14"
move_to_cell 0 6
expect_title "Tegrel 0.9 x:0,y:6 char=1 col:2"

xdotool key ctrl+q
expect_exit_zero
