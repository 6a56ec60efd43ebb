#!/usr/bin/env bash
# The bash completion for velmar-cli loads in a plain bash (no
# bash-completion package) and completes commands, options, receiver names
# read from the program given, and file names.
# usage: bash_completion_test.sh COMPLETION_SCRIPT VELMAR_CLI
set -uo pipefail
script=$(realpath "$1")
cli=$(realpath "$2")
failed=0

# complete WORD... : what the completion offers for the last word, sorted, one
# line; COMP_WORDS[0] is the program, so receiver names come from $cli.
complete_words() {
    bash --norc --noprofile -c '
        source "$1" || exit 3
        shift
        COMP_WORDS=("$@")
        COMP_CWORD=$(($# - 1))
        COMP_LINE="$*"
        COMP_POINT=${#COMP_LINE}
        _velmar_cli
        printf "%s\n" "${COMPREPLY[@]}" | sort | paste -sd" "
    ' bash "$script" "$@"
}

expect() {
    local want=$1
    shift
    local got
    got=$(complete_words "$@")
    if [[ $got != "$want" ]]; then
        echo "FAIL: '${*:2}': want '$want', got '$got'"
        failed=1
    fi
}

# Loading registers the function for velmar-cli.
[[ $(bash --norc --noprofile -c 'source "$1" && complete -p velmar-cli' bash "$script") == \
    "complete -F _velmar_cli velmar-cli" ]] || { echo "FAIL: not registered"; failed=1; }

expect "export-csv export-h export-xls" "$cli" ex
expect "receive receivers" "$cli" recei
expect "info" "$cli" inf
expect "--yes" "$cli" --y
expect "cable cable-single-block" "$cli" --receiver cab
expect "satellite satellite-fav24 satellite-fav32 satellite-long satellite-terrestrial" \
    "$cli" --receiver sat
expect "import-csv import-satellites import-xls info" "$cli" --receiver cable i
expect "edit" "$cli" --yes --sector-size 4096 ed
expect "--json" "$cli" info --j
expect "" "$cli" receivers ""
expect "--port" "$cli" send --po
expect "" "$cli" --max-mux ""

# File names, spaces and all, wherever a command takes one.
dir=$(mktemp -d)
trap 'rm -rf "$dir"' EXIT
touch "$dir/demo image.bin" "$dir/demo.xls"
cd "$dir" || exit 1
expect "demo image.bin" "$cli" --receiver cable info demo\ i
expect "demo image.bin demo.xls" "$cli" import-xls demo
expect "demo image.bin demo.xls" "$cli" receive --tcp host:1 demo

[[ $failed == 0 ]] && echo "bash completion: passed"
exit $failed
