#!/usr/bin/env bash
# Fails when a program folder includes a folder at or above its own layer, or when code outside
# platform/ asks which system it is built for. The layers, lowest first; folders on one line
# share a layer and do not include each other:
#   platform  <  base  <  resources, music  <  effects  <  scenes  <  app
set -u
root=${1:-$(dirname "$0")/..}
cd "$root" || exit 2

rank() {
    case $1 in
        platform) echo 0 ;; base) echo 1 ;; resources | music) echo 2 ;;
        effects) echo 3 ;; scenes) echo 4 ;; app) echo 5 ;; *) echo -1 ;;
    esac
}

bad=0
for folder in platform base resources music effects scenes app; do
    own=$(rank "$folder")
    while IFS=: read -r file line text; do
        target=$(sed -E 's/^#include "([^/"]+)\/.*/\1/' <<<"$text")
        [ "$target" = "$folder" ] && continue
        r=$(rank "$target")
        if [ "$r" -ge "$own" ]; then
            echo "$file:$line: $folder/ includes $target/, which is not below it"
            bad=1
        fi
    done < <(grep -n -E '^#include "[^/"]+/' "$folder"/*.h "$folder"/*.cpp 2>/dev/null)
done
# Only platform/ (and the build files) may know which system it runs on.
while IFS= read -r hit; do
    echo "$hit: a system check outside platform/"
    bad=1
done < <(grep -n -E '^[[:space:]]*#[[:space:]]*(if|ifdef|ifndef|elif).*(_WIN32|_WIN64|__MINGW|_MSC_VER|__linux|__unix|__APPLE__|__EMSCRIPTEN__)' \
    base/* resources/* music/* effects/* scenes/* app/* tools/*/*.cpp tools/*/*.h tests/*.cpp tests/support/* 2>/dev/null)
[ $bad -eq 0 ] && echo "layers: every include points down"
exit $bad
