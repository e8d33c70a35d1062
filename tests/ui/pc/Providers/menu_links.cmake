telvarion_add_qtest(tst_menu_action_links LABEL providers
  SOURCES ${CMAKE_CURRENT_LIST_DIR}/menu_links/tst_menu_action_links.cpp LIBS telvarion_testsupport)
