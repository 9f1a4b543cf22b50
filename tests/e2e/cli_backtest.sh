#!/usr/bin/env bash
# pick3 backtest over a small draw file and over the sample lottery.
source "$(dirname "$0")/lib.bash"

printf '2024001 123\n2024002 456\n2024003 789\n2024004 456\n2024005 000\n2024006 123\n' > "$WORK/draws.txt"
printf 'Begin_Tianjiao\n1~已出号码~1|0|无设置~1~0\n已出号码~2^0~0~0\n%%0\nEnd_Tianjiao\n' > "$WORK/drawn.ag"
run backtest --conditions "$WORK/drawn.ag" --draws "$WORK/draws.txt" --last 4
check "status" 0 "$RC"
check "output" "$(printf 'period\tdraw\tsurvived\tcount\tfailed_lines
2024003\t789\t1\t998\t
2024004\t456\t0\t998\t1
2024005\t000\t1\t998\t
2024006\t123\t1\t998\t
periods\thits\thit_rate\tmean_size\trandom_hit_rate
4\t3\t0.7500\t998.0000\t0.9980
line\tname\tshare_kept\trejected\tlift
1\t已出号码\t0.9980\t1\t0.7515')" "$OUT"

# The sample lottery, 1000 periods, in well under the time a user waits.
printf 'Begin_Tianjiao\n1~和值~1|0|无设置~1~0\n和值~10 11 12 13 14 15 16 17~1~0\nEnd_Tianjiao\nBegin_Tianjiao\n1~热温冷~1|0|无设置~1~0\n形态~b c~1~0\n^^%%1\nEnd_Tianjiao\n' > "$WORK/plan.ag"
run backtest --conditions "$WORK/plan.ag" --last 1000
check "sample status" 0 "$RC"
check "sample rows" 1006 "$(printf '%s\n' "$OUT" | wc -l)"

run backtest --conditions "$WORK/drawn.ag" --draws "$WORK/draws.txt" --last 0
check "last 0 status" 2 "$RC"

# Malformed inputs: a clear message and status 2, never a crash.
printf '2024001 123\n2024002 4x6\n' > "$WORK/bad-draws.txt"
run backtest --conditions "$WORK/drawn.ag" --draws "$WORK/bad-draws.txt"
check "bad draws status" 2 "$RC"
check "bad draws stdout" "" "$OUT"
: > "$WORK/no-draws.txt"
run backtest --conditions "$WORK/drawn.ag" --draws "$WORK/no-draws.txt"
check "no draws status" 2 "$RC"
check "no draws message" "没有可回测的期数" "$ERR"
head -c 200000 /dev/urandom > "$WORK/noise.ag"
run backtest --conditions "$WORK/noise.ag" --draws "$WORK/draws.txt"
check "noise status" 2 "$RC"
finish
