#!/usr/bin/env bash
# Installs the Debian packages the project needs (only those missing),
# then configures and builds the game, its assets, tests and benchmarks.
# Safe to run again: it does only what changed.
set -euo pipefail
top=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
build="$top/build"

missing=()
while read -r package _; do
    [[ -z "$package" || "$package" == \#* ]] && continue
    if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed'; then
        missing+=("$package")
    fi
done < "$top/setup/debian-packages.txt"

if ((${#missing[@]})); then
    echo "Installing Debian packages: ${missing[*]}"
    sudo=()
    [[ $(id -u) -ne 0 ]] && sudo=(sudo)
    "${sudo[@]}" apt-get update -qq
    DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi

if [[ ! -f "$build/CMakeCache.txt" ]]; then
    cmake -S "$top" -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo
fi
cmake --build "$build" -j"$(nproc)"

# The same game built with AddressSanitizer and UndefinedBehaviorSanitizer,
# for the tests that play it through (./check); it reads the Assets/ tree
# generated above.
if [[ "${TIDEWRACK_SKIP_SANITIZED:-0}" != 1 ]]; then
    sanitized="$top/build-asan"
    if [[ ! -f "$sanitized/CMakeCache.txt" ]]; then
        cmake -S "$top" -B "$sanitized" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTIDEWRACK_SANITIZE=ON \
              -DTIDEWRACK_ASSETS_FROM="$build/Assets"
    fi
    cmake --build "$sanitized" -j"$(nproc)" --target tidewrack tidewrack_sanitized_tests
fi
