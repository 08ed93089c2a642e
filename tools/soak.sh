#!/usr/bin/env bash
# Long runs that find what short tests cannot.
#
#   tools/soak.sh [STEPS [SEED...]]
#       The randomized notification check (tests/module/NotificationFuzzTest) for many steps
#       with several seeds, under AddressSanitizer and UndefinedBehaviorSanitizer, two seeds
#       at a time; default 100000 steps with seeds 1 to 4. Prints one line per seed (steps,
#       seconds, result); the log of each seed is build/sanitize/soak-SEED.log.
#
#   tools/soak.sh memory [CYCLES [RUNS]]
#       The console (default build) through CYCLES cycles (default 3000) of ten Inspectors
#       with a search and its results window, the Geometry dialog moving a pad, a drag that
#       opens Insert/Replace, undo, and closing them all, RUNS times (default 2). The
#       resident set is read after cycles 1, 10, 100 and every 100th; each run prints it and
#       its growth from cycle 100 to the last, and the log is build/default/soak-memory-RUN.log.
#
# Exits non-zero when a seed fails, a cycle prints an error, or the resident set grows by more
# than 10% from cycle 100 to the last.
set -euo pipefail
cd "$(dirname "$0")/.."

# One cycle's commands; frame numbers go on counting from `first`.
memory_cycle() {
    local first="$1" i
    for i in 1 2 3 4 5 6 7 8 9 10; do
        echo "open Stage"
    done
    local a=$((first + 1)) b=$((first + 2))
    cat <<CYCLE
menu $a Edit/Search...
dlg check 1040
dlg set 1041 Field
dlg click 1125
click $a 9
menu $a Edit/Geometry...
dlg set 1010 300
dlg key Enter
undo
drag $b 10 2
dlg key Escape
closeall
CYCLE
}

memory_run() {
    local run="$1" cycles="$2" log="build/default/soak-memory-$1.log"
    local home
    home=$(mktemp -d)
    : >"$log"
    coproc DESK { MVDESK_REGISTRY="$home/registry.json" exec build/default/bin/mvdesk 2>&1; }
    local pid="$DESK_PID" frame=0 cycle line errors=0 rss
    local start end
    start=$(date +%s)
    for ((cycle = 1; cycle <= cycles; cycle++)); do
        { memory_cycle "$frame"; echo "echo cycle $cycle"; } >&"${DESK[1]}"
        frame=$((frame + 11)) # ten Inspectors and the search's results window
        while IFS= read -r line <&"${DESK[0]}"; do
            [[ "$line" == "cycle $cycle" ]] && break
            if [[ "$line" == error:* || "$line" == msgbox* ]]; then
                echo "cycle $cycle: $line" >>"$log"
                errors=$((errors + 1))
            fi
        done
        if ((cycle == 1 || cycle == 10 || cycle % 100 == 0 || cycle == cycles)); then
            rss=$(awk '/^VmRSS:/ { print $2 }' "/proc/$pid/status")
            echo "$cycle $rss" >>"$log"
        fi
    done
    echo quit >&"${DESK[1]}"
    wait "$pid" || true
    end=$(date +%s)
    rm -rf "$home"
    awk -v run="$run" -v cycles="$cycles" -v seconds="$((end - start))" -v errors="$errors" '
        $1 == 1 { first = $2 } $1 == 100 { warm = $2 } $1 == cycles { last = $2 }
        END {
            if (!warm) warm = first
            growth = 100 * (last - warm) / warm
            printf "run %d: %d cycles, %d s, %d errors; RSS %.1f MiB after cycle 1, %.1f after 100, %.1f after %d (%+.1f%%)\n",
                run, cycles, seconds, errors, first / 1024, warm / 1024, last / 1024, cycles, growth
            exit (errors > 0 || growth > 10)
        }' "$log"
}

if [ "${1:-}" = memory ]; then
    cycles="${2:-3000}"
    runs="${3:-2}"
    tools/setup.sh default mvdesk mvkinsp
    failed=0
    for ((run = 1; run <= runs; run++)); do
        memory_run "$run" "$cycles" || failed=1
    done
    exit "$failed"
fi

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
