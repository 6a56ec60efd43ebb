#!/usr/bin/env bash
# Runs the libFuzzer targets: scripts/fuzz.sh [SECONDS] [TARGET...]
# Every target fuzz/CMakeLists.txt lists (or those named) runs SECONDS each
# (default 600), or until FUZZ_RUNS executions when that comes first (the
# long campaign: FUZZ_RUNS=10000000 scripts/fuzz.sh 3600), from a scratch
# copy of its committed seeds, so the tree stays clean, and its executions,
# coverage and time are printed. A crash stops the run
# with its input at build/fuzz/<target>-crash-*, to be committed under
# fuzz/regressions/<target>/ named after what it reproduces.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds="${1:-600}"
shift || true
runs="${FUZZ_RUNS:--1}"

cmake --preset fuzz -DCMAKE_COMPILE_WARNING_AS_ERROR=ON >/dev/null
if (($# > 0)); then
    targets=("$@")
else
    mapfile -t targets <build/fuzz/fuzz/targets.txt
fi
cmake --build --preset fuzz --target "${targets[@]/#/fuzz_}"

for target in "${targets[@]}"; do
    corpus=$(mktemp -d)
    cp "fuzz/corpus/$target"/* "$corpus"/
    log="build/fuzz/fuzz_$target.log"
    started=$SECONDS
    if ! "./build/fuzz/fuzz/fuzz_$target" -max_total_time="$seconds" -runs="$runs" -max_len=16384 \
            -print_final_stats=1 -artifact_prefix="build/fuzz/$target-" "$corpus" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz_$target found a crash; its input is build/fuzz/$target-crash-*"
        rm -rf "$corpus"
        exit 1
    fi
    # libFuzzer's last status line: edges covered, features, corpus; then executions.
    echo "fuzz_$target: $(grep -E 'DONE +cov:' "$log" | tail -n 1 | grep -oE 'cov: [0-9]+ ft: [0-9]+ corp: [^ ]+') $(grep -E '^stat::number_of_executed_units' "$log" | tr -s ' ') in $((SECONDS - started)) s"
    rm -rf "$corpus"
done
