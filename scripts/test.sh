#!/usr/bin/env bash
# Sets up, builds and runs every test. PRESET picks the build (default release).
# Warnings are errors under CI (CI=true) or with VELMAR_WERROR=1.
set -euo pipefail
cd "$(dirname "$0")/.."
./scripts/setup.sh
preset="${PRESET:-release}"
extra=()
if [[ "${CI:-}" == true || "${VELMAR_WERROR:-0}" == 1 ]]; then
    extra+=(-DCMAKE_COMPILE_WARNING_AS_ERROR=ON)
fi
cmake --preset "$preset" "${extra[@]}" >/dev/null
cmake --build --preset "$preset"
ctest --preset "$preset" -j"$(nproc)"
