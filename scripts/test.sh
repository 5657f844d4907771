#!/bin/sh
# Set-up and tests in one: installs what is missing, builds, and runs every test.
set -eu
cd "$(dirname "$0")/.."
./scripts/install-deps.sh ui libimage-exiftool-perl
./scripts/build.sh
cd build
ctest --output-on-failure -j "$(nproc 2>/dev/null || echo 2)"
