#!/bin/sh
# Builds calc_fuzz with clang into BUILD_DIR and fuzzes CalculateAge for a bounded time.
# A copy of the committed corpus is used, so the run never changes fuzz/corpus; crash
# inputs land in BUILD_DIR. Exits non-zero on any finding.
# Usage: fuzz/run.sh BUILD_DIR [SECONDS]
set -eu

if [ $# -lt 1 ]; then
  echo "usage: $0 BUILD_DIR [SECONDS]" >&2
  exit 2
fi
build_dir=$1
seconds=${2:-30}
root=$(cd "$(dirname "$0")/.." && pwd)

# The fuzzer needs only the core; leaving Qt out keeps this build independent of the windows.
# It runs under AddressSanitizer, which Debian's hardening (_FORTIFY_SOURCE) would get in the
# way of.
cmake -S "$root" -B "$build_dir" \
  -DCMAKE_CXX_COMPILER=clang++ \
  -DTAVREL_FUZZ=ON -DTAVREL_BENCH=OFF -DTAVREL_HARDENING=OFF \
  -DCMAKE_DISABLE_FIND_PACKAGE_Qt6=ON
cmake --build "$build_dir" --target calc_fuzz

work_corpus="$build_dir/fuzz-corpus"
rm -rf "$work_corpus"
mkdir -p "$work_corpus" "$build_dir/fuzz-artifacts"
cp "$root"/fuzz/corpus/* "$work_corpus"/

"$build_dir/bin/calc_fuzz" \
  -max_total_time="$seconds" \
  -print_final_stats=1 \
  -artifact_prefix="$build_dir/fuzz-artifacts/" \
  "$work_corpus"
