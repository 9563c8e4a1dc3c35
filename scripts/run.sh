#!/usr/bin/env bash
# Builds the programs and starts Dovrane on the sample company data: in a window or the
# terminal when there is one (or GKLINK_UI says which), else as a scripted run on a fresh
# drive C: whose transcript goes to standard error.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh default >/dev/null
bin=$PWD/build/default/bin

if [[ -n "${GKLINK_UI:-}" || -n "${DISPLAY:-}" || -n "${WAYLAND_DISPLAY:-}" || -t 0 ]]; then
    exec "$bin/Dovrane" "$@"
fi

machine=$(mktemp -d "${TMPDIR:-/tmp}/gklink-demo.XXXXXX")
accessories="$machine/C/Program Files/Windows NT/Accessories"
mkdir -p "$accessories"
ln -s "$bin/gk_viewer" "$accessories/Wordpad.exe" # shows the error log as WordPad would
cat >"$machine/drives.ini" <<MAP
[drives]
C = fixed $machine/C
Z = fixed /
[system]
windows = C:\\WINDOWS
temp = C:\\TEMP\\
version = nt
MAP
status=0
GKLINK_DRIVES=$machine/drives.ini GKLINK_UI=script:$PWD/app/demo.script \
    "$bin/Dovrane" "$@" || status=$?
echo "Drive C: of this run is $machine/C; the files written:" >&2
(cd "$machine/C" && find . -type f | sort) >&2
exit "$status"
