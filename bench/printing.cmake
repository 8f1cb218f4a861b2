# SPDX-License-Identifier: GPL-3.0-or-later
tastavo_add_bench(bench_printing bench_printing.cpp printing_qt chart)
add_dependencies(bench_printing tastavo-cli tastavo_data)
