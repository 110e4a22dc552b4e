#!/usr/bin/env bash
# Kandrel's main job on Linux: build the plug-in and the command-line host, then
# play a short phrase through the plug-in twice, at the defaults and with
# Band1 pushing velocities up by 50 %, and show each note before and after.
set -euo pipefail
cd "$(dirname "$0")/.."

if [ "$(id -u)" = 0 ]; then bash scripts/install-deps.sh; fi
cmake --preset linux >/dev/null
cmake --build --preset linux -j"$(nproc)" --target Kandrel kandrel-host >/dev/null

host=build/linux/kandrel-host
plugin=build/linux/Kandrel.so
phrase=examples/notes.txt

"$host" info "$plugin" | sed -n '2,4p'
echo
defaults=$("$host" midi "$plugin" "$phrase")
pushed=$("$host" midi "$plugin" --set 6=0.75 "$phrase")   # Band1 Velocity Scale = +50 %

echo "MIDI events (hex: delta frames, status, note, velocity) going in and leaving Kandrel"
printf '%-22s %-22s %s\n' "in" "out, defaults" "out, Band1 scale +50%"
paste -d'|' <(grep -v '^#' "$phrase" | sed '/^$/d') <(sed '/^$/d' <<<"$defaults") <(sed '/^$/d' <<<"$pushed") |
  while IFS='|' read -r in out1 out2; do
    printf '%-22s %-22s %s\n' "$(echo $in)" "$out1" "$out2"
  done
