#!/usr/bin/env bash
# check_imports.sh OBJDUMP PROGRAM.exe...: fails when a program imports a DLL that does not
# come with Windows itself (a MinGW runtime DLL, say), which a user would not have.
set -euo pipefail
objdump=$1
shift
system='^(kernel32|user32|gdi32|opengl32|glu32|winmm|imm32|ole32|oleaut32|version|advapi32|setupapi|shell32|dinput8|msvcrt|psapi|ws2_32|shlwapi|uuid|hid)\.dll$'
status=0
for exe in "$@"; do
  while read -r dll; do
    if ! echo "$dll" | tr 'A-Z' 'a-z' | grep -Eq "$system"; then
      echo "$(basename "$exe") imports $dll, which Windows does not ship" >&2
      status=1
    fi
  done < <("$objdump" -p "$exe" | sed -n 's/^[[:space:]]*DLL Name: //p')
done
exit $status
