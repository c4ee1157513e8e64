#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Installs a build into a temporary prefix and checks what lands there: the
# exact set of files; that each icon has the size its folder names; that the
# desktop entry names the installed program and icon, and the metainfo the
# installed desktop entry; and that the program, the manual page and the
# metainfo all carry the project's version; and that no installed program
# or module holds the path of the build folder, since the program finds its
# modules relative to its own folder and nowhere else.
# Usage: check_install.sh BUILD_DIR VERSION
set -uo pipefail
build="$1" version="$2"
here="$(cd "$(dirname "$0")" && pwd)"
source "$here/common.sh"

prefix="$(mktemp -d)"
trap 'rm -rf "$prefix"' EXIT

if ! log="$(cmake --install "$build" --prefix "$prefix" 2>&1)"; then
    echo "cmake --install failed:"
    echo "$log"
    exit 1
fi

(cd "$prefix" && find . -type f -o -type l | sed 's|^\./||' | LC_ALL=C sort) | same_files "the installation" || fail=1

[ -x "$prefix/bin/tavelo" ] || problem "bin/tavelo is not executable"

# Width and height sit at bytes 16-23 of a PNG file, big-endian.
for n in $icon_sizes; do
    png="$prefix/share/icons/hicolor/${n}x${n}/apps/$app_id.png"
    [ -f "$png" ] || continue
    size="$(od -An -tu1 -j16 -N8 "$png" | awk '{print $3*256+$4 "x" $7*256+$8}')"
    [ "$size" = "${n}x${n}" ] || problem "the icon in ${n}x${n}/ is $size pixels"
done

desktop="$prefix/share/applications/$app_id.desktop"
if [ -f "$desktop" ]; then
    exec_name="$(sed -n 's/^Exec=\([^ ]*\).*/\1/p' "$desktop")"
    [ -x "$prefix/bin/$exec_name" ] || problem "the desktop entry starts '$exec_name', which is not installed in bin/"
    icon_name="$(sed -n 's/^Icon=//p' "$desktop")"
    [ -f "$prefix/share/icons/hicolor/scalable/apps/$icon_name.svg" ] ||
        problem "the desktop entry's icon '$icon_name' is not installed"
fi

if [ -x "$prefix/bin/tavelo" ]; then
    out="$("$prefix/bin/tavelo" --version 2>&1)"
    [ "$out" = "tavelo $version" ] || problem "tavelo --version printed '$out', expected 'tavelo $version'"
fi

# Stripped as the package strips them: debug information names the folder
# each file was compiled in, which is not a place the program looks.
stripped="$(mktemp)"
trap 'rm -rf "$prefix" "$stripped"' EXIT
for file in "$prefix/bin/tavelo" "$prefix"/lib/tavelo/modules/*.so; do
    [ -f "$file" ] || continue
    strip -o "$stripped" "$file"
    # Qt's string literals are UTF-16: read as 8-bit and as 16-bit text.
    if { strings -a "$stripped"; strings -a -el "$stripped"; } | grep -qF "$build"; then
        problem "${file#"$prefix"/} holds the build folder's path $build"
    fi
done

man="$prefix/share/man/man1/tavelo.1.gz"
if [ -f "$man" ]; then
    if ! th="$(gzip -dc "$man" | grep -m1 '^\.TH')"; then
        problem "the manual page is not a gzip-compressed page with a .TH line"
    else
        [[ "$th" == *"\"tavelo $version\""* ]] || problem "the manual page's header does not say tavelo $version: $th"
    fi
fi

metainfo="$prefix/share/metainfo/$app_id.metainfo.xml"
if [ -f "$metainfo" ]; then
    newest="$(grep -m1 -o '<release version="[^"]*"' "$metainfo" | cut -d'"' -f2)"
    [ "$newest" = "$version" ] || problem "the newest release in the metainfo is '$newest', expected $version"
fi

# Across files: the metainfo's launchable desktop entry must be installed too.
if ! tree="$(appstreamcli validate-tree --no-net --strict "$prefix" 2>&1)"; then
    problem "appstreamcli validate-tree on the installation:"
    echo "$tree"
fi

exit $fail
