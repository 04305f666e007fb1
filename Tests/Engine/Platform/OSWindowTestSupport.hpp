#pragma once
// The engine's own window and GL context for one test, on the X display that
// tools/with-display.sh provides, and a bounded wait for the display server.

#include "Engine/Platform/Window.hpp"

#include <SDL2/SDL.h>
#include <gtest/gtest.h>

#include <cstdlib>
#include <functional>

constexpr float TEST_CLIENT_ASPECT = 1.3333334f;

class OSWindowTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_NE(std::getenv("DISPLAY"), nullptr) << "window tests need an X display: run them through "
                                                      "tools/with-display.sh";
        CreateOSWindow(TEST_CLIENT_ASPECT, "Dotsunder");
        CreateOpenGLRenderingContext();
    }
    void TearDown() override
    {
        SetQuitRequestedCallback(nullptr);
        DestroyOSWindow();
    }
};

// Pumps SDL until the condition holds; gives up after a generous 5 s so that a
// display server that never answers fails the test instead of hanging it.
inline bool PumpSDLUntil(std::function<bool()> const& condition)
{
    Uint64 const deadlineMs = SDL_GetTicks64() + 5000;
    while (!condition())
    {
        if (SDL_GetTicks64() > deadlineMs)
        {
            return false;
        }
        SDL_PumpEvents();
        SDL_Delay(1);
    }
    return true;
}
