#!/usr/bin/env bash
# A picture of the editor with the example image opened through the Open
# command, taken under a virtual X display: docs/screenshot.png.
set -euo pipefail
cd "$(dirname "$0")/.."
app="build/${PRESET:-release}/app/velmar"
out="${1:-docs/screenshot.png}"
mkdir -p "$(dirname "$out")"
# A temporary folder of its own, so that no working copy another run left
# behind makes the editor ask about it; a window wide enough for the channel
# lists' Name columns to show whole names.
temp="$(mktemp -d)"
trap 'rm -rf "$temp"' EXIT
TMPDIR="$temp" xvfb-run -a -s "-screen 0 1600x1000x24" "$app" --open examples/demo-satellite.bin \
    --screenshot "$out" -geometry 1600x900+0+0
echo "wrote $out"
