# SPDX-License-Identifier: GPL-3.0-or-later
tastavo_add_bench(bench_catalogue bench_catalogue.cpp voicing settings music)
add_dependencies(bench_catalogue tastavo_data)
