#!/usr/bin/env bash
# Installs what is missing, builds the project and runs every test: first the
# normal build in build/, then the sanitizer build in build-asan/.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
cd "$root"
bash scripts/install-deps.sh

export QT_QPA_PLATFORM=offscreen
jobs="$(nproc)"

bash scripts/build.sh build
ctest --test-dir build --output-on-failure -j "$jobs"
bash scripts/package-test.sh build

if [ "${MAV_SKIP_SANITIZERS:-0}" != "1" ]; then
  bash scripts/build.sh build-asan -DMAV_SANITIZE=ON -DCMAKE_BUILD_TYPE=Debug
  ASAN_OPTIONS=detect_leaks=0:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    ctest --test-dir build-asan --output-on-failure -j "$jobs"
fi
