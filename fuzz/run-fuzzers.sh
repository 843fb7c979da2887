#!/usr/bin/env bash
# Runs every fuzz harness of a fuzz build for a stated time and prints, per
# harness, its executions and findings.
#
#   fuzz/run-fuzzers.sh BUILD_DIR SECONDS [NAME...]
#
# Each harness's corpus lives in BUILD_DIR/fuzz/corpus/NAME (started from its
# seeds in the tree and kept between runs); what it finds (crash-, leak-,
# timeout-, oom- files) goes to BUILD_DIR/fuzz/findings/NAME. An input that
# takes more than 5 s is a hang. Exit 1 when any harness found something.
set -uo pipefail
build=${1:?usage: run-fuzzers.sh BUILD_DIR SECONDS [NAME...]}
seconds=${2:?usage: run-fuzzers.sh BUILD_DIR SECONDS [NAME...]}
shift 2
manifest="$build/fuzz/fuzzers.txt"
[ -f "$manifest" ] || { echo "no fuzz build in $build (configure with -DHXWT_BUILD_FUZZ=ON)" >&2; exit 2; }

export ASAN_OPTIONS=${ASAN_OPTIONS:-detect_leaks=1:abort_on_error=1:symbolize=1}
export UBSAN_OPTIONS=${UBSAN_OPTIONS:-print_stacktrace=1:halt_on_error=1}
status=0
while read -r name binary dict seeds; do
    [ -n "$name" ] || continue
    if [ $# -gt 0 ] && [[ ! " $* " =~ " $name " ]]; then continue; fi
    corpus="$build/fuzz/corpus/$name"
    findings="$build/fuzz/findings/$name"
    mkdir -p "$corpus" "$findings"
    IFS=, read -ra seedPaths <<<"$seeds"
    for seed in "${seedPaths[@]}"; do
        if [ -d "$seed" ]; then cp -n "$seed"/* "$corpus"/ 2>/dev/null; else cp -n "$seed" "$corpus"/; fi
    done
    args=(-max_total_time="$seconds" -timeout=5 -rss_limit_mb=2048 -max_len=65536
          -artifact_prefix="$findings/" -print_final_stats=1)
    [ "$dict" != "-" ] && args+=(-dict="$dict")
    before=$(find "$findings" -type f | wc -l)
    log="$build/fuzz/$name.log"
    start=$SECONDS
    "$binary" "${args[@]}" "$corpus" >"$log" 2>&1
    rc=$?
    took=$((SECONDS - start))
    runs=$(grep -o 'stat::number_of_executed_units: *[0-9]*' "$log" | grep -o '[0-9]*$' | tail -1)
    after=$(find "$findings" -type f | wc -l)
    found=$((after - before))
    line="$name: ${runs:-0} executions in ${took} s, $found findings, corpus $(ls "$corpus" | wc -l) inputs"
    if [ $rc -ne 0 ] || [ $found -gt 0 ]; then
        status=1
        line="$line (exit $rc, see $log and $findings)"
    fi
    echo "$line"
done <"$manifest"
exit $status
