#!/usr/bin/env bash
# Runs the whole test suite through CTest, offscreen, with a private
# runtime folder and configuration home so no user file is touched.
set -euo pipefail
build_dir=${1:-build}
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
mkdir -p "$scratch/runtime" "$scratch/config"
chmod 700 "$scratch/runtime"
export QT_QPA_PLATFORM=offscreen
export XDG_RUNTIME_DIR="$scratch/runtime"
export XDG_CONFIG_HOME="$scratch/config"
export HOME="$scratch"
# Sanitizer builds: every report is fatal; leaks inside Qt and system
# libraries are listed in the suppression file with their reasons.
root=$(cd "$(dirname "$0")/.." && pwd)
export ASAN_OPTIONS=detect_leaks=1:abort_on_error=0:halt_on_error=1:detect_stack_use_after_return=0
export LSAN_OPTIONS=suppressions=$root/scripts/sanitizer-suppressions.txt:print_suppressions=0
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
cd "$build_dir"
# The sanitizer build runs the window tests about three times slower.
ctest --output-on-failure --timeout 900
