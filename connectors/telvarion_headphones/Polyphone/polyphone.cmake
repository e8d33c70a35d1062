# The phone's additions to the plug-in's targets; included once the targets exist.

# The dial tone is generated at build time and embedded as sound resource 101.
add_executable(dial_tone_generator ${CMAKE_CURRENT_LIST_DIR}/tools/dial_tone_generator.cpp)
set_target_properties(dial_tone_generator PROPERTIES AUTOMOC OFF RUNTIME_OUTPUT_DIRECTORY ${CMAKE_CURRENT_BINARY_DIR})
set(TELVARION_DIAL_TONE_WAV ${CMAKE_CURRENT_BINARY_DIR}/dial_tone.wav)
set(TELVARION_DIAL_TONE_CPP ${CMAKE_CURRENT_BINARY_DIR}/dial_tone_wave.cpp)
add_custom_command(
  OUTPUT ${TELVARION_DIAL_TONE_WAV} ${TELVARION_DIAL_TONE_CPP}
  COMMAND dial_tone_generator ${TELVARION_DIAL_TONE_WAV} ${TELVARION_DIAL_TONE_CPP}
  DEPENDS dial_tone_generator
  COMMENT "Generating the dial tone")
target_sources(telvarion_polyphone_core PRIVATE ${TELVARION_DIAL_TONE_CPP})


# The udev rule that lets the user at the seat open the supported phones' HID nodes, made
# from the plug-in's own list so that the two never differ.
set(_tv_phones_header ${CMAKE_CURRENT_LIST_DIR}/supported_phones.h)
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${_tv_phones_header})
set(_tv_hex4 "[0-9A-Fa-f][0-9A-Fa-f][0-9A-Fa-f][0-9A-Fa-f]")
file(STRINGS ${_tv_phones_header} _tv_phone_lines REGEX "^ *{0x${_tv_hex4}, 0x${_tv_hex4}},")
if(NOT _tv_phone_lines)
  message(FATAL_ERROR "No phone found in ${_tv_phones_header}: the udev rule needs the list written as {0xVVVV, 0xPPPP},")
endif()
set(_tv_rules "# Telvarion's desk-phone plug-in: the user at the seat may open these phones' HID nodes.\n")
foreach(_tv_line IN LISTS _tv_phone_lines)
  string(REGEX MATCH "0x(${_tv_hex4}), 0x(${_tv_hex4})" _tv_match "${_tv_line}")
  string(TOLOWER "${CMAKE_MATCH_1}" _tv_vendor)
  string(TOLOWER "${CMAKE_MATCH_2}" _tv_product)
  string(APPEND _tv_rules
    "SUBSYSTEM==\"hidraw\", ATTRS{idVendor}==\"${_tv_vendor}\", ATTRS{idProduct}==\"${_tv_product}\", TAG+=\"uaccess\"\n")
endforeach()
# Before the seat rules (73-seat-late.rules) that turn the tag into the user's access.
set(TELVARION_UDEV_RULE ${CMAKE_BINARY_DIR}/udev/70-telvarion-desk-phones.rules)
file(CONFIGURE OUTPUT ${TELVARION_UDEV_RULE} CONTENT "${_tv_rules}")
install(FILES ${TELVARION_UDEV_RULE} DESTINATION lib/udev/rules.d)
