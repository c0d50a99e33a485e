#!/usr/bin/env bash
# Checks that the Windows add-on library exports its entry undecorated.
set -euo pipefail
build=$1
lib="$build/bin/QAVSupportTools.vsl"
[ -f "$lib" ] || { echo "missing $lib" >&2; exit 1; }
exports=$(x86_64-w64-mingw32-objdump -p "$lib" | sed -n '/\[Ordinal\/Name Pointer\] Table/,/^$/p')
if ! grep -qE '\] VisioLibMain$' <<<"$exports"; then
  echo "QAVSupportTools.vsl does not export VisioLibMain" >&2
  exit 1
fi
echo "QAVSupportTools.vsl exports VisioLibMain"
