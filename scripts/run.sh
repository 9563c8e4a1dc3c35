#!/usr/bin/env bash
# Builds the programs and starts Dovrane on the sample company data.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh default >/dev/null
exec build/default/bin/Dovrane "$@"
