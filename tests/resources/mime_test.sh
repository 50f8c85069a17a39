#!/usr/bin/env bash
# Installs the file types into a scratch MIME database and asks GIO, as a file manager would,
# what a project, a gas analysis and another program's .prj file are.
# Usage: mime_test.sh VAPORIS_CLI MIME_XML
set -euo pipefail
cli=$1
data=$(mktemp -d)
trap 'rm -rf "$data"' EXIT
mkdir -p "$data/mime/packages" "$data/files"
cp "$2" "$data/mime/packages/"
update-mime-database "$data/mime"
cd "$data/files"
"$cli" project --new plant.prj
cp plant.prj renamed.dat
printf '\x7d\x14\x01\x00' >flue.gas
printf 'PROJCS["WGS 84 / UTM zone 32N"]' >map.prj

failures=0
expect() {
    local type
    type=$(XDG_DATA_HOME="$data/none" XDG_DATA_DIRS="$data" gio info -a standard::content-type "$1" |
        sed -n 's/^ *standard::content-type: //p')
    if [[ $type != "$2" ]]; then
        echo "$1: $type, expected $2"
        failures=$((failures + 1))
    fi
}
expect plant.prj application/x-vaporis-project
expect renamed.dat application/x-vaporis-project
expect flue.gas application/x-vaporis-gas-analysis
expect map.prj text/plain
exit $((failures > 0))
