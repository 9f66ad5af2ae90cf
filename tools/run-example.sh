#!/usr/bin/env bash
# Installs what is missing, builds the compiler and vorne-report, compiles the
# bundled example scripts, then builds and runs each generated harness against
# the bundled target package and prints the report of its results.
set -euo pipefail
cd "$(dirname "$0")/.."
tools/setup.sh

cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
ninja -C build vorneprepro vorne-report
tools/compile-examples.sh build/vorneprepro build/vorne-report build/examples
