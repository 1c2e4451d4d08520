#!/usr/bin/env bash
# Runs every fuzz target for a fixed time each, from its checked-in seeds, and prints how many
# inputs each ran. Usage: fuzz/run.sh BUILD_DIR [SECONDS_PER_TARGET] (default 25).
# New inputs the fuzzer finds go to a scratch folder, not to the seeds; a crash leaves its
# input in the current folder (crash-*) and fails the run.
set -euo pipefail
build="${1:?usage: fuzz/run.sh BUILD_DIR [SECONDS]}"
seconds="${2:-25}"
seeds="$(cd "$(dirname "$0")" && pwd)/seeds"
scratch="$(mktemp -d)"
trap 'rm -rf "$scratch"' EXIT
export ASAN_OPTIONS="${ASAN_OPTIONS:-detect_leaks=0}"
export UBSAN_OPTIONS="${UBSAN_OPTIONS:-print_stacktrace=1}"
status=0
summary=()
for target in json answers readers zip imports keys signedwire scenario environments presets \
    heads standin; do
    mkdir -p "$scratch/$target"
    log="$scratch/$target.log"
    if "$build/fuzz/fuzz_$target" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 \
        -print_final_stats=1 "$scratch/$target" "$seeds/$target" >"$log" 2>&1; then
        result="ok"
    else
        result="FALHOU"
        status=1
        tail -n 40 "$log"
    fi
    runs=$(grep -o 'stat::number_of_executed_units: *[0-9]*' "$log" | grep -o '[0-9]*$' || echo "?")
    summary+=("fuzz_$target: $runs execuções em ${seconds} s ($result)")
done
printf '%s\n' "${summary[@]}"
exit $status
