#!/usr/bin/env bash
# The web build's libraries: SDL2 (video, audio, events and timers only), SDL2_image (its
# built-in PNG, JPEG and BMP decoders), libmpg123, kissfft and GLU from Debian's own source
# packages (the versions the Linux build links against), and gl4es from third_party/gl4es
# with our patches, built static with Debian's Emscripten into a prefix. Prints that prefix.
#
# The prefix lives outside the build folders, in ${XDG_CACHE_HOME:-~/.cache}/rerovuz-web (or
# $REROVUZ_WEB_CACHE), named after a hash of the package versions, Emscripten's version, this
# script, the toolchain file and gl4es with its patches: a second build, or a clean one,
# reuses it; a new version or a change to any of them builds a new one. Logs go to
# <prefix>.log.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
root=$(cd "$here/../.." && pwd)

bash "$root/tools/setup.sh" web >&2
source "$here/emscripten_env.sh"

# Debian source package and version of each library, from the installed -dev packages.
mapfile -t sources < <(dpkg-query -W -f='${source:Package}=${source:Version}\n' \
  libsdl2-dev libsdl2-image-dev libmpg123-dev libkissfft-dev libglu1-mesa-dev | sort)
compiler=emscripten=$(dpkg-query -W -f='${Version}' emscripten)
gl4es=$root/third_party/gl4es
key=$({ printf '%s\n' "${sources[@]}" "$compiler"; cat "$0" "$here/toolchain.cmake";
        (cd "$gl4es" && find . -type f | LC_ALL=C sort | xargs sha256sum); } |
  sha256sum | cut -c 1-16)
cache=${REROVUZ_WEB_CACHE:-${XDG_CACHE_HOME:-$HOME/.cache}/rerovuz-web}
prefix=$cache/deps-$key

if [ -f "$prefix/versions.txt" ]; then
  echo "$prefix"
  exit 0
fi
mkdir -p "$cache"
# `make web` and `make test` may both get here: one builds, the other waits for it.
exec 9>"$cache/lock"
flock 9
if [ -f "$prefix/versions.txt" ]; then
  echo "$prefix"
  exit 0
fi

log=$prefix.log
echo "Building the web libraries into $prefix (log: $log)" >&2
rm -rf "$prefix"
work=$(mktemp -d "$cache/work.XXXXXX")
exec 3>&2 4>&1 >"$log" 2>&1
trap 'rc=$?; rm -rf "$work"; [ $rc -eq 0 ] || { tail -n 30 "$log" >&3; echo "failed, see $log" >&3; }' EXIT
cd "$work"

# The source packages through a source list of our own, beside the machine's (which stays as
# it is): deb-src lines for the suites its own lists name.
mkdir -p apt/lists/partial apt/archives/partial
for f in /etc/apt/sources.list /etc/apt/sources.list.d/*.list; do
  [ -f "$f" ] && sed -n 's/^deb \(.*debian.*\)/deb-src \1/p' "$f"
done >apt/sources.list
if [ -f /etc/apt/sources.list.d/debian.sources ]; then
  awk 'BEGIN { RS = ""; ORS = "\n\n" }
       /(^|\n)Types:[^\n]*deb([ \n]|$)/ && /debian/ { sub(/Types:[^\n]*/, "Types: deb-src"); print }' \
    /etc/apt/sources.list.d/debian.sources >apt/debian.sources
fi
apt_own=(-o Dir::Etc::SourceList="$work/apt/sources.list" -o Dir::Etc::SourceParts="$work/apt/parts"
  -o Dir::State::Lists="$work/apt/lists" -o Dir::Cache::Archives="$work/apt/archives")
mkdir -p apt/parts
[ -f apt/debian.sources ] && mv apt/debian.sources apt/parts/
apt-get "${apt_own[@]}" update -qq
# apt checks every downloaded file against the signed archive index; a missing detached
# upstream signature (mpg123's .asc) only makes it exit non-zero, so check the .dsc files.
apt-get "${apt_own[@]}" source --download-only "${sources[@]}" || true
for s in "${sources[@]}"; do
  name=${s%%=*}
  version=$(echo "${s#*=}" | sed 's/^[0-9]*://')
  if [ "$name" = libglu ]; then
    # Its upstream tarball alone: the two files built from it are used as they come, and not
    # every mirror keeps the package's diff.
    mkdir "src-$name"
    tar -xzf "${name}_${version%-*}.orig.tar.gz" -C "src-$name" --strip-components=1
  else
    dpkg-source --no-check -x "${name}_$version.dsc" "src-$name"
  fi
done

jobs=$(nproc 2>/dev/null || echo 2)
licenses() {
  local name=$1 src=$2
  mkdir -p "$prefix/share/licenses/$name"
  for f in "$src"/LICENSE* "$src"/COPYING* "$src"/debian/copyright; do
    [ -f "$f" ] && cp "$f" "$prefix/share/licenses/$name/"
  done
  return 0
}
cmake_build() {
  local src=$1 name=$2
  shift 2
  cmake -S "$src" -B "build-$name" -G Ninja --toolchain "$here/toolchain.cmake" \
    -DCMAKE_BUILD_TYPE=Release -DCMAKE_INSTALL_PREFIX="$prefix" -DREROVUZ_WEB_DEPS="$prefix" \
    -DCMAKE_INSTALL_LIBDIR=lib -DCMAKE_INSTALL_INCLUDEDIR=include "$@"
  cmake --build "build-$name" -j "$jobs"
  cmake --install "build-$name"
  licenses "$name" "$src"
}

