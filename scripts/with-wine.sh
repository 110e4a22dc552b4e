#!/usr/bin/env bash
# Usage: scripts/with-wine.sh CMD [ARGS...]
#
# Runs CMD inside a private, headless Windows environment and tears it down
# afterwards, whatever CMD did:
#   - its own X server (Xvfb, display chosen by the server through -displayfd),
#   - a private 64-bit wine prefix and a private HOME under one temporary folder
#     (copied from a ready template, which is made once and cached),
#   - a persistent wineserver, so wine's background services start once and not
#     once per test program.
# CMD sees DISPLAY, WINEPREFIX, WINEARCH, WINEDEBUG, WINEDLLOVERRIDES and HOME.
# Exits with CMD's exit code. Only this script's own messages go to stderr;
# stdout belongs to CMD alone.
#
# Environment:
#   KANDREL_WINE_TEMPLATE  where the ready prefix template is cached
#                          (default: <repo>/build/windows/wine-prefix-template)
set -euo pipefail

if [[ $# -eq 0 ]]; then
  echo "usage: $0 CMD [ARGS...]" >&2
  exit 2
fi

repo=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
template=${KANDREL_WINE_TEMPLATE:-$repo/build/windows/wine-prefix-template}

say() { echo "with-wine: $*" >&2; }
die() { say "$*"; exit 1; }

for tool in wine wineserver Xvfb flock; do
  command -v "$tool" >/dev/null || die "$tool not found (run scripts/install-deps.sh as root)"
done

work=$(mktemp -d "${TMPDIR:-/tmp}/kandrel-wine.XXXXXX")
log=$work/setup.log
xvfb_pid=
server_started=

teardown() {
  local rc=$?
  set +e
  if [[ -n $server_started ]]; then
    # Ends every process of this prefix (the persistent server, wine's services,
    # anything a test left behind), then waits for the server to be gone.
    wineserver -k >>"$log" 2>&1
    timeout 20 wineserver -w >>"$log" 2>&1
  fi
  if [[ -n $xvfb_pid ]]; then
    kill "$xvfb_pid" 2>/dev/null
    wait "$xvfb_pid" 2>/dev/null
  fi
  rm -rf "$work"
  exit "$rc"
}
trap teardown EXIT
trap 'exit 130' INT
trap 'exit 143' TERM

# Our own X server. It writes the display number it picked to fd 3 once it
# accepts connections.
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp \
  3>"$work/display" </dev/null >>"$log" 2>&1 &
xvfb_pid=$!
for _ in $(seq 1 200); do
  [[ -s $work/display ]] && break
  kill -0 "$xvfb_pid" 2>/dev/null || { cat "$log" >&2; die "Xvfb did not start"; }
  sleep 0.05
done
display=$(tr -dc '0-9' <"$work/display")
[[ -n $display ]] || { cat "$log" >&2; die "Xvfb gave no display number"; }
export DISPLAY=:$display

export WINEARCH=win64
export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml="
unset WINELOADER WINESERVER XDG_CONFIG_HOME XDG_DATA_HOME XDG_CACHE_HOME XDG_DOCUMENTS_DIR

# A template is reused only by the same wine and the same recipe: raise the
# number whenever make_prefix changes.
stamp="$(wine --version 2>/dev/null || true); recipe 2"

# Creates a ready prefix (with its private HOME beside it) in folder $1:
# pfx/ and home/. Everything wine starts writes to the setup log, never to our
# stdout or stderr: wine's background processes inherit those and keep them open.
make_prefix() {
  local dir=$1
  # With a Documents folder in HOME, the prefix's documents folder links to it
  # (otherwise to HOME itself).
  mkdir -p "$dir/home/Documents"
  (
    export WINEPREFIX=$dir/pfx HOME=$dir/home
    wine wineboot --init
    # Without a window manager, hiding or destroying a top-level window stalls
    # about 2 s unless wine manages the windows itself.
    wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /t REG_SZ /d N /f
    # A crashing program must print its backtrace and exit, not wait for a
    # click on the crash dialog.
    wine reg add 'HKCU\Software\Wine\WineDbg' /v ShowCrashDialog /t REG_DWORD /d 0 /f
    # Let the server write the registry and exit.
    wineserver -k
    wineserver -w
  ) </dev/null >>"$log" 2>&1 || return 1
  grep -q '"Managed"="N"' "$dir/pfx/user.reg" || return 1
  # The shell folders (Documents, Desktop, ...) are absolute links into HOME;
  # make them relative so that a copy of the whole folder stays self-contained.
  local link target
  while IFS= read -r -d '' link; do
    target=$(readlink "$link")
    if [[ $target == "$dir/home"* ]]; then
      ln -sfn "$(realpath -m --relative-to="$(dirname "$link")" "$target")" "$link"
    fi
  done < <(find "$dir/pfx" -type l -print0)
  printf '%s\n' "$stamp" >"$dir/stamp"
}

# Copies a ready prefix folder $1 into $2. Wine's system files (about 700 MB of
# DLLs, programs and code pages that nothing rewrites) become hard links, which
# takes a fraction of a second instead of seconds; every other file (registry,
# .ini files, the user's folders) is a real copy, so the template never changes.
copy_prefix() {
  local src=$1 dst=$2 list=$work/prefix-copies
  if ! cp -a --link "$src/." "$dst/" 2>/dev/null; then
    rm -rf "${dst:?}/pfx" "${dst:?}/home" "${dst:?}/stamp"
    cp -a "$src/." "$dst/"
    return
  fi
  (cd "$dst" && find pfx home -type f ! \( -path 'pfx/drive_c/windows/*' -a \( \
      -name '*.dll' -o -name '*.exe' -o -name '*.nls' -o -name '*.sys' -o \
      -name '*.drv' -o -name '*.ocx' -o -name '*.cpl' -o -name '*.acm' -o \
      -name '*.tlb' -o -name '*.ax' -o -name '*.ds' -o -name '*.com' \) \) \
      -print0) >"$list"
  (cd "$dst" && xargs -0 -r rm -f <"$list")
  (cd "$src" && xargs -0 -r cp -a --parents -t "$dst" <"$list")
}

template_ok() {
  [[ -d $1/pfx && -f $1/stamp && "$(cat "$1/stamp")" == "$stamp" ]]
}

start=$SECONDS
if mkdir -p "$(dirname "$template")" 2>/dev/null; then
  # One creator at a time; the others wait and then copy its result.
  exec 9>"$template.lock"
  flock 9
  if ! template_ok "$template"; then
    say "creating the wine prefix template (once; takes a few seconds)"
    rm -rf "$template" "$template.new"
    if make_prefix "$template.new"; then
      mv "$template.new" "$template"
    else
      rm -rf "$template.new"
      cat "$log" >&2
      die "could not create the wine prefix"
    fi
  fi
  copy_prefix "$template" "$work"
  exec 9>&-
else
  say "cannot cache a prefix template at $template; creating a prefix for this run"
  make_prefix "$work" || { cat "$log" >&2; die "could not create the wine prefix"; }
fi
export WINEPREFIX=$work/pfx
export HOME=$work/home
mkdir -p "$work/tmp"
export KANDREL_WINE_TMP=$work/tmp

# The persistent server keeps wine's services alive between programs; start
# them now so the first test does not pay for it.
server_started=1
wineserver -p </dev/null >>"$log" 2>&1
wine wineboot </dev/null >>"$log" 2>&1 || { cat "$log" >&2; die "wine does not start"; }
export KANDREL_WINE_ENV=1
say "wine ready on display $DISPLAY in $((SECONDS - start)) s"

rc=0
"$@" || rc=$?
exit "$rc"
