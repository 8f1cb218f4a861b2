# SPDX-License-Identifier: GPL-3.0-or-later
# fish completion of tastavo-cli: commands, options, the words an option takes, and files.
# A new command is one `complete ... -a` line and its options' lines (the installation test
# compares them with `tastavo-cli --help`).

set -l comandos catalogue chord collect convert devices listen name parse play print transpose
complete -c tastavo-cli -f
complete -c tastavo-cli -n "not __fish_seen_subcommand_from $comandos" -s h -l help -d 'Show the help'
complete -c tastavo-cli -n "not __fish_seen_subcommand_from $comandos" -s V -l version -d 'Show the version'

complete -c tastavo-cli -n "not __fish_seen_subcommand_from $comandos" -a catalogue -d 'Print the chord names catalogue'
complete -c tastavo-cli -n "not __fish_seen_subcommand_from $comandos" -a chord -d 'Show every keyboard position of chords'
complete -c tastavo-cli -n "not __fish_seen_subcommand_from $comandos" -a collect -d 'List the chords of a chord chart'
complete -c tastavo-cli -n "not __fish_seen_subcommand_from $comandos" -a convert -d 'Convert a chart to ChordPro or to chords over lyrics'
complete -c tastavo-cli -n "not __fish_seen_subcommand_from $comandos" -a devices -d 'List the MIDI output devices'
complete -c tastavo-cli -n "not __fish_seen_subcommand_from $comandos" -a listen -d 'Name the chords played on a MIDI input'
complete -c tastavo-cli -n "not __fish_seen_subcommand_from $comandos" -a name -d 'Name the chord of a set of notes'
complete -c tastavo-cli -n "not __fish_seen_subcommand_from $comandos" -a parse -d 'Show the packed value of chord symbols'
complete -c tastavo-cli -n "not __fish_seen_subcommand_from $comandos" -a play -d 'Sound one position of a chord'
complete -c tastavo-cli -n "not __fish_seen_subcommand_from $comandos" -a print -d 'Lay out a chart and its chord diagrams'
complete -c tastavo-cli -n "not __fish_seen_subcommand_from $comandos" -a transpose -d 'Transpose every chord of a chord chart'

complete -c tastavo-cli -n "__fish_seen_subcommand_from $comandos" -s h -l help -d 'Show the help'
complete -c tastavo-cli -n "__fish_seen_subcommand_from catalogue collect convert print transpose" -F
complete -c tastavo-cli -n "__fish_seen_subcommand_from chord listen name parse" -l json -d 'JSON output'
complete -c tastavo-cli -n "__fish_seen_subcommand_from chord print" -l labels -x -a 'fingers notes intervals' -d 'Key labels'
complete -c tastavo-cli -n "__fish_seen_subcommand_from collect" -l unique -d 'Each chord once'
complete -c tastavo-cli -n "__fish_seen_subcommand_from name" -l all -d 'Every name, best first'
complete -c tastavo-cli -n "__fish_seen_subcommand_from play" -l device -x -d 'Output device number'
complete -c tastavo-cli -n "__fish_seen_subcommand_from play" -l instrument -x -d 'General MIDI program 0-127'
complete -c tastavo-cli -n "__fish_seen_subcommand_from play" -l position -x -d 'Position of the chord'
complete -c tastavo-cli -n "__fish_seen_subcommand_from play" -l seconds -x -d 'How long the chord is held'
complete -c tastavo-cli -n "__fish_seen_subcommand_from play" -l wav -r -F -d 'Render into a WAV file'
complete -c tastavo-cli -n "__fish_seen_subcommand_from print" -l content -x -a 'chart+chords chords chart' -d 'What the document holds'
complete -c tastavo-cli -n "__fish_seen_subcommand_from print" -l chord -x -d 'A chord to draw'
complete -c tastavo-cli -n "__fish_seen_subcommand_from print" -l format -x -a 'pdf png json' -d 'Output format'
complete -c tastavo-cli -n "__fish_seen_subcommand_from print" -l zoom -x -a '100 200 300' -d 'Preview zoom'
complete -c tastavo-cli -n "__fish_seen_subcommand_from print" -l paper -x -a 'a4 letter' -d 'Paper'
complete -c tastavo-cli -n "__fish_seen_subcommand_from print" -l page-size -x -d 'A page of WxH printer pixels'
complete -c tastavo-cli -n "__fish_seen_subcommand_from print" -l language -x -d 'Language of the header texts'
complete -c tastavo-cli -n "__fish_seen_subcommand_from print" -s o -l output -r -F -d 'Output file'
complete -c tastavo-cli -n "__fish_seen_subcommand_from transpose" -l up -x -d 'Semitones up'
complete -c tastavo-cli -n "__fish_seen_subcommand_from transpose" -l down -x -d 'Semitones down'
complete -c tastavo-cli -n "__fish_seen_subcommand_from transpose" -l spelling -x -a 'tables sharps flats key' -d 'How roots are written'
complete -c tastavo-cli -n "__fish_seen_subcommand_from transpose" -l keep-columns -d 'Keep chords in their columns'
complete -c tastavo-cli -n "__fish_seen_subcommand_from convert" -l to -x -a 'chordpro text' -d 'The form to write'
complete -c tastavo-cli -n "__fish_seen_subcommand_from devices" -l input -d 'List the MIDI input devices'
complete -c tastavo-cli -n "__fish_seen_subcommand_from listen" -l device -x -d 'Input device number'
