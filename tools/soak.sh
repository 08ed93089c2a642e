#!/usr/bin/env bash
# The randomized notification check (tests/module/NotificationFuzzTest) for many steps with
# several seeds, under AddressSanitizer and UndefinedBehaviorSanitizer, two seeds at a time.
#
#   tools/soak.sh [STEPS [SEED...]]    default 100000 steps with seeds 1 to 4
#
# Prints one line per seed (steps, seconds, result) and exits non-zero when any seed fails;
# the log of each seed is build/sanitize/soak-SEED.log.
set -euo pipefail
cd "$(dirname "$0")/.."

steps="${1:-100000}"
seeds=("${@:2}")
((${#seeds[@]})) || seeds=(1 2 3 4)
tools/setup.sh sanitize test_module

run() {
    local seed="$1" log="build/sanitize/soak-$1.log" start end result
    start=$(date +%s)
    if MV_FUZZ_SEED="$seed" MV_FUZZ_STEPS="$steps" build/sanitize/bin/test_module \
        --gtest_filter='NotificationFuzzTest.*' >"$log" 2>&1; then
        result=passed
    else
        result=FAILED
    fi
    end=$(date +%s)
    echo "seed $seed: $steps steps, $((end - start)) s, $result"
    [ "$result" = passed ]
}

failed=0
pids=()
for seed in "${seeds[@]}"; do
    run "$seed" &
    pids+=($!)
    # Two at a time: the machine has two cores.
    if ((${#pids[@]} == 2)); then
        wait "${pids[0]}" || failed=1
        pids=("${pids[@]:1}")
    fi
done
for pid in "${pids[@]}"; do
    wait "$pid" || failed=1
done
exit "$failed"
