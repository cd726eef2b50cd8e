#!/usr/bin/env bash
# A line button reaches the port at the next refresh, the status bar shows
# the value read back, and a Read button opens its message window.
source "$(dirname "$0")/lib.sh"

e2e_start
e2e_wait_trace '^[0-9]+ W 888 0$' || fail "no refresh write"

# Every write of the idle program is 0 and is followed by a read.
sleep 0.5
before=$(e2e_trace_lines)
awk '{print $2, $4}' "$E2E_TRACE" | head -n "$before" | awk '
  NR % 2 == 1 && $0 != "W 0" { bad = 1 }
  NR % 2 == 0 && $0 != "R 0" { bad = 1 }
  END { exit bad }' || fail "idle trace is not write 0 / read 0 pairs"

probe click "$E2E_TITLE" "D3(1)" || fail "D3(1) not found"
e2e_wait_trace '^[0-9]+ W 888 8$' "$before" || fail "8 never written after D3(1)"
sleep 0.2
panel=$(probe text "$E2E_TITLE" TStatusBar)
[ "$panel" = "Порт 888:8" ] || fail "status panel 0 is '$panel'"

probe click "$E2E_TITLE" "Read" 3 || fail "Read button of D3 not found"
probe wait-class TMessageForm 10 || fail "Read message window did not appear"
# The refresh keeps running while the modal window is open.
during=$(e2e_trace_lines)
e2e_wait_trace '^[0-9]+ W 888 8$' "$during" || fail "refresh stopped under the message window"
e2e_screenshot read-message
probe close-class TMessageForm
probe wait-gone TMessageForm 10 || fail "message window did not close"
e2e_screenshot after-read
e2e_stop
echo "PASS"
