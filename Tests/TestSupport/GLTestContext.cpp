#include "Tests/TestSupport/GLTestContext.hpp"

#include <SDL.h>
#include <SDL_opengl.h>

#include <cstdlib>

GLTestContext::GLTestContext(int width, int height)
{
    bool const isVideoStarted = KeepVideoSubsystemForTheProcess();  // before any attribute is set
    SDL_GL_ResetAttributes();                                       // double-buffered 2.1 compatibility
    for (SDL_GLattr const attribute :
         {SDL_GL_RED_SIZE, SDL_GL_GREEN_SIZE, SDL_GL_BLUE_SIZE, SDL_GL_ALPHA_SIZE})
    {
        SDL_GL_SetAttribute(attribute, 8);
    }
    SDL_GL_SetAttribute(SDL_GL_DEPTH_SIZE, 24);
    if (isVideoStarted)
    {
        m_window = SDL_CreateWindow("GLTestContext", SDL_WINDOWPOS_UNDEFINED, SDL_WINDOWPOS_UNDEFINED, width,
                                    height, SDL_WINDOW_OPENGL | SDL_WINDOW_HIDDEN);
    }
    m_glContext = (m_window != nullptr) ? SDL_GL_CreateContext(m_window) : nullptr;  // and makes it current
    if (m_glContext == nullptr)
    {
        m_failure = std::string("no current GL context: ") + SDL_GetError();
    }
}

GLTestContext::~GLTestContext()
{
    if (m_glContext != nullptr)
    {
        SDL_GL_DeleteContext(m_glContext);  // no longer current either
    }
    SDL_DestroyWindow(m_window);  // nothing for a window never made
}

bool KeepVideoSubsystemForTheProcess()
{
    // X11 first, as the engine's window asks: a Wayland probe that fails unloads
    // its libraries with memory still held, which leak checks then report.
    static bool const isVideoStarted =
        SDL_SetHint(SDL_HINT_VIDEODRIVER, "x11,wayland") && SDL_InitSubSystem(SDL_INIT_VIDEO) == 0;
    return isVideoStarted;
}

::testing::AssertionResult IsPixelNear(int x, int y, Rgba8 const& expected, int tolerance)
{
    unsigned char bytes[4] = {0, 0, 0, 0};
    glFinish();
    glReadBuffer(GL_BACK);
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glReadPixels(x, y, 1, 1, GL_RGBA, GL_UNSIGNED_BYTE, bytes);
    Rgba8 const actual(bytes[0], bytes[1], bytes[2], bytes[3]);
    bool const isNear =
        std::abs(actual.r - expected.r) <= tolerance && std::abs(actual.g - expected.g) <= tolerance &&
        std::abs(actual.b - expected.b) <= tolerance && std::abs(actual.a - expected.a) <= tolerance;
    return isNear ? ::testing::AssertionSuccess()
                  : ::testing::AssertionFailure()
                        << "pixel (" << x << ", " << y << ") is " << actual.GetAsString() << ", expected "
                        << expected.GetAsString();
}
