#!/usr/bin/env bash
# Checks that the Windows add-on library exports its entry undecorated and carries the
# ten icon groups whose positions the button faces name.
set -euo pipefail
build=$1
lib="$build/bin/QAVSupportTools.vsl"
[ -f "$lib" ] || { echo "missing $lib" >&2; exit 1; }
dump=$(x86_64-w64-mingw32-objdump -p "$lib")
exports=$(sed -n '/\[Ordinal\/Name Pointer\] Table/,/^$/p' <<<"$dump")
if ! grep -qE '\] VisioLibMain$' <<<"$exports"; then
  echo "QAVSupportTools.vsl does not export VisioLibMain" >&2
  exit 1
fi
echo "QAVSupportTools.vsl exports VisioLibMain"

# The ids of the icon groups (resource type 14), in the order the directory lists them,
# which is ascending.
icons=$(awk '
  /^[0-9a-f]+   Entry: ID: / { inside = ($4 == "0x00000e,") }
  inside && /^[0-9a-f]+     Entry: ID: / { sub(",", "", $4); print $4 }' <<<"$dump" |
  while read -r id; do printf '%d ' "$id"; done)
expected="104 105 107 113 114 115 116 120 121 122 "
if [ "$icons" != "$expected" ]; then
  echo "QAVSupportTools.vsl icon groups are '${icons}', expected '${expected}'" >&2
  exit 1
fi
echo "QAVSupportTools.vsl carries the icon groups ${expected}"
