#!/usr/bin/env bash
# `skintool preview --once` switches the running program (started with
# /acpreview) to a recoloured copy of its skin and back: the caption takes
# the copy's colours, red and blue swapped, and the 10 ms port refresh goes
# on through each change. A folder whose skin does not load shows the
# program's "Error" box inside the tool's send; the tool hears 0 and says
# so, and the program carries on with the skin it had.
source "$(dirname "$0")/lib.sh"

TOOL="$PP_BINARY_DIR/tools/skintool/skintool.exe"
screen_pixel() { import -window root -crop "1x1+$1+$2" -depth 8 txt:- 2>/dev/null | tail -n 1 | awk '{print $3}'; }
swap_red_and_blue() { echo "#${1:5:2}${1:3:2}${1:1:2}"; }

default_skin="$E2E_OUT/Beijing"
recoloured_skin="$E2E_OUT/Recoloured"
broken_skin="$E2E_OUT/Broken"
rm -rf "$default_skin" "$broken_skin"
cp -r "$PP_SOURCE_DIR/skins/Beijing" "$default_skin"
e2e_recoloured_skin "$default_skin" "$recoloured_skin"
# The master bitmap is no bitmap at all: the skin cannot load.
cp -r "$default_skin" "$broken_skin"
printf 'BM not really a bitmap' >"$broken_skin/MASTER.BMP"

E2E_PROGRAM_ARGS=/acpreview e2e_start
e2e_wait_trace '^[0-9]+ W 888 0$' || fail "no refresh write"
sleep 1

# A caption pixel between the title and the title buttons.
read -r left top right bottom < <(probe rect "$E2E_TITLE")
x=$(((left + right) / 2 + 40)) y=$((top + 8))
xdotool mousemove 0 0
sleep 0.3
original=$(screen_pixel $x $y)
[ "$(swap_red_and_blue "$original")" != "$original" ] || fail "caption pixel $original does not show a swap"

# $1: the folder, $2: what the caption pixel must be afterwards, $3: "paced"
# when the port refresh must go on through the change.
preview_and_expect() {
  local before after output seen started took
  started=$(e2e_now_ms)
  before=$(e2e_trace_lines)
  output=$("$E2E_WINE" "$TOOL" preview "$(e2e_windows_path "$1")" --once 2>&1 | tr -d '\r') ||
    fail "skintool preview $(basename "$1") failed: $output"
  echo "$output"
  sleep 0.5
  after=$(e2e_trace_lines)
  took=$(($(e2e_now_ms) - started))
  seen=$(screen_pixel $x $y)
  [ "$seen" = "$2" ] || fail "after $(basename "$1") the caption pixel is $seen, not $2"
  [ "${3:-}" = paced ] || return 0
  e2e_expect_refresh_paced "$before" "$after" "$took" "the change to $(basename "$1")"
}
recoloured=$(swap_red_and_blue "$original")
preview_and_expect "$recoloured_skin" "$recoloured" paced
e2e_screenshot recoloured
preview_and_expect "$default_skin" "$original" paced
preview_and_expect "$recoloured_skin" "$recoloured" paced
preview_and_expect "$default_skin" "$original" paced

# The broken skin: the tool waits in its send while the Error box is up.
"$E2E_WINE" "$TOOL" preview "$(e2e_windows_path "$broken_skin")" --once >"$E2E_OUT/broken.log" 2>&1 &
tool=$!
probe wait-window Error 20 || fail "no Error box for the skin that does not load"
e2e_screenshot error-box
probe close Error
status=0
wait $tool || status=$?
[ $status -eq 1 ] || fail "skintool preview of a broken skin exited $status, not 1"
grep -q "refused (answered 0)" "$E2E_OUT/broken.log" || fail "the tool did not say the skin was refused: $(cat "$E2E_OUT/broken.log")"
kill -0 "$E2E_PID" 2>/dev/null || fail "the program died"
sleep 0.5
[ "$(screen_pixel $x $y)" = "$original" ] || fail "the program did not keep its skin after the failed preview"
e2e_stop
