#!/usr/bin/env bash
# Builds the libFuzzer targets (preset fuzz: clang, AddressSanitizer, UndefinedBehaviorSanitizer)
# and runs each on its seed corpus in tests/fuzz/corpus.
#
#   tools/fuzz.sh                 each target for a fixed number of runs, seconds in all (./test)
#   tools/fuzz.sh --minutes M     each target for M minutes, one after the other, keeping what
#                                 it finds in build/fuzz/corpus/TARGET for the next time
#   tools/fuzz.sh ... TARGET...   only these targets (scene, registry, settings, console_line)
#
# A failure leaves the input that caused it in build/fuzz/artifacts and exits non-zero.
set -euo pipefail
cd "$(dirname "$0")/.."

minutes=""
targets=()
while (($#)); do
    case "$1" in
    --minutes) minutes="$2"; shift 2 ;;
    *) targets+=("$1"); shift ;;
    esac
done
((${#targets[@]})) || targets=(scene registry settings console_line)

binaries=()
for target in "${targets[@]}"; do binaries+=("fuzz_$target"); done
tools/setup.sh fuzz "${binaries[@]}"

artifacts=build/fuzz/artifacts
mkdir -p "$artifacts"
for target in "${targets[@]}"; do
    seeds="tests/fuzz/corpus/$target"
    options=(-artifact_prefix="$artifacts/$target-" -timeout=10 -rss_limit_mb=2048 -print_final_stats=1)
    [ -f "tests/fuzz/$target.dict" ] && options+=(-dict="tests/fuzz/$target.dict")
    if [ -n "$minutes" ]; then
        corpus="build/fuzz/corpus/$target"
        mkdir -p "$corpus"
        options+=(-max_total_time=$((minutes * 60)))
        log="build/fuzz/$target.log"
        echo "fuzz_$target: $minutes minutes, corpus $corpus, log $log" >&2
    else
        # A fresh corpus each time, so that the short run does the same work every time.
        corpus=$(mktemp -d)
        trap 'rm -rf "$corpus"' EXIT
        options+=(-runs=20000 -seed=1)
        log="build/fuzz/$target.log"
    fi
    if ! "build/fuzz/bin/fuzz_$target" "${options[@]}" "$corpus" "$seeds" >"$log" 2>&1; then
        tail -n 40 "$log" >&2
        echo "fuzz_$target failed; see $log and $artifacts" >&2
        exit 1
    fi
    if [ -z "$minutes" ]; then
        rm -rf "$corpus"
    else
        grep -E "stat::number_of_executed_units|stat::peak_rss_mb" "$log" | sed "s/^/fuzz_$target: /" >&2
    fi
done
