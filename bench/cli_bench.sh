#!/bin/sh
# Whole-process figures of kovtset, each against a baseline measured in the
# same run (on a shared machine only the ratios mean much):
#   copy of a template's settings into TARGETS drawings in one process, against
#     the disk's floor: bench/disk_floor reading, rewriting, flushing and
#     renaming the same files (aim: at most 1.5x);
#   copy with --jobs JOBS (default: every core) against --jobs 1;
#   peak RSS of copy into TARGETS drawings against copy into 10 (aim: at most 1.2x);
#   show of one drawing against --version, per process (aim: at most 1.3x).
#
#   bench/cli_bench.sh [build dir]     (default: build/default)
#   TARGETS=1000 SHOWS=50 JOBS=2 bench/cli_bench.sh
set -eu

BUILD=${1:-build/default}
KOVTSET=$BUILD/bin/kovtset
FLOOR=$BUILD/bin/disk_floor
TARGETS=${TARGETS:-1000}
SHOWS=${SHOWS:-50}
JOBS=${JOBS:-$(nproc)}

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

now() { date +%s.%N; }
# Seconds between two `now` readings.
elapsed() { awk -v a="$1" -v b="$2" 'BEGIN { printf "%.3f", b - a }'; }
ratio() { awk -v a="$1" -v b="$2" 'BEGIN { printf "%.2f", a / b }'; }

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

fresh_targets "$TARGETS"
start=$(now)
"$FLOOR" "$work"/targets/*.pndwg
end=$(now)
floor_seconds=$(elapsed "$start" "$end")
copy_seconds=$(timed_copy 1)
jobs_seconds=$(timed_copy "$JOBS")
small_rss=$(copy_rss 10)
large_rss=$(copy_rss "$TARGETS")
version_ms=$(per_process --version)
show_ms=$(per_process show "$work/template.pndwg")

echo "copy into $TARGETS drawings, one process: $copy_seconds s; disk floor $floor_seconds s;" \
  "ratio $(ratio "$copy_seconds" "$floor_seconds")"
echo "copy --jobs $JOBS: $jobs_seconds s; speed-up over --jobs 1 $(ratio "$copy_seconds" "$jobs_seconds")"
echo "copy peak RSS: $large_rss KiB for $TARGETS drawings, $small_rss KiB for 10; ratio" \
  "$(ratio "$large_rss" "$small_rss")"
echo "show: $show_ms ms a process; --version $version_ms ms; ratio $(ratio "$show_ms" "$version_ms")"
