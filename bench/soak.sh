#!/usr/bin/env bash
# A long run of the real program under Wine on a private display, used the
# way a busy user would: the flasher and the running light run, the pointer
# sweeps over the line buttons and the caption buttons, the "Параметры"
# menu opens and closes, the hint of "D0(1)" shows, Read windows open and
# close, and every minute the skin changes through `skintool preview --once`
# (the default skin and a recoloured copy in turn).
#
#   bench/soak.sh [MINUTES]       default 60; needs the win64 build
#
# Once a minute it samples the program's live GDI and USER handle counts
# and its private memory (the figures the program reports about itself,
# see docs/skin-preview.md), the longest gap between two port writes in
# that minute, and the machine's one-minute load average (a machine whose
# cores are all taken delays the program's timers). Odd minutes run the
# running light and the flasher, where the running light's nine-tick
# cycle leaves one tick without a write, so two ticks (200 ms) is the
# longest gap its timer gives; even minutes stop the running light, so the
# 10 ms refresh writes (with the flasher beside it).
# Each minute's gap is measured from half a second after its patterns start
# until they stop, and covers that minute's skin change. Samples are taken
# with both patterns stopped and all lines low.
#
# At the end it prints a table and exits 1 when
#   - a handle count grows beyond its value at the fifth minute,
#   - the private memory grows by more than 1 MB from the fifth minute to
#     the last,
#   - a minute's longest gap exceeds its expected value by more than 50 ms,
#   - a skin change is not taken, or the program died.
# A run shorter than five minutes compares against the minute before its
# last instead of the fifth: the first minute alone is too short a warm-up,
# since some objects are made on the first use of a step that a minute's
# timing may miss.
set -euo pipefail
here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
case "${1:-}" in
  -h | --help) sed -n '2,/^set -euo/p' "$0" | sed '$d; s/^# \{0,1\}//'; exit 0 ;;
esac
minutes=${1:-60}
[[ "$minutes" =~ ^[1-9][0-9]*$ ]] || { echo "soak: MINUTES must be a whole number above 0" >&2; exit 2; }
export PP_SOURCE_DIR="${PP_SOURCE_DIR:-$(dirname "$here")}"
export PP_BINARY_DIR="${PP_BINARY_DIR:-$PP_SOURCE_DIR/build/win64}"
TOOL="$PP_BINARY_DIR/tools/skintool/skintool.exe"
for needed in src/app/Pindrel_Port.exe tests/e2e/e2e_probe.exe tools/skintool/skintool.exe; do
  [ -f "$PP_BINARY_DIR/$needed" ] || { echo "soak: build the win64 preset first ($needed)" >&2; exit 1; }
done
source "$PP_SOURCE_DIR/tests/e2e/lib.sh"

HINT_TEXT="Второй контакт"
GAP_ALLOWANCE_MS=50
table="$E2E_OUT/soak-table.txt"

# The two skins a minute changes between.
default_skin="$E2E_OUT/Beijing"
recoloured_skin="$E2E_OUT/Recoloured"
rm -rf "$default_skin"
cp -r "$PP_SOURCE_DIR/skins/Beijing" "$default_skin"
e2e_recoloured_skin "$default_skin" "$recoloured_skin"

E2E_PROGRAM_ARGS=/acpreview e2e_start
trap e2e_kill EXIT
e2e_wait_trace '^[0-9]+ W 888 ' || fail "no port write"
sleep 1

alive() { [ -n "$E2E_PID" ] && kill -0 "$E2E_PID" 2>/dev/null; }

# Screen point of a button's middle.
button_middle() {
  probe hover "$E2E_TITLE" "$@" >/dev/null || return 1
  eval "$(xdotool getmouselocation --shell)"
  echo "$X $Y"
}
read -r row1_left row1_y < <(button_middle "D0(1)")
read -r row1_right _ < <(button_middle "D7(1)")
read -r _ row2_y < <(button_middle "D0(0)")
read -r _ row3_y < <(button_middle Read 0)
read -r _ row4_y < <(button_middle "Мигалка")

sweep_row() { # y: across the row and back in 16-pixel steps
  local x
  for x in $(seq $((row1_left - 30)) 16 $((row1_right + 30))) $(seq $((row1_right + 30)) -16 $((row1_left - 30))); do
    xdotool mousemove "$x" "$1"
    sleep 0.01
  done
}

