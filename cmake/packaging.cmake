# Installing and packaging: the two programs in bin, their data files in share/busho-editor,
# the desktop entry, icon and AppStream metadata. `make package` builds the .deb with CPack.
include(GNUInstallDirs)

install(TARGETS busho-editor busho RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(FILES
  ${BUSHO_BIN_DIR}/Koei.Dat ${BUSHO_BIN_DIR}/KoeiNames.txt ${BUSHO_BIN_DIR}/BK.DAT
  ${BUSHO_BIN_DIR}/GB.DAT ${BUSHO_BIN_DIR}/BIG5.DAT ${BUSHO_BIN_DIR}/GBKN.dat ${BUSHO_BIN_DIR}/JISN.dat
  ${BUSHO_BIN_DIR}/GBKFT.dat ${BUSHO_BIN_DIR}/map.png ${BUSHO_BIN_DIR}/readme.txt
  DESTINATION ${CMAKE_INSTALL_DATADIR}/busho-editor)
install(FILES ${CMAKE_SOURCE_DIR}/assets/package/busho-editor.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${CMAKE_SOURCE_DIR}/assets/package/busho-editor.svg DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
install(FILES ${CMAKE_SOURCE_DIR}/assets/package/io.github.bushoeditor.BushoEditor.metainfo.xml
  DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME busho-editor)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "Busho Editor developers")
set(CPACK_PACKAGE_CONTACT "Busho Editor developers <busho-editor@localhost>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Editor for the registered officers of Nobunaga's Ambition: Kakushin PK")
set(CPACK_PACKAGE_INSTALL_DIRECTORY busho-editor)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_OUTPUT_FILE_PREFIX ${CMAKE_BINARY_DIR}/package)
include(CPack)
