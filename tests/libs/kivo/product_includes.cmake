# Fails when product code includes a header of the simulated service: the program and the
# plug-in reach the engine only through its public classes.
#
#   cmake -DSOURCE_DIR=<repository> -P product_includes.cmake
file(GLOB_RECURSE sources
  ${SOURCE_DIR}/ui/*.h ${SOURCE_DIR}/ui/*.cpp
  ${SOURCE_DIR}/program/*.h ${SOURCE_DIR}/program/*.cpp
  ${SOURCE_DIR}/connectors/*.h ${SOURCE_DIR}/connectors/*.cpp)
set(offenders)
foreach(source IN LISTS sources)
  file(STRINGS ${source} includes REGEX "^[ \t]*#[ \t]*include[ \t]*[<\"]Kivo/Simulation/")
  if(includes)
    list(APPEND offenders ${source})
  endif()
endforeach()
list(LENGTH sources count)
if(count EQUAL 0)
  message(FATAL_ERROR "no product sources found under ${SOURCE_DIR}")
endif()
if(offenders)
  string(REPLACE ";" "\n  " offenders "${offenders}")
  message(FATAL_ERROR "product code includes the simulated service:\n  ${offenders}")
endif()
message(STATUS "${count} product sources, none includes the simulated service")
