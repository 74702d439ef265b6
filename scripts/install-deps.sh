#!/usr/bin/env bash
# Installs the Debian packages Quillon 2003 needs to build, run and test, when any is missing.
# A machine that already has them needs no network: dpkg-query is asked first.
set -euo pipefail

QUILLON_PACKAGES=(
    g++ cmake ninja-build pkg-config
    qt6-base-dev
    libjpeg62-turbo-dev libzip-dev libsdl2-dev libtomlplusplus-dev
    libgtest-dev libgmock-dev libbenchmark-dev
    clang-format clang libclang-rt-14-dev unzip
    xvfb xauth xdotool imagemagick
    libxcb-damage0-dev
)

missing=()
for p in "${QUILLON_PACKAGES[@]}"; do
    status=$(dpkg-query -W -f='${Status}' "$p" 2>/dev/null || true)
    [[ "$status" == "install ok installed" ]] || missing+=("$p")
done

if ((${#missing[@]})); then
    echo "Installing: ${missing[*]}"
    SUDO=""
    [[ $(id -u) -eq 0 ]] || SUDO="sudo"
    $SUDO apt-get update -qq
    DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
