#!/usr/bin/env bash
# The Windows build's libraries: SDL2, SDL2_image, libmpg123 and kissfft from Debian's own
# source packages (the versions the Linux build links against), and GoogleTest from the
# libgtest-dev sources, cross-built static with MinGW-w64 into a prefix, with libstb-dev's
# headers beside them and, for the music tests' tones, lame.exe. Prints that prefix.
#
# The prefix lives outside the build folders, in ${XDG_CACHE_HOME:-~/.cache}/rerovuz-win
# (or $REROVUZ_WIN_CACHE), named after a hash of the package versions, the compiler, this
# script and the toolchain file: a second build, or a clean one, reuses it; a new package
# version or a change here builds a new one. Logs go to <prefix>.log.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
root=$(cd "$here/../.." && pwd)

bash "$root/tools/setup.sh" windows >&2

# Debian source package and version of each library, from the installed -dev packages.
mapfile -t sources < <(dpkg-query -W -f='${source:Package}=${source:Version}\n' \
  libsdl2-dev libsdl2-image-dev libmpg123-dev libkissfft-dev libgtest-dev libstb-dev lame | sort)
compiler=g++-mingw-w64-x86-64-posix=$(dpkg-query -W -f='${Version}' g++-mingw-w64-x86-64-posix)
key=$({ printf '%s\n' "${sources[@]}" "$compiler"; cat "$0" "$here/toolchain.cmake"; } |
  sha256sum | cut -c 1-16)
cache=${REROVUZ_WIN_CACHE:-${XDG_CACHE_HOME:-$HOME/.cache}/rerovuz-win}
prefix=$cache/deps-$key

if [ -f "$prefix/versions.txt" ]; then
  echo "$prefix"
  exit 0
fi
mkdir -p "$cache"
# `make windows` and `make test` may both get here: one builds, the other waits for it.
exec 9>"$cache/lock"
flock 9
if [ -f "$prefix/versions.txt" ]; then
  echo "$prefix"
  exit 0
fi

log=$prefix.log
echo "Building the Windows libraries into $prefix (log: $log)" >&2
rm -rf "$prefix"
work=$(mktemp -d "$cache/work.XXXXXX")
trap 'rm -rf "$work"' EXIT
exec 3>&2 4>&1 >"$log" 2>&1
trap 'rc=$?; rm -rf "$work"; [ $rc -eq 0 ] || { tail -n 30 "$log" >&3; echo "failed, see $log" >&3; }' EXIT

# apt-get source needs a deb-src entry; add one for the suites the machine already uses.
if ! apt-cache showsrc libsdl2 2>/dev/null | grep -q '^Package:'; then
  list=/etc/apt/sources.list.d/rerovuz-deb-src
  if [ -f /etc/apt/sources.list.d/debian.sources ]; then
    awk 'BEGIN { RS = ""; ORS = "\n\n" }
         /(^|\n)Types:[^\n]*deb([ \n]|$)/ && /debian/ { sub(/Types:[^\n]*/, "Types: deb-src"); print }' \
      /etc/apt/sources.list.d/debian.sources >"$list.sources"
  else
    sed -n 's/^deb \(.*debian.*\)/deb-src \1/p' /etc/apt/sources.list >"$list.list"
  fi
  sudo_cmd=()
  [ "$(id -u)" -ne 0 ] && sudo_cmd=(sudo)
  "${sudo_cmd[@]}" apt-get update -qq
fi

cd "$work"
fetch=()
for s in "${sources[@]}"; do
  case ${s%%=*} in googletest | libstb) ;; *) fetch+=("$s") ;; esac
done
# apt checks every downloaded file against the signed archive index; a missing detached
# upstream signature (mpg123's .asc) only makes it exit non-zero, so check the .dsc files.
apt-get source --download-only "${fetch[@]}" || true
for s in "${fetch[@]}"; do
  name=${s%%=*}
  version=$(echo "${s#*=}" | sed 's/^[0-9]*://')
  dpkg-source --no-check -x "${name}_$version.dsc" "src-$name"
done

