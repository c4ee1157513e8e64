# SPDX-License-Identifier: MIT
# Shared by the install and package checks; sourced, not run.

app_id=io.github.tavelo.Tavelo
icon_sizes="16 24 32 48 64 128 256"

# Every file an installation holds, relative to its prefix, one a line, sorted.
expected_files() {
    {
        echo bin/tavelo
        echo lib/tavelo/modules/tavelo_print.so
        echo lib/tavelo/modules/tavelo_taglib.so
        echo "share/applications/$app_id.desktop"
        echo "share/metainfo/$app_id.metainfo.xml"
        for n in $icon_sizes; do
            echo "share/icons/hicolor/${n}x${n}/apps/$app_id.png"
        done
        echo "share/icons/hicolor/scalable/apps/$app_id.svg"
        echo share/man/man1/tavelo.1.gz
        echo share/doc/tavelo/copyright
        echo share/doc/tavelo/changelog.gz
    } | LC_ALL=C sort
}

# Compares the sorted file list on standard input with expected_files; on a
# difference prints what is missing and what should not be there.
same_files() {
    local label="$1" actual
    actual="$(cat)"
    [ "$actual" = "$(expected_files)" ] && return 0
    echo "FAIL: $label holds other files than expected:"
    diff <(expected_files) <(printf '%s\n' "$actual") | sed -n 's/^< /  missing: /p; s/^> /  extra:   /p'
    return 1
}

fail=0
problem() {
    echo "FAIL: $*"
    fail=1
}
