#!/usr/bin/env bash
# make-demo-prefix.sh <prefix>: creates a Wine-prefix layout with the game
# "Der erste Kaiser" registered under App Paths, unless it exists already.
set -euo pipefail
prefix="$1"
game="$prefix/drive_c/Games/Der erste Kaiser"
[ -f "$prefix/system.reg" ] && [ -d "$game" ] && exit 0

root="$(cd "$(dirname "$0")/.." && pwd)"
mkdir -p "$game/Model" "$prefix/dosdevices"
ln -sfn ../drive_c "$prefix/dosdevices/c:"
: > "$game/Emperor.exe"
# The game's own model file: the project's German model stands in for it.
cp "$root/resources/model/EmperorBuildingModels.txt" "$game/Model/EmperorBuildingModels.txt"
printf '%s\n' \
  'WINE REGISTRY Version 2' \
  ';; All keys relative to \\Machine' \
  '' \
  '#arch=win32' \
  '' \
  '[Software\\Microsoft\\Windows\\CurrentVersion\\App Paths\\Emperor.exe] 1765370000' \
  '#time=1dc69e1a3b5c7e0' \
  '@="C:\\Games\\Der erste Kaiser\\Emperor.exe"' \
  '"Path"="C:\\Games\\Der erste Kaiser\\"' \
  > "$prefix/system.reg"
echo "Demo-Installation angelegt: $prefix"
