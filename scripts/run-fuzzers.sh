#!/usr/bin/env bash
# Runs every libFuzzer target for a fixed time from its seed corpus; any
# crash, sanitizer report or leak fails the run and keeps the input that
# caused it in BUILD/fuzz-artifacts. A fixed seed makes a failing run repeatable.
set -uo pipefail
build_dir=${1:-build-fuzz}
seconds=${2:-30}
root=$(cd "$(dirname "$0")/.." && pwd)
artifacts="$build_dir/fuzz-artifacts"
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
mkdir -p "$artifacts"
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
failed=0
for fuzzer in "$build_dir"/bin/*_fuzz; do
  name=$(basename "$fuzzer" _fuzz)
  mkdir -p "$scratch/$name"
  echo "== $name: ${seconds} s"
  "$fuzzer" -seed=1 -max_total_time="$seconds" -max_len=65536 -timeout=1 -rss_limit_mb=1024 \
    -artifact_prefix="$artifacts/$name-" "$scratch/$name" "$root/fuzz/corpus/$name" >"$scratch/$name.log" 2>&1
  status=$?
  if [ "$status" -ne 0 ]; then
    tail -n 60 "$scratch/$name.log" >&2
    echo "fuzzer $name failed (exit $status); inputs in $artifacts" >&2
    failed=1
  else
    grep -E "^Done|#[0-9]+.*DONE" "$scratch/$name.log" | tail -n 1
  fi
done
exit "$failed"
