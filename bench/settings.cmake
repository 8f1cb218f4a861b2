# SPDX-License-Identifier: GPL-3.0-or-later
pkg_check_modules(TURBOJPEG_BENCH REQUIRED IMPORTED_TARGET libturbojpeg)
tastavo_add_bench(bench_settings bench_settings.cpp settings PkgConfig::TURBOJPEG_BENCH)
add_dependencies(bench_settings tastavo_data)
# The same rows with the decoder of builds without libjpeg-turbo (stb_image: Windows), linked
# ahead of the library's, to compare the two back to back.
tastavo_add_bench(bench_settings_stb bench_settings.cpp settings PkgConfig::TURBOJPEG_BENCH tastavo_stb)
target_sources(bench_settings_stb PRIVATE ${PROJECT_SOURCE_DIR}/src/settings/ImagemStb.cpp)
add_dependencies(bench_settings_stb tastavo_data)
