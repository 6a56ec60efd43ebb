#!/usr/bin/env bash
# clang-tidy over the core's sources with the checks of .clang-tidy; any
# finding fails. Only configures (the tidy preset: clang, no Qt, no tests),
# so the compile commands are clang's own; nothing is built.
set -euo pipefail
cd "$(dirname "$0")/.."
cmake --preset tidy >/dev/null
core='/(contracts|model|document|compare|image|lists|platform|util|xls|link|cli)/[^/]+\.cpp$'
status=0
run-clang-tidy -quiet -p build/tidy -j"${TIDY_JOBS:-$(nproc)}" "$PWD$core" >build/tidy/raw.log 2>&1 || status=$?
# Without its colours, so the log reads plainly.
sed -E 's/\x1b\[[0-9;]*m//g' build/tidy/raw.log |
    grep -v -E '^[0-9]+ warnings? (and [0-9]+ errors? )?generated\.$|^Suppressed [0-9]+ warnings|^Use -header-filter' |
    tee build/tidy/findings.log
if ((status != 0)) || grep -qE '(warning|error):' build/tidy/findings.log; then
    echo "clang-tidy: $(grep -cE '(warning|error):' build/tidy/findings.log) findings"
    exit 1
fi
echo "clang-tidy: no findings"
