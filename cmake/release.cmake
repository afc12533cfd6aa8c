# The release: every package and archive built from these sources in a folder of its own,
# with its checksum, in build-stage/out; tested with what it holds, the programs run on the
# processors they are for (under qemu-user and wine); copied to DAYPLOT_RELEASE_DIR only
# once every test has passed.
include(ExternalProject)
include(cmake/epoch.cmake)
if(NOT CMAKE_HOST_SYSTEM_PROCESSOR STREQUAL "x86_64")
  message(FATAL_ERROR "a release is made on an x86-64 (amd64) Debian machine")
endif()
set(needed aarch64-linux-gnu-g++ arm-linux-gnueabi-g++ i686-linux-gnu-g++ s390x-linux-gnu-g++
  x86_64-w64-mingw32-g++-posix clang++ qemu-aarch64-static qemu-arm-static qemu-i386-static
  qemu-s390x-static dpkg-deb dpkg-gencontrol lintian zip unzip tar gzip readelf debootstrap groff
  git)
foreach(tool ${needed})
  find_program(release_${tool} ${tool})
  if(NOT release_${tool})
    message(FATAL_ERROR "a release needs ${tool}: tools/packages.sh names its package")
  endif()
endforeach()
file(WRITE ${PROJECT_BINARY_DIR}/libcxx.cpp "#include <cstdio>\n")
execute_process(COMMAND ${release_clang++} -stdlib=libc++ -fsyntax-only
  ${PROJECT_BINARY_DIR}/libcxx.cpp RESULT_VARIABLE libcxx_missing OUTPUT_QUIET ERROR_QUIET)
if(libcxx_missing)
  message(FATAL_ERROR "a release needs libc++: tools/packages.sh names its packages")
endif()

set(v ${PROJECT_VERSION})
file(STRINGS doc/changelog newest LIMIT_COUNT 1)
if(NOT newest MATCHES "^dayplot \\(${v}\\) ")
  message(FATAL_ERROR "doc/changelog's newest entry is not version ${v}, CMakeLists.txt's: add one")
endif()
set(out ${PROJECT_BINARY_DIR}/out)
set(passed ${PROJECT_BINARY_DIR}/passed)
set(publish ${CMAKE_COMMAND} -DRELEASE=${DAYPLOT_RELEASE_DIR} -DOUT=${out} -DPASSED=${passed})
set(publish_script -P ${PROJECT_SOURCE_DIR}/cmake/publish.cmake)
# every build of the release starts by taking the earlier one away
add_custom_target(clear COMMAND ${publish} ${publish_script})
set(tarball sh ${PROJECT_SOURCE_DIR}/cmake/tarball.sh ${dayplot_epoch})

# release_build(NAME CMAKE_ARGS...): the programs built in build-stage/NAME, tests off.
function(release_build name)
  ExternalProject_Add(${name}
    SOURCE_DIR ${PROJECT_SOURCE_DIR}
    BINARY_DIR ${PROJECT_BINARY_DIR}/${name}
    CMAKE_ARGS -DDAYPLOT_TESTS=OFF -DDAYPLOT_WERROR=ON ${ARGN}
    BUILD_ALWAYS ON
    INSTALL_COMMAND ""
    DEPENDS clear)
endfunction()
# release_package(NAME TARGET FILE): the package FILE that the build NAME's TARGET makes, in out/.
function(release_package name target file)
  ExternalProject_Add_Step(${name} ${target}
    COMMAND ${CMAKE_COMMAND} --build . --target ${target}
    COMMAND ${CMAKE_COMMAND} -E copy ${file} ${file}.sha256 ${out}
    WORKING_DIRECTORY <BINARY_DIR> DEPENDEES build ALWAYS ON)
endfunction()
# release_archive(NAME CPU): build NAME's static programs for any Linux on CPU, in out/ as
# dayplot-VERSION-linux-CPU.tar.gz, which unpacks into the folder of that name.
function(release_archive name cpu)
  set(dir dayplot-${v}-linux-${cpu})
  ExternalProject_Add_Step(${name} archive
    COMMAND ${CMAKE_COMMAND} -E rm -rf archive-root
    COMMAND ${CMAKE_COMMAND} --install . --component archive --strip --prefix archive-root/${dir}
    COMMAND ${tarball} ${out}/${dir}.tar.gz archive-root/${dir}
    WORKING_DIRECTORY <BINARY_DIR> DEPENDEES build ALWAYS ON)
endfunction()

