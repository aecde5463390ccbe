#!/usr/bin/env bash
# Checks that the census allocates nothing of its own: valgrind's heap summary
# of prime-census must equal that of a C++ program that only prints a number,
# built by the same build (bench/print_number.cpp, target print-number), both
# writing to the same kind of standard output.
# Usage: bench/heap-check.sh BUILD_DIR
set -euo pipefail
shopt -s inherit_errexit
build=${1:?usage: bench/heap-check.sh BUILD_DIR}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

fail() {
  echo "heap-check: $*" >&2
  exit 1
}

command -v valgrind >/dev/null || fail "valgrind cannot run: it is not installed"
for program in prime-census bench/print-number; do
  [[ -x "$build/$program" ]] || fail "$build/$program is missing: build $build with the benchmarks on"
done

# Prints the "total heap usage" line of a program's valgrind run.
heap_usage() {
  local status=0
  valgrind --tool=memcheck --error-exitcode=2 --log-file="$work/valgrind.log" "$1" \
    >"$work/out" || status=$?
  if ! grep -so 'total heap usage: .*' "$work/valgrind.log"; then
    [[ -f "$work/valgrind.log" ]] && cat "$work/valgrind.log" >&2
    fail "valgrind cannot run $1 (status $status)"
  fi
  ((status == 0)) || fail "$1 under valgrind ended with status $status"
}

census=$(heap_usage "$build/prime-census")
reference=$(heap_usage "$build/bench/print-number")
echo "prime-census:           $census"
echo "printing a number only: $reference"
[[ "$census" == "$reference" ]] || fail "the census allocates beyond printing a number"
