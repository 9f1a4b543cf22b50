#!/usr/bin/env bash
# pick3 betplan: the table, a changed row, the spreadsheet and the automatic stop.
source "$(dirname "$0")/lib.bash"

run betplan --cost 2 --prize 160 --start 1 --periods 3 --rate 10
check "status" 0 "$RC"
check "table" $'期数\t倍数\t当期投入\t累计投入\t中奖奖金\t利润\t利润率\n1\t1\t2\t2\t160\t158\t7900%\n2\t1\t2\t4\t160\t156\t3900%\n3\t1\t2\t6\t160\t154\t2567%' "$OUT"
run betplan --periods 4 --rate 100 --change 3=20 --xlsx "$WORK/plan.xlsx"
check "changed row" $'3\t20\t40\t44\t3200\t3156\t7173%' "$(printf '%s\n' "$OUT" | sed -n 4p)"
[ -s "$WORK/plan.xlsx" ] || { echo "FAIL: no spreadsheet"; fails=$((fails + 1)); }
run betplan --cost 1.005 --periods 3
check "exact halves" $'1\t1\t1.01\t1.01\t160\t159\t15820%\n2\t1\t1.01\t2.01\t160\t157.99\t7860%\n3\t1\t1.01\t3.02\t160\t156.99\t5207%' "$(printf '%s\n' "$OUT" | sed -n 2,4p)"
run betplan --cost 1e3
check "exponent refused" 2 "$RC"
run betplan --prize 2
check "unreachable status" 2 "$RC"
check "unreachable message" "分析自动停止!" "$ERR"
run betplan --rate abc
check "bad rate" "百分比设置有错!" "$ERR"
run betplan --rate 0
check "zero rate" "请正确输入利润率!" "$ERR"
finish
