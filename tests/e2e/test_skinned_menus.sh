#!/usr/bin/env bash
# The drop-down "Параметры" and its sub-menus open skinned: the menu window's
# frame and background are the skin's menu colour, not the platform's menu
# grey, and choosing an interval item still opens the input box.
source "$(dirname "$0")/lib.sh"

screen_pixel() { import -window root -crop "1x1+$1+$2" -depth 8 txt:- 2>/dev/null | tail -n 1 | awk '{print $3}'; }
window_rect() { probe rect "$E2E_TITLE"; }
# The default skin's menu item colours: 15661822 (red 254, green 250, blue
# 238) and, hot, 9231094 (red 246, green 218, blue 140).
menu_colour="#FEFAEE"
hot_colour="#F6DA8C"

e2e_start
sleep 0.5
read -r left top right bottom < <(window_rect)
xdotool mousemove $((left + 30)) $((top + 33)) click 1
sleep 0.8
e2e_screenshot menu-open
# Below the menu line, inside the drop-down and past its border: the skin's
# menu colour (the item's text is further right).
# $1: how it was opened, $2: the first item's expected colour.
expect_skinned_drop_down() {
  local first second
  first=$(screen_pixel $((left + 20)) $((top + 50)))
  second=$(screen_pixel $((left + 20)) $((top + 72)))
  [ "$first" = "$2" ] && [ "$second" = "$menu_colour" ] ||
    fail "$1: the drop-down's items are $first and $second, not the skin's menu colours"
}
expect_skinned_drop_down "by the mouse" "$menu_colour"
# The drop-down's edge (at the window's frame, 4 pixels in) is the skin's
# menu border, outermost pixel #E4D6B8 then #FAF4E4, not the platform's
# grey and white menu frame.
edge="$(screen_pixel $((left + 4)) $((top + 60))) $(screen_pixel $((left + 5)) $((top + 60)))"
[ "$edge" = "#E4D6B8 #FAF4E4" ] || fail "the drop-down's edge is $edge, not the skin's menu border"
xdotool key Escape Escape
sleep 0.5

# The keyboard way: Alt selects the menu line, Down opens its drop-down
# with the first item selected.
xdotool key alt
sleep 0.3
xdotool key Down
sleep 0.8
e2e_screenshot menu-open-by-keyboard
expect_skinned_drop_down "by the keyboard" "$hot_colour"

xdotool key Down Right
sleep 0.8
e2e_screenshot submenu-open
xdotool key Return
probe wait-class TInputForm 10 || fail "input box did not appear"
probe close-class TInputForm
probe wait-gone TInputForm 10 || fail "input box did not close"
e2e_kill
