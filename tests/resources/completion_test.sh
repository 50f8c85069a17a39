#!/usr/bin/env bash
# Completes vaporis-cli command lines as bash would and compares the words offered.
# Usage: completion_test.sh VAPORIS_CLI COMPLETION_SCRIPT
set -uo pipefail
cli=$1
# shellcheck source=/dev/null
source "$2"
cd "$(mktemp -d)" && touch report.html plant.prj

# Prints the sorted words offered for a command line whose last word is being typed.
offered() {
    COMP_WORDS=("$cli" "$@")
    COMP_CWORD=$#
    COMPREPLY=()
    _vaporis_cli
    if ((${#COMPREPLY[@]} > 0)); then
        printf '%s\n' "${COMPREPLY[@]}" | sort | tr '\n' ' '
    fi
}

failures=0
expect() {
    local want=$1
    shift
    local got
    got=$(offered "$@")
    if [[ $got != "$want" ]]; then
        echo "completing \"$*\": offered \"$got\", expected \"$want\""
        failures=$((failures + 1))
    fi
}

expect "steam steam-ph " st
expect "atmosphere " tools at
expect "--t-cw --t-set --t-ss " tools quench --t-
expect "--eta-g --eta-m --eta-s " process steam --p1 10 --eta
expect "report.html " steam --p 1 --t 20 --html rep
expect "plant.prj " project pl
expect "" steam --p ""
expect "" steam --p 5 st
exit $((failures > 0))