# Every Linux build static, the C++ runtime and the C library built in: the programs run on
# every system of their processor, and a package and an archive hold the same programs.
set(static -DCMAKE_EXE_LINKER_FLAGS=-static)
set(across ${static} -DCMAKE_SYSTEM_NAME=Linux)
# PCs
release_build(x86_64 ${static})
release_package(x86_64 deb dayplot_${v}_amd64.deb)
release_archive(x86_64 x86_64)
# 32-bit PCs from the Pentium 4 (SSE2, which the build chooses for its rounding)
release_build(i686 ${across} -DCMAKE_SYSTEM_PROCESSOR=i686
  -DCMAKE_CXX_COMPILER=${release_i686-linux-gnu-g++})
release_archive(i686 i686)
# 64-bit ARM from the ARMv8.0 of the Pi 3 up
release_build(arm64 ${across} -DCMAKE_SYSTEM_PROCESSOR=aarch64
  -DCMAKE_CXX_COMPILER=${release_aarch64-linux-gnu-g++})
release_package(arm64 deb dayplot_${v}_arm64.deb)
release_archive(arm64 aarch64)
# 32-bit ARM: Debian's armhf compiler and C library are built for ARMv7, which stops at once
# on the ARMv6 of the Pi 1 and Zero; the armel ones (ARMv5TE, floats in software) run on
# every 32-bit ARM, and a static program is indifferent to the system's float convention
release_build(armhf ${across} -DCMAKE_SYSTEM_PROCESSOR=arm
  -DCMAKE_CXX_COMPILER=${release_arm-linux-gnueabi-g++} -DDAYPLOT_DEB_ARCH=armhf)
release_package(armhf deb dayplot_${v}_armhf.deb)
release_archive(armhf arm)
# Built only to show the same bytes where the release does not go: s390x (big-endian), and
# clang with its own C++ library, libc++ (that of macOS and FreeBSD)
release_build(s390x ${across} -DCMAKE_SYSTEM_PROCESSOR=s390x
  -DCMAKE_CXX_COMPILER=${release_s390x-linux-gnu-g++})
release_build(libcxx -DCMAKE_CXX_COMPILER=${release_clang++} -DCMAKE_CXX_FLAGS=-stdlib=libc++)
release_build(win64 -DCMAKE_TOOLCHAIN_FILE=${PROJECT_SOURCE_DIR}/cmake/mingw-w64.cmake)
release_package(win64 zip dayplot-${v}-win64.zip)
# the sources, for a build anywhere else: the commit's, or the tree's where there is no git;
# first, so that uncommitted changes stop the release at once
add_custom_target(source ALL
  COMMAND ${tarball} ${out}/dayplot-${v}.tar.gz ${PROJECT_SOURCE_DIR} dayplot-${v}
  DEPENDS clear VERBATIM)

set(tests ${PROJECT_SOURCE_DIR}/tests)
set(scratch ${PROJECT_BINARY_DIR}/scratch)
# release_test(NAME COMMAND...): the test release.NAME, which leaves passed/NAME when it passes
function(release_test name)
  add_test(NAME release.${name} COMMAND sh ${tests}/passed.sh ${passed}/release.${name} ${ARGN})
endfunction()
# release_check(NAME SCRIPT FILE [QEMU CPU]): the test release.NAME, tests/SCRIPT checking
# out/FILE, its programs run under qemu-user's QEMU as CPU where given.
function(release_check name script file)
  set(emulator)
  if(ARGN)
    list(GET ARGN 0 qemu)
    list(GET ARGN 1 cpu)
    set(emulator ${release_${qemu}} -cpu ${cpu})
  endif()
  release_test(${name} bash ${tests}/${script} ${out}/${file}
    ${PROJECT_SOURCE_DIR} ${scratch}/${name} ${emulator})
endfunction()
# Each Debian package checked, and every end-to-end case run with the programs it holds.
release_check(amd64.native deb.sh dayplot_${v}_amd64.deb)
release_check(arm64.cortex-a53 deb.sh dayplot_${v}_arm64.deb qemu-aarch64-static cortex-a53)
release_check(armhf.arm1176 deb.sh dayplot_${v}_armhf.deb qemu-arm-static arm1176)
release_check(armhf.cortex-a7 deb.sh dayplot_${v}_armhf.deb qemu-arm-static cortex-a7)
# Each archive for any Linux unpacked, and every case run with the programs in its folder,
# where no package holds the same programs.
release_test(linux-x86_64 bash ${tests}/archive.sh ${out}/dayplot-${v}-linux-x86_64.tar.gz
  ${PROJECT_SOURCE_DIR} ${scratch}/linux-x86_64 ${out}/dayplot_${v}_amd64.deb)
