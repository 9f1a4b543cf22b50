#!/usr/bin/env bash
# Files a user names: read-only targets are kept, pipes and devices never hang a reader, names that
# name no file and option values that do not fit are refused with status 2.
source "$(dirname "$0")/lib.bash"
cd "$WORK"

run lottery list
check "home made" 0 "$RC"

# Read-only targets: refused naming the file, left as they were (also for the superuser).
printf 'keep me\n' > ro.txt; chmod 444 ro.txt
run export --lottery 福彩3D ro.txt
check "export over read-only status" 2 "$RC"
check "export over read-only message" "无法写入文件: ro.txt (文件是只读的)" "$ERR"
check "export over read-only kept" "keep me" "$(cat ro.txt)"
printf '123 456\n' > a.txt
printf '{1,A,1,0}\r\n' > ro.SGL; chmod 444 ro.SGL
run sets save ro.SGL a.txt
check "sets save over read-only status" 2 "$RC"
check "sets save over read-only message" "无法写入文件: ro.SGL (文件是只读的)" "$ERR"
check "sets save kept" "{1,A,1,0}" "$(tr -d '\r' < ro.SGL)"
chmod 444 "$PICK3_HOME/Sys_Set.ini"
before=$(md5sum < "$PICK3_HOME/Sys_Set.ini")
run print-layout --title T <<< "123 456"
check "print-layout read-only settings status" 2 "$RC"
check "print-layout read-only settings message" "无法写入文件: $PICK3_HOME/Sys_Set.ini (文件是只读的)" "$ERR"
check "settings kept" "$before" "$(md5sum < "$PICK3_HOME/Sys_Set.ini")"
check "no number file written either" "no" "$([ -e "$PICK3_HOME/print_data.txt" ] && echo yes || echo no)"
chmod 644 "$PICK3_HOME/Sys_Set.ini"
chmod 640 a.txt
run sets save kept.SGL a.txt
cp kept.SGL mode.SGL; chmod 600 mode.SGL
run sets save mode.SGL a.txt
check "rewrite keeps the mode" "600" "$(stat -c %a mode.SGL)"

# Names that name no file.
run sets save '' a.txt
check "sets save empty status" 2 "$RC"
check "sets save empty message" "请输入文件名!" "$ERR"
run sets save / a.txt
check "sets save / status" 2 "$RC"
check "sets save / message" "无法写入文件: / (不是文件名)" "$ERR"
mkdir -p somedir
run export --lottery 福彩3D somedir/
check "export somedir/ status" 2 "$RC"
check "export somedir/ message" "无法写入文件: somedir/ (不是文件名)" "$ERR"
run export --lottery 福彩3D somedir
check "export onto a folder status" 2 "$RC"
run export --lottery 福彩3D /
check "export / status" 2 "$RC"
check "nothing written in the folder" "" "$(ls -A somedir)"
run --home '' lottery list
check "empty home status" 2 "$RC"
check "empty home message" "--home: 程序文件夹不能是空的名字 (--home)" "$(head -1 <<< "$ERR")"

# Pipes without a writer and endless devices: every reader refuses at once, in the same words.
mkfifo pipe
fifo_refused="无法读取文件: pipe (不是普通文件)"
t() { set +e; timeout 20 "$PICK3" "$@" 2>"$WORK/stderr" >/dev/null; RC=$?; set -e; ERR=$(cat "$WORK/stderr"); }
printf 'Begin_Tianjiao\r\n1~和值~1|0|无设置~1~0\r\n和值~10~1~0\r\nEnd_Tianjiao\r\n' > sum.ag
for args in "intersect --entry pipe" "sets union pipe" "sets list pipe.SGL" "convert 组变单 --input pipe" \
            "filter --conditions pipe" "filter --conditions sum.ag --base pipe" "import --lottery 福彩3D pipe" \
            "track --draws pipe" "track --lottery 福彩3D --public pipe" "backtest --conditions pipe"; do
  [ "$args" = "sets list pipe.SGL" ] && { rm -f pipe.SGL; mkfifo pipe.SGL; }
  t $args
  want="$fifo_refused"; [ "$args" = "sets list pipe.SGL" ] && want="无法读取文件: pipe.SGL (不是普通文件)"
  check "$args: status (124 is a hang)" 2 "$RC"
  check "$args: message" "$want" "$ERR"
