#!/usr/bin/env bash
# Installs what is missing, builds the headless test build, once plainly and
# once with AddressSanitizer and UndefinedBehaviorSanitizer, and runs every
# test in both.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install-deps.sh headless

for preset in headless headless-asan; do
    echo "== $preset"
    scripts/build.sh "$preset"
    ctest --preset "$preset"
done
