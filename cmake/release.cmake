# The release: every package built from these sources in a folder of its own, left with its
# checksum in DAYPLOT_RELEASE_DIR, and tested with what it holds, the programs run on the
# processors it is for (under qemu-user and wine).
include(ExternalProject)
if(NOT CMAKE_HOST_SYSTEM_PROCESSOR STREQUAL "x86_64")
  message(FATAL_ERROR "a release is made on an x86-64 (amd64) Debian machine")
endif()
set(needed aarch64-linux-gnu-g++ arm-linux-gnueabi-g++ x86_64-w64-mingw32-g++-posix
  qemu-aarch64-static qemu-arm-static dpkg-deb file lintian strip-nondeterminism unzip)
foreach(tool ${needed})
  find_program(release_${tool} ${tool})
  if(NOT release_${tool})
    message(FATAL_ERROR "a release needs ${tool}: tools/packages.sh names its package")
  endif()
endforeach()
file(GLOB earlier ${DAYPLOT_RELEASE_DIR}/dayplot[-_]*) # what an earlier release left
if(earlier)
  file(REMOVE ${earlier})
endif()
file(MAKE_DIRECTORY ${DAYPLOT_RELEASE_DIR})

set(v ${PROJECT_VERSION})
set(static -DCMAKE_SYSTEM_NAME=Linux -DCMAKE_EXE_LINKER_FLAGS=-static)
# release_package(NAME FILE GENERATOR CMAKE_ARGS...): builds the programs in
# build-stage/NAME, makes the package FILE there and copies it and its checksum out.
function(release_package name file generator)
  ExternalProject_Add(${name}
    SOURCE_DIR ${PROJECT_SOURCE_DIR}
    BINARY_DIR ${PROJECT_BINARY_DIR}/${name}
    CMAKE_ARGS -DDAYPLOT_TESTS=OFF -DDAYPLOT_WERROR=ON ${ARGN}
    BUILD_ALWAYS ON
    INSTALL_COMMAND ${CMAKE_CPACK_COMMAND} -G ${generator}
    COMMAND ${CMAKE_COMMAND} -E copy ${file} ${file}.sha256 ${DAYPLOT_RELEASE_DIR})
endfunction()

# PCs: dynamic, as a native build is, its Depends worked out from the libraries it uses
release_package(amd64 dayplot_${v}_amd64.deb DEB)
# 64-bit ARM from the ARMv8.0 of the Pi 3 up
release_package(arm64 dayplot_${v}_arm64.deb DEB ${static} -DCMAKE_SYSTEM_PROCESSOR=aarch64
  -DCMAKE_CXX_COMPILER=${release_aarch64-linux-gnu-g++})
# 32-bit ARM: Debian's armhf compiler and C library are built for ARMv7, which stops at once
# on the ARMv6 of the Pi 1 and Zero; the armel ones (ARMv5TE, floats in software) run on
# every 32-bit ARM, and a static program is indifferent to the system's float convention
release_package(armhf dayplot_${v}_armhf.deb DEB ${static} -DCMAKE_SYSTEM_PROCESSOR=arm
  -DCMAKE_CXX_COMPILER=${release_arm-linux-gnueabi-g++} -DDAYPLOT_DEB_ARCH=armhf)
release_package(win64 dayplot-${v}-win64.zip ZIP
  -DCMAKE_TOOLCHAIN_FILE=${PROJECT_SOURCE_DIR}/cmake/mingw-w64.cmake)

# Each Debian package checked, and every end-to-end case run with the programs it holds.
set(tests ${PROJECT_SOURCE_DIR}/tests)
set(scratch ${PROJECT_BINARY_DIR}/scratch)
set(runs "amd64 native" "arm64 cortex-a53 qemu-aarch64-static" "armhf arm1176 qemu-arm-static"
  "armhf cortex-a7 qemu-arm-static")
foreach(run ${runs})
  string(REPLACE " " ";" run ${run})
  list(GET run 0 arch)
  list(GET run 1 cpu)
  set(emulator)
  if(NOT cpu STREQUAL "native")
    list(GET run 2 qemu)
    set(emulator ${release_${qemu}} -cpu ${cpu})
  endif()
  add_test(NAME release.${arch}.${cpu} COMMAND sh ${tests}/deb.sh
    ${DAYPLOT_RELEASE_DIR}/dayplot_${v}_${arch}.deb ${PROJECT_SOURCE_DIR} ${scratch}/${arch}.${cpu}
    ${emulator})
endforeach()

# The zip unpacked and its program run through wine, one wine server kept up meanwhile.
set(wine_dir /usr/lib/wine)
set(wine_env "WINEDEBUG=-all;WINEDLLOVERRIDES=mscoree,mshtml=;WINEPREFIX=${PROJECT_BINARY_DIR}/wine")
add_test(NAME release.win64.wine COMMAND sh ${tests}/zip.sh ${DAYPLOT_RELEASE_DIR}/dayplot-${v}-win64.zip
  ${PROJECT_SOURCE_DIR} ${scratch}/win64 ${wine_dir}/wine64)
add_test(NAME release.wine.start COMMAND sh ${tests}/wine.sh start ${wine_dir})
add_test(NAME release.wine.stop COMMAND sh ${tests}/wine.sh stop ${wine_dir})
set_tests_properties(release.wine.start PROPERTIES FIXTURES_SETUP wine)
set_tests_properties(release.wine.stop PROPERTIES FIXTURES_CLEANUP wine)
set_tests_properties(release.win64.wine PROPERTIES FIXTURES_REQUIRED wine)
set_tests_properties(release.win64.wine release.wine.start release.wine.stop PROPERTIES
  ENVIRONMENT "${wine_env}")

# The whole release made twice more, from two unlike copies of the tree: the same bytes.
if(DAYPLOT_REBUILD_TEST)
  add_test(NAME release.rebuild COMMAND sh ${tests}/reproducible.sh ${PROJECT_SOURCE_DIR}
    ${scratch}/rebuild)
endif()
