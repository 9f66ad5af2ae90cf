#!/usr/bin/env bash
# Builds the libFuzzer targets (clang, AddressSanitizer and UBSan) and runs
# each for a bounded time, seeded from the test inputs. The corpus grows in
# build-fuzz/fuzz/corpus/<target> from one run to the next.
#
#   tools/fuzz.sh [seconds per target] [target...]
#
# Targets: cmdline script variables expressions prepro decl cexpr report (all by
# default); 60 seconds each by default. Prints the executions and the time
# of each target and fails when one crashed, hung, leaked or ran out of
# memory (its reproducer is left in build-fuzz/fuzz/findings/<target>).
set -euo pipefail
cd "$(dirname "$0")/.."
source_root=$PWD
tools/setup.sh

seconds=${1:-60}
shift || true
targets=("$@")
((${#targets[@]})) || targets=(cmdline script variables expressions prepro decl cexpr report)

build=build-fuzz
CC=clang-14 CXX=clang++-14 cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DVORNE_FUZZ=ON -DVORNE_BUILD_TESTS=OFF -DVORNE_BUILD_BENCH=OFF >/dev/null
ninja -C "$build" -j "$(nproc)" $(printf 'fuzz_%s ' "${targets[@]}")

# Absolute: each target works in a scratch directory of its own.
work=$source_root/$build/fuzz
mkdir -p "$work"

# Seeds from the inputs of the tests, remade on every run.
seed_cmdline() {
  local out=$1 n=0
  for cmd in tests/e2e/cases/*/*/cmd; do
    n=$((n + 1))
    cp "$cmd" "$out/cmd$n"
    # An option file of the case becomes the text after the empty line.
    local option
    option=$(grep -o '^@.*\|^-OPTION=.*' "$cmd" | head -1 | sed 's/^@//; s/^-OPTION=//') || true
    if [[ -n "$option" && -f "$(dirname "$cmd")/input/$option" ]]; then
      { sed "s|^@.*|@opts|; s|^-OPTION=.*|-OPTION=opts|" "$cmd"; echo; cat "$(dirname "$cmd")/input/$option"; } \
        >"$out/option$n"
    fi
  done
}
seed_script() {
  local out=$1 n=0
  while IFS= read -r -d '' file; do
    n=$((n + 1))
    { printf '\0'; cat "$file"; } >"$out/script$n"
  done < <(find tests examples -type f -name '*.ptu' -print0)
}
# The lines of each element of the test scripts.
seed_variables() {
  local out=$1 n=0
  while IFS= read -r -d '' file; do
    n=$((n + 1))
    { printf '\1'; sed -n '/^ *ELEMENT/,/^ *END ELEMENT/{/ELEMENT/d;p}' "$file"; } >"$out/element$n"
  done < <(find tests examples -type f -name '*.ptu' -print0)
}
seed_expressions() {
  local out=$1 n=0 scripts
  scripts=$(find tests examples -type f -name '*.ptu')
  {
    # Values of the scripts, constants, and the texts the unit tests evaluate.
    grep -ohE '(INIT|EV|MIN|MAX|DELTA) *=+ *[^,]*' $scripts | sed -E 's/^[A-Z]+ *=+ *//' || true
    grep -ohE '^ *CONST +[A-Za-z_0-9]+ *= *.*' $scripts | sed -E 's/^ *CONST +[A-Za-z_0-9]+ *= *//' || true
    grep -ohE 'evaluate\("([^"\\]|\\.)*"' tests/unit/values/*.cpp | sed -E 's/^evaluate\("//; s/"$//' || true
    cat tests/fuzz/expressions.seeds
  } | sort -u | while IFS= read -r value; do
    n=$((n + 1))
    printf '\0%s' "$value" >"$out/value$n"
  done
}
seed_prepro() {
  local out=$1
  cp tests/prepro/cases/*.c tests/prepro/corpus/*.c "$out"/
}
# The declaration cases and the oracle's fixtures, preprocessed by the
# system compiler (comments and includes resolved), else as they stand.
seed_decl() {
  local out=$1 n=0
  while IFS= read -r -d '' file; do
    n=$((n + 1))
    gcc -E -P -x c "$file" >"$out/decl$n" 2>/dev/null || cp "$file" "$out/decl$n"
  done < <(find tests/decl/cases tests/decl_oracle/fixtures -type f \( -name '*.h' -o -name '*.hpp' -o -name '*.c' \) -print0)
}
# The headers of the scripts that test analysed variables, preprocessed,
# followed by the values and bounds their scripts give.
seed_cexpr() {
  local out=$1 n=0
  while IFS= read -r -d '' script; do
    local dir header
    dir=$(dirname "$script")
    for header in "$dir"/*.h; do
      [[ -f "$header" ]] || continue
      n=$((n + 1))
      {
        gcc -E -P -x c++ "$header" 2>/dev/null || cat "$header"
        printf '\n%%%%\n'
        grep -ohE '(INIT|EV|MIN|MAX|DELTA) *(=+|IN) *[^,]*' "$script" | sed -E 's/^[A-Z]+ *(=+|IN) *//' || true
        grep -ohE '^ *(VAR|ARRAY|STRUCTURE|TABLEAU) +[^,]*' "$script" | sed -E 's/^ *[A-Z]+ +//' || true
      } >"$out/values$n"
    done
  done < <(find tests/e2e/cases examples -type f -name '*.ptu' -print0)
}
# Record files of the tests, each with the results file of a small run.
seed_report() {
  local out=$1 n=0
  cp tests/fuzz/seeds/report.seed "$out"/
  while IFS= read -r -d '' file; do
    n=$((n + 1))
    { cat "$file"; printf '\0VORNE-RIO 1 1970-01-01T00:00:00Z\nSERVICE 1 "S"\nEND 60\n'; } >"$out/tdc$n"
  done < <(find tests -type f \( -name 'G.tdc' -o -name 'G.tdc.expected' \) -print0)
}

max_len() {
  case $1 in
    cmdline) echo 4096 ;;
    expressions) echo 1024 ;;
    *) echo 16384 ;;
  esac
}

