# SPDX-License-Identifier: GPL-3.0-or-later
tastavo_add_bench(bench_naming bench_naming.cpp music)
target_compile_definitions(bench_naming PRIVATE
  TASTAVO_CATALOGO="${CMAKE_SOURCE_DIR}/data/acordes.txt")
