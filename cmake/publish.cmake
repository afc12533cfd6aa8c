# cmake -DRELEASE=DIR -DOUT=DIR -DPASSED=DIR [-DPUBLISH=ON -DSOURCE=TREE -DVERSION=V -DCHECKS=A,B,...]
# -P publish.cmake: takes out of DIR what an earlier release left there (the files named
# dayplot-* and dayplot_*, nothing else) and empties OUT, where the release is made, and
# PASSED, where each test leaves a file when it passes; with PUBLISH, once every test named
# in CHECKS has left its file, copies OUT's files to DIR, and only when they are exactly the
# files of the README's release table and their checksums: DIR never holds an untested or a
# partial release.
file(GLOB earlier ${RELEASE}/dayplot[-_]*)
if(earlier)
  file(REMOVE ${earlier})
endif()
if(NOT PUBLISH)
  file(REMOVE_RECURSE ${OUT} ${PASSED})
  file(MAKE_DIRECTORY ${OUT} ${RELEASE})
  return()
endif()
string(REPLACE "," ";" checks "${CHECKS}")
foreach(check ${checks})
  if(NOT EXISTS ${PASSED}/${check})
    list(APPEND untested ${check})
  endif()
endforeach()
if(NOT checks OR untested)
  message(FATAL_ERROR "nothing is published: these tests have not passed: ${untested}")
endif()
file(STRINGS ${SOURCE}/README.md rows REGEX "^\\| `dayplot[-_][^`]*` \\|")
set(want)
foreach(row ${rows})
  string(REGEX REPLACE "^\\| `([^`]*)`.*" "\\1" name "${row}")
  string(REPLACE "*" "${VERSION}" name "${name}") # the README names no version
  list(APPEND want ${name} ${name}.sha256)
endforeach()
file(GLOB made RELATIVE ${OUT} ${OUT}/*)
set(missing ${want})
set(extra ${made})
if(made)
  list(REMOVE_ITEM missing ${made})
endif()
if(want)
  list(REMOVE_ITEM extra ${want})
endif()
if(NOT want OR missing OR extra)
  message(FATAL_ERROR "nothing is published: the release is not the files of the README's "
    "release table and their checksums; missing: ${missing}; not in the table: ${extra}")
endif()
list(TRANSFORM made PREPEND ${OUT}/)
file(COPY ${made} DESTINATION ${RELEASE})
list(LENGTH made n)
message("every test passed: the ${n} files of the release are in ${RELEASE}")
