#include "Engine/Platform/Window.hpp"

#include "Engine/Core/ErrorWarningAssert.hpp"
#include "Engine/Core/StringUtils.hpp"
#include "Engine/Input/InputSystem.hpp"
#include "Engine/Input/KeyCodes.hpp"
#include "Engine/Math/AABB2.hpp"
#include "Engine/Math/IntVec2.hpp"
#include "Engine/Math/Vec2.hpp"
#include "Engine/Platform/KeyTranslation.hpp"

#include <SDL.h>

#include <cmath>
#include <utility>

namespace
{
SDL_Window* g_sdlWindow = nullptr;
SDL_GLContext g_glContext = nullptr;
SDL_Cursor* g_arrowCursor = nullptr;
float g_clientAspect = 0.f;  // as given to CreateOSWindow
std::function<void()> g_quitRequestedCallback;
// The code each physical key's press gave the input system, so that its release
// takes back exactly that code: 0 while the key is up or its press was not given.
unsigned char g_keyCodeHeldByScancode[SDL_NUM_SCANCODES] = {};

constexpr float MAX_CLIENT_FRACTION = 0.9f;       // of the desktop, in each direction
constexpr float LARGEST_DESKTOP_PIXELS = 1.0e8f;  // keeps every truncation inside int

// Debian's SDL falls back to its offscreen driver when no display answers, which
// would run the game invisibly. Only an explicit SDL_VIDEODRIVER (which outranks
// this hint) may choose a headless driver. Windows has its one driver, the
// browser its canvas.
void StartVideo()
{
#if defined(__linux__)
    SDL_SetHint(SDL_HINT_VIDEODRIVER, "x11,wayland");
#endif
    if (SDL_InitSubSystem(SDL_INIT_VIDEO) != 0)
    {
        ERROR_AND_DIE(
            "CreateOSWindow",
            Stringf("No display: SDL could not start its video subsystem (%s). Run the program inside "
                    "an X11 or Wayland session (DISPLAY or WAYLAND_DISPLAY must name a running one).",
                    SDL_GetError()));
    }
}

// Must precede window creation: on X11 the window's visual is chosen from these.
void RequestGLFramebufferAndContext()
{
    struct Attribute
    {
        SDL_GLattr attribute;
        int value;
    };
    Attribute const ATTRIBUTES[] = {
        {SDL_GL_RED_SIZE, 8},
        {SDL_GL_GREEN_SIZE, 8},
        {SDL_GL_BLUE_SIZE, 8},
        {SDL_GL_DEPTH_SIZE, 24},
        {SDL_GL_STENCIL_SIZE, 8},
        {SDL_GL_DOUBLEBUFFER, 1},
#ifndef __EMSCRIPTEN__
        // The browser's WebGL has no profiles; its immediate-mode emulation is linked in.
        {SDL_GL_CONTEXT_PROFILE_MASK, SDL_GL_CONTEXT_PROFILE_COMPATIBILITY},
        {SDL_GL_CONTEXT_MAJOR_VERSION, 2},
        {SDL_GL_CONTEXT_MINOR_VERSION, 1},
#endif
    };
    for (Attribute const& request : ATTRIBUTES)
    {
        if (SDL_GL_SetAttribute(request.attribute, request.value) != 0)
        {
            ERROR_AND_DIE("CreateOSWindow",
                          Stringf("SDL refused an OpenGL attribute request (attribute %d = %d): %s",
                                  static_cast<int>(request.attribute), request.value, SDL_GetError()));
        }
    }
}

// SDL picks the closest framebuffer it can get; the renderer needs at least this.
void CheckContextFramebuffer()
{
    struct Minimum
    {
        SDL_GLattr attribute;
        char const* name;
        int minimumValue;
    };
    Minimum const MINIMUMS[] = {
        {SDL_GL_DOUBLEBUFFER, "double buffering", 1}, {SDL_GL_RED_SIZE, "red bits", 8},
        {SDL_GL_GREEN_SIZE, "green bits", 8},         {SDL_GL_BLUE_SIZE, "blue bits", 8},
        {SDL_GL_DEPTH_SIZE, "depth bits", 24},        {SDL_GL_STENCIL_SIZE, "stencil bits", 8},
    };
    for (Minimum const& minimum : MINIMUMS)
    {
        int actualValue = 0;
        if (SDL_GL_GetAttribute(minimum.attribute, &actualValue) != 0 || actualValue < minimum.minimumValue)
        {
            ERROR_AND_DIE("CreateOpenGLRenderingContext",
                          Stringf("The OpenGL context has %d %s where at least %d are needed (%s).",
                                  actualValue, minimum.name, minimum.minimumValue, SDL_GetError()));
        }
    }
}

void RequestQuit()
{
    // A copy, so that a callback which replaces itself is not destroyed mid-call.
    std::function<void()> const callback = g_quitRequestedCallback;
    if (callback)
    {
        callback();
    }
}

void ForgetHeldKeys()
{
    for (unsigned char& keyCode : g_keyCodeHeldByScancode)
    {
        keyCode = 0;
    }
}

void HandleWindowEvent(SDL_WindowEvent const& windowEvent)
{
    if (windowEvent.event == SDL_WINDOWEVENT_CLOSE)
    {
        RequestQuit();
    }
    else if (windowEvent.event == SDL_WINDOWEVENT_FOCUS_LOST)
    {
        // Key-ups for keys let go in another window never reach us.
        ForgetHeldKeys();
        if (g_theInput != nullptr)
        {
            g_theInput->ReleaseAllKeys();
        }
    }
}

// Borderless, over the whole display the window is on; SDL keeps the windowed size
// and place and gives them back on the way out. Where nobody grants the request (no
// window manager) the window stays as it is.
void ToggleFullscreen()
{
    Uint32 const fullscreenFlags = SDL_GetWindowFlags(g_sdlWindow) & SDL_WINDOW_FULLSCREEN_DESKTOP;
    SDL_SetWindowFullscreen(g_sdlWindow, fullscreenFlags != 0 ? 0 : SDL_WINDOW_FULLSCREEN_DESKTOP);
}

// Windows' system keys: F10, Alt itself and every key pressed while Alt is held
// belong to the window, never to the game, so Alt+J buys no J.
bool IsSystemKeyPress(unsigned char keyCode, Uint16 modifiers)
{
    return keyCode == KEYCODE_F10 || keyCode == KEYCODE_ALT || (modifiers & KMOD_ALT) != 0;
}

// The window layer's own keys: Alt+Enter and F11 toggle fullscreen.
bool HandleWindowKeyPress(unsigned char keyCode, SDL_KeyboardEvent const& keyEvent)
{
    bool const isFullscreenToggle =
        keyCode == KEYCODE_F11 || (keyCode == KEYCODE_ENTER && (keyEvent.keysym.mod & KMOD_ALT) != 0);
    if (isFullscreenToggle && keyEvent.repeat == 0 && g_sdlWindow != nullptr)
    {
        ToggleFullscreen();
    }
    return isFullscreenToggle;
}

// Left and right Shift (Ctrl, Alt, both Enters) share a code, which stays pressed
// while either key is down.
void ReleaseHeldKey(int scancode)
{
    unsigned char const keyCode = g_keyCodeHeldByScancode[scancode];
    if (keyCode == 0)
    {
        return;
    }
    g_keyCodeHeldByScancode[scancode] = 0;
    for (unsigned char const heldKeyCode : g_keyCodeHeldByScancode)
    {
        if (heldKeyCode == keyCode)
        {
            return;
        }
    }
    g_theInput->HandleKeyReleased(keyCode);
}

// A release takes back what the press gave, whatever is held by then: a key let go
// while Alt is down would otherwise stay pressed for good.
void HandleKeyEvent(SDL_KeyboardEvent const& keyEvent)
{
    int const scancode = static_cast<int>(keyEvent.keysym.scancode);
    if (g_theInput == nullptr || scancode < 0 || scancode >= SDL_NUM_SCANCODES)
    {
        return;
    }
    if (keyEvent.type == SDL_KEYUP)
    {
        ReleaseHeldKey(scancode);
        return;
    }
    // Auto-repeat arrives as further key-downs; they only set the raw state again,
    // and only for a press that was given: J held on after Alt+J buys no J.
    if (keyEvent.repeat != 0 && g_keyCodeHeldByScancode[scancode] == 0)
    {
        return;
    }
    unsigned char const keyCode = TranslateSDLKeyToKeyCode(static_cast<int>(keyEvent.keysym.sym), scancode);
    if (keyCode == 0 || HandleWindowKeyPress(keyCode, keyEvent) ||
        IsSystemKeyPress(keyCode, keyEvent.keysym.mod))
    {
        return;
    }
    g_keyCodeHeldByScancode[scancode] = keyCode;
    g_theInput->HandleKeyPressed(keyCode);
}

void HandleEvent(SDL_Event const& event)
{
    switch (event.type)
    {
        case SDL_QUIT:
            RequestQuit();
            break;
        case SDL_WINDOWEVENT:
            HandleWindowEvent(event.window);
            break;
        case SDL_KEYDOWN:
        case SDL_KEYUP:
            HandleKeyEvent(event.key);
            break;
        default:
            break;
    }
}
}  // namespace

