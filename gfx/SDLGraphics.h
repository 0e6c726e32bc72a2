#pragma once
// The thin drawing layer over SDL 1.2, SDL_image and SDL_ttf: owns the video
// surface, clears and presents frames, draws images and text lines in the
// program's font and named colours. Opened fonts (per size) and decoded
// images (per file name) are kept for the whole run, and rendered text lines
// are kept while they are few (a frame redraws the same lines again).
#include <SDL/SDL.h>
#include <SDL/SDL_ttf.h>

#include <map>
#include <set>
#include <string>

#include "Layout.h"

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

    void drawImage(std::string fileName, int x, int y);
    // One text line, top-left corner at (x, y). Colour names: "black", "blue",
    // "white", "red", "green", "gray"; any other name draws black.
    void drawText(std::string text, int fontSize, int x, int y, std::string color);
    void drawText(const char* text, int fontSize, int x, int y, std::string color);
    void drawText(int number, int fontSize, int x, int y, std::string color);
    void drawText(const char* text, int fontSize, int x, int y, int red, int green, int blue, int bgRed,
                  int bgGreen, int bgBlue);

    SDL_Surface* loadBitmap(const char* fileName, int red, int green, int blue);  // caller owns it
    void closeBitmap(SDL_Surface* surface);
    void drawSprite(SDL_Surface* image, int srcX, int srcY, int dstX, int dstY, int width, int height);

    // The file the font is read from, relative to the working directory.
    static constexpr const char* FONT_FILE = "ARIAL.TTF";
    static constexpr int FULLSCREEN_WIDTH = layout::WIDTH;
    static constexpr int FULLSCREEN_HEIGHT = layout::HEIGHT;

private:
    bool openVideoMode(int width, int height, Uint32 flags);
    TTF_Font* font(int size);
    SDL_Surface* image(const std::string& fileName);
    SDL_Surface* inDisplayFormat(SDL_Surface* loaded);
    void blit(SDL_Surface* surface, int x, int y);
    void drawBlended(const std::string& text, int fontSize, int x, int y, SDL_Color color);
    SDL_Surface* renderedLine(const std::string& text, int fontSize, SDL_Color color);
    void forgetRenderedLines();
    void reportOnce(const std::string& what, const std::string& fileName);
    void shutdown();

    SDL_Surface* m_screen = nullptr;
    int m_backgroundColorRed = 255;
    int m_backgroundColorGreen = 255;
    int m_backgroundColorBlue = 255;
    std::string m_startupError;
    bool m_started = false;

    std::map<int, TTF_Font*> m_fonts;              // null entries: the font could not be opened
    std::map<std::string, SDL_Surface*> m_images;  // null entries: the image could not be loaded
    std::map<std::string, SDL_Surface*> m_lines;   // rendered text lines by text, size and colour
    std::set<std::string> m_reported;
};
