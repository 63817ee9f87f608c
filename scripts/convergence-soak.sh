#!/usr/bin/env bash
# Runs the sync convergence test over many seeds by hand (10,000 unless
# told otherwise), in chunks so that a failing chunk names its seeds, and
# prints every failing seed with its steps at the end.
#
#   scripts/convergence-soak.sh [build dir] [seeds] [first seed] [chunk]
set -uo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
build="${1:-$root/build}"
seeds="${2:-10000}"
first="${3:-1}"
chunk="${4:-500}"
test_program="$build/tests/tst_convergence"
[ -x "$test_program" ] || { echo "Build the tests first: $test_program is missing" >&2; exit 2; }

log="$(mktemp /tmp/convergence-soak.XXXXXX.log)"
failed=0
started=$(date +%s)
for ((start = first; start < first + seeds; start += chunk)); do
  count=$((first + seeds - start < chunk ? first + seeds - start : chunk))
  if ! QT_QPA_PLATFORM=offscreen QTEST_FUNCTION_TIMEOUT=86400000 CHECKBOOK_CONVERGENCE_FIRST_SEED=$start CHECKBOOK_CONVERGENCE_SEEDS=$count \
      "$test_program" >>"$log" 2>&1; then
    failed=$((failed + 1))
  fi
  echo "seeds $start to $((start + count - 1)) done, $failed chunk(s) with failures so far ($(($(date +%s) - started)) s)"
done

echo
echo "Seeds run: $seeds from $first in $(($(date +%s) - started)) s"
grep -E "^(QWARN|QINFO).*(Seed [0-9]+ failed|seeds from)" "$log" || true
if [ "$failed" -gt 0 ]; then
  echo "Failing seeds and their steps are in $log"
  grep -A200 "Seed [0-9]* failed" "$log" | head -2000
  exit 1
fi
echo "No seed failed; the whole output is in $log"
