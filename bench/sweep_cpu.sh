#!/usr/bin/env bash
# CPU used by the program while the pointer sweeps back and forth across the
# two bitmap buttons ("&All" and "Abort"), each crossing starting their
# fades, against the same program left idle, in the same run: the program's
# own process over a window of SECONDS (default 10). Prints percent of one
# core and the ratio. Needs the win64 build.
#   bench/sweep_cpu.sh [SECONDS]
set -euo pipefail
here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
root="$(dirname "$here")"
seconds=${1:-10}
exe="$root/build/win64/src/app/Pindrel_Port.exe"
probe="$root/build/win64/tests/e2e/e2e_probe.exe"
[ -f "$exe" ] && [ -f "$probe" ] || { echo "build the win64 preset first" >&2; exit 1; }

if [ -z "${PP_SWEEP_INSIDE:-}" ]; then
  # Measured on a private display, whatever PP_SHOW_TESTS says.
  export PP_SWEEP_INSIDE=1 PP_SHOW_TESTS=
  exec "$root/scripts/with-display" "$0" "$seconds"
fi

source "$here/cpu_ticks.sh"

title="LPT Pindrel_Port 888"
PINDREL_PORT=sim wine "$exe" >/dev/null 2>&1 &
wine "$probe" wait-window "$title" 30 >/dev/null 2>&1 || { echo "no main window" >&2; exit 1; }
sleep 3
program=$(pgrep -f 'Pindrel_Port.exe' | head -1)

# Screen positions of the two buttons' middles.
wine "$probe" hover "$title" "&All" >/dev/null 2>&1
eval "$(xdotool getmouselocation --shell)"; ax=$X ay=$Y
wine "$probe" hover "$title" "Abort" >/dev/null 2>&1
eval "$(xdotool getmouselocation --shell)"; bx=$X
xdotool mousemove 5 5
sleep 1

# Idle: the pointer away from the window.
p0=$(cpu_ticks $program); sleep "$seconds"; idle=$(($(cpu_ticks $program) - p0))

# Sweep: from left of "&All" to right of "Abort" and back in 10-pixel steps,
# the pointer entering and leaving each button on every pass.
left=$((ax - 60)) right=$((bx + 60))
end=$(($(date +%s) + seconds))
p0=$(cpu_ticks $program)
passes=0
while [ "$(date +%s)" -lt "$end" ]; do
  for x in $(seq $left 10 $right) $(seq $right -10 $left); do
    xdotool mousemove "$x" "$ay"
    sleep 0.01
  done
  passes=$((passes + 1))
done
sweep=$(($(cpu_ticks $program) - p0))
xdotool mousemove 5 5
wine "$probe" close "$title" >/dev/null 2>&1 || true
wait || true

echo "program CPU over ${seconds}s, percent of one core:"
echo "  idle:                          $(percent "$idle")"
echo "  sweeping across both buttons:  $(percent "$sweep") ($passes passes)"
awk -v s="$sweep" -v i="$idle" 'BEGIN { if (i > 0) printf "  ratio sweep / idle:            %.2f\n", s / i; else print "  ratio: n/a (idle used no ticks)" }'