sweep_caption_buttons() {
  local left top right bottom x
  read -r left top right bottom < <(probe rect "$E2E_TITLE")
  for x in $(seq $((right - 110)) 6 $((right - 3))) $(seq $((right - 3)) -6 $((right - 110))); do
    xdotool mousemove "$x" $((top + 12))
    sleep 0.01
  done
}

misses=""
missed() { misses="$misses $1"; }

open_and_close_menu() {
  local left top right bottom
  read -r left top right bottom < <(probe rect "$E2E_TITLE")
  xdotool mousemove $((left + 30)) $((top + 33)) click 1
  sleep 0.8
  xdotool key Escape Escape
  sleep 0.3
}

show_hint() {
  xdotool mousemove 0 0
  sleep 0.3
  probe hover "$E2E_TITLE" "D0(1)" >/dev/null || { missed hint; return; }
  probe wait-hint TsComicsHintWindow "$HINT_TEXT" 5 >/dev/null || missed hint
  xdotool mousemove 0 0
}

read_index=0
open_and_close_read_window() {
  probe click "$E2E_TITLE" Read "$read_index" || { missed read; return; }
  read_index=$(((read_index + 1) % 8))
  probe wait-class TMessageForm 5 || { missed read; return; }
  probe close-class TMessageForm
  probe wait-gone TMessageForm 5 || missed read
}

# Each step is noted with the trace line it starts at, so that a long gap
# can be put down to what the program was doing.
steps="$E2E_OUT/steps.txt"
: >"$steps"
step() {
  echo "$(e2e_trace_lines) $1" >>"$steps"
  "$@"
}

one_round() {
  step sweep_row "$row1_y"
  step sweep_row "$row2_y"
  step sweep_row "$row3_y"
  step sweep_row "$row4_y"
  step sweep_caption_buttons
  step open_and_close_menu
  step show_hint
  step open_and_close_read_window
}

# Odd minutes: the running light and the flasher (starting the running light
# stops the flasher, so the flasher is started after it). Even minutes: the
# refresh and the flasher.
start_patterns() {
  if [ $(($1 % 2)) -eq 1 ]; then
    probe click "$E2E_TITLE" "Бегущий огонь" || fail "no running light button"
    sleep 0.2
  fi
  probe click "$E2E_TITLE" "Мигалка" || fail "no flasher button"
}

# Every sample is taken in the same state: both patterns stopped and all
# lines low ("Abort"), so that the gauge is dark; a lit gauge holds more
# handles than a dark one.
stop_patterns() {
  probe click "$E2E_TITLE" "Мигалка" || fail "no flasher button"
  if [ $(($1 % 2)) -eq 1 ]; then
    sleep 0.2
    probe click "$E2E_TITLE" "Бегущий огонь" || fail "no running light button"
  fi
  sleep 0.2
  probe click "$E2E_TITLE" "Abort" || fail "no Abort button"
}

change_skin() { # minute: odd the recoloured copy, even the default skin
  local folder=$default_skin
  [ $(($1 % 2)) -eq 1 ] && folder=$recoloured_skin
  if ! "$E2E_WINE" "$TOOL" preview "$(e2e_windows_path "$folder")" --once >>"$E2E_OUT/preview.log" 2>&1; then
    missed "skin-change"
    return 1
  fi
}

# The longest gap between two port writes in the trace lines after $1 up
# to $2, in ms, and the step it fell in.
longest_write_gap() {
  local gap line
  read -r gap line < <(awk -v from="$1" -v to="$2" 'NR > from && NR <= to && $2 == "W" {
      if (last && $1 - last > longest) { longest = $1 - last; at = NR }
      last = $1
    }
    END { printf "%.1f %d\n", longest / 1000, at }' "$E2E_TRACE")
  echo "$gap $(awk -v at="$line" '$1 < at { step = $2 } END { print step ? step : "-" }' "$steps")"
}

