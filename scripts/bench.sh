#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Runs every benchmark executable of the build.
set -euo pipefail
build_dir=${1:-build}
status=0
for b in "$build_dir"/bin/bench_*; do
  [ -x "$b" ] || continue
  echo "== $(basename "$b")"
  "$b" --benchmark_min_time=0.5 || status=1
done
exit $status
