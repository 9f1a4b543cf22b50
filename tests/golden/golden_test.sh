#!/usr/bin/env bash
# Every output recorded in outputs.tsv is still printed exactly: a change of behaviour shows here,
# by name. After an intended change, record again with tests/golden/record.sh.
set -euo pipefail
: "${PICK3:?}" "${P3_TEMPLATE:?}" "${P3_TMP:?}" "${MAKE_CONDITION_FILES:?}"
here=$(cd "$(dirname "$0")" && pwd)
work="$P3_TMP/golden-$$"
rm -rf "$work"; mkdir -p "$work"
trap 'rm -rf "$work"' EXIT
export PICK3_HOME="$work/home" PICK3_TEMPLATE="$P3_TEMPLATE"
bash "$here/outputs.sh" "$PICK3" "$MAKE_CONDITION_FILES" "$work" > "$work/actual.tsv"
if diff <(sort "$here/outputs.tsv") <(sort "$work/actual.tsv") > "$work/diff"; then
  echo "all $(wc -l < "$work/actual.tsv") outputs as recorded"
else
  echo "outputs that differ from the recording:"
  grep '^[<>]' "$work/diff" | cut -c3- | cut -f1 | sort -u
  exit 1
fi
