# SPDX-License-Identifier: GPL-3.0-or-later
# What the Windows build takes from the build machine: the header-only libraries that Debian
# packages for the host (CLI11, nlohmann-json, stb), seen through a folder of their own so that
# the host's /usr/include (glibc's headers) never reaches the MinGW compiler; and GoogleTest
# built for the target from Debian's googletest source package.
# Resources (tastavo-cli's manifest) are compiled by MinGW's windres.
enable_language(RC)

set(TASTAVO_TERCEIROS ${CMAKE_BINARY_DIR}/terceiros)
file(MAKE_DIRECTORY ${TASTAVO_TERCEIROS}/include)
foreach(cabecalhos CLI nlohmann stb)
  if(NOT EXISTS /usr/include/${cabecalhos})
    message(FATAL_ERROR "/usr/include/${cabecalhos} is missing: run scripts/install-deps.sh")
  endif()
  file(CREATE_LINK /usr/include/${cabecalhos} ${TASTAVO_TERCEIROS}/include/${cabecalhos} SYMBOLIC)
endforeach()

# Package configurations for find_package(CLI11) and find_package(nlohmann_json).
function(tastavo_pacote_cabecalhos nome alvo)
  file(WRITE ${TASTAVO_TERCEIROS}/${nome}/${nome}Config.cmake
    "if(NOT TARGET ${alvo})\n"
    "  add_library(${alvo} INTERFACE IMPORTED)\n"
    "  set_target_properties(${alvo} PROPERTIES INTERFACE_INCLUDE_DIRECTORIES ${TASTAVO_TERCEIROS}/include)\n"
    "endif()\n")
  set(${nome}_DIR ${TASTAVO_TERCEIROS}/${nome} CACHE PATH "" FORCE)
endfunction()
tastavo_pacote_cabecalhos(CLI11 CLI11::CLI11)
tastavo_pacote_cabecalhos(nlohmann_json nlohmann_json::nlohmann_json)
# stb_image and stb_image_write: the JPEG decoding without libjpeg-turbo.
add_library(tastavo_stb INTERFACE)
target_include_directories(tastavo_stb SYSTEM INTERFACE ${TASTAVO_TERCEIROS}/include)

if(TASTAVO_BUILD_TESTS)
  set(TASTAVO_GOOGLETEST /usr/src/googletest CACHE PATH "GoogleTest's sources (Debian's googletest)")
  if(NOT EXISTS ${TASTAVO_GOOGLETEST}/CMakeLists.txt)
    message(FATAL_ERROR "${TASTAVO_GOOGLETEST} is missing: run scripts/install-deps.sh")
  endif()
  set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
  set(BUILD_GMOCK ON CACHE BOOL "" FORCE)
  set(gtest_force_shared_crt ON CACHE BOOL "" FORCE)
  add_subdirectory(${TASTAVO_GOOGLETEST} ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL SYSTEM)
  foreach(alvo gtest gtest_main gmock gmock_main)
    if(NOT TARGET GTest::${alvo})
      add_library(GTest::${alvo} ALIAS ${alvo})
    endif()
  endforeach()
  # The test binaries cannot run while they are built: ctest (or scripts/test-windows.sh)
  # lists their cases when it runs them under Wine.
  set(CMAKE_GTEST_DISCOVER_TESTS_DISCOVERY_MODE PRE_TEST)
  # ctest runs them under Wine, in the prefix that scripts/test-windows.sh makes.
  set(CMAKE_CROSSCOMPILING_EMULATOR ${PROJECT_SOURCE_DIR}/scripts/wine.sh)
endif()