done
t track --draws /dev/zero
check "draws from /dev/zero" "无法读取文件: /dev/zero (不是普通文件)" "$ERR"
t track --lottery 福彩3D --public /dev/zero
check "public from /dev/zero" "无法读取文件: /dev/zero (不是普通文件)" "$ERR"
truncate -s 65M big.txt
t track --draws big.txt
check "draws over the bound" "无法读取文件: big.txt (文件太大, 超过 64 MB)" "$ERR"

# Public numbers: digits only, as many as the lottery's digits and at most five.
for entry in 12 ab 1234567 12a; do
  printf '13579\n%s\n' "$entry" > public.txt
  run track --lottery 福彩3D --public public.txt
  check "public $entry status" 2 "$RC"
  check "public $entry message" "公共号码第 2 行不是 3..5 位数字: $entry" "$ERR"
done
printf '13579\n 2 4 6 8 0 \n\n123\n' > public.txt
run track --lottery 福彩3D --public public.txt
check "good public numbers" 0 "$RC"

# Set lists without a set.
: > empty.SGL
printf '123 456 789 \r\n' > headless.SGL
for f in empty.SGL headless.SGL; do
  run sets list "$f"
  check "$f status" 2 "$RC"
  check "$f message" "集合列表文件中没有集合 (没有 {运算,名称,保留,容错} 行): $f" "$ERR"
done

# Option values that do not fit: no wrap to a huge count, no octal or hex reading.
for cmd in "stats --lottery 福彩3D --kinds 和值" "chart 1 --lottery 福彩3D" "backtest --conditions sum.ag --lottery 福彩3D"; do
  for v in -1 18446744073709551616 0x10 "" 1.5; do
    run $cmd --last "$v"
    check "$cmd --last '$v' status" 2 "$RC"
  done
done
run stats --lottery 福彩3D --kinds 和值 --last -1
check "--last -1 message" "--last: 应为 1..100000000 之间的整数: -1" "$(head -1 <<< "$ERR")"
run stats --lottery 福彩3D --kinds 和值 --last 010
check "--last 010 is ten" 0 "$RC"
for bad in "track --lottery 福彩3D --digits 4294967299" "convert track --series -1 --input a.txt" \
           "chart 4294967297" "lottery add x --kind 福彩 --digits 9" "print-layout --columns 0" \
           "betplan --start 0" "betplan --change -1=5" "betplan --change 18446744073709551617=5"; do
  run $bad < /dev/null
  check "$bad status" 2 "$RC"
done
run betplan --start 0
check "betplan --start 0 message" "--start: 起始倍数 必须是正整数!" "$(head -1 <<< "$ERR")"

# A condition line the program cannot use is never run silently; the file's line is named.
printf 'Begin_Tianjiao\r\n1~已出号码~1|0|无设置~1~0\r\n已出号码~3a^0~0~0\r\n%%0\r\nEnd_Tianjiao\r\n' > letters.ag
run filter --conditions letters.ag --lottery 福彩3D
check "已出号码 with letters status" 2 "$RC"
check "已出号码 with letters message" "条件文件第 1 行 (条件序号1) 无法使用: 已出号码的期数和星轨参数必须是数字: 1~已出号码~1|0|无设置~1~0" "$ERR"
check "nothing printed" "" "$OUT"
# UTF-8 with a stray byte still knows its names; UTF-16 with its mark reads as text.
printf 'Begin_Tianjiao\r\n1~和值~1|0|无设置~1~0\r\n和值~10~1~0\r\nEnd_Tianjiao\r\n\xb5\r\n' > damaged.ag
run filter --conditions damaged.ag --lottery 福彩3D
check "damaged utf-8 names the stray line" 2 "$RC"
check "damaged utf-8 message" "条件文件第 5 行 (条件序号2) 无法使用: 不在 Begin_Tianjiao 与 End_Tianjiao 之间: �" "$ERR"
iconv -f UTF-8 -t UTF-16 sum.ag > utf16.ag
run filter --conditions utf16.ag --lottery 福彩3D
check "utf-16 condition file" "共: 63 注" "$ERR"
run export --lottery 福彩3D draws.txt
iconv -f GBK -t UTF-16 draws.txt > draws16.txt
run import --lottery 福彩3D draws16.txt
check "utf-16 draw file imports" "0" "$RC"
run track --draws draws16.txt
check "utf-16 draw file reads" "0" "$RC"
printf '123 456\n' | iconv -t UTF-16 > numbers16.txt
run sets union numbers16.txt
check "utf-16 number file" $'123\n456' "$OUT"
finish
