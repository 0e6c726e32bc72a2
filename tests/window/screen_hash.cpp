// Calcora: keyboard-driven mathematics for secondary-school pupils.
// SPDX-License-Identifier: GPL-3.0-or-later
// Prints a fingerprint of what the whole screen shows now, so that a window
// test can wait for the frame a key brings instead of sleeping: one image
// read from the X server (a few milliseconds on Xvfb), where ImageMagick's
// import takes half a second on a busy machine. Reads the root window, so a
// full-screen window drawn into a window of its own is seen too.
// Usage: screen_hash
#include <X11/Xlib.h>
#include <X11/Xutil.h>

#include <cstdint>
#include <cstdio>

int main() {
    Display* display = XOpenDisplay(nullptr);
    if (!display) {
        std::fprintf(stderr, "screen_hash: no display\n");
        return 1;
    }
    const Window root = DefaultRootWindow(display);
    XWindowAttributes attributes{};
    XGetWindowAttributes(display, root, &attributes);
    XImage* image = XGetImage(display, root, 0, 0, static_cast<unsigned>(attributes.width),
                              static_cast<unsigned>(attributes.height), AllPlanes, ZPixmap);
    if (!image) {
        std::fprintf(stderr, "screen_hash: the screen could not be read\n");
        XCloseDisplay(display);
        return 1;
    }
    // FNV-1a over the image's rows (the padding at each row's end left out).
    std::uint64_t hash = 14695981039346656037ULL;
    const int row_bytes = image->width * image->bits_per_pixel / 8;
    for (int y = 0; y < image->height; ++y) {
        const auto* row = reinterpret_cast<const unsigned char*>(image->data) + y * image->bytes_per_line;
        for (int x = 0; x < row_bytes; ++x) hash = (hash ^ row[x]) * 1099511628211ULL;
    }
    std::printf("%016llx\n", static_cast<unsigned long long>(hash));
    XDestroyImage(image);
    XCloseDisplay(display);
    return 0;
}
