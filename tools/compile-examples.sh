#!/usr/bin/env bash
# compile-examples.sh COMPILER REPORT OUTPUT_DIRECTORY [EXAMPLES_DIRECTORY]
# Compiles every script of examples/ (or of EXAMPLES_DIRECTORY) with COMPILER
# against the bundled target package, builds each generated harness with g++,
# runs it and prints the report of its results with REPORT (vorne-report).
# Fails on the first script that does not compile (status 5 or more), harness
# that does not build, or run that cannot be reported (status 2 or more of
# the harness or of the report); a check that fails is the report's business.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
compiler=$(realpath "$1")
report=$(realpath "$2")
out=$3
examples=$(realpath "${4:-$root/examples}")

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
  "$compiler" "$script" "$out/$name.cc" "$out" || status=$?
  if [ "$status" -ge 5 ]; then echo "compilation of $script failed (status $status)"; exit 1; fi
  g++ -std=c++17 -Wall -Werror -I "$root/target/lib" "$out/$name.cc" -o "$out/$name"
  # The harness's status says whether every check passed; the report says which.
  harness=0
  (cd "$out" && "./$name") || harness=$?
  echo "== $name: compiled (status $status), harness ran (status $harness)"
  verdict=0
  "$report" "$out/$name.tdc" "$out/$name.rio" --junit "$out/$name.xml" --html "$out/$name.html" || verdict=$?
  if [ "$verdict" -ge 2 ] || [ "$harness" -ge 2 ]; then echo "the run of $name could not be reported"; exit 1; fi
  echo "== $name: report status $verdict (JUnit $out/$name.xml, HTML $out/$name.html)"
done
