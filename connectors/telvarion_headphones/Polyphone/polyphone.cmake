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

