#!/usr/bin/env bash
# Installs what is missing, builds, and runs the whole test suite: the plain build and a
# short day of use on a virtual display, the same tests under AddressSanitizer and
# UndefinedBehaviorSanitizer, and a bounded fuzzing run of the engine.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh

export QT_QPA_PLATFORM=${QT_QPA_PLATFORM:-offscreen}
jobs=$(nproc)

echo "== includes between folders"
scripts/check-dependencies.sh

echo "== format"
scripts/check-format.sh

echo "== build and test"
scripts/build.sh build
ctest --test-dir build --output-on-failure -j"$jobs" | tee build/ctest.log

# On its own X display: the script sets the xcb platform for the programs it starts.
echo "== a day of use (short)"
timeout 600 scripts/soak.sh build --short

echo "== AddressSanitizer and UndefinedBehaviorSanitizer"
scripts/build.sh build-asan -DABACONE_SANITIZE=ON -DABACONE_BENCH=OFF -DABACONE_WINDOWS_CALC=OFF -DCMAKE_BUILD_TYPE=Debug
ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 \
LSAN_OPTIONS=suppressions=$PWD/scripts/lsan.supp:print_suppressions=0 \
UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
  ctest --test-dir build-asan --output-on-failure -j"$jobs" -LE 'e2e|install' | tee build-asan/ctest.log

echo "== fuzzing"
scripts/build.sh build-fuzz -DABACONE_FUZZ=ON -DABACONE_GUI=OFF -DABACONE_BENCH=OFF -DBUILD_TESTING=OFF \
  -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=RelWithDebInfo
scripts/fuzz.sh build-fuzz "${FUZZ_SECONDS:-60}"

# Both CTest runs passed (set -e and pipefail stop at the first failure): one closing line.
count() { sed -n 's/.*tests passed, 0 tests failed out of \([0-9]*\).*/\1/p' "$1" | tail -n 1; }
echo "== summary"
echo "$(( $(count build/ctest.log) + $(count build-asan/ctest.log) )) passed, 0 failed"
