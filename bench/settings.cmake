# SPDX-License-Identifier: GPL-3.0-or-later
pkg_check_modules(TURBOJPEG_BENCH REQUIRED IMPORTED_TARGET libturbojpeg)
tastavo_add_bench(bench_settings bench_settings.cpp settings PkgConfig::TURBOJPEG_BENCH)
add_dependencies(bench_settings tastavo_data)
