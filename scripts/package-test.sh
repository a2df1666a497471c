#!/usr/bin/env bash
# package-test.sh <build-dir>: builds the Debian package, unpacks it into a
# scratch root and starts the installed program on a fresh demo installation
# with the offscreen platform. It must still be running after a few seconds
# and must have prepared the game's model folder.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
build="$(cd "$1" && pwd)"
scratch="$(mktemp -d)"
trap 'rm -rf "$scratch"' EXIT

(cd "$build" && cpack -G DEB -B "$scratch/pkg" >/dev/null)
deb="$(ls "$scratch"/pkg/*.deb)"
dpkg-deb -f "$deb" Depends | grep -q libqt6widgets6 || { echo "package lacks the Qt 6 widgets dependency"; exit 1; }
dpkg-deb -f "$deb" Depends | grep -q fonts-crosextra-carlito || { echo "package lacks the font dependency"; exit 1; }
dpkg -x "$deb" "$scratch/root"
desktop-file-validate "$scratch/root/usr/share/applications/mav-edit.desktop"
for size in 16 24 32 48 256; do
  test -f "$scratch/root/usr/share/icons/hicolor/${size}x${size}/apps/mav-edit.png"
done
test -f "$scratch/root/usr/share/doc/mav-edit/Sierra Modell Dateien.pdf"

bash "$root/scripts/make-demo-prefix.sh" "$scratch/prefix" >/dev/null
mkdir -p "$scratch/home/Documents"
set +e
HOME="$scratch/home" XDG_DOCUMENTS_DIR="$scratch/home/Documents" WINEPREFIX="$scratch/prefix" \
  QT_QPA_PLATFORM=offscreen timeout 5 "$scratch/root/usr/bin/mav-edit"
status=$?
set -e
if [ "$status" -ne 124 ]; then
  echo "the installed program ended early with status $status"
  exit 1
fi
model="$scratch/prefix/drive_c/Games/Der erste Kaiser/Model"
test -f "$model/EmperorBuildingModels.bak"
test -f "$model/TreeImage.Index"
echo "Package test passed: the installed program starts on the demo installation."