AABB2 ComputeClientRect(Vec2 const& desktopSize, float clientAspect)
{
    float const desktopWidth = desktopSize.x;
    float const desktopHeight = desktopSize.y;
    bool const isDesktopUsable = desktopWidth > 0.f && desktopWidth <= LARGEST_DESKTOP_PIXELS &&
                                 desktopHeight > 0.f && desktopHeight <= LARGEST_DESKTOP_PIXELS;
    bool const isAspectUsable = std::isfinite(clientAspect) && clientAspect > 0.f;
    if (!isDesktopUsable || !isAspectUsable)
    {
        return AABB2(0.f, 0.f, 0.f, 0.f);
    }

    float const desktopAspect = desktopWidth / desktopHeight;
    float clientWidth = desktopWidth * MAX_CLIENT_FRACTION;
    float clientHeight = desktopHeight * MAX_CLIENT_FRACTION;
    if (clientAspect > desktopAspect)
    {
        clientHeight = clientWidth / clientAspect;
    }
    else
    {
        clientWidth = clientHeight * clientAspect;
    }

    float const clientMarginX = 0.5f * (desktopWidth - clientWidth);
    float const clientMarginY = 0.5f * (desktopHeight - clientHeight);
    int const left = static_cast<int>(clientMarginX);
    int const top = static_cast<int>(clientMarginY);
    int const right = left + static_cast<int>(clientWidth);
    int const bottom = top + static_cast<int>(clientHeight);
    return AABB2(static_cast<float>(left), static_cast<float>(top), static_cast<float>(right),
                 static_cast<float>(bottom));
}

