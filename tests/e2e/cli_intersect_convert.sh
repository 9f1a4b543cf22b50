#!/usr/bin/env bash
# pick3 intersect and pick3 convert over number files.
source "$(dirname "$0")/lib.bash"

printf '1 2 3\n4 5 6\n' > "$WORK/a.txt"
printf '456 789\n' > "$WORK/b.txt"
run intersect --entry "$WORK/a.txt" --entry "$WORK/b.txt"
check "plain" "456" "$OUT"
check "plain caption" "交集结果为开奖号码 (共:1注)" "$ERR"
run intersect --entry "$WORK/a.txt,tolerant" --entry "$WORK/b.txt,tolerant" --total-tolerance 0-1
check "tolerant" $'123\n456\n789' "$OUT"
run intersect --entry "$WORK/a.txt,exclude"
check "exclude count" 998 "$(printf '%s\n' "$OUT" | wc -l)"
run intersect --entry "$WORK/none.txt"
check "missing entry status" 2 "$RC"
run intersect --entry "$WORK/a.txt,series=7"
check "series 7 status" 2 "$RC"
check "series 7 message" "星轨参数只支持 星轨1..星轨6" "$ERR"

# A track-space entry holding 000 gives the base number of its block.
printf '2024001 123\n2024002 456\n2024003 790\n2024004 135\n' > "$WORK/draws.txt"
printf '111\n222\n333\n444\n555\n666\n777\n888\n999\n000\n123\n234\n345\n456\n567\n678\n789\n890\n' > "$WORK/public.txt"
printf '000\n' > "$WORK/zero.txt"
run track --draws "$WORK/draws.txt" --public "$WORK/public.txt"
P2=$(printf '%s\n' "$OUT" | grep -P '^prediction\t2\t' | cut -f3)
[ ${#P2} -eq 3 ] || { echo "FAIL: no prediction of block 2"; fails=$((fails + 1)); }
run intersect --entry "$WORK/zero.txt,series=2" --draws "$WORK/draws.txt" --public "$WORK/public.txt"
check "track entry" "$P2" "$OUT"
run convert track --series 2 --input "$WORK/zero.txt" --draws "$WORK/draws.txt" --public "$WORK/public.txt"
check "track convert" "$P2" "$OUT"
check "track caption" "开奖号码 (共:1注)" "$ERR"

printf '112 123\n777\n' > "$WORK/groups.txt"
run convert 组变单 --input "$WORK/groups.txt"
check "group to direct" $'112\n121\n123\n132\n211\n213\n231\n312\n321\n777' "$OUT"
printf '321 231 555\n' > "$WORK/direct.txt"
run convert 单变组 --input "$WORK/direct.txt"
check "direct to group" $'123\n555' "$OUT"
run convert sideways --input "$WORK/direct.txt"
check "bad mode status" 2 "$RC"
finish
