#!/usr/bin/env bash
# Applies each fault of faults.md alone to a scratch copy of the working tree, builds what its
# suites need, runs them and prints which caught it. On demand only: `make faults`.
# usage: run_faults.sh [--all] [--check] [--no-baseline] [ID...]   (every fault when no ID)
#   --all          every plain suite too, not only the ones the row names
#   --check        only check that each row still applies to the working tree
#   --no-baseline  do not run the suites once on the unchanged tree first
# Exits 1 when a row does not apply or a fault goes uncaught (but for the rows marked `-`).
# The copy goes to $REROVUZ_FAULTS_DIR (default ${TMPDIR:-/tmp}/rerovuz-faults) and is removed
# at the end; the build folders and logs beside it stay, so the next run builds incrementally.
set -uo pipefail
here=$(cd "$(dirname "$0")" && pwd)
root=$(cd "$here/../.." && pwd)
scratch=${REROVUZ_FAULTS_DIR:-${TMPDIR:-/tmp}/rerovuz-faults}
src=$scratch/src
all=0 check=0 baseline=1 wanted=" "
for a in "$@"; do
  case $a in
    --all) all=1 ;; --check) check=1 ;; --no-baseline) baseline=0 ;; F[0-9]*) wanted+="$a " ;;
    *) sed -n '4,7s/^# //p' "$0" && exit 2 ;;
  esac
done

# The rows: id, fault, caught by, file, old and new text (`\|` is a |, ⏎ a line break).
ID=() DESC=() BY=() FILE=() OLD=() NEW=()
row='^\| (F[0-9]+) \| ([^|]+) \| ([^|]+) \| ([^ |]+) \| `(.*)` \| `(.*)` \|$'
while IFS= read -r line; do
  [[ $line =~ $row ]] && [[ $wanted = " " || $wanted = *" ${BASH_REMATCH[1]} "* ]] || continue
  m=("${BASH_REMATCH[@]//\\|/|}")
  ID+=("${m[1]}") DESC+=("${m[2]}") BY+=("${m[3]//, / }") FILE+=("${m[4]}")
  OLD+=("${m[5]//⏎/$'\n'}") NEW+=("${m[6]//⏎/$'\n'}")
