#include "Tests/TestSupport/GLTestContext.hpp"

#include <SDL.h>
#include <SDL_opengl.h>

#include <cstdlib>

GLTestContext::GLTestContext(int width, int height)
{
    if (!KeepVideoSubsystemForTheProcess())
    {
        m_failure = std::string("SDL_InitSubSystem(SDL_INIT_VIDEO): ") + SDL_GetError();
        return;
    }

    SDL_GL_ResetAttributes();
    SDL_GL_SetAttribute(SDL_GL_CONTEXT_MAJOR_VERSION, 2);
    SDL_GL_SetAttribute(SDL_GL_CONTEXT_MINOR_VERSION, 1);
    SDL_GL_SetAttribute(SDL_GL_DOUBLEBUFFER, 1);
    SDL_GL_SetAttribute(SDL_GL_RED_SIZE, 8);
    SDL_GL_SetAttribute(SDL_GL_GREEN_SIZE, 8);
    SDL_GL_SetAttribute(SDL_GL_BLUE_SIZE, 8);
    SDL_GL_SetAttribute(SDL_GL_ALPHA_SIZE, 8);
    SDL_GL_SetAttribute(SDL_GL_DEPTH_SIZE, 24);
    m_window = SDL_CreateWindow("GLTestContext", SDL_WINDOWPOS_UNDEFINED, SDL_WINDOWPOS_UNDEFINED, width,
                                height, SDL_WINDOW_OPENGL | SDL_WINDOW_HIDDEN);
    if (m_window == nullptr)
    {
        m_failure = std::string("SDL_CreateWindow: ") + SDL_GetError();
        return;
    }
    m_glContext = SDL_GL_CreateContext(m_window);
    if (m_glContext == nullptr)
    {
        m_failure = std::string("SDL_GL_CreateContext: ") + SDL_GetError();
        return;
    }
    if (SDL_GL_MakeCurrent(m_window, m_glContext) != 0)
    {
        m_failure = std::string("SDL_GL_MakeCurrent: ") + SDL_GetError();
        SDL_GL_DeleteContext(m_glContext);
        m_glContext = nullptr;
        return;
    }
}

GLTestContext::~GLTestContext()
{
    if (m_glContext != nullptr)
    {
        SDL_GL_MakeCurrent(m_window, nullptr);
        SDL_GL_DeleteContext(m_glContext);
    }
    if (m_window != nullptr)
    {
        SDL_DestroyWindow(m_window);
    }
}

bool KeepVideoSubsystemForTheProcess()
{
    static bool const isVideoStarted = SDL_InitSubSystem(SDL_INIT_VIDEO) == 0;
    return isVideoStarted;
}

Rgba8 ReadBackBufferPixel(int x, int y)
{
    unsigned char bytes[4] = {0, 0, 0, 0};
    glFinish();
    glReadBuffer(GL_BACK);
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glReadPixels(x, y, 1, 1, GL_RGBA, GL_UNSIGNED_BYTE, bytes);
    return Rgba8(bytes[0], bytes[1], bytes[2], bytes[3]);
}

float ReadBackBufferDepth(int x, int y)
{
    float depth = -1.f;
    glFinish();
    glReadBuffer(GL_BACK);
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glReadPixels(x, y, 1, 1, GL_DEPTH_COMPONENT, GL_FLOAT, &depth);
    return depth;
}

std::string DescribeColor(Rgba8 const& color)
{
    return "(" + std::to_string(color.r) + ", " + std::to_string(color.g) + ", " + std::to_string(color.b) +
           ", " + std::to_string(color.a) + ")";
}

bool IsColorNear(Rgba8 const& actual, Rgba8 const& expected, int tolerance)
{
    return std::abs(actual.r - expected.r) <= tolerance && std::abs(actual.g - expected.g) <= tolerance &&
           std::abs(actual.b - expected.b) <= tolerance && std::abs(actual.a - expected.a) <= tolerance;
}
