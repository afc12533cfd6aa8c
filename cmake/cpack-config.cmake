# Read by cpack before the zip: the time for the tools it runs (the strip of dayplotw.exe
# writes it there), SOURCE_DATE_EPOCH where set, else what the build took from the changelog.
if(NOT DEFINED ENV{SOURCE_DATE_EPOCH})
  set(ENV{SOURCE_DATE_EPOCH} ${CPACK_DAYPLOT_EPOCH})
endif()
