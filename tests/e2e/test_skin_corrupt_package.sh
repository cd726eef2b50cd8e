#!/usr/bin/env bash
# A damaged Beijing.lvz in c:\Skins: the program says what is wrong in an
# "Error" box, keeps the skin name it had before (none, at start-up) and
# goes on refreshing the port. One start per kind of damage.
source "$(dirname "$0")/lib.sh"

e2e_take_skin_package

# The packages are written by the cross-built skintool, as a skin author
# packs a skin: the Beijing folder as it is, or with damage.
SKINTOOL="$PP_BINARY_DIR/tools/skintool/skintool.exe"
pack() {
  local folder=$1 package=$2 damage=${3:-}
  wine "$SKINTOOL" pack "$(winepath -w "$folder")" "$(winepath -w "$package")" \
    ${damage:+--damage "$damage"} >/dev/null 2>&1 || fail "skintool could not pack $folder"
}

# A skin whose one image is no PNG at all.
BAD_PNG_SKIN="$E2E_OUT/bad-png-skin"
rm -rf "$BAD_PNG_SKIN"
mkdir -p "$BAD_PNG_SKIN"
printf '[GLOBALINFO]\r\nVERSION=8.2\r\n[BUTTON]\r\nBORDERSMASK=!BAD.PNG!3!0\r\n' >"$BAD_PNG_SKIN/Options.dat"
printf 'not a png' >"$BAD_PNG_SKIN/BAD.PNG"

# Writes the package for one case: $1 names the damage.
damage() {
  case "$1" in
    png) pack "$BAD_PNG_SKIN" "$PACKAGE" ;;
    *) pack "$PP_SOURCE_DIR/skins/Beijing" "$PACKAGE" "$1" ;;
  esac
}

run_with_damage() {
  local kind=$1 expected=$2
  damage "$kind"
  rm -f "$E2E_TRACE"
  env PINDREL_PORT=sim PINDREL_PORT_TRACE="$(e2e_windows_path "$E2E_TRACE")" \
    "$E2E_WINE" "$E2E_EXE" >"$E2E_OUT/program-$kind.log" 2>&1 </dev/null &
  E2E_PID=$!
  probe wait-window "Error" 60 || fail "$kind: no Error box"
  local text="" index
  for index in 0 1 2 3; do
    text=$(probe text "Error" Static "$index" || true)
    [ -n "$text" ] && break
  done
  echo "$kind: $text"
  [ "$text" == "$expected" ] || fail "$kind: message was '$text', not '$expected'"
  probe click "Error" "OK" || fail "$kind: no OK button"
  probe wait-gone "#32770" 10 || fail "$kind: Error box stayed"
  probe wait-window "$E2E_TITLE" 30 || fail "$kind: main window did not appear"
  e2e_wait_trace '^[0-9]+ W 888 0$' || fail "$kind: no refresh after the error"
  local seen
  seen=$(e2e_trace_lines)
  e2e_wait_trace '^[0-9]+ W 888 0$' "$seen" || fail "$kind: refresh tick stopped"
  e2e_screenshot "after-$kind"
  e2e_stop
}

run_with_damage magic "Loaded data is not a packed Lumivex file"
run_with_damage truncate "Stream read error"
run_with_damage check "data error"
run_with_damage png "Cannot load image. Invalid or unexpected PNG image format."
echo "PASS"
