#include "Tests/EndToEnd/X11Session.hpp"

#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <X11/extensions/XTest.h>

#include <chrono>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <thread>

namespace
{
int CountTrailingZeros(unsigned long mask)
{
    int shift = 0;
    while (mask != 0 && (mask & 1ul) == 0)
    {
        mask >>= 1;
        ++shift;
    }
    return shift;
}

unsigned char ExtractChannel(unsigned long pixel, unsigned long mask)
{
    return static_cast<unsigned char>((pixel & mask) >> CountTrailingZeros(mask));
}

// Window properties and images can vanish under us when the game exits while we
// look; Xlib's default handler would end the test process for that.
int IgnoreXErrors(Display*, XErrorEvent*)
{
    return 0;
}
}  // namespace

X11Session::X11Session()
{
    m_display = XOpenDisplay(nullptr);
    if (m_display != nullptr)
    {
        XSetErrorHandler(IgnoreXErrors);
    }
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
    Screen* screen = DefaultScreenOfDisplay(m_display);
    return IntVec2(WidthOfScreen(screen), HeightOfScreen(screen));
}

unsigned long X11Session::FindWindow(unsigned long parent, std::string const& title) const
{
    ::Window root = 0;
    ::Window parentOfParent = 0;
    ::Window* children = nullptr;
    unsigned int numChildren = 0;
    if (XQueryTree(m_display, parent, &root, &parentOfParent, &children, &numChildren) == 0)
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
            bool const isMatch = title == name;
            XFree(name);
            if (isMatch && XGetWindowAttributes(m_display, children[childIndex], &attributes) != 0 &&
                attributes.map_state == IsViewable)
            {
                found = children[childIndex];
            }
        }
        if (found == 0)
        {
            found = FindWindow(children[childIndex], title);
        }
    }
    if (children != nullptr)
    {
        XFree(children);
    }
    return found;
}

unsigned long X11Session::WaitForWindow(std::string const& title, double timeoutSeconds) const
{
    auto const deadline = std::chrono::steady_clock::now() + std::chrono::duration<double>(timeoutSeconds);
    while (std::chrono::steady_clock::now() < deadline)
    {
        unsigned long const window = FindWindow(DefaultRootWindow(m_display), title);
        if (window != 0)
        {
            return window;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
    }
    return 0;
}

bool X11Session::IsWindowAlive(unsigned long window) const
{
    XWindowAttributes attributes{};
    XSync(m_display, False);
    return XGetWindowAttributes(m_display, window, &attributes) != 0;
}

ScreenRect X11Session::GetClientRect(unsigned long window) const
{
    XWindowAttributes attributes{};
    XGetWindowAttributes(m_display, window, &attributes);
    int rootX = 0;
    int rootY = 0;
    ::Window child = 0;
    XTranslateCoordinates(m_display, window, DefaultRootWindow(m_display), 0, 0, &rootX, &rootY, &child);
    return ScreenRect{IntVec2(rootX, rootY), IntVec2(attributes.width, attributes.height)};
}

ScreenImage X11Session::Capture(ScreenRect const& rect) const
{
    ScreenImage result;
    XImage* image = XGetImage(m_display, DefaultRootWindow(m_display), rect.topLeft.x, rect.topLeft.y,
                              static_cast<unsigned int>(rect.size.x), static_cast<unsigned int>(rect.size.y),
                              AllPlanes, ZPixmap);
    if (image == nullptr)
    {
        return result;
    }
    result.size = rect.size;
    result.pixels.reserve(static_cast<size_t>(rect.size.x * rect.size.y));
    // Reading the usual 32-bit layout directly keeps a capture within a frame or
    // two; a slow capture would hold keys long enough for the game to repeat them.
    bool const isDirect = image->bits_per_pixel == 32 && image->byte_order == LSBFirst;
    for (int y = 0; y < rect.size.y; ++y)
    {
        char const* row = image->data + static_cast<ptrdiff_t>(y) * image->bytes_per_line;
        for (int x = 0; x < rect.size.x; ++x)
        {
            unsigned long pixel = 0;
            if (isDirect)
            {
                uint32_t word = 0;
                std::memcpy(&word, row + static_cast<ptrdiff_t>(x) * 4, sizeof(word));
                pixel = word;
            }
            else
            {
                pixel = XGetPixel(image, x, y);
            }
            result.pixels.push_back(Rgba8(ExtractChannel(pixel, image->red_mask),
                                          ExtractChannel(pixel, image->green_mask),
                                          ExtractChannel(pixel, image->blue_mask), 255));
        }
    }
    XDestroyImage(image);
    return result;
}

void X11Session::SendKey(unsigned long window, unsigned long keysym, bool isPressed) const
{
    XSetInputFocus(m_display, window, RevertToParent, CurrentTime);
    KeyCode const keycode = XKeysymToKeycode(m_display, keysym);
    XTestFakeKeyEvent(m_display, keycode, isPressed ? True : False, CurrentTime);
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
    event.xclient.data.l[1] = CurrentTime;
    XSendEvent(m_display, window, False, NoEventMask, &event);
    XFlush(m_display);
}
