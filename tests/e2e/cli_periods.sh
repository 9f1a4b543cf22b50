#!/usr/bin/env bash
# Periods and the database as the command line meets them: period length and bound, a database
# holding a period twice, a locked database, a folder in its place, and version answers that are none.
source "$(dirname "$0")/lib.bash"
command -v sqlite3 >/dev/null || { echo "sqlite3 missing: skipped"; finish; exit 0; }
L='福彩3D'
DB="$PICK3_HOME/Data/MDB.sqlite"
"$PICK3" lottery list >/dev/null
BEFORE=$("$PICK3" draws list --lottery "$L")
LAST=$(printf '%s\n' "$BEFORE" | tail -1 | cut -f1)

# One digit too many, or a period beyond any period: refused by name, nothing stored.
run draws add --lottery "$L" "${LAST}0" 123
check "long hand entry status" 2 "$RC"
check "long hand entry" "第${LAST}0期 期号位数不对: 本彩票的期号是 7 位数字" "$ERR"
run draws add --lottery "$L" 9223372036854775807 123
check "huge period" "期号太长: 9223372036854775807 (期号最多 12 位数字)" "$ERR"
printf '%s 123\n9223372036854775807 456\n' "$((LAST + 1))" > "$WORK/huge.txt"
run import --lottery "$L" --merge "$WORK/huge.txt"
check "huge period import status" 2 "$RC"
check "huge period import" "期号太长: 9223372036854775807 (期号最多 12 位数字)" "$ERR"
run stats --lottery "$L" --from 99999999999999999999 --to "$LAST" --kinds 和值
check "huge --from status" 2 "$RC"
check "huge --from" "期号太长: 99999999999999999999 (期号最多 12 位数字)" "$ERR"
run chart 1 --lottery "$L" --from "$LAST" --to 1x
check "bad --to" "期号必须是数字: 1x" "$ERR"
check "nothing stored" "$BEFORE" "$("$PICK3" draws list --lottery "$L")"

# A database of an earlier version holding a period twice: repaired on the first open, said once.
sqlite3 "$DB" "DROP INDEX FuCai_Table_period; INSERT INTO FuCai_Table VALUES ($LAST, '999', 1);"
run draws list --lottery "$L"
check "repaired list" "$BEFORE" "$OUT"
check "repair said" "数据库中有 1 条重复期号的开奖记录 (期号 $LAST), 已删除, 每期保留最早存入的一条: $DB" "$ERR"
run draws list --lottery "$L"
check "repair said once" "" "$ERR"

# Another program holds the database locked: "in use", nothing changed (waits a few seconds first).
# The lock is held until the test removes the hold file, however slow a busy machine is.
touch "$WORK/hold"
(sqlite3 "$DB" "BEGIN EXCLUSIVE; SELECT count(*) FROM FuCai_Table;" \
  ".shell while [ -e '$WORK/hold' ]; do sleep 0.1; done" "ROLLBACK;" >/dev/null) &
LOCKER=$!
# Wait until the lock is really held (a write then fails at once: the sqlite3 shell does not wait).
HELD=no
for _ in $(seq 300); do
  sqlite3 "$DB" "BEGIN IMMEDIATE; ROLLBACK;" 2>/dev/null || { HELD=yes; break; }
  sleep 0.1
done
check "lock taken by the other program" yes "$HELD"
run draws add --lottery "$L" "$((LAST + 1))" 123
check "locked status" 2 "$RC"
check "locked" "数据库正被另一个程序使用, 没有做任何更改, 请稍后再试: $DB" "$ERR"
rm -f "$WORK/hold"
wait $LOCKER || true
check "locked changed nothing" "$BEFORE" "$("$PICK3" draws list --lottery "$L")"

# A folder where the database belongs is named as such.
mkdir -p "$WORK/folder/Data/MDB.sqlite"
cp "$PICK3_HOME/Sys_Set.ini" "$WORK/folder/"
run --home "$WORK/folder" draws list --lottery "$L"
check "folder status" 2 "$RC"
check "folder" "数据库路径是一个文件夹, 不是数据库文件: $WORK/folder/Data/MDB.sqlite" "$ERR"

# A version check answered by an error page or by garbage is no answer: nothing printed.
if command -v python3 >/dev/null; then
  mkdir -p "$WORK/site"
  PORT=$(python3 -c 'import socket; s=socket.socket(); s.bind(("127.0.0.1",0)); print(s.getsockname()[1])')
  python3 -m http.server "$PORT" --bind 127.0.0.1 --directory "$WORK/site" >/dev/null 2>&1 &
  SERVER=$!
  trap 'kill $SERVER 2>/dev/null || true; rm -rf "$WORK"' EXIT
  for _ in $(seq 50); do python3 -c "import socket; socket.create_connection(('127.0.0.1',$PORT))" 2>/dev/null && break; sleep 0.1; done
  printf '<!DOCTYPE html>\n<html><body>\x01\x02\xff</body></html>\n' > "$WORK/site/Soft_Ban_Bencheck.asp"
  run version --url "http://127.0.0.1:$PORT"
  check "html answer status" 0 "$RC"
  check "html answer prints nothing" "" "$OUT"
  printf '9.1\r\n' > "$WORK/site/Soft_Ban_Bencheck.asp"
  run version --url "http://127.0.0.1:$PORT"
  check "newer version" $'new\t9.1' "$OUT"
  kill $SERVER
fi
finish
