#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Fails when a tracked C++ file differs from what clang-format (with .clang-format) makes of it,
# and names each such file. Fix with: git ls-files -z '*.cpp' '*.h' '*.hpp' | xargs -0 clang-format -i
set -euo pipefail
cd "$(dirname "$0")/.."
formatador=${CLANG_FORMAT:-clang-format}
if ! command -v "$formatador" > /dev/null; then
  echo "check-format: $formatador is not installed (scripts/install-deps.sh installs it)" >&2
  exit 2
fi
mapfile -d '' arquivos < <(git ls-files -z '*.cpp' '*.h' '*.hpp')
relatorio=$(mktemp)
trap 'rm -f "$relatorio"' EXIT
# --Werror makes each misformatted file an error that names it.
if printf '%s\0' "${arquivos[@]}" | xargs -0 -n 50 "$formatador" --style=file --dry-run --Werror \
     2> "$relatorio"; then
  exit 0
fi
grep -o '^[^:]*\.\(cpp\|h\|hpp\):[0-9]*:[0-9]*: error' "$relatorio" | cut -d: -f1 | sort -u |
  sed 's/^/misformatted: /' >&2
echo "check-format: $(grep -c 'error: code should be clang-formatted' "$relatorio") place(s) to format;" \
  "run clang-format -i on the files above" >&2
exit 1
