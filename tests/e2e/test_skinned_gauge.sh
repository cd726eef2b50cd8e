#!/usr/bin/env bash
# The gauge paints with the skin in the skin directory: a copy of the
# default skin whose gauge sections are plain, unmistakable colours (red
# background, blue filled part, no border images) shows them on screen,
# the filled part after D6(1) raises 64 %, and the moving light passing
# over the filled part.
source "$(dirname "$0")/lib.sh"

e2e_take_skin_package

# Colours are stored blue-green-red: 255 is red, 16711680 is blue.
e2e_pack_skin_variant gauge-colours '
  (section == "[GAUGE]" || section == "[PROGRESSH]") && /^BORDERSMASK=/ { next }
  section == "[GAUGE]" && /^COLOR=/ { print "COLOR=255\r"; next }
  section == "[PROGRESSH]" && /^COLOR=/ { print "COLOR=16711680\r"; next }'

e2e_start
e2e_wait_trace '^[0-9]+ W 888 0$' || fail "no refresh write"
probe click "$E2E_TITLE" "D6(1)" || fail "D6(1) not found"
e2e_wait_trace '^[0-9]+ W 888 64$' || fail "64 never written after D6(1)"

# The gauge lies at (360, 144), 25 x 25, in the client area; its bottom rows
# are clear of the text. 64 % of it is filled from the left.
filled_x=363
empty_x=381
row=166
dominant() { # prints r, g or b: the channel that leads a hex pixel by 100
  local p=$1 r g b
  r=$((16#${p:0:2})) g=$((16#${p:2:2})) b=$((16#${p:4:2}))
  if [ $((r - g)) -gt 100 ] && [ $((r - b)) -gt 100 ]; then echo r
  elif [ $((b - r)) -gt 100 ] && [ $((b - g)) -gt 100 ]; then echo b
  else echo none; fi
}
tries=0
until [ "$(dominant "$(probe pixels "$E2E_TITLE" $empty_x $row 1 1)")" = r ]; do
  tries=$((tries + 1))
  [ $tries -lt 20 ] || fail "the gauge's empty part is not the skin's red"
  sleep 0.2
done
# The filled part is the progress section's blue; the light, white and
# translucent, makes it lighter while it passes, so its pixels vary.
seen=""
for _ in $(seq 1 15); do
  pixel=$(probe pixels "$E2E_TITLE" $filled_x $row 1 1)
  [ "$(dominant "$pixel")" = b ] || fail "filled part pixel $pixel is not the progress section's blue"
  seen="$seen $pixel"
  sleep 0.1
done
e2e_screenshot gauge-colours
distinct=$(echo "$seen" | tr ' ' '\n' | sed '/^$/d' | sort -u | wc -l)
[ "$distinct" -gt 1 ] || fail "the light never passed over the filled part (always $seen)"
e2e_stop
echo "PASS"
