# Installing into the standard places (prefix /usr/local unless told, DESTDIR
# honoured) and the Debian package made from that installation.
include(GNUInstallDirs)

install(TARGETS miravel RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
# Named by the program's reverse-DNS id, which the AppStream record and the
# running program (its desktop file name) use too.
set(MIRAVEL_APP_ID jp.example.Miravel)
install(FILES ${PROJECT_SOURCE_DIR}/share/applications/${MIRAVEL_APP_ID}.desktop
        DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${PROJECT_SOURCE_DIR}/share/metainfo/${MIRAVEL_APP_ID}.metainfo.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(DIRECTORY ${PROJECT_SOURCE_DIR}/share/icons/ DESTINATION ${CMAKE_INSTALL_DATADIR}/icons)
# The manual is read by the program's help window, so it lives with the
# program's data rather than under doc/, which minimal systems leave out.
install(DIRECTORY ${PROJECT_SOURCE_DIR}/docs/manual/ DESTINATION ${CMAKE_INSTALL_DATADIR}/miravel/manual)
# The hand-off profiles offered in 提出用に書き出す, beside the manual.
install(DIRECTORY ${PROJECT_SOURCE_DIR}/share/profiles/ DESTINATION ${CMAKE_INSTALL_DATADIR}/miravel/profiles)

set(MIRAVEL_MAN_PAGE ${CMAKE_BINARY_DIR}/miravel.1)
add_custom_command(
  OUTPUT ${MIRAVEL_MAN_PAGE}
  COMMAND ${CMAKE_COMMAND} -DPROGRAM=$<TARGET_FILE:miravel> -DTEMPLATE=${PROJECT_SOURCE_DIR}/docs/miravel.1.in
          -DOUTPUT=${MIRAVEL_MAN_PAGE} -DVERSION=${PROJECT_VERSION} -P ${PROJECT_SOURCE_DIR}/cmake/ManPage.cmake
  DEPENDS miravel ${PROJECT_SOURCE_DIR}/docs/miravel.1.in ${PROJECT_SOURCE_DIR}/cmake/ManPage.cmake
  COMMENT "Writing the man page from miravel --help")

# Debian wants the man page and the changelog compressed, at the highest
# level and without a time stamp, so that the package is reproducible.
find_program(GZIP gzip REQUIRED)
set(MIRAVEL_DOC_DIR ${CMAKE_INSTALL_DATADIR}/doc/miravel)
set(MIRAVEL_CHANGELOG ${CMAKE_BINARY_DIR}/changelog.Debian.gz)
add_custom_command(
  OUTPUT ${MIRAVEL_MAN_PAGE}.gz
  COMMAND ${GZIP} -9nc ${MIRAVEL_MAN_PAGE} > ${MIRAVEL_MAN_PAGE}.gz
  DEPENDS ${MIRAVEL_MAN_PAGE})
add_custom_command(
  OUTPUT ${MIRAVEL_CHANGELOG}
  COMMAND ${GZIP} -9nc ${PROJECT_SOURCE_DIR}/share/doc/changelog.Debian > ${MIRAVEL_CHANGELOG}
  DEPENDS ${PROJECT_SOURCE_DIR}/share/doc/changelog.Debian)
add_custom_target(miravel_package_docs ALL DEPENDS ${MIRAVEL_MAN_PAGE}.gz ${MIRAVEL_CHANGELOG})
install(FILES ${MIRAVEL_MAN_PAGE}.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
install(FILES ${PROJECT_SOURCE_DIR}/share/doc/copyright ${MIRAVEL_CHANGELOG} DESTINATION ${MIRAVEL_DOC_DIR})
install(FILES ${PROJECT_SOURCE_DIR}/share/lintian/miravel DESTINATION ${CMAKE_INSTALL_DATADIR}/lintian/overrides)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME miravel)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
# The Debian revision; share/doc/changelog.Debian has an entry for each.
set(CPACK_DEBIAN_PACKAGE_RELEASE 1)
set(CPACK_PACKAGE_VENDOR "Miravel")
set(CPACK_PACKAGE_CONTACT "Miravel developers <miravel@example.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "grade book for the homeroom teacher of an elementary-school class")
# The summary above is the first line; this is the rest, wrapped by hand
# (Debian shows it as it is, and lintian wants lines under 80 columns).
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION "Miravel keeps one Japanese elementary-school class of up to 40 students:
tests per subject and semester with points per evaluation viewpoint,
semester and year-round averages, ranks and a relative A/B/C evaluation,
printing, PDF and CSV export. The user interface is Japanese.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION education)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_STRIP_FILES ON)
# Beyond the libraries: the fonts the tables and pages are set in, Qt's own
# dialog texts in Japanese, and Qt's display plugins (not a library dependency).
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-ipafont-mincho, fonts-ipafont-gothic, qt6-translations-l10n, qt6-qpa-plugins")
include(CPack)