# SDL, then SDL_image on it. SDL's configuration alone asks the compiler some four hundred
# questions one at a time (each a link, about 0.7 s): the other libraries build meanwhile.
sdl_chain() {
  # The web's video (a canvas with a WebGL context), audio (Web Audio), events and timers.
  # Without threads its audio callback runs on the page's one thread. Everything else the demo
  # never asks for is left out.
  local off=()
  for o in THREADS JOYSTICK HAPTIC HIDAPI SENSOR POWER LOCALE MISC FILESYSTEM RENDER ATOMIC \
    LOADSO CPUINFO DISKAUDIO DUMMYAUDIO DUMMYVIDEO OFFSCREEN OPENGL VIRTUAL_JOYSTICK; do
    off+=("-DSDL_$o=OFF")
  done
  # The performance counter from clock_gettime, which is the page's performance.now(); without
  # it SDL counts in gettimeofday's milliseconds.
  cmake_build src-libsdl2 libsdl2 -DSDL_SHARED=OFF -DSDL_STATIC=ON -DSDL_TEST=OFF "${off[@]}" \
    -DSDL_CLOCK_GETTIME=ON
  cmake_build src-libsdl2-image libsdl2-image -DBUILD_SHARED_LIBS=OFF \
    -DSDL2IMAGE_BACKEND_STB=ON -DSDL2IMAGE_VENDORED=OFF -DSDL2IMAGE_DEPS_SHARED=OFF \
    -DSDL2IMAGE_SAMPLES=OFF -DSDL2IMAGE_TESTS=OFF -DSDL2IMAGE_JPG_SAVE=OFF -DSDL2IMAGE_PNG_SAVE=OFF \
    $(for f in AVIF GIF JXL LBM PCX PNM QOI SVG TGA TIF WEBP XCF XPM XV; do
        echo "-DSDL2IMAGE_$f=OFF"; done)
  # Its CMake files install a pkg-config file for shared builds only.
  printf '%s\n' "prefix=$prefix" "Name: SDL2_image" "Description: SDL2_image, built-in decoders" \
    "Version: $(printf '%s\n' "${sources[@]}" | sed -n 's/^libsdl2-image=\([0-9.]*\).*/\1/p')" \
    "Requires: sdl2" "Libs: -L\${prefix}/lib -lSDL2_image" "Cflags: -I\${prefix}/include/SDL2" \
    >"$prefix/lib/pkgconfig/SDL2_image.pc"
}

other_libraries() {
  # mpg123's autotools do not know the wasm32 triplet; its CMake port needs CheckTypeSize
  # included before it asks for sizes, and the sizes of long and off_t given.
  echo 'include(CheckTypeSize)' >check_type_size.cmake
  cmake_build src-mpg123/ports/cmake mpg123 -DCMAKE_PROJECT_INCLUDE="$work/check_type_size.cmake" \
    -DBUILD_SHARED_LIBS=OFF -DBUILD_PROGRAMS=OFF -DBUILD_LIBOUT123=OFF -DNETWORK=OFF -DIPV6=OFF \
    -DSIZEOF_LONG=4 -DHAVE_SIZEOF_LONG=TRUE -DSIZEOF_OFF_T=8 -DHAVE_SIZEOF_OFF_T=TRUE
  cp src-mpg123/COPYING "$prefix/share/licenses/mpg123/"
  cmake_build src-kissfft kissfft -DKISSFFT_DATATYPE=float -DKISSFFT_STATIC=ON \
    -DKISSFFT_TEST=OFF -DKISSFFT_TOOLS=OFF -DKISSFFT_PKGCONFIG=ON -DKISSFFT_OPENMP=OFF

  # gl4es: a copy of the pinned snapshot (its build writes into its own source folder) with our
  # patches applied in order. It starts when the window layer calls it, with the WebGL context
  # made: it tests that context for what it can do.
  cp -r "$gl4es" src-gl4es
  for p in src-gl4es/patches/*.patch; do
    [ -f "$p" ] && patch -d src-gl4es -p1 --no-backup-if-mismatch <"$p"
  done
  cmake -S src-gl4es -B build-gl4es -G Ninja --toolchain "$here/toolchain.cmake" \
    -DCMAKE_BUILD_TYPE=Release -DNOX11=ON -DNOEGL=ON -DSTATICLIB=ON -DNO_INIT_CONSTRUCTOR=ON
  cmake --build build-gl4es -j "$jobs"
  # emcc reads -lGL as its own WebGL library: the archive takes another name.
  install -D src-gl4es/lib/libGL.a "$prefix/lib/libgl4es.a"
  mkdir -p "$prefix/include/gl4es"
  cp -r src-gl4es/include/GL src-gl4es/include/gl4esinit.h "$prefix/include/gl4es/"
  licenses gl4es src-gl4es

  # GLU's utilities (mipmaps, projections, error strings) and quadrics, compiled against
  # gl4es's GL header, GLU's own header first (gl4es's glu.h would rename its functions).
  local glu=src-libglu/src objects=()
  mkdir -p "$prefix/include/glu/GL"
  cp src-libglu/include/GL/glu.h "$prefix/include/glu/GL/"
  for c in "$glu"/libutil/*.c; do
    local o=glu-$(basename "$c" .c).o
    emcc -O2 -c "$c" -o "$o" -I"$prefix/include/glu" -I"$prefix/include/gl4es" -I"$glu/include"
    objects+=("$o")
  done
  emar rcs "$prefix/lib/libglu_gl4es.a" "${objects[@]}"
  licenses glu src-libglu
}

other_libraries >other.log 2>&1 &
other=$!
sdl_chain
wait $other || { cat other.log; exit 1; }
cat other.log

# Written last: its presence marks a complete prefix.
printf '%s\n' "${sources[@]}" "$compiler" >"$prefix/versions.txt"
echo "$prefix" >&4
