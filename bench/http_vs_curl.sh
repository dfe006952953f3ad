#!/usr/bin/env bash
# Requests per second of HttpRequest and HttpGet beside the curl command line, both against one
# substitute-services server on loopback, every request on a new connection.
#
#   bench/http_vs_curl.sh [BUILD_DIR] [REQUESTS]
#
# BUILD_DIR must hold the dalmiro-sim and http_bench targets (built with -DDALMIRO_BENCH=ON).
set -euo pipefail

build=${1:-build}
requests=${2:-2000}
sim="$build/sim/dalmiro-sim"
bench="$build/bench/http_bench"
for tool in "$sim" "$bench"; do
    [ -x "$tool" ] || { echo "missing $tool; build dalmiro-sim and http_bench first" >&2; exit 1; }
done
command -v curl >/dev/null || { echo "curl is not installed" >&2; exit 1; }

out=$(mktemp)
"$sim" --no-notice >"$out" &
sim_pid=$!
trap 'kill "$sim_pid" 2>/dev/null; wait "$sim_pid" 2>/dev/null; rm -f "$out"' EXIT
for _ in $(seq 100); do
    base=$(head -n1 "$out")
    [ -n "$base" ] && break
    sleep 0.05
done
[ -n "${base:-}" ] || { echo "the substitute services did not start" >&2; exit 1; }
path=/maker/status.gif

# One curl process, many URLs (a numbered glob), each on a new connection. The machine may be
# shared, so each side runs several times and the median counts.
curl_rates=()
for _ in 1 2 3 4 5; do
    start=$(date +%s.%N)
    curl -s -o /dev/null -H 'Connection: close' "$base$path?n=[1-$requests]"
    end=$(date +%s.%N)
    curl_rates+=("$(echo "$requests / ($end - $start)" | bc -l)")
done
curl_rate=$(printf '%s\n' "${curl_rates[@]}" | sort -g | sed -n 3p)

rates=$(DALMIRO_BENCH_BASE="$base" "$bench" \
    --benchmark_filter='BM_HttpRequestGet|BM_HttpGet|BM_PlainLibcurl|BM_WorkerRoundTrip' \
    --benchmark_repetitions=5 --benchmark_report_aggregates_only=true \
    --benchmark_format=csv 2>/dev/null |
    awk -F, '/_median"/ { gsub(/"/, "", $1); sub(/\/.*/, "", $1); print $1, $NF }')

printf '%-28s %10.0f requests/s\n' "curl (command line)" "$curl_rate"
while read -r name rate; do
    [ -n "$name" ] || continue
    if [ "$name" = BM_WorkerRoundTrip ]; then
        printf '%-28s %10.0f per second (%.0f us each): hand an empty job to a worker and wait for it\n' \
            "$name" "$rate" "$(echo "1000000 / $rate" | bc -l)"
        continue
    fi
    ratio=$(echo "$curl_rate / $rate" | bc -l)
    printf '%-28s %10.0f requests/s   curl is %.2fx faster per request\n' "$name" "$rate" "$ratio"
done <<<"$rates"
