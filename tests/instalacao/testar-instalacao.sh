#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs the build into a scratch prefix with `cmake --install` and checks it as a user and a
# packager would: the layout, every file the application opens at run time, the installed
# programs run from another folder, the desktop entry, icons, metainfo, manual pages, shell
# completions, licence and changelogs, and, where dpkg-deb is available, the Debian package
# built by CPack, checked by lintian where that is installed.
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
for programa in tastavo tastavo-cli; do
    [ -x "$pasta/$programa" ] && [ ! -L "$pasta/$programa" ] || falhar "lib/tastavo/$programa is not an executable file"
    [ -L "$prefixo/bin/$programa" ] || falhar "bin/$programa is not a symbolic link"
    [ "$(readlink -f "$prefixo/bin/$programa")" = "$(readlink -f "$pasta/$programa")" ] ||
        falhar "bin/$programa does not lead to lib/tastavo/$programa"
done
[ -d "$pasta/soundfonts" ] || falhar "lib/tastavo/soundfonts/ is missing"
# The screenshot programs are development tools: neither launched nor installed.
ferramentas=$(cd "$prefixo" && find . -name 'tastavo-screenshot*')
[ -z "$ferramentas" ] || falhar "development tools are installed: $ferramentas"

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
# The screenshot program, put for a moment into the installed folder, runs the real start-up
# over the installed languages and pictures.
cp "$build/bin/tastavo-screenshot" "$pasta/"
erros=$("$pasta/tastavo-screenshot" janela.png English Am7 2 2>&1 > /dev/null)
status=$?
rm -f "$pasta/tastavo-screenshot"
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
grep -qx "Exec=tastavo %F" "$desktop" || falhar "$id.desktop does not run tastavo with the files given"
grep -qx "MimeType=text/plain;text/x-chordpro;" "$desktop" || falhar "$id.desktop does not open songs"
[ -f "$prefixo/share/mime/packages/$id.xml" ] || falhar "the ChordPro file type ($id.xml) is not installed"
if command -v xmllint > /dev/null; then
    xmllint --noout "$prefixo/share/mime/packages/$id.xml" || falhar "$id.xml is not well-formed"
fi
grep -qx "Icon=$id" "$desktop" || falhar "$id.desktop does not name the icon $id"
grep -q "^Categories=.*Audio;.*Music;.*Education;" "$desktop" || falhar "$id.desktop categories"
grep -q "^Name\[pt\]=" "$desktop" && grep -q "^Comment\[pt\]=" "$desktop" || falhar "$id.desktop has no Portuguese name and comment"
for tamanho in 16 22 24 32 48 64 128 256; do
    icone=$prefixo/share/icons/hicolor/${tamanho}x$tamanho/apps/$id.png
    [ "$(largura_altura "$icone" 2> /dev/null)" = "${tamanho}x$tamanho" ] || falhar "no ${tamanho}x$tamanho icon $id.png"
done
svg=$prefixo/share/icons/hicolor/scalable/apps/$id.svg
grep -q '<svg' "$svg" 2> /dev/null && grep -q 'viewBox="0 0 256 256"' "$svg" || falhar "no scalable icon $id.svg"
metainfo=$prefixo/share/metainfo/$id.metainfo.xml
if command -v appstreamcli > /dev/null; then
    appstreamcli validate --pedantic --no-net "$metainfo" > "$tmp/appstream.log" 2>&1 || {
        cat "$tmp/appstream.log" >&2
        falhar "appstreamcli validate $id.metainfo.xml"
    }
else
    falhar "appstreamcli is missing (scripts/install-deps.sh installs appstream)"
fi
grep -q "<launchable type=\"desktop-id\">$id.desktop</launchable>" "$metainfo" || falhar "metainfo does not launch $id.desktop"
grep -q "<id>$id</id>" "$metainfo" || falhar "metainfo id differs from the desktop entry's"
grep -q "<project_license>GPL-3.0-or-later</project_license>" "$metainfo" || falhar "metainfo states no licence"

passo "licence and changelogs"
documentos=$prefixo/share/doc/tastavo
head -n 1 "$documentos/copyright" 2> /dev/null | grep -q '^Format: https://www.debian.org/doc/packaging-manuals/copyright-format/1.0/' ||
    falhar "share/doc/tastavo/copyright is not a machine-readable copyright file"
for licenca in GPL-3.0+ CC0-1.0; do
    grep -q "^License: $licenca\$" "$documentos/copyright" 2> /dev/null || falhar "copyright does not state $licenca"
done
for changelog in changelog.gz changelog.Debian.gz; do
    gzip -t "$documentos/$changelog" 2> /dev/null || falhar "share/doc/tastavo/$changelog is missing or damaged"
done
zcat "$documentos/changelog.Debian.gz" 2> /dev/null | head -n 1 | grep -q "^tastavo ($("$prefixo/bin/tastavo-cli" --version | cut -d' ' -f2)-1) " ||
    falhar "changelog.Debian.gz does not start with this version"

passo "manual pages"
for pagina in tastavo-cli tastavo; do
    caminho=$(man -M "$prefixo/share/man" -w "$pagina" 2> /dev/null) || falhar "man finds no page $pagina"
