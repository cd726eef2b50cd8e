#!/usr/bin/env bash
# Time to repaint the whole skinned main window, against a plain BitBlt of
# the window's size onto it, measured in the same run under Wine on a
# private display. Needs the win64 build of the main_window_paint target.
#   bench/paint_window.sh
set -euo pipefail
here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
root="$(dirname "$here")"
exe="$root/build/win64/tests/e2e/main_window_paint.exe"
[ -f "$exe" ] || { echo "build the win64 target main_window_paint first" >&2; exit 1; }
PP_SHOW_TESTS= exec "$root/scripts/with-display" wine "$exe"
