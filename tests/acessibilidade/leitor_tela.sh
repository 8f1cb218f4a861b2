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

# Xvfb picks a free display itself and writes its number only once it accepts connections:
# no race with another server starting, nor with a client connecting too early.
pasta=$(mktemp -d)
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp -dpi 96 3>"$pasta/display" >"$pasta/xvfb.log" 2>&1 &
xvfb=$!
trap 'kill $xvfb 2>/dev/null; wait $xvfb 2>/dev/null; rm -rf "$pasta"' EXIT INT TERM
i=0
until grep -q '^[0-9][0-9]*$' "$pasta/display" 2>/dev/null; do
  i=$((i + 1)); [ $i -le 300 ] || { echo "Xvfb did not start" >&2; cat "$pasta/xvfb.log" >&2; exit 1; }
  sleep 0.1
done
numero=$(cat "$pasta/display")

export DISPLAY=":$numero"
export QT_QPA_PLATFORM=xcb
export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1
export NO_AT_BRIDGE=0
export XDG_RUNTIME_DIR="$pasta"
export HOME="$pasta"
export JACK_NO_START_SERVER=1
dbus-run-session -- "$python" "$leitor" "$aplicacao"
