#!/usr/bin/env bash
# Builds the cellix32 date/time fuzz target in build-fuzz/ (clang, libFuzzer) and runs it for
# the given number of seconds (default 60) on a corpus that starts from the seeds below and
# keeps what the fuzzer finds between runs. Exits non-zero when the fuzzer finds a fault.
set -euo pipefail
seconds=${1:-60}
source "$(dirname "$0")/fuzz-build.sh"
cmake --build "$build_dir" --target fuzz_gridlib_intl

# Seeds: one settings byte, the text, a zero byte, the picture.
corpus="$build_dir/fuzz-corpus/gridlib_intl"
mkdir -p "$corpus"
seed() { printf "$1" >"$corpus/seed-$2"; }
seed '\x01''12/25/98\0''MM/dd/yy' date-numeric
seed '\x01''1/5\0''M/d' date-short
seed '\x03''15 f\xc3\xa9vrier 1998\0''dd mmmm yyyy' date-french
seed '\x05''1-M\xc3\x84R-05\0''d-MMM-yy' date-german
seed '\x09''Friday, May 1st, 1998\0''dddd, mmmm ds, YYYY' date-long
seed '\x01''2005\0''"Year" \\y yyyy q w s' date-quoted
seed '\x00''1:75:00\0''H:MM:SS' time-carry
seed '\x00''-01:02:03.500\0''HH:MM:SS.sss' time-negative
seed '\x00''1.0343\0''H.hhhh' time-fraction
seed '\x00''062:30\0''MMM:mm' time-total

cd "$build_dir"
UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1 \
    ./fuzz/fuzz_gridlib_intl -max_total_time="$seconds" -max_len=2048 -print_final_stats=1 \
    -artifact_prefix="$build_dir/fuzz-gridlib_intl-" "$corpus"
