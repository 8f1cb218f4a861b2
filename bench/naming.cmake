# SPDX-License-Identifier: GPL-3.0-or-later
tastavo_add_bench(bench_naming bench_naming.cpp music)
add_dependencies(bench_naming tastavo_data)
