# What `cmake --install` and `cpack -G DEB` put on a machine besides the two programs: the
# manual pages, the user guide, and the Debian package's description and dependencies.

set(ABSENCE_DOC_DIR ${CMAKE_INSTALL_DATADIR}/doc/absence)

# Manual pages are installed compressed, as Debian keeps them.
find_program(GZIP_EXECUTABLE gzip REQUIRED)
set(man_pages)
foreach(page absence.1 absence-cli.1)
  set(packed ${CMAKE_CURRENT_BINARY_DIR}/man/${page}.gz)
  add_custom_command(
    OUTPUT ${packed}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_CURRENT_BINARY_DIR}/man
    COMMAND ${GZIP_EXECUTABLE} -9 -n -c ${PROJECT_SOURCE_DIR}/docs/${page} > ${packed}
    DEPENDS ${PROJECT_SOURCE_DIR}/docs/${page}
    VERBATIM)
  list(APPEND man_pages ${packed})
endforeach()
add_custom_target(man_pages ALL DEPENDS ${man_pages})
install(FILES ${man_pages} DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)

install(FILES ${PROJECT_SOURCE_DIR}/docs/user-guide.md ${PROJECT_SOURCE_DIR}/README.md
        DESTINATION ${ABSENCE_DOC_DIR})
install(DIRECTORY ${PROJECT_SOURCE_DIR}/docs/images DESTINATION ${ABSENCE_DOC_DIR})
# The help pages are built into the program; they are installed as well, to be read without it.
install(DIRECTORY ${PROJECT_SOURCE_DIR}/resources/help/ DESTINATION ${ABSENCE_DOC_DIR}/help
        FILES_MATCHING PATTERN "*.html" PATTERN "*.png" PATTERN "*.css")

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME absence)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "Absence")
set(CPACK_PACKAGE_CONTACT "Absence developers <absence@localhost>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "absence records, accrual balances and reports of a small organisation")
string(CONCAT CPACK_PACKAGE_DESCRIPTION
       "Absence keeps departments, employees and absence reasons with accrual policies.\n"
       "Absences are recorded on a four-week calendar by drag and drop; a balances panel shows\n"
       "the hours used, available and remaining; reports and lists print or go into PDF files.\n"
       "absence-cli runs the same core for scripts: checks, balances, reports, import and export.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
# The shared libraries the programs link (Qt, libical...) become dependencies by themselves;
# the report fonts and the window system plugins are not linked, so they are named here.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-liberation, libqt6svg6, libxlsxwriter4, hicolor-icon-theme")
set(CPACK_STRIP_FILES ON)
include(CPack)
