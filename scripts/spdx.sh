#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Puts the licence line at the top of every source, script and build file that lacks it, after
# a shebang line where there is one; running it again changes nothing.
#   spdx.sh          add the line where it is missing
#   spdx.sh --check  list the files without it and fail if there are any
set -euo pipefail
# All in one block, read whole before it runs: the script may rewrite files under it.
{
cd "$(dirname "$0")/.."

linha='SPDX-License-Identifier: GPL-3.0-or-later'
verificar=false
[ "${1:-}" = --check ] && verificar=true

# Which comment a file's kind takes; nothing for files that are neither source nor build file.
comentario() {
    case $1 in
        *.cpp | *.cc | *.c | *.h | *.hpp) echo '//' ;;
        CMakeLists.txt | */CMakeLists.txt | *.cmake | *.cmake.in | *.sh | *.py | Makefile | */Makefile | .ci/*) echo '#' ;;
        *) if [ "$(head -c 2 "$1")" = '#!' ]; then echo '#'; fi ;;
    esac
}

# Tracked files and new ones not ignored, so a file added but not yet committed counts too;
# test data (fixtures, fuzz seeds) are inputs, not sources.
arquivos() {
    if git rev-parse --is-inside-work-tree > /dev/null 2>&1; then
        git ls-files --cached --others --exclude-standard
    else
        find . -type f ! -path './build*' ! -path './.git/*' | sed 's#^\./##'
    fi | grep -v -E '^tests/(.*/)?(data|corpus)/|^build' || true
}

faltando=0
while IFS= read -r f; do
    [ -f "$f" ] || continue
    c=$(comentario "$f")
    [ -n "$c" ] || continue
    head -n 5 "$f" | grep -q "$linha" && continue
    if $verificar; then
        echo "$f: no '$linha' line" >&2
        faltando=$((faltando + 1))
        continue
    fi
    tmp=$(mktemp)
    if [ "$(head -c 2 "$f")" = '#!' ]; then
        { head -n 1 "$f"; echo "$c $linha"; tail -n +2 "$f"; } > "$tmp"
    else
        { echo "$c $linha"; cat "$f"; } > "$tmp"
    fi
    # Keep the file's mode (scripts stay executable).
    cat "$tmp" > "$f"
    rm -f "$tmp"
done < <(arquivos)

if $verificar && [ $faltando -gt 0 ]; then
    echo "$faltando file(s) lack the licence line: run scripts/spdx.sh" >&2
    exit 1
fi
exit 0
}
