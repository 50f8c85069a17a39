#!/usr/bin/env bash
# Installs what the build needs, builds Vaporis and runs every test through CTest.
# ./test.sh --ci also treats warnings as errors and runs the tests a second time in a build
# with AddressSanitizer and UndefinedBehaviorSanitizer (scripts/sanitize.sh). Further
# arguments go to ctest.
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
ci=false
if [ "${1:-}" = "--ci" ]; then
    ci=true
    shift
    export VAPORIS_WERROR=ON
fi
"$root/scripts/setup.sh"
export QT_QPA_PLATFORM=offscreen
ctest --test-dir "$root/build" --output-on-failure --parallel "$(nproc)" "$@"
if $ci; then
    "$root/scripts/sanitize.sh" "$@"
fi
