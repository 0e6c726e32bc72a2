// Calcora: keyboard-driven mathematics for secondary-school pupils.
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The thin drawing layer over SDL 1.2, SDL_image and SDL_ttf: owns the video
// surface, clears and presents frames, draws images and text lines in the
// program's font and the palette's colours. Opened fonts (per size) and decoded
// images (per file name) are kept for the whole run, and rendered text lines
// are kept while they are few (a frame redraws the same lines again).
#include <SDL/SDL.h>
#include <SDL/SDL_ttf.h>

#include <map>
#include <set>
#include <string>

#include "AssetFolder.h"
#include "Layout.h"
#include "Palette.h"

class SDLGraphics {
public:
    // Starts SDL video and SDL_ttf and opens the window. Check `isReady()`:
    // when a start-up step failed, `startupError()` says which.
    SDLGraphics(int width, int height, const char* title, int red, int green, int blue);
    ~SDLGraphics();
    SDLGraphics(const SDLGraphics&) = delete;
    SDLGraphics& operator=(const SDLGraphics&) = delete;

    bool isReady() const { return m_screen != nullptr && m_startupError.empty(); }
    std::string startupError() const { return m_startupError; }

    void beginScene();                       // fill the frame with the background colour
    void endScene();                         // present the frame
    void setBackgroundColor(int red, int green, int blue);
    SDL_Surface* getScreen() const { return m_screen; }
    void toggleFullscreenMode(bool fullscreen);  // re-open the video mode at 1024 by 768
    // Re-open the video mode for a size of 100, 150 or 200 percent: at 100
    // as toggleFullscreenMode does; larger, a window of 1000 by 700 times the
    // size, or a full screen at the display's own size with the layout
    // scaled to fit it, centred (gfx/View.h).
    void setDisplay(bool fullscreen, int percent);
    // The largest of the sizes whose window the display holds (100 at least;
    // all when the display does not say its size).
    int largestSizePercent() const;

    void drawImage(std::string fileName, int x, int y);
    // The highlight marker's picture: in its own colours, or all in the
    // palette's `marker` colour where the palette has one (its shape kept).
    void drawMarker(const std::string& fileName, int x, int y);
    // One text line, top-left corner at (x, y), in the colour of the palette
    // role `color` names ("text", "title"; see gfx/Palette.h).
    void drawText(std::string text, int fontSize, int x, int y, std::string color);
    void drawText(const char* text, int fontSize, int x, int y, std::string color);
    void drawText(int number, int fontSize, int x, int y, std::string color);
    // A text line on a filled box of its own size in `behind` (none drawn when
    // `behind` has no opacity), so that nothing drawn before crosses it.
    void drawTextOver(const std::string& text, int fontSize, int x, int y, const std::string& color, Color behind);

    // The colour of the role `name` names in the palette in use. A name that
    // is no role is a mistake in the program: it is said once on stderr,
    // kept in `unknownColorNames()` and drawn in the text colour.
    Color color(const std::string& name);
    const std::set<std::string>& unknownColorNames() const { return m_unknownColors; }
    // Drops the text lines rendered so far (kept by text, size and colour):
    // each is rendered afresh when next drawn.
    void forgetRenderedLines();

    // The font file, looked up in the asset folder like the pictures.
    static constexpr const char* FONT_FILE = "ARIAL.TTF";
    static constexpr int FULLSCREEN_WIDTH = layout::WIDTH;
    static constexpr int FULLSCREEN_HEIGHT = layout::HEIGHT;

private:
    bool openVideoMode(int width, int height, Uint32 flags);
    TTF_Font* font(int size);
    SDL_Surface* image(const std::string& fileName);
    SDL_Surface* tinted(const std::string& fileName, Color tint);
    SDL_Surface* atViewScale(const std::string& key, SDL_Surface* picture);
    SDL_Surface* onBackground(const std::string& fileName, SDL_Surface* picture);
    SDL_Surface* inDisplayFormat(SDL_Surface* loaded);
    void blit(SDL_Surface* surface, int x, int y);
    void drawBlended(const std::string& text, int fontSize, int x, int y, SDL_Color color);
    SDL_Surface* renderedLine(const std::string& text, int fontSize, SDL_Color color);
    void reportOnce(const std::string& what, const std::string& fileName, const std::string& why);
    void reportUnrenderedText(const std::string& why);
    void shutdown();

    AssetFolder m_assets = AssetFolder::ofThisProgram();
    SDL_Surface* m_screen = nullptr;
    int m_backgroundColorRed = 255;
    int m_backgroundColorGreen = 255;
    int m_backgroundColorBlue = 255;
    std::string m_startupError;
    int m_desktopWidth = 0, m_desktopHeight = 0;  // as the display was before the window opened; 0: unknown
    bool m_started = false;

    std::map<int, TTF_Font*> m_fonts;              // null entries: the font could not be opened
    std::map<std::string, SDL_Surface*> m_images;  // null entries: the image could not be loaded
    // The pictures' pixels decoded and enlarged so far, each counted as the
    // larger sizes draw it: they must stay within what a start can afford.
    double m_picturePixels = 0, m_enlargedPixels = 0;
    std::map<std::string, SDL_Surface*> m_lines;   // rendered text lines by text, size and colour
    std::set<std::string> m_reported;
    std::set<std::string> m_unknownColors;
};
