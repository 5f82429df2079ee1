#!/usr/bin/env bash
# The test command after play.sh: a build folder configured with the tests
# and benchmarks off is configured again for the whole suite, and a run that
# finds no tests fails instead of passing.
#
# Usage: test_command.sh <source folder>
set -euo pipefail
top=$1
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

# What play.sh leaves in build/.
cmake -S "$top" -B "$scratch" -DCMAKE_BUILD_TYPE=Release -DORVESSA_TESTS=OFF \
      -DORVESSA_BENCH=OFF >/dev/null
if ctest --test-dir "$scratch" --no-tests=error >/dev/null 2>&1; then
    fail "a folder without tests passed as a test run"
fi

"$top/scripts/configure.sh" release "$scratch"
grep -q '^ORVESSA_TESTS:BOOL=ON$' "$scratch/CMakeCache.txt" || fail "tests still off"
grep -q '^ORVESSA_BENCH:BOOL=ON$' "$scratch/CMakeCache.txt" || fail "benchmarks still off"
listed=$(ctest --test-dir "$scratch" -N --no-tests=error | sed -n 's/^Total Tests: //p')
[[ "$listed" -gt 20 ]] || fail "only ${listed:-no} tests listed"
echo "ok: $listed tests after the play command's configuration"
