#!/usr/bin/env bash
# Installs what is missing, builds the editor and starts it on a demo game
# installation (a Wine-prefix layout in build/demo-prefix). The demo is reused
# on later runs, so stored changes survive; delete build/demo-prefix to start afresh.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
cd "$root"
bash scripts/install-deps.sh
bash scripts/build.sh build

prefix="${MAV_DEMO_PREFIX:-$root/build/demo-prefix}"
bash scripts/make-demo-prefix.sh "$prefix"

export WINEPREFIX="$prefix"
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ] && [ -z "${QT_QPA_PLATFORM:-}" ]; then
  echo "Kein Bildschirm gefunden (DISPLAY ist leer); starte unter xvfb-run." >&2
  bash scripts/install-deps.sh xvfb xauth
  exec xvfb-run -a -s "-screen 0 1280x800x24" "$root/build/mav-edit"
fi
exec "$root/build/mav-edit"
