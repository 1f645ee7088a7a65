#!/usr/bin/env bash
# Installs what is missing, builds Vardolin, installs it under ~/.local/opt/vardolin and starts it.
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
prefix=${VARDOLIN_PREFIX:-$HOME/.local/opt/vardolin}
"$here/scripts/deps.sh"
cmake -S "$here" -B "$here/build/release" -G Ninja -DCMAKE_BUILD_TYPE=Release \
  -DVARDOLIN_BUILD_TESTS=OFF -DVARDOLIN_BUILD_BENCH=OFF -DCMAKE_UNITY_BUILD=ON
cmake --build "$here/build/release" --parallel "$(nproc)"
cmake --install "$here/build/release" --prefix "$prefix"
exec "$prefix/bin/vardolin" "$@"
