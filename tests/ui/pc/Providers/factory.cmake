telvarion_add_qtest(tst_provider_factory LABEL providers
  SOURCES ${CMAKE_CURRENT_LIST_DIR}/factory/tst_provider_factory.cpp ${CMAKE_CURRENT_LIST_DIR}/factory/signed_in_session.h
  LIBS telvarion_testsupport)
