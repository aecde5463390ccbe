#!/usr/bin/env bash
# Times the census side by side with the same trial division written as plain
# C and compiled with gcc -O2: whole processes, several runs each, medians.
# Needs hyperfine (Debian package hyperfine).
# Usage: bench/versus-c.sh BUILD_DIR [RUNS]
set -euo pipefail
shopt -s inherit_errexit
build=${1:?usage: bench/versus-c.sh BUILD_DIR [RUNS]}
runs=${2:-30}
here=$(cd "$(dirname "$0")" && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

gcc -O2 -o "$work/trial-division-c" "$here/trial_division.c" -lm
if ! cmp -s <("$build/prime-census") <("$work/trial-division-c"); then
  echo "versus-c: the C baseline prints another count" >&2
  exit 1
fi

hyperfine -N --warmup 3 --runs "$runs" --export-json "$work/times.json" \
  "$build/prime-census" "$work/trial-division-c" >/dev/null
python3 - "$work/times.json" <<'PY'
import json, statistics, sys
results = json.load(open(sys.argv[1]))["results"]
medians = [statistics.median(r["times"]) * 1000 for r in results]
for name, median in zip(("prime-census", "plain C, gcc -O2"), medians):
    print(f"{name:18} median {median:7.1f} ms")
print(f"prime-census / plain C: {medians[0] / medians[1]:.3f}")
PY
