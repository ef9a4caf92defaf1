#!/usr/bin/env bash
# Runs the fights' unit tests as built with the sanitizers: any error report
# fails the run, leaks included. The software OpenGL driver is loaded first
# and stays loaded, so the blocks it keeps are named in the leak report (and
# suppressed there) instead of reading as leaks with no name.
set -euo pipefail
binary=$1 suppressions=$2 runtime=$3 driver=$4
if [[ ! -x "$binary" ]]; then
    echo "no sanitized unit tests at $binary: ./check builds them (setup/setup.sh)" >&2
    exit 1
fi
export ASAN_OPTIONS=detect_leaks=1:abort_on_error=0:halt_on_error=1
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
export LSAN_OPTIONS="suppressions=$suppressions"
LD_PRELOAD="$runtime $driver" exec "$binary" --gtest_brief=1