done
manual=$(LC_ALL=C.UTF-8 MANWIDTH=200 man --warnings -M "$prefixo/share/man" tastavo-cli 2> "$tmp/man.log")
[ -s "$tmp/man.log" ] && falhar "man tastavo-cli warns: $(cat "$tmp/man.log")"
# Every command and every option of the tool is in its manual page.
comandos=$(COLUMNS=1000 "$prefixo/bin/tastavo-cli" --help | sed -n '/^Subcommands:/,$p' | awk 'NR > 1 && NF {print $1}')
[ -n "$comandos" ] || falhar "tastavo-cli --help lists no commands"
for comando in $comandos; do
    grep -q "^ *$comando\b" <<< "$manual" || falhar "the manual page lacks the command $comando"
    grep -q "^ *\\$ tastavo-cli $comando\b" <<< "$manual" || falhar "the manual page has no example of $comando"
    for opcao in $("$prefixo/bin/tastavo-cli" "$comando" --help | grep -o -- '--[a-z][a-z-]*' | sort -u); do
        grep -q -- "$opcao" <<< "$manual" || falhar "the manual page lacks $comando $opcao"
    done
done
grep -q "^EXIT STATUS" <<< "$manual" || falhar "the manual page has no exit status"
grep -q -- "--version" <<< "$manual" || falhar "the manual page lacks --version"

passo "shell completions"
bash_completion=$prefixo/share/bash-completion/completions/tastavo-cli
zsh_completion=$prefixo/share/zsh/vendor-completions/_tastavo-cli
fish_completion=$prefixo/share/fish/vendor_completions.d/tastavo-cli.fish
for arquivo in "$bash_completion" "$zsh_completion" "$fish_completion"; do
    [ -f "$arquivo" ] || falhar "${arquivo#"$prefixo"/} is not installed"
done
# Completing in bash as a user does, with the installed file: "tastavo-cli ch" offers chord.
completar() {
    bash --norc --noprofile -c 'source "$1"; shift; COMP_WORDS=("$@"); COMP_CWORD=$(($# - 1)); _tastavo_cli; printf "%s\n" "${COMPREPLY[@]}"' \
        completar "$bash_completion" "$@"
}
[ "$(completar tastavo-cli ch)" = chord ] || falhar "bash completes 'tastavo-cli ch' as: $(completar tastavo-cli ch)"
[ "$(completar tastavo-cli chord --lab)" = --labels ] || falhar "bash does not complete chord --lab"
[ "$(completar tastavo-cli print --labels n)" = notes ] || falhar "bash does not complete the labels"
touch cifra-de-teste.txt
if command -v fish > /dev/null; then
    completar_fish() { fish --no-config -c "source '$fish_completion'; complete -C '$1'" | cut -f1; }
    [ "$(completar_fish 'tastavo-cli ch')" = chord ] || falhar "fish completes 'tastavo-cli ch' as: $(completar_fish 'tastavo-cli ch')"
    completar_fish 'tastavo-cli print --labels ' | grep -qx intervals || falhar "fish does not complete the labels"
fi
if command -v zsh > /dev/null; then
    zsh -n "$zsh_completion" || falhar "_tastavo-cli is no valid zsh"
fi
[ "$(completar tastavo-cli transpose cifra-de-t)" = cifra-de-teste.txt ] || falhar "bash does not complete file names"
# Every command and option of the tool is in each completion (a command added to the tool
# needs its line in each file).
for comando in $comandos; do
    for arquivo in "$bash_completion" "$zsh_completion" "$fish_completion"; do
        grep -q "\b$comando\b" "$arquivo" || falhar "${arquivo##*/} lacks the command $comando"
    done
    [ -n "$(completar tastavo-cli "$comando" --)" ] || falhar "bash completes no option of $comando"
    for opcao in $("$prefixo/bin/tastavo-cli" "$comando" --help | grep -o -- '--[a-z][a-z-]*' | sort -u); do
        completar tastavo-cli "$comando" "$opcao" | grep -qx -- "$opcao" ||
            completar tastavo-cli "$comando" -- | grep -qx -- "$opcao" || falhar "bash does not offer $comando $opcao"
        grep -q -- "$opcao" "$zsh_completion" || falhar "_tastavo-cli lacks $opcao"
        grep -q -- "-l ${opcao#--}\b" "$fish_completion" || falhar "tastavo-cli.fish lacks $opcao"
    done
done

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
        # No maintainer scripts: the plugins are private and need no ldconfig.
        dpkg-deb -e "$deb" "$tmp/controle"
        scripts=$(cd "$tmp/controle" && ls preinst postinst prerm postrm 2> /dev/null)
        [ -z "$scripts" ] || falhar "the package has maintainer scripts: $scripts"
        if command -v lintian > /dev/null; then
            # Errors and warnings fail; an override needs its reason written beside it.
            lintian --fail-on error,warning --tag-display-limit 0 "$deb" > "$tmp/lintian.log" 2>&1 || {
                cat "$tmp/lintian.log" >&2
                falhar "lintian $(basename "$deb")"
            }
        else
            falhar "lintian is missing (scripts/install-deps.sh installs it)"
        fi
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
