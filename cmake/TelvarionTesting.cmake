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
# Under the sanitizers every report fails the test; leaks are not looked for (Qt and the
# platform libraries keep what they allocate until the process ends). A report ends its
# process with an exit code of its own: a helper process that a test expects to fail with 1
# must not pass for one that a report ended.
set(TELVARION_SANITIZER_EXIT_CODE 86)
if(TELVARION_SANITIZE)
  list(APPEND TELVARION_TEST_ENV
    ASAN_OPTIONS=detect_leaks=0:halt_on_error=1:detect_stack_use_after_return=0:exitcode=${TELVARION_SANITIZER_EXIT_CODE}
    UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1:exitcode=${TELVARION_SANITIZER_EXIT_CODE})
endif()
# A test that has not ended by then hangs. The limit is for hangs only: a program test takes
# up to two minutes alone and well over twice that when twice as many run as there are
# cores; the sanitizers slow everything down about four times more.
set(TELVARION_SANITIZE_SLOWDOWN 4)
if(TELVARION_SANITIZE)
  math(EXPR TELVARION_TEST_TIMEOUT "300 * ${TELVARION_SANITIZE_SLOWDOWN}")
else()
  set(TELVARION_TEST_TIMEOUT 300)
endif()

# A test that is long by nature (a whole user's path, a window for each of many calls) gets
# more time than a test of one class: `seconds` in the plain build, as much more under the
# sanitizers as every other test gets.
function(telvarion_test_timeout name seconds)
  if(TELVARION_SANITIZE)
    math(EXPR seconds "${seconds} * ${TELVARION_SANITIZE_SLOWDOWN}")
  endif()
  set_tests_properties(${name} PROPERTIES TIMEOUT ${seconds})
endfunction()

# A test that starts the client listens for add-ins: on a socket of its own, so that it
# never meets the user's running client nor another test running at the same time. A
# socket path has to fit in 108 bytes; a deeper build tree keeps the per-user default.
set(TELVARION_TEST_SOCKET_DIR ${CMAKE_BINARY_DIR}/tests/sockets)
file(MAKE_DIRECTORY ${TELVARION_TEST_SOCKET_DIR})

function(_telvarion_register_test name label)
  add_test(NAME ${name} COMMAND ${name})
  set(env ${TELVARION_TEST_ENV})
  set(socket ${TELVARION_TEST_SOCKET_DIR}/${name})
  string(LENGTH "${socket}" socket_length)
  if(socket_length LESS 100)
    list(APPEND env TELVARION_API_SOCKET=${socket})
  endif()
  set_tests_properties(${name} PROPERTIES
    LABELS "${label}"
    TIMEOUT ${TELVARION_TEST_TIMEOUT}
    ENVIRONMENT "${env}")
endfunction()

# Test programs cost the build most of its time, nearly all of it in the compiler: their own
# code is compiled unoptimised (what they test keeps the build's optimisation in its
# libraries), and the Qt headers that every test over the core, or over the engine, parses
# are compiled once for all of them. A precompiled header the compiler cannot take is
# reported (-Winvalid-pch) rather than silently parsed again.
set(TELVARION_TEST_COMPILE_OPTIONS -O0 -Winvalid-pch)
set(_tv_test_pch_core <QtTest> <QSignalSpy> <QApplication> <QWidget> <QPushButton> <QLabel> <QAction> <QMenu>
  <QLineEdit> <QQuickItem> <QQuickWidget> <QQmlContext> <QQmlEngine>)
set(_tv_test_pch_kivo <QtTest> <QSignalSpy> <QStandardItemModel>)

# The target whose precompiled headers the tests over <library> share: made at first use.
function(_telvarion_test_pch_donor library out)
  set(donor telvarion_test_pch_${library})
  if(NOT TARGET ${donor})
    set(source ${CMAKE_BINARY_DIR}/tests/test_pch.cpp)
    file(CONFIGURE OUTPUT ${source} CONTENT "// The precompiled headers of the test programs are made here.\n")
    add_library(${donor} OBJECT ${source})
    target_link_libraries(${donor} PRIVATE Qt5::Test ${library})
    target_compile_options(${donor} PRIVATE ${TELVARION_TEST_COMPILE_OPTIONS})
    if(library STREQUAL "kivo")
      target_precompile_headers(${donor} PRIVATE ${_tv_test_pch_kivo})
    else()
      target_precompile_headers(${donor} PRIVATE ${_tv_test_pch_core})
    endif()
  endif()
  set(${out} ${donor} PARENT_SCOPE)
endfunction()

function(_telvarion_test_compile name libs)
  target_compile_options(${name} PRIVATE ${TELVARION_TEST_COMPILE_OPTIONS})
  if("telvarion_testsupport" IN_LIST libs OR "telvarion_core" IN_LIST libs)
    _telvarion_test_pch_donor(telvarion_testsupport donor)
  elseif("kivo" IN_LIST libs)
    _telvarion_test_pch_donor(kivo donor)
  else()
    return()
  endif()
  target_precompile_headers(${name} REUSE_FROM ${donor})
  # Mostly empty: not worth loading the headers for.
  set_source_files_properties(${CMAKE_CURRENT_BINARY_DIR}/${name}_autogen/mocs_compilation.cpp
    PROPERTIES SKIP_PRECOMPILE_HEADERS ON)
endfunction()

function(telvarion_add_qtest name)
  cmake_parse_arguments(T "" "LABEL" "SOURCES;LIBS" ${ARGN})
  add_executable(${name} ${T_SOURCES})
  target_link_libraries(${name} PRIVATE Qt5::Test ${T_LIBS})
  _telvarion_test_compile(${name} "${T_LIBS}")
  set_target_properties(${name} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/tests)
  _telvarion_register_test(${name} ${T_LABEL})
endfunction()

function(telvarion_add_gtest name)
  cmake_parse_arguments(T "" "LABEL" "SOURCES;LIBS" ${ARGN})
  find_package(GTest REQUIRED)
  add_executable(${name} ${T_SOURCES})
  target_link_libraries(${name} PRIVATE GTest::gtest GTest::gtest_main ${T_LIBS})
  target_compile_options(${name} PRIVATE ${TELVARION_TEST_COMPILE_OPTIONS})
  set_target_properties(${name} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/tests)
  _telvarion_register_test(${name} ${T_LABEL})
endfunction()

