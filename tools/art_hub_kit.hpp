// The hub painters' shared kit: how world and screen places become canvas
// pixels, the three-times-enlarged props, the panels' driftwood, rope and
// parchment, painted words, potions, coins and the six spells' icons.
//
// The map is painted at its own size like the levels' backgrounds; props
// and animated decor are painted at a third of their size and scaled up, so
// their pixels are as big as the player's (shown at x3).
#pragma once

#include <algorithm>
#include <cmath>
#include <string>

#include "art_world_kit.hpp"
#include "hub/hub_table.hpp"

namespace hub_art {

using namespace world_art;
using paint::Point;

constexpr int kPixel = 3;  // a prop's pixel, in screen pixels

// Rounds a layout number to the pixel it starts on.
inline int Px(float v) { return static_cast<int>(std::lround(v)); }

// ---- Small pictures scaled up ------------------------------------------------

// Paints a cell at a third of its size, then scales it up into the cell.
template <class Draw>
void PaintSmall(Canvas& cell, Draw draw) {
    Canvas small((cell.Width() + kPixel - 1) / kPixel, (cell.Height() + kPixel - 1) / kPixel);
    draw(small);
    cell.BlitScaled(small, 0, 0, kPixel, false);
}

// A lit box: light top and left edges, shaded right and bottom edges.
inline void Block(Canvas& c, int x, int y, int w, int h, Tones t) {
    c.FillRect(x, y, w, h, t.mid);
    c.FillRect(x, y, w, 1, t.light);
    c.FillRect(x, y, 1, h, t.light);
    c.FillRect(x + w - 1, y + 1, 1, h - 1, t.dark);
    c.FillRect(x + 1, y + h - 1, w - 1, 1, t.dark);
}

// A soft round light laid over what is already painted.
inline void GlowCircle(Canvas& c, int cx, int cy, int r, Rgba light) {
    for (int y = -r; y <= r; ++y) {
        const int half = static_cast<int>(std::sqrt(static_cast<double>(r * r - y * y)));
        c.BlendRect(cx - half, cy + y, 2 * half + 1, 1, light);
    }
}

// Rings of light fading outwards: a lantern's or a vat's halo.
inline void Halo(Canvas& c, int cx, int cy, int r, Rgba light, int rings = 4) {
    for (int k = rings; k >= 1; --k)
        GlowCircle(c, cx, cy, r * k / rings, light.WithAlpha(static_cast<std::uint8_t>(light.a / rings)));
}

// ---- Driftwood, rope and parchment (the panels) --------------------------------

// A driftwood plank: rounded ends, lit top, grain, knots, a dark outline.
// bright lifts every tone one step.
inline void DriftPlank(Canvas& c, int x, int y, int w, int h, std::uint32_t seed, bool bright = false) {
    const Rgba dark = bright ? pal::Wood1 : pal::Wood0;
    const Rgba mid = bright ? pal::Wood3 : pal::Wood2;
    const Rgba light = bright ? pal::Sand1 : pal::Wood3;
    const Rgba shade = bright ? pal::Wood2 : pal::Wood1;
    const int r = std::min(8, h / 3);
    c.FillRoundRect(x - 1, y - 1, w + 2, h + 2, r + 1, pal::Ink);
    c.FillRoundRect(x, y, w, h, r, mid);
    c.FillRect(x + r / 2 + 1, y + 1, w - r - 2, std::max(1, h / 8), light);
    c.FillRect(x + r / 2 + 1, y + h - std::max(2, h / 6), w - r - 2, std::max(2, h / 6) - 1, shade);
    paint::Rng rng(seed);
    const int lines = std::max(1, h / 9);
    for (int i = 0; i < lines; ++i) {
        int gy = y + 3 + (h - 6) * (i + 1) / (lines + 1);
        int gx = x + r + rng.Range(0, 12);
        const int end = x + w - r - rng.Range(0, 12);
        while (gx < end) {
            const int run = rng.Range(12, 40);
            c.FillRect(gx, gy, std::min(run, end - gx), 1, shade);
            gx += run + rng.Range(2, 10);
            gy = std::clamp(gy + rng.Range(-1, 1), y + 2, y + h - 3);
        }
    }
    for (int i = 0; i < std::max(1, w / 200); ++i) {
        const int kx = x + rng.Range(w / 6, w - w / 6), ky = y + rng.Range(h / 3, std::max(h / 3, h - h / 3));
        c.FillEllipse(kx, ky, 5, 3, shade);
        c.FillEllipse(kx, ky, 2, 1, dark);
    }
}

inline void Nail(Canvas& c, int x, int y) {
    c.FillRect(x - 1, y - 1, 4, 4, pal::Ink);
    c.FillRect(x, y, 2, 2, pal::Stone1);
    c.Set(x, y, pal::Stone2);
}

// A band of rope turns around a plank's end.
inline void Lashing(Canvas& c, int x, int y, int w, int h) {
    for (int yy = 0; yy < h; ++yy)
        for (int xx = 0; xx < w; ++xx) {
            const int d = (xx + yy) % 6;
            c.Set(x + xx, y + yy, d < 2 ? pal::Sand0 : (d < 5 ? pal::Sand1 : pal::Sand2));
        }
    c.StrokeRect(x - 1, y - 1, w + 2, h + 2, pal::Ink);
}

// A rope of twisted strands from (x, y0) down to y1.
inline void RopeDown(Canvas& c, int x, int y0, int y1, int width = 5) {
    for (int y = y0; y < y1; ++y)
        for (int i = 0; i < width; ++i) {
            const int d = (i + y) % 5;
            c.Set(x + i, y, d < 2 ? pal::Sand0 : (d < 4 ? pal::Sand1 : pal::Sand2));
        }
    c.FillRect(x - 1, y0, 1, y1 - y0, pal::Ink);
    c.FillRect(x + width, y0, 1, y1 - y0, pal::Ink);
}

// Warm paper, mottled, its edges darkening in dithered steps.
inline void Parchment(Canvas& c, int x, int y, int w, int h, std::uint32_t seed, Rgba paper = pal::Sand2) {
    static constexpr int kBayer[4][4] = {{0, 8, 2, 10}, {12, 4, 14, 6}, {3, 11, 1, 9}, {15, 7, 13, 5}};
    c.FillRect(x, y, w, h, paper);
    paint::Rng rng(seed);
    for (int i = 0; i < w * h / 9000 + 3; ++i) {
        const int bx = x + rng.Range(0, w), by = y + rng.Range(0, h), br = rng.Range(8, 34);
        for (int yy = std::max(y, by - br); yy < std::min(y + h, by + br + 1); yy += 2)
            for (int xx = std::max(x, bx - br); xx < std::min(x + w, bx + br + 1); ++xx)
                if ((xx - bx) * (xx - bx) + (yy - by) * (yy - by) <= br * br && ((xx + yy) & 1))
                    c.Set(xx, yy, pal::Bone);
    }
    const int edge = std::min({18, w / 4, h / 4});
    for (int yy = 0; yy < h; ++yy)
        for (int xx = 0; xx < w; ++xx) {
            const int d = std::min({xx, yy, w - 1 - xx, h - 1 - yy});
            if (d >= edge) {
                xx = std::max(xx, w - 1 - edge);  // skip the middle of the row
                continue;
            }
            const int level = 16 - d * 16 / edge;
            if (kBayer[(y + yy) & 3][(x + xx) & 3] < level) c.Set(x + xx, y + yy, d < edge / 4 ? pal::Sand0 : pal::Sand1);
        }
}

// A parchment board in a driftwood frame lashed with rope at the corners.
inline void Board(Canvas& c, int x, int y, int w, int h, std::uint32_t seed) {
    const int t = 34;
    c.BlendRect(x + 10, y + 12, w, h, pal::Ink.WithAlpha(110));
    Parchment(c, x + t - 6, y + t - 6, w - 2 * t + 12, h - 2 * t + 12, seed);
    DriftPlank(c, x + t - 10, y + 8, w - 2 * t + 20, t - 8, seed + 1);
    DriftPlank(c, x + t - 10, y + h - t, w - 2 * t + 20, t - 8, seed + 2);
    DriftPlank(c, x + 4, y, t - 8, h, seed + 3);
    DriftPlank(c, x + w - t + 4, y, t - 8, h, seed + 4);
    for (int cx : {x + 4, x + w - t + 4})
        for (int cy : {y + 10, y + h - t - 2}) Lashing(c, cx - 3, cy, t - 2, 28);
    for (int nx = x + t + 40; nx < x + w - t - 20; nx += 160) {
        Nail(c, nx, y + 20);
        Nail(c, nx, y + h - t + 12);
    }
}

// Outlined pixel lettering with a drop shadow, centred on cx.
inline void Label(Canvas& c, int cx, int y, const std::string& text, int scale, Rgba fill, Rgba outline = pal::Ink) {
    paint::DrawTextCentred(c, cx, y, text, fill, scale, true, outline);
}

// Words inked on parchment: dark, no outline, centred on cx.
inline void Ink(Canvas& c, int cx, int y, const std::string& text, int scale, Rgba colour = pal::Wood0) {
    paint::DrawTextCentred(c, cx, y, text, colour, scale);
}

// A driftwood sign filling the rectangle, its word centred on it, the way
// back out of a panel: a left arrow over the word.
inline void BackSign(Canvas& c, int x, int y, int w, int h, const char* word, std::uint32_t seed) {
    c.BlendRect(x + 6, y + 8, w, h, pal::Ink.WithAlpha(110));
    DriftPlank(c, x + 1, y + 1, w - 2, h - 2, seed);
    Lashing(c, x + 6, y + 4, 8, h - 8);
    Lashing(c, x + w - 14, y + 4, 8, h - 8);
    const int scale = std::max(2, std::min(4, (w - 30) / std::max(1, paint::TextWidth(word))));
    const int textH = paint::kGlyphHeight * scale;
    const int arrowH = std::min(h / 4, 26);
    const int top = y + (h - textH - arrowH - 10) / 2;
    const int cx = x + w / 2;
    const Point arrow[] = {{cx - 22, top + arrowH / 2}, {cx - 4, top}, {cx - 4, top + arrowH / 3},
                           {cx + 22, top + arrowH / 3}, {cx + 22, top + arrowH * 2 / 3},
                           {cx - 4, top + arrowH * 2 / 3}, {cx - 4, top + arrowH}};
    c.FillPolygon(arrow, pal::Lantern1);
    Label(c, cx, top + arrowH + 10, word, scale, pal::Bone);
}

// ---- Things shown in many pictures ----------------------------------------------

// The liquid colour of each potion kind: health, blade, spell, coin.
inline Tones PotionTones(int kind) {
    switch (kind) {
    case 0: return {pal::Rust0, pal::Coral, pal::CoralLight};
    case 1: return {pal::Stone0, pal::Stone2, pal::White};
    case 2: return {pal::Night1, pal::Violet, Rgba{200, 156, 220, 255}};
    default: return {pal::Lantern0, pal::Lantern1, pal::White};
    }
}

// A round-bellied flask about 20 x 32 small pixels with its top-left at
// (x, y): cork, neck, glass with the liquid at `level` (0..1), a glint.
inline void Flask(Canvas& c, int x, int y, Tones liquid, float level = 0.7f) {
    const int cx = x + 10, by = y + 21;
    c.FillRect(cx - 3, y, 7, 4, pal::Wood2);      // cork
    c.FillRect(cx - 3, y, 7, 1, pal::Wood3);
    c.FillRect(cx - 3, y + 4, 7, 8, pal::Sea2);   // neck
    c.FillRect(cx - 4, y + 11, 9, 2, pal::Foam);  // lip of the belly
    c.FillCircle(cx, by, 10, pal::Sea2.WithAlpha(255));
    const int surface = by + 10 - static_cast<int>(20 * level);
    for (int yy = surface; yy <= by + 10; ++yy) {
        const int half = static_cast<int>(std::sqrt(std::max(0.0, 100.0 - (yy - by) * (yy - by))));
        c.FillRect(cx - half, yy, 2 * half + 1, 1, yy == surface ? liquid.light : liquid.mid);
    }
    // Shade in a crescent on the lower right of the liquid.
    for (int yy = std::max(surface + 1, by - 3); yy <= by + 10; ++yy) {
        const int half = static_cast<int>(std::sqrt(std::max(0.0, 100.0 - (yy - by) * (yy - by))));
        const int inner = std::max(0, half - 3 - std::max(0, yy - by - 4));
        c.FillRect(cx + inner - 1, yy, half - inner + 2, 1, liquid.dark);
    }
    c.FillRect(cx - 6, by - 5, 2, 5, pal::White);  // glint, top left
    c.Set(cx - 4, by - 6, pal::White);
}

// A gold coin of radius r with a stamped mark.
inline void Coin(Canvas& c, int cx, int cy, int r) {
    c.FillCircle(cx, cy, r + 1, pal::Ink);
    c.FillCircle(cx, cy, r, pal::Lantern0);
    c.FillCircle(cx - 1, cy - 1, r - 1, pal::Lantern1);
    c.FillCircle(cx, cy, std::max(1, r - 3), pal::Lantern0);
    c.FillRect(cx - 1, cy - r / 2, 2, r, pal::Rust1);
    c.Set(cx - r / 2, cy - r / 2, pal::White);
}

// The six spells' icons in a box of about 60 x 60 small pixels centred on
// (cx, cy), lit from the top left: kind 0 a flying sword, 1 a cross of
// blades, 2 an anvil, 3 tentacles, 4 a lightning bolt, 5 a burst of imps.
void SpellIcon(Canvas& c, int kind, int cx, int cy);

// ---- The three painter groups of the hub ---------------------------------------
void RegisterHubMapArt(PainterRegistry& registry);    // the map, its details and the rock
void RegisterHubPropArt(PainterRegistry& registry);   // the decor, props and puffs
void RegisterHubPanelArt(PainterRegistry& registry);  // the five panels

}  // namespace hub_art
