#!/usr/bin/env bash
# pick3 chart: grid shapes and cell texts of the main, bias and slant charts.
source "$(dirname "$0")/lib.bash"

fields() { awk -F'\t' '{print NF}' | sort -u | paste -sd' '; }

printf '2007001 112\n2007002 555\n2007003 556\n' > "$WORK/draws.txt"
run chart 1 --draws "$WORK/draws.txt"
check "chart 1 status" 0 "$RC"
check "chart 1 rows" 13 "$(printf '%s\n' "$OUT" | wc -l)"
check "chart 1 fields" 45 "$(printf '%s\n' "$OUT" | fields)"
check "chart 1 draw 555" $'2007002\t555\t0号\t15\t0\t\t\t\t\t\t5\t\t\t\t\t\t\t\t\t\t5\t\t\t\t\t\t\t\t\t\t5\t\t\t\t\tA\t\t\t\t\tA\t\t\t\t' \
  "$(printf '%s\n' "$OUT" | sed -n 4p)"
check "chart 1 prediction row" "预测行" "$(printf '%s\n' "$OUT" | sed -n 6p | cut -f1)"
check "chart 1 statistics" $'出现总次数\t\t\t\t\t0\t1\t0\t0\t0\t2' "$(printf '%s\n' "$OUT" | sed -n 8p | cut -f1-11)"
check "chart 1 title row" $'号码表\t\t\t\t\t百位号分布图' "$(printf '%s\n' "$OUT" | head -1 | cut -f1-6)"

run chart 13 --draws "$WORK/draws.txt"
check "chart 13 text columns" $'12\t\t03456789' "$(printf '%s\n' "$OUT" | sed -n 4p | cut -f28-30)"

run chart 38 --draws "$WORK/draws.txt"
check "chart 38 rows" 15 "$(printf '%s\n' "$OUT" | wc -l)"
check "chart 38 fields" 38 "$(printf '%s\n' "$OUT" | fields)"
check "chart 38 code row" $'期号\t奖号\t群号\t和\t跨\tA\tX\tD\tC' "$(printf '%s\n' "$OUT" | sed -n 9p | cut -f1-9)"

printf '1 12345\n2 67890\n3 13579\n' > "$WORK/five.txt"
run chart 39 --draws "$WORK/five.txt"
check "chart 39 rows" 9 "$(printf '%s\n' "$OUT" | wc -l)"
check "chart 39 fields" 59 "$(printf '%s\n' "$OUT" | fields)"
check "chart 39 prediction label" "下期预测------->" "$(printf '%s\n' "$OUT" | sed -n 6p | cut -f1)"
run chart 41 --draws "$WORK/five.txt"
check "chart 41 rows" 7 "$(printf '%s\n' "$OUT" | wc -l)"

run chart 2 --lottery 福彩3D --last 30
check "chart over the home" 40 "$(printf '%s\n' "$OUT" | wc -l)"
run chart 2
check "default range" 1010 "$(printf '%s\n' "$OUT" | wc -l)"

run chart 29 --draws "$WORK/draws.txt"
check "kind 29 status" 2 "$RC"
check "kind 29 message" "没有这个图表: 29" "$ERR"
run chart 37 --draws "$WORK/draws.txt"
check "kind 37 status" 2 "$RC"
run chart 1 --draws "$WORK/draws.txt" --last 1
check "one-draw range" "请正常设置范围!" "$ERR"
finish
