#!/usr/bin/env bash
# pick3 filter: bet list, condition files, tolerances, history lines, refusals and --steps.
source "$(dirname "$0")/lib.bash"

printf 'Begin_Tianjiao\n1~和值~1|0|无设置~1~0\n和值~0 1~1~0\nEnd_Tianjiao\n' > "$WORK/sum.ag"
run filter --conditions "$WORK/sum.ag"
check "sum status" 0 "$RC"
check "sum survivors" $'000\n001\n010\n100' "$OUT"
check "sum count" "共: 4 注" "$ERR"

# The same file in GBK with CRLF line ends reads the same.
iconv -f UTF-8 -t GBK "$WORK/sum.ag" | sed 's/$/\r/' > "$WORK/sum-gbk.ag"
run filter --conditions "$WORK/sum-gbk.ag"
check "gbk survivors" $'000\n001\n010\n100' "$OUT"

# Picked digits and bet types.
run filter --conditions "$WORK/sum.ag" --pick 01/0/0123456789 --bet-type z3
check "pick z3" $'001\n100' "$OUT"
run filter --conditions "$WORK/sum.ag" --pick /0/0
check "no digit status" 2 "$RC"
check "no digit message" "请正确选择" "$ERR"

# Two tolerant lines and the total tolerance.
cat > "$WORK/two.ag" <<'AG'
Begin_Tianjiao
1~百位~1|0|无设置~1~1
百位~1~1~0
End_Tianjiao
Begin_Tianjiao
1~定位号码~1|0|无设置~1~1
十位~2~1~0
End_Tianjiao
AG
sed -i 's/1~百位~/1~定位号码~/' "$WORK/two.ag"
run filter --conditions "$WORK/two.ag" --pick 12/12/3
check "strict" "123" "$OUT"
run filter --conditions "$WORK/two.ag" --pick 12/12/3 --total-tolerance 0-1
check "tolerance 0-1" $'113\n123\n223' "$OUT"
run filter --conditions "$WORK/two.ag" --pick 12/12/3 --total-tolerance 1-2
check "tolerance 1-2 drops the all-pass" $'113\n213\n223' "$OUT"
run filter --conditions "$WORK/two.ag" --pick 12/12/3 --total-tolerance 2-1
check "begin above end" "" "$OUT"
check "begin above end count" "共: 0 注" "$ERR"
run filter --conditions "$WORK/two.ag" --total-tolerance 0-101
check "tolerance range status" 2 "$RC"
run filter --conditions "$WORK/two.ag" --pick 12/12/3 --steps
check "steps" $'123\nstep\t1\t定位号码\t2\nstep\t2\t定位号码\t1' "$OUT"

# A base file, with a row that is not a number.
printf '1 2 3\n0 0 0\n12a\n1 0 0\n' > "$WORK/base.txt"
run filter --conditions "$WORK/sum.ag" --base "$WORK/base.txt"
check "base file" $'000\n100' "$OUT"

# 已出号码 reads the draws given.
printf '2024001 123\n2024002 456\n2024003 789\n' > "$WORK/draws.txt"
printf 'Begin_Tianjiao\n1~已出号码~1|0|无设置~1~0\n已出号码~2^0~0~0\n%%0\nEnd_Tianjiao\n' > "$WORK/drawn.ag"
run filter --conditions "$WORK/drawn.ag" --draws "$WORK/draws.txt" --base "$WORK/draws.txt"
check "drawn before" "123" "$OUT"

# Refusals.
printf '' > "$WORK/empty.ag"
run filter --conditions "$WORK/empty.ag"
check "empty list status" 2 "$RC"
check "empty list message" "没有可供过滤的条件" "$ERR"
sed 's/^1~和值/0~和值/' "$WORK/sum.ag" > "$WORK/unused.ag"
run filter --conditions "$WORK/unused.ag"
check "unused message" "请选择条件" "$ERR"
check "unused stdout" "" "$OUT"
run filter --conditions "$WORK/missing.ag"
check "missing file status" 2 "$RC"
head -c 3000 /dev/urandom > "$WORK/garbage.ag"
run filter --conditions "$WORK/garbage.ag"
check "garbage status" 2 "$RC"

# Bad input of every sort: a clear message and status 2, or a result; never a crash or a hang.
run filter --conditions /dev/zero
check "endless conditions status" 2 "$RC"
check "endless conditions message" "无法读取文件: /dev/zero (不是普通文件)" "$ERR"
run filter --conditions "$WORK/sum.ag" --base /dev/zero
check "endless base status" 2 "$RC"
printf '\xff\xfeB\x00e\x00' > "$WORK/utf16.ag"
run filter --conditions "$WORK/utf16.ag"
check "utf-16 status" 2 "$RC"
check "utf-16 message" "没有可供过滤的条件" "$ERR"
head -c 20000000 /dev/zero | tr '\0' '7' > "$WORK/oneline.txt"
run filter --conditions "$WORK/sum.ag" --base "$WORK/oneline.txt"
check "one huge line base" "共: 0 注" "$ERR"
printf 'Begin_Tianjiao\n1~和值\n和值~0~1~0\n' > "$WORK/truncated.ag"
run filter --conditions "$WORK/truncated.ag"
check "truncated header status" 2 "$RC"
check "truncated header: refused, not run with 保留 missing" "条件文件第 1 行 (条件序号1) 无法使用: 条件字段不是 使用~条件名~条件数~保留~容错: 1~和值" "$ERR"
printf '中 000 注\n' > "$WORK/chinese.txt"
run filter --conditions "$WORK/sum.ag" --base "$WORK/chinese.txt"
check "chinese tokens are no numbers" "000" "$OUT"
run filter --conditions "$WORK/sum.ag" --pick 0123/x/1
check "bad pick status" 2 "$RC"
run filter --conditions "$WORK/sum.ag" --total-tolerance 1
check "bad tolerance status" 2 "$RC"

# An unknown keyword is refused naming the file's line: run without it, the list would mean less.
printf 'Begin_Tianjiao\n1~不存在~1|0|无设置~1~0\nx~y~1~0\nEnd_Tianjiao\n' >> "$WORK/sum.ag"
run filter --conditions "$WORK/sum.ag" --pick 0/0/0123
check "unknown keyword status" 2 "$RC"
check "unknown keyword stdout" "" "$OUT"
check "unknown keyword message" "条件文件第 5 行 (条件序号2) 无法使用: 条件名无法识别: 1~不存在~1|0|无设置~1~0" "$ERR"

run --help
printf '%s\n' "$OUT" | grep -q "filter" || { echo "FAIL: help lacks filter"; fails=$((fails + 1)); }
finish
