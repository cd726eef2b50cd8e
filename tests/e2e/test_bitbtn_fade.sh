#!/usr/bin/env bash
# The "&All" button fades into its hot look: with a skin whose button fade
# runs 50 frames (half a second, long enough to be seen from outside), a
# pixel of its face, sampled while the pointer moves onto it, passes through
# looks between the normal and the hot one and ends on the hot one. Pressing
# it still raises every line at the port.
source "$(dirname "$0")/lib.sh"

e2e_take_skin_package

# A long fade, and no glow: a layered glow window is not blended with what
# lies behind it on a display without compositing and would hide the button.
e2e_pack_skin_variant slow-fade '
  section == "[BUTTON]" && /^FADINGITERATIONS=/ { print "FADINGITERATIONS=50\r"; next }
  section == "[BUTTON]" && /^GLOW=/ { print "GLOW=0\r"; next }'
grep -q '^FADINGITERATIONS=50' "$SKIN/Options.dat" || fail "test skin has no slow fade"

e2e_start
e2e_wait_trace '^[0-9]+ W 888 0$' || fail "no refresh write"
# Where "&All" lies on the screen, from the pointer put on its middle; from
# then on the pointer is moved only by the display, as a user moves it (a
# pointer that only jumps gives the display no motion on the way).
probe hover "$E2E_TITLE" "&All" >/dev/null || fail "&All not found"
eval "$(xdotool getmouselocation --shell)"
cx=$X cy=$Y
xdotool mousemove $((cx + 1)) "$cy" mousemove "$cx" $((cy + 40)) mousemove 5 5
sleep 1

# "&All" lies at (200, 144), 75 x 25, in the client area; this pixel is on
# its face below the caption, right of the glyph.
x=245
y=164
normal=$(probe pixels "$E2E_TITLE" $x $y 1 1)
[ -n "$normal" ] || fail "could not read the button's face"

# Sampling starts before the pointer moves and runs well past the fade's
# end. Under Wine the display's motion now and then reaches no window; then
# the button never leaves its normal look, and the pointer goes off and
# comes back again, three times at most.
series="$E2E_OUT/series.txt"
for attempt in 1 2 3; do
  probe pixel-series "$E2E_TITLE" $x $y 120 15 >"$series" &
  sampler=$!
  tries=0
  until [ -s "$series" ]; do
    tries=$((tries + 1))
    [ $tries -lt 100 ] || fail "the sampler never started"
    sleep 0.05
  done
  xdotool mousemove "$cx" $((cy + 40)) mousemove "$cx" $((cy + 20)) mousemove "$cx" "$cy"
  sleep 0.2
  e2e_screenshot fading
  wait "$sampler" || fail "the sampler failed"
  mapfile -t samples < <(sed '/^$/d' "$series")
  hot=${samples[-1]}
  [ "$hot" = "$normal" ] || break
  xdotool mousemove "$cx" $((cy + 40)) mousemove 5 5
  sleep 1
done
[ "$hot" != "$normal" ] || fail "&All never left its normal look ($normal) under the pointer"
# The look stays hot once the fade has ended.
sleep 0.3
[ "$(probe pixels "$E2E_TITLE" $x $y 1 1)" = "$hot" ] || fail "&All did not keep its hot look $hot"

# Strictly between: every channel within the two looks' range, and the
# pixel equal to neither look.
between() {
  local p=$1 c a b v lo hi
  [ "$p" != "$normal" ] && [ "$p" != "$hot" ] || return 1
  for c in 0 2 4; do
    a=$((16#${normal:$c:2})) b=$((16#${hot:$c:2})) v=$((16#${p:$c:2}))
    lo=$((a < b ? a : b)) hi=$((a < b ? b : a))
    [ "$v" -ge "$lo" ] && [ "$v" -le "$hi" ] || return 1
  done
}
intermediate=0
for p in "${samples[@]}"; do
  if between "$p"; then intermediate=$((intermediate + 1)); fi
done
[ "$intermediate" -gt 0 ] ||
  fail "no look between normal $normal and hot $hot during the fade: $(sort -u "$series" | tr '\n' ' ')"
echo "normal $normal, hot $hot, $intermediate of ${#samples[@]} samples in between"
e2e_screenshot hot

before=$(e2e_trace_lines)
probe click "$E2E_TITLE" "&All" || fail "&All not found"
e2e_wait_trace '^[0-9]+ W 888 255$' "$before" || fail "255 never written after &All"
e2e_stop
echo "PASS"
