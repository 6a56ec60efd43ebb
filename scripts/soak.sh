#!/usr/bin/env bash
# The long soak: scripts/soak.sh [CYCLES] [LINK_EVERY]
# Builds the release soak test and runs the editor offscreen through CYCLES
# cycles (default 1000) of open, a random edit, save, and every LINK_EVERY
# cycles (default 10) a send to rb and a receive from sb over loopback; prints
# the resident memory at a tenth of the cycles and at the end, the open
# descriptors, the files left behind and the images checked. Needs lrzsz.
# VELMAR_SOAK_SEED picks other edits.
set -euo pipefail
cd "$(dirname "$0")/.."
cycles="${1:-1000}"
every="${2:-10}"

cmake --preset release >/dev/null
cmake --build --preset release --target velmar_soak_tests
VELMAR_SOAK_CYCLES="$cycles" VELMAR_SOAK_LINK_EVERY="$every" QT_QPA_PLATFORM=offscreen LC_ALL=C \
    ./build/release/tests/velmar_soak_tests --gtest_filter='Soak.ADayOfUseInAMinute'
