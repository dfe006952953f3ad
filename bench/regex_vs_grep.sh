#!/bin/sh
# Times the RegexMatcher pass (the market pattern over a 10 MiB market reply, every group of every
# match read out as GBK) against `grep -oiP` with the same pattern over the same file.
#
# usage: bench/regex_vs_grep.sh [BUILD_DIR]    (default: build)
# Needs the target regex_market_tool built in BUILD_DIR.
#
# The reply is one line of JSON, as the back office sends it. grep works line by line, so the
# same records with one record per line are timed as well: grep's favourable case.
# grep runs in the C locale: the file is GBK, and grep's byte mode reads it without complaint.
# Each figure is the best of five runs.
set -eu

build=${1:-build}
tool="$build/bench/regex_market_tool"
if [ ! -x "$tool" ]; then
    echo "missing $tool: cmake --build $build --target regex_market_tool" >&2
    exit 1
fi

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT INT TERM
"$tool" write "$work/one_line.gbk"
sed 's/},{/},\n{/g' "$work/one_line.gbk" >"$work/per_record.gbk"
pattern=$("$tool" pattern)

now() { date +%s.%N; }

# Prints the best time of five grep runs over $1, then the number of matches.
time_grep() {
    best=
    for run in 1 2 3 4 5; do
        start=$(now)
        LC_ALL=C grep -aoiP "$pattern" "$1" >"$work/grep.out" || true
        end=$(now)
        best=$(awk -v s="$start" -v e="$end" -v b="$best" \
            'BEGIN { t = e - s; if (b == "" || t < b) b = t; printf "%.4f", b }')
    done
    echo "$best $(wc -l <"$work/grep.out")"
}

status=0
printf 'file: %s bytes of GBK, pattern: %s\n' "$(wc -c <"$work/one_line.gbk")" "$pattern"
for variant in one_line per_record; do
    file="$work/$variant.gbk"
    set -- $(time_grep "$file")
    grep_best=$1
    grep_matches=$2
    set -- $("$tool" time "$file" 5)
    matcher_best=$1
    matcher_matches=$2
    printf '%s:\n' "$variant"
    printf '  grep -oiP:     %s s  (%s matches)\n' "$grep_best" "$grep_matches"
    printf '  RegexMatcher:  %s s  (%s matches, all six groups read as GBK)\n' \
        "$matcher_best" "$matcher_matches"
    awk -v g="$grep_best" -v m="$matcher_best" \
        'BEGIN { printf "  grep / RegexMatcher: %.2f\n", g / m }'
    if [ "$grep_matches" != "$matcher_matches" ]; then
        echo "  match counts differ" >&2
        status=1
    fi
done
exit $status
