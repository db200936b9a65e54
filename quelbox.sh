#!/usr/bin/env bash
# Builds Quelbox, prepares the workspace folder and starts the desktop program there on the
# sample job.
set -euo pipefail
root=$(cd "$(dirname "$0")" && pwd)
"$root/scripts/install-deps.sh"
build_dir=$root/build
"$root/scripts/build.sh" "$build_dir"
workspace=$root/workspace
"$root/scripts/prepare-workspace.sh" "$build_dir" "$workspace"
cd "$workspace"
exec "$build_dir/src/app/quelbox" sample.kvj
