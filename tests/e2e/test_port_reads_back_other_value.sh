#!/usr/bin/env bash
# A port that reads back another value than the one written: status panel 0
# shows what was read, while the line image (the bytes written) and the gauge
# keep the byte the lines give.
source "$(dirname "$0")/lib.sh"

READ_BACK=170
GAUGE="360 144 25 25"

# The gauge's pixels once its picture stands still: while the light runs
# along a filled bar the picture changes every 22 ms, then it rests for most
# of the light's 2.2 s cycle.
gauge_at_rest() {
  local name=$1 before="" now tries=0
  while [ $tries -lt 80 ]; do
    # shellcheck disable=SC2086
    now=$(probe pixels "$E2E_TITLE" $GAUGE) || fail "gauge pixels could not be read"
    if [ -n "$before" ] && [ "$now" = "$before" ]; then
      printf '%s\n' "$now" >"$E2E_OUT/gauge-$name.txt"
      return 0
    fi
    before=$now
    sleep 0.15
    tries=$((tries + 1))
  done
  fail "the gauge never stood still ($name)"
}

panel0() { probe text "$E2E_TITLE" TStatusBar; }

# Waits until status panel 0 reads $1.
wait_panel() {
  local tries=0
  while [ "$(panel0)" != "$1" ]; do
    sleep 0.1
    tries=$((tries + 1))
    [ $tries -lt 50 ] || fail "status panel 0 is '$(panel0)', not '$1'"
  done
}

# Writes and reads of the trace after line $1, as "W 32" and "R 170".
accesses_after() { tail -n +"$(($1 + 1))" "$E2E_TRACE" | awk '{print $2, $4}'; }

# --- The port reads back 170 whatever is written.
e2e_start PINDREL_PORT=sim:$READ_BACK
e2e_wait_trace "^[0-9]+ R 888 $READ_BACK\$" || fail "no read-back of $READ_BACK"
wait_panel "Порт 888:$READ_BACK"
accesses_after 0 | sort -u | grep -vxE "W 0|R $READ_BACK" && fail "idle program wrote something else than 0"
gauge_at_rest idle

probe click "$E2E_TITLE" "D5(1)" || fail "D5(1) not found"
e2e_wait_trace '^[0-9]+ W 888 32$' || fail "32 never written after D5(1)"
first_write=$(grep -nE '^[0-9]+ W 888 32$' "$E2E_TRACE" | head -n 1 | cut -d: -f1)
sleep 0.5
wait_panel "Порт 888:$READ_BACK"
accesses_after "$((first_write - 1))" | sort -u | grep -vxE "W 32|R $READ_BACK" \
  && fail "after D5(1) the program wrote something else than 32: the read-back reached the lines"
gauge_at_rest byte-32-read-as-$READ_BACK
e2e_screenshot read-back-$READ_BACK
cmp -s "$E2E_OUT/gauge-idle.txt" "$E2E_OUT/gauge-byte-32-read-as-$READ_BACK.txt" \
  && fail "the gauge did not change when D5 went high: it shows the value read back"
e2e_stop

# --- The same line on a port that reads back what it is given: the gauge
# shows the same picture, so it follows the lines, not the read-back.
e2e_start
probe click "$E2E_TITLE" "D5(1)" || fail "D5(1) not found"
e2e_wait_trace '^[0-9]+ R 888 32$' || fail "32 never read back"
wait_panel "Порт 888:32"
gauge_at_rest byte-32-read-as-32
e2e_stop
cmp -s "$E2E_OUT/gauge-byte-32-read-as-$READ_BACK.txt" "$E2E_OUT/gauge-byte-32-read-as-32.txt" \
  || fail "the gauge at byte 32 differs with the read-back value (see $E2E_OUT/gauge-*.txt)"
echo "PASS"
