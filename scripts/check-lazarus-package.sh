#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Builds the Lazarus package unitforge-build --package writes for a
# specification with lazbuild, as an unprivileged user with a configuration
# folder of its own (--pcp): lazbuild run as root would rebuild the system's
# LCL in place. Exits 77 (skipped) when lazbuild is missing or, run as root,
# no unprivileged user can be made.
#   check-lazarus-package.sh UNITFORGE_BUILD SPEC.spc
set -euo pipefail
build=$1
spec=$2
user=ufbuild

if ! command -v lazbuild >/dev/null; then
    echo "skipped: lazbuild (lcl-utils-2.2) is not installed"
    exit 77
fi
run=()
if [ "$(id -u)" -eq 0 ]; then
    if ! id "$user" >/dev/null 2>&1 \
        && ! useradd --system --no-create-home --shell /usr/sbin/nologin "$user" 2>/dev/null; then
        echo "skipped: no unprivileged user to run lazbuild as"
        exit 77
    fi
    run=(runuser -u "$user" --)
fi

folder=$(mktemp -d /tmp/uf-package-XXXXXX)
trap 'rm -rf "$folder"' EXIT
"$build" --package "$folder/package" "$spec"
chmod 755 "$folder"
[ ${#run[@]} -eq 0 ] || chown -R "$user" "$folder"
lpk=$(ls "$folder"/package/*.lpk)
if ! (cd "$folder/package" && "${run[@]}" lazbuild -d --pcp="$folder/pcp" "$lpk" >"$folder/log" 2>&1); then
    tail -20 "$folder/log"
    echo "lazbuild failed on $(basename "$lpk")"
    exit 1
fi
units=$(find "$folder/package/lib" -name '*.ppu' | wc -l)
if [ "$units" -lt 2 ]; then
    tail -20 "$folder/log"
    echo "lazbuild made $units compiled units, not the component's and the package's"
    exit 1
fi
echo "$(basename "$lpk") built by lazbuild as ${run[*]:-$(id -un)}: $units compiled units"
