telvarion_add_qtest(tst_main_window_helpers LABEL mainmodels SOURCES ${CMAKE_CURRENT_LIST_DIR}/tst_main_window_helpers.cpp
  LIBS telvarion_testsupport)
telvarion_add_qtest(tst_selection_handlers LABEL mainmodels SOURCES ${CMAKE_CURRENT_LIST_DIR}/tst_selection_handlers.cpp
  LIBS telvarion_testsupport)
telvarion_add_qtest(tst_search_manager LABEL mainmodels SOURCES ${CMAKE_CURRENT_LIST_DIR}/tst_search_manager.cpp
  LIBS telvarion_testsupport)
telvarion_add_qtest(tst_session_helpers LABEL mainmodels SOURCES ${CMAKE_CURRENT_LIST_DIR}/tst_session_helpers.cpp
  LIBS telvarion_testsupport)

# The main window's search on a large account (not a test: see bench/).
add_executable(search_bench ${PROJECT_SOURCE_DIR}/bench/search_bench.cpp)
target_link_libraries(search_bench PRIVATE telvarion_core Qt5::Test)
target_compile_definitions(search_bench PRIVATE
  KIVO_ACCOUNT_GENERATOR="$<TARGET_FILE:kivo_account_generator>")
set_target_properties(search_bench PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/bench)
add_dependencies(search_bench kivo_account_generator)
