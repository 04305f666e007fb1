#pragma once
// A client of the test's X display that finds the game's window, reads its
// pixels and drives it as a person would: keys through XTEST, the close box
// through the window manager's delete protocol. Xlib stays inside the .cpp, since
// its macros (None, Bool, Status) clash with everything else.

#include "Engine/Core/Rgba8.hpp"
#include "Engine/Math/IntVec2.hpp"

#include <string>
#include <vector>

// Pixels of a screen rectangle, rows top to bottom.
struct ScreenImage
{
    IntVec2 size;
    std::vector<Rgba8> pixels;

    Rgba8 GetPixel(int x, int y) const { return pixels[static_cast<size_t>(y * size.x + x)]; }
};

// A window's client area on the screen, in pixels, y down.
struct ScreenRect
{
    IntVec2 topLeft;
    IntVec2 size;
};

class X11Session
{
public:
    X11Session();  // opens $DISPLAY; IsOpen tells whether that worked
    ~X11Session();
    X11Session(X11Session const&) = delete;
    X11Session& operator=(X11Session const&) = delete;

    bool IsOpen() const { return m_display != nullptr; }
    IntVec2 GetScreenSize() const;

    // The first viewable top-level window with this title, polled until the
    // timeout; 0 when none appeared.
    unsigned long WaitForWindow(std::string const& title, double timeoutSeconds) const;
    bool IsWindowAlive(unsigned long window) const;
    ScreenRect GetClientRect(unsigned long window) const;
    ScreenImage Capture(ScreenRect const& rect) const;

    // Gives the window the keyboard, then presses or releases the key that types
    // the keysym (an X keysym such as XK_Up, passed as its number).
    void SendKey(unsigned long window, unsigned long keysym, bool isPressed) const;
    // What a click on the close box sends.
    void RequestClose(unsigned long window) const;

private:
    unsigned long FindWindow(unsigned long parent, std::string const& title) const;

    struct _XDisplay* m_display = nullptr;
};
