#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test: the headless suite
# plainly and under AddressSanitizer and UndefinedBehaviorSanitizer, then the
# end-to-end suite that drives the real Linux program under a private Xvfb.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install-deps.sh headless x11 e2e

for preset in headless headless-asan x11; do
    echo "== $preset"
    scripts/build.sh "$preset"
    ctest --preset "$preset"
done
