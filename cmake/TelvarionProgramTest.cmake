# Qt tests that start the whole application. Start-up reads the settings, theme,
# translations and configuration beside the program, and moves the shipped UI settings
# file away on its first run: each such test runs from a program folder of its own.
#
#   telvarion_add_program_test(<name> LABEL <area> [SETTINGS <folder>])
#
# The source is <name>.cpp, linked with telvarion_testsupport. SETTINGS names the settings
# folder to copy in (default: the built program's).
include_guard(GLOBAL)

function(telvarion_add_program_test name)
  cmake_parse_arguments(T "" "LABEL;SETTINGS" "" ${ARGN})
  if(NOT T_SETTINGS)
    set(T_SETTINGS ${TELVARION_PROGRAM_DIR}/settings)
  endif()
  telvarion_add_qtest(${name} LABEL ${T_LABEL} SOURCES ${name}.cpp LIBS telvarion_testsupport)
  set(program ${CMAKE_BINARY_DIR}/tests/${name}_program)
  set_target_properties(${name} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${program})
  add_dependencies(${name} Telvarion)
  add_custom_command(TARGET ${name} POST_BUILD
    COMMAND ${CMAKE_COMMAND} -E copy_directory ${T_SETTINGS} ${program}/settings
    COMMAND ${CMAKE_COMMAND} -E copy_directory ${TELVARION_PROGRAM_DIR}/themes ${program}/themes
    COMMAND ${CMAKE_COMMAND} -E copy_directory ${TELVARION_PROGRAM_DIR}/translations ${program}/translations
    COMMAND ${CMAKE_COMMAND} -E copy_directory ${TELVARION_PROGRAM_DIR}/help ${program}/help
    COMMAND ${CMAKE_COMMAND} -E copy ${TELVARION_PROGRAM_DIR}/application_name.txt ${TELVARION_PROGRAM_DIR}/config_demo.xml
            ${program}
    VERBATIM)
endfunction()
