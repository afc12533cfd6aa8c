# cmake -DRELEASE=DIR -DOUT=DIR [-DPUBLISH=ON] -P publish.cmake: takes out of DIR what an
# earlier release left there (the files named dayplot-* and dayplot_*, nothing else) and
# empties OUT, where the release is made; with PUBLISH, run once every test of the release
# has passed, copies OUT's files to DIR, so that DIR never holds an untested package.
file(GLOB earlier ${RELEASE}/dayplot[-_]*)
if(earlier)
  file(REMOVE ${earlier})
endif()
if(NOT PUBLISH)
  file(REMOVE_RECURSE ${OUT})
  file(MAKE_DIRECTORY ${OUT} ${RELEASE})
  return()
endif()
file(GLOB made ${OUT}/*)
file(COPY ${made} DESTINATION ${RELEASE})
list(LENGTH made n)
message("every test passed: the ${n} files of the release are in ${RELEASE}")
