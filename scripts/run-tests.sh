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
cd "$build_dir"
ctest --output-on-failure --timeout 240
