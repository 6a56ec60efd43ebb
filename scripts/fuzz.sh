#!/usr/bin/env bash
# Runs the libFuzzer targets: scripts/fuzz.sh [SECONDS] [TARGET...]
# Every target fuzz/CMakeLists.txt lists (or those named) runs SECONDS each
# (default 600), or until FUZZ_RUNS executions when that comes first (the
# long campaign: FUZZ_RUNS=10000000 scripts/fuzz.sh 3600), from a scratch
# copy of its committed seeds, so the tree stays clean, and its executions,
# coverage and time are printed. With FUZZ_KEEP=1 the inputs a run found that
# reach new code are merged into the committed seeds afterwards (libFuzzer's
# -merge, so only inputs that add coverage go in): a campaign split over
# several sessions then goes on where it stopped. A crash stops the run
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

# One target, from a scratch copy of its seeds; prints its summary line.
fuzz_one() {
    local target=$1 corpus log started=$SECONDS
    corpus=$(mktemp -d)
    cp "fuzz/corpus/$target"/* "$corpus"/
    log="build/fuzz/fuzz_$target.log"
    if ! "./build/fuzz/fuzz/fuzz_$target" -max_total_time="$seconds" -runs="$runs" -max_len=16384 \
            -print_final_stats=1 -artifact_prefix="build/fuzz/$target-" "$corpus" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz_$target found a crash; its input is build/fuzz/$target-crash-*"
        rm -rf "$corpus"
        return 1
    fi
    # libFuzzer's last status line: edges covered, features, corpus; then executions.
    echo "fuzz_$target: $(grep -E 'DONE +cov:' "$log" | tail -n 1 | grep -oE 'cov: [0-9]+ ft: [0-9]+ corp: [^ ]+') $(grep -E '^stat::number_of_executed_units' "$log" | tr -s ' ') in $((SECONDS - started)) s"
    if [[ ${FUZZ_KEEP:-0} == 1 ]]; then
        "./build/fuzz/fuzz/fuzz_$target" -merge=1 -max_len=16384 "fuzz/corpus/$target" "$corpus" \
            >"build/fuzz/fuzz_$target.merge.log" 2>&1
        echo "fuzz_$target: seeds now $(find "fuzz/corpus/$target" -type f | wc -l) files"
    fi
    rm -rf "$corpus"
}

# Each fuzzer is one process on one core: FUZZ_JOBS of them (default: every
# core) run side by side, each for its full time. A failure leaves a mark, so
# that none is lost to the order in which they end.
jobs_max="${FUZZ_JOBS:-$(nproc)}"
rm -f build/fuzz/*.failed
for target in "${targets[@]}"; do
    while (($(jobs -rp | wc -l) >= jobs_max)); do
        wait -n || true
    done
    { fuzz_one "$target" || touch "build/fuzz/$target.failed"; } &
done
wait
if compgen -G 'build/fuzz/*.failed' >/dev/null; then
    exit 1
fi
