#!/usr/bin/env bash
# The layering of the source tree, read from its #include lines:
#  - no two folders of src/core depend on each other, directly or through other core folders;
#  - no file in src/core includes Qt or a header of the programs above it (gui/, cli/, print/);
#  - in src/gui only main.cpp and app/ include the main window's headers (gui/app/...).
# Usage: check_layering.sh SRC_DIR [--gui-app=fail|warn]
# With --gui-app=warn an arrow back up into gui/app is listed but does not fail the check.
set -u
src=${1:?usage: check_layering.sh SRC_DIR [--gui-app=fail|warn]}
guiMode=fail
for arg in "${@:2}"; do
    case $arg in
    --gui-app=fail) guiMode=fail ;;
    --gui-app=warn) guiMode=warn ;;
    *) echo "unknown option: $arg" >&2; exit 2 ;;
    esac
done
[[ -d $src/core ]] || { echo "no core folder under $src" >&2; exit 2; }

status=0

# Core folder edges "from to file:line", one per include of another core folder.
edges=$(cd "$src" && grep -rnE --include='*.h' --include='*.cpp' '^[[:space:]]*#[[:space:]]*include[[:space:]]*[<"]core/[A-Za-z0-9_]+/' core |
    sed -E 's#^core/([^/:]+)/[^:]*:([0-9]+):.*include[[:space:]]*[<"]core/([A-Za-z0-9_]+)/.*#\1 \3 &#' |
    awk '$1 != $2 { split($3, f, ":"); print $1, $2, f[1] ":" f[2] }')

cycles=$(awk '
    { if (!(($1, $2) in example)) { example[$1, $2] = $3; next_[$1] = next_[$1] " " $2 } node[$1]; node[$2] }
    # The shortest path from a to b over the edges, as "a -> x -> b"; empty when there is none.
    function path(a, b,    queue, head, tail, seen, prev, n, k, outs, v, w, p) {
        head = tail = 0; queue[tail++] = a; seen[a] = 1
        while (head < tail) {
            v = queue[head++]
            n = split(next_[v], outs, " ")
            for (k = 1; k <= n; ++k) {
                w = outs[k]
                if (w in seen) continue
                seen[w] = 1; prev[w] = v; queue[tail++] = w
                if (w == b) { p = b; while (p != a) { p = prev[p]; b = p " -> " b }; return b }
            }
        }
        return ""
    }
    END {
        for (a in node) for (b in node) {
            if (a >= b) continue
            there = path(a, b); if (there == "") continue
            back = path(b, a); if (back == "") continue
            sub(/^[^ ]+ -> /, "", back)
            line = "core folders " a " and " b " depend on each other: " there " -> " back
            n = split(there " -> " back, hop, " -> ")
            for (k = 1; k < n; ++k) line = line "\n    " hop[k] " -> " hop[k + 1] ": " example[hop[k], hop[k + 1]]
            print line
        }
    }' <<<"$edges")
if [[ -n $cycles ]]; then
    echo "FAIL: include cycle between core folders"
    echo "$cycles"
    status=1
fi

qt=$(cd "$src" && grep -rnE --include='*.h' --include='*.cpp' '^[[:space:]]*#[[:space:]]*include[[:space:]]*[<"](Q[A-Z][A-Za-z]*|Qt[A-Za-z]*/[^>"]*)[>"]' core)
if [[ -n $qt ]]; then
    echo "FAIL: core includes Qt"
    echo "$qt" | sed 's/^/    /'
    status=1
fi

above=$(cd "$src" && grep -rnE --include='*.h' --include='*.cpp' '^[[:space:]]*#[[:space:]]*include[[:space:]]*[<"](gui|cli|print)/' core)
if [[ -n $above ]]; then
    echo "FAIL: core includes headers of the programs above it"
    echo "$above" | sed 's/^/    /'
    status=1
fi

if [[ -d $src/gui ]]; then
    up=$(cd "$src" && grep -rnE --include='*.h' --include='*.cpp' '^[[:space:]]*#[[:space:]]*include[[:space:]]*"gui/app/' gui |
        grep -vE '^gui/(main\.cpp|app/)')
    if [[ -n $up ]]; then
        files=$(cut -d: -f1 <<<"$up" | sort -u | wc -l)
        if [[ $guiMode == fail ]]; then
            echo "FAIL: $files gui files outside main.cpp and app/ include gui/app headers"
            status=1
        else
            echo "NOTE (not failing): $files gui files outside main.cpp and app/ include gui/app headers"
        fi
        echo "$up" | sed 's/^/    /'
    fi
fi

if ((status == 0)); then
    echo "layering holds: $(awk 'END { print NR }' <<<"$edges") includes between core folders, no cycle, no Qt in core"
fi
exit $status
