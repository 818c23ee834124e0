#!/bin/sh
# Builds and runs every test: the whole project under AddressSanitizer (LeakSanitizer on) and
# UndefinedBehaviorSanitizer with the whole suite, end-to-end tests included; the fuzzer for a
# bounded time; then a plain build, the calculation benchmark once (it prints figures; nothing
# is timed as a test), the whole suite again and the Debian package. The GUI tests run headless.
set -eu
root=$(cd "$(dirname "$0")/.." && pwd)
build=${TAVREL_BUILD:-$root/build}
jobs=$(nproc)

# The whole project, Qt included, even where an older build folder kept Qt out. GCC's
# "undefined" leaves out float-cast-overflow. Every report ends the program that made it, so
# its test fails; tools/lsan.supp lists the leaks that live inside system libraries. -O1 with
# line tables only builds in far less time than -O2 -g, and reports still name file and line.
# Debian's hardening stays out: _FORTIFY_SOURCE and AddressSanitizer do not mix.
cmake -S "$root" -B "$build-sanitize" -DTAVREL_BENCH=OFF -DTAVREL_HARDENING=OFF -DCMAKE_DISABLE_FIND_PACKAGE_Qt6=OFF \
  -DCMAKE_CXX_FLAGS="-fsanitize=address,undefined,float-cast-overflow -fno-sanitize-recover=all -fno-omit-frame-pointer" \
  -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_FLAGS_RELWITHDEBINFO="-O1 -g1"
cmake --build "$build-sanitize" -j"$jobs"
ASAN_OPTIONS=detect_leaks=1:check_initialization_order=1:strict_init_order=1 \
  LSAN_OPTIONS=suppressions="$root/tools/lsan.supp" UBSAN_OPTIONS=print_stacktrace=1 \
  ctest --test-dir "$build-sanitize" --output-on-failure -j"$jobs"

"$root/fuzz/run.sh" "$build-fuzz" 30

cmake -S "$root" -B "$build"
cmake --build "$build" -j"$jobs"
"$build/bin/calc_bench" --benchmark_min_time=0.2
ctest --test-dir "$build" --output-on-failure -j"$jobs"

# The Debian package, from the build above: built, listed, checked with lintian and readelf,
# unpacked into a temporary folder, its desktop entry and metainfo validated, and the unpacked
# program started on its own Xvfb.
bash "$root/tests/package/check_package.sh" "$build"
