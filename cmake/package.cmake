# Packaging: the Debian package (cpack -G DEB, Linux builds) and the zip (cpack -G ZIP,
# Windows builds), labelled for the processor their programs are for and dated by the
# changelog, so that a rebuild gives the same bytes.
set(CPACK_PACKAGE_NAME dayplot)
set(CPACK_PACKAGE_VENDOR dayplot)
set(CPACK_PACKAGE_CONTACT "dayplot maintainers <maintainers@dayplot.invalid>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "character charts of timed measurements, one per day")
# the extended description, its lines within 80 columns
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION "dayplotx and dayplotw ask for a data file of timed measurements and draw
every day in it as a chart of value against hour in characters, on the
console and in the file lc.txt. dayplotw follows the Windows console text
conventions.")
set(CPACK_DEBIAN_PACKAGE_SECTION science)
set(CPACK_DEBIAN_PACKAGE_SUGGESTS luit) # shows the Shift_JIS question on a UTF-8 terminal
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_PACKAGE_INSTALL_DIRECTORY dayplot)

# Left alone, cpack labels a package with the build machine's architecture, whatever the
# compiler made. Built across, the label is the compiler's target, and the Depends cannot be
# worked out (dpkg-shlibdeps cannot read the target's libraries): such a package holds static
# programs and depends on nothing, and cpack-config.cmake stops one that would not.
if(CMAKE_SYSTEM_NAME STREQUAL "Windows")
  set(CPACK_SYSTEM_NAME win64)
  set(CPACK_DAYPLOT_REFUSE "a Windows build makes no Debian package: cpack -G ZIP")
elseif(CMAKE_CROSSCOMPILING)
  set(deb_arch ${DAYPLOT_DEB_ARCH})
  if(NOT deb_arch)
    execute_process(COMMAND ${CMAKE_CXX_COMPILER} -dumpmachine OUTPUT_VARIABLE triple
      OUTPUT_STRIP_TRAILING_WHITESPACE)
    execute_process(COMMAND dpkg-architecture -t${triple} -qDEB_HOST_ARCH
      OUTPUT_VARIABLE deb_arch OUTPUT_STRIP_TRAILING_WHITESPACE ERROR_QUIET)
  endif()
  if(NOT deb_arch)
    string(CONCAT CPACK_DAYPLOT_REFUSE "no Debian architecture is known for the target \"${triple}\" "
      "(dpkg-architecture, from dpkg-dev, names it): configure with -DDAYPLOT_DEB_ARCH=...")
  elseif(NOT dayplot_static)
    string(CONCAT CPACK_DAYPLOT_REFUSE "a package of a cross build holds static programs (configure with "
      "-DCMAKE_EXE_LINKER_FLAGS=-static): its Depends cannot be worked out across")
  endif()
  set(CPACK_DEBIAN_PACKAGE_ARCHITECTURE ${deb_arch})
  set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS OFF)
else()
  set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
endif()

# A package rebuilt from these sources is the same bytes: cpack-config.cmake hands it the
# time of epoch.cmake, stage.cmake fixes the modes of what is packed and normalize.cmake what
# cpack leaves.
include(cmake/epoch.cmake)
set(CPACK_DAYPLOT_EPOCH ${dayplot_epoch})
set(CPACK_PROJECT_CONFIG_FILE ${PROJECT_SOURCE_DIR}/cmake/cpack-config.cmake)
set(CPACK_PRE_BUILD_SCRIPTS ${PROJECT_SOURCE_DIR}/cmake/stage.cmake)
set(CPACK_POST_BUILD_SCRIPTS ${PROJECT_SOURCE_DIR}/cmake/normalize.cmake)
set(CPACK_PACKAGE_CHECKSUM SHA256) # beside the package, for checking a download
include(CPack)
