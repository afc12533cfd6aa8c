# Packaging, dated by the changelog so that a rebuild gives the same bytes: on Windows the zip
# (the target zip, cmake/zip.sh), elsewhere the Debian package (the target deb, cmake/deb.sh),
# labelled for the processor its programs are for.
if(CMAKE_SYSTEM_NAME STREQUAL "Windows")
  add_custom_target(zip COMMAND sh ${PROJECT_SOURCE_DIR}/cmake/zip.sh ${PROJECT_BINARY_DIR}
    dayplot-${PROJECT_VERSION}-win64 ${dayplot_epoch} VERBATIM)
  add_dependencies(zip ${dayplot_programs})
  return()
endif()
# Built across, the label is the compiler's target (or DAYPLOT_DEB_ARCH), not the machine's.
set(deb_arch ${DAYPLOT_DEB_ARCH})
if(CMAKE_CROSSCOMPILING AND NOT deb_arch)
  execute_process(COMMAND ${CMAKE_CXX_COMPILER} -dumpmachine OUTPUT_VARIABLE triple
    OUTPUT_STRIP_TRAILING_WHITESPACE)
  execute_process(COMMAND dpkg-architecture -t${triple} -qDEB_HOST_ARCH
    OUTPUT_VARIABLE deb_arch OUTPUT_STRIP_TRAILING_WHITESPACE ERROR_QUIET)
  if(NOT deb_arch)
    set(deb_arch "unknown:${triple}") # deb.sh says what to do
  endif()
endif()
add_custom_target(deb COMMAND sh ${PROJECT_SOURCE_DIR}/cmake/deb.sh ${PROJECT_BINARY_DIR}
  ${PROJECT_SOURCE_DIR} ${PROJECT_VERSION} ${dayplot_epoch} ${deb_arch} VERBATIM)
add_dependencies(deb ${dayplot_programs} compressed_docs)
