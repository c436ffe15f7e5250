#!/bin/bash
# Fails the Nth allocation of kovtset commands that change a drawing, over a
# sweep of N, and checks each run ended one of the two allowed ways:
#   exit 0, and the drawing is what a run without failures makes;
#   exit 1 with an out-of-memory message, and the drawing unchanged.
# Anything else (a crash or abort, another message, a changed file) is a fault.
#
# Usage: allocation_failure_sweep.sh KOVTSET FAILING_ALLOCATOR DRAWING [RUNS]
#   DRAWING  a drawing with settings of every module
#   RUNS     runs per command, spread evenly over its allocations
#            (default: one run for every allocation)
set -u
kovtset=$(realpath "$1") shim=$(realpath "$2") example=$(realpath "$3") runs=${4:-0}
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
cd "$scratch" || exit 2

"$kovtset" new target.pndwg >/dev/null || exit 2
"$kovtset" set --module steel target.pndwg Project.ProjectName "Old yard" >/dev/null || exit 2
cp "$example" template.pndwg

# name|drawing the command changes|arguments
cases=(
  "set|work.pndwg|set --module steel work.pndwg Project.ProjectName Harbour"
  "copy|work.pndwg|copy template.pndwg work.pndwg"
)
initial() { case $1 in set) echo template.pndwg ;; copy) echo target.pndwg ;; esac; }

total_runs=0 total_faults=0 total_aborts=0 total_wrong=0
for row in "${cases[@]}"; do
  IFS='|' read -r name changed args <<<"$row"
  read -ra argv <<<"$args"
  before=$(initial "$name")
  cp "$before" "$changed"
  KOVT_ALLOCATION_COUNT=count LD_PRELOAD=$shim "$kovtset" "${argv[@]}" >/dev/null || exit 2
  cp "$changed" expected.pndwg
  cp template.pndwg template.before
  count=$(cat count)
  stride=1
  if ((runs > 0 && count > runs)); then stride=$((count / runs)); fi
  done_runs=0 succeeded=0 refused=0 aborts=0 wrong=0 faults=0
  for ((n = 1; n <= count; n += stride)); do
    cp "$before" "$changed"
    KOVT_FAIL_ALLOCATION=$n LD_PRELOAD=$shim "$kovtset" "${argv[@]}" >/dev/null 2>err
    code=$?
    ((done_runs++))
    problem=
    if ! cmp -s template.pndwg template.before; then
      problem="changed the template"
    elif ((code == 0)); then
      if cmp -s "$changed" expected.pndwg; then ((succeeded++)); else problem="succeeded with a wrong result"; ((wrong++)); fi
    elif ((code == 1)) && grep -q "out of memory" err; then
      if cmp -s "$changed" "$before"; then ((refused++)); else problem="failed but changed the drawing"; ((wrong++)); fi
    elif ((code > 128)); then
      problem="ended by signal $((code - 128))"
      ((aborts++))
    else
      problem="exit $code: $(head -c 200 err)"
    fi
    if [[ -n $problem ]]; then
      ((faults++))
      echo "$name, allocation $n: $problem"
      cp template.before template.pndwg
    fi
  done
  echo "$name: $count allocations, $done_runs runs: $succeeded succeeded, $refused out of memory," \
    "$wrong wrong results, $aborts aborts, $faults faults"
  ((total_runs += done_runs, total_faults += faults, total_aborts += aborts, total_wrong += wrong))
done
echo "total: $total_runs runs, $total_wrong wrong results, $total_aborts aborts, $total_faults faults"
((total_faults == 0))
