#!/usr/bin/env bash
# pick3 stats: the statistics table over a draw file and over the sample home.
source "$(dirname "$0")/lib.bash"

printf '2007001 123\n2007002 456\n2007003 129\n' > "$WORK/draws.txt"
run stats --draws "$WORK/draws.txt" --kinds 百位号
check "stats status" 0 "$RC"
check "stats table" "# 百位号
名称	出现次数	出现概率	理论概率	概率偏差	理论周期	平均周期	最大遗漏	本期遗漏	上期遗漏	上上期遗漏	上上上期遗漏	最大连出	投资价值	直选注数
1	2	66.67%	10%	56.67%	10	1.5	1	0	1	0	0	1	0	100注
4	1	33.33%	10%	23.33%	10	3	1	1	1	0	0	1	0.1	100注" "$OUT"

run stats --draws "$WORK/draws.txt" --from 2007002 --to 2007003 --kinds 组六4码
check "range from/to" "0129	1	50%	2.7%	47.3%	37.04	2	1	0	1	0	0	1	0	27注" "$(printf '%s\n' "$OUT" | sed -n 3p)"

run stats --all
check "all status" 0 "$RC"
check "all kinds" 60 "$(printf '%s\n' "$OUT" | grep -c '^# ')"
check "first kind" "# 百位号" "$(printf '%s\n' "$OUT" | head -1)"
check "last kind" "# 直选三码" "$(printf '%s\n' "$OUT" | grep '^# ' | tail -1)"
check "1000 draws" 1000 "$(printf '%s\n' "$OUT" | sed -n '3,12p' | cut -f2 | paste -sd+ | bc)"

run stats --draws "$WORK/draws.txt" --last 1 --kinds 和值
check "one-draw range status" 2 "$RC"
check "one-draw range message" "请正常设置范围!" "$ERR"
run stats --draws "$WORK/draws.txt"
check "no kind" "请选择统计的条件名称!" "$ERR"
run stats --draws "$WORK/draws.txt" --kinds 位合二码组合
check "kind 30 refused" 2 "$RC"
run stats --draws "$WORK/draws.txt" --from 1 --to 2007003 --kinds 和值
check "unknown period" 2 "$RC"
finish
