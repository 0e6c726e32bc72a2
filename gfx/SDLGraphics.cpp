// Calcora: keyboard-driven mathematics for secondary-school pupils.
// SPDX-License-Identifier: GPL-3.0-or-later
#include "SDLGraphics.h"

#include <SDL/SDL_gfxPrimitives.h>
#include <SDL/SDL_image.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <iostream>

#include "DisplayCheck.h"
#include "View.h"
#include "Palette.h"
#include "WindowIdentity.h"

namespace {

const Uint32 WINDOWED_FLAGS = SDL_HWSURFACE | SDL_DOUBLEBUF;

// Typed values make new lines all the time; past this many kept lines the
// whole store is dropped and rebuilt from what the next frames draw.
const std::size_t MAX_KEPT_LINES = 1024;

// What all the pictures together may have, counted at the size they are
// drawn at: six pictures of 4096 by 4096 would take 15 s and a gigabyte to
// start with, at 200%, and no key or close request would be answered meanwhile.
const double PICTURE_PIXELS = 4096.0 * 4096.0;

#ifdef __EMSCRIPTEN__
// The page's text is drawn by the browser, which falls back to another font
// rather than draw empty letters; reading a line back from its canvas would
// cost a millisecond for every new line.
bool hasInk(SDL_Surface*) { return true; }

// The page's pictures and font are files it brought itself.
SDL_Surface* loadPicture(const std::string& path, std::string& why, double) {
    SDL_Surface* loaded = IMG_Load(path.c_str());
    if (!loaded) why = IMG_GetError();
    return loaded;
}

TTF_Font* openFont(const std::string& path, int size, std::string& why) {
    TTF_Font* opened = TTF_OpenFont(path.c_str(), size);
    if (!opened) why = TTF_GetError();
    return opened;
}
#else
// Whether a blended line (32 bits with alpha) has a pixel that shows. A
// truncated font still opens and measures its glyphs but draws them empty.
bool hasInk(SDL_Surface* line) {
    const SDL_PixelFormat* format = line->format;
    if (format->BytesPerPixel != 4 || format->Amask == 0) return true;  // cannot tell
    bool ink = false;
    SDL_LockSurface(line);
    for (int y = 0; y < line->h && !ink; ++y) {
        const Uint8* start = static_cast<const Uint8*>(line->pixels) + y * line->pitch;
        const Uint32* row = reinterpret_cast<const Uint32*>(start);
        for (int x = 0; x < line->w && !ink; ++x) ink = (row[x] & format->Amask) != 0;
    }
    SDL_UnlockSurface(line);
    return ink;
}

// A picture is decoded only when its header claims at most this many pixels
// each way: a 250 kB file can claim 16000 by 16000, a gigabyte decoded.
const Uint32 MAX_PICTURE_SIDE = 4096;

// libpng says what is wrong with a damaged picture on stderr itself, beside
// the program's own line that names the file: quiet while a picture decodes.
class QuietStderr {
public:
    QuietStderr() : m_saved(dup(STDERR_FILENO)) {
        std::fflush(stderr);
        const int nowhere = open("/dev/null", O_WRONLY | O_CLOEXEC);
        if (nowhere >= 0) {
            dup2(nowhere, STDERR_FILENO);
            close(nowhere);
        }
    }
    ~QuietStderr() {
        if (m_saved < 0) return;
        std::fflush(stderr);
        dup2(m_saved, STDERR_FILENO);
        close(m_saved);
    }
    QuietStderr(const QuietStderr&) = delete;
    QuietStderr& operator=(const QuietStderr&) = delete;

private:
    int m_saved;
};

SDL_Surface* decodedQuietly(SDL_RWops* stream) {
    const QuietStderr quiet;
    return IMG_LoadPNG_RW(stream);
}

SDL_RWops* refuse(std::string& why, const std::string& what) {
    why = what;
    return nullptr;
}

// A stream over `path` only when it is a regular file: opening a FIFO would
// wait for a writer, and a device could be anything. Null, with `why`, otherwise.
SDL_RWops* openRegularFile(const std::string& path, std::string& why) {
    struct stat info {};
    if (stat(path.c_str(), &info) != 0) return refuse(why, std::strerror(errno));
    if (!S_ISREG(info.st_mode)) return refuse(why, "not a regular file");
    // O_NONBLOCK: should a FIFO take the file's place since, opening it still does not wait.
    const int fd = open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) return refuse(why, std::strerror(errno));
    FILE* file = fstat(fd, &info) == 0 && S_ISREG(info.st_mode) ? fdopen(fd, "rb") : nullptr;
    if (!file) {
        close(fd);
        return refuse(why, "not a regular file");
    }
    SDL_RWops* stream = SDL_RWFromFP(file, 1);
    if (!stream) std::fclose(file);
    return stream ? stream : refuse(why, SDL_GetError());
}

