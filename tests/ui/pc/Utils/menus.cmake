# Menus: actions helper, menu handler and selection menus, window and toolbar menus.
foreach(_tv_menus_test tst_actions_helper tst_menu_handler tst_window_menus)
  telvarion_add_qtest(${_tv_menus_test} LABEL menus
    SOURCES ${CMAKE_CURRENT_LIST_DIR}/menus/${_tv_menus_test}.cpp ${CMAKE_CURRENT_LIST_DIR}/menus/menu_fixture.h
    LIBS telvarion_core telvarion_testsupport)
  target_include_directories(${_tv_menus_test} PRIVATE ${PROJECT_SOURCE_DIR}/tests/libs/kivo/conversations)
endforeach()
