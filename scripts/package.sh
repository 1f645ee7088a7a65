#!/usr/bin/env bash
# Installs what is missing, builds Vardolin in Release (no tests) in build/pachet and makes the
# Debian package there: build/pachet/vardolin_<version>_amd64.deb.
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
build="$here/build/pachet"
"$here/scripts/deps.sh"
cmake -S "$here" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release \
  -DVARDOLIN_BUILD_TESTS=OFF -DVARDOLIN_BUILD_BENCH=OFF
# Only what the package holds.
cmake --build "$build" --parallel "$(nproc)" --target vardolin blank_db pachet_fisiere
rm -f "$build"/*.deb
(cd "$build" && cpack --config CPackConfig.cmake)
deb=$(ls "$build"/*.deb)
if command -v lintian >/dev/null; then lintian --fail-on error "$deb"; fi
echo "$deb"
