#!/bin/sh
# Whole-process figures of kovtset, each against a baseline measured in the
# same run (on a shared machine only the ratios mean much):
#   copy of a template's settings into TARGETS drawings in one process, against
#     the disk's floor: bench/disk_floor reading, rewriting, flushing and
#     renaming the same files (aim: at most 1.5x);
#   copy with --jobs JOBS (default: every core) against --jobs 1;
#   peak RSS of copy into TARGETS drawings against copy into 10 (aim: at most 1.2x);
#   show of one drawing against --version, per process (aim: at most 1.3x).
# Each pair is measured ROUNDS times, its two sides alternating, and the median
# ratio is reported, so that one noisy moment does not decide it.
#
#   bench/cli_bench.sh [build dir]     (default: build/default)
#   TARGETS=1000 SHOWS=50 JOBS=2 ROUNDS=3 bench/cli_bench.sh
set -eu

BUILD=${1:-build/default}
KOVTSET=$BUILD/bin/kovtset
FLOOR=$BUILD/bin/disk_floor
TARGETS=${TARGETS:-1000}
SHOWS=${SHOWS:-50}
JOBS=${JOBS:-$(nproc)}
ROUNDS=${ROUNDS:-3}

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

now() { date +%s.%N; }
# Seconds between two `now` readings.
elapsed() { awk -v a="$1" -v b="$2" 'BEGIN { printf "%.3f", b - a }'; }
ratio() { awk -v a="$1" -v b="$2" 'BEGIN { printf "%.2f", a / b }'; }
# The median of the numbers given.
median() { printf '%s\n' "$@" | sort -g | awk '{ v[NR] = $1 } END { print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'; }

"$KOVTSET" new "$work/template.pndwg"
"$KOVTSET" set "$work/template.pndwg" Units.Length cm
"$KOVTSET" set "$work/template.pndwg" -m steel General.TolerArcDisplay 64
"$KOVTSET" new "$work/target.pndwg"

# Fresh copies of the default drawing: targets/1.pndwg … targets/$1.pndwg.
fresh_targets() {
  rm -rf "$work/targets"
  mkdir "$work/targets"
  i=1
  while [ "$i" -le "$1" ]; do
    cp "$work/target.pndwg" "$work/targets/$i.pndwg"
    i=$((i + 1))
  done
}

# Wall seconds of a copy into fresh targets with --jobs $1, checked to have
# done its work.
timed_copy() {
  fresh_targets "$TARGETS"
  start=$(now)
  "$KOVTSET" copy --no-progress --jobs "$1" "$work/template.pndwg" "$work"/targets/*.pndwg
  end=$(now)
  [ "$("$KOVTSET" get "$work/targets/$TARGETS.pndwg" Units.Length)" = cm ]
  [ "$("$KOVTSET" diff "$work/template.pndwg" "$work/targets/1.pndwg")" = "" ]
  elapsed "$start" "$end"
}

# Peak RSS in KiB of a one-process copy into $1 fresh targets.
copy_rss() {
  fresh_targets "$1"
  /usr/bin/time -f %M -o "$work/rss" "$KOVTSET" copy --no-progress --jobs 1 "$work/template.pndwg" \
    "$work"/targets/*.pndwg
  cat "$work/rss"
}

# Mean milliseconds of $SHOWS runs of kovtset with the given arguments.
per_process() {
  start=$(now)
  i=1
  while [ "$i" -le "$SHOWS" ]; do
    "$KOVTSET" "$@" > /dev/null
    i=$((i + 1))
  done
  end=$(now)
  awk -v s="$(elapsed "$start" "$end")" -v n="$SHOWS" 'BEGIN { printf "%.2f", s * 1000 / n }'
}

# Wall seconds of bench/disk_floor over fresh targets.
timed_floor() {
  fresh_targets "$TARGETS"
  start=$(now)
  "$FLOOR" "$work"/targets/*.pndwg
  end=$(now)
  elapsed "$start" "$end"
}

floors="" copies="" jobs="" copy_ratios="" jobs_ratios="" versions="" shows="" show_ratios=""
round=1
while [ "$round" -le "$ROUNDS" ]; do
  floor_seconds=$(timed_floor)
  copy_seconds=$(timed_copy 1)
  jobs_seconds=$(timed_copy "$JOBS")
  version_ms=$(per_process --version)
  show_ms=$(per_process show "$work/template.pndwg")
  floors="$floors $floor_seconds" copies="$copies $copy_seconds" jobs="$jobs $jobs_seconds"
  versions="$versions $version_ms" shows="$shows $show_ms"
  copy_ratios="$copy_ratios $(ratio "$copy_seconds" "$floor_seconds")"
  jobs_ratios="$jobs_ratios $(ratio "$copy_seconds" "$jobs_seconds")"
  show_ratios="$show_ratios $(ratio "$show_ms" "$version_ms")"
  round=$((round + 1))
done
small_rss=$(copy_rss 10)
large_rss=$(copy_rss "$TARGETS")

# shellcheck disable=SC2086 # the lists are split on purpose
{
  echo "copy into $TARGETS drawings, one process: $(median $copies) s; disk floor $(median $floors) s;" \
    "ratio $(median $copy_ratios) (rounds:$copy_ratios)"
  echo "copy --jobs $JOBS: $(median $jobs) s; speed-up over --jobs 1 $(median $jobs_ratios) (rounds:$jobs_ratios)"
  echo "copy peak RSS: $large_rss KiB for $TARGETS drawings, $small_rss KiB for 10; ratio" \
    "$(ratio "$large_rss" "$small_rss")"
  echo "show: $(median $shows) ms a process; --version $(median $versions) ms;" \
    "ratio $(median $show_ratios) (rounds:$show_ratios)"
}
