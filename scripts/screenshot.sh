#!/usr/bin/env bash
# Renders the main window showing C7M(9)/E with note names into docs/screenshot.png.
set -euo pipefail
build_dir=${1:-build}
root=$(cd "$(dirname "$0")/.." && pwd)
mkdir -p "$root/docs"
QT_QPA_PLATFORM=offscreen "$build_dir/bin/tastavo-screenshot" "$root/docs/screenshot.png" >/dev/null 2>&1
echo "wrote docs/screenshot.png"
