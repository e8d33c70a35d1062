# Tests of the start-up pieces write the registry file, the URL-scheme desktop entry and
# the data folder: give each test a home of its own under the build tree so that a test
# that forgets to redirect them never reaches the user's real folders.
#
#   telvarion_private_home(<test name>)
include_guard(GLOBAL)

function(telvarion_private_home name)
  set(home ${CMAKE_BINARY_DIR}/test_homes/${name})
  set_property(TEST ${name} APPEND PROPERTY ENVIRONMENT
    TELVARION_REGISTRY_FILE=${home}/config/Telvarion/registry.ini
    XDG_CONFIG_HOME=${home}/config
    XDG_DATA_HOME=${home}/share)
endfunction()
