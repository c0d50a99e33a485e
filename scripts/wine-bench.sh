#!/usr/bin/env bash
# Measures under Wine what a full consistency check, and a simulation's step and tick,
# cost through COM, beside the same in the process: builds Google Benchmark for Windows
# from Debian's source package (once, into build-win-bench/third_party), the Windows
# Release build with the COM benchmarks, and runs them.
# Usage: scripts/wine-bench.sh [benchmark options]
set -euo pipefail
cd "$(dirname "$0")/.."
root=$(pwd)
scripts/setup-deps.sh windows
build=$root/build-win-bench
third=$build/third_party
prefix=$third/benchmark
jobs=$(nproc)

if [ ! -f "$prefix/lib/cmake/benchmark/benchmarkConfig.cmake" ]; then
  mkdir -p "$third/apt/lists/partial"
  printf 'deb-src [signed-by=/usr/share/keyrings/debian-archive-keyring.gpg] %s\n' \
    "http://deb.debian.org/debian bookworm main" >"$third/apt/sources.list"
  apt=(-q -o "Dir::Etc::SourceList=$third/apt/sources.list" -o Dir::Etc::SourceParts=/dev/null
       -o "Dir::State::Lists=$third/apt/lists")
  apt-get "${apt[@]}" update >/dev/null
  (cd "$third" && apt-get "${apt[@]}" source --download-only benchmark >/dev/null 2>&1)
  tar -xzf "$third"/benchmark_*.orig.tar.gz -C "$third"
  source=$(find "$third" -maxdepth 1 -type d -name 'benchmark-*' | head -n 1)
  cmake -S "$source" -B "$third/build" -G Ninja -DCMAKE_BUILD_TYPE=Release \
        -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-w64-x86_64.cmake" \
        -DBENCHMARK_ENABLE_TESTING=OFF -DBENCHMARK_ENABLE_GTEST_TESTS=OFF \
        -DBENCHMARK_ENABLE_WERROR=OFF -DCMAKE_INSTALL_PREFIX="$prefix" >/dev/null
  cmake --build "$third/build" -j "$jobs" >/dev/null
  cmake --install "$third/build" >/dev/null
fi

cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release \
      -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-w64-x86_64.cmake" -DQAV_BUILD_TESTS=OFF \
      -DQAV_BUILD_BENCH=ON -Dbenchmark_DIR="$prefix/lib/cmake/benchmark" >/dev/null
cmake --build "$build" -j "$jobs" --target com_check_bench com_simulation_bench

export WINEPREFIX="$build/wineprefix" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml=" WINEARCH=win64
[ -f "$WINEPREFIX/system.reg" ] || wineboot -i >/dev/null 2>&1 || true
for bench in com_check_bench com_simulation_bench; do
  wine "$build/bin/$bench.exe" "$@"
done
