telvarion_add_qtest(tst_main_window_helpers LABEL mainmodels SOURCES ${CMAKE_CURRENT_LIST_DIR}/tst_main_window_helpers.cpp
  LIBS telvarion_testsupport)
telvarion_add_qtest(tst_selection_handlers LABEL mainmodels SOURCES ${CMAKE_CURRENT_LIST_DIR}/tst_selection_handlers.cpp
  LIBS telvarion_testsupport)
