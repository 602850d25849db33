# What an installed halvane consists of, by GNUInstallDirs: both programs in bin/, the six data
# files in share/halvane/ (where the program looks for them from its own folder), and on Linux
# the desktop entry, the icons, the AppStream metainfo, the manual pages and the documents a
# Debian package carries. Tests, benchmarks, fuzzers and the asset generator stay out.
set(HALVANE_DATA_FILES kachel2.tga ceiling.tga walls.txt ceiling.txt pelgrin.md2 pelgrin2.tga)
list(TRANSFORM HALVANE_DATA_FILES PREPEND ${CMAKE_SOURCE_DIR}/bin/)

install(TARGETS halvane halvane-check RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(FILES ${HALVANE_DATA_FILES} DESTINATION ${CMAKE_INSTALL_DATADIR}/${PROJECT_NAME})

# A Windows user unpacks a zip: the README and the licence are the first things in it.
if(WIN32)
  install(FILES ${CMAKE_SOURCE_DIR}/tools/windows/README.txt DESTINATION .)
  install(FILES ${CMAKE_SOURCE_DIR}/LICENSE DESTINATION . RENAME LICENSE.txt)
  return()
endif()

set(packaging ${CMAKE_SOURCE_DIR}/packaging)
install(FILES ${packaging}/org.halvane.halvane.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${packaging}/org.halvane.halvane.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
foreach(size 48 256)
  install(FILES ${packaging}/icons/halvane-${size}.png DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps
          RENAME halvane.png)
endforeach()

# Manual pages and the changelog compressed as Debian wants them: gzip -9n, no name or time
# inside, so that two builds give the same bytes.
find_program(GZIP_PROGRAM gzip REQUIRED)
set(compressed_docs)
foreach(page man/halvane.6 man/halvane-check.1 debian/changelog)
  get_filename_component(name ${page} NAME)
  add_custom_command(OUTPUT ${CMAKE_BINARY_DIR}/packaging/${name}.gz
                     COMMAND ${GZIP_PROGRAM} -9n -c ${packaging}/${page} > ${CMAKE_BINARY_DIR}/packaging/${name}.gz
                     DEPENDS ${packaging}/${page})
  list(APPEND compressed_docs ${CMAKE_BINARY_DIR}/packaging/${name}.gz)
endforeach()
file(MAKE_DIRECTORY ${CMAKE_BINARY_DIR}/packaging)
add_custom_target(halvane_compressed_docs ALL DEPENDS ${compressed_docs})
install(FILES ${CMAKE_BINARY_DIR}/packaging/halvane.6.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man6)
install(FILES ${CMAKE_BINARY_DIR}/packaging/halvane-check.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
install(FILES ${CMAKE_SOURCE_DIR}/LICENSE ${CMAKE_SOURCE_DIR}/README.md ${packaging}/debian/copyright
              ${CMAKE_BINARY_DIR}/packaging/changelog.gz
        DESTINATION ${CMAKE_INSTALL_DOCDIR})
