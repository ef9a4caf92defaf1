#!/usr/bin/env bash
# Runs one test process. Now and then the virtual X server refuses a
# connection and SFML aborts before the test has begun: only that case is
# run again (up to three times in all), and each retry is said on standard
# error. Any other failure stands as it is.
set -uo pipefail
err=$(mktemp)
trap 'rm -f "$err"' EXIT
for attempt in 1 2 3; do
    "$@" 2> >(tee "$err" >&2)
    status=$?
    wait
    if ((status == 0)) || ! grep -q "Failed to open X11 display" "$err"; then
        exit "$status"
    fi
    echo "display_retry: the X display could not be opened (attempt $attempt of 3): $*" >&2
done
exit "$status"
