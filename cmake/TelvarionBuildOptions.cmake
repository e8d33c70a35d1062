# How the tree is compiled and linked:
#   TELVARION_DEBUG_INFO   lines (default): line tables only, enough for backtraces and the
#                          sanitizers' reports, and much cheaper to compile and link; full: -g
#   TELVARION_SANITIZE     ON: AddressSanitizer and UndefinedBehaviorSanitizer, any report
#                          ends the process (scripts/test.sh --sanitize)
# The LLVM linker is used where it is installed: it links a test program in a fifth of the
# time the default linker takes.
include_guard(GLOBAL)
include(CheckLinkerFlag)

set(TELVARION_DEBUG_INFO lines CACHE STRING "Debug information: lines or full")
set_property(CACHE TELVARION_DEBUG_INFO PROPERTY STRINGS lines full)
option(TELVARION_SANITIZE "Build with AddressSanitizer and UndefinedBehaviorSanitizer" OFF)

if(TELVARION_DEBUG_INFO STREQUAL "lines")
  # After the build type's -g, so that this level wins.
  add_compile_options($<$<CONFIG:RelWithDebInfo,Debug>:-g1>)
endif()

check_linker_flag(CXX "-fuse-ld=lld" TELVARION_HAS_LLD)
if(TELVARION_HAS_LLD)
  add_link_options(-fuse-ld=lld)
endif()

# The program and the libraries it shares with the tests lie in one folder once installed.
set(CMAKE_INSTALL_RPATH "$ORIGIN")

if(TELVARION_SANITIZE)
  set(_tv_sanitizers -fsanitize=address,undefined -fno-sanitize-recover=all)
  add_compile_options(${_tv_sanitizers} -fno-omit-frame-pointer)
  add_link_options(${_tv_sanitizers})
endif()

# Calls between the functions of one of our libraries (and the virtual tables that name
# them) are bound when the library is linked: the dynamic linker no longer looks each of them
# up through every library the program loads, about half its symbol look-ups at start-up.
add_link_options($<$<STREQUAL:$<TARGET_PROPERTY:TYPE>,SHARED_LIBRARY>:LINKER:-Bsymbolic-functions>)
