# Installation: the programs, their manual pages, the READMEs, the licence and the example
# data; on Windows one folder with the executable, its launcher, the READMEs, the manual pages
# as text, the licence and the examples.
# A release's packages are made of what is installed here, its archives for any Linux of the
# component "archive" (one folder: programs, READMEs, licence, examples, the manual as text,
# man/man1/ and man/ja/man1/).
include(GNUInstallDirs)
# groff 1.22 breaks lines only at blanks, and Japanese has none: the Japanese page may break
# after each 、 and 。, and a line that ends in one joins the next without the blank of a line end
file(READ doc/ja/dayplotx.1.in page)
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS
  ${PROJECT_SOURCE_DIR}/doc/ja/dayplotx.1.in)
string(REGEX REPLACE "(、|。)" "\\1\\\\:" page "${page}")
string(REGEX REPLACE "\\\\:\n" "\\\\:\\\\c\n" page "${page}")
file(WRITE ${PROJECT_BINARY_DIR}/ja/dayplotx.1.in "${page}")
if(CMAKE_SYSTEM_NAME STREQUAL "Windows")
  install(TARGETS ${dayplot_programs} RUNTIME DESTINATION .)
  # the text files as Windows users open them: READMEs of their own, CR LF line ends, and a
  # byte order mark before the READMEs' UTF-8, without which Notepad may take their Japanese
  # for the system's code page
  function(windows_readme source readme)
    file(READ ${source} text)
    string(ASCII 239 187 191 bom)
    file(WRITE ${PROJECT_BINARY_DIR}/readme/${readme} "${bom}${text}")
    configure_file(${PROJECT_BINARY_DIR}/readme/${readme} text/${readme} @ONLY NEWLINE_STYLE CRLF)
    set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/${source})
  endfunction()
  windows_readme(doc/README-windows.txt README.txt)
  windows_readme(doc/ja/README-windows.txt README-ja.txt)
  # the reference beside them: each manual page made into text as Notepad shows it, the
  # examples as the zip holds them
  find_program(GROFF groff)
  if(NOT GROFF)
    message(FATAL_ERROR "dayplot: a Windows build makes the zip's manual.txt and manual-ja.txt "
      "from the manual pages with groff, and groff was not found: install groff, or name it "
      "with -DGROFF=PATH")
  endif()
  set(DAYPLOT_EXAMPLES examples)
  configure_file(doc/dayplotx.1.in manual/manual.1 @ONLY)
  configure_file(${PROJECT_BINARY_DIR}/ja/dayplotx.1.in manual/manual-ja.1 @ONLY)
  foreach(text manual manual-ja)
    execute_process(COMMAND ${CMAKE_COMMAND} -DPAGE=${PROJECT_BINARY_DIR}/manual/${text}.1
      -DOUT=${PROJECT_BINARY_DIR}/text/${text}.txt -DGROFF=${GROFF} -DWINDOWS=ON
      -P ${PROJECT_SOURCE_DIR}/cmake/manual.cmake COMMAND_ERROR_IS_FATAL ANY)
  endforeach()
  configure_file(LICENSE text/LICENSE.txt @ONLY NEWLINE_STYLE CRLF)
  # the launcher a double-click starts, whose window stays open after the charts; CR LF line
  # ends, without which cmd may misread a batch file
  configure_file(src/dayplot.cmd text/dayplot.cmd @ONLY NEWLINE_STYLE CRLF)
  configure_file(examples/night.txt text/examples/night.txt @ONLY NEWLINE_STYLE CRLF)
  install(DIRECTORY ${PROJECT_BINARY_DIR}/text/ DESTINATION .)
