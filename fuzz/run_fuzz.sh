#!/usr/bin/env bash
# Runs every fuzz target (or those named) for a number of seconds each, in runs of at most
# SLICE seconds, and prints one line per target. Inputs that crash go to <build>/crashes/<target>/
# and the target goes on with its next run; copy them to fuzz/regressions/<target>/ so that the
# suite replays them.
# Usage: fuzz/run_fuzz.sh <build-dir> <seconds-per-target> [slice-seconds] [target...]
set -u
build=$1
seconds=$2
slice=${3:-$seconds}
shift $(($# < 3 ? $# : 3))
targets=("$@")
if [ ${#targets[@]} -eq 0 ]; then
    targets=(load_mission settings_file history_file backdrop_list wav_list)
fi

# Seeds of this run's own, so that runs side by side do not rewrite each other's.
seeds=$build/seeds-$$
trap 'rm -rf "$seeds"' EXIT
"$build/fuzz/fuzz_write_seeds" "$seeds" || exit 1
# A small quarantine keeps every target far under its memory limit.
export ASAN_OPTIONS=${ASAN_OPTIONS:-quarantine_size_mb=16}
status=0
for name in "${targets[@]}"; do
    corpus=$build/corpus/$name
    crashes=$build/crashes/$name
    logs=$build/logs/$name
    mkdir -p "$corpus" "$crashes" "$logs"
    rates=()
    inputs=0
    peak=0
    found=0
    runs=0
    start=$(date +%s)
    while :; do
        left=$((start + seconds - $(date +%s)))
        [ "$left" -gt 0 ] || break
        run=$((left < slice ? left : slice))
        log=$logs/run-$runs.log
        # 512 MB is the memory the targets must stay under; a slower input than 10 s is a hang.
        "$build/fuzz/fuzz_$name" -max_total_time="$run" -rss_limit_mb=512 -timeout=10 \
            -print_final_stats=1 -artifact_prefix="$crashes/" "$corpus" "$seeds/$name" \
            >"$log" 2>&1
        code=$?
        runs=$((runs + 1))
        if grep -q '^stat::number_of_executed_units' "$log"; then
            n=$(awk '/^stat::number_of_executed_units/ {print $2}' "$log")
            rate=$(awk '/^stat::average_exec_per_sec/ {print $2}' "$log")
            rss=$(awk '/^stat::peak_rss_mb/ {print $2}' "$log")
        else
            # A crash ends the run before its statistics: take its last progress line.
            last=$(grep -E '^#[0-9]+' "$log" | tail -n 1)
            n=$(sed -E 's/^#([0-9]+).*/\1/' <<<"$last")
            rate=$(sed -nE 's/.*exec\/s: ([0-9]+).*/\1/p' <<<"$last")
            rss=$(sed -nE 's/.*rss: ([0-9]+)Mb.*/\1/p' <<<"$last")
        fi
        inputs=$((inputs + ${n:-0}))
        [ -n "${rate:-}" ] && rates+=("$rate")
        [ "${rss:-0}" -gt "$peak" ] && peak=$rss
        if [ "$code" -ne 0 ]; then
            found=$((found + 1))
            status=1
            echo "fuzz_$name: crash in run $runs, see $log" >&2
        fi
    done
    elapsed=$(($(date +%s) - start))
    median=$(printf '%s\n' "${rates[@]:-0}" | sort -n | awk '{v[NR]=$1} END {print v[int((NR+1)/2)]}')
    size=$(find "$corpus" "$seeds/$name" -type f | wc -l)
    printf 'fuzz_%s: %d inputs in %d s, %s inputs/s (median of %d runs), corpus %d, peak %d MB, crashes %d\n' \
        "$name" "$inputs" "$elapsed" "$median" "$runs" "$size" "$peak" "$found"
done
exit $status
