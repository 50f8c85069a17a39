#!/usr/bin/env bash
# Builds the Debian package of the desktop program, the command line and the Python module in
# ./build-package (Release, without tests and benchmarks), checks it with lintian and prints its
# path; a lintian error fails the script. dpkg-shlibdeps (dpkg-dev, part of build-essential)
# names the libraries the package depends on.
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
build="$root/build-package"
# Debian's hardening flags (stack protector, fortified functions, read-only relocations).
export DEB_BUILD_MAINT_OPTIONS=hardening=+all
cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=Release -DVAPORIS_BUILD_TESTS=OFF \
      -DVAPORIS_BUILD_BENCH=OFF -DVAPORIS_BUILD_GUI=ON \
      -DCMAKE_CXX_FLAGS="$(dpkg-buildflags --get CPPFLAGS) $(dpkg-buildflags --get CXXFLAGS)" \
      -DCMAKE_EXE_LINKER_FLAGS="$(dpkg-buildflags --get LDFLAGS)" \
      -DCMAKE_MODULE_LINKER_FLAGS="$(dpkg-buildflags --get LDFLAGS)"
cmake --build "$build" --parallel "$(nproc)"
(cd "$build" && cpack -G DEB)
package=$(ls "$build"/vaporis_*.deb)
lintian --fail-on error "$package"
echo "$package"
