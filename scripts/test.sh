#!/usr/bin/env bash
# Builds and runs every test: the native build, the Release build, the same tests under
# AddressSanitizer and UndefinedBehaviorSanitizer, a minute of each fuzz target, the
# Windows cross build under Wine, and the Windows library in Release, loaded alone.
# (The COM benchmark under Wine is scripts/wine-bench.sh.)
# Usage: scripts/test.sh [--native-only]
#   --native-only   only the native build and tests (fast local check); CI runs all.
set -euo pipefail
cd "$(dirname "$0")/.."
root=$(pwd)

native_only=0
for arg in "$@"; do
  case "$arg" in
    --native-only) native_only=1 ;;
    *) echo "unknown option: $arg" >&2; exit 2 ;;
  esac
done

jobs=$(nproc)

if ((native_only)); then scripts/setup-deps.sh native; else scripts/setup-deps.sh native windows; fi

step() { echo; echo "=== $* ==="; }

step "native build and tests"
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=Debug >/dev/null
cmake --build build -j "$jobs"
ctest --test-dir build --output-on-failure -j "$jobs"

if ((native_only)); then exit 0; fi

step "Release build (as users build it, benchmarks included) and tests"
cmake -S . -B build-rel -G Ninja -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build build-rel -j "$jobs"
ctest --test-dir build-rel --output-on-failure -j "$jobs"

# Optimised as in Release: with the sanitizers' checks in it, that code is where gcc's flow
# warnings (errors with -Werror) reach furthest, beyond what the other builds show.
step "tests under AddressSanitizer and UndefinedBehaviorSanitizer (Release)"
cmake -S . -B build-asan -G Ninja -DCMAKE_BUILD_TYPE=Release -DQAV_SANITIZE=ON \
      -DQAV_BUILD_BENCH=OFF >/dev/null
cmake --build build-asan -j "$jobs"
ASAN_OPTIONS=detect_leaks=1:abort_on_error=0 UBSAN_OPTIONS=print_stacktrace=1 \
  ctest --test-dir build-asan --output-on-failure -j "$jobs"

step "fuzz targets, a minute each side by side (scripts/fuzz.sh runs them longer)"
scripts/fuzz.sh 60

# Under Wine the example sessions are played once more by qavhost.exe, whose add-on
# reaches the host only through COM (cmake/RunComSession.cmake).
step "Windows cross build (mingw-w64) and tests under Wine, sessions through COM included"
cmake -S . -B build-win -G Ninja -DCMAKE_BUILD_TYPE=Debug \
      -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-w64-x86_64.cmake" -DQAV_BUILD_BENCH=OFF >/dev/null
cmake --build build-win -j "$jobs"
scripts/check-windows-exports.sh build-win
scripts/wine-ctest.sh build-win -j "$jobs"

# The file a user installs: only the library and the loader that loads it alone (the tests
# vsl_*: no DLL of ours beside it, only Windows' own imported).
step "Windows Release build of the add-on library, loaded alone under Wine"
cmake -S . -B build-win-rel -G Ninja -DCMAKE_BUILD_TYPE=Release \
      -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-w64-x86_64.cmake" -DQAV_BUILD_BENCH=OFF >/dev/null
cmake --build build-win-rel -j "$jobs" --target QAVSupportTools qav_load_check
scripts/check-windows-exports.sh build-win-rel
scripts/wine-ctest.sh build-win-rel -R '^vsl_'
ls -l build-win-rel/bin/QAVSupportTools.vsl
