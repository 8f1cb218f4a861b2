#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Runs a program of the Windows build under Wine, in the Wine prefix that scripts/test-windows.sh
# made for its run, never in the user's own (~/.wine). The Windows build's ctest uses it as the
# emulator of its test binaries.
set -euo pipefail
if [ -z "${WINEPREFIX:-}" ] || [ ! -f "$WINEPREFIX/.tastavo-teste" ]; then
  echo "scripts/wine.sh: no Wine prefix of the tests here; run 'make test-windows'" >&2
  exit 2
fi
exec "${TASTAVO_WINE:-$(command -v wine64 || echo /usr/lib/wine/wine64)}" "$@"
