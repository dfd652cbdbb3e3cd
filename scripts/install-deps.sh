#!/usr/bin/env bash
# Installs, with apt-get, whatever the builds and tests need that this Debian
# machine lacks. Installs nothing when everything is there.
#
#   scripts/install-deps.sh [headless|x11|win32|e2e]...   (default: headless)
set -euo pipefail

packages_for() {
    case "$1" in
        headless) echo "g++ cmake ninja-build pkg-config libgtest-dev libfreetype-dev libfontconfig-dev zlib1g-dev libstb-dev fonts-dejavu-core python3" ;;
        x11) echo "g++ cmake ninja-build pkg-config libx11-dev libfreetype-dev libfontconfig-dev libstb-dev fonts-dejavu-core" ;;
        win32) echo "cmake ninja-build g++-mingw-w64-i686 libstb-dev" ;;
        e2e) echo "xvfb xdotool x11-utils imagemagick" ;;
        *) echo "install-deps: unknown set '$1'" >&2; exit 2 ;;
    esac
}

sets=("$@")
[ ${#sets[@]} -gt 0 ] || sets=(headless)

missing=()
for set in "${sets[@]}"; do
    for package in $(packages_for "$set"); do
        if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "ok installed"; then
            missing+=("$package")
        fi
    done
done

if [ ${#missing[@]} -eq 0 ]; then
    exit 0
fi

echo "Installing: ${missing[*]}"
sudo=""
[ "$(id -u)" -eq 0 ] || sudo="sudo"
export DEBIAN_FRONTEND=noninteractive
$sudo apt-get update -qq
$sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
