#!/usr/bin/env bash
# Sets up, builds and runs the program's main job: the editor with the
# bundled example image opened. Without a display it says so and runs the
# command-line tour on the same image instead.
set -euo pipefail
cd "$(dirname "$0")/.."
./scripts/setup.sh
cmake --preset release >/dev/null
cmake --build --preset release
image=examples/demo-satellite.bin
if [[ -n "${DISPLAY:-}${WAYLAND_DISPLAY:-}" ]]; then
    exec build/release/app/velmar --open "$image"
fi
echo "No display found: running the command-line tour instead of the editor."
echo
cli=build/release/cli/velmar-cli
"$cli" info "$image"
echo
echo "First lines of the JSON dump ($cli dump $image):"
"$cli" dump "$image" | head -n 12 | cut -c 1-160
