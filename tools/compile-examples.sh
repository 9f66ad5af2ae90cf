#!/usr/bin/env bash
# compile-examples.sh COMPILER OUTPUT_DIRECTORY [EXAMPLES_DIRECTORY]
# Compiles every script of examples/ (or of EXAMPLES_DIRECTORY) with COMPILER against the bundled target
# package, then builds each generated harness with g++ and runs it. Fails on
# the first script that does not compile (status 5 or more), harness that
# does not build, or harness that does not run to completion.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
compiler=$(realpath "$1")
out=$2
examples=$(realpath "${3:-$root/examples}")

rm -rf "$out" && mkdir -p "$out"
# A copy of the scripts and of the unit headers their harnesses include: the
# listings are written next to the scripts, out of the source tree.
cp "$examples"/* "$out"/
out=$(realpath "$out")
export MORVIKDIR="$out/morvik" HRLTGT="$root/target"
unset HRUTGT VORNECPPINC
mkdir -p "$MORVIKDIR/lib/locale"
for script in "$out"/*.ptu; do
  name=$(basename "$script" .ptu)
  echo "== $script"
  status=0
  (cd "$out" && "$compiler" "$name.ptu" "$name.cc") || status=$?
  if [ "$status" -ge 5 ]; then echo "compilation of $script failed (status $status)"; exit 1; fi
  g++ -std=c++17 -Wall -Werror -I "$root/target/lib" "$out/$name.cc" -o "$out/$name"
  (cd "$out" && "./$name")
  echo "== $name: compiled (status $status), harness built and ran"
done
