#include "Tests/EndToEnd/X11Session.hpp"

#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <X11/extensions/XTest.h>

namespace
{
// The game's window can vanish while we look at it; Xlib's default handler
// would end the test process for that.
int IgnoreXErrors(Display*, XErrorEvent*)
{
    return 0;
}
}  // namespace

X11Session::X11Session() : m_display(XOpenDisplay(nullptr))
{
    XSetErrorHandler(IgnoreXErrors);
}

X11Session::~X11Session()
{
    if (m_display != nullptr)
    {
        XCloseDisplay(m_display);
    }
}

IntVec2 X11Session::GetScreenSize() const
{
    return IntVec2(DisplayWidth(m_display, DefaultScreen(m_display)),
                   DisplayHeight(m_display, DefaultScreen(m_display)));
}

unsigned long X11Session::FindViewableWindow(std::string const& title, unsigned long parent) const
{
    ::Window root = 0;
    ::Window grandparent = 0;
    ::Window* children = nullptr;
    unsigned int numChildren = 0;
    if (XQueryTree(m_display, parent != 0 ? parent : DefaultRootWindow(m_display), &root, &grandparent,
                   &children, &numChildren) == 0)
    {
        return 0;
    }
    unsigned long found = 0;
    for (unsigned int childIndex = 0; childIndex < numChildren && found == 0; ++childIndex)
    {
        char* name = nullptr;
        XWindowAttributes attributes{};
        if (XFetchName(m_display, children[childIndex], &name) != 0 && name != nullptr)
        {
            if (title == name && XGetWindowAttributes(m_display, children[childIndex], &attributes) != 0 &&
                attributes.map_state == IsViewable)
            {
                found = children[childIndex];
            }
            XFree(name);
        }
        found = found != 0 ? found : FindViewableWindow(title, children[childIndex]);
    }
    XFree(children);
    return found;
}

ScreenRect X11Session::GetClientRect(unsigned long window) const
{
    XWindowAttributes attributes{};
    XGetWindowAttributes(m_display, window, &attributes);
    ScreenRect rect{IntVec2(), IntVec2(attributes.width, attributes.height)};
    ::Window child = 0;
    XTranslateCoordinates(m_display, window, DefaultRootWindow(m_display), 0, 0, &rect.topLeft.x,
                          &rect.topLeft.y, &child);
    return rect;
}

ScreenImage X11Session::Capture(ScreenRect const& rect) const
{
    ScreenImage result;
    XImage* image = XGetImage(m_display, DefaultRootWindow(m_display), rect.topLeft.x, rect.topLeft.y,
                              static_cast<unsigned int>(rect.size.x), static_cast<unsigned int>(rect.size.y),
                              AllPlanes, ZPixmap);
    for (int y = 0; image != nullptr && y < rect.size.y; ++y)
    {
        for (int x = 0; x < rect.size.x; ++x)
        {
            unsigned long const pixel = XGetPixel(image, x, y);  // 0xRRGGBB on a 24-bit screen
            result.pixels.push_back(Rgba8(static_cast<unsigned char>(pixel >> 16),
                                          static_cast<unsigned char>(pixel >> 8),
                                          static_cast<unsigned char>(pixel), 255));
        }
    }
    if (image != nullptr)
    {
        result.size = rect.size;
        XDestroyImage(image);
    }
    return result;
}

void X11Session::SendKey(unsigned long window, unsigned long keysym, bool isPressed) const
{
    XSetInputFocus(m_display, window, RevertToParent, CurrentTime);
    XTestFakeKeyEvent(m_display, XKeysymToKeycode(m_display, keysym), isPressed ? True : False, CurrentTime);
    XFlush(m_display);
}

void X11Session::RequestClose(unsigned long window) const
{
    XEvent event{};
    event.xclient.type = ClientMessage;
    event.xclient.window = window;
    event.xclient.message_type = XInternAtom(m_display, "WM_PROTOCOLS", False);
    event.xclient.format = 32;
    event.xclient.data.l[0] = static_cast<long>(XInternAtom(m_display, "WM_DELETE_WINDOW", False));
    XSendEvent(m_display, window, False, NoEventMask, &event);
    XFlush(m_display);
}
