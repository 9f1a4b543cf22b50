#!/usr/bin/env bash
# Starts the workbench under a virtual X display with the shrink workspace and the 012路 editor open,
# takes a screenshot and checks that both painted. The picture stays in
# build/e2e-artifacts/shrink-window.png.
source "$(dirname "$0")/lib.bash"
BUILD=$(cd "$(dirname "$PICK3")/../.." && pwd)
BENCH="$BUILD/src/gui/pick3bench"
[ -x "$BENCH" ] || { echo "SKIP: pick3bench not built"; exit 0; }
command -v xvfb-run >/dev/null && command -v import >/dev/null || { echo "SKIP: xvfb-run or import missing"; exit 0; }
ART="$BUILD/e2e-artifacts"
mkdir -p "$ART"
SHOT="$ART/shrink-window.png"
rm -f "$SHOT"

unset QT_QPA_PLATFORM
xvfb-run -a -s "-screen 0 1280x900x24" bash -c '
  "$1" --home "$2" --open editor:14 & pid=$!
  sleep 5
  import -window root "$3"
  kill "$pid" 2>/dev/null; wait "$pid" 2>/dev/null; true' _ "$BENCH" "$PICK3_HOME" "$SHOT"

[ -s "$SHOT" ] || { echo "FAIL: no screenshot"; exit 1; }
colours=$(convert "$SHOT" -format '%k' info:)
# The ball pictures of the pick grids bring many colours.
[ "$colours" -gt 50 ] || { echo "FAIL: screenshot looks blank ($colours colours)"; fails=$((fails + 1)); }
light=$(convert "$SHOT" -colorspace Gray -threshold 50% -format '%[fx:mean]' info:)
check "windows painted" 1 "$(awk -v m="$light" 'BEGIN { print (m > 0.3) ? 1 : 0 }')"
echo "screenshot: $SHOT"
# The manual in the build's home template shows the pictures of this build (the empty screen cut off).
[ "$fails" -eq 0 ] && [ -d "$BUILD/home/Help/images" ] && convert "$SHOT" -trim +repage "$BUILD/home/Help/images/shrink-window.png"
finish
