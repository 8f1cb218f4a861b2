tastavo_add_bench(bench_sound bench_sound.cpp sound settings)
