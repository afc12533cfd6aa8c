# The time of every package and archive: SOURCE_DATE_EPOCH where set, else the changelog's
# latest entry (there even without git), never the clock, so that a rebuild gives the same
# bytes. Sets dayplot_epoch, and DAYPLOT_DATE, that day as the manual pages give it.
if(DEFINED ENV{SOURCE_DATE_EPOCH})
  set(dayplot_epoch $ENV{SOURCE_DATE_EPOCH})
else()
  # the newest entry's own trailer: the line after its heading that is a heading or a trailer
  file(STRINGS ${PROJECT_SOURCE_DIR}/doc/changelog lines REGEX "^(dayplot \\(| -- )" LIMIT_COUNT 2)
  list(APPEND lines "" "")
  list(GET lines 1 trailer)
  string(REGEX REPLACE "^ -- .*>  " "" trailer "${trailer}")
  # date takes an empty date for today's midnight: the packages would follow the calendar
  if(NOT trailer MATCHES "^[A-Z][a-z][a-z], [0-9]")
    message(FATAL_ERROR "doc/changelog: the newest entry has no trailer line (\" -- name <address>  "
      "day, date time zone\") to date the packages by")
  endif()
  execute_process(COMMAND date -u -d "${trailer}" +%s OUTPUT_VARIABLE dayplot_epoch
    OUTPUT_STRIP_TRAILING_WHITESPACE COMMAND_ERROR_IS_FATAL ANY)
endif()
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/doc/changelog)
set(ENV{SOURCE_DATE_EPOCH} ${dayplot_epoch}) # string(TIMESTAMP) takes it for the time
string(TIMESTAMP DAYPLOT_DATE "%Y-%m-%d" UTC)
