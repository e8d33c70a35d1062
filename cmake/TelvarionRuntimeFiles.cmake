# The program folder as an installation lays it out, built beside the program:
#   application_name.txt          name, organisation, organisation domain
#   settings/                      shipped UI settings (moved to the user on first start) and defaults
#   help/                          the help pages that F1 and the login window's "Help" open
#   themes/default/                resources.rcc (icon, images, presence icons, sounds, language list, time zones) and description.xml
#   translations/                  ui_<lang>.qm from translations/*.ts, qt_<lang>.qm when the system has them
# `cmake --install` puts the same tree under ${TELVARION_INSTALL_DIR}.
set(_tv_program_src ${PROJECT_SOURCE_DIR}/program)
set(_tv_outputs)

# Plain files copied as they are; a start that moved a shipped file away gets it back at the next build.
foreach(_tv_file application_name.txt settings/application_setting.ini settings/defaults.ini help/index.html)
  add_custom_command(OUTPUT ${TELVARION_PROGRAM_DIR}/${_tv_file}
    COMMAND ${CMAKE_COMMAND} -E copy ${_tv_program_src}/${_tv_file} ${TELVARION_PROGRAM_DIR}/${_tv_file}
    DEPENDS ${_tv_program_src}/${_tv_file}
    VERBATIM)
  list(APPEND _tv_outputs ${TELVARION_PROGRAM_DIR}/${_tv_file})
endforeach()
install(FILES ${_tv_program_src}/application_name.txt DESTINATION ${TELVARION_INSTALL_DIR})
install(FILES ${_tv_program_src}/settings/application_setting.ini ${_tv_program_src}/settings/defaults.ini
  DESTINATION ${TELVARION_INSTALL_DIR}/settings)
install(FILES ${_tv_program_src}/help/index.html DESTINATION ${TELVARION_INSTALL_DIR}/help)

# Themes: every folder under themes/ with a resources/ folder becomes one resources.rcc.
file(GLOB _tv_themes LIST_DIRECTORIES true ${PROJECT_SOURCE_DIR}/themes/*)
foreach(_tv_theme_dir ${_tv_themes})
  if(NOT IS_DIRECTORY ${_tv_theme_dir}/resources)
    continue()
  endif()
  get_filename_component(_tv_theme ${_tv_theme_dir} NAME)
  file(GLOB_RECURSE _tv_theme_files CONFIGURE_DEPENDS RELATIVE ${_tv_theme_dir}/resources ${_tv_theme_dir}/resources/*)
  list(SORT _tv_theme_files)
  set(_tv_qrc "<!DOCTYPE RCC><RCC version=\"1.0\">\n<qresource prefix=\"/\">\n")
  set(_tv_theme_deps)
  foreach(_tv_file ${_tv_theme_files})
    string(APPEND _tv_qrc "  <file alias=\"${_tv_file}\">${_tv_theme_dir}/resources/${_tv_file}</file>\n")
    list(APPEND _tv_theme_deps ${_tv_theme_dir}/resources/${_tv_file})
  endforeach()
  string(APPEND _tv_qrc "</qresource>\n</RCC>\n")
  set(_tv_theme_qrc ${CMAKE_CURRENT_BINARY_DIR}/theme_${_tv_theme}.qrc)
  file(CONFIGURE OUTPUT ${_tv_theme_qrc} CONTENT "${_tv_qrc}")
  set(_tv_theme_out ${TELVARION_PROGRAM_DIR}/themes/${_tv_theme})
  add_custom_command(OUTPUT ${_tv_theme_out}/resources.rcc ${_tv_theme_out}/description.xml
    COMMAND ${CMAKE_COMMAND} -E make_directory ${_tv_theme_out}
    COMMAND Qt5::rcc --binary ${_tv_theme_qrc} -o ${_tv_theme_out}/resources.rcc
    COMMAND ${CMAKE_COMMAND} -E copy ${_tv_theme_dir}/description.xml ${_tv_theme_out}/description.xml
    DEPENDS ${_tv_theme_qrc} ${_tv_theme_deps} ${_tv_theme_dir}/description.xml
    COMMENT "Compiling the theme ${_tv_theme}"
    VERBATIM)
  list(APPEND _tv_outputs ${_tv_theme_out}/resources.rcc ${_tv_theme_out}/description.xml)
  install(FILES ${_tv_theme_out}/resources.rcc ${_tv_theme_out}/description.xml
    DESTINATION ${TELVARION_INSTALL_DIR}/themes/${_tv_theme})
endforeach()

# Translations of the program's texts, and Qt's own where the system ships them.
file(GLOB _tv_ts_files CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/translations/*.ts)
foreach(_tv_ts ${_tv_ts_files})
  get_filename_component(_tv_ts_name ${_tv_ts} NAME_WE)
  set(_tv_qm ${TELVARION_PROGRAM_DIR}/translations/${_tv_ts_name}.qm)
  add_custom_command(OUTPUT ${_tv_qm}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${TELVARION_PROGRAM_DIR}/translations
    COMMAND Qt5::lrelease -silent ${_tv_ts} -qm ${_tv_qm}
    DEPENDS ${_tv_ts}
    VERBATIM)
  list(APPEND _tv_outputs ${_tv_qm})
  install(FILES ${_tv_qm} DESTINATION ${TELVARION_INSTALL_DIR}/translations)
endforeach()
foreach(_tv_lang de fr it es ja zh_CN ko)
  set(_tv_qt_qm /usr/share/qt5/translations/qt_${_tv_lang}.qm)
  if(EXISTS ${_tv_qt_qm})
    add_custom_command(OUTPUT ${TELVARION_PROGRAM_DIR}/translations/qt_${_tv_lang}.qm
      COMMAND ${CMAKE_COMMAND} -E copy ${_tv_qt_qm} ${TELVARION_PROGRAM_DIR}/translations/qt_${_tv_lang}.qm
      DEPENDS ${_tv_qt_qm}
      VERBATIM)
    list(APPEND _tv_outputs ${TELVARION_PROGRAM_DIR}/translations/qt_${_tv_lang}.qm)
    install(FILES ${_tv_qt_qm} DESTINATION ${TELVARION_INSTALL_DIR}/translations)
  endif()
endforeach()

add_custom_target(telvarion_runtime_files ALL DEPENDS ${_tv_outputs})
add_dependencies(Telvarion telvarion_runtime_files)
if(TARGET kivo_demo_config)
  add_dependencies(Telvarion kivo_demo_config)
  install(FILES ${TELVARION_PROGRAM_DIR}/config_demo.xml DESTINATION ${TELVARION_INSTALL_DIR})
endif()
install(TARGETS Telvarion telvarion_core telvarion_web kivo tesk local_server
  RUNTIME DESTINATION ${TELVARION_INSTALL_DIR} LIBRARY DESTINATION ${TELVARION_INSTALL_DIR})
# The one place the build's version is set; the program reads it through QML::BuildInfo.
set(TELVARION_BUILD_TAG dev CACHE STRING "Tag after the version numbers, as the About window shows it")
set_property(SOURCE ${PROJECT_SOURCE_DIR}/ui/pc/libqml/components/about/build_info.cpp APPEND PROPERTY
  COMPILE_DEFINITIONS TELVARION_VERSION="${PROJECT_VERSION}.0" TELVARION_BUILD_TAG="${TELVARION_BUILD_TAG}")
