#!/usr/bin/env bash
# Instructions per note-on on the whole host path, counted by callgrind
# (deterministic, unlike timings on shared machines). Usage:
#   bench/count-instructions.sh [BUILD_DIR]   (default build/linux)
set -euo pipefail
build=${1:-build/linux}
blocks=200
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
printf '%-16s %14s %18s\n' "events/block" "instructions" "per note-on"
for events in 1 16 256; do
  valgrind --tool=callgrind --callgrind-out-file="$tmp/out" --collect-atstart=no \
    --toggle-collect=RunMeasuredBlocks "$build/kandrel-callgrind-blocks" "$events" "$blocks" >/dev/null 2>"$tmp/log"
  total=$(grep -E '^(summary|totals):' "$tmp/out" | head -n 1 | awk '{print $2}')
  awk -v e="$events" -v b="$blocks" -v t="$total" 'BEGIN { printf "%-16d %14d %18.1f\n", e, t, t / (e * b) }'
done
