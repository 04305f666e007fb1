# The tests that need no window, built for the browser and run under Node: the
# value types, the math, the strings, the random numbers, the game rules and the
# scripted play-through, proven on the same WebAssembly the page runs. The tests
# that need Linux (Tests/CMakeLists.txt says which and why) are left out here too:
# fatal paths need a child process, which Node has not.

# Debian's GoogleTest sources, compiled for the web; the test programs have no threads.
set(gtest_disable_pthreads ON CACHE BOOL "" FORCE)
set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
add_subdirectory(/usr/src/googletest/googletest ${CMAKE_CURRENT_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)
include(GoogleTest)

# One JavaScript file each, module inside: Node cannot fetch a module by its path.
# The runtime exits with main, so Node's exit status is the tests' result. Files
# are the machine's own (the play-through script is read from the sources).
#
#   dotsunder_add_web_test_program(<name> FOLDERS <folder below Tests/>...)
function(dotsunder_add_web_test_program name)
  cmake_parse_arguments(PARSE_ARGV 1 arg "" "" "FOLDERS")
  dotsunder_collect_test_sources(sources ${arg_FOLDERS})
  add_executable(${name} ${sources} ${CMAKE_CURRENT_SOURCE_DIR}/TestSupport/TestMain.cpp)
  target_link_libraries(${name} PRIVATE DotsunderGame gtest)
  target_link_options(${name} PRIVATE "SHELL:-s SINGLE_FILE=1" "SHELL:-s EXIT_RUNTIME=1" "SHELL:-s ENVIRONMENT=node"
                      "SHELL:-s NODERAWFS=1")
  target_compile_definitions(${name} PRIVATE DOTSUNDER_SOURCE_DIR="${PROJECT_SOURCE_DIR}")
  dotsunder_strict_warnings(${name})
  gtest_discover_tests(${name} DISCOVERY_MODE PRE_TEST DISCOVERY_TIMEOUT 60 PROPERTIES TIMEOUT 120)
endfunction()

# The same sources as the Windows build's, less its renderer tests.
dotsunder_add_web_test_program(WebEngineTests FOLDERS Engine/Core Engine/Math)
dotsunder_add_web_test_program(WebGameTests FOLDERS Game)
