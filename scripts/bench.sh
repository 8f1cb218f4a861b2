#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Runs every benchmark executable of the build.
set -euo pipefail
build_dir=${1:-build}
status=0
for b in "$build_dir"/bin/bench_*; do
  [ -x "$b" ] || continue
  # Other work on the machine slows every figure: the load is printed beside each one.
  echo "== $(basename "$b") on $(nproc) cores, load $(cut -d' ' -f1-3 /proc/loadavg) before"
  "$b" --benchmark_min_time=0.5 || status=1
  echo "== $(basename "$b") done, load $(cut -d' ' -f1-3 /proc/loadavg)"
done
exit $status
