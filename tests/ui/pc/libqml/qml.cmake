# QXmppLogger is one of the registered QML types, so the core library needs QXmpp;
# link it here unless the program's own build already does.
get_target_property(_tv_core_libs telvarion_core LINK_LIBRARIES)
if(NOT "QXmpp::QXmpp" IN_LIST _tv_core_libs)
  find_package(QXmpp REQUIRED GLOBAL)
  target_link_libraries(telvarion_core PUBLIC QXmpp::QXmpp)
endif()

telvarion_add_qtest(tst_register_qml_types LABEL qml
  SOURCES ${CMAKE_CURRENT_LIST_DIR}/tst_register_qml_types.cpp ${CMAKE_CURRENT_LIST_DIR}/qml_test_setup.h
  LIBS telvarion_testsupport)
