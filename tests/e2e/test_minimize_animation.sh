#!/usr/bin/env bash
# Minimizing the main window (the command posted from outside, as the title
# button or the taskbar sends it) shrinks a picture of it away on its own
# layered window, and restoring it grows the picture back and leaves the
# window skinned, at its place. The port refresh goes on every 10 ms
# through both.
source "$(dirname "$0")/lib.sh"

SC_MINIMIZE=0xF020
SC_RESTORE=0xF120
screen_pixel() { import -window root -crop "1x1+$1+$2" txt:- 2>/dev/null | tail -n 1 | awk '{print $3}'; }

e2e_start
e2e_wait_trace '^[0-9]+ W 888 0$' || fail "no refresh write"
# A hovered button's glow is a window of the same class as the animation's:
# the pointer stays off the window.
xdotool mousemove 0 0
sleep 0.5
read -r left top right bottom < <(probe rect "$E2E_TITLE")
[ "$(probe state "$E2E_TITLE")" = "normal" ] || fail "the window does not start normal"
desktop=$(screen_pixel $((left - 3)) $((top - 3)))
caption=$(screen_pixel $((left + 40)) $((top + 2)))
before=$(e2e_trace_lines)
before_ms=$(e2e_now_ms)

# The frames: each a new rectangle of the animation's window.
probe syscommand "$E2E_TITLE" $SC_MINIMIZE TacEffectForm 1.5 >"$E2E_OUT/minimize-frames.txt"
[ "$(probe state "$E2E_TITLE")" = "minimized" ] || fail "the window did not minimize: $(probe state "$E2E_TITLE")"
frames=$(wc -l <"$E2E_OUT/minimize-frames.txt")
[ "$frames" -ge 5 ] || fail "only $frames frames of the minimize animation were seen"
# Every frame smaller than the one before it, the first smaller than the window.
awk -v width=$((right - left)) '{ w = $3 - $1; if (w >= width) { print "frame " NR " is " w " wide"; bad = 1 } width = w }
  END { exit bad }' "$E2E_OUT/minimize-frames.txt" || fail "the picture did not shrink"
probe wait-gone TacEffectForm 2 || fail "the animation's window stayed"

probe syscommand "$E2E_TITLE" $SC_RESTORE TacEffectForm 1.5 >"$E2E_OUT/restore-frames.txt"
frames=$(wc -l <"$E2E_OUT/restore-frames.txt")
[ "$frames" -ge 5 ] || fail "only $frames frames of the restore animation were seen"
awk '{ w = $3 - $1; if (NR > 1 && w <= width) { print "frame " NR " is " w " wide"; bad = 1 } width = w }
  END { exit bad }' "$E2E_OUT/restore-frames.txt" || fail "the picture did not grow"
# The last frame stands where the window is.
[ "$(tail -n 1 "$E2E_OUT/restore-frames.txt")" = "$left $top $right $bottom" ] ||
  fail "the last frame $(tail -n 1 "$E2E_OUT/restore-frames.txt") is not the window's place"
probe wait-gone TacEffectForm 2 || fail "the animation's window stayed"
sleep 0.3
[ "$(probe state "$E2E_TITLE")" = "normal" ] || fail "the window is $(probe state "$E2E_TITLE") after restoring"
[ "$(probe rect "$E2E_TITLE")" = "$left $top $right $bottom" ] || fail "the window moved: $(probe rect "$E2E_TITLE")"
# Screen grabs hold the display for a moment: the refresh is judged before them.
after=$(e2e_trace_lines)
after_ms=$(e2e_now_ms)
e2e_screenshot restored
# Still skinned: the cut corner shows the desktop, the caption is the skin's.
[ "$(screen_pixel "$left" "$top")" = "$desktop" ] || fail "top-left corner is not cut after restoring"
[ "$(screen_pixel $((left + 40)) $((top + 2)))" = "$caption" ] || fail "the caption changed after restoring"

e2e_expect_refresh_paced "$before" "$after" $((after_ms - before_ms)) "minimizing and restoring the window"
[ $((after - before)) -gt 100 ] || fail "too few refresh writes ($((after - before))) while animating"

# A picture of the fifth frame, taken by the probe the moment it shows (a
# screen grab holds the display, so this runs after the refresh was judged).
shot="$E2E_OUT/minimize-frame.bmp"
rm -f "$shot"
probe syscommand "$E2E_TITLE" $SC_MINIMIZE TacEffectForm 1.5 "$(e2e_windows_path "$shot")" 5 >/dev/null
[ -f "$shot" ] && convert "$shot" "$E2E_OUT/minimize-frame.png" && echo "screenshot: $E2E_OUT/minimize-frame.png"
probe syscommand "$E2E_TITLE" $SC_RESTORE TacEffectForm 1 >/dev/null
[ "$(probe state "$E2E_TITLE")" = "normal" ] || fail "the window did not restore a second time"
e2e_stop
echo "PASS"
