# SPDX-License-Identifier: GPL-3.0-or-later
tastavo_add_bench(bench_chart bench_chart.cpp chart music voicing printing)
add_dependencies(bench_chart tastavo-cli)
