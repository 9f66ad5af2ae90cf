#!/usr/bin/env bash
# Installs what is missing, builds the compiler, compiles the bundled example
# scripts, then builds and runs each generated harness against the bundled
# target package.
set -euo pipefail
cd "$(dirname "$0")/.."
tools/setup.sh

cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
ninja -C build vorneprepro
tools/compile-examples.sh build/vorneprepro build/examples
