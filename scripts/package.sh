#!/usr/bin/env bash
# Builds the Debian package with debhelper (debian/) and puts it at
# build/release/velmar_<version>_<arch>.deb, its dependencies worked out by
# dpkg-shlibdeps. Install it with: sudo apt-get install ./build/release/velmar_*.deb
#
# dpkg-buildpackage writes its results next to the source tree, so it runs on
# a copy under build/deb/: the results stay under build/ and the tree stays
# clean. It builds only what the package holds, with Debian's hardened flags;
# the tests are built and run by scripts/test.sh.
set -euo pipefail
cd "$(dirname "$0")/.."
VELMAR_WITH_PACKAGING=1 ./scripts/setup.sh
# debian/rules turns warnings into errors when VELMAR_WERROR=1 (CI sets it).
if [[ "${CI:-}" == true ]]; then
    export VELMAR_WERROR=1
fi

version=$(dpkg-parsechangelog -S Version)
out=build/deb
src=$out/velmar-$version
rm -rf "$out"
mkdir -p "$src"
tar -c --exclude=./build --exclude=./.git --exclude=./out . | tar -x -C "$src"
# Both cores: debhelper builds with one job unless told otherwise.
(cd "$src" && dpkg-buildpackage -us -uc -b "-J$(nproc)") >"$out/build.log" 2>&1 || {
    tail -n 40 "$out/build.log"
    echo "dpkg-buildpackage failed; the whole log is $out/build.log"
    exit 1
}

arch=$(dpkg-architecture -q DEB_HOST_ARCH)
deb=velmar_${version}_${arch}.deb
mkdir -p build/release
rm -f build/release/velmar_*.deb
cp "$out/$deb" build/release/
echo "built build/release/$deb"
dpkg-deb --field "build/release/$deb" Package Version Architecture Depends
