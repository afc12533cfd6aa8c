# Read by cpack before the zip: stops a Debian package of the Windows build, which would be
# labelled for the build machine; sets the time for the tools it runs (the strip of
# dayplotw.exe writes it there), SOURCE_DATE_EPOCH where set, else the changelog's.
if(CPACK_GENERATOR STREQUAL "DEB")
  message(FATAL_ERROR "dayplot: a Windows build makes no Debian package: cpack -G ZIP")
endif()
if(NOT DEFINED ENV{SOURCE_DATE_EPOCH})
  set(ENV{SOURCE_DATE_EPOCH} ${CPACK_DAYPLOT_EPOCH})
endif()
