#!/usr/bin/env bash
# Runs every benchmark offscreen. Figures are to be read as ratios against
# the baseline each benchmark measures in the same run.
set -euo pipefail
build_dir=${1:-build-bench}
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
mkdir -p "$scratch/runtime"
chmod 700 "$scratch/runtime"
export QT_QPA_PLATFORM=offscreen XDG_RUNTIME_DIR="$scratch/runtime" XDG_CONFIG_HOME="$scratch/config"
for bench in "$build_dir"/bin/*_bench; do
  echo "== $(basename "$bench")"
  "$bench" --benchmark_min_time=0.2 2> >(grep -v "propagateSizeHints" >&2)
done
