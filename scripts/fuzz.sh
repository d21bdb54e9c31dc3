#!/usr/bin/env bash
# Builds the libFuzzer targets of the scenario reader and the message-catalog reader with clang
# in build-fuzz, then runs each for SECONDS (default 60) from a copy of its seed corpus
# (fuzz/corpus/<target>/), so that the repository is not written. Fails when a target crashes,
# leaks, times out or finds a reader breaking its promises; the input that did it is left in
# build-fuzz/artifacts/<target>/ — keep it in fuzz/regressions/<target>/ once fixed.
#   scripts/fuzz.sh [SECONDS]
set -euo pipefail
cd "$(dirname "$0")/.."

seconds=${1:-60}
if [[ ! "$seconds" =~ ^[1-9][0-9]*$ ]]; then
  echo "usage: scripts/fuzz.sh [SECONDS]" >&2
  exit 2
fi

scripts/install-deps.sh

# clang, and the libFuzzer runtime that comes apart from it; apt-get only for what is missing.
fuzzer_runtime_works() {
  local probe
  probe=$(mktemp -d)
  printf '%s\n' '#include <cstddef>' '#include <cstdint>' \
    'extern "C" int LLVMFuzzerTestOneInput(const uint8_t*, size_t) { return 0; }' \
    >"$probe/probe.cpp"
  local status=0
  clang++ -fsanitize=fuzzer,address "$probe/probe.cpp" -o "$probe/probe" >/dev/null 2>&1 ||
    status=1
  rm -rf "$probe"
  return $status
}
missing=()
command -v clang++ >/dev/null 2>&1 || missing+=(clang)
if ((${#missing[@]})) || ! fuzzer_runtime_works; then
  missing+=(libclang-rt-dev)
fi
if ((${#missing[@]})); then
  echo "installing: ${missing[*]}"
  export DEBIAN_FRONTEND=noninteractive
  apt-get update -q
  apt-get install -y -q --no-install-recommends "${missing[@]}"
fi

build="build-fuzz"
targets=(zor_fuzz_scenario_reader:ScenarioReader zor_fuzz_msg_catalog:MsgCatalog)
CC=clang CXX=clang++ cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ -DZOR_BUILD_FUZZ=ON \
  -DZOR_BUILD_TESTS=OFF -DZOR_BUILD_BENCH=OFF -DZOR_SANITIZE=OFF
cmake --build "$build" -j"$(nproc)" --target "${targets[@]%%:*}"

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1
export UBSAN_OPTIONS=print_stacktrace=1
failed=()
for entry in "${targets[@]}"; do
  target=${entry%%:*}
  corpus=${entry#*:}
  artifacts="$PWD/$build/artifacts/$corpus"
  mkdir -p "$artifacts"
  cp -r "fuzz/corpus/$corpus" "$work/$corpus"
  echo "== $target: ${seconds}s"
  if ! "$build/bin/$target" -max_total_time="$seconds" -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$artifacts/" "$work/$corpus"; then
    failed+=("$target")
  fi
done
if ((${#failed[@]})); then
  echo "fuzzing failed: ${failed[*]} (inputs in $build/artifacts/)" >&2
  exit 1
fi
echo "fuzzing passed: ${targets[*]%%:*}, ${seconds}s each"
