#!/usr/bin/env bash
# Makes the Debian package of a built tree and looks it over as a distribution
# would: lintian finds no error and no warning (those about the maintainer's
# address aside: it is whoever builds the package), the package carries its
# copyright file and changelog, and its software centre entry validates.
#   scripts/package_check.sh [BUILD_DIR]      default build/
set -euo pipefail
source_dir="$(cd "$(dirname "$0")/.." && pwd)"
build="$(cd "${1:-$source_dir/build}" && pwd)"

work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
failures=0
fail() { echo "FAIL: $*" >&2; failures=$((failures + 1)); }

(cd "$build" && cpack -G DEB -B "$work" >"$work/cpack.log" 2>&1) \
    || { cat "$work/cpack.log" >&2; echo "package check: cpack failed" >&2; exit 1; }
deb="$(echo "$work"/*.deb)"
[ -f "$deb" ] || { echo "package check: no package made" >&2; exit 1; }

maintainer_tags=bogus-mail-host,mail-address-loops-or-bounces,maintainer-address-malformed
maintainer_tags+=,maintainer-address-missing,maintainer-name-missing,maintainer-address-is-on-localhost
echo "lintian $(basename "$deb"):"
# As root lintian warns that it should not be; that is no finding about the package.
lintian --display-info --tag-display-limit 0 --suppress-tags "$maintainer_tags" \
    --fail-on error,warning "$deb" 2> >(grep -v 'root privileges' >&2) \
    || fail "lintian found errors or warnings"

dpkg-deb -x "$deb" "$work/root"
for file in usr/share/doc/unitforge/copyright usr/share/doc/unitforge/changelog.gz; do
    [ -s "$work/root/$file" ] || fail "$file not in the package"
done
metainfo=("$work"/root/usr/share/metainfo/*.metainfo.xml)
if [ -f "${metainfo[0]}" ]; then
    echo "appstreamcli validate --no-net $(basename "${metainfo[0]}"):"
    appstreamcli validate --no-net "${metainfo[0]}" || fail "the metainfo file does not validate"
else
    fail "no metainfo file in the package"
fi
# Nothing in the package needs a maintainer script.
for script in preinst postinst prerm postrm; do
    if dpkg-deb -I "$deb" "$script" >/dev/null 2>&1; then
        fail "the package has a $script script"
    fi
done

if [ "$failures" -eq 0 ]; then
    echo "package check: all passed"
    exit 0
fi
echo "package check: $failures failed" >&2
exit 1
