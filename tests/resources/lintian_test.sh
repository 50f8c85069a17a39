#!/usr/bin/env bash
# Packs what this build installs into a Debian package, as scripts/package.sh does from its own
# Release build, and checks it with lintian: an error or a warning fails.
set -euo pipefail
build=$1
out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT
(cd "$build" && cpack -G DEB -B "$out" > /dev/null)
lintian --fail-on error,warning "$out"/vaporis_*.deb
