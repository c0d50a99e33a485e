#!/usr/bin/env bash
# Installs what building and testing need on a fresh Debian machine, only what is missing.
# Usage: scripts/setup-deps.sh [native|fuzz|windows]...
set -euo pipefail

need=()
# Installed, not merely known: a removed package whose configuration files remain is
# still known to dpkg.
want() {
  [ "$(dpkg-query -W -f='${db:Status-Status}' "$1" 2>/dev/null)" = installed ] || need+=("$1")
}

for part in "$@"; do
  case "$part" in
    native)
      for p in g++ cmake ninja-build libgtest-dev libgmock-dev googletest libbenchmark-dev \
               nlohmann-json3-dev libcairo2-dev pkg-config \
               libjpeg-dev libgif-dev libuemf-dev; do want "$p"; done ;;
    fuzz)
      for p in clang-14 libclang-rt-14-dev; do want "$p"; done ;;
    windows)
      for p in g++-mingw-w64-x86-64-posix wine wine64 xvfb binutils-mingw-w64-x86-64 \
               googletest nlohmann-json3-dev; do want "$p"; done ;;
  esac
done

if ((${#need[@]})); then
  echo "Installing: ${need[*]}"
  SUDO=""; [ "$(id -u)" -ne 0 ] && SUDO="sudo"
  export DEBIAN_FRONTEND=noninteractive
  $SUDO apt-get update -qq
  $SUDO apt-get install -y -qq --no-install-recommends "${need[@]}" >/dev/null
fi
