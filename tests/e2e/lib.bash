# Helpers for the command-line tests; sourced by each test script.
set -euo pipefail
: "${PICK3:?}" "${P3_TEMPLATE:?}" "${P3_TMP:?}"
WORK="$P3_TMP/$(basename "$0" .sh)-$$"
rm -rf "$WORK"; mkdir -p "$WORK"
trap 'rm -rf "$WORK"' EXIT
export PICK3_HOME="$WORK/home"
export PICK3_TEMPLATE="$P3_TEMPLATE"
# The home is made now, with the public draw sources switched off: tests never reach them.
"$PICK3" lottery list >/dev/null
sed -i -e 's|^CwlUrl=.*|CwlUrl=|' -e 's|^SportteryUrl=.*|SportteryUrl=|' "$PICK3_HOME/Sys_Set.ini"
fails=0
check() { # check DESCRIPTION EXPECTED ACTUAL
  if [ "$2" != "$3" ]; then
    echo "FAIL: $1"; echo "  expected: $(printf '%q' "$2")"; echo "  actual:   $(printf '%q' "$3")"; fails=$((fails + 1))
  fi
}
# Runs pick3 and records stdout, stderr and the status in OUT, ERR, RC.
run() { set +e; OUT=$("$PICK3" "$@" 2>"$WORK/stderr"); RC=$?; ERR=$(cat "$WORK/stderr"); set -e; }
finish() { [ "$fails" -eq 0 ] && echo "all passed" || { echo "$fails failed"; exit 1; }; }
