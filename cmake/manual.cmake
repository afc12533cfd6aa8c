# cmake -DPAGE=FILE -DOUT=FILE [-DGROFF=PATH] [-DWINDOWS=ON] -P manual.cmake: the manual page
# FILE, its placeholders filled, made into plain text OUT, the same bytes on every build.
# Left-adjusted and unhyphenated, so that a message or a command stands whole, with single
# blanks, as a search looks for it; \- as the ASCII hyphen-minus whatever the system's
# man.local says; no overstriking; in a UTF-8 locale, in which alone troff gives Japanese
# characters their double width. WINDOWS: CR LF line ends and a byte order mark, without which
# Notepad may take the Japanese for the system's code page.
if(NOT GROFF)
  set(GROFF groff)
endif()
file(READ ${PAGE} source)
file(WRITE ${OUT}.man ".ad l\n.char \\- \\N'45'\n${source}")
execute_process(COMMAND ${CMAKE_COMMAND} -E env LC_ALL=C.UTF-8 ${GROFF} -K utf8 -T utf8 -mandoc
    -P-c -P-b -P-u -rHY=0 -dAD=l -ww ${OUT}.man
  OUTPUT_VARIABLE text ERROR_VARIABLE warnings RESULT_VARIABLE status)
file(REMOVE ${OUT}.man)
if(NOT status EQUAL 0 OR NOT warnings STREQUAL "")
  message(FATAL_ERROR "dayplot: groff (with its man macros and preconv; install groff), making "
    "${OUT} of ${PAGE}, ended with ${status}:\n${warnings}")
endif()
if(WINDOWS)
  string(ASCII 239 187 191 bom)
  string(REPLACE "\n" "\r\n" text "${bom}${text}")
endif()
file(WRITE ${OUT} "${text}")
