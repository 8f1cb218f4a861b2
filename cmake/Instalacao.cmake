# SPDX-License-Identifier: GPL-3.0-or-later
# Installation on a desktop. `cmake --install build --prefix P` lays out:
#   P/lib/tastavo/        the installation folder: executables and every file they read at run
#                         time, found beside the executable's real path as in build/bin
#   P/bin/                launchers: symbolic links into the installation folder
#   P/share/...           desktop entry, icons, AppStream metainfo, manual pages, shell
#                         completions, and the licence and changelogs in share/doc/tastavo/
# and `cpack -G DEB` (the `package` target) packs the same layout into a Debian package for /usr.
# The data files come from data/ as the build prepares them in build/bin, so a file added there
# is installed without touching this file.

set(TASTAVO_ID_APLICATIVO example.corvela.Tastavo)
if(WIN32)
  # One folder with the executables beside their data, as a Windows installer lays it out.
  set(TASTAVO_PASTA_INSTALACAO .)
else()
  set(TASTAVO_PASTA_INSTALACAO lib/tastavo)
endif()
# The programs a user runs; the screenshot programs are development tools and stay in the build.
set(TASTAVO_LANCADORES tastavo tastavo-cli)
set(TASTAVO_TAMANHOS_ICONE 16 22 24 32 48 64 128 256)
set(TASTAVO_DIST ${PROJECT_SOURCE_DIR}/dist/linux)
set(TASTAVO_GERADOS ${CMAKE_BINARY_DIR}/instalacao)

# The executables, each in the installation folder, with a launcher in bin/.
install(TARGETS ${TASTAVO_LANCADORES} RUNTIME DESTINATION ${TASTAVO_PASTA_INSTALACAO})
# The sound plugin tastavo-cli loads for play and devices, beside it.
install(TARGETS tastavo_som LIBRARY DESTINATION ${TASTAVO_PASTA_INSTALACAO})
# The print plugin tastavo-cli loads for print, beside it too.
install(TARGETS tastavo_impressao LIBRARY DESTINATION ${TASTAVO_PASTA_INSTALACAO})
if(UNIX)
  file(MAKE_DIRECTORY ${TASTAVO_GERADOS}/bin ${TASTAVO_GERADOS}/man1)
  foreach(nome IN LISTS TASTAVO_LANCADORES)
    file(CREATE_LINK ../${TASTAVO_PASTA_INSTALACAO}/${nome} ${TASTAVO_GERADOS}/bin/${nome} SYMBOLIC)
    install(FILES ${TASTAVO_GERADOS}/bin/${nome} DESTINATION bin)
  endforeach()
endif()

