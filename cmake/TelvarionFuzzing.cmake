# Fuzz targets (libFuzzer) of the parsers that read what other people, other programs and
# files hand the program. Built with clang only, and only they and the sources they parse
# with, with coverage and both sanitizers:
#
#   cmake -S . -B build-fuzz -G Ninja -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ \
#         -DTELVARION_FUZZ=ON -DTELVARION_LIBS_ONLY=ON -DTELVARION_BUILD_TESTS=OFF
#   cmake --build build-fuzz --target telvarion_fuzzers
#
# scripts/fuzz.sh NAME SECONDS runs one (and builds it); scripts/test.sh --ci runs each for a
# few seconds over its seed corpus in fuzz/corpus/NAME.
include_guard(GLOBAL)

option(TELVARION_FUZZ "Build the libFuzzer targets (clang only)" OFF)

if(TELVARION_FUZZ)
  if(NOT CMAKE_CXX_COMPILER_ID MATCHES "Clang")
    message(FATAL_ERROR "TELVARION_FUZZ needs clang: -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++")
  endif()
  # Everything a fuzz target links is instrumented for coverage and checked.
  add_compile_options(-fsanitize=fuzzer-no-link,address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer)
  add_link_options(-fsanitize=address,undefined)
  add_custom_target(telvarion_fuzzers)
endif()

#   telvarion_add_fuzzer(<name> SOURCES <files...> [LIBS <targets...>])
# The program is build-fuzz/fuzz/<name>; its seed corpus is fuzz/corpus/<name>.
function(telvarion_add_fuzzer name)
  cmake_parse_arguments(F "" "" "SOURCES;LIBS" ${ARGN})
  add_executable(${name} ${F_SOURCES})
  target_link_libraries(${name} PRIVATE ${F_LIBS})
  target_link_options(${name} PRIVATE -fsanitize=fuzzer)
  set_target_properties(${name} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/fuzz)
  add_dependencies(telvarion_fuzzers ${name})
endfunction()
