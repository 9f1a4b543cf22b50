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
periods\thits\thit_rate\tmean_size\trandom_hit_rate\tp_value
4\t3\t0.7500\t998.0000\t0.9980\t1.0000
line\tname\tshare_kept\trejected\tlift
1\t已出号码\t0.9980\t1\t0.7515')" "$OUT"

# Money: 4 periods x 998 bets x 0.5 yuan = 1996; 3 hits x 1000 = 3000.
run backtest --conditions "$WORK/drawn.ag" --draws "$WORK/draws.txt" --last 4 --money --price 0.5 --prize-direct 1000
check "money status" 0 "$RC"
check "money block" "$(printf 'cost\treturn\tnet\treturn_rate\n1996\t3000\t1004\t1.5030')" "$(printf '%s\n' "$OUT" | tail -2)"
run backtest --conditions "$WORK/drawn.ag" --draws "$WORK/draws.txt" --last 4 --money --price -1
check "negative price status" 2 "$RC"

# 组六 bets on picked digits: the base 123 132 213 231 312 321 is one group form; the line removes
# the numbers of the last two draws, so 2024006 (123 after 456 and 000) hits.
printf '2024001 123\n2024002 456\n2024003 321\n2024004 456\n2024005 000\n2024006 123\n' > "$WORK/z6.txt"
run backtest --conditions "$WORK/drawn.ag" --draws "$WORK/z6.txt" --last 3 --pick 123/123/123 --bet-type z6 --money
check "z6 status" 0 "$RC"
check "z6 output" "$(printf 'period\tdraw\tsurvived\tcount\tfailed_lines
2024004\t456\t0\t1\t
2024005\t000\t0\t1\t
2024006\t123\t1\t1\t
periods\thits\thit_rate\tmean_size\trandom_hit_rate\tp_value
3\t1\t0.3333\t1.0000\t0.0060\t0.0179
line\tname\tshare_kept\trejected\tlift
1\t已出号码\t1.0000\t0\t1.0000
cost\treturn\tnet\treturn_rate
6\t173\t167\t28.8333')" "$OUT"
run backtest --conditions "$WORK/drawn.ag" --draws "$WORK/z6.txt" --from 2024002 --to 2024003
check "range rows" 2 "$(printf '%s\n' "$OUT" | sed -n '2,3p' | wc -l)"
check "range first" "2024002" "$(printf '%s\n' "$OUT" | sed -n 2p | cut -f1)"

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
