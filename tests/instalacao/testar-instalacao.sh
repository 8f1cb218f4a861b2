#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs the build into a scratch prefix with `cmake --install` and checks it as a user and a
# packager would: the layout, every file the application opens at run time, the installed
# programs run from another folder, the desktop entry, icons, metainfo and manual pages, and,
# where dpkg-deb is available, the Debian package built by CPack.
#   testar-instalacao.sh BUILD_DIR SOURCE_DIR
set -uo pipefail

build=$(realpath "$1")
fonte=$(realpath "$2")
CMAKE=${CMAKE:-cmake}
CPACK=${CPACK:-cpack}
export QT_QPA_PLATFORM=${QT_QPA_PLATFORM:-offscreen}
export JACK_NO_START_SERVER=1

tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
falhas=0
falhar() {
    echo "FAIL: $*" >&2
    falhas=$((falhas + 1))
}
passo() { echo "-- $*"; }

prefixo=$tmp/prefixo
pasta=$prefixo/lib/tastavo
passo "cmake --install into $prefixo"
if ! "$CMAKE" --install "$build" --prefix "$prefixo" > "$tmp/install.log" 2>&1; then
    cat "$tmp/install.log" >&2
    echo "FAIL: cmake --install" >&2
    exit 1
fi

passo "launchers are links to the installation folder's executables"
for programa in tastavo tastavo-cli tastavo-screenshot; do
    [ -x "$pasta/$programa" ] && [ ! -L "$pasta/$programa" ] || falhar "lib/tastavo/$programa is not an executable file"
    [ -L "$prefixo/bin/$programa" ] || falhar "bin/$programa is not a symbolic link"
    [ "$(readlink -f "$prefixo/bin/$programa")" = "$(readlink -f "$pasta/$programa")" ] ||
        falhar "bin/$programa does not lead to lib/tastavo/$programa"
done
[ -d "$pasta/soundfonts" ] || falhar "lib/tastavo/soundfonts/ is missing"