# Every shipped data file, as the build prepared it: a language's .idm with its picture keys
# written in, and the .dat holding its pictures.
file(GLOB_RECURSE TASTAVO_DADOS CONFIGURE_DEPENDS RELATIVE ${PROJECT_SOURCE_DIR}/data
  ${PROJECT_SOURCE_DIR}/data/*)
list(FILTER TASTAVO_DADOS EXCLUDE REGEX "CMakeLists\\.txt$")
list(FILTER TASTAVO_DADOS EXCLUDE REGEX "\\.dat$")
foreach(f IN LISTS TASTAVO_DADOS)
  get_filename_component(pasta ${f} DIRECTORY)
  set(arquivos ${CMAKE_RUNTIME_OUTPUT_DIRECTORY}/${f})
  if(f MATCHES "^[^/]*\\.idm$")
    string(REGEX REPLACE "\\.idm$" ".dat" dat ${f})
    list(APPEND arquivos ${CMAKE_RUNTIME_OUTPUT_DIRECTORY}/${dat})
  endif()
  install(FILES ${arquivos} DESTINATION ${TASTAVO_PASTA_INSTALACAO}/${pasta})
endforeach()
# Soundfonts put here are preferred to the system's General MIDI one.
install(DIRECTORY DESTINATION ${TASTAVO_PASTA_INSTALACAO}/soundfonts)

if(NOT UNIX)
  return()
endif()

# The desktop's menu entry and its icons, drawn by the artwork generator like every picture.
install(FILES ${TASTAVO_DIST}/${TASTAVO_ID_APLICATIVO}.desktop DESTINATION share/applications)
# The ChordPro file type the menu entry names, for desktops that do not know it.
install(FILES ${TASTAVO_DIST}/${TASTAVO_ID_APLICATIVO}.mime.xml DESTINATION share/mime/packages
  RENAME ${TASTAVO_ID_APLICATIVO}.xml)
set(TASTAVO_ICONES "")
foreach(tamanho IN LISTS TASTAVO_TAMANHOS_ICONE)
  set(icone ${TASTAVO_GERADOS}/icones/${tamanho}x${tamanho}/${TASTAVO_ID_APLICATIVO}.png)
  add_custom_command(OUTPUT ${icone}
    COMMAND ${CMAKE_COMMAND} -E env QT_QPA_PLATFORM=offscreen $<TARGET_FILE:tastavo-arte>
            icone ${tamanho} ${icone}
    DEPENDS tastavo-arte
    COMMENT "Drawing the ${tamanho}x${tamanho} icon" VERBATIM)
  list(APPEND TASTAVO_ICONES ${icone})
  install(FILES ${icone} DESTINATION share/icons/hicolor/${tamanho}x${tamanho}/apps)
endforeach()
set(icone ${TASTAVO_GERADOS}/icones/scalable/${TASTAVO_ID_APLICATIVO}.svg)
add_custom_command(OUTPUT ${icone}
  COMMAND ${CMAKE_COMMAND} -E env QT_QPA_PLATFORM=offscreen $<TARGET_FILE:tastavo-arte> icone svg ${icone}
  DEPENDS tastavo-arte
  COMMENT "Drawing the scalable icon" VERBATIM)
list(APPEND TASTAVO_ICONES ${icone})
install(FILES ${icone} DESTINATION share/icons/hicolor/scalable/apps)

# Completions of tastavo-cli where bash-completion, zsh and fish look for them.
set(completacoes ${TASTAVO_DIST}/completions)
install(FILES ${completacoes}/tastavo-cli.bash DESTINATION share/bash-completion/completions
  RENAME tastavo-cli)
install(FILES ${completacoes}/_tastavo-cli DESTINATION share/zsh/vendor-completions)
install(FILES ${completacoes}/tastavo-cli.fish DESTINATION share/fish/vendor_completions.d)

# Software centres' entry and the manual pages, with the project's version filled in; manual
# pages compressed as the distributions keep them.
configure_file(${TASTAVO_DIST}/${TASTAVO_ID_APLICATIVO}.metainfo.xml.in
  ${TASTAVO_GERADOS}/${TASTAVO_ID_APLICATIVO}.metainfo.xml @ONLY)
install(FILES ${TASTAVO_GERADOS}/${TASTAVO_ID_APLICATIVO}.metainfo.xml DESTINATION share/metainfo)
set(TASTAVO_MANUAIS "")
foreach(manual tastavo tastavo-cli)
  configure_file(${TASTAVO_DIST}/${manual}.1.in ${TASTAVO_GERADOS}/${manual}.1 @ONLY)
  set(gz ${TASTAVO_GERADOS}/man1/${manual}.1.gz)
  add_custom_command(OUTPUT ${gz}
    COMMAND gzip -9 -n -c ${TASTAVO_GERADOS}/${manual}.1 > ${gz}
    DEPENDS ${TASTAVO_GERADOS}/${manual}.1
    COMMENT "Compressing the manual page ${manual}(1)")
  list(APPEND TASTAVO_MANUAIS ${gz})
endforeach()
install(FILES ${TASTAVO_MANUAIS} DESTINATION share/man/man1)

# The licence (machine-readable, naming the licences of the artwork and data too) and the
# changelogs: the project's NEWS, and the package's own entry for its Debian revision.
set(TASTAVO_REVISAO_DEBIAN 1)
set(TASTAVO_VERSAO_DEBIAN ${PROJECT_VERSION}-${TASTAVO_REVISAO_DEBIAN})
configure_file(${TASTAVO_DIST}/changelog.Debian.in ${TASTAVO_GERADOS}/changelog.Debian @ONLY)
set(TASTAVO_DOCUMENTOS ${TASTAVO_GERADOS}/doc/changelog.gz ${TASTAVO_GERADOS}/doc/changelog.Debian.gz)
add_custom_command(OUTPUT ${TASTAVO_DOCUMENTOS}
  COMMAND ${CMAKE_COMMAND} -E make_directory ${TASTAVO_GERADOS}/doc
  COMMAND gzip -9 -n -c ${PROJECT_SOURCE_DIR}/NEWS > ${TASTAVO_GERADOS}/doc/changelog.gz
  COMMAND gzip -9 -n -c ${TASTAVO_GERADOS}/changelog.Debian > ${TASTAVO_GERADOS}/doc/changelog.Debian.gz
  DEPENDS ${PROJECT_SOURCE_DIR}/NEWS ${TASTAVO_GERADOS}/changelog.Debian
  COMMENT "Compressing the changelogs")
install(FILES ${TASTAVO_DIST}/copyright ${TASTAVO_DOCUMENTOS} DESTINATION share/doc/tastavo)
# What lintian is told to accept, each with its reason written in the file.
install(FILES ${TASTAVO_DIST}/lintian-overrides DESTINATION share/lintian/overrides RENAME tastavo)
add_custom_target(tastavo_instalacao ALL DEPENDS ${TASTAVO_ICONES} ${TASTAVO_MANUAIS} ${TASTAVO_DOCUMENTOS})

# The Debian package. dpkg-shlibdeps finds the shared libraries; the rest of what the
# application opens at run time (the windowing plugins, a General MIDI soundfont, the fonts of
# its windows) is named here.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME tastavo)
set(CPACK_PACKAGE_VENDOR Corvela)
set(CPACK_PACKAGE_CONTACT "Corvela <suporte@corvela.example>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "chord dictionary for keyboard players")
# The extended description; CPack indents it under the summary.
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION "Type a chord symbol such as C7M(9)/E, or pick one from the catalogue, and
Tastavo shows every way to play it on a two-octave keyboard with the best
fingering, labelled by finger, note name or interval. Hear it through the
built-in synthesizer or any MIDI output, collect chords in a print list and
print their keyboard diagrams, or paste a song with its chords to transpose
it.

The command-line tool tastavo-cli gives the same engine to scripts.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_RELEASE ${TASTAVO_REVISAO_DEBIAN})
set(CPACK_DEBIAN_PACKAGE_SECTION sound)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE https://www.corvela.example/)
# CPack's own dpkg-shlibdeps run would also add postinst and postrm scripts calling ldconfig
# for the plugins in /usr/lib/tastavo, which are private and need no ldconfig (and the postrm
# leaves a removed package behind in state "rc"). The same dependencies come from
# DependenciasDebian.cmake instead, run on the staged files before the package is made.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS OFF)
set(CPACK_PRE_BUILD_SCRIPTS ${PROJECT_SOURCE_DIR}/cmake/DependenciasDebian.cmake)
set(CPACK_DEBIAN_PACKAGE_DEPENDS
  "qt6-qpa-plugins, qt6-translations-l10n, timgm6mb-soundfont | sf2-soundfont-gm, fonts-liberation2 | fonts-liberation")
# Help pages and the maker's site open in the desktop's browser.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "xdg-utils")
include(CPack)
