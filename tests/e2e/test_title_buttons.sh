#!/usr/bin/env bash
# The skinned caption buttons from outside: the window answers hit-tests
# with the buttons' own codes where the skin draws them, the close button
# lights up under the pointer, Alt+Space and a right click on the caption
# open the skin's system menu, the minimize button minimizes and a restore
# brings the frame back as it was, and the close button ends the program.
source "$(dirname "$0")/lib.sh"

# The colour of one screen pixel, as ImageMagick names it.
screen_pixel() { import -window root -crop "1x1+$1+$2" txt:- 2>/dev/null | tail -n 1 | awk '{print $3}'; }
# Hit codes (the platform's numbers) and the restore command.
HTCAPTION=2 HTSYSMENU=3 HTMINBUTTON=8 HTCLOSE=20 SC_RESTORE=61728

e2e_start
sleep 0.5
read -r left top right bottom < <(probe rect "$E2E_TITLE")
read -r W H F C < <(probe measures "$E2E_TITLE")

# Where the default skin puts the buttons: from the right edge less the side
# frame and BIRIGHT (4), close 27 wide, then BISPACE (1), minimize 25 wide;
# all 21 high, centred on the caption's middle row C/2 + F/2.
cy=$((C / 2 + F / 2))
close_right=$((W - F - 4)); close_left=$((close_right - 27))
min_right=$((close_left - 1)); min_left=$((min_right - 25))
close_x=$(((close_left + close_right) / 2)); min_x=$(((min_left + min_right) / 2))

hit() { probe hittest "$E2E_TITLE" "$1" "$2"; }
[ "$(hit "$close_x" "$cy")" = "$HTCLOSE" ] || fail "close button answers $(hit "$close_x" "$cy")"
[ "$(hit "$min_x" "$cy")" = "$HTMINBUTTON" ] || fail "minimize button answers $(hit "$min_x" "$cy")"
[ "$(hit $((W / 2)) "$cy")" = "$HTCAPTION" ] || fail "caption middle answers $(hit $((W / 2)) "$cy")"
[ "$(hit $((F + 4)) "$cy")" = "$HTSYSMENU" ] || fail "caption icon answers $(hit $((F + 4)) "$cy")"
# Left of the minimize button the caption goes on.
[ "$(hit $((min_left - 3)) "$cy")" = "$HTCAPTION" ] || fail "left of minimize is not caption"

# Frame pixels to find again after minimize and restore: the caption, the
# left and bottom frames, and both buttons (at rest).
points=("$((W / 2)) 2" "1 $((H / 2))" "$((W / 2)) $((H - 2))" "$((close_x + 5)) $((cy + 3))" "$((min_x + 5)) $((cy + 3))")
frame_pixels() {
  local l t out=""
  read -r l t _ _ < <(probe rect "$E2E_TITLE")
  for p in "${points[@]}"; do
    set -- $p
    out="$out $(screen_pixel $((l + $1)) $((t + $2)))"
  done
  echo "$out"
}
probe hover-off "$E2E_TITLE"
sleep 0.3
before=$(frame_pixels)

# The close button under the pointer takes its hot look.
close_rest=$(screen_pixel $((left + close_x + 5)) $((top + cy + 3)))
xdotool mousemove $((left + close_x - 4)) $((top + cy)) mousemove $((left + close_x)) $((top + cy))
probe wait-class TacEffectForm 5 || fail "no fade over the hot close button"
sleep 0.4
[ "$(screen_pixel $((left + close_x + 5)) $((top + cy + 3)))" != "$close_rest" ] || fail "close button did not light up"
e2e_screenshot close-button-hot

# The system menu, by Alt+Space and by a right click on the caption: the
# skin's menu window, its frame in the "MAINMENU" border's ivory rim.
menu_rim='#E4E4D6D6B8B8' # (228, 214, 184), as the screen's 16-bit channels
for way in alt-space right-click; do
  xdotool mousemove $((left + W / 2)) $((top + cy))
  sleep 0.2
  if [ "$way" = alt-space ]; then xdotool key alt+space; else xdotool click 3; fi
  probe wait-class '#32768' 5 || fail "$way: no system menu"
  sleep 0.5
  read -r ml mt mr mb < <(probe class-rect '#32768')
  [ "$(screen_pixel "$ml" $(((mt + mb) / 2)))" = "$menu_rim" ] ||
    fail "$way: menu frame is $(screen_pixel "$ml" $(((mt + mb) / 2))), not the skin's"
  e2e_screenshot "system-menu-$way"
  xdotool key Escape
  probe wait-gone '#32768' 5 || fail "$way: system menu did not close"
  sleep 0.3
done

# Minimize by its button, then restore: the frame comes back intact.
xdotool mousemove $((left + min_x)) $((top + cy)) sleep 0.2 click 1
for _ in $(seq 50); do [ "$(probe minimized "$E2E_TITLE")" = 1 ] && break; sleep 0.1; done
[ "$(probe minimized "$E2E_TITLE")" = 1 ] || fail "minimize button did not minimize"
probe syscommand "$E2E_TITLE" "$SC_RESTORE"
for _ in $(seq 50); do [ "$(probe minimized "$E2E_TITLE")" = 0 ] && break; sleep 0.1; done
[ "$(probe minimized "$E2E_TITLE")" = 0 ] || fail "restore did not bring the window back"
probe hover-off "$E2E_TITLE"
sleep 0.8
after=$(frame_pixels)
[ "$after" = "$before" ] || fail "frame after restore:$after, before:$before"
e2e_screenshot restored

# Close by its button: the port refresh stops and the program ends well.
read -r left top _ _ < <(probe rect "$E2E_TITLE")
e2e_wait_trace . || fail "no port trace"
xdotool mousemove $((left + close_x)) $((top + cy)) sleep 0.2 click 1
status=0
for _ in $(seq 100); do kill -0 "$E2E_PID" 2>/dev/null || break; sleep 0.1; done
kill -0 "$E2E_PID" 2>/dev/null && fail "program still runs after its close button"
wait "$E2E_PID" || status=$?
E2E_PID=""
[ "$status" = 0 ] || fail "program ended with $status"
lines=$(e2e_trace_lines)
sleep 0.3
[ "$(e2e_trace_lines)" = "$lines" ] || fail "the port trace goes on after the program ended"
echo "PASS"
