telvarion_add_qtest(tst_text_field_actions_handler LABEL signin
  SOURCES ${CMAKE_CURRENT_LIST_DIR}/tst_text_field_actions_handler.cpp LIBS telvarion_core)
