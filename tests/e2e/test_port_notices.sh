#!/usr/bin/env bash
# What the user is told about the port at start and while the program runs:
# a driver library that is there but cannot be used, a trace file that
# cannot be opened, and a trace whose disk is full. Each is told once, in a
# box captioned with the application's title, and the program runs on the
# simulated port, refreshing it.
source "$(dirname "$0")/lib.sh"

NOTICE_CAPTION="Pindrel_port"
LIBRARY=inpoutx64.dll

# Reads the text of the notice box and answers it.
take_notice() {
  probe wait-class "#32770" 30 || fail "$1: no notice"
  local text="" index
  for index in 0 1 2 3; do
    text=$(probe text "$NOTICE_CAPTION" Static "$index" || true)
    [ -n "$text" ] && break
  done
  echo "$1: $text"
  NOTICE=$text
  probe click "$NOTICE_CAPTION" "OK" || fail "$1: the notice has no OK button"
  probe wait-gone "#32770" 10 || fail "$1: the notice stayed"
}

# Starts the program with the given environment, without waiting for its window.
start_program() {
  env "$@" "$E2E_WINE" "$E2E_EXE" >"$E2E_OUT/program.log" 2>&1 </dev/null &
  E2E_PID=$!
}

expect_in_notice() {
  case "$NOTICE" in
    *"$2"*) ;;
    *) fail "$1: the notice does not say '$2'" ;;
  esac
}

panel0() { probe text "$E2E_TITLE" TStatusBar; }

# The refresh runs: a line pressed now reaches the simulated port and
# comes back in status panel 0.
expect_refresh() {
  probe wait-window "$E2E_TITLE" 30 || fail "$1: main window did not appear"
  probe click "$E2E_TITLE" "D5(1)" || fail "$1: D5(1) not found"
  local tries=0
  while [ "$(panel0)" != "Порт 888:32" ]; do
    sleep 0.1
    tries=$((tries + 1))
    [ $tries -lt 50 ] || fail "$1: status panel 0 is '$(panel0)': the refresh stopped"
  done
}

# --- A driver library that exports nothing, found in the current folder.
rm -f "$E2E_TRACE"
pushd "$PP_BINARY_DIR/fakedriver-no-exports" >/dev/null
start_program PINDREL_PORT= PINDREL_PORT_TRACE="$(e2e_windows_path "$E2E_TRACE")"
popd >/dev/null
take_notice "driver without exports"
expect_in_notice "driver without exports" "fakedriver-no-exports\\$LIBRARY найден, но не работает"
expect_in_notice "driver without exports" "нет функций Out32 и Inp32"
expect_in_notice "driver without exports" "Порт имитируется."
e2e_wait_trace '^[0-9]+ W 888 0$' || fail "driver without exports: no refresh on the simulated port"
expect_refresh "driver without exports"
e2e_stop

# --- A trace file in a folder that does not exist.
MISSING_TRACE="$(e2e_windows_path "$E2E_OUT/no-such-folder")\\trace.txt"
start_program PINDREL_PORT=sim PINDREL_PORT_TRACE="$MISSING_TRACE"
take_notice "trace in a missing folder"
expect_in_notice "trace in a missing folder" "Файл трассировки порта $MISSING_TRACE не открывается: "
expect_in_notice "trace in a missing folder" "Программа работает без трассировки."
expect_refresh "trace in a missing folder"
e2e_stop

# --- A trace on a disk that is full from the first line: /dev/full.
start_program PINDREL_PORT=sim PINDREL_PORT_TRACE='Z:\dev\full'
take_notice "trace on a full disk"
expect_in_notice "trace on a full disk" 'Запись в файл трассировки порта Z:\dev\full не удалась: '
expect_in_notice "trace on a full disk" "Трассировка остановлена, порт обновляется дальше."
expect_refresh "trace on a full disk"
sleep 1
probe wait-class "#32770" 0.5 && fail "trace on a full disk: a second notice"
e2e_stop
echo "PASS"
