#!/usr/bin/env bash
# Installs what is missing, builds, and shows the menu of the demo disc in
# examples/demo-disc.
#
# Until the Linux window exists this prints the menu as the program reads it;
# set LC_ALL (for example LC_ALL=de_DE.UTF-8) to see another language folder.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install-deps.sh headless
scripts/build.sh headless
build/headless/src/autoplay-dump examples/demo-disc
