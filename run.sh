#!/usr/bin/env bash
# Installs what the build needs, builds Vaporis and starts the desktop program.
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
"$root/scripts/setup.sh"
exec "$root/build/src/app/vaporis" "$@"