Uint32 bigEndian(const Uint8* bytes) {
    return Uint32(bytes[0]) << 24 | Uint32(bytes[1]) << 16 | Uint32(bytes[2]) << 8 | bytes[3];
}

// The size a PNG's header claims, read without decoding; the stream is put
// back where it was. False when the stream does not start as a PNG does.
bool claimedPngSize(SDL_RWops* stream, Uint32& width, Uint32& height) {
    static const Uint8 SIGNATURE[] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1a, '\n'};
    Uint8 head[24];  // the signature, then the first chunk: length, "IHDR", width, height
    const int start = SDL_RWtell(stream);
    const bool read = SDL_RWread(stream, head, sizeof head, 1) == 1;
    SDL_RWseek(stream, start, RW_SEEK_SET);
    if (!read || std::memcmp(head, SIGNATURE, sizeof SIGNATURE) != 0 || std::memcmp(head + 12, "IHDR", 4) != 0)
        return false;
    width = bigEndian(head + 16);
    height = bigEndian(head + 20);
    return true;
}

// The program's pictures are PNG files; any other file, one too large, or
// one of more than `pixelsLeft` pixels, is refused before it is decoded.
SDL_Surface* loadPicture(const std::string& path, std::string& why, double pixelsLeft) {
    SDL_RWops* stream = openRegularFile(path, why);
    if (!stream) return nullptr;
    Uint32 width = 0, height = 0;
    SDL_Surface* loaded = nullptr;
    if (!claimedPngSize(stream, width, height))
        why = "not a PNG picture";
    else if (width > MAX_PICTURE_SIDE || height > MAX_PICTURE_SIDE)
        why = "its header claims " + std::to_string(width) + " by " + std::to_string(height) +
              " pixels, more than the " + std::to_string(MAX_PICTURE_SIDE) + " by " +
              std::to_string(MAX_PICTURE_SIDE) + " allowed";
    else if (double(width) * height > pixelsLeft)
        why = "its " + std::to_string(width) + " by " + std::to_string(height) +
              " pixels are more than the pictures together may have at this size";
    else if (!(loaded = decodedQuietly(stream)))
        why = IMG_GetError();
    SDL_RWclose(stream);
    return loaded;
}

TTF_Font* openFont(const std::string& path, int size, std::string& why) {
    SDL_RWops* stream = openRegularFile(path, why);
    if (!stream) return nullptr;
    TTF_Font* opened = TTF_OpenFontRW(stream, 1, size);  // the font closes the stream, even when it fails
    if (!opened) why = TTF_GetError();
    return opened;
}
#endif

}  // namespace

SDLGraphics::SDLGraphics(int width, int height, const char* title, int red, int green, int blue) {
    // Audio is never used, so only video is started: a machine without a
    // sound device must still run the program.
    const char* requestedDriver = std::getenv("SDL_VIDEODRIVER");
    quietenTextModeFallback(requestedDriver);
    nameWindowClass();
    const DisplayHold hold(requestedDriver);  // until the window is open
    const bool videoStarted = SDL_Init(SDL_INIT_VIDEO) == 0;
    m_started = videoStarted;
    char driver[32] = "";
    if (videoStarted) SDL_VideoDriverName(driver, sizeof driver);
    // Once a driver has started, SDL's last error is not about the display.
    m_startupError = displayProblem(driver, requestedDriver, std::getenv("DISPLAY"), videoStarted ? "" : SDL_GetError());
    if (!m_startupError.empty()) return;
    if (!videoStarted) {
        m_startupError = std::string("SDL video could not start: ") + SDL_GetError();
        return;
    }
    if (TTF_Init() != 0) {
        m_startupError = std::string("SDL_ttf could not start: ") + TTF_GetError();
        return;
    }
    if (const SDL_VideoInfo* info = SDL_GetVideoInfo()) {
        m_desktopWidth = info->current_w;
        m_desktopHeight = info->current_h;
    }
    view::use(View{});
    if (!openVideoMode(width, height, WINDOWED_FLAGS)) return;
    // The replacement library over SDL 2 makes its window only now.
    setWindowIcon();
    SDL_WM_SetCaption(title, nullptr);
    setBackgroundColor(red, green, blue);
}

