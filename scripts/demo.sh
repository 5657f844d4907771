#!/bin/sh
# Set-up and demo in one: installs what is missing, builds, and makes a gallery of the sample
# photos in examples/photos into build/demo-gallery.
set -eu
cd "$(dirname "$0")/.."
./scripts/install-deps.sh ui
./scripts/build.sh
out="$PWD/build/demo-gallery"
rm -rf "$out"
./build/src/cli/quorvalinde-cli --yes --input examples/photos --output "$out"
