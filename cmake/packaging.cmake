# Installing and packaging: the two programs in bin, their data files in share/busho-editor,
# the desktop entry, icon and AppStream metadata, the manual pages, the copyright file and the
# changelog. `make package` builds the .deb with CPack; `make package-test` installs it on a clean
# Debian 12 root and checks it there.
include(GNUInstallDirs)

set(BUSHO_PACKAGE_NAME busho-editor)
set(BUSHO_PACKAGE_CONTACT "Busho Editor developers <bushoeditor@users.noreply.github.com>")
set(BUSHO_PACKAGE_DOC_DIR ${CMAKE_INSTALL_DATADIR}/doc/${BUSHO_PACKAGE_NAME})

# Directories and files in the package are 0755 and 0644, whatever the builder's umask.
set(CMAKE_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
    OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)

install(TARGETS busho-editor busho RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(FILES
  ${BUSHO_BIN_DIR}/Koei.Dat ${BUSHO_BIN_DIR}/KoeiNames.txt ${BUSHO_BIN_DIR}/BK.DAT
  ${BUSHO_BIN_DIR}/GB.DAT ${BUSHO_BIN_DIR}/BIG5.DAT ${BUSHO_BIN_DIR}/GBKN.dat ${BUSHO_BIN_DIR}/JISN.dat
  ${BUSHO_BIN_DIR}/GBKFT.dat ${BUSHO_BIN_DIR}/map.png ${BUSHO_BIN_DIR}/readme.txt
  DESTINATION ${CMAKE_INSTALL_DATADIR}/busho-editor)
install(FILES ${BUSHO_QM_FILES} DESTINATION ${CMAKE_INSTALL_DATADIR}/busho-editor/translations)
install(FILES ${CMAKE_SOURCE_DIR}/assets/package/busho-editor.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${CMAKE_SOURCE_DIR}/assets/package/busho-editor.svg DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
install(FILES ${CMAKE_SOURCE_DIR}/assets/package/io.github.bushoeditor.BushoEditor.metainfo.xml
  DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)

# Debian's documents: the copyright file as it is, the changelog and the manual pages compressed
# with gzip -9n (no file name, no time stamp, so that two builds give the same bytes).
if(UNIX AND NOT APPLE)
  find_program(BUSHO_GZIP gzip REQUIRED)
  find_program(BUSHO_HELP2MAN help2man REQUIRED)
  set(package_files ${CMAKE_BINARY_DIR}/package-files)

  # The changelog's newest entry must name the version being packaged.
  file(STRINGS ${CMAKE_SOURCE_DIR}/assets/package/changelog changelog_top LIMIT_COUNT 1)
  if(NOT changelog_top MATCHES "^${BUSHO_PACKAGE_NAME} \\(${PROJECT_VERSION}\\) ")
    message(FATAL_ERROR "assets/package/changelog: the newest entry is not version ${PROJECT_VERSION}: ${changelog_top}")
  endif()
  add_custom_command(
    OUTPUT ${package_files}/changelog.gz
    COMMAND ${CMAKE_COMMAND} -E make_directory ${package_files}
    COMMAND ${BUSHO_GZIP} -9nc ${CMAKE_SOURCE_DIR}/assets/package/changelog > ${package_files}/changelog.gz
    DEPENDS ${CMAKE_SOURCE_DIR}/assets/package/changelog
    COMMENT "Compressing the package's changelog")

  # help2man runs each program with --help; the editor needs a Qt platform to start, offscreen will do,
  # and prints its description in Chinese, which help2man keeps when run in a UTF-8 locale.
  # The programs are run by name from their folder so that their usage line names them, not a build path.
  set(help2man_env ${CMAKE_COMMAND} -E env --modify PATH=path_list_prepend:${BUSHO_BIN_DIR} QT_QPA_PLATFORM=offscreen)
  add_custom_command(
    OUTPUT ${package_files}/busho-editor.1.gz
    COMMAND ${CMAKE_COMMAND} -E make_directory ${package_files}
    COMMAND ${help2man_env} ${BUSHO_HELP2MAN} --no-info --locale=C.UTF-8 --version-string=${PROJECT_VERSION}
            "--name=editor for the registered officers of Nobunaga's Ambition: Kakushin PK"
            --include=${CMAKE_SOURCE_DIR}/assets/package/busho-editor.h2m
            --output=${package_files}/busho-editor.1 busho-editor
    COMMAND ${BUSHO_GZIP} -9nf ${package_files}/busho-editor.1
    DEPENDS busho-editor ${CMAKE_SOURCE_DIR}/assets/package/busho-editor.h2m
    COMMENT "Writing the manual page busho-editor.1"
    VERBATIM)
  add_custom_command(
    OUTPUT ${package_files}/busho.1.gz
    COMMAND ${CMAKE_COMMAND} -E make_directory ${package_files}
    COMMAND ${help2man_env} ${BUSHO_HELP2MAN} --no-info --locale=C.UTF-8 --version-string=${PROJECT_VERSION}
            "--name=read, write, export and import registered-officer files of Nobunaga's Ambition: Kakushin PK"
            --include=${CMAKE_SOURCE_DIR}/assets/package/busho.h2m
            --output=${package_files}/busho.1 busho
    COMMAND ${BUSHO_GZIP} -9nf ${package_files}/busho.1
    DEPENDS busho ${CMAKE_SOURCE_DIR}/assets/package/busho.h2m
    COMMENT "Writing the manual page busho.1"
    VERBATIM)
  add_custom_target(package_documents ALL
    DEPENDS ${package_files}/changelog.gz ${package_files}/busho-editor.1.gz ${package_files}/busho.1.gz)

  install(FILES ${package_files}/busho-editor.1.gz ${package_files}/busho.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
  install(FILES ${package_files}/changelog.gz ${CMAKE_SOURCE_DIR}/assets/package/copyright DESTINATION ${BUSHO_PACKAGE_DOC_DIR})
endif()

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME ${BUSHO_PACKAGE_NAME})
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "Busho Editor developers")
set(CPACK_PACKAGE_CONTACT ${BUSHO_PACKAGE_CONTACT})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "editor for the registered officers of Nobunaga's Ambition: Kakushin PK")
set(CPACK_PACKAGE_DESCRIPTION
  "Busho Editor creates and tunes the officers that players register in the\n"
  "strategy game Nobunaga's Ambition: Kakushin PK, for its Traditional-Chinese\n"
  "(Big5) and Japanese (Shift-JIS) editions: names and their readings,\n"
  "biography, years, abilities, aptitudes, tactics, relations to the game's\n"
  "historical officers and portraits from the game's own face archives. Its\n"
  "interface is in Simplified Chinese.\n"
  "\n"
  "It saves with a backup first and never leaves a half-written file, and it\n"
  "finds a game installed under Wine. The busho command-line tool shares its\n"
  "core: it dumps officer files as JSON, exports officers to spreadsheets and\n"
  "imports them back, and reads face archives.\n"
  "\n"
  "The game itself is not included.")
string(JOIN "" CPACK_PACKAGE_DESCRIPTION ${CPACK_PACKAGE_DESCRIPTION})
set(CPACK_PACKAGE_INSTALL_DIRECTORY busho-editor)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
# The libraries it links come from dpkg-shlibdeps; what it loads at run time is named here: Qt's own
# translations for the interface language, GStreamer's plugins that decode the WAV voice samples
# (base: the pipeline; good: wavparse, autoaudiosink, pulsesink) and play them through ALSA
# (in Debian 12 gstreamer1.0-pulseaudio is an empty package on top of the good set), and one font
# with both Simplified-Chinese and Japanese glyphs. The X11 platform plugin (xcb) comes with
# libqt6gui6; qt6-qpa-plugins holds only the VNC and TUIO ones, so it is not named.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS
  "qt6-translations-l10n, gstreamer1.0-plugins-base, gstreamer1.0-plugins-good, gstreamer1.0-alsa | gstreamer1.0-pulseaudio, fonts-wqy-microhei | fonts-noto-cjk")
set(CPACK_OUTPUT_FILE_PREFIX ${CMAKE_BINARY_DIR}/package)
include(CPack)
