# The release (scripts/release.sh) is made and checked with the tests: the
# archives' contents, and the installers and the 32-bit archive's program
# tried under Wine in a prefix of its own. The release folders are the
# release command's own (build-release/); the files go to release-check/ of
# this build, not to dist/.
add_executable(velmora_release_probe ${CMAKE_SOURCE_DIR}/tests/release/ReleaseProbe.cpp)
velmora_target_settings(velmora_release_probe)
target_link_libraries(velmora_release_probe PRIVATE version)

set(VELMORA_RELEASE_BUILDS ${CMAKE_SOURCE_DIR}/build-release)
set(VELMORA_RELEASE_CHECK ${CMAKE_BINARY_DIR}/release-check)

add_test(NAME release.Make
  COMMAND ${CMAKE_COMMAND} -E env VELMORA_RELEASE_BUILD_DIR=${VELMORA_RELEASE_BUILDS}
          VELMORA_DIST_DIR=${VELMORA_RELEASE_CHECK}/dist bash ${CMAKE_SOURCE_DIR}/scripts/release.sh)
# Building both programs from nothing takes minutes on a fresh machine.
set_tests_properties(release.Make PROPERTIES FIXTURES_SETUP release TIMEOUT 1800)

add_test(NAME release.Archives
  COMMAND bash ${CMAKE_SOURCE_DIR}/tests/release/check-archives.sh ${VELMORA_RELEASE_CHECK}/dist ${PROJECT_VERSION})
add_test(NAME release.Installer
  COMMAND bash ${CMAKE_SOURCE_DIR}/tests/release/check-installer.sh ${VELMORA_RELEASE_BUILDS}
          ${VELMORA_RELEASE_CHECK}/dist ${VELMORA_RELEASE_CHECK}/installer $<TARGET_FILE:velmora_release_probe>
          ${PROJECT_VERSION})
set_tests_properties(release.Archives release.Installer PROPERTIES FIXTURES_REQUIRED release)
set_tests_properties(release.Installer PROPERTIES TIMEOUT 300)
