#!/usr/bin/env bash
# Installs what is missing, builds everything with the tests and runs them all.
#   --werror       warnings are errors
#   --sanitizers   also build and run the whole suite with AddressSanitizer (leaks included) and
#                  UndefinedBehaviorSanitizer (build/asan), halting on the first error
#   --bench        also build the benchmarks (build/test/bin/bm_*)
# Other arguments go to ctest.
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
werror=OFF
sanitizers=no
bench=OFF
ctest_args=()
for a in "$@"; do
  case "$a" in
    --werror) werror=ON ;;
    --sanitizers) sanitizers=yes ;;
    --bench) bench=ON ;;
    *) ctest_args+=("$a") ;;
  esac
done
"$here/scripts/deps.sh"
export QT_QPA_PLATFORM=offscreen

run_suite() {
  local build=$1; shift
  # Line tables (-g1) are all the failure reports need; full debug information costs a third of
  # every compile. Unity batches read Qt's headers once for several files.
  cmake -S "$here" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DCMAKE_CXX_FLAGS_RELWITHDEBINFO="-O2 -g1 -DNDEBUG" -DVARDOLIN_WERROR=$werror -DCMAKE_UNITY_BUILD=ON "$@"
  cmake --build "$build" --parallel "$(nproc)"
  ctest --test-dir "$build" --output-on-failure --parallel "$(nproc)" "${ctest_args[@]}"
}

run_suite "$here/build/test" -DVARDOLIN_BUILD_BENCH=$bench
if [ "$sanitizers" = yes ]; then
  # Leaks are errors too; the suppressions name only what the Firebird client keeps for good.
  export ASAN_OPTIONS=${ASAN_OPTIONS:-halt_on_error=1:detect_leaks=1}
  export LSAN_OPTIONS=${LSAN_OPTIONS:-suppressions=$here/tests/lsan.supp:print_suppressions=0}
  export UBSAN_OPTIONS=${UBSAN_OPTIONS:-halt_on_error=1:print_stacktrace=1}
  run_suite "$here/build/asan" -DVARDOLIN_SANITIZE=ON -DVARDOLIN_BUILD_BENCH=OFF
fi
