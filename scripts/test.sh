#!/usr/bin/env bash
# Builds the native, win32 and win64 presets and runs every test: native (sanitized), a
# short fuzzing run, and the Windows suites (under Wine, end to end) of each arch this
# machine can run. Counts test cases; the last line is the summary "N passed, N failed".
set -uo pipefail
source "$(dirname "$0")/env.sh"
cd "$ROOT"

"$ROOT/scripts/setup.sh" || { echo "setup failed"; echo "0 passed, 1 failed"; exit 1; }

passed=0
failed=0
count() {  # count <ctest -V log>: prints the results and adds the cases up
  local out
  out=$(python3 "$ROOT/scripts/count_tests.py" "$1")
  sed '$d' <<<"$out"
  read -r p f <<<"$(tail -1 <<<"$out")"
  passed=$((passed + p)); failed=$((failed + f))
}

build() {  # build <preset>
  if cmake --preset "$1" >"build/$1-configure.log" 2>&1 && cmake --build --preset "$1" 2>&1 | tail -40; then
    [ "${PIPESTATUS[0]}" -eq 0 ] && return 0
  fi
  tail -20 "build/$1-configure.log"
  return 1
}

mkdir -p build
declare -A built
for preset in native win32 win64; do
  if build "$preset"; then built[$preset]=1; else built[$preset]=0; echo "$preset build failed"; failed=$((failed + 1)); fi
done

trap stop_started EXIT

if [ "${built[native]}" -eq 1 ]; then
  ctest --preset native -j2 -V >build/native-test.log 2>&1
  count build/native-test.log
  # Replay the seed corpus and fuzz each reader for a short, bounded time.
  for fz in build/native/fuzz/*_fuzz; do
    [ -f "$fz" ] && [ -x "$fz" ] || continue  # not the work folders beside them
    name=$(basename "$fz")
    corpus="tests/fuzz/corpus/${name%_fuzz}"
    work="build/native/fuzz/work-$name"
    mkdir -p "$work"
    if [ -d "$corpus" ]; then dirs=("$work" "$corpus"); else dirs=("$work"); fi
    if "$fz" -max_total_time="${FUZZ_SECONDS:-20}" -max_len=65536 -print_final_stats=1 "${dirs[@]}" \
        >"build/native/fuzz/$name.log" 2>&1; then
      passed=$((passed + 1))
      echo "fuzz $name: $(grep -E 'stat::number_of_executed_units' "build/native/fuzz/$name.log" | awk '{print $2}') executions clean"
    else
      failed=$((failed + 1)); echo "fuzz $name FAILED:"; tail -30 "build/native/fuzz/$name.log"
    fi
  done
fi

# Each Windows suite runs where its Wine runs; where it cannot, its binaries are still
# checked statically (the artefact test needs no Wine).
ran=() skipped=()
for arch in 32 64; do
  preset=win$arch
  [ "${built[$preset]}" -eq 1 ] || { skipped+=("$preset skipped (its build failed)"); continue; }
  if ! wine_runs "$arch"; then
    skipped+=("$preset skipped ($WINE_SKIP_REASON)")
    ctest --preset "$preset" -R '^artefacts$' -V >"build/$preset-test.log" 2>&1
    count "build/$preset-test.log"
    continue
  fi
  if ensure_display && ensure_wineprefix "$arch"; then
    start_wineserver "$arch"
    echo "== $preset suite"
    ctest --preset "$preset" -V >"build/$preset-test.log" 2>&1
    count "build/$preset-test.log"
    ran+=("$preset ran")
  else
    skipped+=("$preset skipped (its Wine prefix could not be made)")
  fi
done

summary=$(IFS=';'; echo "${ran[*]:-no suite ran}")
[ ${#skipped[@]} -gt 0 ] && summary="$summary; $(IFS=';'; echo "${skipped[*]}")"
echo "windows suites: ${summary//;/; }"
if [ ${#ran[@]} -eq 0 ]; then echo "this machine ran no Windows suite"; failed=$((failed + 1)); fi

echo "$passed passed, $failed failed"
[ "$failed" -eq 0 ]
