#!/usr/bin/env bash
# The program starts on the simulated port without asking anything, shows its
# window, refreshes the port, and ends when its window is closed.
source "$(dirname "$0")/lib.sh"

e2e_start
e2e_wait_trace '^[0-9]+ W 888 0$' || fail "no refresh write"
e2e_wait_trace '^[0-9]+ R 888 0$' || fail "no read-back"
e2e_screenshot main-window
e2e_stop
echo "PASS"
