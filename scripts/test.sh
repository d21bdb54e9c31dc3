#!/usr/bin/env bash
# Builds everything and runs every test.
#   scripts/test.sh              normal build in build/, then the installed package used by
#                                examples/downstream
#   scripts/test.sh --sanitize   AddressSanitizer + UndefinedBehaviorSanitizer build in build-asan/
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install-deps.sh

build=build
flags=(-DCMAKE_BUILD_TYPE=RelWithDebInfo -DZOR_SANITIZE=OFF)
if [[ "${1:-}" == "--sanitize" ]]; then
  build=build-asan
  # Benchmarks measure nothing useful under the sanitizers.
  flags=(-DCMAKE_BUILD_TYPE=Debug -DZOR_SANITIZE=ON -DZOR_BUILD_BENCH=OFF)
  export ASAN_OPTIONS=halt_on_error=1:detect_leaks=1:abort_on_error=1
  export UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1
fi

jobs=$(nproc)
cmake -S . -B "$build" "${flags[@]}"
cmake --build "$build" -j"$jobs"
ctest --test-dir "$build" --output-on-failure -j"$jobs"

# The package, as a downstream project uses it: installed into a fresh prefix, it builds and
# tests examples/downstream, and refuses a project that asks for a newer version. Sanitized
# libraries would need a sanitized downstream build; the normal build proves the package.
if [[ "$build" == build ]]; then
  prefix="$(mktemp -d)"
  trap 'rm -rf "$prefix"' EXIT
  cmake --install "$build" --prefix "$prefix" >/dev/null
  downstream="$build/downstream"
  cmake -S examples/downstream -B "$downstream" -DCMAKE_PREFIX_PATH="$prefix"
  cmake --build "$downstream" -j"$jobs"
  ctest --test-dir "$downstream" --output-on-failure -j"$jobs"
  if cmake -S examples/downstream -B "$build/downstream-2.0" -DCMAKE_PREFIX_PATH="$prefix" \
      -DZOR_REQUIRED_VERSION=2.0 >"$build/downstream-2.0.log" 2>&1; then
    echo "the package accepted a project asking for version 2.0" >&2
    exit 1
  fi
  grep -q 'compatible with requested version "2.0"' "$build/downstream-2.0.log"
fi
