# What `cmake --install` puts under the prefix, and the Debian package made from it.
# Only what is listed here is installed: tests, benchmarks and the clip generator stay behind.
# Installing and packing build nothing themselves, so a package needs only the program built.
set(CMAKE_SKIP_INSTALL_ALL_DEPENDENCY ON)

install(TARGETS drilla RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
# A module is loaded, not run: it carries no execute bits.
install(TARGETS drilla_klang drilla_berichte LIBRARY DESTINATION ${DRILLA_MODUL_ZIEL}
  PERMISSIONS OWNER_READ OWNER_WRITE GROUP_READ WORLD_READ)

install(FILES data/drilla3.tip DESTINATION ${DRILLA_DATEN_ZIEL})
install(DIRECTORY data/hilfe DESTINATION ${DRILLA_DATEN_ZIEL})
# The samples go to a folder of their own: a user's first start copies them from there, and the
# menu's network lesson folder (the program's "Lektion") starts out on them.
file(GLOB DRILLA_LEKTIONEN CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/data/*.txt)
install(FILES ${DRILLA_LEKTIONEN} DESTINATION ${DRILLA_DATEN_ZIEL}/Lektion)

set(DRILLA_DESKTOP_QUELLEN ${CMAKE_SOURCE_DIR}/resources/desktop)
install(FILES ${DRILLA_DESKTOP_QUELLEN}/${DRILLA_DESKTOP_ID}.desktop
  DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${DRILLA_DESKTOP_QUELLEN}/${DRILLA_DESKTOP_ID}.metainfo.xml
  DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(FILES resources/symbol/drilla.svg
  DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps RENAME ${DRILLA_DESKTOP_ID}.svg)
foreach(n 16 24 32 48 64 128 256)
  install(FILES resources/symbol/drilla-${n}.png
    DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${n}x${n}/apps RENAME ${DRILLA_DESKTOP_ID}.png)
endforeach()

# Manual page and changelog compressed as Debian wants them: gzip -9, without name and time.
set(DRILLA_PAKET_BETREUER "DRILLA-Entwicklung <drilla@morvane.de>")
configure_file(${DRILLA_DESKTOP_QUELLEN}/changelog.in ${CMAKE_BINARY_DIR}/paket/changelog @ONLY)
add_custom_command(
  OUTPUT ${CMAKE_BINARY_DIR}/paket/drilla.1.gz ${CMAKE_BINARY_DIR}/paket/changelog.gz
  COMMAND gzip -9n -c ${DRILLA_DESKTOP_QUELLEN}/drilla.1 > ${CMAKE_BINARY_DIR}/paket/drilla.1.gz
  COMMAND gzip -9n -c ${CMAKE_BINARY_DIR}/paket/changelog > ${CMAKE_BINARY_DIR}/paket/changelog.gz
  DEPENDS ${DRILLA_DESKTOP_QUELLEN}/drilla.1 ${CMAKE_BINARY_DIR}/paket/changelog
  COMMENT "Compressing the manual page and the changelog")
add_custom_target(drilla_doku ALL
  DEPENDS ${CMAKE_BINARY_DIR}/paket/drilla.1.gz ${CMAKE_BINARY_DIR}/paket/changelog.gz)
install(FILES ${CMAKE_BINARY_DIR}/paket/drilla.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
install(FILES ${DRILLA_DESKTOP_QUELLEN}/copyright ${CMAKE_BINARY_DIR}/paket/changelog.gz
  DESTINATION ${CMAKE_INSTALL_DOCDIR})

# Debian package: ./drilla.sh paket. Library dependencies come from dpkg-shlibdeps; only what no
# library names is listed: the fonts the settings ask for.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME drilla)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR MORVANE)
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "drill trainer for vocabulary, sums and spelling")
# The synopsis is the summary above; cpack indents these lines and marks the empty one.
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION "DRILLA asks the exercises of a lesson in random order and checks every
answer. A lesson is a plain text file with one exercise a line. Mistakes are
counted and can be practised again; every finished lesson gets a success
rate, a verdict and a record in the evaluation log.

The user interface is German. Each user's data and lessons are kept in the
user's own folders; sample lessons are copied there on the first start.")
set(CPACK_DEBIAN_PACKAGE_MAINTAINER ${DRILLA_PAKET_BETREUER})
set(CPACK_DEBIAN_PACKAGE_SECTION education)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE https://www.morvane.de/)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-liberation2, fonts-comic-neue")
# Qt's own dialogs in German; the program runs (in English dialogs) without them.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-translations-l10n")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_PACKAGE_DIRECTORY ${CMAKE_BINARY_DIR}/paket)
include(CPack)
