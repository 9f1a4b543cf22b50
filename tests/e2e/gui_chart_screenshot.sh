#!/usr/bin/env bash
# Starts the workbench with the chart window open on a chart under a virtual X display, takes a
# screenshot and checks that the chart painted. The picture stays in build/e2e-artifacts/chart-window.png.
source "$(dirname "$0")/lib.bash"
BUILD=$(cd "$(dirname "$PICK3")/../.." && pwd)
BENCH="$BUILD/src/gui/pick3bench"
[ -x "$BENCH" ] || { echo "SKIP: pick3bench not built"; exit 0; }
command -v xvfb-run >/dev/null && command -v import >/dev/null || { echo "SKIP: xvfb-run or import missing"; exit 0; }
ART="$BUILD/e2e-artifacts"
mkdir -p "$ART"
SHOT="$ART/chart-window.png"
rm -f "$SHOT"

unset QT_QPA_PLATFORM
xvfb-run -a -s "-screen 0 1280x900x24" bash -c '
  "$1" --home "$2" --chart "开奖号码:常规参数" & pid=$!
  sleep 5
  import -window root "$3"
  kill "$pid" 2>/dev/null; wait "$pid" 2>/dev/null; true' _ "$BENCH" "$PICK3_HOME" "$SHOT"

[ -s "$SHOT" ] || { echo "FAIL: no screenshot"; exit 1; }
# The chart's colour bands and balls bring many colours; the first band's light yellow is there.
colours=$(convert "$SHOT" -format '%k' info:)
[ "$colours" -gt 200 ] || { echo "FAIL: screenshot looks too plain for a chart ($colours colours)"; fails=$((fails + 1)); }
yellow=$(convert "$SHOT" -fill black +opaque "rgb(255,255,224)" -fill white -opaque "rgb(255,255,224)" \
  -colorspace Gray -format '%[fx:mean]' info:)
check "first colour band painted" 1 "$(awk -v m="$yellow" 'BEGIN { print (m > 0.01) ? 1 : 0 }')"
echo "screenshot: $SHOT"
# The manual in the build's home template shows the pictures of this build (the empty screen cut off).
[ "$fails" -eq 0 ] && [ -d "$BUILD/home/Help/images" ] && convert "$SHOT" -trim +repage "$BUILD/home/Help/images/chart-window.png"

# A fixed table, drawn from the numbers: its rows alternate light yellow and light cyan (the chart area is
# otherwise empty, the main window behind the chart window).
FIXED="$ART/fixed-chart.png"
rm -f "$FIXED"
xvfb-run -a -s "-screen 0 1280x900x24" bash -c '
  "$1" --home "$2" --chart "开奖号码:和值号码-细分表" & pid=$!
  sleep 4
  import -window root "$3"
  kill "$pid" 2>/dev/null; wait "$pid" 2>/dev/null; true' _ "$BENCH" "$PICK3_HOME" "$FIXED"
[ -s "$FIXED" ] || { echo "FAIL: no screenshot of the fixed table"; exit 1; }
cyan=$(convert "$FIXED" -fill black +opaque "rgb(238,255,255)" -fill white -opaque "rgb(238,255,255)" \
  -colorspace Gray -format '%[fx:mean]' info:)
check "fixed table rows painted" 1 "$(awk -v m="$cyan" 'BEGIN { print (m > 0.02) ? 1 : 0 }')"
[ "$fails" -eq 0 ] && [ -d "$BUILD/home/Help/images" ] && convert "$FIXED" -trim +repage "$BUILD/home/Help/images/fixed-chart.png"
finish
