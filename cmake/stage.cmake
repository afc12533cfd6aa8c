# Run by cpack once the files to pack are installed in its staging folder: directories 0755,
# programs 0755 and other files 0644, whatever the umask made of what cpack made on the way.
file(GLOB_RECURSE staged LIST_DIRECTORIES true "${CPACK_TEMPORARY_INSTALL_DIRECTORY}/*")
foreach(path ${staged})
  if(IS_DIRECTORY ${path} OR path MATCHES "/bin/[^/]*$|[.]exe$")
    file(CHMOD ${path} PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE
      WORLD_READ WORLD_EXECUTE)
  else()
    file(CHMOD ${path} PERMISSIONS OWNER_READ OWNER_WRITE GROUP_READ WORLD_READ)
  endif()
endforeach()
