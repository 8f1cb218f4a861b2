#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Runs leitor_tela.py with its own X server on a free display and its own session bus, so the
# test needs neither a desktop nor a session: only Xvfb, dbus-run-session and at-spi2-core.
# Usage: leitor_tela.sh <application> <leitor_tela.py>
set -eu
aplicacao=$1
leitor=$2
for programa in Xvfb dbus-run-session xdotool; do
  command -v "$programa" >/dev/null || { echo "missing: $programa" >&2; exit 1; }
done
# The system's Python, where Debian's python3-pyatspi lives (not one a user put first in PATH).
python=/usr/bin/python3
[ -x "$python" ] || python=python3
"$python" -c 'import pyatspi' || { echo "missing: python3-pyatspi" >&2; exit 1; }

# A display number nobody holds (no lock file, no socket).
numero=90
while [ -e "/tmp/.X$numero-lock" ] || [ -e "/tmp/.X11-unix/X$numero" ]; do numero=$((numero + 1)); done
pasta=$(mktemp -d)
Xvfb ":$numero" -screen 0 1280x1024x24 -nolisten tcp -dpi 96 >"$pasta/xvfb.log" 2>&1 &
xvfb=$!
trap 'kill $xvfb 2>/dev/null; wait $xvfb 2>/dev/null; rm -rf "$pasta"' EXIT INT TERM
i=0
while [ ! -e "/tmp/.X11-unix/X$numero" ]; do
  i=$((i + 1)); [ $i -le 100 ] || { echo "Xvfb did not start" >&2; cat "$pasta/xvfb.log" >&2; exit 1; }
  sleep 0.1
done

export DISPLAY=":$numero"
export QT_QPA_PLATFORM=xcb
export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1
export NO_AT_BRIDGE=0
export XDG_RUNTIME_DIR="$pasta"
export HOME="$pasta"
export JACK_NO_START_SERVER=1
dbus-run-session -- "$python" "$leitor" "$aplicacao"
