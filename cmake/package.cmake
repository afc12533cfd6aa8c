# Packaging, dated by the changelog so that a rebuild gives the same bytes: on Windows the zip
# (cpack -G ZIP), elsewhere the Debian package (the target deb, cmake/deb.sh), labelled for
# the processor its programs are for.
if(CMAKE_SYSTEM_NAME STREQUAL "Windows")
  set(CPACK_PACKAGE_NAME dayplot)
  set(CPACK_SYSTEM_NAME win64)
  set(CPACK_GENERATOR ZIP)
  set(CPACK_STRIP_FILES ON)
  set(CPACK_PACKAGE_CHECKSUM SHA256) # beside the package, for checking a download
  # cpack-config.cmake hands cpack the time, stage.cmake fixes the modes of what is packed and
  # normalize.cmake what the zip writer leaves to the machine
  set(CPACK_DAYPLOT_EPOCH ${dayplot_epoch})
  set(CPACK_PROJECT_CONFIG_FILE ${PROJECT_SOURCE_DIR}/cmake/cpack-config.cmake)
  set(CPACK_PRE_BUILD_SCRIPTS ${PROJECT_SOURCE_DIR}/cmake/stage.cmake)
  set(CPACK_POST_BUILD_SCRIPTS ${PROJECT_SOURCE_DIR}/cmake/normalize.cmake)
  include(CPack)
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
