telvarion_add_qtest(tst_style LABEL foundation SOURCES ${CMAKE_CURRENT_LIST_DIR}/tst_style.cpp LIBS telvarion_testsupport)
