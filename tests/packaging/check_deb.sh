#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Builds the Debian package from a build folder with CPack, in a temporary
# folder, and checks its name, version, file list and Depends line (the
# libraries found by dpkg-shlibdeps and the Japanese font), that its
# changelog is this version's, and that lintian finds no error or warning.
# Usage: check_deb.sh BUILD_DIR VERSION
set -uo pipefail
build="$1" version="$2"
here="$(cd "$(dirname "$0")" && pwd)"
source "$here/common.sh"

out="$(mktemp -d)"
trap 'rm -rf "$out"' EXIT

if ! log="$(cpack -G DEB -B "$out" --config "$build/CPackConfig.cmake" 2>&1)"; then
    echo "cpack failed:"
    echo "$log"
    exit 1
fi
debs=("$out"/*.deb)
if [ ${#debs[@]} -ne 1 ] || [ ! -f "${debs[0]}" ]; then
    echo "cpack did not leave exactly one .deb in $out:"
    ls -la "$out"
    exit 1
fi
deb="${debs[0]}"

[ "$(basename "$deb")" = "tavelo_${version}_$(dpkg --print-architecture).deb" ] ||
    problem "unexpected package file name $(basename "$deb")"
[ "$(dpkg-deb -f "$deb" Package)" = tavelo ] || problem "package name is not tavelo"
[ "$(dpkg-deb -f "$deb" Version)" = "$version" ] || problem "package version is not $version"

# Everything goes under /usr; directories are left out of the comparison.
dpkg-deb -c "$deb" | awk '{print $6}' | grep -v '/$' | sed 's|^\./usr/||' | LC_ALL=C sort |
    same_files "$(basename "$deb")" || fail=1
outside="$(dpkg-deb -c "$deb" | awk '{print $6}' | grep -v '^\./usr/' | grep -v '^\./$')"
[ -z "$outside" ] || problem "files outside /usr: $outside"

# The newest changelog entry is this version's.
if changelog="$(dpkg-deb --fsys-tarfile "$deb" | tar -xO ./usr/share/doc/tavelo/changelog.gz 2>/dev/null | gzip -dc)"; then
    newest="$(printf '%s\n' "$changelog" | dpkg-parsechangelog -l - -S Version 2>&1)"
    [ "$newest" = "$version" ] || problem "the newest changelog entry is '$newest', expected $version"
else
    problem "no readable usr/share/doc/tavelo/changelog.gz"
fi

# Debian's own checks of a package. Errors and warnings fail; its notes (I:)
# do not, and the README says what they are.
if ! command -v lintian >/dev/null; then
    problem "lintian is not installed (Debian package lintian)"
elif ! lint="$(lintian --fail-on error,warning --tag-display-limit 0 "$deb" 2>&1)"; then
    problem "lintian on $(basename "$deb"):"
    echo "$lint"
fi

depends="$(dpkg-deb -f "$deb" Depends)"
# libtag1v5 and libqt6printsupport6 come from the modules, which the library
# scan reads like the program.
for need in 'libc6' 'libqt6widgets6' 'libtag1v5' 'libqt6printsupport6' 'fonts-ipafont-gothic | fonts-noto-cjk'; do
    case ", $depends," in
        *", $need"[\ ,]*) ;;
        *) problem "Depends lacks '$need': $depends" ;;
    esac
done

exit $fail
