#!/usr/bin/env bash
# Builds the picture-mask fuzz target in build-fuzz/ (clang, libFuzzer, Qt 6 Gui) and runs it for
# the given number of seconds (default 60) on a corpus that starts from the seeds below and keeps
# what the fuzzer finds between runs. Exits non-zero when the fuzzer finds a fault.
set -euo pipefail
seconds=${1:-60}
source "$(dirname "$0")/fuzz-build.sh"
cmake --build "$build_dir" --target fuzz_dialogs_picture

# Seeds: a selector byte (0 to 3: one of the program's pictures; otherwise a picture and a
# newline come first), then the typed text.
corpus="$build_dir/fuzz-corpus/dialogs_picture"
mkdir -p "$corpus"
seed() { printf "$1" >"$corpus/seed-$2"; }
seed '\x00''-50' signed
seed '\x01''98' unsigned
seed '\x02''400.00' real
seed '\x02''.5' real-point
seed '\x03''12345678' long
seed '\x03''123456789' long-too-long
seed '\x10''[#][#][.][#]\n''1.5' own-real
seed '\x10''[-][#][:][#][#]\n''-1:30' own-literal
seed '\x10''[#][-][#]\n''1-2' own-inner-minus

cd "$build_dir"
UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1 \
    ./fuzz/fuzz_dialogs_picture -max_total_time="$seconds" -max_len=512 -print_final_stats=1 \
    -artifact_prefix="$build_dir/fuzz-dialogs_picture-" "$corpus"
