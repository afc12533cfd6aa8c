# The programs built where the release does not go, each case of tests/golden run with both:
# for s390x (big-endian) with Debian's cross compiler, static, under qemu-user; and with clang
# and its own C++ library, libc++ (that of macOS and FreeBSD). The same bytes as everywhere
# else. The release runs the cases on its own processors; the unit tests run natively.
include(ExternalProject)
find_program(cross_s390x s390x-linux-gnu-g++)
find_program(cross_qemu qemu-s390x-static)
find_program(cross_clang clang++)
file(WRITE ${PROJECT_BINARY_DIR}/libcxx-check.cpp "#include <cstdio>\n")
if(cross_clang)
  execute_process(COMMAND ${cross_clang} -stdlib=libc++ -fsyntax-only
    ${PROJECT_BINARY_DIR}/libcxx-check.cpp RESULT_VARIABLE libcxx_missing OUTPUT_QUIET ERROR_QUIET)
endif()
if(NOT cross_s390x OR NOT cross_qemu OR NOT cross_clang OR libcxx_missing)
  message(FATAL_ERROR "s390x-linux-gnu-g++, qemu-s390x-static, clang++ or libc++ is missing: "
    "tools/packages.sh names the packages")
endif()
file(GLOB golden_cases LIST_DIRECTORIES true CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/tests/golden/*)
if(NOT golden_cases)
  message(FATAL_ERROR "no end-to-end case in ${PROJECT_SOURCE_DIR}/tests/golden")
endif()
# cross_build(NAME [EMULATOR] -- CMAKE_ARGS...): the programs in build-cross/NAME, and the tests
# NAME.PROGRAM.CASE
function(cross_build name emulator)
  ExternalProject_Add(${name}
    SOURCE_DIR ${PROJECT_SOURCE_DIR}
    BINARY_DIR ${PROJECT_BINARY_DIR}/${name}
    CMAKE_ARGS -DDAYPLOT_TESTS=OFF -DDAYPLOT_WERROR=ON ${ARGN}
    BUILD_ALWAYS ON
    INSTALL_COMMAND "")
  foreach(dir ${golden_cases})
    get_filename_component(case ${dir} NAME)
    foreach(prog dayplotx dayplotw)
      add_test(NAME ${name}.${prog}.${case} COMMAND sh ${PROJECT_SOURCE_DIR}/tests/golden.sh ${dir}
        ${PROJECT_BINARY_DIR}/scratch/${name}.${prog}.${case} ${emulator}
        ${PROJECT_BINARY_DIR}/${name}/${prog})
    endforeach()
  endforeach()
endfunction()
cross_build(s390x ${cross_qemu} -DCMAKE_SYSTEM_NAME=Linux -DCMAKE_SYSTEM_PROCESSOR=s390x
  -DCMAKE_CXX_COMPILER=${cross_s390x} -DCMAKE_EXE_LINKER_FLAGS=-static)
cross_build(libcxx "" -DCMAKE_CXX_COMPILER=${cross_clang} -DCMAKE_CXX_FLAGS=-stdlib=libc++)
# The programs hold no symbol of the C++ library: what shows that libc++ was used is the
# headers each object was compiled from, as the compiler's dependency files list them.
add_test(NAME libcxx.headers COMMAND sh -c [[
n=0
for d in $(find "$1" -name "*.o.d"); do
    n=$((n + 1))
    grep -q "/c++/v1/" "$d" || { echo "$d lists no libc++ header: the build took another C++ library"; exit 1; }
done
[ $n -gt 0 ] || { echo "no dependency file in $1: nothing shows which C++ library the build used"; exit 1; }
echo "$n objects, each compiled with libc++'s headers"]] sh ${PROJECT_BINARY_DIR}/libcxx/CMakeFiles)
