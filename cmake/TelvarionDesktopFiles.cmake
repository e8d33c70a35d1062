# What makes the installed program a desktop program, under the install prefix:
#   bin/telvarion                                  the command that starts the program folder's Telvarion
#   share/applications/<id>.desktop                the launcher entry, also the handler of qomx: and callto: links
#   share/icons/hicolor/<size>/apps/<id>.png       its icon, drawn by themes/default/generate_assets.py
#   share/metainfo/<id>.metainfo.xml               what software centres show
# The udev rule for the desk phones comes with the plug-in (connectors/telvarion_headphones).
include(GNUInstallDirs)
set(_tv_desktop_src ${PROJECT_SOURCE_DIR}/program/desktop)
set(TELVARION_DESKTOP_ID com.marlowane.Telvarion)

file(RELATIVE_PATH TELVARION_BIN_TO_PROGRAM /${CMAKE_INSTALL_BINDIR} /${TELVARION_INSTALL_DIR})
configure_file(${_tv_desktop_src}/telvarion.in ${CMAKE_BINARY_DIR}/desktop/telvarion @ONLY)
install(PROGRAMS ${CMAKE_BINARY_DIR}/desktop/telvarion DESTINATION ${CMAKE_INSTALL_BINDIR})
install(FILES ${_tv_desktop_src}/${TELVARION_DESKTOP_ID}.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${_tv_desktop_src}/${TELVARION_DESKTOP_ID}.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(DIRECTORY ${PROJECT_SOURCE_DIR}/themes/default/icons/ DESTINATION ${CMAKE_INSTALL_DATADIR}/icons)
