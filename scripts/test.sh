#!/usr/bin/env bash
# Installs what is missing, builds everything with the tests and runs them all.
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
build="$here/build/test"
"$here/scripts/deps.sh"
cmake -S "$here" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build "$build" --parallel "$(nproc)"
export QT_QPA_PLATFORM=offscreen
ctest --test-dir "$build" --output-on-failure --parallel "$(nproc)" "$@"
