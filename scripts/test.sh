#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test with ctest.
#   scripts/test.sh              normal build in build/
#   scripts/test.sh --sanitize   AddressSanitizer + UBSan build in build-sanitize/
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/deps.sh

build_dir=build
cmake_args=(-DCMAKE_BUILD_TYPE=RelWithDebInfo)
if [[ "${1:-}" == "--sanitize" ]]; then
  build_dir=build-sanitize
  cmake_args=(-DCMAKE_BUILD_TYPE=Debug -DBREL_SANITIZE=ON)
  export ASAN_OPTIONS="detect_leaks=1:abort_on_error=1:halt_on_error=1"
  export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
fi

brel_install_missing
cmake -S . -B "$build_dir" "${cmake_args[@]}" >/dev/null
cmake --build "$build_dir" -j "$(brel_jobs)"
export QT_QPA_PLATFORM=offscreen
cd "$build_dir"
ctest --output-on-failure -j "$(brel_jobs)" --timeout 300
