#!/usr/bin/env bash
# Installs, with apt-get, every Debian 12 package needed to build and test all
# presets (linux, linux-asan, linux-tsan, windows under wine) and to fuzz.
# Packages already installed are skipped; when nothing is missing, apt is not
# touched at all. Must run as root when something is missing.
set -euo pipefail

packages=(
  # native build and tests
  cmake make g++ python3
  libgtest-dev googletest libbenchmark-dev libutfcpp-dev valgrind
  # reader of the Linux settings file (linked statically into Kandrel.so)
  libinih-dev
  # Windows cross build (posix thread model) and its resource compiler
  g++-mingw-w64-x86-64-posix gcc-mingw-w64-x86-64-posix binutils-mingw-w64-x86-64
  # Windows tests under wine, headless
  wine wine64 xvfb xauth
  # fuzzing
  clang libclang-rt-14-dev
  # regenerating the editor's bitmaps and image strips (tools/make-resources.py)
  python3-cairo
  # decoding those strips in kandrel_resources_tests
  zlib1g-dev
)

missing=()
for pkg in "${packages[@]}"; do
  status=$(dpkg-query -W -f='${db:Status-Abbrev}' "$pkg" 2>/dev/null || true)
  [[ $status == ii* ]] || missing+=("$pkg")
done

if [[ ${#missing[@]} -eq 0 ]]; then
  echo "install-deps: all ${#packages[@]} packages present"
  exit 0
fi

echo "install-deps: installing ${missing[*]}"
if [[ $(id -u) -ne 0 ]]; then
  echo "install-deps: must run as root to install packages" >&2
  exit 1
fi

export DEBIAN_FRONTEND=noninteractive
apt_opts=(-q -y -o Dpkg::Use-Pty=0 -o DPkg::Lock::Timeout=600
          -o Dpkg::Options::=--force-confdef -o Dpkg::Options::=--force-confold)
log=$(mktemp)
trap 'rm -f "$log"' EXIT
if ! apt-get "${apt_opts[@]}" update >"$log" 2>&1 ||
   ! apt-get "${apt_opts[@]}" install "${missing[@]}" >>"$log" 2>&1; then
  cat "$log" >&2
  echo "install-deps: apt-get failed" >&2
  exit 1
fi
grep -E '^(E|W):' "$log" | sed 's/^/install-deps: /' || true
echo "install-deps: done ($(grep -c '^Setting up' "$log" || true) packages set up, dependencies included)"
