#!/usr/bin/env bash
# The full broken-asset run: every file of the asset manifest in turn,
# missing, then cut short, then replaced by bytes that are not its format,
# each time the sanitized game touring every screen (tests/scripts/tour.script).
# Each run must exit with status 0, name the file once on standard error
# and give no sanitizer report. ./check tries two files a run; this tries
# them all (hours on two cores).
#   tests/broken_assets.sh [GTEST_OPTIONS...]
# Run ./check (or setup/setup.sh) first: it builds build/ and build-asan/.
# A failure names the file and the breakage; the folder of a failed run is
# kept under $TMPDIR/tidewrack-e2e/ for a look.
set -euo pipefail
top=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
cd "$top/build"
export ALSOFT_DRIVERS=null TIDEWRACK_BROKEN_ALL=1
exec xvfb-run -a -s "-screen 0 1920x1080x24" tests/tidewrack_e2e \
    --gtest_filter='BrokenAssets.EachBrokenFileIsNamedOnceAndTheGamePlaysOn' "$@"
