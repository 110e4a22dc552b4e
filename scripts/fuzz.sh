#!/usr/bin/env bash
# Usage: scripts/fuzz.sh [SECONDS]
#
# Builds the preset fuzzer with clang (libFuzzer, AddressSanitizer,
# UndefinedBehaviorSanitizer) in build/fuzz and runs it for SECONDS (default 60)
# on the committed seed corpus fuzz/corpus/. New inputs it finds go to
# build/fuzz/corpus, never into the repository. Exits non-zero on any crash,
# leak or sanitizer report; the input that caused it is kept as
# build/fuzz/artifacts/crash-* (or leak-*, timeout-*): copy it to
# tests/data/fuzz-crashes/ so that every test run loads it from then on.
set -euo pipefail

repo=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
cd "$repo"
seconds=${1:-60}
[[ $seconds =~ ^[0-9]+$ && $seconds -gt 0 ]] || { echo "usage: $0 [SECONDS]" >&2; exit 2; }
build=$repo/build/fuzz
logs=$repo/build/logs
mkdir -p "$logs"

for tool in clang clang++; do
  command -v "$tool" >/dev/null || { echo "fuzz: $tool not found (run scripts/install-deps.sh as root)" >&2; exit 1; }
done

# Warnings are the gcc presets' business; clang only has to build the target.
if ! { cmake -S . -B "$build" -G "Unix Makefiles" -DCMAKE_BUILD_TYPE=RelWithDebInfo \
         -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ -DKANDREL_FUZZ=ON \
         -DKANDREL_SANITIZER=address,undefined -DKANDREL_WERROR=OFF --log-level=WARNING &&
       cmake --build "$build" --target kandrel_preset_fuzzer -j "$(nproc)"; } >"$logs/fuzz-build.log" 2>&1; then
  grep -vE '^\[ *[0-9]+%\] (Building|Linking|Built target)' "$logs/fuzz-build.log" | tail -n 60
  echo "fuzz: build failed (build/logs/fuzz-build.log)" >&2
  exit 1
fi

# The plug-in reads its init preset from the documents folder: give it an empty one.
scratch=$(mktemp -d "${TMPDIR:-/tmp}/kandrel-fuzz.XXXXXX")
trap 'rm -rf "$scratch"' EXIT
mkdir -p "$build/corpus" "$build/artifacts"

echo "fuzz: running for $seconds s"
rc=0
env -u XDG_DOCUMENTS_DIR HOME="$scratch" \
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=0 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
  "$build/kandrel_preset_fuzzer" "$build/corpus" fuzz/corpus \
  -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 -max_len=4096 \
  -close_fd_mask=2 -print_final_stats=1 -artifact_prefix="$build/artifacts/" \
  >"$logs/fuzz-run.log" 2>&1 || rc=$?
grep -E '^(#[0-9]+ +DONE|stat::number_of_executed_units|stat::peak_rss_mb|==[0-9]+==ERROR|SUMMARY|.*runtime error)' \
  "$logs/fuzz-run.log" || true
if [[ $rc -ne 0 ]]; then
  tail -n 80 "$logs/fuzz-run.log"
  echo "fuzz: FAILED (exit $rc); inputs in build/fuzz/artifacts/, log build/logs/fuzz-run.log" >&2
  exit 1
fi
echo "fuzz: clean"
