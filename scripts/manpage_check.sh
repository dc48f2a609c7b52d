#!/usr/bin/env bash
# Holds the manual pages to what the programs' --help says: every option that
# --help names and every exit status it gives must be in the program's page
# (an option anywhere in it, an exit status as an entry of EXIT STATUS).
#   scripts/manpage_check.sh [BUILD_DIR]      default build/
set -euo pipefail
source_dir="$(cd "$(dirname "$0")/.." && pwd)"
build="$(cd "${1:-$source_dir/build}" && pwd)"
failures=0
fail() { echo "FAIL: $*" >&2; failures=$((failures + 1)); }

for program in unitforge unitforge-build; do
    binary="$(find "$build/src" -name "$program" -type f -perm -u+x | head -n 1)"
    [ -n "$binary" ] || { fail "$program is not built"; continue; }
    help="$(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$binary" --help)"
    page="$source_dir/packaging/man/$program.1"
    # The page's text with roff's escaped hyphens and font changes undone.
    text="$(sed -e 's/\\-/-/g' -e 's/\\f[BIRP]//g' "$page")"

    mapfile -t options < <(grep -oE -- '(^|[^[:alnum:]-])--?[[:alpha:]][[:alnum:]-]*' <<<"$help" \
        | sed 's/^[^-]*//' | sort -u)
    [ "${#options[@]}" -gt 2 ] || fail "$program --help names no options"
    for option in "${options[@]}"; do
        grep -qE -- "(^|[^[:alnum:]-])$option([^[:alnum:]-]|\$)" <<<"$text" \
            || fail "$program.1 does not describe $option"
    done

    # "Exit status: 0 built ..., 1 refused ..., 2 usage error ..."
    statuses="$(tr '\n' ' ' <<<"$help" | sed -n 's/.*Exit status: //p' \
        | grep -oE '(^|[,;] )[0-9]+ ' | grep -oE '[0-9]+' | sort -u)"
    [ -n "$statuses" ] || fail "$program --help gives no exit status"
    documented="$(sed -n '/^\.SH EXIT STATUS/,/^\.SH /p' <<<"$text" | sed -n 's/^\.B \([0-9]\+\)$/\1/p')"
    for status in $statuses; do
        grep -qx "$status" <<<"$documented" || fail "$program.1 does not give exit status $status"
    done
done

if [ "$failures" -eq 0 ]; then
    echo "manual pages: every option and exit status of --help is there"
    exit 0
fi
exit 1
