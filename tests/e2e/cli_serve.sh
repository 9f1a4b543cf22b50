#!/usr/bin/env bash
# pick3 serve feeds a second home: update and version check against it, two updates and two merge
# imports at once storing every period once, unknown lotteries, the request log and a clean stop.
source "$(dirname "$0")/lib.bash"
command -v curl >/dev/null || { echo "curl missing: skipped"; finish; exit 0; }

A="$WORK/a"; B="$WORK/b"
L='福彩3D'
"$PICK3" --home "$A" lottery list >/dev/null
"$PICK3" --home "$B" lottery list >/dev/null

: > "$WORK/serve.log"  # there before the server's own redirection, which may come later
"$PICK3" --home "$A" serve --port 0 2>"$WORK/serve.log" &
SERVER=$!
trap 'kill $SERVER 2>/dev/null || true; rm -rf "$WORK"' EXIT
URL=
for _ in $(seq 100); do
  URL=$(sed -n 's/^pick3 serve: \(http:[^ ]*\) .*/\1/p;T;q' "$WORK/serve.log")
  [ -n "$URL" ] && break; sleep 0.1
done
check "serving on loopback" "http://127.0.0.1" "${URL%:*}"

ALL=$("$PICK3" --home "$A" draws list --lottery "$L")
TOTAL=$(printf '%s\n' "$ALL" | wc -l)
KEEP=$((TOTAL - 40))
# From a here-string: head leaving a pipe early would end the writer by SIGPIPE, which pipefail reports.
head -n "$KEEP" <<<"$ALL" | tr '\t' ' ' > "$WORK/older.txt"
reset_b() { "$PICK3" --home "$B" import --lottery "$L" "$WORK/older.txt" >/dev/null; }
no_repeats() { "$PICK3" --home "$B" draws list --lottery "$L" | cut -f1 | sort | uniq -d | wc -l; }

# One update brings the second home level with the first, and the served file is GBK period lines.
reset_b
run --home "$B" update --lottery "$L" --source server --url "$URL"
check "update status" 0 "$RC"
check "update" $'更新成功\t40' "$OUT"
run --home "$B" draws list --lottery "$L"
check "same history" "$ALL" "$OUT"
BODY=$(curl -s "$URL/down/%E7%A6%8F%E5%BD%A93D.txt" | iconv -f GBK -t UTF-8 | tr -d '\r' | tail -1)
check "served line" "$(printf '%s\n' "$ALL" | tail -1 | tr '\t' ' ')" "$BODY"
run --home "$B" version --url "$URL"
check "version answered" "same" "$(cut -f1 <<<"$OUT")"

# Two updates at once, twice: every new period once, the 40 draws added once between them.
for round in 1 2; do
  reset_b
  "$PICK3" --home "$B" update --lottery "$L" --source server --url "$URL" >"$WORK/u1" 2>&1 &
  U1=$!
  "$PICK3" --home "$B" update --lottery "$L" --source server --url "$URL" >"$WORK/u2" 2>&1 &
  U2=$!
  wait $U1; wait $U2
  ADDED=$(( $(cut -f2 "$WORK/u1") + $(cut -f2 "$WORK/u2") ))
  check "two updates add once ($round)" 40 "$ADDED"
  check "two updates no repeats ($round)" 0 "$(no_repeats)"
  check "two updates count ($round)" "$TOTAL" "$("$PICK3" --home "$B" draws list --lottery "$L" | wc -l)"
done

# Two merge imports of the whole history at once.
printf '%s\n' "$ALL" | tr '\t' ' ' > "$WORK/all.txt"
reset_b
"$PICK3" --home "$B" import --lottery "$L" --merge "$WORK/all.txt" >"$WORK/m1" 2>&1 &
M1=$!
"$PICK3" --home "$B" import --lottery "$L" --merge "$WORK/all.txt" >"$WORK/m2" 2>&1 &
M2=$!
wait $M1; wait $M2
check "two merges add once" 40 "$(( $(cut -f2 "$WORK/m1") + $(cut -f2 "$WORK/m2") ))"
check "two merges no repeats" 0 "$(no_repeats)"

# Unknown lotteries and paths are 404, other methods are refused, the server stays read-only.
check "unknown lottery" 404 "$(curl -s -o /dev/null -w '%{http_code}' "$URL/down/nope.txt")"
check "unknown path" 404 "$(curl -s -o /dev/null -w '%{http_code}' "$URL/etc/passwd")"
check "post refused" 405 "$(curl -s -o /dev/null -w '%{http_code}' -X POST -d x "$URL/down/nope.txt")"
"$PICK3" --home "$B" lottery add '只在这里' --kind 体彩 >/dev/null
run --home "$B" update --lottery '只在这里' --url "$URL"
check "update of a lottery the server lacks" 2 "$RC"
check "served home unchanged" "$ALL" "$("$PICK3" --home "$A" draws list --lottery "$L")"
check "one log line per request" 1 "$(grep -c ' GET /down/nope.txt 404 ' "$WORK/serve.log")"

kill -TERM $SERVER
set +e; wait $SERVER; SRC=$?; set -e
check "stops cleanly on SIGTERM" 0 "$SRC"
check "says it stopped" "pick3 serve: stopped" "$(tail -1 "$WORK/serve.log")"

# A port in use is refused with a message, exit 2.
python3 -c 'import socket,sys,time; s=socket.socket(); s.bind(("127.0.0.1",0)); s.listen(); print(s.getsockname()[1], flush=True); time.sleep(5)' >"$WORK/port" &
HOLDER=$!
for _ in $(seq 50); do [ -s "$WORK/port" ] && break; sleep 0.1; done
run --home "$A" serve --port "$(cat "$WORK/port")"
check "port in use" 2 "$RC"
kill $HOLDER 2>/dev/null || true
finish