void CreateOSWindow(float clientAspect, char const* title)
{
    GUARANTEE_OR_DIE(g_sdlWindow == nullptr, "CreateOSWindow",
                     "A window already exists; the program has only one.");
    GUARANTEE_OR_DIE(std::isfinite(clientAspect) && clientAspect > 0.f, "CreateOSWindow",
                     Stringf("The client aspect must be a positive width over height, not %g.",
                             static_cast<double>(clientAspect)));

    StartVideo();
    ForgetHeldKeys();

    SDL_DisplayMode desktopMode = {};
    SDL_Rect desktopBounds = {};
    if (SDL_GetDesktopDisplayMode(0, &desktopMode) != 0 || SDL_GetDisplayBounds(0, &desktopBounds) != 0)
    {
        ERROR_AND_DIE("CreateOSWindow",
                      Stringf("Could not read the primary display's size: %s", SDL_GetError()));
    }
    GUARANTEE_OR_DIE(
        desktopMode.w > 0 && desktopMode.h > 0, "CreateOSWindow",
        Stringf("The primary display reports an empty desktop (%d x %d).", desktopMode.w, desktopMode.h));

    AABB2 const clientRect = ComputeClientRect(
        Vec2(static_cast<float>(desktopMode.w), static_cast<float>(desktopMode.h)), clientAspect);
    int const clientLeft = desktopBounds.x + static_cast<int>(clientRect.mins.x);
    int const clientTop = desktopBounds.y + static_cast<int>(clientRect.mins.y);
    int const clientWidth = static_cast<int>(clientRect.maxs.x - clientRect.mins.x);
    int const clientHeight = static_cast<int>(clientRect.maxs.y - clientRect.mins.y);

    RequestGLFramebufferAndContext();
    Uint32 windowFlags = SDL_WINDOW_OPENGL | SDL_WINDOW_RESIZABLE | SDL_WINDOW_SHOWN;
#ifdef __EMSCRIPTEN__
    // The page sizes the canvas in CSS pixels; the drawable gets the screen's
    // device pixels behind them, so high-DPI screens draw sharp dots.
    windowFlags |= SDL_WINDOW_ALLOW_HIGHDPI;
#endif
    // SDL places and sizes the client area itself; the frame is the window manager's.
    g_sdlWindow = SDL_CreateWindow(title != nullptr ? title : "", clientLeft, clientTop, clientWidth,
                                   clientHeight, windowFlags);
    if (g_sdlWindow == nullptr)
    {
        ERROR_AND_DIE("CreateOSWindow",
                      Stringf("Could not create a %d x %d window with a double-buffered RGBA 8/8/8 OpenGL "
                              "framebuffer with 24 depth and 8 stencil bits: %s",
                              clientWidth, clientHeight, SDL_GetError()));
    }
    SDL_RaiseWindow(g_sdlWindow);
    g_clientAspect = clientAspect;

    // Without its own cursor the window shows the system's default one, which is no
    // reason to stop the program.
    g_arrowCursor = SDL_CreateSystemCursor(SDL_SYSTEM_CURSOR_ARROW);
    if (g_arrowCursor != nullptr)
    {
        SDL_SetCursor(g_arrowCursor);
    }
}

