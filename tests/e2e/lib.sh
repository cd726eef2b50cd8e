# Shared steps of the end-to-end tests: start the real program under Wine on
# the test display, drive it from outside with e2e_probe, read the port trace,
# take screenshots, and end it cleanly. Source it; PP_BINARY_DIR and
# PP_SOURCE_DIR come from CTest.
set -euo pipefail

# Only the tests' own Wine prefix and display, never the user's: a test
# started on its own goes through scripts/with-display first.
if [ -z "${PP_TEST_SESSION:-}" ]; then
  exec "$PP_SOURCE_DIR/scripts/with-display" bash "$0" "$@"
fi
if ! WINEPREFIX="$("$PP_SOURCE_DIR/scripts/wine-prefix" tests)" || [ ! -d "$WINEPREFIX/drive_c" ]; then
  echo "FAIL: the tests' Wine prefix is not set up (scripts/wine-prefix tests)" >&2
  exit 1
fi
export WINEPREFIX
E2E_WINE="$PP_SOURCE_DIR/scripts/wine-exec"

E2E_TITLE="LPT Pindrel_Port 888"
E2E_EXE="$PP_BINARY_DIR/src/app/Pindrel_Port.exe"
E2E_PROBE="$PP_BINARY_DIR/tests/e2e/e2e_probe.exe"
E2E_OUT="$PP_BINARY_DIR/e2e-output/$(basename "$0" .sh)"
E2E_TRACE="$E2E_OUT/port-trace.txt"
E2E_PID=""
mkdir -p "$E2E_OUT"
export WINEDEBUG=-all

fail() {
  echo "FAIL: $*" >&2
  e2e_screenshot failure || true
  e2e_kill
  exit 1
}

probe() { "$E2E_WINE" "$E2E_PROBE" "$@" 2>/dev/null | tr -d '\r'; }

# The Windows path of a file, for the program's environment.
e2e_windows_path() { "$E2E_WINE" winepath -w "$1" 2>/dev/null | tr -d '\r'; }

# Starts the program on the simulated port (extra environment as arguments,
# e.g. PINDREL_PORT=sim:170; the program's own arguments, if any, in
# E2E_PROGRAM_ARGS) and waits for its main window.
e2e_start() {
  rm -f "$E2E_TRACE"
  env PINDREL_PORT=sim PINDREL_PORT_TRACE="$(e2e_windows_path "$E2E_TRACE")" "$@" \
    "$E2E_WINE" "$E2E_EXE" ${E2E_PROGRAM_ARGS:-} >"$E2E_OUT/program.log" 2>&1 </dev/null &
  E2E_PID=$!
  probe wait-window "$E2E_TITLE" 30 || fail "main window did not appear"
}

e2e_screenshot() {
  import -window root "$E2E_OUT/$1.png" 2>/dev/null && echo "screenshot: $E2E_OUT/$1.png"
}

# Waits until the trace holds a line matching the pattern (after line $2).
e2e_wait_trace() {
  local pattern=$1 after=${2:-0} tries=0
  while [ $tries -lt 100 ]; do
    if [ -f "$E2E_TRACE" ] && tail -n +"$((after + 1))" "$E2E_TRACE" | grep -qE "$pattern"; then
      return 0
    fi
    sleep 0.1
    tries=$((tries + 1))
  done
  return 1
}

e2e_trace_lines() { [ -f "$E2E_TRACE" ] && wc -l <"$E2E_TRACE" || echo 0; }

# The current time in milliseconds, to say how long a step of a test took.
e2e_now_ms() { echo $(($(date +%s%N) / 1000000)); }

# The longest gap, in microseconds, between two port writes in the trace
# lines after $1 up to $2.
e2e_longest_write_gap_us() {
  awk -v from="$1" -v to="$2" 'NR > from && NR <= to && $2 == "W" {
      if (last && $1 - last > longest) longest = $1 - last
      last = $1
    }
    END { print longest + 0 }' "$E2E_TRACE"
}

# The port refresh must go on every 10 ms through what a test did between
# trace lines $1 and $2, which took $3 ms; $4 says what that was. A gap over
# 50 ms fails only when the program, left alone for as long right after,
# keeps a shorter one: on a machine whose cores are all taken the scheduler
# alone can hold a 10 ms timer back that long, and that is no pause of the
# program's.
e2e_expect_refresh_paced() {
  local during quiet_from quiet
  during=$(e2e_longest_write_gap_us "$1" "$2")
  [ "$during" -le 50000 ] && return 0
  quiet_from=$(e2e_trace_lines)
  sleep "$(awk -v ms="$3" 'BEGIN { print ms / 1000 }')"
  quiet=$(e2e_longest_write_gap_us "$quiet_from" "$(e2e_trace_lines)")
  echo "$4: longest write gap $during us; left alone as long: $quiet us"
  [ "$during" -le "$quiet" ] || fail "the port refresh paused ${during} us: $4"
}

