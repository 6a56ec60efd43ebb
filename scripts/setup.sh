#!/usr/bin/env bash
# Installs every Debian package the project needs. Safe to run again: one
# dpkg-query call finds what is missing, and only then does it call apt-get,
# quietly. Names are real packages, not virtual ones: a virtual name never
# shows as installed, so it would send every run to apt-get.
set -euo pipefail

packages=(
    g++ clang libclang-rt-14-dev cmake ninja-build pkg-config clang-format clang-tidy libcli11-dev libpugixml-dev python3-jsonschema
    libgtest-dev libgmock-dev libbenchmark-dev
    qt6-base-dev qt6-serialport-dev
    # the catalogues: lupdate and lrelease (on Debian 12 in qt6-l10n-tools), the
    # CMake module that runs lrelease, and Qt's own catalogues
    qt6-tools-dev qt6-l10n-tools qt6-translations-l10n
    xvfb xauth
    qt6-gtk-platformtheme # the dark-desktop screenshot: Qt's GTK 3 theme with Adwaita:dark
    # the desktop files: icons drawn from the SVG, validators, manual-page check
    librsvg2-bin desktop-file-utils appstream groff-base
    dpkg-dev
    lrzsz socat # the receiver link is tested against sb/rb over socat ptys
    strace      # the reading commands are traced to show that they write nothing
    poppler-utils # pdftotext and pdfinfo read back the PDF of velmar --print-pdf
)
# LibreOffice is only needed by the spreadsheet interoperability tests.
if [[ "${VELMAR_WITH_LIBREOFFICE:-0}" == 1 ]]; then
    packages+=(libreoffice-calc)
fi
# Building and checking the Debian package (scripts/package.sh, CI).
if [[ "${VELMAR_WITH_PACKAGING:-0}" == 1 ]]; then
    packages+=(debhelper lintian)
fi

declare -A installed=()
while read -r name state; do
    [[ $state == "install ok installed" ]] && installed[$name]=1
done < <(dpkg-query -W -f='${Package} ${Status}\n' "${packages[@]}" 2>/dev/null || true)
missing=()
for p in "${packages[@]}"; do
    [[ -n ${installed[$p]:-} ]] || missing+=("$p")
done
[[ ${#missing[@]} -eq 0 ]] && exit 0

sudo=""
[[ $(id -u) -ne 0 ]] && sudo="sudo"
echo "Installing: ${missing[*]}"
export DEBIAN_FRONTEND=noninteractive
$sudo apt-get update -qq
$sudo apt-get install -y -qq "${missing[@]}" >/dev/null
