#!/usr/bin/env bash
# Installs what is missing, builds the compiler, compiles the bundled example
# scripts, then builds and runs each generated harness against the bundled
# target package.
set -euo pipefail
cd "$(dirname "$0")/.."
tools/setup.sh

cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
ninja -C build vorneprepro

out=build/examples
rm -rf "$out" && mkdir -p "$out"
# A copy of the scripts and of the unit headers their harnesses include: the
# listings are written next to the scripts, out of the source tree.
cp examples/* "$out"/
export MORVIKDIR="$PWD/build/morvik" HRLTGT="$PWD/target"
mkdir -p "$MORVIKDIR/lib/locale"
status=0
for script in "$out"/*.ptu; do
  name=$(basename "$script" .ptu)
  echo "== $script"
  build/vorneprepro "$script" "$out/$name.cc" "$out" || status=$?
  if [ "$status" -ge 5 ]; then echo "compilation of $script failed (status $status)"; exit "$status"; fi
  g++ -std=c++17 -Wall -Werror -I target/lib "$out/$name.cc" -o "$out/$name"
  (cd "$out" && "./$name")
  echo "== $name: harness built and ran"
done
