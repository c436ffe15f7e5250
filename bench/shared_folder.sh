#!/bin/sh
# A drawing edited by several people at once, and writers killed mid-save:
#   - lost updates: two `set`s of different keys started together, ROUNDS times;
#     a round loses an update when either value is missing afterwards;
#   - debris: ROUNDS `kill -9` at random moments of `set` and `copy` runs; the
#     files beside the drawing are counted after the kills and after the next
#     save, and the drawing must open after every kill.
#
#   bench/shared_folder.sh [path/to/kovtset]     (default: build/default/bin/kovtset)
#   ROUNDS=200 bench/shared_folder.sh
set -eu

KOVTSET=${1:-build/default/bin/kovtset}
ROUNDS=${ROUNDS:-200}

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
drawing="$work/shared/d.pndwg"
mkdir "$work/shared"
"$KOVTSET" new "$drawing" -m reinf
"$KOVTSET" new "$work/template.pndwg"

lost=0
i=1
while [ "$i" -le "$ROUNDS" ]; do
  "$KOVTSET" set "$drawing" Project.ProjectName "name $i" &
  first=$!
  "$KOVTSET" set "$drawing" Project.Designer "designer $i" &
  second=$!
  wait "$first" "$second"
  if [ "$("$KOVTSET" get "$drawing" Project.ProjectName)" != "name $i" ] ||
    [ "$("$KOVTSET" get "$drawing" Project.Designer)" != "designer $i" ]; then
    lost=$((lost + 1))
  fi
  i=$((i + 1))
done
echo "lost updates: $lost of $ROUNDS rounds of two overlapping sets"

# Kills spread over the whole length of a run, measured here.
start=$(date +%s%N)
"$KOVTSET" copy --no-progress "$work/template.pndwg" "$drawing"
span_ms=$((($(date +%s%N) - start) / 1000000))

damaged=0
caught=0
i=1
while [ "$i" -le "$ROUNDS" ]; do
  if [ $((i % 2)) -eq 0 ]; then
    "$KOVTSET" set "$drawing" Project.ProjectName "killed $i" 2> /dev/null &
  else
    "$KOVTSET" copy --no-progress "$work/template.pndwg" "$drawing" 2> /dev/null &
  fi
  writer=$!
  sleep "$(awk -v seed="$i" -v span="$span_ms" 'BEGIN { srand(seed); printf "%.4f", rand() * span / 1000 }')"
  kill -9 "$writer" 2> /dev/null || true
  wait "$writer" 2> /dev/null || true
  caught=$((caught + $(ls -A "$work/shared" | wc -l) - 1))
  "$KOVTSET" get "$drawing" Project.ProjectName > /dev/null 2>&1 || damaged=$((damaged + 1))
  i=$((i + 1))
done
after_kills=$(($(ls -A "$work/shared" | wc -l) - 1))
"$KOVTSET" set "$drawing" Project.ProjectName "after the kills"
after_save=$(($(ls -A "$work/shared" | wc -l) - 1))
echo "kill -9 during set/copy: $ROUNDS kills over ${span_ms} ms runs, drawing unreadable after $damaged"
echo "temporaries left by a kill (mid-save) until the next save: $caught"
echo "files beside the drawing: $after_kills after the kills, $after_save after the next save"
