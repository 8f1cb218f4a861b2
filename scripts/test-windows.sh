#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# make test-windows: under Wine, each test binary of the Windows build run whole (shuffled and
# repeated, as ctest's *.inteiro tests do on Linux), then tastavo-cli.exe compared byte for byte
# with the Linux build's tastavo-cli. Everything runs in a Wine prefix made for this run in a
# temporary folder, headless, and removed at the end.
#   scripts/test-windows.sh [WINDOWS_BUILD_DIR] [LINUX_BUILD_DIR] [JOBS]
set -euo pipefail
cd "$(dirname "$0")/.."
raiz=$(pwd)
pasta_windows=${1:-build-windows}
pasta_linux=${2:-build}
jobs=${3:-2}
inicio=$(date +%s)
# Build folders relative to the source folder, or absolute.
case "$pasta_linux" in /*) ;; *) pasta_linux="$raiz/$pasta_linux" ;; esac
case "$pasta_windows" in /*) ;; *) pasta_windows="$raiz/$pasta_windows" ;; esac
for programa in "$pasta_linux/bin/tastavo-cli" "$pasta_windows/bin/tastavo-cli.exe"; do
  [ -x "$programa" ] || { echo "test-windows: $programa is missing: run 'make test-windows'" >&2; exit 1; }
done

wine=${TASTAVO_WINE:-$(command -v wine64 || echo /usr/lib/wine/wine64)}
wineserver=$(command -v wineserver || echo /usr/lib/wine/wineserver)
[ -x "$wine" ] || { echo "test-windows: Wine is missing: run scripts/install-deps.sh" >&2; exit 1; }
export TASTAVO_WINE=$wine

WINEPREFIX=$(mktemp -d "${TMPDIR:-/tmp}/tastavo-wine.XXXXXX")
export WINEPREFIX WINEARCH=win64 WINEDEBUG=-all
# No Mono or Gecko (their installers would ask), no window: the programs are console programs.
export WINEDLLOVERRIDES="mscoree,mshtml="
unset DISPLAY WAYLAND_DISPLAY
encerrar() {
  "$wineserver" -k >/dev/null 2>&1 || true
  rm -rf "$WINEPREFIX"
}
trap encerrar EXIT
touch "$WINEPREFIX/.tastavo-teste"

# One server for the whole run: each program then starts in well under a second.
"$wineserver" -p
"$wine" wineboot -i >/dev/null 2>&1
echo "test-windows: Wine prefix ready in $(( $(date +%s) - inicio )) s"

ctest --test-dir "$pasta_windows" -R '\.inteiro$' --output-on-failure -j "$jobs"
bash tests/windows/comparar_cli.sh "$pasta_linux/bin/tastavo-cli" "$pasta_windows/bin/tastavo-cli.exe" \
  "$raiz/tests/chart/data"
echo "test-windows: passed in $(( $(date +%s) - inicio )) s"
