#include "PlotPicture.h"

#include "gfx/SDLGraphics.h"

void drawPicture(SDLGraphics* g, const PlotPicture& picture) {
    SDL_Surface* s = g->getScreen();
    for (const PlotShape& shape : picture) {
        switch (shape.kind) {
        case PlotShape::Kind::Line: drawClippedLine(s, shape.a, shape.b, shape.color); break;
        case PlotShape::Kind::Box: drawClippedBox(s, shape.a, shape.b, shape.color); break;
        case PlotShape::Kind::Text:
            g->drawText(shape.text, PLOT_TEXT_SIZE, int(shape.a.x), int(shape.a.y), shape.textColor);
            break;
        }
    }
}
