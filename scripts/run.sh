#!/usr/bin/env bash
# The main job: builds the add-on and the stand-in host, then plays the example session
# with the runner qavhost.
# Usage: scripts/run.sh [SESSION]   (default: examples/sessions/main.qav)
set -euo pipefail
cd "$(dirname "$0")/.."
# The build talks on standard error: standard output is the transcript alone, the same
# as examples/sessions/main.expected.
scripts/setup-deps.sh native >&2
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=Debug >/dev/null
cmake --build build -j "$(nproc)" --target qavhost QAVSupportTools >&2
session=${1:-examples/sessions/main.qav}
exec build/bin/qavhost "$session"