SDLGraphics::~SDLGraphics() { shutdown(); }

void SDLGraphics::shutdown() {
    forgetRenderedLines();
    for (auto& entry : m_fonts)
        if (entry.second) TTF_CloseFont(entry.second);
    m_fonts.clear();
    for (auto& entry : m_images) SDL_FreeSurface(entry.second);
    m_images.clear();
    if (m_started) {
        if (TTF_WasInit()) TTF_Quit();
        SDL_Quit();
        m_started = false;
    }
    m_screen = nullptr;
}

bool SDLGraphics::openVideoMode(int width, int height, Uint32 flags) {
    // Below 24 bits per pixel (the dummy driver gives a palette) colours would
    // be quantized, so ask for 32 bits there; real displays keep their depth.
    const SDL_VideoInfo* info = SDL_GetVideoInfo();
    int depth = (info && info->vfmt && info->vfmt->BitsPerPixel >= 24) ? 0 : 32;
    SDL_Surface* screen = SDL_SetVideoMode(width, height, depth, flags);
    if (!screen) {
        m_startupError = std::string("the video mode could not be set: ") + SDL_GetError();
        return false;
    }
    m_screen = screen;
    placeWindowWithoutManager();
    return true;
}

void SDLGraphics::beginScene() {
    if (!m_screen) return;
    Uint32 color = SDL_MapRGB(m_screen->format, m_backgroundColorRed % 256, m_backgroundColorGreen % 256,
                              m_backgroundColorBlue % 256);
    SDL_FillRect(m_screen, nullptr, color);
}

void SDLGraphics::endScene() {
    if (m_screen) SDL_Flip(m_screen);
}

void SDLGraphics::setBackgroundColor(int red, int green, int blue) {
    m_backgroundColorRed = red;
    m_backgroundColorGreen = green;
    m_backgroundColorBlue = blue;
}

void SDLGraphics::toggleFullscreenMode(bool fullscreen) {
    view::use(View{});
    Uint32 flags = WINDOWED_FLAGS | (fullscreen ? SDL_FULLSCREEN : 0);
    if (openVideoMode(FULLSCREEN_WIDTH, FULLSCREEN_HEIGHT, flags)) return;
    std::cerr << "calcora: " << m_startupError << "\n";
    // A failed switch may have taken the old surface with it: fall back to a
    // window, and else keep only what SDL still has (nothing is drawn then).
    if (fullscreen && openVideoMode(FULLSCREEN_WIDTH, FULLSCREEN_HEIGHT, WINDOWED_FLAGS)) return;
    m_screen = SDL_GetVideoSurface();
}

int SDLGraphics::largestSizePercent() const {
    int largest = layout::SIZES[0];
    for (int percent : layout::SIZES) {
        const View v = view::ofSize(percent);
        const bool fits = m_desktopWidth <= 0 || m_desktopHeight <= 0 ||
                          (view::WINDOW_WIDTH * v.scale <= m_desktopWidth && view::WINDOW_HEIGHT * v.scale <= m_desktopHeight);
        if (fits) largest = percent;
    }
    return largest;
}

void SDLGraphics::setDisplay(bool fullscreen, int percent) {
    if (percent == layout::SIZES[0]) {
        toggleFullscreenMode(fullscreen);
        return;
    }
    const bool fitScreen = fullscreen && m_desktopWidth > 0 && m_desktopHeight > 0;
    const View v = fitScreen ? view::fittedTo(m_desktopWidth, m_desktopHeight) : view::ofSize(percent);
    const int width = fitScreen ? m_desktopWidth : int(view::WINDOW_WIDTH * v.scale);
    const int height = fitScreen ? m_desktopHeight : int(view::WINDOW_HEIGHT * v.scale);
    if (!openVideoMode(width, height, WINDOWED_FLAGS | (fullscreen ? SDL_FULLSCREEN : 0))) {
        std::cerr << "calcora: " << m_startupError << "\n";
        toggleFullscreenMode(false);  // back to the size every display holds
        return;
    }
    view::use(v);
    forgetRenderedLines();  // they were made at the old size
    // The layout reaches past the 10:7 window on the right and below: a full
    // screen shows only the window's part, with the background around it.
    SDL_Rect window{Sint16(v.x), Sint16(v.y), Uint16(view::WINDOW_WIDTH * v.scale), Uint16(view::WINDOW_HEIGHT * v.scale)};
    SDL_SetClipRect(m_screen, fitScreen ? &window : nullptr);
}

