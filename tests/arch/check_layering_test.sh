#!/usr/bin/env bash
# The layering check on small made-up trees: it passes a sound tree and names each kind of fault.
set -u
here=$(cd "$(dirname "$0")" && pwd)
check="$here/check_layering.sh"
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
failures=0

# A tree with files "path:include" given as arguments.
make_tree() {
    rm -rf "$tmp/src"
    mkdir -p "$tmp/src/core" "$tmp/src/gui"
    for spec in "$@"; do
        local file=${spec%%:*} include=${spec#*:}
        mkdir -p "$(dirname "$tmp/src/$file")"
        echo "#include $include" >>"$tmp/src/$file"
    done
}

# expect NAME STATUS PATTERN [options]: the check exits with STATUS and its output holds PATTERN.
expect() {
    local name=$1 want=$2 pattern=$3
    shift 3
    local out rc
    out=$(bash "$check" "$tmp/src" "$@" 2>&1)
    rc=$?
    if [[ $rc != "$want" ]] || ! grep -qF -- "$pattern" <<<"$out"; then
        echo "FAILED: $name (exit $rc, wanted $want and \"$pattern\")"
        echo "$out" | sed 's/^/    /'
        failures=$((failures + 1))
    else
        echo "ok: $name"
    fi
}

make_tree 'core/a/x.h:"core/b/y.h"' 'core/b/y.h:"core/c/z.h"' 'core/c/z.cpp:<vector>' 'core/a/w.cpp:"core/a/x.h"' \
    'gui/app/main_window.cpp:"gui/app/main_window.h"' 'gui/main.cpp:"gui/app/main_window.h"' \
    'gui/shrink/w.cpp:"core/a/x.h"'
expect "a layered tree passes" 0 "layering holds"

make_tree 'core/a/x.h:"core/b/y.h"' 'core/b/y.cpp:"core/a/x.h"'
expect "a direct cycle is named with its includes" 1 "core folders a and b depend on each other: a -> b -> a"
expect "the include of each arrow is shown" 1 "b -> a: core/b/y.cpp:1"

make_tree 'core/a/x.h:"core/b/y.h"' 'core/b/y.h:"core/c/z.h"' 'core/c/z.cpp:"core/a/x.h"'
expect "a cycle through a third folder is named" 1 "core folders a and c depend on each other: a -> b -> c -> a"

make_tree 'core/a/x.cpp:<QString>'
expect "Qt in core fails" 1 "core/a/x.cpp:1:#include <QString>"
make_tree 'core/a/x.cpp:<QtCore/qglobal.h>'
expect "a Qt module path in core fails" 1 "core includes Qt"
make_tree 'core/a/x.cpp:"gui/app/main_window.h"'
expect "a gui header in core fails" 1 "core includes headers of the programs above it"

make_tree 'gui/charts/w.cpp:"gui/app/prompter.h"' 'gui/main.cpp:"gui/app/main_window.h"'
expect "a window including gui/app fails" 1 "gui/charts/w.cpp:1:#include \"gui/app/prompter.h\""
expect "a window including gui/app is only noted when asked" 0 "NOTE (not failing): 1 gui files" --gui-app=warn

exit $((failures > 0))
