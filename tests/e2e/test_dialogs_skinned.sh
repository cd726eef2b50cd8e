#!/usr/bin/env bash
# The program's own dialogs are skinned as they appear and still answer the
# keyboard and the mouse: the main window is skinned as soon as it shows,
# the Read message closes with Enter, the interval input box takes typed
# digits with Enter and closes with a click on its Cancel button.
source "$(dirname "$0")/lib.sh"

screen_pixel() { import -window root -crop "1x1+$1+$2" txt:- 2>/dev/null | tail -n 1 | awk '{print $3}'; }

e2e_start
# No settling time: the first frame the window shows is the skinned one,
# whose top-left corner is cut and lets the desktop show through.
read -r left top _ _ < <(probe rect "$E2E_TITLE")
[ "$(screen_pixel "$left" "$top")" = "$(screen_pixel $((left - 3)) $((top - 3)))" ] ||
  fail "the main window first showed without its skinned frame"

# The Read message: skinned (its push button adapted, so that it paints no
# platform face), closed by the keyboard.
probe click "$E2E_TITLE" "Read" 3 || fail "Read button not found"
probe wait-class TMessageForm 10 || fail "Read message window did not appear"
sleep 0.5
e2e_screenshot read-message
xdotool key Return
probe wait-gone TMessageForm 10 || fail "Enter did not close the Read message"

# The flasher's interval by the keyboard: typed, then Enter.
read -r l t _ _ < <(probe rect "$E2E_TITLE")
open_flasher_interval() {
  xdotool mousemove $((l + 30)) $((t + 33)) click 1
  sleep 0.5
  xdotool key Down Right Return
  probe wait-class TInputForm 10 || fail "input box did not appear"
  sleep 0.5
}
open_flasher_interval
e2e_screenshot input-box
xdotool key ctrl+a type "250"
xdotool key Return
probe wait-gone TInputForm 10 || fail "Enter did not close the input box"

# Again, closed by the mouse on its skinned Cancel button.
open_flasher_interval
read -r bx by bw bh < <(probe hover "Мигалка" "Cancel") || fail "Cancel button not found"
read -r il it _ _ < <(probe rect "Мигалка")
# The window's client area starts inside its frame: aim at the button's
# middle through the pointer position the hover put there.
xdotool click 1
probe wait-gone TInputForm 10 || fail "a click on Cancel did not close the input box ($il,$it $bx,$by ${bw}x$bh)"

e2e_stop
echo "PASS"
