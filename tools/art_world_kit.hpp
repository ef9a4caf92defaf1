// The world painters' shared kit: material tones and the planks, bricks,
// ground, posts and ropes every world picture is built from.
#pragma once

#include <algorithm>
#include <cmath>
#include <cstdint>

#include "art.hpp"

namespace world_art {

using paint::Canvas;
using paint::Rgba;
namespace pal = paint::pal;

constexpr int kFloorTop = 760;  // the top of every level's ground (the player's feet)
constexpr int kWorldBottom = 1080;
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

}  // namespace world_art
