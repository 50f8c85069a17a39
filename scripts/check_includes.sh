#!/usr/bin/env bash
# Checks the include structure of src/: no file includes a header of a higher layer, the
# command line never includes dialog code (ui, app), and no chain of includes leads back to
# where it started. Prints each offence and exits 1 when there is one.
set -euo pipefail
src=$(cd "${1:-$(dirname "${BASH_SOURCE[0]}")/../src}" && pwd)

# Layers bottom up; a file may include headers of its own layer and of the layers below.
rank() {
    case "$1" in
        engine/common/* | output/units/*) echo 0 ;;
        engine/file/*) echo 1 ;;
        engine/water/*) echo 2 ;;
        engine/gas/*) echo 3 ;;
        processes/*) echo 4 ;;
        output/*) echo 5 ;;
        project/*) echo 6 ;;
        ui/qt/*) echo 8 ;;
        ui/*) echo 7 ;;
        app/*) echo 9 ;;
        cli/*) echo 9 ;;
        *) echo 99 ;;
    esac
}

status=0
edges=$(mktemp)
trap 'rm -f "$edges"' EXIT
cd "$src"
while IFS= read -r file; do
    stem=${file%.*}
    while IFS= read -r header; do
        [ -f "$header" ] || continue
        if [ "$(rank "$header")" -gt "$(rank "$file")" ]; then
            echo "$file includes $header of a higher layer"
            status=1
        fi
        if [[ $file == cli/* && ($header == ui/* || $header == app/*) ]]; then
            echo "$file includes $header: the command line stands on output and project alone"
            status=1
        fi
        if [[ $file == app/* && $header == cli/* ]]; then
            echo "$file includes $header of the command line"
            status=1
        fi
        # A source file and its own header count as one node.
        [ "${header%.*}" = "$stem" ] || echo "$stem ${header%.*}" >> "$edges"
    done < <(sed -n 's/^#include "\([^"]*\)".*/\1/p' "$file")
done < <(find . -name '*.h' -o -name '*.cpp' | sed 's#^\./##' | sort)

# tsort names the files of each cycle it finds.
if ! tsort "$edges" > /dev/null; then
    echo "include loop: the files tsort names above form a cycle"
    status=1
fi
exit $status
