#!/usr/bin/env bash
# Runs ctest of a Windows cross build under Wine, in a Wine prefix of the build's own, on
# a virtual X display of the script's own (Xvfb), where the tests of the Win32 backend
# show real windows, drive them and take screenshots (BUILD_DIR/screenshots/*.png).
# Usage: scripts/wine-ctest.sh BUILD_DIR [ctest options]
set -euo pipefail
build=$(cd "$1" && pwd); shift

export WINEPREFIX="$build/wineprefix"
export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml="
export WINEARCH=win64

# A display nobody else uses, so that no other window takes the tests' mouse and keys.
xvfb_pid=
start_display() {
  local n
  for n in $(seq 90 150); do
    [ -e "/tmp/.X${n}-lock" ] || [ -e "/tmp/.X11-unix/X${n}" ] && continue
    Xvfb ":$n" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
    xvfb_pid=$!
    for _ in $(seq 50); do
      [ -e "/tmp/.X11-unix/X${n}" ] && break
      sleep 0.1
    done
    # Another run may have taken the number meanwhile: then this server has quit.
    if kill -0 "$xvfb_pid" 2>/dev/null && [ -e "/tmp/.X11-unix/X${n}" ]; then
      export DISPLAY=":$n"
      return 0
    fi
  done
  echo "no free X display for Xvfb" >&2
  return 1
}
stop_display() { [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null || true; }
start_display
trap stop_display EXIT

if [ ! -f "$WINEPREFIX/system.reg" ]; then
  wineboot -i >/dev/null 2>&1 || true
  # Windows that close at once instead of waiting for the window manager.
  wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f >/dev/null 2>&1 || true
  # A new prefix goes on setting itself up after wineboot returns (its services, the
  # registry written out); tests started meanwhile find no running object table.
  wineserver -w || true
fi
# Keep one wine server for the whole run; otherwise every test program waits for
# Wine's helper processes to start and stop.
wineserver -p || true
wine cmd /c exit >/dev/null 2>&1 || true
status=0
start=$(date +%s)
ctest --test-dir "$build" --output-on-failure "$@" || status=$?
echo "Wine tests took $(( $(date +%s) - start )) s; screenshots in $build/screenshots"
wineserver -k || true
exit $status
