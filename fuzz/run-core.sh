#!/usr/bin/env bash
# Builds the core fuzz targets (job file, side files, table layer, table CSV) in build-fuzz/ (clang,
# libFuzzer) and runs each for the given number of seconds (default 60) on a corpus that starts
# from the seeds the build writes and keeps what the fuzzer finds between runs. Exits non-zero
# when a fuzzer finds a fault; the input that shows it is left as build-fuzz/fuzz-core_*-crash-*.
set -euo pipefail
seconds=${1:-60}
source "$(dirname "$0")/fuzz-build.sh"
cmake --build "$build_dir" --target fuzz_core_job fuzz_core_kvi fuzz_core_table fuzz_core_csv \
    fuzz_core_seed_corpora

cd "$build_dir"
for target in job kvi table csv; do
    corpus="$build_dir/fuzz-corpus/core_$target"
    mkdir -p "$corpus"
    max_len=4096
    [ "$target" = table ] && max_len=20000 # the shipped tables come in whole up to this, cut past it
    [ "$target" = csv ] && max_len=8192
    UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1 \
        "./fuzz/fuzz_core_$target" -max_total_time="$seconds" -max_len="$max_len" \
        -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-core_$target-" \
        "$corpus" "$build_dir/fuzz-seeds/core/$target"
done
