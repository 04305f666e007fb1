# The tests that need no window, built for the browser and run under Node: the
# value types, the math, the strings, the random numbers, the game rules and the
# scripted play-through, proven on the same WebAssembly the page runs. Fatal
# paths are left to the Linux suites: they need a child process, which Node has not.

# Debian's GoogleTest sources, compiled for the web; the test programs have no threads.
set(gtest_disable_pthreads ON CACHE BOOL "" FORCE)
set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
add_subdirectory(/usr/src/googletest/googletest ${CMAKE_CURRENT_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)
include(GoogleTest)

# One JavaScript file each, module inside: Node cannot fetch a module by its path.
# The runtime exits with main, so Node's exit status is the tests' result. Files
# are the machine's own (the play-through script is read from the sources).
function(dotsunder_add_web_test_program name)
  list(TRANSFORM ARGN PREPEND ${CMAKE_CURRENT_SOURCE_DIR}/)
  add_executable(${name} ${ARGN} ${CMAKE_CURRENT_SOURCE_DIR}/TestSupport/TestMain.cpp)
  target_link_libraries(${name} PRIVATE DotsunderGame gtest)
  target_link_options(${name} PRIVATE "SHELL:-s SINGLE_FILE=1" "SHELL:-s EXIT_RUNTIME=1" "SHELL:-s ENVIRONMENT=node"
                      "SHELL:-s NODERAWFS=1")
  target_compile_definitions(${name} PRIVATE DOTSUNDER_SOURCE_DIR="${PROJECT_SOURCE_DIR}")
  dotsunder_strict_warnings(${name})
  gtest_discover_tests(${name} DISCOVERY_MODE PRE_TEST DISCOVERY_TIMEOUT 60 PROPERTIES TIMEOUT 120)
endfunction()

dotsunder_add_web_test_program(WebEngineTests
  Engine/Core/StringUtilsTests.cpp
  Engine/Math/MathUtilsTests.cpp
  Engine/Math/RandomNumberGeneratorTests.cpp
  Engine/Math/TextFormTests.cpp
  Engine/Math/VectorAndBoxTests.cpp)
dotsunder_add_web_test_program(WebGameTests
  Game/DotFontTests.cpp
  Game/GameProgressionTests.cpp
  Game/GameRulesTests.cpp
  Game/GameSoakTests.cpp
  Game/InputScriptTests.cpp)
