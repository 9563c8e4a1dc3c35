#!/usr/bin/env bash
# Sets up, builds and runs every test, first in the default build, then under
# AddressSanitizer and UndefinedBehaviorSanitizer.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh default asan
for preset in default asan; do
    ctest --preset "$preset"
done
