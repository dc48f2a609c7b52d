#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Installs a built tree into a temporary prefix and checks what a desktop
# needs: the programs answer --version and --help, the desktop entry, the
# software centre's entry and the MIME type validate, the icons are there, and the installed window, started
# through its desktop entry with a file, keeps its settings in the user's
# configuration directory and not beside the program, and takes the file of
# a second start.
#   scripts/install_check.sh [BUILD_DIR]      default build/
set -euo pipefail
source_dir="$(cd "$(dirname "$0")/.." && pwd)"
build="$(cd "${1:-$source_dir/build}" && pwd)"

work="$(mktemp -d)"
pid=
cleanup() {
    [ -n "$pid" ] && kill "$pid" 2>/dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT
prefix="$work/prefix"
failures=0
fail() { echo "FAIL: $*" >&2; failures=$((failures + 1)); }

# Under a umask that lets anyone write, the folders still come out 755.
(umask 000 && cmake --install "$build" --prefix "$prefix" >/dev/null)
writable="$(find "$prefix" -type d -perm /022)"
[ -z "$writable" ] || fail "folders others can write: $writable"

share="$prefix/share"
# The desktop entry is named after the application's id.
app_id="$(sed -n 's/^UF_APP_ID:INTERNAL=//p' "$build/CMakeCache.txt")"
desktop="$share/applications/$app_id.desktop"
for file in bin/unitforge bin/unitforge-build \
    "share/applications/$app_id.desktop" "share/metainfo/$app_id.metainfo.xml" \
    share/doc/unitforge/copyright share/doc/unitforge/changelog.gz share/mime/packages/unitforge-spc.xml \
    share/icons/hicolor/scalable/apps/unitforge.svg \
    share/man/man1/unitforge.1.gz share/man/man1/unitforge-build.1.gz; do
    [ -s "$prefix/$file" ] || fail "$file not installed"
done
for size in 16 22 24 32 48 64 128 256; do
    png="$share/icons/hicolor/${size}x${size}/apps/unitforge.png"
    if [ ! -s "$png" ]; then
        fail "no ${size}x${size} icon"
    # A PNG keeps its width and height, big-endian, at bytes 17 to 24.
    elif [ "$(od -An -tu4 --endian=big -j16 -N8 "$png" | tr -s ' ' | sed 's/^ //')" != \
           "$size $size" ]; then
        fail "the ${size}x${size} icon has another size"
    fi
done

desktop-file-validate "$desktop" || fail "desktop entry invalid"
metainfo="$share/metainfo/$app_id.metainfo.xml"
appstreamcli validate --no-net "$metainfo" >"$work/appstream.log" 2>&1 \
    || fail "metainfo invalid: $(cat "$work/appstream.log")"
[ "$(xmllint --xpath 'string(/component/id)' "$metainfo")" = "$app_id" ] \
    || fail "the metainfo's id is not the desktop entry's"
[ "$(xmllint --xpath 'string(/component/launchable)' "$metainfo")" = "$app_id.desktop" ] \
    || fail "the metainfo launches another desktop entry"
[ "$(xmllint --xpath 'string(/component/provides/mediatype)' "$metainfo")" = \
  "$(xmllint --xpath 'string(//*[local-name()="mime-type"]/@type)' "$share/mime/packages/unitforge-spc.xml")" ] \
    || fail "the metainfo provides another file type than the one installed"
xmllint --noout "$share/mime/packages/unitforge-spc.xml" || fail "MIME file is not well-formed XML"
xmllint --noout "$share/icons/hicolor/scalable/apps/unitforge.svg" || fail "icon is not well-formed"
# update-mime-database is strict about the format and warns on anything unknown.
if mime_log="$(update-mime-database "$share/mime" 2>&1 >/dev/null)" \
    && ! grep -qi -e warning -e error <<<"$mime_log"; then
    grep -q '^40:text/x-unitforge-spc:\*\.spc$' "$share/mime/globs2" || fail "glob missing or weighed wrongly"
else
    fail "update-mime-database: $mime_log"
fi
# Recognised by content: a specification with a byte-order mark or blank
# lines before its section, but not a certificate that shares the extension,
# nor another file with such a section further down.
printf '[Component]\r\nClassname=TTank\r\n' >"$work/plain.spc"
printf '\xef\xbb\xbf[Component]\r\n' >"$work/bom.spc"
printf '\r\n\r\n[Component]\r\n' >"$work/blank.spc"
printf '0\x82\x03\x1e\x06\x09*\x86H\x86\xf7\r\x01\x07\x02' >"$work/certificate.spc"
content_type() {
    XDG_DATA_DIRS="$share:/usr/share" XDG_DATA_HOME="$work/no-data" \
        gio info -a standard::content-type "$1" | sed -n 's/.*content-type: //p'
}
for file in plain bom blank; do
    type="$(content_type "$work/$file.spc")"
    [ "$type" = text/x-unitforge-spc ] || fail "$file.spc recognised as '$type'"
done
type="$(content_type "$work/certificate.spc")"
[ "$type" != text/x-unitforge-spc ] || fail "a certificate recognised as a specification"
printf '<html>\n[Component]\n</html>\n' >"$work/page.html"
printf '[Unit]\nDescription=x\n[Component]\n' >"$work/unit.service"
printf '; settings\n[Component]\nName=x\n' >"$work/settings.ini"
for file in page.html unit.service settings.ini; do
    type="$(content_type "$work/$file")"
    [ "$type" != text/x-unitforge-spc ] || fail "$file recognised as a specification"
done

for page in unitforge unitforge-build; do
    warnings="$(LC_ALL=C.UTF-8 MANWIDTH=80 man --warnings -l "$share/man/man1/$page.1.gz" 2>&1 >/dev/null)"
    [ -z "$warnings" ] || fail "$page.1: $warnings"
done

# Both answer --version and --help without a display.
for program in unitforge unitforge-build; do
    version="$(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$prefix/bin/$program" --version)" \
        || fail "$program --version failed"
    [[ "$version" =~ ^$program\ [0-9]+\.[0-9]+ ]] || fail "$program --version said: $version"
    env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$prefix/bin/$program" --help \
        | grep -q "^Usage: $program" || fail "$program --help gives no usage"
