#!/usr/bin/env bash
# Long fuzzing campaigns of the grade-book reader and the roster reader
# (libFuzzer, clang, AddressSanitizer and UndefinedBehaviorSanitizer).
#   scripts/fuzz.sh [SECONDS_PER_TARGET]     default 600
# Builds only the fuzz targets in build-fuzz/, keeps the corpus in
# fuzz-corpus/ between campaigns, and writes any crashing input to
# build-fuzz/fuzz-work/crash-*: turn each into a regression test.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds="${1:-600}"
export CCACHE_BASEDIR="${CCACHE_BASEDIR:-$PWD}"
CC=clang CXX=clang++ cmake -S . -B build-fuzz -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build-fuzz -j2 --target make_seeds fuzz_gradebook fuzz_roster
work=build-fuzz/fuzz-work
rm -rf "$work/seeds"
mkdir -p "$work/seeds/gradebook" "$work/seeds/roster" fuzz-corpus/gradebook fuzz-corpus/roster
build-fuzz/make_seeds "$work/seeds/gradebook" "$work/seeds/roster"
for target in gradebook roster; do
  build-fuzz/fuzz_$target -max_total_time="$seconds" -timeout=10 -dict=fuzz/miravel.dict -print_final_stats=1 \
    -artifact_prefix="$work/" fuzz-corpus/$target "$work/seeds/$target"
done
