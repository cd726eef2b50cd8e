#!/usr/bin/env bash
# A Beijing skin folder in c:\Skins whose Options.dat says things that make
# no sense: sections that are each other's parents, negative sizes, counts in
# the millions, images that are not there. The engine lives with all of it:
# the program starts without a box, paints its window, menus and hint with
# what it can, and the port refresh goes on through hover, clicks and menus.
# Then the same folder with one image whose header claims 11013 x 2561
# pixels over a few bytes: an "Error" box at once, and the program goes on.
source "$(dirname "$0")/lib.sh"

e2e_take_skin_package
FOLDER="$E2E_SKINS/Beijing"
SAVED_FOLDER="$E2E_OUT/Beijing.folder.saved"
rm -rf "$SAVED_FOLDER"
[ -d "$FOLDER" ] && mv "$FOLDER" "$SAVED_FOLDER"
give_back_folder() {
  e2e_kill
  rm -rf "$FOLDER"
  if [ -d "$SAVED_FOLDER" ]; then mv "$SAVED_FOLDER" "$FOLDER"; fi
  e2e_give_back_skin_package
}
trap give_back_folder EXIT

# Copies the default skin and puts `lines` first in `section` (the first of
# two equal keys is the one read). Options.dat keeps its CRLF line ends.
cp -r "$PP_SOURCE_DIR/skins/Beijing" "$FOLDER"
put_first() {
  local section=$1 lines=$2
  python3 - "$FOLDER/Options.dat" "$section" "$lines" <<'PY'
import sys
path, section, lines = sys.argv[1], sys.argv[2], sys.argv[3]
text = open(path, 'rb').read().decode('latin-1')
header = '[' + section + ']\r\n'
assert header in text, section
text = text.replace(header, header + lines.replace('\n', '\r\n') + '\r\n', 1)
open(path, 'wb').write(text.encode('latin-1'))
PY
}
put_first GLOBALINFO $'TITLEHEIGHT=-30\nBORDERWIDTH=-6\nMAXHEIGHT=-26\nSHADOW1BLUR=100000\nSHADOW1OFFSET=-90000\nBICONCLOSEGLOW=2147483647'
put_first BUTTON $'PARENTCLASS=GAUGE\nSTATES=-3\nFADINGITERATIONS=99999999\nGLOW=2147483647\nGLOWMARGIN=100000\nHGSIZE=-4\nGLOW0=!NOWHERE.PNG!1!0!2'
put_first GAUGE $'PARENTCLASS=BUTTON\nBORDERSMASK=!GAUGE.BMP!30000!30000'
put_first MENUITEM $'BORDERSMASK=MENU#(-50 -50 -90 -90)(3 1 -4)'
put_first HINT $'PARENTCLASS=HINT\nSHADOW1OFFSET=-3000\nBORDERSMASK=!NOWHERE.BMP!3!1'
put_first CAPTION $'GSIZE=-1000000'

# The refresh writes the port at least twice more after line $1 of the trace.
expect_refresh() {
  local seen=$1 what=$2
  e2e_wait_trace '^[0-9]+ W 888 ' "$seen" || fail "$what: no refresh"
  seen=$(e2e_trace_lines)
  e2e_wait_trace '^[0-9]+ W 888 ' "$seen" || fail "$what: the refresh stopped"
}

e2e_start
if probe wait-class "#32770" 2; then fail "a box came up for a skin the engine can live with"; fi
expect_refresh 0 "after the start"
read -r left top right bottom < <(probe rect "$E2E_TITLE")
[ -n "${bottom:-}" ] || fail "no window rectangle"
e2e_screenshot nonsense-skin

# Hover a push button (fade and glow), press D3(1), open the menu and its
# sub-menu, and rest on D0(1) for its hint.
probe hover "$E2E_TITLE" "D1(1)" || fail "cannot hover D1(1)"
sleep 0.5
probe click "$E2E_TITLE" "D3(1)" || fail "no D3(1) button"
e2e_wait_trace '^[0-9]+ W 888 8$' || fail "D3(1) did not reach the port"
xdotool mousemove $((left + 30)) $((top + 33)) click 1
sleep 0.8
xdotool key Down Right
sleep 0.5
e2e_screenshot nonsense-skin-menu
xdotool key Escape Escape Escape
sleep 0.3
xdotool mousemove 0 0 2>/dev/null || true
sleep 0.3
probe hover "$E2E_TITLE" "D0(1)" || fail "cannot hover D0(1)"
probe wait-hint TsComicsHintWindow "Второй контакт" 5 >/dev/null || fail "no hint on D0(1)"
sleep 1 # past the hint's fade-in, for the picture
e2e_screenshot nonsense-skin-hint
expect_refresh "$(e2e_trace_lines)" "after hover, click, menu and hint"
e2e_stop

# One image that claims a huge size over a few bytes of codes.
python3 - "$FOLDER/GAUGE.BMP" <<'PY'
import struct, sys
codes = bytes([0x10]) * 30
palette = bytes([0x40]) * 64
info = struct.pack('<IiiHHIIiiII', 40, 11013, 2561, 1, 4, 2, len(codes), 0, 0, 0, 0)
offset = 14 + len(info) + len(palette)
header = b'BM' + struct.pack('<IHHI', offset + len(codes), 0, 0, offset)
open(sys.argv[1], 'wb').write(header + info + palette + codes)
PY
rm -f "$E2E_TRACE"
env PINDREL_PORT=sim PINDREL_PORT_TRACE="$(e2e_windows_path "$E2E_TRACE")" \
  "$E2E_WINE" "$E2E_EXE" >"$E2E_OUT/program-huge-image.log" 2>&1 </dev/null &
E2E_PID=$!
probe wait-window "Error" 60 || fail "huge image: no Error box"
text=""
for index in 0 1 2 3; do
  text=$(probe text "Error" Static "$index" || true)
  [ -n "$text" ] && break
done
[ "$text" == "Stream read error" ] || fail "huge image: message was '$text'"
probe click "Error" "OK" || fail "huge image: no OK button"
probe wait-gone "#32770" 10 || fail "huge image: Error box stayed"
probe wait-window "$E2E_TITLE" 30 || fail "huge image: main window did not appear"
expect_refresh 0 "after the huge image"
e2e_stop
echo "PASS"
