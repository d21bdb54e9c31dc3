#!/usr/bin/env bash
# Builds the host program and the plug-in, then runs zorhost with the given arguments
# (none: the default session).
set -euo pipefail
# The program runs where it was called from, so that scenario paths and pictures are the caller's.
caller=$PWD
cd "$(dirname "$0")/.."
root=$PWD

scripts/install-deps.sh
cmake -S . -B build-release -DCMAKE_BUILD_TYPE=Release -DZOR_BUILD_TESTS=OFF -DZOR_BUILD_BENCH=OFF >/dev/null
cmake --build build-release -j"$(nproc)" --target zorhost ZORGuiUtilities ZORExampleCommands >/dev/null
cd "$caller"
exec "$root/build-release/bin/zorhost" "$@"
