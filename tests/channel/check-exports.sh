#!/usr/bin/env bash
# check-exports.sh <Varlink.dll>: the 32-bit library must export exactly the channel's 20
# stdcall-decorated names, which the converter binds to; a missing or an extra name fails.
set -u
dll=$1
expected=$(sort <<'NAMES'
_Icp_InitServer@4
_Icp_CreateServer@4
_Icp_MultRecvServer@0
_Icp_RecvServer@4
_Icp_SendServer@8
_Icp_ClearBuffServer@4
_Icp_OffsetServer@8
_Icp_CloseAllServer@0
_Icp_ReleaseServer@0
_Icp_GetErrorServer@0
_Icp_InitClient@4
_Icp_ConnectClient@4
_Icp_OffsetClient@4
_Icp_SendClient@4
_Icp_RecvClient@0
_Icp_MultRecvClient@0
_Icp_ClearBuffClient@0
_Icp_CloseClient@0
_Icp_ReleaseClient@0
_Icp_GetErrorClient@0
NAMES
)
[ -f "$dll" ] || { echo "FAIL $dll: missing"; exit 1; }
# The name table lists one "[ n] name" line per export.
actual=$(i686-w64-mingw32-objdump -p "$dll" |
  sed -n '/^\[Ordinal\/Name Pointer\] Table/,/^$/p' | sed -n 's/^\s*\[\s*[0-9]*\] //p' | sort)
if [ "$actual" = "$expected" ]; then
  echo "ok   $dll: 20 names"
  exit 0
fi
echo "FAIL $dll: export names differ (< expected, > found)"
diff <(echo "$expected") <(echo "$actual")
exit 1
