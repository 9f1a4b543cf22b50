#!/usr/bin/env bash
# Every C++ source of the project is laid out as .clang-format says; the files that are not are named,
# with the command that lays them out.
set -euo pipefail
root="$(cd "$(dirname "$0")/../.." && pwd)"
cd "$root"
command -v clang-format >/dev/null || { echo "clang-format is not installed (scripts/setup.sh installs it)"; exit 1; }
mapfile -t files < <(find src tests bench fuzz -type f \( -name '*.cpp' -o -name '*.h' \) | sort)
bad=()
for f in "${files[@]}"; do
  if ! clang-format --dry-run --Werror "$f" >/dev/null 2>&1; then bad+=("$f"); fi
done
if [ ${#bad[@]} -ne 0 ]; then
  echo "not laid out by clang-format (${#bad[@]} of ${#files[@]} files):"
  printf '  %s\n' "${bad[@]}"
  echo "fix with: clang-format -i ${bad[*]}"
  exit 1
fi
echo "${#files[@]} files laid out by clang-format"
