#!/usr/bin/env bash
# pick3 update against a loopback file server: new draws merged, nothing new, no server.
source "$(dirname "$0")/lib.bash"
command -v python3 >/dev/null || { echo "python3 missing: skipped"; finish; exit 0; }

mkdir -p "$WORK/site/down"
PORT=$(python3 -c 'import socket; s=socket.socket(); s.bind(("127.0.0.1",0)); print(s.getsockname()[1])')
python3 -m http.server "$PORT" --bind 127.0.0.1 --directory "$WORK/site" >/dev/null 2>&1 &
SERVER=$!
trap 'kill $SERVER 2>/dev/null || true; rm -rf "$WORK"' EXIT
for _ in $(seq 50); do python3 -c "import socket; socket.create_connection(('127.0.0.1',$PORT))" 2>/dev/null && break; sleep 0.1; done

run lottery add '新彩' --kind 体彩
printf '2024001 111\r\n2024002 2 2 2\r\n' > "$WORK/site/down/新彩.txt"
run update --lottery '新彩' --url "http://127.0.0.1:$PORT"
check "update status" 0 "$RC"
check "update" $'更新成功\t2' "$OUT"
run update --lottery '新彩' --url "http://127.0.0.1:$PORT/"
check "nothing new" $'更新成功\t0' "$OUT"
run draws list --lottery '新彩'
check "stored" $'2024001\t111\n2024002\t222' "$OUT"

kill $SERVER; wait $SERVER 2>/dev/null || true
run update --lottery '新彩' --url "http://127.0.0.1:$PORT"
check "no server status" 2 "$RC"
check "no server message" "无法连接星河阁服务器 可能网站目前无法正常防问!" "$ERR"
run update --lottery '新彩'
check "no address status" 2 "$RC"
run draws list --lottery '新彩'
check "still stored" $'2024001\t111\n2024002\t222' "$OUT"
run version
check "version off" "" "$OUT"
finish
