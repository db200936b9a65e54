#!/usr/bin/env bash
# Builds Quelbox and runs it on the sample job.
set -euo pipefail
root=$(cd "$(dirname "$0")" && pwd)
"$root/scripts/install-deps.sh"
build_dir=$root/build
"$root/scripts/build.sh" "$build_dir"
"$build_dir/src/cli/quelbox-cli" totals "$build_dir/sample/sample.kvj"
