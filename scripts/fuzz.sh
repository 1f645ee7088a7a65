#!/usr/bin/env bash
# Builds one fuzz target with clang, libFuzzer and the sanitizers, and runs it on its corpus.
#   scripts/fuzz.sh fuzz_<name> [seconds]      (default 600)
# New inputs go to build/fuzz/corpus/<name>; crashes to build/fuzz/crashes/<name>.
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
target=${1:?fuzz target, e.g. fuzz_licenta}
seconds=${2:-600}
build="$here/build/fuzz"
"$here/scripts/deps.sh"
for p in clang libclang-rt-14-dev; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || {
    sudo_cmd=(); [ "$(id -u)" -ne 0 ] && sudo_cmd=(sudo)
    "${sudo_cmd[@]}" apt-get install -y --no-install-recommends "$p"; }
done
# Two targets fuzzed at once share the build folder: one builds while the other waits.
mkdir -p "$build"
(
  flock 9
  cmake -S "$here" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DCMAKE_CXX_COMPILER=clang++ -DVARDOLIN_FUZZ=ON -DVARDOLIN_BUILD_BENCH=OFF
  cmake --build "$build" --parallel "$(nproc)" --target "$target"
) 9>"$build/.lock"
mkdir -p "$build/corpus/$target" "$build/crashes/$target"
export QT_QPA_PLATFORM=offscreen
export ASAN_OPTIONS=${ASAN_OPTIONS:-detect_leaks=0}
"$build/bin/$target" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 \
  -artifact_prefix="$build/crashes/$target/" \
  "$build/corpus/$target" "$here/tests/fuzz/corpus/$target"
