#!/usr/bin/env bash
# Builds the Debian package of the desktop program and the command line in ./build-package
# (Release, without tests and benchmarks) and prints its path. dpkg-shlibdeps (dpkg-dev, part
# of build-essential) names the libraries the package depends on.
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
build="$root/build-package"
cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=Release -DVAPORIS_BUILD_TESTS=OFF \
      -DVAPORIS_BUILD_BENCH=OFF -DVAPORIS_BUILD_GUI=ON
cmake --build "$build" --parallel "$(nproc)"
(cd "$build" && cpack -G DEB)
ls "$build"/vaporis_*.deb
