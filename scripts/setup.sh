#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Installs what building and testing Unitforge needs on Debian 12, when missing.
#   scripts/setup.sh [PACKAGE...]   the packages named instead of the build's own
set -euo pipefail

packages=(
    g++ cmake ninja-build pkg-config ccache
    qt6-base-dev libgl-dev
    libgtest-dev libgmock-dev libbenchmark-dev
    xvfb xauth fonts-dejavu-core fonts-liberation
    desktop-file-utils libxml2-utils shared-mime-info libglib2.0-bin man-db
    dpkg-dev file lintian appstream
    python3 fp-compiler fpc-source
    lcl-units-2.2 lcl-gtk2-2.2 lcl-nogui-2.2 lcl-utils-2.2 lazarus-src-2.2
    libgtk2.0-dev openbox xdotool x11-utils
)
if [ $# -gt 0 ]; then
    packages=("$@")
fi
missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
    if [ "$(id -u)" -ne 0 ]; then
        echo "Missing packages: ${missing[*]} (run as root to install them)" >&2
        exit 1
    fi
    export DEBIAN_FRONTEND=noninteractive
    apt-get update -qq
    apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