void SDLGraphics::reportOnce(const std::string& what, const std::string& fileName, const std::string& why) {
    if (m_reported.insert(fileName).second) std::cerr << "calcora: " << what << " " << fileName << ": " << why << "\n";
}

// A damaged font file can open and still draw nothing.
void SDLGraphics::reportUnrenderedText(const std::string& why) {
    reportOnce("cannot draw text with the font", FONT_FILE, why);
}

TTF_Font* SDLGraphics::font(int size) {
    auto found = m_fonts.find(size);
    if (found != m_fonts.end()) return found->second;
    const std::string file = m_assets.path(FONT_FILE);
    std::string why;
    TTF_Font* opened = openFont(file, size, why);
    if (!opened) reportOnce("cannot open the font", file, why);
    m_fonts[size] = opened;
    return opened;
}

// A picture kept in the display's own pixel format blits several times
// faster than the decoded PNG; its transparency is kept.
SDL_Surface* SDLGraphics::inDisplayFormat(SDL_Surface* loaded) {
    if (!loaded || !m_screen) return loaded;
    SDL_Surface* converted = (loaded->flags & SDL_SRCALPHA) ? SDL_DisplayFormatAlpha(loaded) : SDL_DisplayFormat(loaded);
    if (!converted) return loaded;
    SDL_FreeSurface(loaded);
    return converted;
}

SDL_Surface* SDLGraphics::image(const std::string& fileName) {
    auto found = m_images.find(fileName);
    if (found != m_images.end()) return found->second;
    const std::string file = m_assets.path(fileName);
    std::string why;
    const double scale = view::current().scale;
    SDL_Surface* loaded = loadPicture(file, why, PICTURE_PIXELS / (scale * scale) - m_picturePixels);
    if (!loaded) reportOnce("cannot load the image", file, why);
    if (loaded) m_picturePixels += double(loaded->w) * loaded->h;
    m_images[fileName] = inDisplayFormat(loaded);
    return m_images[fileName];
}

void SDLGraphics::blit(SDL_Surface* surface, int x, int y) {
    if (!surface || !m_screen) return;
    SDL_Rect where{static_cast<Sint16>(x), static_cast<Sint16>(y), 0, 0};
    SDL_BlitSurface(surface, nullptr, m_screen, &where);
}

// The picture `scale` times as large, each pixel mixed from the four nearest
// of the original by their distance, colours weighted by their opacity (so
// that clear pixels lend no colour to the edges). The same on every platform.
static SDL_Surface* enlarged(SDL_Surface* picture, double scale) {
    const int width = int(std::lround(picture->w * scale)), height = int(std::lround(picture->h * scale));
    SDL_Surface* out = SDL_CreateRGBSurface(SDL_SWSURFACE | SDL_SRCALPHA, width, height, 32, 0x00ff0000, 0x0000ff00,
                                            0x000000ff, 0xff000000);
    if (!out || picture->format->BytesPerPixel != 4) return out;
    SDL_LockSurface(picture);
    SDL_LockSurface(out);
    const auto at = [picture](int x, int y) {
        x = std::clamp(x, 0, picture->w - 1);
        y = std::clamp(y, 0, picture->h - 1);
        SDL_Color c{};
        Uint8 a = 0;
        const Uint32 p = reinterpret_cast<const Uint32*>(static_cast<const Uint8*>(picture->pixels) + y * picture->pitch)[x];
        SDL_GetRGBA(p, picture->format, &c.r, &c.g, &c.b, &a);
        c.unused = a;
        return c;
    };
    for (int y = 0; y < height; ++y) {
        const double sy = (y + 0.5) / scale - 0.5;
        const int y0 = int(std::floor(sy));
        const double fy = sy - y0;
        Uint32* row = reinterpret_cast<Uint32*>(static_cast<Uint8*>(out->pixels) + y * out->pitch);
        for (int x = 0; x < width; ++x) {
            const double sx = (x + 0.5) / scale - 0.5;
            const int x0 = int(std::floor(sx));
            const double fx = sx - x0;
            double r = 0, g = 0, b = 0, a = 0;
            for (int k = 0; k < 4; ++k) {
                const SDL_Color c = at(x0 + k % 2, y0 + k / 2);
                const double w = (k % 2 ? fx : 1 - fx) * (k / 2 ? fy : 1 - fy) * c.unused;
                r += w * c.r;
                g += w * c.g;
                b += w * c.b;
                a += w;
            }
            const auto channel = [a](double v) { return Uint8(a > 0 ? std::lround(v / a) : 0); };
            row[x] = SDL_MapRGBA(out->format, channel(r), channel(g), channel(b), Uint8(std::lround(a)));
        }
    }
    SDL_UnlockSurface(out);
    SDL_UnlockSurface(picture);
    return out;
}

