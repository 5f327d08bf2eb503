#!/usr/bin/env bash
# Rewrites the highlighter's golden runs (tests/data/highlight/*.runs) from
# the current tarnel-highlight, after a deliberate change to the rules.
# Review the diff before committing it.
set -euo pipefail
build_dir=${1:-build}
root=$(cd "$(dirname "$0")/.." && pwd)
tool="$build_dir/bin/tarnel-highlight"
if [[ ! -x "$tool" ]]; then
  echo "No $tool; build the target tarnel-highlight in $build_dir first." >&2
  exit 1
fi
for page in "$root"/tests/data/highlight/*.wml; do
  "$tool" --runs "$page" > "${page%.wml}.runs"
  echo "$(basename "${page%.wml}.runs"): $(wc -l < "${page%.wml}.runs") runs"
done
git -C "$root" diff --stat -- tests/data/highlight
