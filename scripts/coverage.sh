#!/usr/bin/env bash
# Line coverage of the plug-in (WENUI/) by the test suites: a gcc --coverage build in
# build-coverage, every test run, then gcov on what they executed. Prints the total, then each
# file of WENUI/ from the least covered up. A header counts once: its line is executable when a
# translation unit compiled code for it, and covered when any of them ran it.
#   scripts/coverage.sh            JOBS=1 scripts/coverage.sh   (parallel jobs, default nproc)
# Exits non-zero when a test fails (the figures are printed all the same).
set -euo pipefail
cd "$(dirname "$0")/.."
root=$(pwd)

scripts/install-deps.sh

build="build-coverage"
jobs=${JOBS:-$(nproc)}
cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=Debug -DCMAKE_CXX_COMPILER=g++ -DZOR_SANITIZE=OFF \
  -DZOR_BUILD_BENCH=OFF -DZOR_BUILD_FUZZ=OFF -DCMAKE_CXX_FLAGS=--coverage \
  -DCMAKE_EXE_LINKER_FLAGS=--coverage -DCMAKE_SHARED_LINKER_FLAGS=--coverage
cmake --build "$build" -j"$jobs"

# Counts from an earlier run would add up with this one.
find "$build" -name '*.gcda' -delete
status=0
ctest --test-dir "$build" -j"$jobs" --output-on-failure || status=$?

reports=$(mktemp -d)
trap 'rm -rf "$reports"' EXIT
# -l names each report after its translation unit too, so that the reports of a header from
# different units do not overwrite one another.
find "$root/$build" -name '*.gcda' -print0 |
  (cd "$reports" && xargs -0 -r gcov -l -p >/dev/null 2>&1) || true

find "$reports" -name '*.gcov' -print0 | xargs -0 -r cat | awk -v prefix="$root/WENUI/" '
  /^ *-: *0:Source:/ {
    file = substr($0, index($0, "Source:") + 7)
    keep = index(file, prefix) == 1
    if (keep) file = substr(file, length(prefix) + 1)
    next
  }
  !keep { next }
  {
    split($0, field, ":")
    count = field[1]; gsub(/[ *]/, "", count)
    line = field[2] + 0
    if (count == "-" || line == 0) next
    executable[file SUBSEP line] = 1
    if (count != "#####" && count != "=====") covered[file SUBSEP line] = 1
  }
  END {
    for (key in executable) {
      split(key, part, SUBSEP); lines[part[1]]++; total++
      if (key in covered) { hit[part[1]]++; totalHit++ }
    }
    if (total == 0) { print "no coverage data for WENUI/"; exit 1 }
    printf "WENUI/ line coverage: %.1f%% (%d of %d lines)\n", 100 * totalHit / total, totalHit, total
    for (f in lines)
      printf "%6.1f%% %6d/%-6d WENUI/%s\n", 100 * hit[f] / lines[f], hit[f], lines[f], f | "sort -n"
  }'
exit "$status"
