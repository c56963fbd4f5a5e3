#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test with ctest.
#   scripts/test.sh              normal build in build/
#   scripts/test.sh --sanitize   AddressSanitizer + UBSan build in build-sanitize/
#   scripts/test.sh --release    Release build of everything (the configuration
#                                scripts/run.sh builds the program in) in
#                                build-release-all/
# With --werror as well, any compiler warning fails the build (CI's way of
# keeping every configuration warning-free).
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/deps.sh

build_dir=build
cmake_args=(-DCMAKE_BUILD_TYPE=RelWithDebInfo)
werror=OFF
for arg in "$@"; do
  case "$arg" in
    --sanitize)
      build_dir=build-sanitize
      cmake_args=(-DCMAKE_BUILD_TYPE=Debug -DBREL_SANITIZE=ON)
      export ASAN_OPTIONS="detect_leaks=1:abort_on_error=1:halt_on_error=1"
      export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
      ;;
    --release)
      build_dir=build-release-all
      cmake_args=(-DCMAKE_BUILD_TYPE=Release)
      ;;
    --werror) werror=ON ;;
    *)
      echo "usage: scripts/test.sh [--sanitize | --release] [--werror]" >&2
      exit 2
      ;;
  esac
done

brel_install_missing
# Said every time, so a build folder once configured with --werror does not
# keep it.
cmake -S . -B "$build_dir" "${cmake_args[@]}" -DBREL_WERROR="$werror" >/dev/null
cmake --build "$build_dir" -j "$(brel_jobs)"
export QT_QPA_PLATFORM=offscreen
cd "$build_dir"
ctest --output-on-failure -j "$(brel_jobs)" --timeout 300