// At the larger sizes a picture or text line covers four times the pixels;
// coded as runs, its fully clear and fully solid stretches are skipped or
// copied rather than blended pixel by pixel. (At 100% the blending stays as
// it always was, pixel for pixel.)
static SDL_Surface* runLengthCoded(SDL_Surface* surface) {
    if (surface && (surface->flags & SDL_SRCALPHA)) SDL_SetAlpha(surface, SDL_SRCALPHA | SDL_RLEACCEL, SDL_ALPHA_OPAQUE);
    return surface;
}

// The picture drawn at the view's scale, kept per scale; at 1 the picture itself.
SDL_Surface* SDLGraphics::atViewScale(const std::string& key, SDL_Surface* picture) {
    const double scale = view::current().scale;
    if (!picture || scale == 1.0) return picture;
    const std::string scaledKey = key + "@" + std::to_string(scale);
    auto found = m_images.find(scaledKey);
    if (found != m_images.end()) return found->second;
    // Past what the pictures may have together, a picture keeps its size: enlarging stays quick.
    const double pixels = double(picture->w) * picture->h * scale * scale;
    if (m_enlargedPixels + pixels > PICTURE_PIXELS) return picture;
    m_enlargedPixels += pixels;
    SDL_Surface* zoomed = enlarged(picture, scale);
    m_images[scaledKey] = zoomed ? runLengthCoded(inDisplayFormat(zoomed)) : nullptr;
    return m_images[scaledKey];
}

void SDLGraphics::drawImage(std::string fileName, int x, int y) {
    blit(onBackground(fileName, atViewScale(fileName, image(fileName))), view::x(x), view::y(y));
}

// The screens' pictures lie on the background. Enlarged, one covers a
// million pixels: laid on the background once, it is copied each frame
// instead of blended pixel by pixel, and looks the same.
SDL_Surface* SDLGraphics::onBackground(const std::string& fileName, SDL_Surface* picture) {
    if (!picture || !m_screen || view::current().scale == 1.0) return picture;
    const std::string key = fileName + "@" + std::to_string(view::current().scale) + " on " +
                            std::to_string(m_backgroundColorRed) + "," + std::to_string(m_backgroundColorGreen) +
                            "," + std::to_string(m_backgroundColorBlue);
    auto found = m_images.find(key);
    if (found != m_images.end()) return found->second;
    SDL_Surface* laid = SDL_CreateRGBSurface(SDL_SWSURFACE, picture->w, picture->h, m_screen->format->BitsPerPixel,
                                             m_screen->format->Rmask, m_screen->format->Gmask,
                                             m_screen->format->Bmask, 0);
    if (laid) {
        SDL_FillRect(laid, nullptr, SDL_MapRGB(laid->format, m_backgroundColorRed % 256, m_backgroundColorGreen % 256,
                                               m_backgroundColorBlue % 256));
        SDL_BlitSurface(picture, nullptr, laid, nullptr);
    }
    m_images[key] = laid;
    return laid ? laid : picture;
}

// The name a picture in one colour is kept under.
static std::string tintedName(const std::string& fileName, Color tint) {
    return fileName + "#" + std::to_string(tint.r) + "," + std::to_string(tint.g) + "," + std::to_string(tint.b);
}

// A copy of the picture in one colour, each pixel keeping its opacity.
SDL_Surface* SDLGraphics::tinted(const std::string& fileName, Color tint) {
    const std::string key = tintedName(fileName, tint);
    auto found = m_images.find(key);
    if (found != m_images.end()) return found->second;
    SDL_Surface* source = image(fileName);
    SDL_Surface* copy = source ? SDL_ConvertSurface(source, source->format, SDL_SWSURFACE) : nullptr;
    if (copy && copy->format->BytesPerPixel == 4) {
        SDL_LockSurface(copy);
        for (int y = 0; y < copy->h; ++y) {
            Uint32* row = reinterpret_cast<Uint32*>(static_cast<Uint8*>(copy->pixels) + y * copy->pitch);
            for (int x = 0; x < copy->w; ++x) {
                Uint8 r, g, b, a;
                SDL_GetRGBA(row[x], copy->format, &r, &g, &b, &a);
                row[x] = SDL_MapRGBA(copy->format, tint.r, tint.g, tint.b, a);
            }
        }
        SDL_UnlockSurface(copy);
    }
    m_images[key] = copy;
    return copy;
}

