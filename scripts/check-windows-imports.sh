#!/usr/bin/env bash
# Checks that a Windows library imports only DLLs that every Windows has: Visio loads the
# add-on library from its add-on folder, and Windows does not look for the DLLs a library
# imports in that library's own folder, so a DLL of ours beside it would not be found.
# Usage: scripts/check-windows-imports.sh LIBRARY (default build-win/bin/QAVSupportTools.vsl)
set -euo pipefail
lib=${1:-build-win/bin/QAVSupportTools.vsl}
[ -f "$lib" ] || { echo "missing $lib" >&2; exit 1; }
system="advapi32.dll comctl32.dll comdlg32.dll gdi32.dll kernel32.dll msvcrt.dll ole32.dll
oleaut32.dll shell32.dll shlwapi.dll user32.dll"
imports=$(x86_64-w64-mingw32-objdump -p "$lib" | awk '/DLL Name:/ { print tolower($3) }')
[ -n "$imports" ] || { echo "$(basename "$lib") imports nothing: not a Windows library?" >&2; exit 1; }
status=0
for dll in $imports; do
  if ! grep -qwF "$dll" <<<"$system"; then
    echo "$(basename "$lib") imports $dll, which is no Windows system DLL" >&2
    status=1
  fi
done
((status == 0)) && echo "$(basename "$lib") imports only system DLLs:" $imports
exit $status
