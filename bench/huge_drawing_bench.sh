#!/bin/sh
# Every kovtset command on drawings with a huge project registry (a million
# sub-keys, a million values in a set) against the same command on a small
# drawing in the same run: CPU seconds (user + system, steadier than wall time
# on a shared machine) and peak RSS, and their ratios.
#
#   bench/huge_drawing_bench.sh [build dir]     (default: build/default)
#   COUNT=100000 bench/huge_drawing_bench.sh
set -eu

BUILD=${1:-build/default}
KOVTSET=$BUILD/bin/kovtset
GENERATE=${GENERATE:-$BUILD/bin/huge_drawing}
COUNT=${COUNT:-1000000}

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

"$KOVTSET" new "$work/small.pndwg"
for kind in keys values; do
  cp "$work/small.pndwg" "$work/$kind.pndwg"
  "$GENERATE" "$work/$kind.pndwg" "$kind" "$COUNT"
done

# Each row: a name, then the command with D standing for the drawing measured
# and S for the small one. Commands that change D run on a fresh copy of it.
commands() {
  cat <<'ROWS'
show|show D
get|get D Units.Length
set|set D Units.Length cm
sets-list|sets list D
sets-add|sets add D Company
registry|registry D
diff|diff D S
export|export D
import|import D IMPORT
copy-from|copy --no-progress D S
copy-into|copy --no-progress S D
ROWS
}

"$KOVTSET" export "$work/small.pndwg" > "$work/import.json"

# Prints "cpu-seconds peak-KiB" of one command on drawing $2.
measure() {
  cp "$2" "$work/measured.pndwg"
  cp "$work/small.pndwg" "$work/other.pndwg"
  set -- $(echo "$1" | sed -e "s|\bD\b|$work/measured.pndwg|g" -e "s|\bS\b|$work/other.pndwg|g" \
    -e "s|\bIMPORT\b|$work/import.json|g")
  /usr/bin/time -f "%U %S %M" -o "$work/time" "$KOVTSET" "$@" > /dev/null
  awk '{ print $1 + $2, $3 }' "$work/time"
}

printf '%-10s %-6s %8s %8s %8s %8s %7s %7s\n' command kind base_cpu base_MB huge_cpu huge_MB t_ratio m_ratio
for kind in keys values; do
  ls -l "$work/$kind.pndwg" | awk -v k="$kind" '{ printf "# %s drawing: %.1f MB\n", k, $5 / 1e6 }'
  commands | while IFS='|' read -r name command; do
    base=$(measure "$command" "$work/small.pndwg")
    huge=$(measure "$command" "$work/$kind.pndwg")
    echo "$name $kind $base $huge" | awk '{
      printf "%-10s %-6s %8.2f %8.1f %8.2f %8.1f %7.1f %7.1f\n", $1, $2, $3, $4 / 1024, $5, $6 / 1024,
        $5 / ($3 > 0.01 ? $3 : 0.01), $6 / $4 }'
  done
done
