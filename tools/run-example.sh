#!/usr/bin/env bash
# Installs what is missing, builds the compiler and vorne-report, compiles the
# bundled example scripts, then builds and runs each generated harness against
# the bundled target package and prints the report of its results.
set -euo pipefail
cd "$(dirname "$0")/.."
tools/setup.sh

cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
ninja -C build vorneprepro vorne-report

out=build/examples
rm -rf "$out" && mkdir -p "$out"
# A copy of the scripts and of the unit headers their harnesses include: the
# listings are written next to the scripts, out of the source tree.
cp examples/* "$out"/
export MORVIKDIR="$PWD/build/morvik" HRLTGT="$PWD/target"
mkdir -p "$MORVIKDIR/lib/locale"
for script in "$out"/*.ptu; do
  name=$(basename "$script" .ptu)
  echo "== $script"
  status=0
  build/vorneprepro "$script" "$out/$name.cc" "$PWD/$out" || status=$?
  if [ "$status" -ge 5 ]; then echo "compilation of $script failed (status $status)"; exit "$status"; fi
  g++ -std=c++17 -Wall -Werror -I target/lib "$out/$name.cc" -o "$out/$name"
  # The harness's status says whether every check passed; the report says which.
  harness=0
  (cd "$out" && "./$name") || harness=$?
  echo "== $name: harness ran (status $harness)"
  report=0
  build/vorne-report "$out/$name.tdc" "$out/$name.rio" --junit "$out/$name.xml" --html "$out/$name.html" || report=$?
  if [ "$report" -ge 2 ] || [ "$harness" -ge 2 ]; then echo "the run of $name could not be reported"; exit 1; fi
  echo "== $name: report status $report (JUnit $out/$name.xml, HTML $out/$name.html)"
done
