#!/bin/sh
# The reading commands open no file for writing, rename nothing and sync
# nothing; the exporting ones write only beside their target. Traced with
# strace; skipped (exit 77) where it is missing.
set -u
cli=$1
image=$2
command -v strace >/dev/null 2>&1 || exit 77
# A sanitizer build's leak check cannot run under ptrace; the trace is what
# this test is about.
export ASAN_OPTIONS="${ASAN_OPTIONS:+$ASAN_OPTIONS:}detect_leaks=0"
out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT
trace() {
    strace -f -qq -y -e trace=openat,open,creat,rename,renameat,renameat2,fsync,fdatasync,unlink,unlinkat \
        -o "$out/trace" "$cli" "$@" >/dev/null 2>"$out/stderr" || {
        echo "velmar-cli $*: failed"; cat "$out/stderr"; exit 1; }
}
# ThreadSanitizer's runtime makes and unlinks a scratch file of its own
# (tsan.rodata.PID in the temporary folder) before main: not ours.
writes() {
    grep -E 'O_WRONLY|O_RDWR|O_CREAT|creat\(|rename|fsync|fdatasync|unlink' "$out/trace" |
        grep -v ' = -1 ' | grep -v '/tsan\.rodata\.[0-9]*'
}
fail=0
"$cli" export-xls "$image" "$out/list.xls" >/dev/null || exit 1
for args in "info $image" "info --json $image" "dump $image" "dump-xls $out/list.xls"; do
    # shellcheck disable=SC2086
    trace $args
    if writes >/dev/null; then
        echo "velmar-cli $args writes:"; writes; fail=1
    fi
done
mkdir "$out/target"
for args in "export-h $image $out/target/t.h" "export-xls $image $out/target/t.xls" \
            "save $image $out/target/t.bin"; do
    # shellcheck disable=SC2086
    trace $args
    if writes | grep -v "$out/target[/>]" >/dev/null; then
        echo "velmar-cli $args writes outside its target's folder:"; writes | grep -v "$out/target[/>]"; fail=1
    fi
done
exit $fail