declare -a gdi user memory gap during expected skin_taken load
: >"$E2E_OUT/preview.log"
for minute in $(seq 1 "$minutes"); do
  end=$(($(date +%s) + 60))
  step start_patterns "$minute"
  sleep 0.5
  from=$(e2e_trace_lines)
  if step change_skin "$minute"; then skin_taken[$minute]=yes; else skin_taken[$minute]=NO; fi
  while [ "$(date +%s)" -lt "$end" ] && alive; do
    one_round
  done
  alive || break
  to=$(e2e_trace_lines)
  step stop_patterns "$minute"
  # Sampled with the pointer away and fades and hints over.
  xdotool mousemove 0 0
  sleep 1
  read -r gdi[$minute] user[$minute] memory[$minute] < <(probe resources "$E2E_TITLE") || break
  read -r gap[$minute] during[$minute] < <(longest_write_gap "$from" "$to")
  # The machine's load over the last minute: a gap on a machine whose cores
  # are all taken may be the scheduler's, not the program's.
  load[$minute]=$(cut -d' ' -f1 /proc/loadavg)
  expected[$minute]=$([ $((minute % 2)) -eq 1 ] && echo 200 || echo 10)
  echo "minute $minute: GDI ${gdi[$minute]}, USER ${user[$minute]}, private ${memory[$minute]} KB," \
    "longest gap ${gap[$minute]} ms in ${during[$minute]} (timers give ${expected[$minute]} ms)," \
    "skin taken ${skin_taken[$minute]}, load ${load[$minute]}"
done
died=""
alive || died=yes
sampled=${#gdi[@]}

baseline=$((minutes >= 6 ? 5 : (minutes > 1 ? minutes - 1 : 1)))
{
  echo "| minute | patterns | skin | GDI | USER | private KB | longest write gap ms | in step | timers give ms | load |"
  echo "|---:|---|---|---:|---:|---:|---:|---|---:|---:|"
  for minute in $(seq 1 "$sampled"); do
    patterns=$([ $((minute % 2)) -eq 1 ] && echo "running light + flasher" || echo "refresh + flasher")
    skin=$([ $((minute % 2)) -eq 1 ] && echo recoloured || echo default)
    [ "${skin_taken[$minute]}" = yes ] || skin="$skin (not taken)"
    echo "| $minute | $patterns | $skin | ${gdi[$minute]} | ${user[$minute]} | ${memory[$minute]} |" \
      "${gap[$minute]} | ${during[$minute]} | ${expected[$minute]} | ${load[$minute]} |"
  done
} | tee "$table"

problems=()
[ -z "$died" ] || problems+=("the program died after $sampled sampled minutes")
[ -n "$died" ] || [ "$sampled" -eq "$minutes" ] || problems+=("the program stopped answering after $sampled sampled minutes")
[ "$sampled" -ge "$baseline" ] || problems+=("no sample at minute $baseline to compare with")
for minute in $(seq "$baseline" "$sampled"); do
  [ "${gdi[$minute]}" -le "${gdi[$baseline]}" ] ||
    problems+=("GDI handles grew from ${gdi[$baseline]} (minute $baseline) to ${gdi[$minute]} (minute $minute)")
  [ "${user[$minute]}" -le "${user[$baseline]}" ] ||
    problems+=("USER handles grew from ${user[$baseline]} (minute $baseline) to ${user[$minute]} (minute $minute)")
done
if [ "$sampled" -ge "$baseline" ]; then
  growth=$((memory[sampled] - memory[baseline]))
  [ "$growth" -le 1024 ] ||
    problems+=("private memory grew by $growth KB from minute $baseline to minute $sampled")
fi
for minute in $(seq 1 "$sampled"); do
  awk -v g="${gap[$minute]}" -v e="${expected[$minute]}" -v a="$GAP_ALLOWANCE_MS" 'BEGIN { exit !(g > e + a) }' &&
    problems+=("minute $minute: a ${gap[$minute]} ms gap between port writes, where the timers give ${expected[$minute]} ms")
  [ "${skin_taken[$minute]}" = yes ] || problems+=("minute $minute: the skin change was not taken (see preview.log)")
done

echo "compared against minute $baseline; table in $table"
[ -z "$misses" ] || echo "steps that did not come off (not counted as failures):$(echo "$misses" | tr ' ' '\n' | sort | uniq -c | awk '{printf " %s x%s", $2, $1}')"
e2e_stop
if [ ${#problems[@]} -gt 0 ]; then
  printf 'FAIL: %s\n' "${problems[@]}" >&2
  exit 1
fi
echo "soak: passed ($sampled minutes)"
