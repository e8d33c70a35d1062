telvarion_add_qtest(tst_registry LABEL startup SOURCES ${CMAKE_CURRENT_LIST_DIR}/tst_registry.cpp LIBS telvarion_testsupport)
telvarion_add_qtest(tst_themes LABEL startup SOURCES ${CMAKE_CURRENT_LIST_DIR}/tst_themes.cpp LIBS telvarion_testsupport)
