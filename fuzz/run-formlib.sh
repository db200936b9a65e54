#!/usr/bin/env bash
# Builds the tavrin32 bitmap fuzz target in build-fuzz/ (clang, libFuzzer) and runs it for the
# given number of seconds (default 60) on a corpus that starts from the seeds below and keeps
# what the fuzzer finds between runs. Exits non-zero when the fuzzer finds a fault.
set -euo pipefail
seconds=${1:-60}
source "$(dirname "$0")/fuzz-build.sh"
cmake --build "$build_dir" --target fuzz_formlib_bmp

# Seeds: a selector byte, then a whole .bmp file (selector 0) or a width byte, a height byte
# and a run-length stream (selector 1 for 4 bits a pixel, 2 for 8).
corpus="$build_dir/fuzz-corpus/formlib_bmp"
mkdir -p "$corpus"
seed() { printf "$1" >"$corpus/seed-$2"; }
# A 2 x 2 bitmap with two colours: file header, info header, colour table, stream.
file_header='BM\x46\x00\x00\x00\x00\x00\x00\x00\x3e\x00\x00\x00'
info_header() { # $1 bit count, $2 compression
    printf '%s' "\x28\x00\x00\x00\x02\x00\x00\x00\x02\x00\x00\x00\x01\x00$1\x00$2\x00\x00\x00"
    printf '%s' '\x08\x00\x00\x00\x00\x00\x00\x00\x00\x00\x00\x00\x02\x00\x00\x00\x00\x00\x00\x00'
}
colours='\x00\x00\x00\x00\xff\xff\xff\x00'
seed '\x00'"$file_header$(info_header '\x08' '\x01')$colours"'\x02\x01\x00\x00\x02\x00\x00\x01' file-rle8
seed '\x00'"$file_header$(info_header '\x04' '\x02')$colours"'\x02\x01\x00\x00\x02\x10\x00\x01' file-rle4
seed '\x02\x05\x03''\x03\x01\x02\x02\x00\x00\x00\x03\x04\x05\x06\x00\x02\x07\x00\x00\x00\x01' rle8-runs
seed '\x02\x04\x04''\x01\x03\x00\x02\x02\x01\x01\x05\x00\x00\x02\x06\x00\x01' rle8-delta
seed '\x01\x05\x03''\x05\x12\x00\x00\x00\x03\x34\x50\x02\x66\x00\x00\x00\x05\x12\x34\x50\x00\x00\x01' rle4-runs
seed '\x01\x04\x04''\x01\x33\x00\x02\x02\x01\x01\x55\x00\x00\x02\x66\x00\x01' rle4-delta

cd "$build_dir"
UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1 \
    ./fuzz/fuzz_formlib_bmp -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
    -artifact_prefix="$build_dir/fuzz-formlib_bmp-" "$corpus"
