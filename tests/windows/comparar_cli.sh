#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# tastavo-cli.exe under Wine writes the same bytes, and ends with the same status, as the Linux
# build's tastavo-cli: transposing, collecting, naming and the JSON outputs, over the chart
# fixtures (files and standard input). Run by scripts/test-windows.sh, which makes the Wine prefix.
#   comparar_cli.sh LINUX_CLI WINDOWS_CLI_EXE FIXTURES_DIR
set -uo pipefail
linux=$1
windows=$2
dados=$3
wine_sh="$(cd "$(dirname "$0")/../.." && pwd)/scripts/wine.sh"
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
casos=0
falhas=0

# comparar ENTRADA ARGS...: both programs on the same arguments, ENTRADA (a file, or /dev/null)
# on standard input; the fixtures' folder is the working folder, so file arguments are alike.
comparar() {
  local entrada=$1
  shift
  casos=$((casos + 1))
  (cd "$dados" && "$linux" "$@" <"$entrada" >"$tmp/linux" 2>/dev/null)
  local status_linux=$?
  (cd "$dados" && "$wine_sh" "$windows" "$@" <"$entrada" >"$tmp/windows" 2>/dev/null)
  local status_windows=$?
  if [ "$status_linux" -ne "$status_windows" ] || ! cmp -s "$tmp/linux" "$tmp/windows"; then
    falhas=$((falhas + 1))
    echo "DIFFERENT: tastavo-cli $* <$(basename "$entrada") (status $status_linux vs $status_windows)"
    diff <(od -c "$tmp/linux") <(od -c "$tmp/windows") | head -8
  elif [ ! -s "$tmp/linux" ] && [ "$status_linux" -eq 0 ]; then
    falhas=$((falhas + 1))
    echo "EMPTY: tastavo-cli $* printed nothing"
  fi
}

# Each Wine start costs seconds on a busy machine: few runs, each with much in it.
todos=()
for caminho in "$dados"/*.txt; do
  f=$(basename "$caminho")
  comparar /dev/null transpose --up 1 "$f"
  comparar "$caminho" transpose --down 5 --spelling key
  comparar /dev/null collect --unique "$f"
  # Every chord the chart holds, drawn on the keyboard, as JSON.
  mapfile -t acordes < <(cd "$dados" && "$linux" collect --unique "$f" 2>/dev/null)
  if [ "${#acordes[@]}" -gt 0 ]; then
    comparar /dev/null chord --json "${acordes[@]}"
    todos+=("${acordes[@]}")
  fi
done
comparar /dev/null parse --json "${todos[@]}" "Xyz"
comparar /dev/null chord --labels intervals "C7M(9)/E" "Dm7(b5)" "G7(#5)" "F#m7/E"
comparar /dev/null name --json 52 60 64 67 71
comparar /dev/null name --all D F A C E
comparar /dev/null transpose --up 1 no-such-file.txt

echo "comparar_cli: $casos cases, $falhas different"
[ "$falhas" -eq 0 ]
