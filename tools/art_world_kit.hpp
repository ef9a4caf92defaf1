// The world painters' shared kit: material tones and the planks, bricks,
// ground, posts and ropes every world picture is built from.
#pragma once

#include "engine/layout_table.hpp"
#include <algorithm>
#include <cmath>
#include <cstdint>

#include "art.hpp"

namespace world_art {

using paint::Canvas;
using paint::Rgba;
namespace pal = paint::pal;

constexpr int kFloorTop = 760;  // the top of every level's ground (the player's feet)
constexpr int kWorldBottom = kScreenHeight;  // the camera never shows below it
constexpr double kPi = 3.14159265358979;

struct Tones {
    Rgba dark, mid, light;
};
constexpr Tones kDriftwood{pal::Wood0, pal::Wood1, pal::Wood2};
constexpr Tones kPaleWood{pal::Wood1, pal::Wood2, pal::Wood3};
constexpr Tones kBrick{pal::Rust0, pal::Rust1, pal::Coral};
constexpr Tones kStone{pal::Stone0, pal::Stone1, pal::Stone2};
constexpr Tones kSand{pal::Sand0, pal::Sand1, pal::Sand2};

// ---- Materials ------------------------------------------------------------

// Horizontal planks lit from the top left, with joints and nails.
inline void Planks(Canvas& c, int x, int y, int w, int h, Tones t, std::uint32_t seed) {
    if (w <= 0 || h <= 0) return;
    paint::Rng rng(seed);
    c.FillRect(x, y, w, h, t.mid);
    const int plank = std::min(24, std::max(8, h));
    for (int py = y; py < y + h; py += plank) {
        c.FillRect(x, py, w, 2, t.light);
        c.FillRect(x, std::min(py + plank, y + h) - 2, w, 2, t.dark);
        for (int jx = x + rng.Range(20, 160); jx < x + w - 8; jx += rng.Range(120, 260)) {
            c.FillRect(jx, py, 2, std::min(plank, y + h - py), t.dark);
            c.Set(jx + 4, py + plank / 2, t.dark);
            c.Set(jx - 3, py + plank / 2, t.dark);
        }
        for (int gx = x + rng.Range(4, 30); gx < x + w; gx += rng.Range(30, 70))
            c.FillRect(gx, py + rng.Range(5, std::max(6, plank - 6)), rng.Range(6, 18), 1, Shade(t.mid, 0.85f));
    }
    c.FillRect(x, y, 3, h, t.light);
    c.FillRect(x + w - 3, y, 3, h, t.dark);
    c.StrokeRect(x, y, w, h, pal::Ink, 2);
}

// Brick courses with mortar, the top course lit.
inline void Bricks(Canvas& c, int x, int y, int w, int h, Tones t, std::uint32_t seed) {
    if (w <= 0 || h <= 0) return;
    paint::Rng rng(seed);
    c.FillRect(x, y, w, h, pal::Stone1);  // mortar
    constexpr int bw = 48, bh = 22;
    for (int row = 0, py = y; py < y + h; ++row, py += bh) {
        const int offset = (row % 2) * (bw / 2);
        for (int bx = x - offset; bx < x + w; bx += bw) {
            const int left = std::max(bx + 2, x), right = std::min(bx + bw - 1, x + w);
            const int top = py + 2, bottom = std::min(py + bh - 1, y + h);
            if (right <= left || bottom <= top) continue;
            const Rgba body = rng.Range(0, 5) == 0 ? t.dark : t.mid;
            c.FillRect(left, top, right - left, bottom - top, body);
            c.FillRect(left, top, right - left, 2, t.light);
            c.FillRect(left, top, 2, bottom - top, Mix(body, t.light, 0.5f));
            c.FillRect(left, bottom - 2, right - left, 2, Shade(body, 0.75f));
        }
    }
    c.FillRect(x, y, w, 4, pal::Stone2);  // a capstone edge to stand on
    c.StrokeRect(x, y, w, h, pal::Ink, 2);
}

// The shore: wet sand with pebbles, a lit rim where the feet go.
inline void Ground(Canvas& c, int x, int y, int w, int h, Tones t, std::uint32_t seed) {
    if (w <= 0 || h <= 0) return;
    paint::Rng rng(seed);
    c.FillRect(x, y, w, h, t.mid);
    c.DitherRect(x, y + 40, w, h - 40, t.dark, 6);
    c.DitherRect(x, y + 120, w, h - 120, t.dark, 12);
    c.FillRect(x, y, w, 6, t.light);
    c.FillRect(x, y + 6, w, 2, t.dark);
    for (int i = 0; i < w / 40; ++i) {
        const int px = x + rng.Range(0, w), py = y + rng.Range(16, std::max(17, h - 8));
        c.FillEllipse(px, py, rng.Range(3, 7), rng.Range(2, 4), i % 3 ? pal::Stone1 : pal::Bone);
    }
}

// A dark support post from a platform's underside down to the ground.
inline void Post(Canvas& c, int x, int top, int bottom, Tones t) {
    if (bottom <= top) return;
    c.FillRect(x, top, 14, bottom - top, t.dark);
    c.FillRect(x + 2, top, 4, bottom - top, t.mid);
    c.StrokeRect(x - 1, top, 16, bottom - top, pal::Ink);
}

// Rope hanging a high ledge from above.
inline void Rope(Canvas& c, int x, int top, int bottom) {
    for (int y = top; y < bottom; ++y) c.Set(x + ((y / 6) % 2), y, y % 6 < 3 ? pal::Sand1 : pal::Sand0);
}


// ---- Level pieces -----------------------------------------------------------
// Walkable tops carry a bright rim on their top row (lit from above: the
// outline there is the light, not ink), so a player reads "I can stand here";
// sides and undersides get the dark outline.

// The lit rim of a walkable top: a bright row, the material's light tone
// under it and a shadow line below that.
inline void LitTop(Canvas& c, int x, int y, int w, Rgba rim, Rgba light, Rgba shadow) {
    c.FillRect(x, y, w, 1, rim);
    c.FillRect(x, y + 1, w, 3, light);
    c.FillRect(x, y + 4, w, 2, shadow);
}

// Ink on the left, right and bottom sides of a box, leaving its lit top.
inline void InkSides(Canvas& c, int x, int y, int w, int h) {
    c.FillRect(x, y, 1, h, pal::Ink);
    c.FillRect(x + w - 1, y, 1, h, pal::Ink);
    c.FillRect(x, y + h - 1, w, 1, pal::Ink);
}

// Barnacle clusters over a band: little bone cones with a dark mouth.
inline void Barnacles(Canvas& c, int x, int y, int w, int h, std::uint32_t seed, int every = 26) {
    if (w <= 0 || h <= 0) return;
    paint::Rng rng(seed);
    for (int bx = x + rng.Range(2, every); bx < x + w - 6; bx += rng.Range(every / 2, every)) {
        const int by = y + rng.Range(0, std::max(0, h - 7));
        const int s = rng.Range(2, 4);
        c.FillRect(bx - s, by + 1, 2 * s + 1, s + 2, pal::Stone1);
        c.FillRect(bx - s, by + 1, s, 1, pal::Bone);
        c.FillRect(bx - s + 1, by, 2 * s - 1, 1, pal::Ink);
        c.Set(bx, by + 1, pal::Ink);
        c.FillRect(bx - s, by + s + 3, 2 * s + 1, 1, pal::Ink);
    }
}

// A kelp strand rooted at (x, baseY): stacked leaves leaning with the tide.
inline void Kelp(Canvas& c, int x, int baseY, int h, int lean, Rgba dark, Rgba light) {
    for (int i = 0; i < h; i += 6) {
        const int sx = x + lean * i / std::max(1, h) + ((i / 12) % 2 ? 1 : -1);
        const int leaf = 3 + ((i / 6) % 3);
        c.FillRect(sx - 1, baseY - i - 6, 3, 6, dark);
        c.FillRect(sx + ((i / 6) % 2 ? 2 : -leaf - 1), baseY - i - 4, leaf, 2, light);
    }
}

// A ship's lantern hanging from a short iron hook; lit ones get a halo.
inline void Lantern(Canvas& c, int x, int y, bool lit) {
    if (lit) {
        c.FillCircle(x + 7, y + 18, 34, pal::Lantern0.WithAlpha(40));
        c.FillCircle(x + 7, y + 18, 20, pal::Lantern1.WithAlpha(50));
    }
    c.FillRect(x + 6, y - 10, 2, 10, pal::Ink);
    c.FillRect(x, y, 14, 4, pal::Wood0);
    c.FillRect(x + 1, y + 4, 12, 22, lit ? pal::Lantern0 : pal::Stone0);
    c.FillRect(x + 3, y + 6, 5, 15, lit ? pal::Lantern1 : pal::Stone1);
    c.FillRect(x, y + 26, 14, 4, pal::Wood0);
    c.StrokeRect(x - 1, y - 1, 16, 32, pal::Ink);
}

// An iron grate over a dark opening.
inline void Grate(Canvas& c, int x, int y, int w, int h) {
    c.FillRect(x, y, w, h, pal::Night0);
    c.FillRect(x, y, w, 6, pal::Ink);
    for (int gx = x + 8; gx < x + w - 4; gx += 14) {
        c.FillRect(gx, y, 4, h, pal::Stone0);
        c.FillRect(gx, y, 1, h, pal::Stone1);
    }
    for (int gy = y + 20; gy < y + h - 6; gy += 28) c.FillRect(x, gy, w, 4, pal::Stone0);
    c.StrokeRect(x - 1, y - 1, w + 2, h + 2, pal::Ink, 2);
}

// A small crate, lit from the top left.
inline void Crate(Canvas& c, int x, int y, int s, Tones t) {
    c.FillRect(x, y, s, s, t.mid);
    c.FillRect(x, y, s, 3, t.light);
    c.FillRect(x, y, 3, s, t.light);
    c.FillRect(x + s - 3, y, 3, s, t.dark);
    c.FillRect(x, y + s - 3, s, 3, t.dark);
    c.Line(x + 3, y + s - 4, x + s - 4, y + 3, t.dark, 3);
    c.StrokeRect(x - 1, y - 1, s + 2, s + 2, pal::Ink);
}

// A barrel on its base: staves and two iron hoops.
inline void Barrel(Canvas& c, int x, int y, int w, int h, Tones t) {
    c.FillRoundRect(x - 1, y - 1, w + 2, h + 2, w / 5, pal::Ink);
    c.FillRoundRect(x, y, w, h, w / 5, t.mid);
    c.FillRect(x + w / 5, y + 2, w / 6, h - 4, t.light);
    c.FillRect(x + w - w / 4, y + 2, w / 6, h - 4, t.dark);
    c.FillRect(x + 1, y + h / 5, w - 2, 3, pal::Stone0);
    c.FillRect(x + 1, y + h - h / 5 - 3, w - 2, 3, pal::Stone0);
}

// A tide pool sunk in the sand, sky glinting on it.
inline void TidePool(Canvas& c, int cx, int cy, int rx, int ry) {
    c.FillEllipse(cx, cy + 1, rx + 3, ry + 2, pal::Sand0);
    c.FillEllipse(cx, cy, rx, ry, pal::Sea0);
    c.FillEllipse(cx + rx / 5, cy + ry / 4, rx * 3 / 4, ry * 2 / 3, pal::Sea1);
    c.FillRect(cx - rx / 2, cy - ry / 3, rx / 3, 1, pal::Foam);
    c.FillRect(cx - rx / 4, cy, rx / 4, 1, pal::Sea2);
}

// A mossy tuft of grass hanging over an edge from (x, y) down.
inline void GrassFringe(Canvas& c, int x, int y, int w, std::uint32_t seed) {
    paint::Rng rng(seed);
    c.FillRect(x, y, w, 1, pal::Kelp2.WithAlpha(255));
    c.FillRect(x, y + 1, w, 4, pal::Kelp2);
    c.FillRect(x, y + 5, w, 4, pal::Kelp1);
    for (int gx = x; gx < x + w - 2; gx += rng.Range(3, 9)) {
        const int len = rng.Range(3, 16);
        c.FillRect(gx, y + 9, 2, len, rng.Range(0, 2) ? pal::Kelp1 : pal::Kelp0);
    }
    c.FillRect(x, y, w, 1, Mix(pal::Kelp2, pal::Bone, 0.5f));
}

}  // namespace world_art
