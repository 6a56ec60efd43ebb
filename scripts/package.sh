#!/usr/bin/env bash
# Builds the Debian package from the release build:
# build/release/velmar_<version>_<arch>.deb, with its dependencies worked out
# by dpkg-shlibdeps. Install it with: sudo apt-get install ./build/release/velmar_*.deb
set -euo pipefail
cd "$(dirname "$0")/.."
./scripts/setup.sh
extra=()
if [[ "${CI:-}" == true || "${VELMAR_WERROR:-0}" == 1 ]]; then
    extra+=(-DCMAKE_COMPILE_WARNING_AS_ERROR=ON)
fi
cmake --preset release "${extra[@]}" >/dev/null
cmake --build --preset release
cd build/release
rm -f velmar_*.deb
cpack -G DEB >/dev/null
deb=$(ls velmar_*.deb)
echo "built build/release/$deb"
dpkg-deb --field "$deb" Package Version Architecture Depends
