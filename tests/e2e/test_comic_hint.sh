#!/usr/bin/env bash
# Hovering "D0(1)" shows its hint "Второй контакт" in the comics style after
# the application's hint pause, sized by the comics rule, while the port
# refresh goes on every 10 ms through the fade-in.
source "$(dirname "$0")/lib.sh"

HINT_TEXT="Второй контакт"
e2e_start
e2e_wait_trace '^[0-9]+ W 888 0$' || fail "no refresh write"
# Away from the window first, so that hovering the button is a new hover.
xdotool mousemove 0 0 2>/dev/null || true
sleep 0.3
before=$(e2e_trace_lines)
before_ms=$(e2e_now_ms)
probe hover "$E2E_TITLE" "D0(1)" || fail "D0(1) not found"
rect=$(probe wait-hint TsComicsHintWindow "$HINT_TEXT" 5) || fail "no comics hint window with the text"
read -r left top right bottom <<<"$rect"
# The comics preset: text width + 2 * (15 + 1) + 7 by text height + 2 * (7 + 1) + 24 + 7.
read -r text_width text_height <<<"$(probe hint-text-size "$HINT_TEXT" 180)"
[ $((right - left)) -eq $((text_width + 32 + 7)) ] ||
  fail "hint is $((right - left)) wide, text $text_width"
[ $((bottom - top)) -eq $((text_height + 16 + 24 + 7)) ] ||
  fail "hint is $((bottom - top)) high, text $text_height"
# Without a compositing manager the screen shows the opaque body as it is:
# the body's gradient runs from light blue to white, so on the body's
# middle row, just inside its outline, blue leads red; the black text
# darkens some pixels in the middle of the body. The fade-in takes about a
# quarter of a second; on a busy machine its last frame can come later, so
# the body is looked at until it shows (or a few seconds have passed).
body_top=24
body_bottom=$((bottom - top - 7))
middle=$(((body_top + body_bottom) / 2))
body_is_blue() {
  edge=$(probe pixels "$HINT_TEXT" 3 "$middle" 1 1) || return 1
  red=$((16#${edge:0:2})) blue=$((16#${edge:4:2}))
  [ $((blue - red)) -gt 40 ]
}
tries=0
until body_is_blue; do
  tries=$((tries + 1))
  [ $tries -lt 12 ] || fail "body pixel ${edge:-none} is not the gradient's blue"
  sleep 0.2
done
e2e_screenshot comic-hint
text_dark=0
while read -r pixel; do
  [ $((16#${pixel:0:2})) -lt 96 ] && [ $((16#${pixel:4:2})) -lt 128 ] && text_dark=$((text_dark + 1))
done < <(probe pixels "$HINT_TEXT" 16 $((body_top + 8)) $((right - left - 39)) $((body_bottom - body_top - 16)) |
  fold -w 6)
[ "$text_dark" -gt 20 ] || fail "no text on the body ($text_dark dark pixels)"
after=$(e2e_trace_lines)
after_ms=$(e2e_now_ms)
e2e_expect_refresh_paced "$before" "$after" $((after_ms - before_ms)) "showing the hint"
e2e_stop
echo "PASS"
