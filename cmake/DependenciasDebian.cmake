# SPDX-License-Identifier: GPL-3.0-or-later
# Run by cpack on the staged files before the Debian package is made (CPACK_PRE_BUILD_SCRIPTS):
# the shared libraries the package's executables and plugins need, found by dpkg-shlibdeps as
# CPack's own option would find them, added to CPACK_DEBIAN_PACKAGE_DEPENDS, but without the
# ldconfig maintainer scripts CPack adds with that option.
if(NOT CPACK_GENERATOR STREQUAL "DEB" AND NOT CPACK_GENERATOR MATCHES "^DEB;|;DEB$|;DEB;")
  return()
endif()
find_program(TASTAVO_DPKG_SHLIBDEPS dpkg-shlibdeps)
if(NOT TASTAVO_DPKG_SHLIBDEPS)
  message(FATAL_ERROR "dpkg-shlibdeps is needed for the package's dependencies (package dpkg-dev)")
endif()

file(GLOB_RECURSE arquivos LIST_DIRECTORIES false "${CPACK_TEMPORARY_DIRECTORY}/*")
set(binarios "")
foreach(arquivo IN LISTS arquivos)
  if(IS_SYMLINK "${arquivo}")
    continue()
  endif()
  file(READ "${arquivo}" cabecalho LIMIT 4 HEX)
  if(cabecalho STREQUAL "7f454c46")
    list(APPEND binarios "${arquivo}")
  endif()
endforeach()
if(NOT binarios)
  message(FATAL_ERROR "no executable or library among the staged files in ${CPACK_TEMPORARY_DIRECTORY}")
endif()

# dpkg-shlibdeps wants a debian/control in its working folder; one beside the staging folder
# stays out of the package.
set(pasta "${CPACK_TEMPORARY_DIRECTORY}-shlibdeps")
file(MAKE_DIRECTORY "${pasta}/debian")
file(WRITE "${pasta}/debian/control" "")
execute_process(COMMAND ${TASTAVO_DPKG_SHLIBDEPS} -O ${binarios}
  WORKING_DIRECTORY "${pasta}"
  OUTPUT_VARIABLE saida ERROR_VARIABLE erros RESULT_VARIABLE status)
file(REMOVE_RECURSE "${pasta}")
if(NOT status EQUAL 0 OR NOT saida MATCHES "shlibs:Depends=")
  message(FATAL_ERROR "dpkg-shlibdeps failed: ${erros}")
endif()
string(REGEX REPLACE "^.*shlibs:Depends=" "" bibliotecas "${saida}")
string(STRIP "${bibliotecas}" bibliotecas)
if(CPACK_DEBIAN_PACKAGE_DEPENDS)
  set(CPACK_DEBIAN_PACKAGE_DEPENDS "${CPACK_DEBIAN_PACKAGE_DEPENDS}, ${bibliotecas}")
else()
  set(CPACK_DEBIAN_PACKAGE_DEPENDS "${bibliotecas}")
endif()
message(STATUS "Package dependencies: ${CPACK_DEBIAN_PACKAGE_DEPENDS}")
