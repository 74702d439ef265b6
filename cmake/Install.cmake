# Installing the program the Linux way (GNUInstallDirs): the two executables in the binary folder,
# the program folder's files (game definitions, picture libraries, help pages and whatever else the
# build puts beside the executable) in share/quillon, where the program looks for them when its
# own folder holds no GAMES.DAT; the desktop entry, AppStream metainfo, icons and manual pages in
# their shared places. `cpack -G DEB` makes a Debian package of it.
include(GNUInstallDirs)

target_compile_definitions(quillon_platform PRIVATE
  QUILLON_INSTALL_DATADIR="${CMAKE_INSTALL_FULL_DATADIR}/quillon")
target_compile_definitions(quillon PRIVATE QUILLON_VERSION="${PROJECT_VERSION}")
target_compile_definitions(quillon-cli PRIVATE QUILLON_VERSION="${PROJECT_VERSION}")

install(TARGETS quillon quillon-cli RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(DIRECTORY ${QUILLON_BIN_DIR}/ DESTINATION ${CMAKE_INSTALL_DATADIR}/quillon
  USE_SOURCE_PERMISSIONS
  PATTERN "quillon" EXCLUDE
  PATTERN "quillon-cli" EXCLUDE
  PATTERN "sol_fold.dat" EXCLUDE
  PATTERN "data" EXCLUDE)
# An installed program folder is read-only: the pointer to the data folder is installed ready,
# naming the default per-user data folder, so the first start has nothing to write there.
file(WRITE ${CMAKE_BINARY_DIR}/install/sol_fold.dat "[Default Data Folder]\r\n")
install(FILES ${CMAKE_BINARY_DIR}/install/sol_fold.dat DESTINATION ${CMAKE_INSTALL_DATADIR}/quillon)

install(FILES ${CMAKE_SOURCE_DIR}/data/desktop/net.quillon.Quillon.desktop
  DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${CMAKE_SOURCE_DIR}/data/desktop/net.quillon.Quillon.metainfo.xml
  DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(DIRECTORY ${CMAKE_BINARY_DIR}/icons/hicolor DESTINATION ${CMAKE_INSTALL_DATADIR}/icons)
install(FILES ${CMAKE_SOURCE_DIR}/data/man/quillon.6 ${CMAKE_SOURCE_DIR}/data/man/quillon-cli.6
  DESTINATION ${CMAKE_INSTALL_MANDIR}/man6)

set(CPACK_PACKAGE_NAME quillon)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "Quillon 2003 developers")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Quillon 2003, a collection of patience card games")
set(CPACK_PACKAGE_CONTACT "Quillon 2003 developers <maintainers@quillon.example.org>")
set(CPACK_GENERATOR DEB)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_DEPENDS
  "libqt6core6 (>= 6.4), libqt6gui6 (>= 6.4), libqt6widgets6 (>= 6.4), qt6-qpa-plugins, libzip4, libsdl2-2.0-0, libjpeg62-turbo, libc6, libstdc++6")
set(CPACK_STRIP_FILES ON)
include(CPack)
