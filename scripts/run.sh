#!/usr/bin/env bash
# Installs what is missing, builds in Release and starts the program.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/deps.sh
brel_install_missing
cmake -S . -B build-release -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build build-release -j "$(brel_jobs)"
program=build-release/app/brel-programmer
if [[ -x "$program" ]]; then
  exec "$program" "$@"
fi
echo "Built; the main window is not part of this build yet, so there is nothing to start."
