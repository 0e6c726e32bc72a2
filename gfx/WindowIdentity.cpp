// Calcora: keyboard-driven mathematics for secondary-school pupils.
// SPDX-License-Identifier: GPL-3.0-or-later
#include "WindowIdentity.h"

#include <cstdlib>

#ifndef __EMSCRIPTEN__
#include <SDL/SDL.h>
#include <SDL/SDL_image.h>
#include <SDL/SDL_syswm.h>
#include <X11/Xatom.h>
#include <unistd.h>

#include <string>

#include "WindowIcons.h"  // WINDOW_ICONS: the menu icon's PNG files, generated from dist/icons/
#include "WindowIdentityX11.h"
#include "XErrorTrap.h"
#endif

void nameWindowClass() { setenv("SDL_VIDEO_X11_WMCLASS", WINDOW_CLASS, 0); }

#ifdef __EMSCRIPTEN__

void setWindowIcon() {}  // the page has its own
void placeWindowWithoutManager() {}

#else

namespace {

// The icon decoded, or null when it cannot be (the window then keeps none).
SDL_Surface* decoded(const EmbeddedIcon& icon) {
    SDL_Surface* loaded = IMG_Load_RW(SDL_RWFromConstMem(icon.png, int(icon.size)), 1);
    if (!loaded) return nullptr;
    // As 32-bit ARGB, the layout of the window property.
    SDL_Surface* argb = SDL_CreateRGBSurface(SDL_SWSURFACE, loaded->w, loaded->h, 32, 0x00ff0000, 0x0000ff00,
                                             0x000000ff, 0xff000000);
    if (argb) {
        SDL_SetAlpha(loaded, 0, 255);  // copy the alpha channel instead of blending with it
        SDL_BlitSurface(loaded, nullptr, argb, nullptr);
    }
    SDL_FreeSurface(loaded);
    return argb;
}

// _NET_WM_ICON: width, height and the pixels of each size, one per `long`.
void appendIcon(std::vector<unsigned long>& property, SDL_Surface* icon) {
    property.push_back(icon->w);
    property.push_back(icon->h);
    SDL_LockSurface(icon);
    for (int y = 0; y < icon->h; ++y) {
        const Uint32* row = reinterpret_cast<const Uint32*>(static_cast<const Uint8*>(icon->pixels) + y * icon->pitch);
        property.insert(property.end(), row, row + icon->w);
    }
    SDL_UnlockSurface(icon);
}

// The one 32-bit value of `window`'s property `name`, of type `type`; 0 when it has none.
unsigned long propertyValue(Display* display, Window window, const char* name, Atom type) {
    Atom actualType = None;
    int format = 0;
    unsigned long items = 0, left = 0;
    unsigned char* data = nullptr;
    unsigned long value = 0;
    if (XGetWindowProperty(display, window, XInternAtom(display, name, False), 0, 1, False, type, &actualType, &format,
                           &items, &left, &data) == Success &&
        data && actualType == type && format == 32 && items == 1)
        value = *reinterpret_cast<unsigned long*>(data);  // Xlib hands 32-bit values over as longs
    if (data) XFree(data);
    return value;
}

Window windowOfThisProcess(Display* display) {
    const XErrorTrap trap(display);  // a window may go between listing and asking
    const unsigned long self = static_cast<unsigned long>(getpid());
    Window root = 0, parent = 0, *children = nullptr;
    unsigned int count = 0;
    Window found = 0;
    if (XQueryTree(display, DefaultRootWindow(display), &root, &parent, &children, &count))
        for (unsigned int i = 0; i < count && !found; ++i)
            if (propertyValue(display, children[i], "_NET_WM_PID", XA_CARDINAL) == self) found = children[i];
    if (children) XFree(children);
    return found;
}

// Runs `use` on SDL's X display and the program's window, where there are both.
template <typename Use>
void withProgramWindow(Use use) {
    SDL_SysWMinfo info;
    SDL_VERSION(&info.version);
    if (SDL_GetWMInfo(&info) != 1 || info.subsystem != SDL_SYSWM_X11 || !info.info.x11.display) return;
    info.info.x11.lock_func();
    Display* display = info.info.x11.display;
    if (const Window window = windowToLabel(display, info.info.x11.wmwindow, info.info.x11.window)) use(display, window);
    info.info.x11.unlock_func();
}

}  // namespace

Window windowToLabel(Display* display, Window wmwindow, Window window) {
    for (const Window made : {wmwindow, window})
        if (made) return made;
    return windowOfThisProcess(display);
}

bool windowManagerRuns(Display* display) {
    const XErrorTrap trap(display);
    const bool says = propertyValue(display, DefaultRootWindow(display), "_NET_SUPPORTING_WM_CHECK", XA_WINDOW) != 0;
    const std::string selection = "WM_S" + std::to_string(DefaultScreen(display));
    return says || XGetSelectionOwner(display, XInternAtom(display, selection.c_str(), False)) != None;
}

bool setIconProperty(Display* display, Window window, const std::vector<unsigned long>& icons) {
    XErrorTrap trap(display);
    XChangeProperty(display, window, XInternAtom(display, "_NET_WM_ICON", False), XA_CARDINAL, 32, PropModeReplace,
                    reinterpret_cast<const unsigned char*>(icons.data()), int(icons.size()));
    return trap.errors() == 0;
}

void setWindowIcon() {
    std::vector<unsigned long> property;
    for (const EmbeddedIcon& embedded : WINDOW_ICONS) {
        SDL_Surface* icon = decoded(embedded);
        if (!icon) continue;
        appendIcon(property, icon);
        if (icon->w == WINDOW_HINT_ICON_SIZE) SDL_WM_SetIcon(icon, nullptr);
        SDL_FreeSurface(icon);
    }
    if (!property.empty())
        withProgramWindow([&property](Display* display, Window window) { setIconProperty(display, window, property); });
}

void placeWindowWithoutManager() {
    withProgramWindow([](Display* display, Window window) {
        if (windowManagerRuns(display)) return;
        const XErrorTrap trap(display);
        XMoveWindow(display, window, 0, 0);
    });
}

#endif
