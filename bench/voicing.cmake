tastavo_add_bench(bench_voicing bench_voicing.cpp voicing music)
