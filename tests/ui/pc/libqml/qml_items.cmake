# The interactive QML items: combo boxes, drag and drop, video, share viewers, web view.
set(_tv_items_dir ${CMAKE_CURRENT_LIST_DIR}/items)
foreach(_tv_test tst_combo_box_qml_adapter tst_drag_drop_items tst_video_items tst_share_viewers tst_webview)
  if(EXISTS ${_tv_items_dir}/${_tv_test}.cpp)
    telvarion_add_qtest(${_tv_test} LABEL qmlitems
      SOURCES ${_tv_items_dir}/${_tv_test}.cpp ${_tv_items_dir}/scenes/scenes.qrc
      LIBS telvarion_testsupport)
  endif()
endforeach()
# The web view's tests reach its class: they link its library.
if(TARGET tst_webview)
  target_link_libraries(tst_webview PRIVATE telvarion_web)
endif()
