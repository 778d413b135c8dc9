#!/usr/bin/env bash
# Installs the Debian packages the build, the tests and the asset generator need.
# Idempotent: does nothing when every package is already there. Used by `make run`,
# `make test` and CI alike.
set -euo pipefail

packages=(
  build-essential cmake pkg-config
  libsdl2-dev libsdl2-image-dev
  libmpg123-dev libkissfft-dev libmp3lame-dev
  libgl1-mesa-dev libglu1-mesa-dev libgl1-mesa-dri
  libgtest-dev
  libstb-dev libfreetype-dev fonts-dejavu-core
  nlohmann-json3-dev gnuplot-nox
  libpng-dev libpng-tools
  clang libclang-rt-14-dev
  lame sox ffmpeg
  libx11-dev xvfb xdotool openbox x11-utils pulseaudio pulseaudio-utils
)
# `tools/setup.sh windows`: the cross compiler, Wine and what the Wine tests drive it with.
if [ "${1:-}" = windows ]; then
  packages+=(g++-mingw-w64-x86-64-posix dpkg-dev wine wine64 xvfb xdotool zip unzip)
fi
# `tools/setup.sh web`: Emscripten, the source packages' tools, Chromium for the page's tests
# and npm for their browser driver (Node.js's own packages bring npm where they are not
# Debian's).
if [ "${1:-}" = web ]; then
  packages+=(emscripten dpkg-dev ninja-build chromium zip python3)
  command -v npm >/dev/null 2>&1 || packages+=(npm)
fi

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$p")
  fi
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "Installing: ${missing[*]}"
sudo_cmd=()
[ "$(id -u)" -ne 0 ] && sudo_cmd=(sudo)
export DEBIAN_FRONTEND=noninteractive
"${sudo_cmd[@]}" apt-get update -qq
"${sudo_cmd[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
