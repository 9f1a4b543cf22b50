#!/usr/bin/env bash
# pick3 fixed-chart: the list of the fifteen tables, the sum and span tables against a count made here
# with awk over 000..999, and the refusal of an unknown name.
source "$(dirname "$0")/lib.bash"

run fixed-chart --list
check "list status" 0 "$RC"
check "list count" 15 "$(printf '%s\n' "$OUT" | wc -l)"
check "list first and last" "和值号码-细分表 合值-跨度-细分表" "$(printf '%s\n' "$OUT" | sed -n '1p;$p' | paste -sd' ')"

# key(a,b,c) → the expected TSV: key, direct count, then the group forms of each type, ascending.
expected() {
  awk -v mode="$1" -v title="$2" 'BEGIN {
    printf "%s\t直选注数\t豹子\t组三\t组六\n", title
    for (n = 0; n < 1000; n++) {
      a = int(n / 100); b = int(n / 10) % 10; c = n % 10
      lo = a; if (b < lo) lo = b; if (c < lo) lo = c
      hi = a; if (b > hi) hi = b; if (c > hi) hi = c
      k = (mode == "sum") ? a + b + c : hi - lo
      direct[k]++
      if (a <= b && b <= c) {
        t = (a == c) ? 1 : ((a == b || b == c) ? 2 : 3)
        f = a "" b "" c
        forms[k, t] = (forms[k, t] == "") ? f : forms[k, t] " " f
      }
      if (k > last) last = k
    }
    for (k = 0; k <= last; k++) printf "%d\t%d\t%s\t%s\t%s\n", k, direct[k], forms[k, 1], forms[k, 2], forms[k, 3]
  }'
}

run fixed-chart 和值号码-细分表
check "sum status" 0 "$RC"
check "sum table" "$(expected sum 和值)" "$OUT"
run fixed-chart 跨度组合-细分表
check "span table" "$(expected span 跨度)" "$OUT"

run fixed-chart 没有的表
check "unknown status" 2 "$RC"
check "unknown message" "没有这个固定图表: 没有的表" "$ERR"
check "unknown stdout" "" "$OUT"

run --help
check "help lists fixed-chart" 1 "$(printf '%s\n' "$OUT" | grep -c 'pick3 fixed-chart 和值号码-细分表')"
finish
