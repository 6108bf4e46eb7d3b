# SPDX-License-Identifier: GPL-3.0-or-later
# Installation and the Debian package (cpack from the release build).
# Installed, the program and the files it ships live in one folder; a link
# in bin starts it. The desktop entry, icons, AppStream metadata, manual
# page and the package's copyright and changelog go where Debian wants them.
include(GNUInstallDirs)
set(ROVANTA_INSTALL_DIR lib/rovanta)
install(TARGETS rovanta DESTINATION ${ROVANTA_INSTALL_DIR})
foreach(file IN LISTS ROVANTA_DATA_FILES)
  get_filename_component(subdir ${file} DIRECTORY)
  install(FILES ${PROJECT_SOURCE_DIR}/data/${file} DESTINATION ${ROVANTA_INSTALL_DIR}/${subdir})
endforeach()
install(CODE "file(MAKE_DIRECTORY \$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_BINDIR})
              file(CREATE_LINK ../${ROVANTA_INSTALL_DIR}/rovanta
                   \$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_BINDIR}/rovanta SYMBOLIC)")
install(FILES ${PROJECT_SOURCE_DIR}/data/rovanta.desktop
        DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${PROJECT_SOURCE_DIR}/data/icons/rovanta.svg
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
foreach(size 16 32 48 64 128 256)
  install(FILES ${PROJECT_SOURCE_DIR}/data/icons/hicolor/${size}x${size}/apps/rovanta.png
          DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps)
endforeach()

# The files that carry the version, and the compressed ones Debian wants.
set(package_dir ${PROJECT_BINARY_DIR}/package)
configure_file(${PROJECT_SOURCE_DIR}/data/package/org.rovanta.Rovanta.metainfo.xml
               ${package_dir}/org.rovanta.Rovanta.metainfo.xml @ONLY)
configure_file(${PROJECT_SOURCE_DIR}/data/package/rovanta.1 ${package_dir}/rovanta.1 @ONLY)
configure_file(${PROJECT_SOURCE_DIR}/data/package/changelog ${package_dir}/changelog.Debian @ONLY)
find_program(GZIP gzip REQUIRED)
add_custom_command(
  OUTPUT ${package_dir}/rovanta.1.gz ${package_dir}/changelog.Debian.gz
  COMMAND ${GZIP} -9nkf ${package_dir}/rovanta.1 ${package_dir}/changelog.Debian
  DEPENDS ${package_dir}/rovanta.1 ${package_dir}/changelog.Debian)
add_custom_target(rovanta_package_files ALL
                  DEPENDS ${package_dir}/rovanta.1.gz ${package_dir}/changelog.Debian.gz)
install(FILES ${package_dir}/org.rovanta.Rovanta.metainfo.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(FILES ${package_dir}/rovanta.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
install(FILES ${PROJECT_SOURCE_DIR}/data/package/copyright ${package_dir}/changelog.Debian.gz
        DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/rovanta)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME rovanta)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_PACKAGE_CONTACT "Rovanta developers <dev@rovanta.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "record and play tours of web pages")
string(CONCAT CPACK_PACKAGE_DESCRIPTION
    "Rovanta records and plays tours of web pages in an embedded browser.\n"
    "A tour is a plain text file; each entry names a page, may carry a point\n"
    "the player clicks, an action text it types into the page and a hint.\n"
    "Rovanta also writes static HTML: a frame site for a tour, a tour from a\n"
    "folder of HTML files and a picture slide show, and plays tours\n"
    "unattended and headless with a time-out and a JUnit report.")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_RELEASE 1) # the packaging revision of this version
set(CPACK_DEBIAN_PACKAGE_SECTION web)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Qt's own German texts for its dialogs; the libraries are found by shlibdeps.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-translations-l10n")
set(CPACK_STRIP_FILES ON)
include(CPack)