void CreateOpenGLRenderingContext()
{
    GUARANTEE_OR_DIE(g_sdlWindow != nullptr, "CreateOpenGLRenderingContext",
                     "There is no window to draw into: CreateOSWindow must come first.");
    GUARANTEE_OR_DIE(g_glContext == nullptr, "CreateOpenGLRenderingContext",
                     "The window already has its OpenGL context.");

    g_glContext = SDL_GL_CreateContext(g_sdlWindow);
    if (g_glContext == nullptr)
    {
        ERROR_AND_DIE("CreateOpenGLRenderingContext",
                      Stringf("Could not create an OpenGL compatibility-profile context for immediate-mode "
                              "drawing: %s",
                              SDL_GetError()));
    }
    if (SDL_GL_MakeCurrent(g_sdlWindow, g_glContext) != 0)
    {
        ERROR_AND_DIE("CreateOpenGLRenderingContext",
                      Stringf("Could not make the OpenGL context current: %s", SDL_GetError()));
    }
    CheckContextFramebuffer();
}

void DestroyOSWindow()
{
    if (g_sdlWindow == nullptr)
    {
        return;
    }
    if (g_glContext != nullptr)
    {
        SDL_GL_MakeCurrent(g_sdlWindow, nullptr);
        SDL_GL_DeleteContext(g_glContext);
        g_glContext = nullptr;
    }
    SDL_DestroyWindow(g_sdlWindow);
    g_sdlWindow = nullptr;
    g_clientAspect = 0.f;
    ForgetHeldKeys();
    if (g_arrowCursor != nullptr)
    {
        SDL_FreeCursor(g_arrowCursor);
        g_arrowCursor = nullptr;
    }
    SDL_QuitSubSystem(SDL_INIT_VIDEO);
}

void RunMessagePump()
{
    // Before SDL's event queue exists nothing can be waiting in it.
    if (SDL_WasInit(SDL_INIT_EVENTS) == 0)
    {
        return;
    }
    SDL_Event event;
    while (SDL_PollEvent(&event) != 0)
    {
        HandleEvent(event);
    }
}

void SwapOSWindowBuffers()
{
    if (g_sdlWindow != nullptr && g_glContext != nullptr)
    {
        SDL_GL_SwapWindow(g_sdlWindow);
    }
}

void SetQuitRequestedCallback(std::function<void()> callback)
{
    g_quitRequestedCallback = std::move(callback);
}

IntVec2 GetOSWindowDrawableSize()
{
    if (g_sdlWindow == nullptr)
    {
        return IntVec2(0, 0);
    }
    int drawableWidth = 0;
    int drawableHeight = 0;
    SDL_GL_GetDrawableSize(g_sdlWindow, &drawableWidth, &drawableHeight);
    return IntVec2(drawableWidth, drawableHeight);
}

float GetOSWindowClientAspect()
{
    return g_clientAspect;
}

bool GetMouseClientPosition(Vec2& out_pixels, Vec2& out_clientSize)
{
    if (g_sdlWindow == nullptr)
    {
        return false;
    }
    int clientWidth = 0;
    int clientHeight = 0;
    SDL_GetWindowSize(g_sdlWindow, &clientWidth, &clientHeight);
    if (clientWidth <= 0 || clientHeight <= 0)
    {
        return false;
    }
    // The global state is read from the display server, so it follows the cursor
    // outside the window too, where SDL's own mouse state stops.
    int cursorX = 0;
    int cursorY = 0;
    SDL_GetGlobalMouseState(&cursorX, &cursorY);
    int windowX = 0;
    int windowY = 0;
    SDL_GetWindowPosition(g_sdlWindow, &windowX, &windowY);
    out_pixels = Vec2(static_cast<float>(cursorX - windowX), static_cast<float>(cursorY - windowY));
    out_clientSize = Vec2(static_cast<float>(clientWidth), static_cast<float>(clientHeight));
    return true;
}