# i686 under qemu-user as the SSE2 processor the archive is for: a 64-bit kernel need not
# run 32-bit programs at all
release_check(linux-i686 archive.sh dayplot-${v}-linux-i686.tar.gz qemu-i386-static pentium3,+sse2)
release_test(linux-aarch64 bash ${tests}/archive.sh ${out}/dayplot-${v}-linux-aarch64.tar.gz
  ${PROJECT_SOURCE_DIR} ${scratch}/linux-aarch64 ${out}/dayplot_${v}_arm64.deb)
release_test(linux-arm bash ${tests}/archive.sh ${out}/dayplot-${v}-linux-arm.tar.gz
  ${PROJECT_SOURCE_DIR} ${scratch}/linux-arm ${out}/dayplot_${v}_armhf.deb)
# The README's lines for a package run as written, as root, in a throw-away copy of the root.
release_check(readme.amd64 readme.sh dayplot_${v}_amd64.deb)
# The sources built as on another system, with CMake and a compiler alone.
release_check(source source.sh dayplot-${v}.tar.gz)
# Every case run with the programs of the builds that make no file of the release.
release_test(s390x bash ${tests}/cases.sh ${PROJECT_SOURCE_DIR} ${scratch}/s390x
  ${PROJECT_BINARY_DIR}/s390x ${release_qemu-s390x-static})
release_test(libcxx bash ${tests}/cases.sh ${PROJECT_SOURCE_DIR} ${scratch}/libcxx
  ${PROJECT_BINARY_DIR}/libcxx)
# and each of the latter's objects compiled with libc++'s headers
release_test(libcxx.headers sh ${tests}/libcxx.sh ${PROJECT_BINARY_DIR}/libcxx/CMakeFiles)
# A cross build with a C library of its own gets no Debian package: its Depends are unknown.
release_test(refuses-dynamic-cross sh ${tests}/refused.sh
  "a package of a cross build holds static programs" sh -c "cmake -S '${PROJECT_SOURCE_DIR}' \
-B '${scratch}/dynamic' -DCMAKE_SYSTEM_NAME=Linux -DCMAKE_SYSTEM_PROCESSOR=aarch64 \
-DCMAKE_CXX_COMPILER=${release_aarch64-linux-gnu-g++} -DDAYPLOT_TESTS=OFF >/dev/null && \
cmake --build '${scratch}/dynamic' --target deb")

# The zip unpacked and its program run through wine, one wine server kept up meanwhile.
set(wine_dir /usr/lib/wine)
set(wine_env "WINEDEBUG=-all;WINEDLLOVERRIDES=mscoree,mshtml=;WINEPREFIX=${PROJECT_BINARY_DIR}/wine")
release_test(win64.wine bash ${tests}/zip.sh ${out}/dayplot-${v}-win64.zip
  ${PROJECT_SOURCE_DIR} ${scratch}/win64 ${wine_dir}/wine64)
release_test(wine.start sh ${tests}/wine.sh start ${wine_dir})
release_test(wine.stop sh ${tests}/wine.sh stop ${wine_dir})
set_tests_properties(release.wine.start PROPERTIES FIXTURES_SETUP wine)
set_tests_properties(release.wine.stop PROPERTIES FIXTURES_CLEANUP wine)
set_tests_properties(release.win64.wine PROPERTIES FIXTURES_REQUIRED wine)
set_tests_properties(release.win64.wine release.wine.start release.wine.stop PROPERTIES
  ENVIRONMENT "${wine_env}")

# The whole release made once more, from its own sources elsewhere: the same bytes.
if(DAYPLOT_REBUILD_TEST)
  release_test(rebuild sh ${tests}/reproducible.sh ${out}/dayplot-${v}.tar.gz ${scratch}/rebuild)
endif()

# Published only when every other test has passed: ctest does not run a test whose fixture's
# set-up failed, and says so ("Failed test dependencies"); and publish.cmake itself finds
# each test's mark of having passed, and the files of the README's release table.
get_property(checks DIRECTORY PROPERTY TESTS)
set_property(TEST ${checks} APPEND PROPERTY FIXTURES_SETUP release_tested)
string(REPLACE ";" "," check_list "${checks}")
add_test(NAME release.publish COMMAND ${publish} -DPUBLISH=ON -DSOURCE=${PROJECT_SOURCE_DIR}
  -DVERSION=${v} -DCHECKS=${check_list} ${publish_script})
set_tests_properties(release.publish PROPERTIES FIXTURES_REQUIRED release_tested)
