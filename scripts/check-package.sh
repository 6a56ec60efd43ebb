#!/usr/bin/env bash
# Installs the package that scripts/package.sh built, checks it as a user's
# system sees it, and removes it again: the installed velmar-cli reads the
# example image, the desktop entry and the metainfo pass the freedesktop
# validators, the MIME type and icons are where the desktop looks, and the
# installed editor starts.
set -euo pipefail
cd "$(dirname "$0")/.."
deb=$(ls build/release/velmar_*.deb)
sudo=""
[[ $(id -u) -ne 0 ]] && sudo="sudo"
export DEBIAN_FRONTEND=noninteractive
$sudo apt-get install -y -qq "./$deb" >/dev/null
trap '$sudo apt-get purge -y -qq velmar >/dev/null' EXIT

echo "installed: $(dpkg-query -W -f='${Package} ${Version}' velmar)"
[[ $(command -v velmar-cli) == /usr/bin/velmar-cli ]]
[[ -x /usr/bin/velmar ]]
/usr/bin/velmar-cli info examples/demo-satellite.bin
/usr/bin/velmar-cli --receiver cable info examples/demo-cable.bin | grep -q "cable muxes       14"
desktop-file-validate /usr/share/applications/org.velmar.Velmar.desktop
appstreamcli validate --no-net /usr/share/metainfo/org.velmar.Velmar.metainfo.xml
for size in 16 22 24 32 48 64 128 256; do
    [[ -f /usr/share/icons/hicolor/${size}x${size}/apps/org.velmar.Velmar.png ]]
done
[[ -f /usr/share/icons/hicolor/scalable/apps/org.velmar.Velmar.svg ]]
# The MIME trigger has rebuilt the database with our type in it.
grep -q '^application/x-velmar-image$' /usr/share/mime/types
for page in velmar velmar-cli; do
    zcat "/usr/share/man/man1/$page.1.gz" | groff -man -ww -z
done
# The installed editor starts with the libraries the package depends on.
shot=$(mktemp --suffix=.png)
QT_QPA_PLATFORM=offscreen timeout 60 /usr/bin/velmar --receiver cable --open examples/demo-cable.bin \
    --screenshot "$shot"
[[ -s $shot ]]
rm -f "$shot"
echo "package check: passed"
