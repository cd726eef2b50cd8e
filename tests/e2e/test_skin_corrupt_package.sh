#!/usr/bin/env bash
# A damaged Beijing.lvz in c:\Skins: the program says what is wrong in an
# "Error" box, keeps the skin name it had before (none, at start-up) and
# goes on refreshing the port. One start per kind of damage.
source "$(dirname "$0")/lib.sh"

SKINS="$WINEPREFIX/drive_c/Skins"
PACKAGE="$SKINS/Beijing.lvz"
GOOD="$PP_SOURCE_DIR/skins/Beijing.lvz"
CREATED_SKINS=""
SAVED=""

restore_skin_directory() {
  e2e_kill
  rm -f "$PACKAGE"
  if [ -n "$SAVED" ]; then mv "$SAVED" "$PACKAGE"; fi
  if [ -n "$CREATED_SKINS" ]; then rmdir "$SKINS" 2>/dev/null || true; fi
}
trap restore_skin_directory EXIT

if [ ! -d "$SKINS" ]; then
  mkdir -p "$SKINS"
  CREATED_SKINS=1
fi
if [ -f "$PACKAGE" ]; then
  SAVED="$E2E_OUT/Beijing.lvz.saved"
  mv "$PACKAGE" "$SAVED"
fi

# Writes a damaged copy of the good package: $1 names the damage.
damage() {
  python3 - "$1" "$GOOD" "$PACKAGE" <<'PY'
import struct, sys, zlib
kind, good, out = sys.argv[1:]
data = bytearray(open(good, "rb").read())
if kind == "magic":
    data[0:4] = b"LVzX"
elif kind == "truncated":
    data = data[: len(data) // 2]
elif kind == "stream":
    # The first entry's zlib data starts after the magic, the count, the
    # name length, the name and the unpacked size.
    name_length = struct.unpack_from("<i", data, 8)[0]
    start = 12 + name_length + 4
    for i in range(start + 4, start + 40):
        data[i] ^= 0xA5
elif kind == "png":
    entries = [(b"Options.dat", b"[GLOBALINFO]\r\nVERSION=8.2\r\n[BUTTON]\r\nBORDERSMASK=!BAD.PNG!3!0\r\n"),
               (b"BAD.PNG", b"\x89PNG\r\n\x1a\n" + b"\0\0\0\x0dIHDR" + b"broken" * 4)]
    data = bytearray(b"LVzf" + struct.pack("<i", len(entries)))
    for name, body in entries:
        data += struct.pack("<i", len(name)) + name + struct.pack("<i", len(body)) + zlib.compress(body, 9)
open(out, "wb").write(bytes(data))
PY
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
  if [ -n "$expected" ]; then
    [[ "$text" == *"$expected"* ]] || fail "$kind: message was '$text'"
  else
    [ -n "$text" ] || fail "$kind: empty message"
  fi
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
run_with_damage truncated "Stream read error"
run_with_damage stream ""
run_with_damage png "PNG"
echo "PASS"
