#!/usr/bin/env bash
# Prepares a working folder for the desktop program: the shipped reference tables, the sample job
# and a logo for the printed report. Files already there are kept (they may hold the user's
# changes). Usage: prepare-workspace.sh BUILD_DIR WORKSPACE_DIR
set -euo pipefail
build_dir=$1
workspace=$2
mkdir -p "$workspace"
for table in INSUL.DAT PRODUCT.DAT UNITS.DAT COILS.DAT; do
    [ -f "$workspace/$table" ] || cp "$build_dir/data/$table" "$workspace/$table"
done
[ -f "$workspace/sample.kvj" ] || cp "$build_dir/sample/sample.kvj" "$workspace/sample.kvj"
[ -f "$workspace/lgo.bmp" ] || cp "$build_dir/data/lgo.bmp" "$workspace/lgo.bmp"
