#!/usr/bin/env bash
# Lines of C++ (.cpp and .h) that are neither blank nor only a comment: the
# product code (every source folder but tests/, bench/ and fuzz/) against the
# test code (tests/), and the ratio of the two.
set -euo pipefail
cd "$(dirname "$0")/.."

# Blank lines, // lines and lines inside or wholly of /* */ comments are left
# out; a line with code before or after a comment counts.
count() {
    if (($# == 0)); then
        echo 0
        return
    fi
    awk '
        {
            line = $0
            code = 0
            while (length(line) > 0) {
                if (inBlock) {
                    end = index(line, "*/")
                    if (end == 0) { line = ""; break }
                    line = substr(line, end + 2)
                    inBlock = 0
                    continue
                }
                sub(/^[ \t]+/, "", line)
                if (line == "" || substr(line, 1, 2) == "//") break
                if (substr(line, 1, 2) == "/*") { inBlock = 1; line = substr(line, 3); continue }
                code = 1
                break
            }
            if (code) n++
        }
        END { print n + 0 }
    ' "$@"
}

product_dirs=()
for dir in */; do
    dir=${dir%/}
    case "$dir" in
    tests | bench | fuzz | build | debian | docs | examples | translations | cmake | scripts) ;;
    *) [[ -z "$(find "$dir" -type f \( -name '*.cpp' -o -name '*.h' \) -print -quit)" ]] ||
        product_dirs+=("$dir") ;;
    esac
done

mapfile -t product < <(find "${product_dirs[@]}" -type f \( -name '*.cpp' -o -name '*.h' \) | sort)
mapfile -t tests < <(find tests -type f \( -name '*.cpp' -o -name '*.h' \) | sort)

p=$(count "${product[@]}")
t=$(count "${tests[@]}")
printf 'product code: %7d lines in %4d files (%s)\n' "$p" "${#product[@]}" "${product_dirs[*]}"
printf 'test code:    %7d lines in %4d files (tests)\n' "$t" "${#tests[@]}"
awk -v p="$p" -v t="$t" 'BEGIN { if (p > 0) printf "tests per product line: %.2f\n", t / p }'