failed=()
printf '%-12s %12s %10s %8s\n' target executions seconds "exec/s"
for target in "${targets[@]}"; do
  seeds=$work/seeds/$target corpus=$work/corpus/$target findings=$work/findings/$target
  rm -rf "$seeds"
  mkdir -p "$seeds" "$corpus" "$findings"
  "seed_$target" "$seeds"
  dictionary=()
  [[ -f tests/fuzz/$target.dict ]] && dictionary=(-dict="$source_root/tests/fuzz/$target.dict")
  log=$work/$target.log
  start=$(date +%s)
  status=0
  ASAN_OPTIONS=detect_leaks=1:allocator_may_return_null=1 UBSAN_OPTIONS=print_stacktrace=1 \
    "$source_root/$build/tests/fuzz/fuzz_$target" "$corpus" "$seeds" "${dictionary[@]}" \
    -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 -malloc_limit_mb=2048 \
    -max_len="$(max_len "$target")" -close_fd_mask=3 -print_final_stats=1 \
    -artifact_prefix="$findings/" >"$log" 2>&1 || status=$?
  elapsed=$(($(date +%s) - start))
  executions=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log" | tail -1)
  printf '%-12s %12s %10s %8s\n' "$target" "${executions:-?}" "$elapsed" \
    "$(( ${executions:-0} / (elapsed > 0 ? elapsed : 1) ))"
  if ((status != 0)); then
    failed+=("$target")
    grep -E 'ERROR|SUMMARY|Test unit written' "$log" | head -5 >&2 || true
  fi
done

if ((${#failed[@]})); then
  echo "Fuzzing found faults in: ${failed[*]} (see $work/<target>.log and $work/findings/)" >&2
  exit 1
fi
echo "No fault found."