e2e_kill() {
  if [ -n "$E2E_PID" ] && kill -0 "$E2E_PID" 2>/dev/null; then
    kill "$E2E_PID" 2>/dev/null || true
  fi
  E2E_PID=""
}

# Closes the main window as the user would and waits for the program to end.
e2e_stop() {
  probe close "$E2E_TITLE" || true
  local tries=0
  while [ -n "$E2E_PID" ] && kill -0 "$E2E_PID" 2>/dev/null; do
    sleep 0.1
    tries=$((tries + 1))
    [ $tries -lt 100 ] || fail "program did not end after its window was closed"
  done
  E2E_PID=""
}

# The program looks for its skin in c:\Skins (Beijing.lvz, the packed skin).
# A test that puts a package of its own there ($PACKAGE) calls this first:
# the package the prefix had is set aside and put back when the test ends,
# and a skin folder the test had to make is removed again.
E2E_SKINS="$WINEPREFIX/drive_c/Skins"
PACKAGE="$E2E_SKINS/Beijing.lvz"
e2e_take_skin_package() {
  E2E_CREATED_SKINS=""
  E2E_SAVED_PACKAGE=""
  if [ ! -d "$E2E_SKINS" ]; then
    mkdir -p "$E2E_SKINS"
    E2E_CREATED_SKINS=1
  fi
  if [ -f "$PACKAGE" ]; then
    E2E_SAVED_PACKAGE="$E2E_OUT/Beijing.lvz.saved"
    mv "$PACKAGE" "$E2E_SAVED_PACKAGE"
  fi
  trap e2e_give_back_skin_package EXIT
}
# Packs a copy of the default skin, its Options.dat passed through the awk
# RULES, as the package set aside by e2e_take_skin_package. In RULES,
# `section` is the current section header ("[BUTTON]"); lines no rule
# prints with `next` are kept. Options.dat has CRLF line ends: printed
# lines end in "\r". Sets SKIN to the copy's folder.
e2e_pack_skin_variant() {
  local name=$1 rules=$2
  SKIN="$E2E_OUT/$name"
  rm -rf "$SKIN"
  cp -r "$PP_SOURCE_DIR/skins/Beijing" "$SKIN"
  awk "/^\[/ { section = \$0; sub(/\r\$/, \"\", section) }
$rules
{ print }" "$PP_SOURCE_DIR/skins/Beijing/Options.dat" > "$SKIN/Options.dat"
  wine "$PP_BINARY_DIR/tools/skintool/skintool.exe" pack "$(winepath -w "$SKIN")" "$(winepath -w "$PACKAGE")" \
    >/dev/null 2>&1 || fail "skintool could not pack the test skin $name"
}

e2e_give_back_skin_package() {
  e2e_kill
  rm -f "$PACKAGE"
  if [ -n "$E2E_SAVED_PACKAGE" ]; then mv "$E2E_SAVED_PACKAGE" "$PACKAGE"; fi
  if [ -n "$E2E_CREATED_SKINS" ]; then rmdir "$E2E_SKINS" 2>/dev/null || true; fi
}

# Copies the skin folder $1 to $2 with red and blue swapped in its master
# bitmap and in its colour options, so that the frame looks plainly
# different; the magenta key colour stays magenta, so what was transparent
# stays transparent.
e2e_recoloured_skin() {
  rm -rf "$2"
  cp -r "$1" "$2"
  convert "$1/MASTER.BMP" -separate -swap 0,2 -combine -type TrueColor "BMP3:$2/MASTER.BMP"
  python3 - "$2/Options.dat" <<'PY'
import re, sys
path = sys.argv[1]
text = open(path, "rb").read().decode("latin-1")
def swap(match):
    value = int(match.group(2))
    if value < 0 or value > 0xFFFFFF:
        return match.group(0)
    swapped = (value & 0xFF) << 16 | (value & 0xFF00) | (value >> 16) & 0xFF
    return match.group(1) + str(swapped)
text = re.sub(r"(?m)^([A-Z0-9_]*COLOR[A-Z0-9_]*=)(\d+)", swap, text)
open(path, "wb").write(text.encode("latin-1"))
PY
}
