#!/usr/bin/env bash
# Runs ctest of a Windows cross build under Wine, in a Wine prefix of the build's own.
# Usage: scripts/wine-ctest.sh BUILD_DIR [ctest options]
set -euo pipefail
build=$(cd "$1" && pwd); shift

export WINEPREFIX="$build/wineprefix"
export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml="
export WINEARCH=win64

if [ ! -f "$WINEPREFIX/system.reg" ]; then
  wineboot -i >/dev/null 2>&1 || true
  # Windows that close at once instead of waiting for the window manager.
  wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f >/dev/null 2>&1 || true
fi
# Keep one wine server for the whole run; otherwise every test program waits for
# Wine's helper processes to start and stop.
wineserver -p || true
wine cmd /c exit >/dev/null 2>&1 || true
status=0
ctest --test-dir "$build" --output-on-failure "$@" || status=$?
wineserver -k || true
exit $status
