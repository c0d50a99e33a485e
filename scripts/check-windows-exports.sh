#!/usr/bin/env bash
# Checks that the Windows add-on library exports its entry undecorated, the members of
# the graph element class under the names a client compiled from its declaration links
# against, and carries the ten icon groups whose positions the button faces name.
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

# GEGraphElement as mingw decorates its declaration; setIdentifierID takes long, which
# is 32 bits on Windows.
members="_ZN14GEGraphElementC1Ev _ZN14GEGraphElementC2Ev _ZN14GEGraphElementC1ERKS_
_ZN14GEGraphElementC2ERKS_ _ZN14GEGraphElementaSERKS_ _ZN14GEGraphElementD0Ev
_ZN14GEGraphElementD1Ev _ZN14GEGraphElementD2Ev _ZNK14GEGraphElement5getIDEv
_ZN14GEGraphElement5setIDEi _ZNK14GEGraphElement13getIdentifierB5cxx11Ev
_ZN14GEGraphElement13setIdentifierENSt7__cxx1112basic_stringIcSt11char_traitsIcESaIcEEE
_ZNK14GEGraphElement15getIdentifierIDEv _ZN14GEGraphElement15setIdentifierIDEl
_ZNK14GEGraphElement11getShapesIDEi _ZNK14GEGraphElement17getShapesIDsCountEv
_ZN14GEGraphElement5UNSETE"
names=$(awk '/^\t\[/ { print $NF }' <<<"$exports")
for member in $members; do
  if ! grep -qxF "$member" <<<"$names"; then
    echo "QAVSupportTools.vsl does not export $member" >&2
    exit 1
  fi
done
if grep -qxF _ZN14GEGraphElement15setIdentifierIDEi <<<"$names"; then
  echo "QAVSupportTools.vsl exports setIdentifierID with int instead of long" >&2
  exit 1
fi
echo "QAVSupportTools.vsl exports the members of GEGraphElement as declared"

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
