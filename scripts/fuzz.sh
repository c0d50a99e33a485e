#!/usr/bin/env bash
# Builds the libFuzzer targets (clang, in build-fuzz) and runs them side by side, each for
# the given seconds: first over its seeds (fuzz/corpus/NAME), its regression inputs
# (fuzz/regressions/NAME) and, for drawings, the example drawings, then on inputs of its
# own making, kept in build-fuzz/work/NAME/corpus for the next run. An input that fails
# lands in build-fuzz/work/NAME/ and fails the script.
# Usage: scripts/fuzz.sh [seconds] [NAME...]   (default 300 seconds, every target)
#   scripts/test.sh runs it for a short time; run it longer by hand.
set -euo pipefail
cd "$(dirname "$0")/.."
root=$(pwd)

seconds=${1:-300}
shift || true
all=(drawing_roundtrip checker_looks run_strings formula settings_lines)
targets=("$@")
((${#targets[@]})) || targets=("${all[@]}")

# Each target's dictionary, longest input, and further seeds.
declare -A dictionary=([drawing_roundtrip]=drawing [checker_looks]=drawing [run_strings]=run_strings
                       [formula]=formula [settings_lines]=settings_lines)
declare -A longest=([drawing_roundtrip]=32768 [checker_looks]=32768 [run_strings]=512
                    [formula]=1024 [settings_lines]=1024)
declare -A seeds=([drawing_roundtrip]=examples/drawings [checker_looks]=examples/drawings)

scripts/setup-deps.sh native fuzz
cmake -S . -B build-fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_COMPILER=clang++-14 \
      -DQAV_FUZZ=ON -DQAV_BUILD_TESTS=OFF -DQAV_BUILD_BENCH=OFF >/dev/null
cmake --build build-fuzz -j "$(nproc)" --target qav_fuzzers

export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1

declare -A running=()
for name in "${targets[@]}"; do
  [ -n "${dictionary[$name]:-}" ] || { echo "no fuzz target $name" >&2; exit 2; }
  work="$root/build-fuzz/work/$name"
  mkdir -p "$work/corpus"
  inputs=("$root/fuzz/corpus/$name")
  [ -d "$root/fuzz/regressions/$name" ] && inputs+=("$root/fuzz/regressions/$name")
  [ -n "${seeds[$name]:-}" ] && inputs+=("$root/${seeds[$name]}")
  # In its own folder: whatever a target writes beside it stays there.
  (cd "$work" && exec "$root/build-fuzz/bin/fuzz_$name" -max_total_time="$seconds" \
     -max_len="${longest[$name]}" -dict="$root/fuzz/dictionaries/${dictionary[$name]}.dict" \
     -timeout=20 -rss_limit_mb=2048 -print_funcs=0 -artifact_prefix="$work/" \
     corpus "${inputs[@]}" >"$work/log" 2>&1) &
  running[$name]=$!
done

failed=0
for name in "${targets[@]}"; do
  if wait "${running[$name]}"; then
    echo "fuzz $name: $(grep -o 'Done [0-9]* runs in [0-9]* second(s)' "build-fuzz/work/$name/log")"
  else
    failed=1
    echo "fuzz $name FAILED; its input and log are in build-fuzz/work/$name/:"
    grep -v -e '^#[0-9]' -e '# Uses:' "build-fuzz/work/$name/log" | tail -40
  fi
done
exit "$failed"
