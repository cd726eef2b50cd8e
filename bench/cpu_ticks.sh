# CPU time of processes from /proc, for the CPU benchmark scripts. Source it
# after setting `seconds`, the length of the measured window.

ticks_per_second=$(getconf CLK_TCK)

# user + system ticks of the given processes.
cpu_ticks() {
  local total=0 pid
  for pid in "$@"; do
    [ -r "/proc/$pid/stat" ] || continue
    total=$((total + $(awk '{print $14 + $15}' "/proc/$pid/stat")))
  done
  echo $total
}

# Ticks over the window as percent of one core.
percent() { awk -v t="$1" -v hz="$ticks_per_second" -v s="$seconds" 'BEGIN { printf "%.2f", 100 * t / hz / s }'; }
