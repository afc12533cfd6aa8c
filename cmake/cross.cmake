# The programs and their tests built for other processors with Debian's cross compilers,
# each configured as any cross build is, and run under qemu-user: one ctest run per target;
# and the programs built with clang and libc++.
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
    --output-on-failure --no-tests=error)
endforeach()

# Both programs built with clang and its own C++ library, libc++ (that of macOS and FreeBSD),
# and every end-to-end case run with them: the same bytes as with g++ and libstdc++.
find_program(cross_clang clang++)
file(WRITE ${PROJECT_BINARY_DIR}/libcxx-check.cpp "#include <cstdio>\n")
if(cross_clang)
  execute_process(COMMAND ${cross_clang} -stdlib=libc++ -fsyntax-only
    ${PROJECT_BINARY_DIR}/libcxx-check.cpp RESULT_VARIABLE libcxx_missing OUTPUT_QUIET ERROR_QUIET)
endif()
if(NOT cross_clang OR libcxx_missing)
  message(FATAL_ERROR "clang++ or libc++ is missing: tools/packages.sh names the packages")
endif()
ExternalProject_Add(libcxx
  SOURCE_DIR ${PROJECT_SOURCE_DIR}
  BINARY_DIR ${PROJECT_BINARY_DIR}/libcxx
  CMAKE_GENERATOR "Unix Makefiles"
  CMAKE_ARGS -DCMAKE_CXX_COMPILER=${cross_clang} -DCMAKE_CXX_FLAGS=-stdlib=libc++
    -DDAYPLOT_TESTS=OFF -DDAYPLOT_WERROR=ON
  BUILD_ALWAYS ON
  INSTALL_COMMAND "")
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
file(GLOB golden_cases LIST_DIRECTORIES true CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/tests/golden/*)
if(NOT golden_cases)
  message(FATAL_ERROR "no end-to-end case in ${PROJECT_SOURCE_DIR}/tests/golden")
endif()
foreach(dir ${golden_cases})
  get_filename_component(name ${dir} NAME)
  foreach(prog dayplotx dayplotw)
    add_test(NAME libcxx.${prog}.${name} COMMAND sh ${PROJECT_SOURCE_DIR}/tests/golden.sh ${dir}
      ${PROJECT_BINARY_DIR}/scratch/libcxx.${prog}.${name} ${PROJECT_BINARY_DIR}/libcxx/${prog})
  endforeach()
endforeach()
