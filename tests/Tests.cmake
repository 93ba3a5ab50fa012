# The tests run under Wine, once as Windows 98 and once as Windows XP: the same
# objects are linked into two programs whose names the test prefix maps to the
# two Windows versions.
add_subdirectory(/usr/src/googletest ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)
include(GoogleTest)
enable_testing()

set(VELMORA_FLAVOURS 9x nt)
set(VELMORA_TEST_PREFIX ${CMAKE_BINARY_DIR}/wineprefix)
set(VELMORA_9X_PROGRAMS "velmora_tests_9x.exe velmora_bench_9x.exe")
set(VELMORA_NT_PROGRAMS "velmora_tests_nt.exe velmora_bench_nt.exe")
set(VELMORA_VISTA_PROGRAMS "velmora_tests_vista.exe")
set(VELMORA_WIN8_PROGRAMS "velmora_tests_win8.exe")
configure_file(${CMAKE_SOURCE_DIR}/tests/wine-run.sh.in ${CMAKE_BINARY_DIR}/wine-run.sh
  @ONLY FILE_PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
set(CMAKE_CROSSCOMPILING_EMULATOR ${CMAKE_BINARY_DIR}/wine-run.sh)

file(GLOB VELMORA_TEST_SOURCES CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/tests/*.cpp)
add_library(velmora_test_objs OBJECT ${VELMORA_TEST_SOURCES})
velmora_target_settings(velmora_test_objs)
target_link_libraries(velmora_test_objs PUBLIC gtest velmora_core)

add_test(NAME wine.start COMMAND ${CMAKE_BINARY_DIR}/wine-run.sh --start-server)
add_test(NAME wine.stop COMMAND ${CMAKE_BINARY_DIR}/wine-run.sh --stop-server)
set_tests_properties(wine.start PROPERTIES FIXTURES_SETUP wine)
set_tests_properties(wine.stop PROPERTIES FIXTURES_CLEANUP wine)

# The program that the logon tests have Windows start, beside the test programs.
add_executable(velmora_marker WIN32 tests/marker/marker.cpp)
velmora_target_settings(velmora_marker)

foreach(flavour ${VELMORA_FLAVOURS})
  add_executable(velmora_tests_${flavour} $<TARGET_OBJECTS:velmora_test_objs> ${VELMORA_RESOURCES})
  velmora_target_settings(velmora_tests_${flavour})
  target_link_libraries(velmora_tests_${flavour} PRIVATE velmora_test_objs)
  add_dependencies(velmora_tests_${flavour} velmora_help velmora_marker)
  # The tests share the real Run keys and folders of one prefix: one at a time.
  gtest_discover_tests(velmora_tests_${flavour}
    TEST_PREFIX "${flavour}."
    DISCOVERY_TIMEOUT 120
    DISCOVERY_MODE PRE_TEST
    PROPERTIES FIXTURES_REQUIRED wine RUN_SERIAL TRUE)

  add_executable(velmora_bench_${flavour} tests/bench/bench.cpp ${VELMORA_RESOURCES})
  velmora_target_settings(velmora_bench_${flavour})
  target_link_libraries(velmora_bench_${flavour} PRIVATE velmora_core)
endforeach()

# The Alt-key repaint fix acts only from Windows Vista on: its tests run once
# more in a program that the test prefix presents as Windows Vista.
add_executable(velmora_tests_vista $<TARGET_OBJECTS:velmora_test_objs> ${VELMORA_RESOURCES})
velmora_target_settings(velmora_tests_vista)
target_link_libraries(velmora_tests_vista PRIVATE velmora_test_objs)
add_dependencies(velmora_tests_vista velmora_help)
add_test(NAME vista.VistaAltFix COMMAND velmora_tests_vista --gtest_filter=VistaAltFix*)
set_tests_properties(vista.VistaAltFix PROPERTIES FIXTURES_REQUIRED wine RUN_SERIAL TRUE)

# Starts a program and measures its first window from outside (scripts/bench.sh).
add_executable(velmora_launch_bench tests/bench/launch.cpp)
velmora_target_settings(velmora_launch_bench)
target_link_libraries(velmora_launch_bench PRIVATE psapi)

# The runner's own check: cases that end their program before it reports a
# result fail, even when Wine hands back status 0.
add_executable(velmora_runner_check tests/runner/EndsMidCase.cpp)
velmora_target_settings(velmora_runner_check)
target_link_libraries(velmora_runner_check PRIVATE gtest_main)
foreach(case ProcessEndsWithStatusZero Crash)
  add_test(NAME wine.runner.${case}IsAFailure COMMAND velmora_runner_check --gtest_filter=EndsMidCase.${case})
  set_tests_properties(wine.runner.${case}IsAFailure PROPERTIES FIXTURES_REQUIRED wine RUN_SERIAL TRUE
    PASS_REGULAR_EXPRESSION "wine-run: .* without reporting its result")
endforeach()

include(${CMAKE_SOURCE_DIR}/tests/release/Release.cmake)

# From Windows 8 on, Windows can switch start-up entries off, and the pages
# show it: the suites that deal with it run once more in a program that the
# test prefix presents as Windows 8 (64-bit, as this build is).
add_executable(velmora_tests_win8 $<TARGET_OBJECTS:velmora_test_objs> ${VELMORA_RESOURCES})
velmora_target_settings(velmora_tests_win8)
target_link_libraries(velmora_tests_win8 PRIVATE velmora_test_objs)
add_dependencies(velmora_tests_win8 velmora_help)
foreach(suite StartupApproved RegistryStatusTest RegistryViewsTest RegistryPageTest RegistryEditingTest
    RegistryCheckTest RegistrySaveTest RunKeyEntriesTest RegistryExportTest AutostartPageTest RegistrySwitchTest
    AutostartSwitchTest)
  add_test(NAME win8.${suite} COMMAND velmora_tests_win8 --gtest_filter=${suite}.*)
  set_tests_properties(win8.${suite} PROPERTIES FIXTURES_REQUIRED wine RUN_SERIAL TRUE)
endforeach()
