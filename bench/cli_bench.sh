#!/bin/sh
# Whole-process times of kovtset: `copy` of a template's settings into many
# drawings, and `show` of one drawing.
#
#   bench/cli_bench.sh [path/to/kovtset]     (default: build/default/bin/kovtset)
#   TARGETS=1000 SHOWS=20 bench/cli_bench.sh
set -eu

KOVTSET=${1:-build/default/bin/kovtset}
TARGETS=${TARGETS:-1000}
SHOWS=${SHOWS:-20}

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

now() { date +%s.%N; }
# Seconds between two `now` readings.
elapsed() { awk -v a="$1" -v b="$2" 'BEGIN { printf "%.3f", b - a }'; }

"$KOVTSET" new "$work/template.pndwg"
"$KOVTSET" set "$work/template.pndwg" Units.Length cm
"$KOVTSET" set "$work/template.pndwg" -m steel General.TolerArcDisplay 64
"$KOVTSET" new "$work/target.pndwg"
mkdir "$work/targets"
i=1
while [ "$i" -le "$TARGETS" ]; do
  cp "$work/target.pndwg" "$work/targets/$i.pndwg"
  i=$((i + 1))
done

start=$(now)
"$KOVTSET" copy --no-progress "$work/template.pndwg" "$work"/targets/*.pndwg
end=$(now)
copy_seconds=$(elapsed "$start" "$end")
# The copy must have done its work for the figure to mean anything.
[ "$("$KOVTSET" get "$work/targets/$TARGETS.pndwg" Units.Length)" = cm ]
[ "$("$KOVTSET" diff "$work/template.pndwg" "$work/targets/1.pndwg")" = "" ]

start=$(now)
i=1
while [ "$i" -le "$SHOWS" ]; do
  "$KOVTSET" show "$work/template.pndwg" > /dev/null
  i=$((i + 1))
done
end=$(now)
show_seconds=$(elapsed "$start" "$end")

echo "copy into $TARGETS drawings: $copy_seconds s in one process ($(awk -v s="$copy_seconds" -v n="$TARGETS" 'BEGIN { printf "%.2f", s * 1000 / n }') ms a drawing)"
echo "show of one drawing: $(awk -v s="$show_seconds" -v n="$SHOWS" 'BEGIN { printf "%.1f", s * 1000 / n }') ms a process (mean of $SHOWS)"
