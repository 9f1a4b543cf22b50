#!/usr/bin/env bash
# pick3 print-layout, and pick3-print --pdf on what it left when the print program is built.
source "$(dirname "$0")/lib.bash"

printf '027 123 456\n789\n' > "$WORK/numbers.txt"
run print-layout --sep - --columns 2 --seq --title '测试 "标题"' < "$WORK/numbers.txt"
check "status" 0 "$RC"
check "lines" $'     1: 0-2-7     2: 1-2-3\n     3: 4-5-6     4: 7-8-9' "$OUT"
check "file" $'     1: 0-2-7     2: 1-2-3\r\n     3: 4-5-6     4: 7-8-9\r' "$(cat "$PICK3_HOME/print_data.txt")"
run print-layout --sep ';' < "$WORK/numbers.txt"
check "bad separator status" 2 "$RC"
run print-layout --blank 7 < "$WORK/numbers.txt"
check "bad interval status" 2 "$RC"
printf '\x89PNG\r\n\x1a\n\0\0\0\rIHDR' > "$WORK/picture.png"
run print-layout --title kept < "$WORK/picture.png"
check "binary input status" 2 "$RC"
check "binary input message" "输入的不是号码文本!" "$ERR"
check "binary input leaves the file" $'     1: 0-2-7     2: 1-2-3\r\n     3: 4-5-6     4: 7-8-9\r' "$(cat "$PICK3_HOME/print_data.txt")"

PRINT="${PICK3%/cli/pick3}/print/pick3-print"
if [ -x "$PRINT" ]; then
  set +e
  QT_QPA_PLATFORM=offscreen "$PRINT" --home "$PICK3_HOME" --pdf "$WORK/out.pdf" 2>"$WORK/print.err"
  RC=$?
  set -e
  check "pdf status" 0 "$RC"
  check "pdf magic" "%PDF" "$(head -c 4 "$WORK/out.pdf")"
  if command -v pdftotext >/dev/null; then
    TEXT=$(pdftotext "$WORK/out.pdf" - 2>/dev/null)
    for want in '测试 "标题"' '0-2-7' '7-8-9' '4'; do
      case "$TEXT" in *"$want"*) ;; *) echo "FAIL: pdf lacks $want"; fails=$((fails + 1));; esac
    done
  fi
  rm -f "$PICK3_HOME/print_data.txt"
  set +e
  QT_QPA_PLATFORM=offscreen "$PRINT" --home "$PICK3_HOME" --pdf "$WORK/none.pdf" 2>/dev/null
  RC=$?
  set -e
  check "missing data status" 2 "$RC"
  # Without any display: --help still answers, a PDF is still written, the print dialog is refused clearly.
  set +e
  HELP=$(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$PRINT" --help 2>&1); RC=$?
  set -e
  check "help without display status" 0 "$RC"
  case "$HELP" in *--pdf*) ;; *) echo "FAIL: help lacks --pdf: $HELP"; fails=$((fails + 1));; esac
  "$PICK3" print-layout --title 无屏 <<< "027" >/dev/null
  set +e
  env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$PRINT" --home "$PICK3_HOME" --pdf "$WORK/headless.pdf" 2>/dev/null
  check "pdf without display status" 0 "$?"
  NODISPLAY=$(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$PRINT" --home "$PICK3_HOME" 2>&1); RC=$?
  set -e
  check "dialog without display status" 2 "$RC"
  case "$NODISPLAY" in *--pdf*) ;; *) echo "FAIL: no hint at --pdf: $NODISPLAY"; fails=$((fails + 1));; esac
  check "headless pdf magic" "%PDF" "$(head -c 4 "$WORK/headless.pdf")"
fi
run print-layout --title endless < /dev/zero
check "endless input status" 2 "$RC"
printf '\xb5\xda 1 2\n027\n' > "$WORK/gbk.txt"
run print-layout --sep - --title 'GBK' < "$WORK/gbk.txt"
check "gbk input" $'   第-1-2   0-2-7' "$OUT"
finish
