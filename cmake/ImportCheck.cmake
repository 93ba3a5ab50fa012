# Every import of velmora.exe must exist on the oldest Windows of its
# architecture: checked against the lists in tools/imports by reading the
# program's import table (on the build machine, no Wine needed).
find_package(Python3 3.7 REQUIRED COMPONENTS Interpreter)
enable_testing()

set(VELMORA_IMPORTS_DIR ${CMAKE_SOURCE_DIR}/tools/imports)
# A path, not the Python3::Interpreter target: a target would be run through
# the cross-compiling emulator (Wine).
set(VELMORA_CHECK_IMPORTS ${Python3_EXECUTABLE} ${VELMORA_IMPORTS_DIR}/check_imports.py)
if(CMAKE_SIZEOF_VOID_P EQUAL 8)
  set(VELMORA_OLDEST_WINDOWS ${VELMORA_IMPORTS_DIR}/windows-vista-x64.txt)
else()
  set(VELMORA_OLDEST_WINDOWS ${VELMORA_IMPORTS_DIR}/windows-98se.txt ${VELMORA_IMPORTS_DIR}/windows-2000.txt)
endif()

add_test(NAME imports.velmora COMMAND ${VELMORA_CHECK_IMPORTS} $<TARGET_FILE:velmora> -- ${VELMORA_OLDEST_WINDOWS})

# The check itself must refuse a program with an import that Windows has only
# from Vista on (meaningful where the oldest Windows is older than Vista).
if(CMAKE_SIZEOF_VOID_P EQUAL 4)
  add_executable(velmora_vista_probe ${VELMORA_IMPORTS_DIR}/vista_probe.c)
  target_compile_definitions(velmora_vista_probe PRIVATE WIN32_LEAN_AND_MEAN _WIN32_WINNT=0x0600)
  add_test(NAME imports.refuses_vista_only
    COMMAND ${VELMORA_CHECK_IMPORTS} $<TARGET_FILE:velmora_vista_probe> -- ${VELMORA_OLDEST_WINDOWS})
  set_tests_properties(imports.refuses_vista_only PROPERTIES
    PASS_REGULAR_EXPRESSION "imports KERNEL32.dll!GetTickCount64, which [^\n]* does not list")
endif()
