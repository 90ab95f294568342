#!/usr/bin/env bash
# Installs what a fresh Debian 12 machine lacks to build, run and test the calculator.
# Safe to run again: apt-get skips what is already there.
set -euo pipefail

packages=(
  build-essential cmake ninja-build pkg-config
  qt6-base-dev qt6-base-dev-tools libgl-dev libxcb1-dev libx11-dev libx11-xcb-dev
  libgtest-dev libgmock-dev googletest libbenchmark-dev
  clang libclang-rt-14-dev clang-format
  fonts-ipafont-gothic locales
  xvfb xauth x11-utils x11-xkb-utils xdotool xclip openbox tint2 imagemagick
  dbus at-spi2-core python3-pyatspi
  weston xwayland qt6-wayland
  mingw-w64 ccache
  wine wine64 nsis python3 desktop-file-utils appstream man-db groff-base dpkg-dev fakeroot file
)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done

if ((${#missing[@]})); then
  SUDO=""
  [ "$(id -u)" -eq 0 ] || SUDO="sudo"
  export DEBIAN_FRONTEND=noninteractive
  $SUDO apt-get update -qq
  $SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi

# The engine's tests check number conversions under a locale that writes a decimal comma.
if ! locale -a 2>/dev/null | grep -qix 'de_DE\.utf-\?8'; then
  SUDO=""
  [ "$(id -u)" -eq 0 ] || SUDO="sudo"
  $SUDO sed -i 's/^# *\(de_DE\.UTF-8 UTF-8\)/\1/' /etc/locale.gen
  $SUDO locale-gen
fi
