#!/usr/bin/env bash
# Sets up, builds and runs the program's main job: the command-line tool on
# the bundled example image (the editor window arrives with the GUI).
set -euo pipefail
cd "$(dirname "$0")/.."
./scripts/setup.sh
cmake --preset release >/dev/null
cmake --build --preset release
cli=build/release/cli/velmar-cli
image=examples/demo-satellite.bin
"$cli" info "$image"
echo
echo "First lines of the JSON dump ($cli dump $image):"
"$cli" dump "$image" | head -n 12 | cut -c 1-160
