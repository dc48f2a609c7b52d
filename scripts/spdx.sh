#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Gives each source file of the checkout the one-line licence header it lacks,
# in the comment syntax of its language, below a "#!" line when there is one.
# Source files are the C++ sources and headers, CMake files, shell and Python
# scripts; test data, examples and fuzzing corpora are inputs, not sources.
#   scripts/spdx.sh           add the header where it is missing
#   scripts/spdx.sh --check   only list the files without it; exit 1 when any
set -euo pipefail
cd "$(dirname "$0")/.."

check=false
case "${1:-}" in
    "") ;;
    --check) check=true ;;
    *) echo "Usage: scripts/spdx.sh [--check]" >&2; exit 2 ;;
esac

identifier="SPDX-License-Identifier: MIT"

# The comment that opens the header of FILE; nothing when it is not a source file.
comment_for() {
    case "$1" in
        tests/data/* | examples/* | fuzz/corpus/* | fuzz/units/*) return ;;
    esac
    case "${1##*/}" in
        *.cpp | *.h | *.c | *.hpp | *.cpp.in) echo "//" ;;
        CMakeLists.txt | *.cmake | *.sh | *.py) echo "#" ;;
        *.*) ;;
        # A script without an extension, such as the CI's.
        *) head -c 2 "$1" | grep -q '^#!' && echo "#" || true ;;
    esac
}

if git rev-parse --is-inside-work-tree >/dev/null 2>&1; then
    mapfile -t files < <(git ls-files --cached --others --exclude-standard)
else
    mapfile -t files < <(find . -path ./.git -prune -o -path './build*' -prune -o -type f -print \
        | sed 's|^\./||' | sort)
fi

missing=0
for file in "${files[@]}"; do
    [ -f "$file" ] || continue
    comment="$(comment_for "$file")"
    [ -n "$comment" ] || continue
    # The header is the first line, or the second below a "#!" line.
    head -n 2 "$file" | grep -q "^$comment $identifier\$" && continue
    missing=$((missing + 1))
    if $check; then
        echo "$file"
        continue
    fi
    header="$comment $identifier"
    if [ ! -s "$file" ]; then
        echo "$header" >"$file"
    elif head -c 2 "$file" | grep -q '^#!'; then
        sed -i "1a $header" "$file"
    else
        sed -i "1i $header" "$file"
    fi
done

if $check; then
    if [ "$missing" -gt 0 ]; then
        echo "$missing source files lack the line '$identifier' (scripts/spdx.sh adds it)" >&2
        exit 1
    fi
    echo "every source file carries '$identifier'"
elif [ "$missing" -gt 0 ]; then
    echo "added '$identifier' to $missing files"
fi
