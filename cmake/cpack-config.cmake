# Read by cpack before each package: stops a Debian package whose label or Depends could not
# be right, and sets the package's time, for the archives cpack writes and the tools it runs,
# to SOURCE_DATE_EPOCH where set, else what the build took from the changelog.
if(CPACK_DAYPLOT_REFUSE AND CPACK_GENERATOR STREQUAL "DEB")
  message(FATAL_ERROR "dayplot: ${CPACK_DAYPLOT_REFUSE}")
endif()
if(NOT DEFINED ENV{SOURCE_DATE_EPOCH})
  set(ENV{SOURCE_DATE_EPOCH} ${CPACK_DAYPLOT_EPOCH})
endif()
