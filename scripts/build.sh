#!/usr/bin/env bash
# Configures and builds one of the presets of CMakePresets.json.
#
#   scripts/build.sh [headless|headless-asan|x11|win32]   (default: headless)
set -euo pipefail
cd "$(dirname "$0")/.."

preset="${1:-headless}"
cmake --preset "$preset" >/dev/null
cmake --build --preset "$preset"