jobs=2
cmake_build() {
  local src=$1 name=$2
  shift 2
  cmake -S "$src" -B "build-$name" --toolchain "$here/toolchain.cmake" \
    -DCMAKE_BUILD_TYPE=Release -DCMAKE_INSTALL_PREFIX="$prefix" -DREROVUZ_WIN_DEPS="$prefix" \
    -DCMAKE_INSTALL_LIBDIR=lib -DCMAKE_INSTALL_INCLUDEDIR=include -DCMAKE_INSTALL_BINDIR=bin "$@"
  cmake --build "build-$name" -j "$jobs"
  cmake --install "build-$name"
  mkdir -p "$prefix/share/licenses/$name"
  for f in "$src"/LICENSE* "$src"/COPYING* "$src"/debian/copyright; do
    [ -f "$f" ] && cp "$f" "$prefix/share/licenses/$name/"
  done
  return 0
}

cmake_build src-libsdl2 libsdl2 -DSDL_SHARED=OFF -DSDL_STATIC=ON -DSDL_TEST=OFF
# SDL's pkg-config file makes every program a GUI one (-mwindows) whose main() SDL2main calls
# as SDL_main. Our programs keep a plain main(), which MinGW's start-up calls in GUI programs
# too (they read no arguments but ASCII options), and only the demo is a GUI program: the
# capture and the tests write to the console.
pc=$prefix/lib/pkgconfig
sed -i -E 's/[[:space:]]+(-mwindows|-lSDL2main|-Dmain=SDL_main)//g' "$pc/sdl2.pc"
! grep -q -E -- '-mwindows|SDL2main|SDL_main' "$pc/sdl2.pc"
cmake_build src-libsdl2-image libsdl2-image -DBUILD_SHARED_LIBS=OFF \
  -DSDL2IMAGE_BACKEND_STB=ON -DSDL2IMAGE_VENDORED=OFF -DSDL2IMAGE_DEPS_SHARED=OFF \
  -DSDL2IMAGE_SAMPLES=OFF -DSDL2IMAGE_TESTS=OFF -DSDL2IMAGE_JPG_SAVE=OFF -DSDL2IMAGE_PNG_SAVE=OFF
# Its CMake files install a pkg-config file for shared builds only (and their package config
# asks for libpng and libjpeg, which the built-in decoders do not use).
printf '%s\n' "prefix=$prefix" "Name: SDL2_image" "Description: SDL2_image, built-in decoders" \
  "Version: $(printf '%s\n' "${sources[@]}" | sed -n 's/^libsdl2-image=\([0-9.]*\).*/\1/p')" \
  "Requires: sdl2" "Libs: -L\${prefix}/lib -lSDL2_image" "Cflags: -I\${prefix}/include/SDL2" \
  >"$pc/SDL2_image.pc"
cmake_build src-mpg123/ports/cmake mpg123 -DBUILD_SHARED_LIBS=OFF -DBUILD_PROGRAMS=OFF \
  -DBUILD_LIBOUT123=OFF
cp src-mpg123/COPYING "$prefix/share/licenses/mpg123/"
# On MinGW the library exports only its 64-bit file offset names; its header picks those
# for code built with 64-bit offsets. Its path helpers come from shlwapi.
sed -i -E -e 's/^Cflags: (.*)/Cflags: \1 -D_FILE_OFFSET_BITS=64/' \
  -e 's/^Libs.private:.*/Libs.private: -lshlwapi/' "$pc/libmpg123.pc"
cmake_build src-kissfft kissfft -DKISSFFT_DATATYPE=float -DKISSFFT_STATIC=ON \
  -DKISSFFT_TEST=OFF -DKISSFFT_TOOLS=OFF -DKISSFFT_PKGCONFIG=ON -DKISSFFT_OPENMP=OFF
cmake_build /usr/src/googletest googletest -DBUILD_GMOCK=OFF -DINSTALL_GTEST=ON
rm -rf "$prefix/share/licenses/googletest" # a test tool, not shipped
# The encoder the Linux tests run, as a Windows program (a test tool, not shipped).
(cd src-lame && ./configure --host=x86_64-w64-mingw32 CC=x86_64-w64-mingw32-gcc-posix \
  LDFLAGS=-static --disable-shared --disable-decoder --disable-gtktest --without-libsndfile &&
  make -j "$jobs" && install -D frontend/lame.exe "$prefix/bin/lame.exe")
# stb's header-only image writer and reader (the capture's PNG files, the test pictures).
cp -r /usr/include/stb "$prefix/include/"

# Written last: its presence marks a complete prefix.
printf '%s\n' "${sources[@]}" "$compiler" >"$prefix/versions.txt"
echo "$prefix" >&4
