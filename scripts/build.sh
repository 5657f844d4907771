#!/bin/sh
# Configures and builds QuorvaLinde into build/ (or $QL_BUILD_DIR).
set -eu
cd "$(dirname "$0")/.."
build="${QL_BUILD_DIR:-build}"
jobs="$(nproc 2>/dev/null || echo 2)"
cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DQL_WERROR=ON "$@" >/dev/null
cmake --build "$build" -j "$jobs"
