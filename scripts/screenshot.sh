#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Renders the main window showing C7M(9)/E with note names into docs/screenshot.png, and the
# chord chart window with a transposed song into docs/chart-window.png.
set -euo pipefail
build_dir=${1:-build}
root=$(cd "$(dirname "$0")/.." && pwd)
mkdir -p "$root/docs"
QT_QPA_PLATFORM=offscreen "$build_dir/bin/tastavo-screenshot" "$root/docs/screenshot.png" >/dev/null 2>&1
echo "wrote docs/screenshot.png"
QT_QPA_PLATFORM=offscreen "$build_dir/bin/tastavo-screenshot-cifra" "$root/docs/chart-window.png" >/dev/null 2>&1
echo "wrote docs/chart-window.png"
