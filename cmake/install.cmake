# Installation: the programs, their manual pages, the licence and the example data; on
# Windows one folder with the executable, the README, the licence and the examples.
# A release's packages are made of what is installed here, its archives for any Linux of the
# component "archive" (one folder: programs, README, licence, examples and man/man1/).
include(GNUInstallDirs)
if(CMAKE_SYSTEM_NAME STREQUAL "Windows")
  install(TARGETS ${dayplot_programs} RUNTIME DESTINATION .)
  # the text files as Windows users open them: a README of their own, CR LF line ends
  configure_file(doc/README-windows.txt text/README.txt @ONLY NEWLINE_STYLE CRLF)
  configure_file(LICENSE text/LICENSE.txt @ONLY NEWLINE_STYLE CRLF)
  configure_file(examples/night.txt text/examples/night.txt @ONLY NEWLINE_STYLE CRLF)
  install(DIRECTORY ${PROJECT_BINARY_DIR}/text/ DESTINATION .)
else()
  install(TARGETS ${dayplot_programs} RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
  install(FILES examples/night.txt DESTINATION ${CMAKE_INSTALL_DOCDIR}/examples)
  # the manual page names the examples where the prefix of the install puts them
  install(CODE "
    set(PROJECT_VERSION ${PROJECT_VERSION})
    set(DAYPLOT_EXAMPLES \"\${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_DOCDIR}/examples\")
    configure_file(${PROJECT_SOURCE_DIR}/doc/dayplotx.1.in ${PROJECT_BINARY_DIR}/page/dayplotx.1 @ONLY)
    execute_process(COMMAND gzip -9nf ${PROJECT_BINARY_DIR}/page/dayplotx.1)")
  install(FILES ${PROJECT_BINARY_DIR}/page/dayplotx.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
  # the licence in Debian's machine-readable copyright format
  file(READ LICENSE license)
  string(FIND "${license}" "Permission" start)
  string(SUBSTRING "${license}" ${start} -1 license)
  string(STRIP "${license}" license)
  string(REPLACE "\n" "\n " license " ${license}")
  string(REPLACE "\n \n" "\n .\n" LICENSE_BODY "${license}")
  configure_file(doc/copyright.in copyright @ONLY)
  # manual pages and the changelog compressed as Debian wants them: gzip -9n
  set(gzipped)
  foreach(f ${PROJECT_SOURCE_DIR}/doc/dayplotw.1 ${PROJECT_SOURCE_DIR}/doc/changelog)
    get_filename_component(name ${f} NAME)
    add_custom_command(OUTPUT ${name}.gz COMMAND gzip -9n -c ${f} > ${name}.gz DEPENDS ${f})
    list(APPEND gzipped ${PROJECT_BINARY_DIR}/${name}.gz)
  endforeach()
  add_custom_target(compressed_docs ALL DEPENDS ${gzipped})
  install(FILES ${PROJECT_BINARY_DIR}/dayplotw.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
  install(FILES ${PROJECT_BINARY_DIR}/changelog.gz ${PROJECT_BINARY_DIR}/copyright
    DESTINATION ${CMAKE_INSTALL_DOCDIR})
  # the archive's folder, installed only when asked for by name: the manual page names the
  # examples beside it, as the archive unpacks them
  install(TARGETS ${dayplot_programs} RUNTIME DESTINATION . COMPONENT archive EXCLUDE_FROM_ALL)
  install(FILES README.md LICENSE DESTINATION . COMPONENT archive EXCLUDE_FROM_ALL)
  install(FILES examples/night.txt DESTINATION examples COMPONENT archive EXCLUDE_FROM_ALL)
  set(DAYPLOT_EXAMPLES examples)
  configure_file(doc/dayplotx.1.in archive/dayplotx.1 @ONLY)
  install(FILES ${PROJECT_BINARY_DIR}/archive/dayplotx.1 doc/dayplotw.1 DESTINATION man/man1
    COMPONENT archive EXCLUDE_FROM_ALL)
  if(dayplot_static)
    file(WRITE ${PROJECT_BINARY_DIR}/lintian-overrides "# static on purpose: the programs \
run on every system of their architecture, whatever C library it has\n\
dayplot: statically-linked-binary\n")
    install(FILES ${PROJECT_BINARY_DIR}/lintian-overrides
      DESTINATION ${CMAKE_INSTALL_DATADIR}/lintian/overrides RENAME dayplot)
  endif()
endif()

