# The release signing keys of a build.
#
# LEANLOG_RELEASE_PUBLIC_KEY names the PEM Ed25519 public key compiled into
# the programs: only archives signed by its private half are installed. It
# defaults to the project's release key; people who publish their own feed
# name theirs. Every build also makes a throwaway pair of its own in
# <build>/release-test-key/ (the private half never leaves the build
# folder), which signs the feed's test release; scripts/test, scripts/run
# and scripts/feed point the option at its public half, so the programs
# they build install what the local feed offers.
find_program(LEANLOG_OPENSSL openssl REQUIRED)
set(LEANLOG_TEST_KEY_DIR ${CMAKE_BINARY_DIR}/release-test-key)
set(LEANLOG_TEST_PRIVATE_KEY ${LEANLOG_TEST_KEY_DIR}/test-release.key)
set(LEANLOG_TEST_PUBLIC_KEY ${LEANLOG_TEST_KEY_DIR}/test-release.pub)
if(NOT EXISTS ${LEANLOG_TEST_PUBLIC_KEY})
  file(MAKE_DIRECTORY ${LEANLOG_TEST_KEY_DIR})
  execute_process(COMMAND ${LEANLOG_OPENSSL} genpkey -algorithm ed25519 -out ${LEANLOG_TEST_PRIVATE_KEY}
                  COMMAND_ERROR_IS_FATAL ANY)
  execute_process(COMMAND ${LEANLOG_OPENSSL} pkey -in ${LEANLOG_TEST_PRIVATE_KEY} -pubout -out ${LEANLOG_TEST_PUBLIC_KEY}
                  COMMAND_ERROR_IS_FATAL ANY)
endif()

set(LEANLOG_RELEASE_PUBLIC_KEY ${PROJECT_SOURCE_DIR}/release/leanlog-release.pub
    CACHE FILEPATH "PEM Ed25519 public key whose signatures the updater and the program accept")
if(NOT EXISTS ${LEANLOG_RELEASE_PUBLIC_KEY})
  message(FATAL_ERROR "LEANLOG_RELEASE_PUBLIC_KEY: no file ${LEANLOG_RELEASE_PUBLIC_KEY}")
endif()
file(READ ${LEANLOG_RELEASE_PUBLIC_KEY} LEANLOG_RELEASE_KEY_PEM)
if(NOT LEANLOG_RELEASE_KEY_PEM MATCHES "-----BEGIN PUBLIC KEY-----")
  message(FATAL_ERROR "LEANLOG_RELEASE_PUBLIC_KEY: ${LEANLOG_RELEASE_PUBLIC_KEY} is not a PEM public key")
endif()
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${LEANLOG_RELEASE_PUBLIC_KEY})
set(LEANLOG_TRUSTED_KEY_SOURCE ${CMAKE_BINARY_DIR}/generated/TrustedReleaseKey.cpp)
configure_file(${PROJECT_SOURCE_DIR}/src/update/TrustedReleaseKey.cpp.in ${LEANLOG_TRUSTED_KEY_SOURCE} @ONLY)
if(LEANLOG_RELEASE_PUBLIC_KEY STREQUAL LEANLOG_TEST_PUBLIC_KEY)
  set(LEANLOG_TRUSTS_TEST_KEY 1)
else()
  set(LEANLOG_TRUSTS_TEST_KEY 0)
  message(STATUS "Release key: ${LEANLOG_RELEASE_PUBLIC_KEY}; the signed-update tests need "
                 "-DLEANLOG_RELEASE_PUBLIC_KEY=${LEANLOG_TEST_PUBLIC_KEY} and are skipped")
endif()
