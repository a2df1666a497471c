#!/usr/bin/env bash
# build.sh <build-dir> [cmake options...]: configures and builds the project.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
dir="$1"; shift
cmake -S "$root" -B "$dir" "$@" >/dev/null
cmake --build "$dir" --parallel "$(nproc)"
