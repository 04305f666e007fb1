#pragma once
// A client of the test's X display that finds the game's window, reads its
// pixels and drives it as a person would: keys through XTEST, the close box
// through the delete-window protocol. Xlib stays inside the .cpp, since its
// macros (None, Bool, Status) clash with everything else.

#include "Tests/EndToEnd/ScreenImage.hpp"

#include <string>

class X11Session
{
public:
    X11Session();  // opens $DISPLAY; IsOpen tells whether that worked
    ~X11Session();
    X11Session(X11Session const&) = delete;
    X11Session& operator=(X11Session const&) = delete;

    bool IsOpen() const { return m_display != nullptr; }
    IntVec2 GetScreenSize() const;
    // 0 when there is none; depth first from the root, since a window manager's frame comes between.
    unsigned long FindViewableWindow(std::string const& title, unsigned long parent = 0) const;
    ScreenRect GetClientRect(unsigned long window) const;
    ScreenImage Capture(ScreenRect const& rect) const;
    void SendKey(unsigned long window, unsigned long keysym,
                 bool isPressed) const;             // focuses the window first
    void RequestClose(unsigned long window) const;  // what a click on the close box sends

private:
    struct _XDisplay* m_display = nullptr;
};
