#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Installs the Debian packages that building, running and testing tavelo
# need, when they are missing. Sourced by run.sh and test.sh.

# Building and running the program; Qt's Linguist tools (lupdate, lrelease and
# their CMake functions) build the English translation into it.
tavelo_packages=(cmake g++ make pkg-config qt6-base-dev qt6-tools-dev qt6-l10n-tools qt6-tools-dev-tools
                 libxcb1-dev libtag1-dev fonts-ipafont-gothic)
# The tests besides: a real X server (xvfb-run needs xauth) and window manager, the desktop-file and
# AppStream validators, Debian packaging tools and lintian, the layer and
# format checks and the static analysers; pdftotext, which reads the index
# card's PDF back.
tavelo_test_packages=(python3 clang-format clang-tidy cppcheck xvfb xauth openbox xdotool x11-utils
                      desktop-file-utils appstream dpkg-dev lintian
                      poppler-utils)

# tavelo_ensure_packages PACKAGE...
tavelo_ensure_packages() {
    local missing=()
    local pkg
    for pkg in "$@"; do
        dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null | grep -q 'install ok installed' || missing+=("$pkg")
    done
    [ ${#missing[@]} -eq 0 ] && return 0
    if [ "$(id -u)" -eq 0 ]; then
        echo "Installing missing packages: ${missing[*]}"
        export DEBIAN_FRONTEND=noninteractive
        apt-get update -qq && apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null ||
            { echo "apt-get could not install: ${missing[*]}" >&2; return 1; }
    else
        echo "Missing Debian packages: ${missing[*]}" >&2
        echo "Install them first:  sudo apt-get install ${missing[*]}" >&2
        return 1
    fi
}
