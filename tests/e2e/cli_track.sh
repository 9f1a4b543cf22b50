#!/usr/bin/env bash
# pick3 lottery list and pick3 track against the sample home and against draw files.
source "$(dirname "$0")/lib.bash"

run lottery list
check "lottery list status" 0 "$RC"
check "lottery list" $'体彩排列3\t体彩\t0\t3\t7721\tsporttery\n福彩3D\t福彩\t1\t3\t7753\tcwl\n体彩排列5\t体彩\t2\t5\t7612\tsporttery' "$OUT"
[ -f "$PICK3_HOME/Data/MDB.sqlite" ] || { echo "FAIL: home not created"; fails=$((fails + 1)); }

run track
check "track status" 0 "$RC"
check "track line count" 22 "$(printf '%s\n' "$OUT" | wc -l)"
check "first prediction line shape" "prediction	1	" "$(printf '%s\n' "$OUT" | head -1 | cut -c1-13)"

# One public number 123 and the draws 000, 125: level 0 ends in 002, the higher levels are empty.
printf '123\n' > "$WORK/public.txt"
printf '2007001 000\n2007002 1 2 5\n' > "$WORK/draws.txt"
run track --draws "$WORK/draws.txt" --public "$WORK/public.txt" --table
check "small track status" 0 "$RC"
check "level 0" $'last\t0\t002' "$(printf '%s\n' "$OUT" | grep -P '^last\t0\t')"
check "level 1 empty" $'last\t1\t' "$(printf '%s\n' "$OUT" | grep -P '^last\t1\t')"
check "table rows" $'2007001\t000\t\t\t\t\t\t\n2007002\t125\t\t\t\t\t\t' "$(printf '%s\n' "$OUT" | tail -2)"

# A five-digit file read as three digits keeps the first three characters.
printf '1 12345\n2 67890\n' > "$WORK/five.txt"
run track --draws "$WORK/five.txt" --public "$WORK/public.txt" --digits 3 --table
check "digits override" $'2\t678\t\t\t\t\t\t' "$(printf '%s\n' "$OUT" | tail -1)"

# Errors: the message on stderr, status 2, nothing on stdout.
printf '1 123\n2 45\n' > "$WORK/bad.txt"
run track --draws "$WORK/bad.txt"
check "bad draw file status" 2 "$RC"
check "bad draw file message" "第2期 奖号格式有问题" "$ERR"
check "bad draw file stdout" "" "$OUT"
run track --lottery "没有\"这个'彩票"
check "unknown lottery status" 2 "$RC"
run track --draws "$WORK/none.txt"
check "missing file status" 2 "$RC"
run nosuchcommand
check "unknown command status" 2 "$RC"

run --help
check "help status" 0 "$RC"
for word in track lottery; do
  printf '%s\n' "$OUT" | grep -q "$word" || { echo "FAIL: help lacks $word"; fails=$((fails + 1)); }
done

# A corrupt database file is reported by name.
printf 'garbage' > "$PICK3_HOME/Data/MDB.sqlite"
run lottery list
check "corrupt db status" 2 "$RC"
case "$ERR" in *MDB.sqlite*) ;; *) echo "FAIL: corrupt db message: $ERR"; fails=$((fails + 1));; esac
finish
