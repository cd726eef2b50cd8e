#!/usr/bin/env bash
# CPU used by the idle program with its 10 ms refresh running, and with a
# line raised so that the gauge's 22 ms light runs too: the program's own
# process, and the wineserver and X server work it causes, over a window
# of SECONDS (default 10), against the same window with the program not running.
# Prints percent of one core. Needs the win64 build.
#   bench/idle_cpu.sh [SECONDS]
set -euo pipefail
here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
root="$(dirname "$here")"
seconds=${1:-10}
exe="$root/build/win64/src/app/Pindrel_Port.exe"
[ -f "$exe" ] || { echo "build the win64 preset first" >&2; exit 1; }

if [ -z "${PP_IDLE_INSIDE:-}" ]; then
  # Measured on a private display, whatever PP_SHOW_TESTS says.
  export PP_IDLE_INSIDE=1 PP_SHOW_TESTS=
  exec "$root/scripts/with-display" "$0" "$seconds"
fi

source "$here/cpu_ticks.sh"

# The wineserver of this run's prefix: another tree may be running its own
# tests at the same time, with its own server.
prefix_server() {
  local pid
  for pid in $(pgrep -x wineserver64; pgrep -x wineserver); do
    { tr '\0' '\n' <"/proc/$pid/environ"; } 2>/dev/null | grep -qx "WINEPREFIX=$WINEPREFIX" && echo "$pid"
  done
  true
}

# The same processes are sampled at both ends of the window: this display's
# X server, this prefix's wineserver, and the program. The program is matched
# by its full path, so that a copy started from another tree is not counted.
measure() {
  local program server display p0 s0 x0
  program=$(pgrep -f "$1" || true)
  server=$(prefix_server)
  display=$(pgrep -f "Xvfb ${DISPLAY} " || true)
  p0=$(cpu_ticks $program); s0=$(cpu_ticks $server); x0=$(cpu_ticks $display)
  sleep "$seconds"
  echo "$(($(cpu_ticks $program) - p0)) $(($(cpu_ticks $server) - s0)) $(($(cpu_ticks $display) - x0))"
}

probe="$root/build/win64/tests/e2e/e2e_probe.exe"
reference="$root/build/win64/tests/e2e/idle_reference.exe"
title="LPT Pindrel_Port 888"

# The reference with the given timers ("10": the refresh alone; none: the
# refresh and the gauge's 22 ms light).
reference_ticks() {
  wine "$reference" "$@" >/dev/null 2>&1 &
  sleep 3
  read -r r _ _ < <(measure "$reference")
  wine "$probe" close "Idle timer reference" >/dev/null 2>&1 || true
  wait || true
  echo "$r"
}

read -r _ bs bx < <(measure "$exe")
PINDREL_PORT=sim wine "$exe" >/dev/null 2>&1 &
sleep 5
read -r p s x < <(measure "$exe")
# D3 raised: the gauge shows 8 % and its light runs on its 22 ms timer.
wine "$probe" click "$title" "D3(1)" >/dev/null 2>&1 || echo "D3(1) not found" >&2
sleep 1
read -r pl _ _ < <(measure "$exe")
wine "$probe" close "$title" >/dev/null 2>&1 || true
wait || true
r=$(reference_ticks 10)
rl=$(reference_ticks)

ratio() { awk -v p="$1" -v r="$2" 'BEGIN { if (r > 0) printf "%.2f", p / r; else print "n/a" }'; }
echo "idle CPU over ${seconds}s, percent of one core:"
echo "  program, no line raised:       $(percent "$p")"
echo "  reference, 10 ms timer:        $(percent "$r")"
echo "  ratio:                         $(ratio "$p" "$r")"
echo "  program, D3 raised (light on): $(percent "$pl")"
echo "  reference, 10 and 22 ms:       $(percent "$rl")"
echo "  ratio:                         $(ratio "$pl" "$rl")"
echo "  wineserver:        $(percent "$s") (without the program: $(percent "$bs"))"
echo "  X server:          $(percent "$x") (without the program: $(percent "$bx"))"
