#!/usr/bin/env bash
# Instructions per save + load round trip of the default state through the host
# interface (effGetChunk, then effSetChunk with those bytes), counted by
# callgrind. Usage:
#   bench/count-chunk-instructions.sh [BUILD_DIR]   (default build/linux)
set -euo pipefail
build=${1:-build/linux}
count=200
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
# The plug-in looks for its init preset in the documents folder: an empty one.
export HOME=$tmp XDG_DOCUMENTS_DIR=$tmp/Documents
printf '%-10s %14s %20s\n' "chunk" "instructions" "per round trip"
for kind in 1 0; do
  valgrind --tool=callgrind --callgrind-out-file="$tmp/out" --collect-atstart=no \
    --toggle-collect=RunMeasuredRoundTrips "$build/kandrel-callgrind-chunks" "$kind" "$count" >/dev/null 2>"$tmp/log"
  total=$(grep -E '^(summary|totals):' "$tmp/out" | head -n 1 | awk '{print $2}')
  awk -v k="$kind" -v c="$count" -v t="$total" \
    'BEGIN { printf "%-10s %14d %20.0f\n", (k == 1 ? "program" : "bank"), t, t / c }'
done
