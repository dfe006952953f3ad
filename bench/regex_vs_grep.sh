#!/bin/sh
# Times the RegexMatcher pass (the market pattern over a 10 MiB market reply, every group of every
# match read out as GBK) against `grep -oiP` with the same pattern over the same file.
#
# usage: bench/regex_vs_grep.sh [BUILD_DIR]    (default: build)
# Needs the target regex_market_tool built in BUILD_DIR.
#
# grep runs in the C locale: the file is GBK, and grep's byte mode reads it without complaint.
# The reply is one line, as the back office sends it, so grep -o prints one line per match.
set -eu

build=${1:-build}
tool="$build/bench/regex_market_tool"
if [ ! -x "$tool" ]; then
    echo "missing $tool: cmake --build $build --target regex_market_tool" >&2
    exit 1
fi

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT INT TERM
reply="$work/market_reply.gbk"
"$tool" write "$reply"
pattern=$("$tool" pattern)

now() { date +%s.%N; }

# Best of five runs each.
grep_best=
for run in 1 2 3 4 5; do
    start=$(now)
    LC_ALL=C grep -aoiP "$pattern" "$reply" >"$work/grep.out" || true
    end=$(now)
    grep_best=$(awk -v s="$start" -v e="$end" -v b="$grep_best" \
        'BEGIN { t = e - s; if (b == "" || t < b) b = t; printf "%.4f", b }')
done
grep_matches=$(wc -l <"$work/grep.out")

set -- $("$tool" time "$reply" 5)
matcher_best=$1
matcher_matches=$2

printf 'file:          %s bytes\n' "$(wc -c <"$reply")"
printf 'grep -oiP:     %.4f s  (%s matches)\n' "$grep_best" "$grep_matches"
printf 'RegexMatcher:  %.4f s  (%s matches, all six groups read)\n' "$matcher_best" "$matcher_matches"
awk -v g="$grep_best" -v m="$matcher_best" 'BEGIN { printf "grep / RegexMatcher: %.2f\n", g / m }'
if [ "$grep_matches" != "$matcher_matches" ]; then
    echo "match counts differ" >&2
    exit 1
fi