done <"$here/faults.md"
[ ${#ID[@]} -gt 0 ] && [ ${#ID[@]} -ge $(($(wc -w <<<"$wanted"))) ] || { echo "no such fault"; exit 2; }

# Applies fault $2 to the tree at $1; fails unless its old text occurs there exactly once.
apply() {
  OLD=${OLD[$2]} NEW=${NEW[$2]} perl -0777 -i -pe '$n = () = /\Q$ENV{OLD}\E/g;
    die "its old text is there $n times\n" if $n != 1; s/\Q$ENV{OLD}\E/$ENV{NEW}/' "$1/${FILE[$2]}"
}
if [ $check = 1 ]; then
  tmp=$(mktemp -d) && trap 'rm -rf "$tmp"' EXIT && status=0
  for i in "${!ID[@]}"; do
    mkdir -p "$tmp/$(dirname "${FILE[i]}")" && cp "$root/${FILE[i]}" "$tmp/${FILE[i]}" &&
      error=$(apply "$tmp" "$i" 2>&1) || { echo "${ID[i]} does not apply: $error"; status=1; }
  done
  [ $status = 1 ] || echo "all ${#ID[@]} faults apply"
  exit $status
fi

mkdir -p "$scratch/logs" && exec 9>"$scratch/lock" && flock -n 9 || { echo "$scratch is in use"; exit 2; }
# The copy keeps the files' times, so a file patched in an earlier run may look older than the
# object built from its patched text: each build lists the files it has to build again.
patching=
stale() { for b in plain asan win; do echo "$1" >>"$scratch/$b.stale"; done; }
trap '[ -z "$patching" ] || stale "$patching"; rm -rf "$src"' EXIT
trap 'exit 130' INT TERM
rm -rf "$src" && mkdir -p "$src"
git -C "$root" ls-files -z -co --exclude-standard |
  (cd "$root" && tar --null -T - --ignore-failed-read -cf - 2>/dev/null) | tar -xf - -C "$src"
sort -u "$scratch"/*.stale 2>/dev/null | while read -r f; do [ ! -f "$src/$f" ] || touch "$src/$f"; done

var() { make -s -C "$root" --no-print-directory --eval 'print-%: ; @echo $($*)' "print-$1"; }
flags_plain=$(var CMAKE_FLAGS) flags_asan=$(var ASAN_FLAGS)
dir() { [ "$1" = plain ] && echo "$scratch/build" || echo "$scratch/build-$1"; }
name() { [ "$1" = plain ] && echo "$2" || echo "$1/$2"; } # BUILD SUITE: as the table says
build() { # BUILD LOG
  local flags=flags_$1
  if [ "$1" = win ]; then
    nice make -C "$src" BUILD="$(dir plain)" WIN_BUILD="$(dir win)" JOBS=2 windows
  else
    cmake -S "$src" -B "$(dir "$1")" ${!flags}
  fi >"$2" 2>&1 && nice cmake --build "$(dir "$1")" -j 2 >>"$2" 2>&1 && : >"$scratch/$1.stale"
}
# Builds what the catchers given need and runs their suites (with --all every plain one too);
# prints what failed, named as the table names them.
catch() { # LOG CATCHER...
  local log=$1 b names run d && shift
  mapfile -t need < <(for c in "$@" $([ $all = 0 ] || echo ALL); do
    case $c in -) ;; build) echo plain ;; */*) echo "${c%%/*} ${c#*/}" ;; *) echo "plain $c" ;; esac
  done | sed 's/ build$//' | sort -u)
  local builds=$(printf '%s\n' "${need[@]}" | cut -d' ' -f1 | uniq)
  for b in $builds; do build "$b" "$log-$b.build" || name "$b" build; done | grep . && return
  for b in $builds; do
    names=$(printf '%s\n' "${need[@]}" | sed -n "s/^$b //p" | paste -sd'|') && d=$(dir "$b")
    [ -n "$names" ] && rm -f "$d/Testing/Temporary/LastTestsFailed.log" || continue
    run=(nice ctest --test-dir "$d" --output-on-failure)
    [[ "|$names|" = *"|ALL|"* ]] || run+=(-R "^($names)\$")
    if [ "$b" = win ]; then "$src/tools/windows/wine_session.sh" "${run[@]}" -j 1; else "${run[@]}" -j 2; fi >"$log-$b" 2>&1
    for n in $(sed 's/^[0-9]*://' "$d/Testing/Temporary/LastTestsFailed.log" 2>/dev/null); do
      name "$b" "$n"
    done
  done
}

start=$SECONDS
if [ $baseline = 1 ]; then
  failed=$(catch "$scratch/logs/baseline" ${BY[*]})
  [ -z "$failed" ] || { echo "fails with no fault: $(echo $failed); see $scratch/logs"; exit 2; }
  echo "baseline: the suites pass on the unchanged tree ($((SECONDS - start)) s)"
fi
echo "| id | fault | caught by | s |" && echo "|---|---|---|---|"
status=0
for i in "${!ID[@]}"; do
  t0=$SECONDS id=${ID[i]} file=${FILE[i]}
  cp -p "$src/$file" "$scratch/original" && patching=$file && stale "$file"
  if error=$(apply "$src" "$i" 2>&1); then
    caught=$(catch "$scratch/logs/$id" ${BY[i]} | sort)
    missed=$(comm -23 <(printf '%s\n' ${BY[i]} | grep -vx -- - | sort) <(echo "$caught"))
    if [ -n "$caught" ]; then
      result=$(echo $caught | sed 's/ /, /g')${missed:+ (not: $(echo $missed | sed 's/ /, /g'))}
    elif [ "${BY[i]}" = - ]; then
      result="not caught (known)"
    else
      result="NOT CAUGHT" status=1
    fi
  else
    result="DOES NOT APPLY to $file: $error" status=1
  fi
  cp "$scratch/original" "$src/$file" && stale "$file" && patching=
  echo "| $id | ${DESC[i]} | $result | $((SECONDS - t0)) |"
done
echo && echo "${#ID[@]} faults in $(((SECONDS - start) / 60)) min $(((SECONDS - start) % 60)) s; logs in $scratch/logs"
exit $status
