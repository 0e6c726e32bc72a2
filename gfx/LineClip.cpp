// Calcora: keyboard-driven mathematics for secondary-school pupils.
// SPDX-License-Identifier: GPL-3.0-or-later
#include "LineClip.h"

#include <SDL/SDL_gfxPrimitives.h>

#include <algorithm>
#include <cmath>
#include <utility>

#include "View.h"

namespace {

bool finite(PointD p) { return std::isfinite(p.x) && std::isfinite(p.y); }

// Narrows [t0, t1] by one boundary p·t <= q of the parametric segment;
// false when the segment lies wholly outside that boundary.
bool narrow(double p, double q, double& t0, double& t1) {
    if (p == 0.0) return q >= 0.0;
    const double t = q / p;
    if (p < 0.0) {
        if (t > t1) return false;
        t0 = std::max(t0, t);
    } else {
        if (t < t0) return false;
        t1 = std::min(t1, t);
    }
    return true;
}

// Rounding error may leave a cut end a hair outside; the snap also keeps the
// cut coordinate exact when the far end was huge.
PointD clampInto(PointD p, const Rect& r) {
    return {std::clamp(p.x, double(r.x1), double(r.x2)), std::clamp(p.y, double(r.y1), double(r.y2))};
}

Sint16 pixel(double v) { return static_cast<Sint16>(std::lround(v)); }

}  // namespace

std::optional<SegmentD> clipSegment(const SegmentD& s, const Rect& r) {
    if (!finite(s.from) || !finite(s.to)) return std::nullopt;
    const double dx = s.to.x - s.from.x, dy = s.to.y - s.from.y;
    double t0 = 0.0, t1 = 1.0;
    if (!narrow(-dx, s.from.x - r.x1, t0, t1) || !narrow(dx, r.x2 - s.from.x, t0, t1) ||
        !narrow(-dy, s.from.y - r.y1, t0, t1) || !narrow(dy, r.y2 - s.from.y, t0, t1))
        return std::nullopt;
    // Untouched ends are returned as given, so lines inside the area keep their exact pixels.
    const PointD from = t0 > 0.0 ? clampInto({s.from.x + t0 * dx, s.from.y + t0 * dy}, r) : s.from;
    const PointD to = t1 < 1.0 ? clampInto({s.from.x + t1 * dx, s.from.y + t1 * dy}, r) : s.to;
    return SegmentD{from, to};
}

std::optional<SegmentD> clipBox(PointD a, PointD b, const Rect& r) {
    if (!finite(a) || !finite(b)) return std::nullopt;
    const PointD low{std::min(a.x, b.x), std::min(a.y, b.y)};
    const PointD high{std::max(a.x, b.x), std::max(a.y, b.y)};
    if (high.x < r.x1 || low.x > r.x2 || high.y < r.y1 || low.y > r.y2) return std::nullopt;
    return SegmentD{clampInto(low, r), clampInto(high, r)};
}

Rect drawableArea(const SDL_Surface* surface) {
    const SDL_Rect& c = surface->clip_rect;
    return {c.x, c.y, c.x + c.w - 1, c.y + c.h - 1};
}

namespace {

struct Dash {
    double on, off;
};

Dash dashOf(Pattern pattern) {
    switch (pattern) {
    case Pattern::dashed: return {10, 6};
    case Pattern::dotted: return {2, 4};
    case Pattern::solid: break;
    }
    return {0, 0};
}

void pixelLine(SDL_Surface* surface, PointD a, PointD b, Color c) {
    lineRGBA(surface, pixel(a.x), pixel(a.y), pixel(b.x), pixel(b.y), c.r, c.g, c.b, c.a);
}

// The visible segment, whole or in dashes; the segment lies inside the
// surface, so its length is bounded by the surface's diagonal.
void patternedLine(SDL_Surface* surface, const SegmentD& s, Color color, Pattern pattern) {
    const double scale = view::current().scale;
    const Dash dash{dashOf(pattern).on * scale, dashOf(pattern).off * scale};
    const double dx = s.to.x - s.from.x, dy = s.to.y - s.from.y, length = std::hypot(dx, dy);
    if (dash.on == 0 || length <= dash.on) {
        pixelLine(surface, s.from, s.to, color);
        return;
    }
    const double ux = dx / length, uy = dy / length;
    for (double start = 0; start < length; start += dash.on + dash.off) {
        const double end = std::min(start + dash.on - 1, length);
        pixelLine(surface, {s.from.x + ux * start, s.from.y + uy * start}, {s.from.x + ux * end, s.from.y + uy * end},
                  color);
    }
}

}  // namespace

void drawClippedLine(SDL_Surface* surface, PointD layoutFrom, PointD layoutTo, Color color, Pattern pattern,
                     int layoutWidth) {
    const Rect area = drawableArea(surface);
    const PointD from = view::point(layoutFrom), to = view::point(layoutTo);
    const int width = view::thickness(layoutWidth);
    // Side by side: a steep line widens to the right, a flat one downward.
    const bool steep = std::abs(to.y - from.y) > std::abs(to.x - from.x);
    for (int k = 0; k < width; ++k) {
        const PointD shift{steep ? double(k) : 0.0, steep ? 0.0 : double(k)};
        if (const auto visible = clipSegment({{from.x + shift.x, from.y + shift.y}, {to.x + shift.x, to.y + shift.y}}, area))
            patternedLine(surface, *visible, color, pattern);
    }
}

void drawClippedBox(SDL_Surface* surface, PointD layoutA, PointD layoutB, Color color) {
    if (!finite(layoutA) || !finite(layoutB)) return;
    // Both corners are included: the far one ends where its scaled pixel does.
    const PointD low{std::min(layoutA.x, layoutB.x), std::min(layoutA.y, layoutB.y)};
    const PointD high{std::max(layoutA.x, layoutB.x), std::max(layoutA.y, layoutB.y)};
    const PointD a = view::point(low), farEdge = view::point({high.x + 1, high.y + 1});
    const PointD b{farEdge.x - 1, farEdge.y - 1};
    if (const auto visible = clipBox(a, b, drawableArea(surface)))
        boxRGBA(surface, pixel(visible->from.x), pixel(visible->from.y), pixel(visible->to.x), pixel(visible->to.y),
                color.r, color.g, color.b, color.a);
}
