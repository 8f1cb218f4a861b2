#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# How far the desktop application's sources are from Windows: each window source, the Qt canvas,
# the artwork generator and the sound back ends compiled (syntax only) by MinGW-w64 for Windows
# against Debian's Qt 6, RtMidi and FluidSynth headers, which are the same for every platform but
# for Qt's feature configuration. No Qt for Windows is installed, so nothing is linked: this
# measures the sources, not the libraries. Prints one line per file and a summary.
#   scripts/windows-janelas.sh [JOBS [SOURCE...]]
set -uo pipefail
cd "$(dirname "$0")/.."
jobs=${1:-2}
shift || true
qt=/usr/include/x86_64-linux-gnu/qt6
inc=$(mktemp -d)
trap 'rm -rf "$inc"' EXIT
# The host's headers only through links to the libraries' own folders, never /usr/include.
for h in rtmidi fluidsynth fluidsynth.h nlohmann CLI stb; do ln -s "/usr/include/$h" "$inc/$h"; done
flags=(-std=c++20 -fsyntax-only -DQT_CORE_LIB -DQT_GUI_LIB -DQT_WIDGETS_LIB -DTASTAVO_COM_ALSA=0 -DTASTAVO_COM_JACK=0 -DTASTAVO_VERSAO=\"0\"
       -isystem "$inc" -isystem "$inc/rtmidi" -isystem "$qt")
for m in QtCore QtGui QtWidgets QtPrintSupport QtTest; do flags+=(-isystem "$qt/$m"); done
for d in src/*/ src/*/ui/ src/printing/qt/ src/main_window/geometria/ src/sound/sistema/ \
         src/sound/sistema/include/ tools/arte/; do
  flags+=(-I "$d")
done
export TASTAVO_FLAGS="${flags[*]}"
if [ $# -gt 0 ]; then
  fontes="$*"
else
  fontes=$(ls src/*/ui/*.cpp src/ui_comum/*.cpp src/printing/qt/*.cpp src/sound/sistema/*.cpp \
              src/sound/plugin/*.cpp src/main_window/*.cpp tools/arte/*.cpp 2>/dev/null)
fi
printf '%s\n' $fontes | xargs -P "$jobs" -I{} sh -c \
  'if x86_64-w64-mingw32-g++-posix $TASTAVO_FLAGS {} 2>/tmp/janelas.$$.err; then echo "ok   {}";
   else echo "FAIL {}: $(grep -m1 "error" /tmp/janelas.$$.err)"; fi; rm -f /tmp/janelas.$$.err' |
  sort -k2 | tee "$inc/resultado"
echo "windows-janelas: $(grep -c '^ok' "$inc/resultado") of $(wc -l <"$inc/resultado") sources compile for Windows"
