# SPDX-License-Identifier: GPL-3.0-or-later
tastavo_add_bench(bench_voicing bench_voicing.cpp voicing music)
