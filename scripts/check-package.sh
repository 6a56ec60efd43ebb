#!/usr/bin/env bash
# Checks the package that scripts/package.sh built: lintian (pedantic) finds
# no error and no warning; then it installs it, checks it as a user's system
# sees it, and purges it again: the installed velmar-cli runs and reads the
# example image, the desktop entry and the metainfo pass the freedesktop
# validators, the MIME type and icons are where the desktop looks, and the
# installed editor starts, the manual pages and shell completions are found.
set -euo pipefail
cd "$(dirname "$0")/.."
VELMAR_WITH_PACKAGING=1 ./scripts/setup.sh
deb=$(ls build/release/velmar_*.deb)

# Information and pedantic tags are shown; an error or a warning fails.
# (lintian warns when run as root, as CI does; that line is not a tag.)
tags=$(lintian --pedantic --display-info --color never "$deb" 2>&1 |
    grep -v '^running with root privileges is not recommended!$' || true)
[[ -n $tags ]] && echo "$tags"
if grep -qE '^[EW]: ' <<<"$tags"; then
    echo "lintian: errors or warnings in $deb"
    exit 1
fi
echo "lintian --pedantic: no error, no warning"

sudo=""
[[ $(id -u) -ne 0 ]] && sudo="sudo"
export DEBIAN_FRONTEND=noninteractive
$sudo apt-get install -y -qq "./$deb" >/dev/null
trap '$sudo apt-get purge -y -qq velmar >/dev/null' EXIT

echo "installed: $(dpkg-query -W -f='${Package} ${Version}' velmar)"
[[ $(command -v velmar-cli) == /usr/bin/velmar-cli ]]
[[ -x /usr/bin/velmar ]]
[[ $(/usr/bin/velmar-cli --version) == *"$(dpkg-query -W -f='${Version}' velmar)"* ]]
/usr/bin/velmar-cli receivers >/dev/null
[[ $(man -w velmar-cli) == /usr/share/man/man1/velmar-cli.1.gz ]]
[[ $(man -w velmar) == /usr/share/man/man1/velmar.1.gz ]]
# The completions are where each shell looks, and bash's completes from the
# installed program.
[[ -f /usr/share/zsh/vendor-completions/_velmar-cli ]]
[[ -f /usr/share/fish/vendor_completions.d/velmar-cli.fish ]]
bash tests/desktop/bash_completion_test.sh /usr/share/bash-completion/completions/velmar-cli /usr/bin/velmar-cli
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
TMPDIR=$(mktemp -d) QT_QPA_PLATFORM=offscreen timeout 60 /usr/bin/velmar --receiver cable --open examples/demo-cable.bin \
    --screenshot "$shot"
[[ -s $shot ]]
# Its catalogues are where it looks: started in German, the installed editor
# opens the installed German catalogue.
for lang in de fr it es pl tr ru ar; do
    [[ -s /usr/share/velmar/translations/velmar_$lang.qm ]]
done
trace=$(mktemp)
env -u LANGUAGE -u LC_ALL -u LC_MESSAGES LANG=de_DE.UTF-8 TMPDIR=$(mktemp -d) QT_QPA_PLATFORM=offscreen \
    timeout 60 strace -f -e trace=openat -o "$trace" /usr/bin/velmar --receiver cable \
    --open examples/demo-cable.bin --screenshot "$shot"
grep -qE '"/usr/share/velmar/translations/velmar_de\.qm", O_RDONLY[^)]*\) = [0-9]' "$trace"
rm -f "$shot" "$trace"
echo "package check: passed"
