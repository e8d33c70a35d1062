telvarion_add_qtest(tst_config_xml LABEL foundation SOURCES ${CMAKE_CURRENT_LIST_DIR}/tst_config_xml.cpp LIBS telvarion_testsupport)
