#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the whole project with AddressSanitizer and UndefinedBehaviorSanitizer in its own
# folder and runs the whole test suite there, the windows offscreen. Any memory error, leak or
# undefined behaviour fails the test that met it.
set -euo pipefail
cd "$(dirname "$0")/.."
build_dir=${1:-build-sanitize}
jobs=${2:-$(nproc 2>/dev/null || echo 2)}

# -O1 keeps the instrumented tests quick to build and to run; line tables name the source lines
# in the reports. TASTAVO_CMAKE_FLAGS adds options (CI: -DTASTAVO_WERROR=ON).
# shellcheck disable=SC2086
cmake -S . -B "$build_dir" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  "-DCMAKE_CXX_FLAGS_RELWITHDEBINFO=-O1 -g1" -DTASTAVO_SANITIZE=ON -DTASTAVO_BUILD_BENCH=OFF \
  ${TASTAVO_CMAKE_FLAGS:-} > /dev/null
cmake --build "$build_dir" -j "$jobs"

supp="$PWD/tests/sanitize"
# The slow unwinder follows allocations made inside the system's libraries (built without frame
# pointers), so that a leak report names the function, and its suppression can match it.
export ASAN_OPTIONS="detect_leaks=1:abort_on_error=1:strict_string_checks=1:detect_stack_use_after_return=1:fast_unwind_on_malloc=0${ASAN_OPTIONS:+:$ASAN_OPTIONS}"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1:suppressions=$supp/ubsan.supp${UBSAN_OPTIONS:+:$UBSAN_OPTIONS}"
export LSAN_OPTIONS="suppressions=$supp/lsan.supp:print_suppressions=0${LSAN_OPTIONS:+:$LSAN_OPTIONS}"
cd "$build_dir"
QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j "$jobs" --timeout 600
