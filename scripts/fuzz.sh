#!/usr/bin/env bash
# Fuzzes the program's hostile inputs with libFuzzer under AddressSanitizer
# and UndefinedBehaviorSanitizer: the parameter-file reader, the frequency and
# tone codecs, the identification frames, every window's exchange with a
# strange radio, the channel editing rules, and each editor's window showing
# a file it opened.
#   scripts/fuzz.sh [SECONDS_PER_TARGET] [TARGET...]     (default 60, all)
# Installs clang when missing, builds in build-fuzz/, and runs each target
# from a copy of its seed corpus (build-fuzz/corpus/<target>), so the
# checked-in corpus changes only when you copy a new input into it.  A broken
# invariant or a crash stops the target and leaves crash-* in build-fuzz/.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/deps.sh

seconds="${1:-60}"
shift || true
targets=("$@")
((${#targets[@]})) || targets=(param_file codecs ident_frames link_handshake channel_rules editor_files)

brel_install_missing clang
CC=clang CXX=clang++ cmake -S . -B build-fuzz -DCMAKE_BUILD_TYPE=RelWithDebInfo -DBREL_FUZZ=ON >/dev/null
cmake --build build-fuzz -j "$(brel_jobs)" --target "${targets[@]/#/fuzz_}"

export ASAN_OPTIONS="detect_leaks=1:abort_on_error=1"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
export QT_QPA_PLATFORM=offscreen
status=0
for t in "${targets[@]}"; do
  mkdir -p "build-fuzz/corpus/$t"
  cp -n "tests/fuzz/corpus/$t/"* "build-fuzz/corpus/$t/" || true
  echo "== $t for ${seconds} s"
  # The editor windows keep one application for the whole run, whose caches
  # grow as inputs show new texts: libFuzzer's leak check after an input would
  # then run it twice and scan the heap most of the time, and it takes
  # fontconfig's patterns (whose parts are found by offset, not pointer) for
  # leaks while they are in use.  Leaks are still checked when the run ends,
  # after the windows and the application are deleted.
  per_target=()
  [ "$t" = editor_files ] && per_target=(-detect_leaks=0)
  # A hang of 5 s or an allocation beyond 256 MB counts as a fault.
  (cd build-fuzz && "tests/fuzz/fuzz_$t" -max_total_time="$seconds" -timeout=5 -malloc_limit_mb=256 \
      -rss_limit_mb=2048 -print_final_stats=1 "${per_target[@]}" "corpus/$t") || status=1
done
exit $status
