#!/usr/bin/env bash
# Checks that the census allocates nothing of its own: valgrind's heap summary
# of prime-census must equal that of a C++ program that only prints a number,
# both writing to the same kind of standard output.
# Usage: bench/heap-check.sh BUILD_DIR
set -euo pipefail
shopt -s inherit_errexit
build=${1:?usage: bench/heap-check.sh BUILD_DIR}
here=$(cd "$(dirname "$0")" && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

g++ -O2 -o "$work/print-number" "$here/print_number.cpp"

# Prints the "total heap usage" line of a program's valgrind run.
heap_usage() {
  valgrind --tool=memcheck --error-exitcode=2 --log-file="$work/valgrind.log" "$1" >"$work/out"
  grep -o 'total heap usage: .*' "$work/valgrind.log"
}

census=$(heap_usage "$build/prime-census")
reference=$(heap_usage "$work/print-number")
echo "prime-census:           $census"
echo "printing a number only: $reference"
if [[ "$census" != "$reference" ]]; then
  echo "heap-check: the census allocates beyond printing a number" >&2
  exit 1
fi
