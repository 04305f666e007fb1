#pragma once
// A hidden window with a current OpenGL 2.1 compatibility context, for tests
// that draw through the renderer and read the pixels back without the engine's
// own window. The framebuffer is width x height, double-buffered RGBA 8/8/8/8
// with 24 depth bits; reads come from the back buffer, before any swap.

#include "Engine/Core/Rgba8.hpp"

#include <gtest/gtest.h>

#include <string>

struct SDL_Window;

class GLTestContext
{
public:
    GLTestContext(int width, int height);
    ~GLTestContext();
    GLTestContext(GLTestContext const&) = delete;
    GLTestContext& operator=(GLTestContext const&) = delete;

    bool IsCurrent() const { return m_glContext != nullptr; }
    std::string const& GetFailure() const { return m_failure; }  // why there is no context

private:
    SDL_Window* m_window = nullptr;
    void* m_glContext = nullptr;
    std::string m_failure;
};

// Of whichever context is current, once every command so far has finished: pixel
// (x, y) from the bottom-left corner of its back buffer has every channel within
// tolerance of the expected colour.
::testing::AssertionResult IsPixelNear(int x, int y, Rgba8 const& expected, int tolerance = 0);

// Starts SDL's video for the rest of the process, once. Mesa unloads its driver
// when the last X display closes; leaks it keeps for the process would then be
// reported from an unknown module that no suppression can name.
bool KeepVideoSubsystemForTheProcess();
