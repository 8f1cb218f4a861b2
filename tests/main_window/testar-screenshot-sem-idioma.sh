#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Each screenshot program, asked for a language that is not installed, ends with status 1 and
# a message naming the language, writes nothing, and never waits for a choice in the language
# list (the timeout would stop it).
#   testar-screenshot-sem-idioma.sh BIN_DIR
set -uo pipefail
bin=$(realpath "$1")
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
export QT_QPA_PLATFORM=offscreen JACK_NO_START_SERVER=1
falhas=0
for programa in tastavo-screenshot tastavo-screenshot-cifra tastavo-screenshot-impressao; do
    case $programa in
        tastavo-screenshot) saida=$tmp/janela.png ;;
        *) saida=$tmp ;;
    esac
    erros=$(cd "$tmp" && timeout 60 "$bin/$programa" "$saida" Klingon 2>&1 > /dev/null)
    status=$?
    if [ $status -ne 1 ]; then
        echo "FAIL: $programa exited with $status (124: it waited): $erros" >&2
        falhas=$((falhas + 1))
    fi
    if ! grep -q "^$programa: the language \"Klingon\" is not installed (installed: .*English" <<< "$erros"; then
        echo "FAIL: $programa did not name the missing language: $erros" >&2
        falhas=$((falhas + 1))
    fi
    if [ -n "$(find "$tmp" -name '*.png')" ]; then
        echo "FAIL: $programa wrote a picture" >&2
        falhas=$((falhas + 1))
    fi
done
[ $falhas -eq 0 ] && echo "each screenshot program ends on a missing language"
exit $((falhas > 0))
