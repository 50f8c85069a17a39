#!/usr/bin/env bash
# Shared set-up of run.sh and test.sh: installs the Debian build dependencies that are
# missing, then configures and builds the project in ./build (VAPORIS_WERROR=ON makes
# warnings errors).
set -euo pipefail

packages=(build-essential cmake googletest libgtest-dev libbenchmark-dev qt6-base-dev
          libgl-dev libcairo2-dev libcli11-dev nlohmann-json3-dev fonts-dejavu-core locales
          clang libclang-rt-14-dev libfmt-dev help2man lintian appstream
          pybind11-dev python3-dev python3-numpy python3-pytest)

sudo_cmd=()
if [ "$(id -u)" -ne 0 ]; then
    sudo_cmd=(sudo)
fi

missing=()
for package in "${packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed'; then
        missing+=("$package")
    fi
done

if [ ${#missing[@]} -gt 0 ]; then
    echo "Installing build dependencies: ${missing[*]}"
    "${sudo_cmd[@]}" apt-get update -qq
    DEBIAN_FRONTEND=noninteractive "${sudo_cmd[@]}" apt-get install -y -qq --no-install-recommends \
        "${missing[@]}"
fi

# The number tests run under a German locale, whose decimal comma must never reach a field,
# report or file.
if ! locale -a 2>/dev/null | grep -qi '^de_DE\.utf-\?8$'; then
    "${sudo_cmd[@]}" localedef -i de_DE -f UTF-8 de_DE.UTF-8
fi

root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
cmake -S "$root" -B "$root/build" -DCMAKE_BUILD_TYPE="${VAPORIS_BUILD_TYPE:-RelWithDebInfo}" \
      -DVAPORIS_WERROR="${VAPORIS_WERROR:-OFF}"
cmake --build "$root/build" --parallel "$(nproc)"