else()
  install(TARGETS ${dayplot_programs} RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
  install(FILES examples/night.txt DESTINATION ${CMAKE_INSTALL_DOCDIR}/examples)
  # the manual pages name the examples where the prefix of the install puts them
  install(CODE "
    set(PROJECT_VERSION ${PROJECT_VERSION})
    set(DAYPLOT_DATE ${DAYPLOT_DATE})
    set(DAYPLOT_EXAMPLES \"\${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_DOCDIR}/examples\")
    configure_file(${PROJECT_SOURCE_DIR}/doc/dayplotx.1.in ${PROJECT_BINARY_DIR}/page/dayplotx.1 @ONLY)
    configure_file(${PROJECT_BINARY_DIR}/ja/dayplotx.1.in ${PROJECT_BINARY_DIR}/page/ja/dayplotx.1 @ONLY)
    execute_process(COMMAND gzip -9nf ${PROJECT_BINARY_DIR}/page/dayplotx.1 ${PROJECT_BINARY_DIR}/page/ja/dayplotx.1)")
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
  # in either language dayplotw's page points to dayplotx's beside it
  install(FILES ${PROJECT_BINARY_DIR}/page/dayplotx.1.gz ${PROJECT_BINARY_DIR}/dayplotw.1.gz
    DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
  install(FILES ${PROJECT_BINARY_DIR}/page/ja/dayplotx.1.gz ${PROJECT_BINARY_DIR}/dayplotw.1.gz
    DESTINATION ${CMAKE_INSTALL_MANDIR}/ja/man1)
  install(FILES ${PROJECT_BINARY_DIR}/changelog.gz ${PROJECT_BINARY_DIR}/copyright README.md
    README.ja.md DESTINATION ${CMAKE_INSTALL_DOCDIR})
  # the archive's folder, installed only when asked for by name: the manual page names the
  # examples beside it, as the archive unpacks them
  install(TARGETS ${dayplot_programs} RUNTIME DESTINATION . COMPONENT archive EXCLUDE_FROM_ALL)
  install(FILES README.md README.ja.md LICENSE DESTINATION . COMPONENT archive EXCLUDE_FROM_ALL)
  install(FILES examples/night.txt DESTINATION examples COMPONENT archive EXCLUDE_FROM_ALL)
  set(DAYPLOT_EXAMPLES examples)
  configure_file(doc/dayplotx.1.in archive/dayplotx.1 @ONLY)
  configure_file(${PROJECT_BINARY_DIR}/ja/dayplotx.1.in archive/ja/dayplotx.1 @ONLY)
  # dayplotw's page a copy of dayplotx's: man -l resolves a .so line against the current folder
  foreach(lang "" ja/)
    install(FILES ${PROJECT_BINARY_DIR}/archive/${lang}dayplotx.1 DESTINATION man/${lang}man1
      COMPONENT archive EXCLUDE_FROM_ALL)
    install(FILES ${PROJECT_BINARY_DIR}/archive/${lang}dayplotx.1 DESTINATION man/${lang}man1
      RENAME dayplotw.1 COMPONENT archive EXCLUDE_FROM_ALL)
  endforeach()
  # and the manual as text, as the zip has it, for a system without man
  install(CODE "foreach(text manual:archive/dayplotx.1 manual-ja:archive/ja/dayplotx.1)
      string(REGEX MATCH \"^[^:]*\" name \"\${text}\")
      string(REGEX REPLACE \"^[^:]*:\" \"\" page \"\${text}\")
      execute_process(COMMAND ${CMAKE_COMMAND} -DPAGE=${PROJECT_BINARY_DIR}/\${page}
        -DOUT=\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/\${name}.txt
        -P ${PROJECT_SOURCE_DIR}/cmake/manual.cmake COMMAND_ERROR_IS_FATAL ANY)
    endforeach()" COMPONENT archive EXCLUDE_FROM_ALL)
  if(dayplot_static)
    file(WRITE ${PROJECT_BINARY_DIR}/lintian-overrides "# static on purpose: the programs \
run on every system of their architecture, whatever C library it has\n\
dayplot: statically-linked-binary\n")
    install(FILES ${PROJECT_BINARY_DIR}/lintian-overrides
      DESTINATION ${CMAKE_INSTALL_DATADIR}/lintian/overrides RENAME dayplot)
  endif()
endif()

