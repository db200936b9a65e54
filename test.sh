#!/usr/bin/env bash
# Builds Quelbox and runs every test. Exits non-zero when anything fails.
set -euo pipefail
root=$(cd "$(dirname "$0")" && pwd)
"$root/scripts/install-deps.sh"
build_dir=${QUELBOX_BUILD_DIR:-$root/build}
"$root/scripts/build.sh" "$build_dir" "$@"
cd "$build_dir"
QT_QPA_PLATFORM=offscreen ctest --output-on-failure --parallel "$(nproc)"
