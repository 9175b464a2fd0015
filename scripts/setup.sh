#!/usr/bin/env bash
# Installs the Debian 12 packages the build, the tests and the program need; skips those
# already installed. Sourced by run.sh and test.sh.
set -euo pipefail

morvanx_packages=(
    cmake g++ make pkg-config
    qt6-base-dev qt6-base-dev-tools qt6-svg-dev libgl-dev
    qt6-tools-dev qt6-tools-dev-tools libqt6sql6-sqlite
    libbenchmark-dev clang-14 libclang-rt-14-dev clang-format
    qt6-translations-l10n desktop-file-utils fonts-ipafont-gothic xvfb xauth xdotool imagemagick
)

missing=()
for pkg in "${morvanx_packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null | grep -q 'install ok installed'; then
        missing+=("$pkg")
    fi
done

if [ ${#missing[@]} -gt 0 ]; then
    echo "Installing: ${missing[*]}"
    as_root=()
    [ "$(id -u)" -ne 0 ] && as_root=(sudo)
    "${as_root[@]}" env DEBIAN_FRONTEND=noninteractive apt-get update -qq
    "${as_root[@]}" env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
