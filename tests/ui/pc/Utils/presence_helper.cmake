telvarion_add_qtest(tst_presence_helper LABEL presence SOURCES ${CMAKE_CURRENT_LIST_DIR}/presence_helper/tst_presence_helper.cpp
  LIBS telvarion_testsupport)
# The presence icons travel in the default theme's resources.
target_compile_definitions(tst_presence_helper PRIVATE
  TEST_THEME_RESOURCES="${TELVARION_PROGRAM_DIR}/themes/default/resources.rcc")
add_dependencies(tst_presence_helper telvarion_runtime_files)
