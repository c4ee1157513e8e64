#!/usr/bin/env bash
# Installs the Debian packages that building and running tavelo needs, when
# they are missing. Sourced by run.sh and test.sh.
tavelo_packages=(cmake g++ make qt6-base-dev fonts-ipafont-gothic desktop-file-utils appstream dpkg-dev xvfb openbox xdotool x11-utils)

tavelo_ensure_packages() {
    local missing=()
    local pkg
    for pkg in "${tavelo_packages[@]}"; do
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
