#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Starts the desktop application from the build folder. Without a display it says so and
# renders the main window into docs/screenshot.png instead.
set -euo pipefail
build_dir=${1:-build}
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
  echo "No display (neither DISPLAY nor WAYLAND_DISPLAY is set): rendering docs/screenshot.png instead."
  exec bash "$(dirname "$0")/screenshot.sh" "$build_dir"
fi
exec "$build_dir/bin/tastavo"
