#!/usr/bin/env bash
# The main window's frame, caption and menu line are the skin's, its corners
# let the desktop show through, moving it by its caption and sizing it by its
# bottom-right corner work and leave the frame intact, and the input box and
# a Read button's message window get the same frame.
source "$(dirname "$0")/lib.sh"

# The colour of one screen pixel, as ImageMagick names it.
screen_pixel() { import -window root -crop "1x1+$1+$2" txt:- 2>/dev/null | tail -n 1 | awk '{print $3}'; }
window_rect() { probe rect "$E2E_TITLE"; }

e2e_start
sleep 0.5
read -r left top right bottom < <(window_rect)
e2e_screenshot main-window

# A cut corner shows what lies behind the window: the same colour as a
# pixel of the desktop just outside it.
desktop=$(screen_pixel $((left - 3)) $((top - 3)))
[ "$(screen_pixel "$left" "$top")" = "$desktop" ] || fail "top-left corner is not cut"
[ "$(screen_pixel $((left + 40)) $((top + 2)))" != "$desktop" ] || fail "the caption is not drawn"
side_before=$(screen_pixel "$((left + 1))" "$(((top + bottom) / 2))")

# Move by the caption.
xdotool mousemove $((left + 120)) $((top + 12)) mousedown 1 \
  mousemove $((left + 150)) $((top + 30)) mousemove $((left + 170)) $((top + 42)) mouseup 1
sleep 0.5
read -r l2 t2 r2 b2 < <(window_rect)
[ "$l2" -eq $((left + 50)) ] && [ "$t2" -eq $((top + 30)) ] || fail "caption drag moved to $l2,$t2 from $left,$top"
[ $((r2 - l2)) -eq $((right - left)) ] || fail "the move changed the width"

# Size by the bottom-right corner.
xdotool mousemove $((r2 - 2)) $((b2 - 2)) mousedown 1 \
  mousemove $((r2 + 10)) $((b2 + 5)) mousemove $((r2 + 28)) $((b2 + 14)) mouseup 1
sleep 0.5
read -r l3 t3 r3 b3 < <(window_rect)
[ $((r3 - l3)) -eq $((r2 - l2 + 30)) ] && [ $((b3 - t3)) -eq $((b2 - t2 + 16)) ] ||
  fail "corner drag sized to $((r3 - l3))x$((b3 - t3)) from $((r2 - l2))x$((b2 - t2))"
e2e_screenshot after-drags
[ "$(screen_pixel "$((l3 + 1))" "$(((t3 + b3) / 2))")" = "$side_before" ] || fail "left frame changed after the drags"
# The default skin rounds the top corners only; the region follows the new width.
[ "$(screen_pixel $((r3 - 1)) "$t3")" = "$(screen_pixel $((r3 + 3)) $((t3 - 3)))" ] ||
  fail "top-right corner is not cut after sizing"

probe click "$E2E_TITLE" "Read" 3 || fail "Read button not found"
probe wait-class TMessageForm 10 || fail "Read message window did not appear"
sleep 0.5
e2e_screenshot read-message
probe close-class TMessageForm
probe wait-gone TMessageForm 10 || fail "message window did not close"

# "Параметры" on the menu line, then "Мигалка", its "Интервал...".
read -r l4 t4 r4 b4 < <(window_rect)
xdotool mousemove $((l4 + 30)) $((t4 + 33)) click 1
sleep 0.5
xdotool key Down Right Return
probe wait-class TInputForm 10 || fail "input box did not appear"
sleep 0.5
e2e_screenshot input-box
probe close-class TInputForm
probe wait-gone TInputForm 10 || fail "input box did not close"

e2e_stop
echo "PASS"
