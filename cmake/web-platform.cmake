# Included by the top-level CMakeLists.txt when emscripten builds for the browser.

# SDL2 as tools/build-web.sh installs it: a static library only.
if(NOT TARGET SDL2::SDL2)
  add_library(SDL2::SDL2 INTERFACE IMPORTED)
  target_link_libraries(SDL2::SDL2 INTERFACE SDL2::SDL2-static)
endif()

# WebGL 1 behind the fixed-function emulation, which the renderer's immediate-mode
# calls need; the emulation is linked in, so the target carries only options.
add_library(OpenGL::GL INTERFACE IMPORTED)
target_link_options(OpenGL::GL INTERFACE "SHELL:-s LEGACY_GL_EMULATION=1" "SHELL:-s GL_UNSAFE_OPTS=0")

# Debian's stb headers, compiled once for the browser; the Linux build links
# Debian's compiled library instead. Their own warnings are not ours.
add_library(StbForWeb STATIC ${CMAKE_CURRENT_LIST_DIR}/web/StbImplementation.cpp)
target_include_directories(StbForWeb SYSTEM PUBLIC /usr/include/stb)
add_library(PkgConfig::STB INTERFACE IMPORTED)
target_link_libraries(PkgConfig::STB INTERFACE StbForWeb)

# Memory grows with the game; SDL's event loop runs from the browser's frames.
add_link_options("SHELL:-s ALLOW_MEMORY_GROWTH=1")

# The game as a page: our own page around the module, with the loading, ending
# and fatal-report hooks the engine calls.
function(dotsunder_web_page target)
  set(shell ${PROJECT_SOURCE_DIR}/Game/Web/shell.html)
  set_target_properties(${target} PROPERTIES SUFFIX ".html" LINK_DEPENDS ${shell})
  # Unminified: this emscripten's call of its HTML minifier is broken, and the
  # page is small.
  target_link_options(${target} PRIVATE "SHELL:--shell-file ${shell}" "SHELL:-s MINIFY_HTML=0")
endfunction()
