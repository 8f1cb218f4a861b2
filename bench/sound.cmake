# SPDX-License-Identifier: GPL-3.0-or-later
tastavo_add_bench(bench_sound bench_sound.cpp sound_sistema tastavo_test_som settings)
tastavo_add_bench(bench_sound_cli bench_sound_cli.cpp)
add_dependencies(bench_sound_cli tastavo-cli)
