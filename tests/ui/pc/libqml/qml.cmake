telvarion_add_qtest(tst_register_qml_types LABEL qml
  SOURCES ${CMAKE_CURRENT_LIST_DIR}/tst_register_qml_types.cpp ${CMAKE_CURRENT_LIST_DIR}/qml_test_setup.h
  LIBS telvarion_testsupport)
