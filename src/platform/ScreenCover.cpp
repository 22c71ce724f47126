#include "platform/ScreenCover.h"

#include <SDL.h>
#include <SDL_syswm.h>
#include <X11/Xlib.h>

namespace platform
{
namespace
{
// A window manager that follows the freedesktop.org rules, as every one asked for full screen does, names
// itself on the root window.
bool windowManagerRuns(Display* display)
{
    const Atom check = XInternAtom(display, "_NET_SUPPORTING_WM_CHECK", True);
    if (check == None)
        return false;
    Atom type = None;
    int format = 0;
    unsigned long items = 0;
    unsigned long left = 0;
    unsigned char* value = nullptr;
    const bool named =
        XGetWindowProperty(display, DefaultRootWindow(display), check, 0, 1, False, AnyPropertyType, &type,
                           &format, &items, &left, &value) == Success &&
        items > 0;
    if (value)
        XFree(value);
    return named;
}
} // namespace

void coverScreenWithoutWindowManager()
{
    SDL_SysWMinfo window;
    SDL_VERSION(&window.version);
    if (SDL_GetWMInfo(&window) <= 0 || window.subsystem != SDL_SYSWM_X11)
        return;
    window.info.x11.lock_func();
    Display* display = window.info.x11.display;
    if (!windowManagerRuns(display))
    {
        const Screen* screen = DefaultScreenOfDisplay(display);
        XMoveResizeWindow(display, window.info.x11.window, 0, 0, static_cast<unsigned>(WidthOfScreen(screen)),
                          static_cast<unsigned>(HeightOfScreen(screen)));
        XRaiseWindow(display, window.info.x11.window);
        XSync(display, False);
    }
    window.info.x11.unlock_func();
}

} // namespace platform
