# SPDX-License-Identifier: GPL-3.0-or-later
tastavo_add_bench(bench_main_window bench_main_window.cpp main_window_ui tastavo_test_som)
add_dependencies(bench_main_window tastavo_data)
tastavo_add_bench(bench_inicio bench_inicio.cpp main_window_ui)
add_dependencies(bench_inicio tastavo_data)
