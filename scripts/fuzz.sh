#!/usr/bin/env bash
# Long fuzzing campaigns of the grade-book reader, the roster import, the
# field-text checks, the recovery record reader, the settings-file reader and
# the versions listing
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
targets="gradebook roster fieldtext recovery settings versions"
cmake --build build-fuzz -j2 --target make_seeds $(for t in $targets; do echo fuzz_$t; done)
work=build-fuzz/fuzz-work
rm -rf "$work/seeds"
for t in $targets; do mkdir -p "$work/seeds/$t" "fuzz-corpus/$t"; done
build-fuzz/make_seeds "$work/seeds"
for target in $targets; do
  build-fuzz/fuzz_$target -max_total_time="$seconds" -timeout=10 -dict=fuzz/miravel.dict -print_final_stats=1 \
    -artifact_prefix="$work/" fuzz-corpus/$target "$work/seeds/$target"
done