void SDLGraphics::drawMarker(const std::string& fileName, int x, int y) {
    // A marker lies over boxes and buttons, not on the background: drawn
    // through its own transparency, never laid on the background first.
    const Color tint = palette::current().marker;
    if (tint.a == 0) {
        blit(atViewScale(fileName, image(fileName)), view::x(x), view::y(y));
        return;
    }
    blit(atViewScale(tintedName(fileName, tint), tinted(fileName, tint)), view::x(x), view::y(y));
}

void SDLGraphics::forgetRenderedLines() {
    for (auto& entry : m_lines) SDL_FreeSurface(entry.second);
    m_lines.clear();
}

SDL_Surface* SDLGraphics::renderedLine(const std::string& text, int fontSize, SDL_Color color) {
    std::string key = text;
    key += '\0';
    key += std::to_string(fontSize) + ":" + std::to_string(color.r) + "," + std::to_string(color.g) + "," +
           std::to_string(color.b);
    auto found = m_lines.find(key);
    if (found != m_lines.end()) return found->second;
    TTF_Font* f = font(fontSize);
    if (!f) return nullptr;
    // Texts are UTF-8 (a pupil's name may hold Polish letters); the browser's
    // port reads every text as UTF-8 and has only the plain call.
#ifdef __EMSCRIPTEN__
    SDL_Surface* rendered = TTF_RenderText_Blended(f, text.c_str(), color);
#else
    SDL_Surface* rendered = TTF_RenderUTF8_Blended(f, text.c_str(), color);
#endif
    if (!rendered) {
        reportUnrenderedText(TTF_GetError());
        return nullptr;
    }
    if (!hasInk(rendered) && text.find_first_not_of(' ') != std::string::npos)
        reportUnrenderedText("its letters come out empty (a damaged file?)");
    if (m_lines.size() >= MAX_KEPT_LINES) forgetRenderedLines();
    if (view::current().scale != 1.0) runLengthCoded(rendered);
    m_lines[key] = rendered;
    return rendered;
}

// Text is rendered afresh at the scaled font size, never enlarged.
void SDLGraphics::drawBlended(const std::string& text, int fontSize, int x, int y, SDL_Color color) {
    if (text.empty()) return;  // a zero-width line renders to nothing
    blit(renderedLine(text, view::fontSize(fontSize), color), view::x(x), view::y(y));
}

Color SDLGraphics::color(const std::string& name) {
    if (const std::optional<Color> c = palette::named(name)) return *c;
    if (m_unknownColors.insert(name).second)
        std::cerr << "calcora: no colour is named \"" << name << "\"; drawn in the text colour\n";
    return palette::current().text;
}

void SDLGraphics::drawText(std::string text, int fontSize, int x, int y, std::string color) {
    const Color c = this->color(color);
    drawBlended(text, fontSize, x, y, SDL_Color{c.r, c.g, c.b, 0});
}

void SDLGraphics::drawTextOver(const std::string& text, int fontSize, int x, int y, const std::string& color,
                               Color behind) {
    const Color c = this->color(color);
    if (behind.a != 0 && !text.empty() && m_screen)
        if (SDL_Surface* line = renderedLine(text, view::fontSize(fontSize), SDL_Color{c.r, c.g, c.b, 0})) {
            const int left = view::x(x), top = view::y(y);
            boxRGBA(m_screen, left, top, left + line->w - 1, top + line->h - 1, behind.r, behind.g, behind.b, behind.a);
        }
    drawText(text, fontSize, x, y, color);
}

void SDLGraphics::drawText(const char* text, int fontSize, int x, int y, std::string color) {
    drawText(std::string(text ? text : ""), fontSize, x, y, std::move(color));
}

void SDLGraphics::drawText(int number, int fontSize, int x, int y, std::string color) {
    drawText(std::to_string(number), fontSize, x, y, std::move(color));
}
