# The Debian package (scripts/package): the programs, the desktop entry and
# icon, the AppStream metainfo, man pages and the package's own documents.
# Dependencies come from the programs' real shared-library needs.
find_program(LEANLOG_GZIP gzip REQUIRED)
set(leanlog_doc_build ${CMAKE_BINARY_DIR}/packaging)
file(MAKE_DIRECTORY ${leanlog_doc_build})

function(leanlog_gzip source target)
  add_custom_command(OUTPUT ${leanlog_doc_build}/${target}
    COMMAND ${LEANLOG_GZIP} -9n -c ${source} > ${leanlog_doc_build}/${target}
    DEPENDS ${source} VERBATIM)
  list(APPEND leanlog_gzipped ${leanlog_doc_build}/${target})
  set(leanlog_gzipped ${leanlog_gzipped} PARENT_SCOPE)
endfunction()

leanlog_gzip(${PROJECT_SOURCE_DIR}/resources/leanlog-cli.1 leanlog-cli.1.gz)
leanlog_gzip(${PROJECT_SOURCE_DIR}/resources/leanlog.1 leanlog.1.gz)
leanlog_gzip(${PROJECT_SOURCE_DIR}/packaging/changelog changelog.gz)
add_custom_target(leanlog_docs ALL DEPENDS ${leanlog_gzipped})

install(FILES ${leanlog_doc_build}/leanlog-cli.1.gz ${leanlog_doc_build}/leanlog.1.gz
        DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
install(FILES ${PROJECT_SOURCE_DIR}/packaging/copyright ${leanlog_doc_build}/changelog.gz
        DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/leanlog)
install(FILES ${PROJECT_SOURCE_DIR}/resources/leanlog.metainfo.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo RENAME net.pellaware.leanlog.metainfo.xml)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME leanlog)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR Pellaware)
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "desktop diet tracker for a low-carbohydrate programme")
set(CPACK_PACKAGE_DESCRIPTION "Leanlog follows a fixed-calendar low-carbohydrate programme and keeps a
daily log of weight, steps, protein days, supplements and meals. It tells
where the diet stands, draws its progress and offers a food table. The
package holds the desktop program and leanlog-cli.")
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "Pellaware <leanlog@pellaware.net>")
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_PACKAGE_DIRECTORY ${CMAKE_BINARY_DIR}/package)
include(CPack)
