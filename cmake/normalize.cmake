# Run by cpack after the zip: fixes what its writer leaves to the machine (member times in
# local time, the folder's order, the owner). cpack then writes the zip's SHA-256 file.
find_program(strip_nondeterminism strip-nondeterminism)
if(NOT strip_nondeterminism)
  message(FATAL_ERROR "strip-nondeterminism is needed for a zip that rebuilds bit for bit: "
    "apt-get install strip-nondeterminism")
endif()
foreach(package ${CPACK_PACKAGE_FILES})
  execute_process(COMMAND ${strip_nondeterminism} -t zip -T $ENV{SOURCE_DATE_EPOCH} ${package}
    COMMAND_ERROR_IS_FATAL ANY)
endforeach()
