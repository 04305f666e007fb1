#pragma once
// The program's one OS window, its OpenGL context and its event pump. SDL stays
// behind these free functions; nothing above the platform layer sees it.
//
// Order of use: CreateOSWindow, CreateOpenGLRenderingContext, then once per main
// loop pass RunMessagePump ... SwapOSWindowBuffers. Every creation failure is a
// fatal report naming what failed and why.

#include <functional>

struct AABB2;
struct IntVec2;
struct Vec2;

// The client rectangle of the largest clientAspect (width over height) box within
// 90 % of the desktop in both directions, centred, in desktop pixels with y down:
// mins = (left, top), maxs = (right, bottom), each edge a whole pixel. The margins
// and the size are truncated toward zero separately, as the placement always has.
AABB2 ComputeClientRect(Vec2 const& desktopSize, float clientAspect);

// Opens the resizable, captioned window on the primary display, placed by
// ComputeClientRect, shown, raised and focused, with the arrow cursor. The GL
// framebuffer it is made for: double-buffered RGBA 8/8/8, 24 depth, 8 stencil bits.
// Only one window exists at a time.
void CreateOSWindow(float clientAspect, char const* title);
// A legacy-profile context for immediate-mode GL, current on the calling thread.
// Leaves the swap interval as the driver sets it (see FramePacer).
void CreateOpenGLRenderingContext();
// Releases the context, the window and the video subsystem; nothing when there is none.
void DestroyOSWindow();

// Drains every waiting event and returns at once when none is left; never waits.
// Close requests go to the quit callback, keys to g_theInput (dropped while it is
// null) as TranslateSDLKeyToKeyCode gives them, except the system keys (F10, Alt,
// any key pressed while Alt is held) and the window's own: Alt+Enter and F11 toggle
// borderless fullscreen on the window's display. Losing focus releases every key.
void RunMessagePump();
// Presents the frame just drawn; nothing when there is no window.
void SwapOSWindowBuffers();

// Called for every close request (the close box, or the process asked to end); it
// may be called more than once for one request. Engine code never knows the App.
void SetQuitRequestedCallback(std::function<void()> callback);

// The GL drawable's size in pixels, (0, 0) when there is no window.
IntVec2 GetOSWindowDrawableSize();
// The aspect the window was created with, which the picture keeps however the
// window is resized or made fullscreen; 0 when there is no window.
float GetOSWindowClientAspect();
// The cursor in client pixels (y down, relative to the client's top-left corner,
// outside the client area too) and the client size. False, touching neither output,
// when there is no window or its client area is empty.
bool GetMouseClientPosition(Vec2& out_pixels, Vec2& out_clientSize);