passo "every shipped data file is installed as the build prepared it"
while IFS= read -r f; do
    f=${f#./}
    arquivos=("$f")
    [[ $f == *.idm && $f != */* ]] && arquivos+=("${f%.idm}.dat")
    for a in "${arquivos[@]}"; do
        cmp -s "$build/bin/$a" "$pasta/$a" || falhar "lib/tastavo/$a is missing or differs from build/bin/$a"
    done
done < <(cd "$fonte/data" && find . -type f ! -name CMakeLists.txt ! -name '*.dat')

passo "every file a language file names is installed"
for idm in "$pasta"/*.idm; do
    while IFS='=' read -r chave valor; do
        valor=${valor%$'\r'}
        [ -f "$pasta/${valor//\\//}" ] || falhar "$(basename "$idm"): $chave names $valor, which is not installed"
    done < <(grep -a '^caminho[A-Za-z]*=' "$idm")
done

passo "the installed programs run from another folder"
mkdir "$tmp/outra" && cd "$tmp/outra" || exit 1
saida=$("$prefixo/bin/tastavo-cli" chord C7 2>&1) || falhar "tastavo-cli chord C7 failed: $saida"
grep -q "^C7  position 1 of 4 (fingers)" <<< "$saida" || falhar "tastavo-cli chord C7 printed: $saida"
catalogo=$("$prefixo/bin/tastavo-cli" catalogue 2>&1) || falhar "tastavo-cli catalogue failed: $catalogo"
[ "$(wc -l <<< "$catalogo")" -gt 100 ] || falhar "the installed catalogue is short: $catalogo"
# Through a link of the user's own, the data is still found beside the real executable.
ln -s "$prefixo/bin/tastavo-cli" meu-cli
./meu-cli catalogue > /dev/null 2>&1 || falhar "tastavo-cli through a second link does not find its catalogue"
# The built-in synthesizer finds a General MIDI soundfont from the installed copy.
saida=$("$prefixo/bin/tastavo-cli" play --seconds 0.1 --wav c7.wav C7 2>&1) || falhar "tastavo-cli play --wav failed: $saida"
[ "$(head -c 4 c7.wav 2> /dev/null)" = RIFF ] || falhar "tastavo-cli play --wav wrote no WAV file"
erros=$("$prefixo/bin/tastavo-screenshot" janela.png English Am7 2 2>&1 > /dev/null)
status=$?
[ $status -eq 0 ] || falhar "tastavo-screenshot exited with $status: $erros"
# A missing language file or picture would show a message box, which the tool reports.
grep "^message:" <<< "$erros" && falhar "tastavo-screenshot showed a message: $erros"
largura_altura() { od -An -tu1 -j16 -N8 "$1" | awk '{print $3*256+$4 "x" $7*256+$8}'; }
[ "$(head -c 8 janela.png | od -An -tx1 | tr -d ' ')" = 89504e470d0a1a0a ] || falhar "janela.png is not a PNG"
[ "$(largura_altura janela.png)" = 799x521 ] || falhar "janela.png is $(largura_altura janela.png), not the main window"

passo "desktop entry, icons and metainfo"
desktop=$(ls "$prefixo"/share/applications/*.desktop 2> /dev/null)
[ "$(wc -w <<< "$desktop")" -eq 1 ] || falhar "expected one desktop entry, found: $desktop"
id=$(basename "$desktop" .desktop)
if command -v desktop-file-validate > /dev/null; then
    desktop-file-validate "$desktop" || falhar "desktop-file-validate $id.desktop"
else
    falhar "desktop-file-validate is missing (scripts/install-deps.sh installs desktop-file-utils)"
fi
grep -qx "Exec=tastavo" "$desktop" || falhar "$id.desktop does not run tastavo"
grep -qx "Icon=$id" "$desktop" || falhar "$id.desktop does not name the icon $id"
grep -q "^Categories=.*Audio;.*Music;.*Education;" "$desktop" || falhar "$id.desktop categories"
grep -q "^Name\[pt\]=" "$desktop" && grep -q "^Comment\[pt\]=" "$desktop" || falhar "$id.desktop has no Portuguese name and comment"
for tamanho in 48 64 128 256; do
    icone=$prefixo/share/icons/hicolor/${tamanho}x$tamanho/apps/$id.png
    [ "$(largura_altura "$icone" 2> /dev/null)" = "${tamanho}x$tamanho" ] || falhar "no ${tamanho}x$tamanho icon $id.png"
done
metainfo=$prefixo/share/metainfo/$id.metainfo.xml
if command -v appstreamcli > /dev/null; then
    appstreamcli validate --no-net "$metainfo" > "$tmp/appstream.log" 2>&1 || {
        cat "$tmp/appstream.log" >&2
        falhar "appstreamcli validate $id.metainfo.xml"
    }
else
    falhar "appstreamcli is missing (scripts/install-deps.sh installs appstream)"
fi
grep -q "<launchable type=\"desktop-id\">$id.desktop</launchable>" "$metainfo" || falhar "metainfo does not launch $id.desktop"
grep -q "<id>$id</id>" "$metainfo" || falhar "metainfo id differs from the desktop entry's"

passo "manual pages"
for pagina in tastavo-cli tastavo tastavo-screenshot; do
    caminho=$(man -M "$prefixo/share/man" -w "$pagina" 2> /dev/null) || falhar "man finds no page $pagina"
done
manual=$(LC_ALL=C.UTF-8 MANWIDTH=200 man --warnings -M "$prefixo/share/man" tastavo-cli 2> "$tmp/man.log")
[ -s "$tmp/man.log" ] && falhar "man tastavo-cli warns: $(cat "$tmp/man.log")"
# Every command and every option of the tool is in its manual page.
comandos=$("$prefixo/bin/tastavo-cli" --help | sed -n '/^Subcommands:/,$p' | awk 'NR > 1 && NF {print $1}')
[ -n "$comandos" ] || falhar "tastavo-cli --help lists no commands"
for comando in $comandos; do
    grep -q "^ *$comando\b" <<< "$manual" || falhar "the manual page lacks the command $comando"
    for opcao in $("$prefixo/bin/tastavo-cli" "$comando" --help | grep -o -- '--[a-z][a-z-]*' | sort -u); do
        grep -q -- "$opcao" <<< "$manual" || falhar "the manual page lacks $comando $opcao"
    done
done
grep -q "^EXIT STATUS" <<< "$manual" || falhar "the manual page has no exit status"

if command -v dpkg-deb > /dev/null && command -v dpkg-shlibdeps > /dev/null; then
    passo "Debian package"
    if "$CPACK" -G DEB -B "$tmp/pacote" --config "$build/CPackConfig.cmake" > "$tmp/cpack.log" 2>&1; then
        deb=$(ls "$tmp"/pacote/tastavo_*.deb)
        # The package holds exactly what cmake --install lays out, under /usr.
        dpkg-deb -c "$deb" > "$tmp/conteudo.txt"
        awk '$1 !~ /^d/ {print $6}' "$tmp/conteudo.txt" | sed 's#^\./usr/#./#' | sort > "$tmp/pacote.txt"
        (cd "$prefixo" && find . ! -type d | sort) > "$tmp/prefixo.txt"
        diff "$tmp/prefixo.txt" "$tmp/pacote.txt" > "$tmp/diferenca.txt" ||
            falhar "the package and the installation differ: $(cat "$tmp/diferenca.txt")"
        grep -q '\./usr/bin/tastavo -> \.\./lib/tastavo/tastavo$' "$tmp/conteudo.txt" ||
            falhar "the package's /usr/bin/tastavo is no link into /usr/lib/tastavo"
        depends=$(dpkg-deb -f "$deb" Depends)
        for pacote in libqt6widgets6 librtmidi libfluidsynth libturbojpeg qt6-qpa-plugins timgm6mb-soundfont fonts-liberation; do
            grep -q "$pacote" <<< "$depends" || falhar "Depends lacks $pacote: $depends"
        done
    else
        cat "$tmp/cpack.log" >&2
        falhar "cpack -G DEB"
    fi
else
    passo "no dpkg-deb here: the Debian package is not built"
fi

[ $falhas -eq 0 ] || {
    echo "$falhas check(s) failed" >&2
    exit 1
}
echo "installation checks passed"
