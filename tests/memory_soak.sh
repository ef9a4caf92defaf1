#!/usr/bin/env bash
# The long memory run: the memory test (tests/e2e/test_memory_e2e.cpp) for
# 30 minutes of play, every frame drawn. The real game is played from the
# menu, then round after round of tests/scripts/memory_cycle.script (a run of
# four levels to a death in the arena, the hub's panels, the menu, the
# pause); once the first two rounds are over (the warm-up), no later one may
# hold more than 4 MB of resident memory beyond them.
#   tests/memory_soak.sh [ROUNDS] [DRAW_EVERY]
# Defaults: 22 rounds of 5000 frames (111,300 frames, 31 minutes at 60 frames
# a second of game time), every frame drawn: on a software renderer the run
# takes longer than the play it stands for. Run ./check first: it builds
# build/. If memory grew the test prints every sample, and keeps the script
# and the run report in its folder under /tmp/tidewrack-e2e.
set -euo pipefail
top=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
cd "$top/build"
TIDEWRACK_MEMORY_ROUNDS=${1:-22} TIDEWRACK_MEMORY_DRAW_EVERY=${2:-1} ALSOFT_DRIVERS=null \
    exec xvfb-run -a -s "-screen 0 1920x1080x24" "$top/build/tests/tidewrack_e2e" \
    --gtest_filter='Memory.*'
