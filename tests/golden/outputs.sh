#!/usr/bin/env bash
# Prints one line per case, "NAME<TAB>SHA256", hashing what pick3 printed on stdout and its exit
# status: the track tables, every statistic and chart kind and a few hundred generated condition
# files run through filter and backtest, over the three real histories of the sample home.
# Usage: outputs.sh PICK3 MAKE_CONDITION_FILES WORKDIR   (PICK3_HOME must name a fresh sample home)
set -euo pipefail
pick3=$1; make_files=$2; work=$3
mkdir -p "$work"
case_hash() { # case_hash NAME ARGS...
  local name=$1 rc=0 out; shift
  out=$("$pick3" "$@" 2>/dev/null) || rc=$?
  printf '%s\t%s\n' "$name" "$(printf '%s\nrc=%s\n' "$out" "$rc" | sha256sum | cut -c1-64)"
}
for lottery in 福彩3D 体彩排列3 体彩排列5; do
  case_hash "track $lottery" track --lottery "$lottery" --table
  for range in "" "--last 100" "--last 365"; do
    # shellcheck disable=SC2086
    case_hash "stats $lottery $range" stats --lottery "$lottery" --all $range
  done
  for kind in $(seq 1 41); do
    [ "$kind" = 29 ] || [ "$kind" = 37 ] && continue
    case_hash "chart $kind $lottery" chart "$kind" --lottery "$lottery"
    case_hash "chart $kind $lottery --last 100" chart "$kind" --lottery "$lottery" --last 100
  done
done
"$make_files" "$work/plans" 300 20261209
for plan in "$work"/plans/*.ag; do
  name=$(basename "$plan" .ag)
  case_hash "filter $name" filter --conditions "$plan" --lottery 福彩3D
done
for plan in "$work"/plans/plan0[0-2]?.ag; do
  name=$(basename "$plan" .ag)
  case_hash "filter $name z6" filter --conditions "$plan" --lottery 体彩排列3 \
    --pick 0123456789/13579/02468 --bet-type z6 --total-tolerance 0-1
  case_hash "backtest $name" backtest --conditions "$plan" --lottery 福彩3D --last 200
done
