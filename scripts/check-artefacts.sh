#!/usr/bin/env bash
# Usage: scripts/check-artefacts.sh BUILD_DIR
#
# Checks what the built plug-in and programs in BUILD_DIR show to the outside:
#   - the plug-in (Kandrel.dll / Kandrel.so) exports exactly VSTPluginMain and main;
#   - on Windows, no program or library needs a mingw runtime DLL beside it.
set -euo pipefail

dir=${1:?usage: $0 BUILD_DIR}
fail=0
bad() { echo "check-artefacts: $*" >&2; fail=1; }

expected=$'VSTPluginMain\nmain'

if [[ -f $dir/Kandrel.dll ]]; then
  objdump=x86_64-w64-mingw32-objdump
  exports=$("$objdump" -p "$dir/Kandrel.dll" |
    sed -n '/^\[Ordinal\/Name Pointer\] Table/,/^$/p' |
    sed -n 's/^[[:space:]]*\[[[:space:]]*[0-9]*\][[:space:]]*//p' | sort)
  [[ $exports == "$expected" ]] ||
    bad "Kandrel.dll exports [${exports//$'\n'/ }], expected [${expected//$'\n'/ }]"
  shopt -s nullglob
  for file in "$dir"/*.dll "$dir"/*.exe; do
    runtime=$("$objdump" -p "$file" |
      sed -n 's/^[[:space:]]*DLL Name: //p' |
      grep -iE '^(libstdc\+\+|libgcc|libwinpthread|libssp|libatomic|libgomp)' || true)
    [[ -z $runtime ]] || bad "$(basename "$file") needs mingw runtime DLLs: ${runtime//$'\n'/ }"
  done
elif [[ -f $dir/Kandrel.so ]]; then
  exports=$(nm -D --defined-only "$dir/Kandrel.so" | awk '$2 ~ /^[TtWwDdBbVviu]$/ {print $3}' | sort)
  [[ $exports == "$expected" ]] ||
    bad "Kandrel.so exports [${exports//$'\n'/ }], expected [${expected//$'\n'/ }]"
else
  bad "no plug-in in $dir"
fi

if [[ $fail -eq 0 ]]; then
  echo "check-artefacts: plug-in exports VSTPluginMain and main only$([[ -f $dir/Kandrel.dll ]] && echo '; no mingw runtime DLL needed')"
fi
exit "$fail"
