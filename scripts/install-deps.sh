#!/usr/bin/env bash
# Installs the Debian packages the build, the tests and the demo need, or
# the packages named on the command line instead.
# Packages already present are not fetched again.
set -euo pipefail

packages=(
    cmake g++ make pkg-config
    qtbase5-dev qttools5-dev-tools qt5-image-formats-plugins libqt5svg5
    libx11-dev libxrandr-dev libxcb-shm0-dev zlib1g-dev
    python3 python3-aiosmtpd openssl zip unzip curl
    xvfb xauth x11-utils xdotool imagemagick
    fonts-dejavu-core fonts-wqy-microhei
    clang libclang-rt-14-dev
)
if [ $# -gt 0 ]; then
    packages=("$@")
fi

missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done

if [ ${#missing[@]} -eq 0 ]; then
    exit 0
fi

echo "Installing: ${missing[*]}"
SUDO=""
if [ "$(id -u)" -ne 0 ]; then SUDO="sudo"; fi
export DEBIAN_FRONTEND=noninteractive
$SUDO apt-get update -qq
$SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}"
