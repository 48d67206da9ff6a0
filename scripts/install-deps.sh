#!/usr/bin/env bash
# Installs what building and testing need on a Debian machine, skipping what is there.
set -euo pipefail

packages=(
  cmake make g++ clang-format git
  googletest libgtest-dev libbenchmark-dev librandom123-dev
  g++-mingw-w64-i686-posix g++-mingw-w64-x86-64-posix
  wine wine32:i386 wine64
  xvfb xdotool python3 python3-xlib
  libasound2-plugins:i386 alsa-utils
)

missing=()
for package in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed" ||
    missing+=("$package")
done
[ ${#missing[@]} -eq 0 ] && exit 0

sudo_if_needed() { if [ "$(id -u)" -eq 0 ]; then "$@"; else sudo "$@"; fi; }
echo "installing: ${missing[*]}"
dpkg --print-foreign-architectures | grep -qx i386 || sudo_if_needed dpkg --add-architecture i386
sudo_if_needed apt-get update -q
sudo_if_needed env DEBIAN_FRONTEND=noninteractive apt-get install -y -q --no-install-recommends \
  "${missing[@]}"