done
"$prefix/bin/unitforge-build" "$source_dir/examples/tank.spc" | grep -q '^end\.' \
    || fail "the installed unitforge-build builds no unit"

# Started from its desktop entry with a file, as a file manager does.
exec_line="$(sed -n 's/^Exec=//p' "$desktop")"
[ "$exec_line" = "unitforge %f" ] || fail "Exec line is '$exec_line'"
spec="$work/my tank.spc"
cp "$source_dir/examples/tank.spc" "$spec"
mkdir -p "$work/config" "$work/runtime"
chmod 700 "$work/runtime"
read -r -a command <<<"${exec_line% %f}"
PATH="$prefix/bin:$PATH" XDG_CONFIG_HOME="$work/config" XDG_RUNTIME_DIR="$work/runtime" \
    QT_QPA_PLATFORM=offscreen WINEPREFIX="$work/no-wine" \
    "${command[@]}" "$spec" >"$work/window.log" 2>&1 &
pid=$!
settings="$work/config/Unitforge/uforge.ini"
for _ in $(seq 100); do
    [ -s "$settings" ] && break
    kill -0 "$pid" 2>/dev/null || break
    sleep 0.1
done
if kill -0 "$pid" 2>/dev/null; then
    [ -s "$settings" ] || fail "no settings in \$XDG_CONFIG_HOME/Unitforge"
    [ ! -e "$prefix/bin/uforge.ini" ] || fail "settings written beside the installed program"
    # A second start hands its file to the running window over the
    # hand-over socket, and ends.
    for _ in $(seq 100); do
        [ -S "$work/runtime/unitforge.socket" ] && break
        sleep 0.1
    done
    PATH="$prefix/bin:$PATH" XDG_CONFIG_HOME="$work/config" XDG_RUNTIME_DIR="$work/runtime" \
        QT_QPA_PLATFORM=offscreen WINEPREFIX="$work/no-wine" \
        timeout 20 "${command[@]}" "$spec" >>"$work/window.log" 2>&1 \
        || fail "a second start did not hand its file over: $(cat "$work/window.log")"
    kill "$pid"
    wait "$pid" 2>/dev/null || true
else
    fail "the window did not stay up: $(cat "$work/window.log")"
fi
pid=

if [ "$failures" -eq 0 ]; then
    echo "install check: all passed"
    exit 0
fi
echo "install check: $failures failed" >&2
exit 1
