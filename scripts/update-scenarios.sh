#!/usr/bin/env bash
# Rewrites the stored transcripts of the scenarios (scenarios/NAME.expected) from a run of
# zorhost. Review the change (git diff scenarios/) before keeping it.
#   scripts/update-scenarios.sh [BUILD_DIR] [NAME.zsc...]     (default: build, every scenario)
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
build="$(cd "${1:-$root/build}" && pwd)"
shift || true
svg="$build/scenario-svg"
mkdir -p "$svg"
cd "$root/scenarios"
if [[ $# -eq 0 ]]; then set -- *.zsc; fi
"$build/bin/zorhost" --svg-dir "$svg" --update-expected "$@" >/dev/null || true
