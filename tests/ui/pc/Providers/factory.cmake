telvarion_add_qtest(tst_provider_factory LABEL providers
  SOURCES ${CMAKE_CURRENT_LIST_DIR}/factory/tst_provider_factory.cpp
  LIBS telvarion_testsupport)
