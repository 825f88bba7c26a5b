#!/usr/bin/env bash
# Builds both presets and runs every test: native (sanitized), under Wine, end to end,
# and a short fuzzing run. The last line is the summary "N passed, N failed".
set -uo pipefail
source "$(dirname "$0")/env.sh"
cd "$ROOT"

"$ROOT/scripts/setup.sh" || { echo "setup failed"; echo "0 passed, 1 failed"; exit 1; }

passed=0
failed=0
count() {  # count <ctest log>
  local line p t
  line=$(grep -E '[0-9]+% tests passed, [0-9]+ tests? failed out of [0-9]+' "$1" | tail -1)
  if [ -z "$line" ]; then failed=$((failed + 1)); return; fi
  t=$(sed -E 's/.* out of ([0-9]+).*/\1/' <<<"$line")
  p=$(sed -E 's/.*, ([0-9]+) tests? failed.*/\1/' <<<"$line")
  passed=$((passed + t - p)); failed=$((failed + p))
}

build() {  # build <preset>
  if cmake --preset "$1" >"build/$1-configure.log" 2>&1 && cmake --build --preset "$1" 2>&1 | tail -40; then
    [ "${PIPESTATUS[0]}" -eq 0 ] && return 0
  fi
  cat "build/$1-configure.log" | tail -20
  return 1
}

mkdir -p build
ok_win=1; ok_native=1
build native || { echo "native build failed"; ok_native=0; failed=$((failed + 1)); }
build win32 || { echo "win32 build failed"; ok_win=0; failed=$((failed + 1)); }

trap stop_started EXIT

if [ $ok_native -eq 1 ]; then
  ctest --preset native -j2 2>&1 | tee build/native-test.log | grep -vE '^\s+(Start|[0-9]+/[0-9]+ Test)' || true
  count build/native-test.log
  # Replay the seed corpus and fuzz each reader for a short, bounded time.
  for fz in build/native/fuzz/*_fuzz; do
    [ -x "$fz" ] || continue
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

if [ $ok_win -eq 1 ]; then
  if ensure_display && ensure_wineprefix; then
    start_wineserver
    ctest --preset win32 2>&1 | tee build/win32-test.log | grep -vE '^\s+(Start|[0-9]+/[0-9]+ Test)' || true
    count build/win32-test.log
  else
    failed=$((failed + 1))
  fi
fi

echo "$passed passed, $failed failed"
[ "$failed" -eq 0 ]
