#!/usr/bin/env bash
# pick3 lottery add/delete, draws, import and export against a fresh home.
source "$(dirname "$0")/lib.bash"

run lottery add '新"彩' --kind 福彩 --digits 4
check "add status" 0 "$RC"
check "add line" $'新"彩\t福彩\t3\t4' "$OUT"
run lottery add '新"彩' --kind 福彩
check "duplicate status" 2 "$RC"
check "duplicate message" "彩票名称 有重复!" "$ERR"
run lottery add '' --kind 体彩
check "empty name" "请输入 彩票名称!" "$ERR"

run lottery add $'tab\tname' --kind 体彩
check "tab in name status" 2 "$RC"
run lottery list
check "tab in name not stored" 4 "$(printf '%s\n' "$OUT" | wc -l)"

run draws add --lottery '新"彩' 2024001 0123
check "draws add" "共: 1 期" "$OUT"
run draws add --lottery '新"彩' 2024001 4567
check "duplicate period status" 2 "$RC"
check "duplicate period" "第2024001期 已经存在!" "$ERR"
run draws add --lottery '新"彩' 2024002 456
check "digit count" "奖号位数不正确!" "$ERR"
run draws add --lottery '新"彩' -- -5 3333
check "signed period" "期号只能由数字组成!" "$ERR"
run draws add --lottery '新"彩' 2024003 3333
run draws insert --lottery '新"彩' --before 2024003 2024002 2222
run draws modify --lottery '新"彩' 2024001 1111
run draws list --lottery '新"彩'
check "list after edits" $'2024001\t1111\n2024002\t2222\n2024003\t3333' "$OUT"
run draws delete --lottery '新"彩' 2024002
check "delete" "共: 2 期" "$OUT"

run export --lottery '新"彩' "$WORK/out"
check "export adds .txt" "$WORK/out.txt" "$OUT"
check "export text" $'2024001 1111\r\n2024003 3333\r' "$(cat "$WORK/out.txt")"

printf '2024001 1111\n2024004 4 4 4 4\n2024005 12\n' > "$WORK/bad.txt"
run import --lottery '新"彩' "$WORK/bad.txt"
check "bad import status" 2 "$RC"
check "bad import message" "第2024005期 奖号格式有问题" "$ERR"
run draws list --lottery '新"彩'
check "bad import changes nothing" $'2024001\t1111\n2024003\t3333' "$OUT"

printf '2024003 3333\n2024004 4 4 4 4\n' > "$WORK/more.txt"
run import --lottery '新"彩' --merge "$WORK/more.txt"
check "merge" $'共: 3 期\t1' "$OUT"
run import --lottery '新"彩' "$WORK/more.txt"
check "replace" $'共: 2 期\t2' "$OUT"
printf '2024007 7777\n2024007 8888\n' > "$WORK/twice.txt"
run import --lottery '新"彩' "$WORK/twice.txt"
check "repeated period refused" 2 "$RC"
check "repeated period named" "第2024007期 在文件中出现了两次, 没有导入任何数据" "$ERR"
run draws list --lottery '新"彩'
check "repeated period changes nothing" $'2024003\t3333\n2024004\t4444' "$OUT"
head -c 4000 /dev/urandom > "$WORK/noise.bin"; printf '\0' >> "$WORK/noise.bin"
run import --lottery '新"彩' "$WORK/noise.bin"
check "binary import status" 2 "$RC"
run draws list --lottery '新"彩'
check "binary import changes nothing" $'2024003\t3333\n2024004\t4444' "$OUT"
run draws clear --lottery '新"彩'
check "clear" "共: 0 期" "$OUT"

run lottery delete '新"彩'
check "delete lottery status" 0 "$RC"
run lottery delete '新"彩'
check "delete unknown status" 2 "$RC"
run lottery list
check "list count" 3 "$(printf '%s\n' "$OUT" | wc -l)"
finish
