#!/usr/bin/env bash
# Usage: scripts/run-tests.sh [PRESET...]
#
# Builds and tests the given CMake presets (default: linux linux-asan linux-tsan
# windows, then the step "fuzz": scripts/fuzz.sh for KANDREL_FUZZ_SECONDS,
# default 60): configure, build, check the plug-in's exports (and, for Windows, that
# no mingw runtime DLL is needed), run the tests with CTest. The Windows tests run
# under wine inside scripts/with-wine.sh. As root, installs missing packages first.
# Goes on with the next preset after a failure, prints a summary, and exits
# non-zero if anything failed.
#
# Logs of the configure and build steps: build/logs/PRESET-STEP.log.
set -euo pipefail

repo=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
cd "$repo"

all_presets=(linux linux-asan linux-tsan windows)
if [[ $# -gt 0 ]]; then
  presets=("$@")
else
  presets=("${all_presets[@]}" fuzz)
fi
for preset in "${presets[@]}"; do
  [[ " ${all_presets[*]} fuzz " == *" $preset "* ]] ||
    { echo "run-tests: unknown preset '$preset' (known: ${all_presets[*]} fuzz)" >&2; exit 2; }
done

if [[ $(id -u) -eq 0 ]]; then
  bash scripts/install-deps.sh
else
  echo "run-tests: not root, not installing packages (scripts/install-deps.sh)"
fi

jobs=$(nproc)
# Longest any single test may take before CTest ends it (a hung test must not
# stall the whole run).
test_timeout=${KANDREL_TEST_TIMEOUT:-600}
logs=$repo/build/logs
mkdir -p "$logs"

# Tests never see the real home folder or the caller's settings.
scratch=$(mktemp -d "${TMPDIR:-/tmp}/kandrel-tests.XXXXXX")
trap 'rm -rf "$scratch"' EXIT

declare -A outcome counts seconds
total_passed=0
total_failed=0
total_skipped=0
failed_any=0

# Runs one quiet step: its output goes to a log that is shown only on failure
# (without make's progress lines).
quiet_step() {
  local preset=$1 step=$2; shift 2
  local log=$logs/$preset-$step.log
  if "$@" >"$log" 2>&1; then
    return 0
  fi
  echo "---- $preset: $step failed; $log:"
  local shown
  shown=$(grep -vE '^\[ *[0-9]+%\] (Building|Linking|Built target)|^gmake\[[0-9]+\]: (Entering|Leaving)' "$log" || true)
  if [[ $(wc -l <<<"$shown") -gt 300 ]]; then
    head -n 300 <<<"$shown"
    echo "... (cut; see $log)"
  else
    echo "$shown"
  fi
  echo "----"
  return 1
}

run_ctest() {
  local preset=$1
  local log=$logs/$preset-test.log
  local -a cmd=(ctest --preset "$preset" --timeout "$test_timeout")
  if [[ $preset == windows ]]; then
    cmd=(bash scripts/with-wine.sh "${cmd[@]}")
  else
    local home=$scratch/$preset-home
    mkdir -p "$home"
    cmd=(env -u XDG_CONFIG_HOME -u XDG_DATA_HOME -u XDG_CACHE_HOME -u XDG_DOCUMENTS_DIR
         HOME="$home" "${cmd[@]}")
  fi
  local rc=0
  "${cmd[@]}" </dev/null 2>&1 | tee "$log" || rc=$?
  # "N% tests passed, F tests failed out of T"
  # CTest counts skipped tests as passed and lists them under "did not run".
  local line passed=0 failed=0 skipped=0
  line=$(grep -E '^[0-9]+% tests passed, [0-9]+ tests? failed out of [0-9]+' "$log" | tail -n 1 || true)
  if [[ -n $line ]]; then
    failed=$(sed -E 's/.* ([0-9]+) tests? failed out of.*/\1/' <<<"$line")
    skipped=$(sed -n '/^The following tests did not run:/,/^$/p' "$log" | grep -cE '\((Skipped|Disabled)\)$' || true)
    passed=$(( $(sed -E 's/.*out of ([0-9]+).*/\1/' <<<"$line") - failed - skipped ))
  fi
  counts[$preset]="$passed passed, $failed failed"
  [[ $skipped -eq 0 ]] || counts[$preset]+=", $skipped skipped"
  total_passed=$((total_passed + passed))
  total_failed=$((total_failed + failed))
  total_skipped=$((total_skipped + skipped))
  if [[ $rc -eq 0 && -z $line ]] && grep -q 'No tests were found' "$log"; then
    counts[$preset]="no tests"
  fi
  return "$rc"
}

for preset in "${presets[@]}"; do
  echo "==== $preset"
  start=$SECONDS
  counts[$preset]="-"
  if [[ $preset == fuzz ]]; then
    # Not a CMake preset: the clang fuzzer build with its own folder and log.
    if bash scripts/fuzz.sh "${KANDREL_FUZZ_SECONDS:-60}" </dev/null 2>&1 | tee "$logs/fuzz.log"; then
      outcome[$preset]="passed"
      counts[$preset]=$(grep -E '^stat::number_of_executed_units' "$logs/fuzz-run.log" | awk '{print $2 " inputs run"}' || true)
    else
      outcome[$preset]="FAILED (fuzz)"
    fi
  elif ! quiet_step "$preset" configure cmake --preset "$preset" --log-level=WARNING; then
    outcome[$preset]="FAILED (configure)"
  elif ! quiet_step "$preset" build cmake --build --preset "$preset" -j "$jobs"; then
    outcome[$preset]="FAILED (build)"
  elif ! bash scripts/check-artefacts.sh "build/$preset"; then
    outcome[$preset]="FAILED (artefacts)"
  elif ! run_ctest "$preset"; then
    outcome[$preset]="FAILED (tests)"
  else
    outcome[$preset]="passed"
  fi
  [[ ${outcome[$preset]} == passed ]] || failed_any=1
  seconds[$preset]=$((SECONDS - start))
done

echo
echo "==== summary"
for preset in "${presets[@]}"; do
  printf '%-11s %-19s %-36s %4d s\n' "$preset" "${outcome[$preset]}" "${counts[$preset]}" "${seconds[$preset]}"
done
if [[ $failed_any -ne 0 ]]; then
  echo "run-tests: FAILED"
else
  echo "run-tests: all passed"
fi
echo "tests: $total_passed passed, $total_failed failed, $total_skipped skipped"
exit "$failed_any"
