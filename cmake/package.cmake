# Read by cpack before each package: the package's time, for the archives cpack writes and
# the scripts it runs, is SOURCE_DATE_EPOCH where set, else what the build took from the
# changelog.
if(NOT DEFINED ENV{SOURCE_DATE_EPOCH})
  set(ENV{SOURCE_DATE_EPOCH} ${CPACK_DAYPLOT_EPOCH})
endif()
