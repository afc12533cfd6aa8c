# Run by cpack after each package: fixes what its archive writer leaves to the machine (a
# .deb's Installed-Size counts the file system's folder lengths, its ar members' modes follow
# the umask; a zip's member times are local time, its order that of the folder, its members
# carry the owner). cpack then writes the SHA-256 file
# of the package so fixed.
find_program(strip_nondeterminism strip-nondeterminism)
if(NOT strip_nondeterminism)
  message(FATAL_ERROR "strip-nondeterminism is needed for a package that rebuilds bit for "
    "bit: apt-get install strip-nondeterminism")
endif()
foreach(package ${CPACK_PACKAGE_FILES})
  if(package MATCHES "[.]deb$")
    execute_process(COMMAND sh ${CMAKE_CURRENT_LIST_DIR}/installed-size.sh ${package}
      COMMAND_ERROR_IS_FATAL ANY)
    set(type --normalizers=+ar -t ar) # the ar handler is off unless asked for by name
  else()
    set(type -t zip)
  endif()
  execute_process(COMMAND ${strip_nondeterminism} ${type} -T $ENV{SOURCE_DATE_EPOCH}
    ${package} COMMAND_ERROR_IS_FATAL ANY)
endforeach()
