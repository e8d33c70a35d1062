# Test registration shared by every area of the tree.
#
#   telvarion_add_qtest(<name> LABEL <area> SOURCES <files...> [LIBS <targets...>])
#   telvarion_add_gtest(<name> LABEL <area> SOURCES <files...> [LIBS <targets...>])
#
# Each test runs headless: the offscreen platform, the software Quick backend and a
# private runtime folder come from the test environment, never from product code.
set(TELVARION_TEST_ENV
  QT_QPA_PLATFORM=offscreen
  QT_QUICK_BACKEND=software
  QT_LOGGING_TO_CONSOLE=1
)

function(_telvarion_register_test name label)
  add_test(NAME ${name} COMMAND ${name})
  set_tests_properties(${name} PROPERTIES
    LABELS "${label}"
    TIMEOUT 120
    ENVIRONMENT "${TELVARION_TEST_ENV}")
endfunction()

function(telvarion_add_qtest name)
  cmake_parse_arguments(T "" "LABEL" "SOURCES;LIBS" ${ARGN})
  add_executable(${name} ${T_SOURCES})
  target_link_libraries(${name} PRIVATE Qt5::Test ${T_LIBS})
  set_target_properties(${name} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/tests)
  _telvarion_register_test(${name} ${T_LABEL})
endfunction()

function(telvarion_add_gtest name)
  cmake_parse_arguments(T "" "LABEL" "SOURCES;LIBS" ${ARGN})
  find_package(GTest REQUIRED)
  add_executable(${name} ${T_SOURCES})
  target_link_libraries(${name} PRIVATE GTest::gtest GTest::gtest_main ${T_LIBS})
  set_target_properties(${name} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/tests)
  _telvarion_register_test(${name} ${T_LABEL})
endfunction()

