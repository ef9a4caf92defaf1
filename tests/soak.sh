#!/usr/bin/env bash
# The long soak: random play with the sanitized game over many seeds.
#   tests/soak.sh [FIRST_SEED] [SEEDS] [FRAMES_A_SEED]
# Defaults: seeds 1..50 of 20,000 frames each, 1,000,000 frames in all.
# Run ./check (or setup/setup.sh) first: it builds build/ and build-asan/.
# Each seed's report lands in soak-runs/; a failing seed prints the
# commands that replay it and the run stops there with status 1.
set -uo pipefail
top=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
first=${1:-1}
count=${2:-50}
frames=${3:-20000}
runs="$top/soak-runs"
mkdir -p "$runs"
driver=$(find /usr/lib/*/dri /usr/lib/dri -name swrast_dri.so 2>/dev/null | head -1)
runtime=$(g++ -print-file-name=libasan.so)
for ((seed = first; seed < first + count; seed++)); do
    script="$runs/monkey_$seed.script"
    "$top/build/tests/tidewrack_monkey" "$seed" "$frames" > "$script"
    # The sanitizers' settings go to the game only: preloaded into the X
    # server too, they would stop it before the game starts.
    (cd "$runs" && xvfb-run -a -s "-screen 0 1920x1080x24 -noreset" env ALSOFT_DRIVERS=null \
        TIDEWRACK_STRICT_MANIFEST=1 ASAN_OPTIONS=detect_leaks=1:halt_on_error=1 \
        UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 LSAN_OPTIONS=suppressions="$top/tests/lsan.supp" \
        LD_PRELOAD="$runtime $driver" "$top/build-asan/tidewrack" --seed "$seed" --fixed-dt 0.0166667 \
        --script "$script" --frames "$frames" --draw-every 500 --report "report_$seed.json" > /dev/null 2> "stderr_$seed.txt")  # standard output: the places printed each frame
    status=$?
    if ((status != 0)) || grep -qE "AddressSanitizer|LeakSanitizer|runtime error:" "$runs/stderr_$seed.txt"; then
        echo "seed $seed failed (status $status); see $runs/stderr_$seed.txt. To replay it:"
        echo "  build/tests/tidewrack_monkey $seed $frames > monkey.script"
        echo "  build-asan/tidewrack --seed $seed --fixed-dt 0.0166667 --script monkey.script --frames $frames"
        exit 1
    fi
    echo "seed $seed: clean ($frames frames)"
done
echo "all $count seeds clean: $((count * frames)) frames"
