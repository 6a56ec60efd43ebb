#!/usr/bin/env bash
# Installs every Debian package the project needs. Safe to run again: it only
# calls apt-get when something is missing, and then quietly.
set -euo pipefail

packages=(
    g++ clang libclang-rt-14-dev cmake ninja-build pkg-config clang-format libcli11-dev python3-jsonschema
    libgtest-dev libgmock-dev libbenchmark-dev
    qt6-base-dev libqt6serialport6-dev
    xvfb xauth
    # the desktop files: icons drawn from the SVG, validators, manual-page check
    librsvg2-bin desktop-file-utils appstream groff-base
    # the Debian package: dpkg-shlibdeps computes its dependencies
    dpkg-dev
    lrzsz socat # the receiver link is tested against sb/rb over socat ptys
)
# LibreOffice is only needed by the spreadsheet interoperability tests.
if [[ "${VELMAR_WITH_LIBREOFFICE:-0}" == 1 ]]; then
    packages+=(libreoffice-calc)
fi

missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
[[ ${#missing[@]} -eq 0 ]] && exit 0

sudo=""
[[ $(id -u) -ne 0 ]] && sudo="sudo"
echo "Installing: ${missing[*]}"
export DEBIAN_FRONTEND=noninteractive
$sudo apt-get update -qq
$sudo apt-get install -y -qq "${missing[@]}" >/dev/null
