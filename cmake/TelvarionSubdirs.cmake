# Adds every immediate sub-folder that has a CMakeLists.txt, so areas can add their
# test folders without editing a shared list.
macro(telvarion_add_subdirectories)
  file(GLOB _tv_children LIST_DIRECTORIES true RELATIVE ${CMAKE_CURRENT_SOURCE_DIR} ${CMAKE_CURRENT_SOURCE_DIR}/*)
  list(SORT _tv_children)
  foreach(_tv_child ${_tv_children})
    if(IS_DIRECTORY ${CMAKE_CURRENT_SOURCE_DIR}/${_tv_child} AND EXISTS ${CMAKE_CURRENT_SOURCE_DIR}/${_tv_child}/CMakeLists.txt)
      add_subdirectory(${_tv_child})
    endif()
  endforeach()
endmacro()
