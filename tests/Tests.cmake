# The tests run under Wine, once as Windows 98 and once as Windows XP: the same
# objects are linked into two programs whose names the test prefix maps to the
# two Windows versions.
add_subdirectory(/usr/src/googletest ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)
include(GoogleTest)
enable_testing()

set(VELMORA_FLAVOURS 9x nt)

# velmora_wine_runner(SCRIPT PREFIX ARCH 9X NT VISTA WIN8): the script that
# runs this build's programs in the Wine prefix PREFIX (win64 or win32), which
# presents the programs named in the lists as those Windows versions.
function(velmora_wine_runner script prefix arch)
  set(VELMORA_TEST_PREFIX ${prefix})
  set(VELMORA_WINE_ARCH ${arch})
  set(VELMORA_9X_PROGRAMS "${ARGV3}")
  set(VELMORA_NT_PROGRAMS "${ARGV4}")
  set(VELMORA_VISTA_PROGRAMS "${ARGV5}")
  set(VELMORA_WIN8_PROGRAMS "${ARGV6}")
  configure_file(${CMAKE_SOURCE_DIR}/tests/wine-run.sh.in ${CMAKE_BINARY_DIR}/${script} @ONLY
    FILE_PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
endfunction()

# The 64-bit programs run on 64-bit Windows; the 32-bit ones first on 32-bit
# Windows, and (below) on 64-bit Windows too.
if(CMAKE_SIZEOF_VOID_P EQUAL 8)
  set(VELMORA_WINE_ARCH win64)
else()
  set(VELMORA_WINE_ARCH win32)
endif()
velmora_wine_runner(wine-run.sh ${CMAKE_BINARY_DIR}/wineprefix ${VELMORA_WINE_ARCH}
  "velmora_tests_9x.exe velmora_bench_9x.exe velmora_cli_9x.exe"
  "velmora_tests_nt.exe velmora_bench_nt.exe velmora_cli_nt.exe"
  "velmora_tests_vista.exe" "velmora_tests_win8.exe velmora_cli_win8.exe")
set(CMAKE_CROSSCOMPILING_EMULATOR ${CMAKE_BINARY_DIR}/wine-run.sh)

file(GLOB VELMORA_TEST_SOURCES CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/tests/*.cpp)
add_library(velmora_test_objs OBJECT ${VELMORA_TEST_SOURCES})
velmora_target_settings(velmora_test_objs)
target_link_libraries(velmora_test_objs PUBLIC gtest velmora_core)

add_test(NAME wine.start COMMAND ${CMAKE_BINARY_DIR}/wine-run.sh --start-server)
add_test(NAME wine.stop COMMAND ${CMAKE_BINARY_DIR}/wine-run.sh --stop-server)
set_tests_properties(wine.start PROPERTIES FIXTURES_SETUP wine)
set_tests_properties(wine.stop PROPERTIES FIXTURES_CLEANUP wine)

# The program itself under a name for each Windows the tests present: the
# tests of its command line start it as a script does.
set(VELMORA_CLI_PROGRAMS)
foreach(flavour 9x nt win8)
  set(copy ${CMAKE_BINARY_DIR}/velmora_cli_${flavour}.exe)
  add_custom_command(OUTPUT ${copy} COMMAND ${CMAKE_COMMAND} -E copy $<TARGET_FILE:velmora> ${copy} DEPENDS velmora)
  list(APPEND VELMORA_CLI_PROGRAMS ${copy})
endforeach()
add_custom_target(velmora_cli ALL DEPENDS ${VELMORA_CLI_PROGRAMS})

# The program that the logon tests have Windows start, beside the test programs.
add_executable(velmora_marker WIN32 tests/marker/marker.cpp)
velmora_target_settings(velmora_marker)

# The services proof needs a new Wine session, which a test program cannot
# start on its own server: a script does it around a small Windows program.
add_executable(velmora_service_logon tests/logon/ServiceLogon.cpp)
velmora_target_settings(velmora_service_logon)
target_link_libraries(velmora_service_logon PRIVATE velmora_core)
add_dependencies(velmora_service_logon velmora_marker)
add_test(NAME nt.ServicesLogon COMMAND bash ${CMAKE_SOURCE_DIR}/tests/logon/service-logon.sh
  ${CMAKE_CROSSCOMPILING_EMULATOR} $<TARGET_FILE:velmora_service_logon>)
set_tests_properties(nt.ServicesLogon PROPERTIES FIXTURES_REQUIRED wine RUN_SERIAL TRUE)

foreach(flavour ${VELMORA_FLAVOURS})
  add_executable(velmora_tests_${flavour} $<TARGET_OBJECTS:velmora_test_objs> ${VELMORA_RESOURCES})
  velmora_target_settings(velmora_tests_${flavour})
  target_link_libraries(velmora_tests_${flavour} PRIVATE velmora_test_objs)
  add_dependencies(velmora_tests_${flavour} velmora_help velmora_marker velmora_cli)
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

if(VELMORA_PRODUCT_CHECKS)
  include(${CMAKE_SOURCE_DIR}/tests/release/Release.cmake)
endif()

# From Windows 8 on, Windows can switch start-up entries off, and the pages
# show it: the suites that deal with it run once more in a program that the
# test prefix presents as Windows 8.
add_executable(velmora_tests_win8 $<TARGET_OBJECTS:velmora_test_objs> ${VELMORA_RESOURCES})
velmora_target_settings(velmora_tests_win8)
target_link_libraries(velmora_tests_win8 PRIVATE velmora_test_objs)
add_dependencies(velmora_tests_win8 velmora_help)
set(VELMORA_WIN8_SUITES StartupApproved RegistryStatusTest RegistryViewsTest RegistryPageTest
  RegistryEditingTest RegistryCheckTest RegistrySaveTest RunKeyEntriesTest RegistryExportTest AutostartPageTest
  RegistrySwitchTest StartupFolderTest AdminCommandsTest)
foreach(suite ${VELMORA_WIN8_SUITES})
  add_test(NAME win8.${suite} COMMAND velmora_tests_win8 --gtest_filter=${suite}.*)
  set_tests_properties(win8.${suite} PROPERTIES FIXTURES_REQUIRED wine RUN_SERIAL TRUE)
endforeach()

# Most users of the 32-bit program run it on 64-bit Windows, under WoW64: the
# whole suite once more in a 64-bit prefix as Windows XP, and the suites of
# switched-off entries as Windows 8.
# Not as Windows 98: no 64-bit Windows of that family exists, and a 9x program
# there would see only the 32-bit view of the registry.
if(CMAKE_SIZEOF_VOID_P EQUAL 4)
  velmora_wine_runner(wine-run-wow64.sh ${CMAKE_BINARY_DIR}/wineprefix-wow64 win64
    "" "velmora_tests_wow64_nt.exe velmora_cli_nt.exe" "" "velmora_tests_wow64_win8.exe velmora_cli_win8.exe")
  set(wow64_runner ${CMAKE_BINARY_DIR}/wine-run-wow64.sh)
  add_test(NAME wow64.start COMMAND ${wow64_runner} --start-server)
  add_test(NAME wow64.stop COMMAND ${wow64_runner} --stop-server)
  set_tests_properties(wow64.start PROPERTIES FIXTURES_SETUP wow64)
  set_tests_properties(wow64.stop PROPERTIES FIXTURES_CLEANUP wow64)

  foreach(flavour nt win8)
    add_executable(velmora_tests_wow64_${flavour} $<TARGET_OBJECTS:velmora_test_objs> ${VELMORA_RESOURCES})
    velmora_target_settings(velmora_tests_wow64_${flavour})
    target_link_libraries(velmora_tests_wow64_${flavour} PRIVATE velmora_test_objs)
    add_dependencies(velmora_tests_wow64_${flavour} velmora_help velmora_marker)
    set_target_properties(velmora_tests_wow64_${flavour} PROPERTIES CROSSCOMPILING_EMULATOR ${wow64_runner})
  endforeach()
  gtest_discover_tests(velmora_tests_wow64_nt
    TEST_PREFIX "wow64.nt."
    DISCOVERY_TIMEOUT 120
    DISCOVERY_MODE PRE_TEST
    PROPERTIES FIXTURES_REQUIRED wow64 RUN_SERIAL TRUE)
  foreach(suite ${VELMORA_WIN8_SUITES})
    add_test(NAME wow64.win8.${suite} COMMAND velmora_tests_wow64_win8 --gtest_filter=${suite}.*)
    set_tests_properties(wow64.win8.${suite} PROPERTIES FIXTURES_REQUIRED wow64 RUN_SERIAL TRUE)
  endforeach()

  foreach(case ProcessEndsWithStatusZero Crash)
    add_test(NAME wow64.runner.${case}IsAFailure
      COMMAND ${wow64_runner} $<TARGET_FILE:velmora_runner_check> --gtest_filter=EndsMidCase.${case})
    set_tests_properties(wow64.runner.${case}IsAFailure PROPERTIES FIXTURES_REQUIRED wow64 RUN_SERIAL TRUE
      PASS_REGULAR_EXPRESSION "wine-run: .* without reporting its result")
  endforeach()
endif()

# The README's picture of the Registry page is made again whenever the page changes.
add_test(NAME docs.picture_current COMMAND bash ${CMAKE_SOURCE_DIR}/scripts/picture-current.sh)

# The list for administrators, read by another program's CSV reader.
foreach(flavour ${VELMORA_FLAVOURS})
  add_test(NAME ${flavour}.cli.ReadByPythonsCsvReader
    COMMAND python3 ${CMAKE_SOURCE_DIR}/tests/cli/read-list-as-csv.py ${CMAKE_BINARY_DIR}/wine-run.sh velmora_cli_${flavour}.exe
    WORKING_DIRECTORY ${CMAKE_BINARY_DIR})
  set_tests_properties(${flavour}.cli.ReadByPythonsCsvReader PROPERTIES FIXTURES_REQUIRED wine RUN_SERIAL TRUE)
endforeach()
