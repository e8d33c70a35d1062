telvarion_add_qtest(tst_provider_helpers LABEL providers
  SOURCES ${CMAKE_CURRENT_LIST_DIR}/helpers/tst_provider_helpers.cpp LIBS telvarion_testsupport)
