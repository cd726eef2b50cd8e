#!/usr/bin/env bash
# The skinned push buttons follow the pointer: moving it across the row of
# "Dn(0)" buttons shows the hot look on the button under it and on no other,
# and none stays hot once the pointer has left the window. A line button
# still reaches the port at the next refresh.
source "$(dirname "$0")/lib.sh"

e2e_start
e2e_wait_trace '^[0-9]+ W 888 0$' || fail "no refresh write"
probe hover-off "$E2E_TITLE"
xdotool mousemove_relative -- -1 0 2>/dev/null || true
sleep 0.3

# One pixel of a button's face, inside its border, away from its caption.
face() {
  local x y w h
  read -r x y w h <<<"$1"
  probe pixels "$E2E_TITLE" $((x + 5)) $((y + h - 6)) 1 1
}

places=()
rest=()
for line in 0 1 2 3 4 5 6 7; do
  place=$(probe hover "$E2E_TITLE" "D$line(0)") || fail "D$line(0) not found"
  places+=("$place")
done
probe hover-off "$E2E_TITLE"
xdotool mousemove_relative -- -1 0 2>/dev/null || true
sleep 0.3
for line in 0 1 2 3 4 5 6 7; do
  rest+=("$(face "${places[$line]}")")
done

# Only the button under the pointer differs from its resting look. The
# previous button's leave (its repaint, and the removal of its glow window,
# which a display without compositing shows as an opaque box over its
# neighbours) can take a moment on a busy machine: the row is looked at
# again until it is right, for a few seconds at most.
row_problem() {
  local line=$1 other now
  for other in 0 1 2 3 4 5 6 7; do
    now=$(face "${places[$other]}")
    if [ "$other" = "$line" ]; then
      [ "$now" != "${rest[$other]}" ] || { echo "D$line(0) shows no hot look under the pointer"; return; }
    else
      [ "$now" = "${rest[$other]}" ] || { echo "D$other(0) looks hot while the pointer is on D$line(0)"; return; }
    fi
  done
}
for line in 0 1 2 3 4 5 6 7; do
  probe hover "$E2E_TITLE" "D$line(0)" >/dev/null
  # A pointer that jumps gives the display no motion on the way; a user's
  # pointer moves, so move it by a pixel as well.
  xdotool mousemove_relative -- 1 0 2>/dev/null || true
  tries=0
  while problem=$(row_problem "$line") && [ -n "$problem" ]; do
    tries=$((tries + 1))
    [ $tries -lt 10 ] || fail "$problem"
    sleep 0.2
  done
done
e2e_screenshot hover-last-button

probe hover-off "$E2E_TITLE"
xdotool mousemove_relative -- -1 0 2>/dev/null || true
sleep 0.3
for line in 0 1 2 3 4 5 6 7; do
  [ "$(face "${places[$line]}")" = "${rest[$line]}" ] || fail "D$line(0) stayed hot after the pointer left"
done

before=$(e2e_trace_lines)
probe click "$E2E_TITLE" "D5(1)" || fail "D5(1) not found"
e2e_wait_trace '^[0-9]+ W 888 32$' "$before" || fail "32 never written after D5(1)"
e2e_screenshot after-hover
e2e_stop
echo "PASS"
