#!/bin/sh
# Builds and runs every test: the calculation core under AddressSanitizer and
# UndefinedBehaviorSanitizer, the fuzzer for a bounded time, the calculation benchmark once
# (it prints figures; nothing is timed as a test), then the whole suite, the GUI tests headless.
set -eu
root=$(cd "$(dirname "$0")/.." && pwd)
build=${TAVREL_BUILD:-$root/build}
jobs=$(nproc)

cmake -S "$root" -B "$build-sanitize" -DTAVREL_BENCH=OFF -DCMAKE_DISABLE_FIND_PACKAGE_Qt6=ON \
  -DCMAKE_CXX_FLAGS="-fsanitize=address,undefined -fno-sanitize-recover=all"
cmake --build "$build-sanitize" -j"$jobs"
ctest --test-dir "$build-sanitize" --output-on-failure -j"$jobs"

"$root/fuzz/run.sh" "$build-fuzz" 30

cmake -S "$root" -B "$build"
cmake --build "$build" -j"$jobs"
"$build/bin/calc_bench" --benchmark_min_time=0.2
ctest --test-dir "$build" --output-on-failure -j"$jobs"

# The Debian package, from the build above: built, listed, unpacked into a temporary folder, its
# desktop entry and metainfo validated, and the unpacked program started on its own Xvfb.
bash "$root/tests/package/check_package.sh" "$build"
