#!/usr/bin/env bash
# Runs one Windows program under wine; CTest uses it as the emulator for every
# Windows test program (CMAKE_CROSSCOMPILING_EMULATOR), for listing the tests too.
#
# Usage: cmake/wine-run.sh PROGRAM.exe [ARGS...]
#
# stdout carries the program's stdout unchanged, stderr its stderr, and the exit
# code is the program's. Inside scripts/with-wine.sh (which prepares the headless
# prefix, X server and persistent wineserver once for many programs) it only runs
# wine; outside it, it wraps itself in scripts/with-wine.sh for this one program.
#
# wine's background processes inherit the output of the wine process that starts
# them and may keep it open after the program ended; so the program writes to
# temporary files that are printed once it has exited, and nothing ever waits on
# a pipe that wine's leftovers hold.
set -euo pipefail

if [[ ${KANDREL_WINE_ENV:-} != 1 ]]; then
  here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
  exec bash "$here/../scripts/with-wine.sh" bash "$here/wine-run.sh" "$@"
fi

if [[ $# -eq 0 ]]; then
  echo "usage: $0 PROGRAM.exe [ARGS...]" >&2
  exit 2
fi

out=$(mktemp "${KANDREL_WINE_TMP:-${TMPDIR:-/tmp}}/wine-run.XXXXXX")
err=$out.err
trap 'rm -f "$out" "$err"' EXIT

# A terminal on stdin would become wine's console; tests never read one.
if [[ -t 0 ]]; then
  exec </dev/null
fi

rc=0
wine "$@" >"$out" 2>"$err" || rc=$?
cat "$out"
cat "$err" >&2
exit "$rc"
