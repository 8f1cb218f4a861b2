#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs every Debian package the product, its tests and benchmarks need.
# Idempotent: does nothing when all packages are present.
set -euo pipefail

PACKAGES=(
  build-essential cmake ninja-build pkg-config ccache
  qt6-base-dev qt6-svg-dev
  librtmidi-dev libasound2-dev libjack-dev
  libfluidsynth-dev timgm6mb-soundfont
  libturbojpeg0-dev
  nlohmann-json3-dev
  libcli11-dev
  libgtest-dev libgmock-dev
  libbenchmark-dev
  xvfb xdotool
  dbus-daemon at-spi2-core python3-pyatspi
  qt6-translations-l10n
  fonts-liberation2
  fonts-ipafont-gothic
  imagemagick
  poppler-utils
  cups printer-driver-cups-pdf
  jackd1
  desktop-file-utils appstream dpkg-dev fakeroot man-db lintian
  clang libclang-rt-14-dev
  clang-format
  libstb-dev
  g++-mingw-w64-x86-64-posix googletest wine64
)

missing=()
for p in "${PACKAGES[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$p")
  fi
done

if [ ${#missing[@]} -eq 0 ]; then
  exit 0
fi

SUDO=""
if [ "$(id -u)" -ne 0 ]; then
  SUDO="sudo"
fi

echo "Installing: ${missing[*]}"
export DEBIAN_FRONTEND=noninteractive
$SUDO env DEBIAN_FRONTEND=noninteractive apt-get update -q
$SUDO env DEBIAN_FRONTEND=noninteractive apt-get install -y -q --no-install-recommends "${missing[@]}"
