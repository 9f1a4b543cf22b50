#!/usr/bin/env bash
# Records outputs.tsv from the programs of a build folder (default: build/).
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
build=${1:-$here/../../build}
work=$(mktemp -d); trap 'rm -rf "$work"' EXIT
PICK3_HOME="$work/home" PICK3_TEMPLATE="$build/home" bash "$here/outputs.sh" \
  "$build/src/cli/pick3" "$build/tests/make_condition_files" "$work" > "$here/outputs.tsv"
echo "recorded $(wc -l < "$here/outputs.tsv") outputs"
