#!/usr/bin/env bash
# Installs what is missing, builds the program in Release and starts it.
# Only the program's own target is built: the tests are scripts/test.sh's.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/deps.sh
brel_install_missing
cmake -S . -B build-release -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build build-release -j "$(brel_jobs)" --target brel-programmer
exec build-release/app/brel-programmer "$@"
