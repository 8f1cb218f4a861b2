# SPDX-License-Identifier: GPL-3.0-or-later
# bash completion of tastavo-cli: commands, options, the words an option takes, and files.
# A new command is one line in each of the two tables below (the installation test compares
# them with `tastavo-cli --help`).

_tastavo_cli() {
    local cur=${COMP_WORDS[COMP_CWORD]} prev=
    ((COMP_CWORD > 0)) && prev=${COMP_WORDS[COMP_CWORD - 1]}

    # Each command with its options; "FILE" where it reads files.
    local -A comandos=(
        [catalogue]="--help FILE"
        [chord]="--help --json --labels"
        [collect]="--help --unique FILE"
        [convert]="--help --to FILE"
        [devices]="--help --input"
        [listen]="--help --device --json"
        [name]="--help --json --all"
        [parse]="--help --json"
        [play]="--help --device --instrument --position --seconds --wav"
        [print]="--help --content --labels --chord --format --zoom --paper --page-size --language -o --output FILE"
        [transpose]="--help --up --down --spelling --keep-columns FILE"
    )
    # The words an option takes: a list, FILE for a file name, or nothing to type freely.
    case $prev in
        --labels) COMPREPLY=($(compgen -W "fingers notes intervals" -- "$cur")); return ;;
        --spelling) COMPREPLY=($(compgen -W "tables sharps flats key" -- "$cur")); return ;;
        --content) COMPREPLY=($(compgen -W "chart+chords chords chart" -- "$cur")); return ;;
        --to) COMPREPLY=($(compgen -W "chordpro text" -- "$cur")); return ;;
        --format) COMPREPLY=($(compgen -W "pdf png json" -- "$cur")); return ;;
        --zoom) COMPREPLY=($(compgen -W "100 200 300" -- "$cur")); return ;;
        --paper) COMPREPLY=($(compgen -W "a4 letter" -- "$cur")); return ;;
        -o | --output | --wav) compopt -o filenames 2> /dev/null; COMPREPLY=($(compgen -f -- "$cur")); return ;;
        --up | --down | --device | --instrument | --position | --seconds | --page-size | --language | --chord) return ;;
    esac

    # The command is the first word that is not an option.
    local comando= i
    for ((i = 1; i < COMP_CWORD; i++)); do
        [[ ${COMP_WORDS[i]} == -* ]] || { comando=${COMP_WORDS[i]}; break; }
    done
    if [[ -z $comando ]]; then
        if [[ $cur == -* ]]; then
            COMPREPLY=($(compgen -W "--help --version -V" -- "$cur"))
        else
            COMPREPLY=($(compgen -W "${!comandos[*]}" -- "$cur"))
        fi
        return
    fi
    local opcoes=${comandos[$comando]-}
    if [[ $cur == -* ]]; then
        COMPREPLY=($(compgen -W "${opcoes//FILE/}" -- "$cur"))
    elif [[ " $opcoes " == *" FILE "* ]]; then
        compopt -o filenames 2> /dev/null
        COMPREPLY=($(compgen -f -- "$cur"))
    fi
}
complete -F _tastavo_cli tastavo-cli
