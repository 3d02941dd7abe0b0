# Start-up look, window geometry, and the ways of ending: Control+Q and Escape held.
source "$E2E_DIR/lib.sh"

start_tegrel
[ "$(title)" = "Tegrel 0.9" ] || fail "title '$(title)'"
[ "$WWIDTH" -eq 896 ] || fail "client width $WWIDTH"
# All 400 picture rows show below the menu bar, and a strip of the screen view below them.
[ $((WHEIGHT - PICTURE_TOP)) -gt 400 ] || fail "client height $WHEIGHT with the picture at $PICTURE_TOP"
read -r screen_width screen_height < <(xdpyinfo | awk '/dimensions:/ { split($2, s, "x"); print s[1], s[2] }')
[ "$WX" -eq $(((screen_width - WWIDTH) / 2)) ] || fail "window left $WX, not centred"
[ "$WY" -eq $(((screen_height - WHEIGHT) / 2)) ] || fail "window top $WY, not centred"
# A cleared picture: code 32 in colour 14 on background 6 (blue), grey dots on the cell corners.
expect_view_pixel 17 17 "53,40,121"
expect_view_pixel 16 16 "127,127,127"
# The picker: the space glyph in cell (0, 0) on blue, framed green; the colour bar below.
[ "$(pixel_at $((640 + 5)) $((PICTURE_TOP + 5)))" = "53,40,121" ] || fail "picker cell (0, 0)"
[ "$(pixel_at $((640 + 15)) $((PICTURE_TOP + 5)))" = "0,255,0" ] || fail "picker hover outline"
[ "$(pixel_at $((640 + 16 * 14 + 2)) $((PICTURE_TOP + 258)))" = "108,94,181" ] || fail "colour bar entry 14"

move_to_cell 12 3
expect_title "Tegrel 0.9 x:12,y:3 char=32 col:14"
xdotool key ctrl+q
expect_exit_zero

start_tegrel
move_to_cell 5 5
xdotool keydown Escape
sleep 0.2
move_to_cell 6 6
xdotool keyup Escape
expect_exit_zero

# Escape ends the program even while the pointer and focus are elsewhere: it is the key's state that counts.
start_tegrel
xdotool mousemove 5 5
xdotool keydown Escape
sleep 0.2
xdotool mousemove $((WX + 700)) $((WY + PICTURE_TOP + 350))
sleep 0.2
xdotool keyup Escape
expect_exit_zero
