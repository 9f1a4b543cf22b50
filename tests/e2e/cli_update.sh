#!/usr/bin/env bash
# pick3 update against a loopback file server: new draws stored, nothing new, sources, bad feeds, no server.
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

# Each lottery's source is the sixth column of the list; the template's lotteries use the public sites.
run lottery list
check "sources listed" $'sporttery\ncwl\nsporttery\nserver' "$(printf '%s\n' "$OUT" | cut -f6)"
run lottery source '新彩' ftp
check "unknown source status" 2 "$RC"
run lottery source '新彩' lines
check "source set status" 0 "$RC"
run lottery list
check "source set" "lines" "$(printf '%s\n' "$OUT" | grep '^新彩' | cut -f6)"

# A text archive, newest first with dates; {name} in the address stands for the lottery.
printf '2024005 2024-01-05 5 5 5\n2024004 2024-01-04 444\n2024003 2024-01-03 3 3 3\n' > "$WORK/site/arch-新彩.txt"
run update --lottery '新彩' --url "http://127.0.0.1:$PORT/arch-{name}.txt"
check "lines update" $'更新成功\t3' "$OUT"

# A bad line: nothing is stored past it, and it is named.
printf '2024006 12\n2024007 777\n' > "$WORK/site/down/新彩.txt"
run update --lottery '新彩' --source server --url "http://127.0.0.1:$PORT"
check "bad line status" 2 "$RC"
check "bad line named" 1 "$(grep -c '2024006 12' <<<"$ERR")"
# Disorder: every line above the newest stored draw, in period order.
printf '2024009 999\n2024001 111\n2024008 888\n' > "$WORK/site/down/新彩.txt"
run update --lottery '新彩' --source server --url "http://127.0.0.1:$PORT"
check "disorder" $'更新成功\t2' "$OUT"
run draws list --lottery '新彩'
check "stored in order" $'2024001\t111\n2024002\t222\n2024003\t333\n2024004\t444\n2024005\t555\n2024008\t888\n2024009\t999' "$OUT"
# A web page in place of the draw file is a failure, not 更新成功 0.
printf '<!DOCTYPE html>\n<html><body>Not here</body></html>\n' > "$WORK/site/down/新彩.txt"
run update --lottery '新彩' --source server --url "http://127.0.0.1:$PORT"
check "web page status" 2 "$RC"
check "web page output" "" "$OUT"

kill $SERVER; wait $SERVER 2>/dev/null || true
run update --lottery '新彩' --source server --url "http://127.0.0.1:$PORT"
check "no server status" 2 "$RC"
check "no server message" "无法连接星河阁服务器 可能网站目前无法正常防问!" "$ERR"
run update --lottery '新彩' --source server
check "no address status" 2 "$RC"
check "no address message" "没有设置数据服务器地址 (Sys_Set.ini [Server] DataUrl)" "$ERR"
run draws list --lottery '新彩'
check "still stored" 7 "$(printf '%s\n' "$OUT" | wc -l)"
run version
check "version off" "" "$OUT"
finish
