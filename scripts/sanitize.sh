#!/usr/bin/env bash
# Builds everything but the desktop program and the Python module (an instrumented extension
# cannot be loaded by an uninstrumented interpreter) with Clang, AddressSanitizer and
# UndefinedBehaviorSanitizer in ./build-sanitize, runs its tests, then runs the libFuzzer target
# of the file readers for VAPORIS_FUZZ_SECONDS (60) over the seed files of fuzz/corpus and the
# defaults project of the tests. Without Qt on the include path, this build also proves that the
# engines, the dialog logic and the command line need no toolkit. Expects the packages of
# setup.sh to be installed.
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
cmake -S "$root" -B "$root/build-sanitize" -DCMAKE_BUILD_TYPE=Debug -DCMAKE_CXX_FLAGS_DEBUG="-O1 -g1" \
      -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ \
      -DVAPORIS_BUILD_GUI=OFF -DVAPORIS_BUILD_BENCH=OFF -DVAPORIS_BUILD_PYTHON=OFF -DVAPORIS_SANITIZE=ON -DVAPORIS_BUILD_FUZZ=ON \
      -DVAPORIS_WERROR="${VAPORIS_WERROR:-OFF}"
cmake --build "$root/build-sanitize" --parallel "$(nproc)"
export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1:strict_string_checks=1
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
export LSAN_OPTIONS="suppressions=$root/scripts/lsan.supp:print_suppressions=0"
# The hostile-input suites run fewer calls and events here, where the sanitizers slow them.
export VAPORIS_HOSTILE_CALLS="${VAPORIS_HOSTILE_CALLS:-300000}"
export VAPORIS_MONKEY_EVENTS="${VAPORIS_MONKEY_EVENTS:-10000}"
ctest --test-dir "$root/build-sanitize" --output-on-failure --parallel "$(nproc)" "$@"

# The fuzzer adds the inputs it finds to its corpus folder: give it a copy of the seeds.
corpus=$(mktemp -d)
trap 'rm -rf "$corpus"' EXIT
cp "$root"/fuzz/corpus/* "$root"/tests/app/data/defaults.prj "$corpus"
"$root/build-sanitize/fuzz/vaporis_fuzz_files" -max_total_time="${VAPORIS_FUZZ_SECONDS:-60}" \
    -timeout=10 -print_final_stats=1 "$corpus"
