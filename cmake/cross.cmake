# The programs and their tests built for other processors with Debian's cross compilers,
# each configured as any cross build is, and run under qemu-user: one ctest run per target.
include(ExternalProject)

# processor, compiler triple, qemu-user name
set(cross_targets
  "aarch64 aarch64-linux-gnu aarch64"
  "armv7l arm-linux-gnueabihf arm"
  "i686 i686-linux-gnu i386"
  "s390x s390x-linux-gnu s390x")

foreach(target ${cross_targets})
  string(REPLACE " " ";" target ${target})
  list(GET target 0 cpu)
  list(GET target 1 triple)
  list(GET target 2 qemu)
  find_program(cross_cxx_${cpu} ${triple}-g++)
  find_program(cross_qemu_${cpu} qemu-${qemu}-static)
  if(NOT cross_cxx_${cpu} OR NOT cross_qemu_${cpu})
    message(FATAL_ERROR "${triple}-g++ or qemu-${qemu}-static is missing: "
      "tools/packages.sh names the packages")
  endif()
  ExternalProject_Add(${cpu}
    SOURCE_DIR ${PROJECT_SOURCE_DIR}
    BINARY_DIR ${PROJECT_BINARY_DIR}/${cpu}
    CMAKE_ARGS -DCMAKE_SYSTEM_NAME=Linux -DCMAKE_SYSTEM_PROCESSOR=${cpu}
      -DCMAKE_CXX_COMPILER=${cross_cxx_${cpu}} -DCMAKE_EXE_LINKER_FLAGS=-static
      -DCMAKE_CROSSCOMPILING_EMULATOR=${cross_qemu_${cpu}} -DDAYPLOT_TESTS=ON -DDAYPLOT_WERROR=ON
    BUILD_ALWAYS ON
    INSTALL_COMMAND "")
  add_test(NAME cross.${cpu} COMMAND ${CMAKE_CTEST_COMMAND} --test-dir ${PROJECT_BINARY_DIR}/${cpu}
    --output-on-failure)
endforeach()
