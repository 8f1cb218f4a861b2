#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the libFuzzer targets of tests/fuzz with clang in their own folder and runs each for a
# bounded time (seconds, default 300), starting from its seed corpus. New inputs are kept in
# <build>/corpus; an input that fails a target is written to <build>/falhas and stops the run:
# copy it into tests/fuzz/corpus/<target>/ as a regression case once it is fixed.
set -euo pipefail
cd "$(dirname "$0")/.."
build_dir=${1:-build-fuzz}
seconds=${2:-300}
jobs=${3:-$(nproc 2>/dev/null || echo 2)}
targets=(cifra musica_cifrada idioma configuracao nomes_acordes)

if [ ! -f "$build_dir/build.ninja" ]; then
  cmake -S . -B "$build_dir" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DCMAKE_CXX_COMPILER=clang++ \
    -DTASTAVO_FUZZ=ON -DTASTAVO_BUILD_BENCH=OFF
fi
cmake --build "$build_dir" -j "$jobs" --target "${targets[@]/#/fuzz_}"

export ASAN_OPTIONS="detect_leaks=1:abort_on_error=1${ASAN_OPTIONS:+:$ASAN_OPTIONS}"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1${UBSAN_OPTIONS:+:$UBSAN_OPTIONS}"
status=0
for t in "${targets[@]}"; do
  corpus="$build_dir/corpus/$t"
  falhas="$build_dir/falhas"
  mkdir -p "$corpus" "$falhas"
  dict=()
  [ -f "tests/fuzz/$t.dict" ] && dict=("-dict=tests/fuzz/$t.dict")
  echo "== fuzz_$t for ${seconds} s"
  if ! "$build_dir/bin/fuzz_$t" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 \
      -max_len=8192 -print_final_stats=1 -artifact_prefix="$falhas/$t-" "${dict[@]}" \
      "$corpus" "tests/fuzz/corpus/$t" 2> "$build_dir/fuzz_$t.log"; then
    status=1
    tail -n 60 "$build_dir/fuzz_$t.log"
    echo "fuzz_$t failed: the input is in $falhas/; the log in $build_dir/fuzz_$t.log"
  else
    grep -E "^stat::number_of_executed_units|^#[0-9]+.*DONE" "$build_dir/fuzz_$t.log" | tail -n 2
  fi
done
exit $status
