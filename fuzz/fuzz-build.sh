# Sourced by the fuzz/run-*.sh scripts: installs what the build needs (clang and its libFuzzer
# runtime among the rest) and configures build-fuzz/ (clang, libFuzzer, no Qt programs) once.
# Sets root and build_dir.
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
build_dir="$root/build-fuzz"
"$root/scripts/install-deps.sh"

if [ ! -f "$build_dir/build.ninja" ]; then
    CXX=clang++ cmake -S "$root" -B "$build_dir" -G Ninja -DFUZZ=ON -DQUELBOX_GUI=OFF \
        -DQUELBOX_BENCH=OFF -DCMAKE_BUILD_TYPE=RelWithDebInfo
fi
