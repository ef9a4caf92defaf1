// Pictures of the world: the pattern backgrounds and fronts (painted from
// the same pattern table the level builder reads, so every plank and wall
// stands exactly on its hitbox), the level's props, the parallax layers and
// the decor that crosses them.
#include <algorithm>
#include <cmath>
#include <string>

#include "art.hpp"
#include "world/pattern_table.hpp"

namespace {

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
void Planks(Canvas& c, int x, int y, int w, int h, Tones t, std::uint32_t seed) {
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
void Bricks(Canvas& c, int x, int y, int w, int h, Tones t, std::uint32_t seed) {
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
void Ground(Canvas& c, int x, int y, int w, int h, Tones t, std::uint32_t seed) {
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
void Post(Canvas& c, int x, int top, int bottom, Tones t) {
    if (bottom <= top) return;
    c.FillRect(x, top, 14, bottom - top, t.dark);
    c.FillRect(x + 2, top, 4, bottom - top, t.mid);
    c.StrokeRect(x - 1, top, 16, bottom - top, pal::Ink);
}

// Rope hanging a high ledge from above.
void Rope(Canvas& c, int x, int top, int bottom) {
    for (int y = top; y < bottom; ++y) c.Set(x + ((y / 6) % 2), y, y % 6 < 3 ? pal::Sand1 : pal::Sand0);
}

// ---- Pattern pictures -----------------------------------------------------

struct Frame {
    int x0, y0;  // world position of the canvas's top-left
    bool fort;   // biome 1: brick and stone
    int variant;
};

bool IsFort(int type) { return type >= OBS_BACKGROUND_5 && type <= OBS_BACKGROUND_7; }

// Far backdrop behind the playfield: soft, cool, no outline.
void Backdrop(Canvas& c, const Frame& f, const Pattern& p) {
    paint::Rng rng(static_cast<std::uint32_t>(p.id * 131 + f.variant * 17 + 5));
    const int groundY = kFloorTop - f.y0;
    const Rgba haze = f.fort ? Rgba{86, 92, 120, 255} : Rgba{52, 96, 122, 255};
    const Rgba haze2 = Mix(haze, pal::Deep1, 0.4f);
    for (int i = 0; i < p.width / 700 + 1; ++i) {
        const int bx = rng.Range(0, c.Width()), bw = rng.Range(260, 520), bh = rng.Range(220, 420);
        if (f.fort) {
            // Ruined towers with crenels.
            c.FillRect(bx, groundY - bh, bw / 2, bh, haze);
            for (int k = 0; k < bw / 2; k += 36) c.FillRect(bx + k, groundY - bh - 24, 20, 24, haze);
            c.FillRect(bx + bw / 8, groundY - bh + 60, 16, 40, haze2);
        } else {
            // Broken hulls lying on the shore, ribs to the sky.
            c.FillEllipse(bx, groundY, bw / 2, bh / 2, haze);
            for (int k = -bw / 2 + 30; k < bw / 2; k += 44)
                c.Line(bx + k, groundY - bh / 3, bx + k + (f.variant ? 16 : -16), groundY - bh, haze, 6);
            if (f.variant == 1) c.Line(bx, groundY - bh / 2, bx + 20, groundY - bh - 200, haze2, 8);
        }
    }
    // The sea behind the shore.
    c.FillRect(0, groundY - 46, c.Width(), 46, pal::Sea0);
    c.DitherRect(0, groundY - 46, c.Width(), 10, pal::Sea1, 8);
    for (int x = 0; x < c.Width(); x += 90) c.FillRect(x + rng.Range(0, 40), groundY - 40, 24, 2, pal::Foam);
}

void PaintSolid(Canvas& c, const Frame& f, int x, int y, int w, int h, std::uint32_t seed) {
    if (f.fort)
        Bricks(c, x, y, w, h, f.variant ? kBrick : kStone, seed);
    else
        Planks(c, x, y, w, h, f.variant ? kPaleWood : kDriftwood, seed);
}

// A platform: a thick plank or a stone slab, with supports under it.
void PaintPlatform(Canvas& c, const Frame& f, int x, int y, int w, int h, std::uint32_t seed) {
    const int groundY = kFloorTop - f.y0;
    const int bottom = y + h;
    if (bottom < groundY && groundY - bottom < 400) {
        const Tones t = f.fort ? kStone : kDriftwood;
        Post(c, x + 12, bottom, groundY, t);
        Post(c, x + w - 26, bottom, groundY, t);
    } else if (bottom < groundY) {
        Rope(c, x + 10, std::max(0, y - 300), y);
        Rope(c, x + w - 12, std::max(0, y - 300), y);
    }
    if (f.fort) {
        Bricks(c, x, y, w, h, kStone, seed);
    } else {
        Planks(c, x, y, w, h, kPaleWood, seed);
        c.FillRect(x, y, w, 3, pal::Sand2);  // the walked edge is worn bright
    }
}

void PaintPatternElements(Canvas& c, const Frame& f, const Pattern& p) {
    std::uint32_t seed = static_cast<std::uint32_t>(p.id * 977 + f.variant);
    // Solids first, then platforms on top of them.
    for (int pass = 0; pass < 2; ++pass) {
        for (const PatternElement& e : p.elements) {
            if (!e.collides || e.type == OBS_PROPELLER) continue;
            const int x = static_cast<int>(e.hitbox.left - p.background.x) - f.x0;
            const int y = static_cast<int>(e.hitbox.top) - f.y0;
            const int w = static_cast<int>(e.hitbox.width), h = static_cast<int>(e.hitbox.height);
            const bool solid = e.type == OBS_WALL || h >= 300;
            if (solid && pass == 0) {
                PaintSolid(c, f, x, y, w, h, ++seed);
                if (y + h < kFloorTop - f.y0) Post(c, x + w / 2 - 7, y + h, kFloorTop - f.y0, kDriftwood);
            } else if (!solid && pass == 1) {
                PaintPlatform(c, f, x, y, w, h, ++seed);
            }
        }
    }
}

// Kelp and lanterns: small lively details on the ground line.
void GroundDetails(Canvas& c, const Frame& f, int width) {
    paint::Rng rng(static_cast<std::uint32_t>(width + f.variant * 3));
    const int groundY = kFloorTop - f.y0;
    for (int x = rng.Range(40, 200); x < width; x += rng.Range(180, 420)) {
        const int h = rng.Range(30, 70);
        for (int k = 0; k < 3; ++k)
            c.Line(x + k * 6, groundY, x + k * 6 + (k - 1) * 8, groundY - h + k * 8, k == 1 ? pal::Kelp2 : pal::Kelp1, 3);
    }
}

void PaintPatternPicture(Canvas& c, const Pattern& p, int variant) {
    const ObstacleKind* kind = FindObstacleKind(p.backgroundType);
    const Frame f{0, static_cast<int>(p.background.y) - kind->hangY, IsFort(p.backgroundType), variant};
    Backdrop(c, f, p);
    const int groundY = kFloorTop - f.y0;
    Ground(c, 0, groundY, c.Width(), c.Height() - groundY, f.fort ? kStone : kSand, 3u + variant);
    GroundDetails(c, f, c.Width());
    PaintPatternElements(c, f, p);
}

// Fronts: kelp and rope in the foreground, along the bottom, sparse so the
// player stays readable behind them.
void PaintFront(Canvas& c, int y0, std::uint32_t seed, bool fort) {
    paint::Rng rng(seed);
    const int groundY = kWorldBottom - y0;
    for (int x = rng.Range(100, 400); x < c.Width(); x += rng.Range(500, 900)) {
        if (fort) {
            c.FillRect(x, groundY - 90, 60, 90, pal::Stone0);
            c.FillRect(x, groundY - 90, 60, 6, pal::Stone1);
            c.FillRect(x + 6, groundY - 84, 4, 84, Shade(pal::Stone1, 0.9f));
            c.StrokeRect(x, groundY - 90, 60, 90, pal::Ink, 2);
        } else {
            for (int k = 0; k < 5; ++k) {
                const int h = rng.Range(60, 130);
                const int sway = rng.Range(-20, 20);
                c.Line(x + k * 10, groundY, x + k * 10 + sway, groundY - h, k % 2 ? pal::Kelp0 : pal::Kelp1, 5);
            }
        }
    }
}

void PaintEnd(Canvas& c, bool front) {
    const Pattern* p = FindPattern(kPatternEnd);
    const int y0 = static_cast<int>(p->background.y);
    const int floorX = kEndPatternOverlap, floorY = kFloorTop - y0;
    if (front) {
        PaintFront(c, y0, 99u, false);
        return;
    }
    Ground(c, 0, floorY, c.Width(), c.Height() - floorY, kSand, 17u);
    // A jetty under the doors: the run's finish line.
    Planks(c, floorX + 3100, floorY - 8, 800, 28, kPaleWood, 5u);
    for (int x = floorX + 3120; x < floorX + 3880; x += 120) Post(c, x, floorY + 20, c.Height(), kDriftwood);
    // Lantern poles along the way.
    for (int x = floorX + 300; x < floorX + 3000; x += 700) {
        Post(c, x, floorY - 150, floorY, kDriftwood);
        c.FillCircle(x + 7, floorY - 160, 12, pal::Lantern0);
        c.FillCircle(x + 5, floorY - 163, 6, pal::Lantern1);
    }
}

void PaintTutorial(Canvas& c, bool front) {
    const Pattern* p = FindPattern(kPatternTutorial);
    const int y0 = static_cast<int>(p->background.y);
    if (front) {
        PaintFront(c, y0, 77u, false);
        return;
    }
    const Frame f{0, y0, false, 0};
    const int groundY = kFloorTop - y0;
    // The tide line on the left, where the player washes up.
    c.FillRect(0, groundY - 40, c.Width(), 40, pal::Sea0);
    c.DitherRect(0, groundY - 40, c.Width(), 8, pal::Sea1, 8);
    Ground(c, 0, groundY, c.Width(), c.Height() - groundY, kSand, 1u);
    c.FillRect(0, groundY, 500, 14, pal::Sea2);  // wet sand
    c.DitherRect(0, groundY + 14, 500, 20, pal::Sea1, 6);
    GroundDetails(c, f, c.Width());
    // The cliff (the big wall) in rock, its top a grassy edge.
    for (const PatternElement& e : p->elements) {
        if (!e.collides) continue;
        const int x = static_cast<int>(e.hitbox.left), y = static_cast<int>(e.hitbox.top) - y0;
        const int w = static_cast<int>(e.hitbox.width), h = static_cast<int>(e.hitbox.height);
        if (e.type == OBS_WALL) {
            c.FillRect(x, y, w, std::max(h, groundY - y), pal::Stone0);
            c.DitherRect(x, y, w, std::max(h, groundY - y), pal::Stone1, 5);
            c.FillRect(x, y, w, 10, pal::Kelp2);
            c.FillRect(x, y + 10, w, 4, pal::Kelp0);
            c.FillRect(x, y, 4, std::max(h, groundY - y), pal::Stone2);
            c.StrokeRect(x, y, w, std::max(h, groundY - y), pal::Ink, 2);
        } else {
            PaintPlatform(c, f, x, y, w, h, 3u);
        }
    }
}

void PaintBoss(Canvas& c) {
    // A galley deck seen from inside: the hull's ribs frame an open middle
    // where the great cauldron boils behind.
    const int floorY = kFloorTop;
    Planks(c, 0, floorY, c.Width(), c.Height() - floorY, kDriftwood, 41u);
    c.FillRect(0, floorY, c.Width(), 4, pal::Wood3);
    Planks(c, 0, 0, 180, floorY, kDriftwood, 42u);
    Planks(c, c.Width() - 180, 0, 180, floorY, kDriftwood, 43u);
    Planks(c, 0, 0, c.Width(), 90, kDriftwood, 44u);
    for (int x = 300; x < c.Width() - 200; x += 420) {
        c.FillRect(x, 90, 24, 60, pal::Stone0);  // hooks
        c.FillEllipse(x + 12, 170, 36, 28, pal::Stone0);  // hanging pots
        c.FillEllipse(x + 6, 162, 20, 12, pal::Stone1);
        c.StrokeEllipse(x + 12, 170, 36, 28, pal::Ink);
    }
    // Fire pit glow on the floor.
    c.FillEllipse(960, floorY + 40, 300, 30, pal::Rust0);
    c.FillEllipse(960, floorY + 36, 200, 18, pal::Lantern0);
}

// ---- Props ---------------------------------------------------------------

// Small icons for the four rewards, drawn into a box of about s x s.
void RewardIcon(Canvas& c, int cx, int cy, int s, int kind) {
    switch (kind) {
    case REWARD_CARD:
        c.FillRoundRect(cx - s / 3, cy - s / 2, 2 * s / 3, s, s / 10, pal::Bone);
        c.StrokeRect(cx - s / 3, cy - s / 2, 2 * s / 3, s, pal::Ink, std::max(1, s / 24));
        c.FillCircle(cx, cy, s / 6, pal::Violet);
        c.FillCircle(cx - s / 20, cy - s / 20, s / 14, pal::Pink);
        break;
    case REWARD_DAMAGE:
        c.Line(cx - s / 3, cy + s / 3, cx + s / 3, cy - s / 3, pal::Stone2, std::max(2, s / 8));
        c.Line(cx - s / 3 + 2, cy + s / 3 - 4, cx + s / 3 - 2, cy - s / 3 - 2, pal::White, std::max(1, s / 24));
        c.Line(cx - s / 4, cy + s / 8, cx - s / 8, cy + s / 4, pal::Wood2, std::max(2, s / 8));
        c.Line(cx - s / 3, cy + s / 3, cx - s / 4, cy + s / 4, pal::Lantern0, std::max(2, s / 8));
        break;
    case REWARD_LIFE:
        c.FillCircle(cx - s / 5, cy - s / 8, s / 4, pal::Coral);
        c.FillCircle(cx + s / 5, cy - s / 8, s / 4, pal::Coral);
        {
            const paint::Point tri[] = {{cx - s / 2 + 2, cy - s / 20}, {cx + s / 2 - 2, cy - s / 20}, {cx, cy + s / 2}};
            c.FillPolygon(tri, pal::Coral);
        }
        c.FillCircle(cx - s / 4, cy - s / 5, s / 12, pal::CoralLight);
        break;
    case REWARD_COINS:
        c.FillCircle(cx, cy, s / 2 - 1, pal::Lantern0);
        c.FillCircle(cx - s / 16, cy - s / 16, s / 3, pal::Lantern1);
        c.FillRect(cx - s / 16, cy - s / 4, s / 8, s / 2, pal::Lantern0);
        break;
    default:
        break;
    }
}

void PaintDoor(Canvas& sheet, const AssetEntry& e) {
    paint::ForEachCell(sheet, e.cellWidth, e.cellHeight, e.framesPerRow, [](Canvas& c, int row, int frame, int) {
        const int w = c.Width(), h = c.Height();
        // The doorway: two posts and a lintel of driftwood, a glowing portal.
        const Rgba glow = Mix(pal::Sea2, pal::Foam, 0.2f * static_cast<float>(frame % 5));
        c.FillRect(60, 100, w - 120, h - 100, pal::Deep0);
        for (int r = 0; r < 5; ++r)
            c.FillEllipse(w / 2, 250 + ((frame * 14 + r * 30) % 140) - 40, 70 - r * 12, 90 - r * 16, Mix(pal::Sea0, glow, r / 4.f));
        Planks(c, 30, 90, 40, h - 90, kDriftwood, 7u);
        Planks(c, w - 70, 90, 40, h - 90, kDriftwood, 8u);
        Planks(c, 10, 60, w - 20, 40, kPaleWood, 9u);
        // The sign above shows the reward behind the door.
        c.FillRoundRect(w / 2 - 50, 0, 100, 70, 8, pal::Sand2);
        c.StrokeRect(w / 2 - 50, 0, 100, 70, pal::Ink, 2);
        if (row > 0) RewardIcon(c, w / 2, 35, 48, row);
        else c.FillCircle(w / 2, 35, 14, pal::Lantern0);
        // Lanterns on the posts flicker.
        const Rgba flame = frame % 2 ? pal::Lantern1 : pal::Lantern0;
        c.FillCircle(50, 130, 10 + frame % 3, flame);
        c.FillCircle(w - 50, 130, 10 + (frame + 1) % 3, flame);
    });
}

void PaintChest(Canvas& sheet, const AssetEntry& e) {
    paint::ForEachCell(sheet, e.cellWidth, e.cellHeight, e.framesPerRow, [](Canvas& c, int, int frame, int frames) {
        const int w = c.Width(), h = c.Height();
        const int bodyTop = h - 200, cx = w / 2;
        const float open = static_cast<float>(frame) / static_cast<float>(frames - 1);
        if (frame > 0) {  // light pours out as the lid rises
            const int rays = static_cast<int>(open * 420);
            const paint::Point beam[] = {{cx - 150, bodyTop}, {cx + 150, bodyTop}, {cx + 220, bodyTop - rays}, {cx - 220, bodyTop - rays}};
            c.FillPolygon(beam, pal::Lantern1.WithAlpha(static_cast<std::uint8_t>(60 + 80 * open)));
        }
        Planks(c, cx - 170, bodyTop, 340, 190, kDriftwood, 11u);
        c.FillRect(cx - 170, bodyTop + 60, 340, 14, pal::Lantern0);  // brass band
        c.FillRect(cx - 20, bodyTop + 50, 40, 40, pal::Lantern1);
        c.StrokeRect(cx - 20, bodyTop + 50, 40, 40, pal::Ink, 2);
        const int lidH = std::max(10, static_cast<int>(90 * (1.f - open)));
        const int lidTop = bodyTop - lidH - static_cast<int>(open * 60);
        Planks(c, cx - 176, lidTop, 352, lidH, kPaleWood, 12u);
    });
}

void PaintItem(Canvas& c, int kind) {
    // The icon floats over the chest's lid; the rest stays clear so the
    // player standing at the chest overlaps the item.
    const int cx = c.Width() / 2, cy = 380;
    c.FillCircle(cx, cy, 110, pal::Lantern1.WithAlpha(60));
    RewardIcon(c, cx, cy, 150, kind);
    c.Outline(pal::Ink, cx - 130, cy - 130, 260, 260);
}

void PaintPropeller(Canvas& sheet, const AssetEntry& e) {
    paint::ForEachCell(sheet, e.cellWidth, e.cellHeight, e.framesPerRow, [](Canvas& c, int, int frame, int frames) {
        const int w = c.Width(), cx = w / 2;
        Planks(c, 0, 400, w, 38, kPaleWood, 21u);  // the stand on the hitbox
        c.FillRect(cx - 8, 60, 16, 340, pal::Stone0);
        c.FillRect(cx - 4, 60, 4, 340, pal::Stone2);
        for (int y = 80; y < 400; y += 40) c.FillRect(cx - 20, y, 40, 6, pal::Wood2);  // rungs
        // Blades seen edge on: their length swings with the turn.
        const double a = 2.0 * kPi * frame / frames;
        const int span = static_cast<int>(std::abs(std::cos(a)) * 130) + 10;
        c.FillEllipse(cx - span / 2, 44, span / 2, 10, pal::Rust1);
        c.FillEllipse(cx + span / 2, 44, span / 2, 10, pal::Coral);
        c.FillCircle(cx, 44, 14, pal::Stone1);
        c.Outline(pal::Ink);
    });
}

void PaintCrate(Canvas& sheet, const AssetEntry& e) {
    paint::ForEachCell(sheet, e.cellWidth, e.cellHeight, e.framesPerRow, [](Canvas& c, int, int frame, int) {
        const int w = c.Width(), h = c.Height(), bob = (frame == 1 ? 6 : frame == 2 ? 3 : 0);
        // A crate lifted by a patched balloon.
        c.FillEllipse(w / 2, 150 + bob, 140, 140, pal::Coral);
        c.FillEllipse(w / 2 - 40, 110 + bob, 50, 60, pal::CoralLight);
        c.FillRect(w / 2 + 40, 180 + bob, 40, 30, pal::Sand1);
        for (int k = -1; k <= 1; k += 2) c.Line(w / 2 + k * 100, 250 + bob, w / 2 + k * 110, h - 200 + bob, pal::Sand0, 3);
        Planks(c, w / 2 - 130, h - 210 + bob, 260, 200, kPaleWood, 31u);
        c.Line(w / 2 - 130, h - 210 + bob, w / 2 + 130, h - 10 + bob, pal::Wood1, 8);
        c.Outline(pal::Ink);
    });
}

void PaintFountain(Canvas& sheet, const AssetEntry& e) {
    paint::ForEachCell(sheet, e.cellWidth, e.cellHeight, e.framesPerRow, [](Canvas& c, int row, int frame, int frames) {
        const int w = c.Width(), h = c.Height();
        c.FillRect(w / 2 - 60, h - 40, 120, 40, pal::Stone1);
        c.FillRect(w / 2 - 60, h - 40, 120, 6, pal::Stone2);
        const int jet = row == 1 ? 20 + (frames - 1 - std::abs(frame - frames / 2)) * 4 : 6 + (frame % 4);
        c.FillRect(w / 2 - 6, h - 40 - jet, 12, jet, pal::Sea2);
        c.FillEllipse(w / 2, h - 40 - jet, 14, 8, pal::Foam);
        c.Outline(pal::Ink);
    });
}

void PaintForge(Canvas& sheet, const AssetEntry& e) {
    paint::ForEachCell(sheet, e.cellWidth, e.cellHeight, e.framesPerRow, [](Canvas& c, int, int frame, int) {
        const int w = c.Width(), h = c.Height();
        Bricks(c, 40, 120, w - 80, h - 120, kBrick, 51u);
        c.FillRoundRect(w / 2 - 60, 220, 120, 100, 30, pal::Ink);
        c.FillEllipse(w / 2, 300, 50, 20 + frame * 3, pal::Lantern0);
        c.FillEllipse(w / 2, 305, 30, 10 + frame * 2, pal::Lantern1);
        c.Outline(pal::Ink);
    });
}

void PaintStatue(Canvas& sheet, const AssetEntry& e) {
    paint::ForEachCell(sheet, e.cellWidth, e.cellHeight, e.framesPerRow, [](Canvas& c, int row, int frame, int frames) {
        const int w = c.Width(), h = c.Height(), cx = w / 2;
        // A praying idol on a plinth; its eyes and a halo light up while the
        // player prays (row 0) and fade back (row 1).
        const float t = static_cast<float>(frame) / static_cast<float>(frames - 1);
        const float lit = row == 0 ? t : 1.f - t;
        if (lit > 0.f) c.FillCircle(cx, 60, 20 + static_cast<int>(lit * 30), pal::Lantern1.WithAlpha(static_cast<std::uint8_t>(lit * 140)));
        c.FillRect(cx - 50, h - 30, 100, 30, pal::Stone0);
        c.FillRect(cx - 50, h - 30, 100, 4, pal::Stone2);
        c.FillRoundRect(cx - 30, 70, 60, h - 100, 20, pal::Stone1);
        c.FillRect(cx - 30, 70, 8, h - 100, pal::Stone2);
        c.FillCircle(cx, 60, 26, pal::Stone1);
        c.FillCircle(cx - 8, 52, 10, pal::Stone2);
        const Rgba eye = Mix(pal::Stone0, pal::Lantern1, lit);
        c.FillRect(cx - 12, 56, 6, 4, eye);
        c.FillRect(cx + 6, 56, 6, 4, eye);
        c.FillRect(cx - 18, 110, 36, 10, pal::Stone0);  // folded hands
        c.Outline(pal::Ink);
    });
}

void PaintWall(Canvas& c) {
    c.FillRect(2, 0, 20, c.Height(), pal::Wood1);
    c.FillRect(4, 0, 4, c.Height(), pal::Wood3);
    for (int y = 20; y < c.Height(); y += 60) c.FillRect(2, y, 20, 6, pal::Stone0);  // iron bands
    c.StrokeRect(1, 0, 22, c.Height(), pal::Ink);
}

// ---- Parallax --------------------------------------------------------------

constexpr int kHorizonFromTop = 3240 + 300;  // world y 300 in a picture hung at -3240

void PaintSky(Canvas& c) {
    const Rgba bands[] = {pal::Night0, pal::Night1, pal::Deep1, Rgba{49, 131, 194, 255}, pal::Sea2, pal::CoralLight, pal::Coral};
    c.GradientRect(0, 0, c.Width(), kHorizonFromTop, bands);
    c.FillRect(0, kHorizonFromTop, c.Width(), c.Height() - kHorizonFromTop, pal::Deep1);
}

void PaintSun(Canvas& c) {
    const int cx = 1200, cy = 3480;
    c.FillCircle(cx, cy, 170, pal::CoralLight.WithAlpha(70));
    c.FillCircle(cx, cy, 120, pal::Lantern1);
    c.FillCircle(cx - 20, cy - 20, 80, pal::Bone);
    for (int y = cy + 40; y < cy + 120; y += 14) c.FillRect(cx - 130, y, 260, 4, pal::Coral.WithAlpha(160));
}

// A ridge that tiles: a sum of sines whose periods divide the tile width.
int Ridge(int x, int width, int base, int amplitude, int seed) {
    double v = 0;
    for (int k = 1; k <= 3; ++k)
        v += std::sin(2.0 * kPi * (k * (seed % 3 + 1)) * x / width + seed * k) / k;
    return base - static_cast<int>(v * amplitude);
}

void PaintLayer(Canvas& c, int layer) {
    // From far (5) to near (1): higher contrast, warmer, lower on screen.
    struct L {
        int base, amplitude;
        Rgba colour;
    };
    const L ls[] = {{0, 0, {}},
                    {kHorizonFromTop + 360, 90, Rgba{30, 58, 72, 255}},
                    {kHorizonFromTop + 240, 120, Rgba{40, 76, 100, 255}},
                    {kHorizonFromTop + 120, 160, Rgba{62, 96, 128, 255}},
                    {kHorizonFromTop + 20, 200, Rgba{96, 120, 156, 255}},
                    {kHorizonFromTop - 60, 80, Rgba{160, 170, 196, 150}}};
    const L& l = ls[layer];
    for (int x = 0; x < c.Width(); ++x) {
        const int top = Ridge(x, c.Width(), l.base, l.amplitude, layer * 7);
        if (layer == 5) {  // clouds: a soft band, not a ridge
            c.BlendRect(x, top, 1, 40 + (top % 30), l.colour);
            continue;
        }
        c.FillRect(x, top, 1, c.Height() - top, l.colour);
        c.Set(x, top, Mix(l.colour, pal::Bone, 0.25f));
    }
    if (layer == 2) {  // wreck masts on the second layer
        for (int x = 200; x < c.Width(); x += 640) {
            const int top = Ridge(x, c.Width(), l.base, l.amplitude, layer * 7);
            c.FillRect(x, top - 260, 10, 260, l.colour);
            c.FillRect(x - 60, top - 200, 130, 8, l.colour);
        }
    }
}

void PaintBoat(Canvas& sheet, const AssetEntry& e) {
    paint::ForEachCell(sheet, e.cellWidth, e.cellHeight, e.framesPerRow, [](Canvas& c, int, int frame, int) {
        const int w = c.Width(), h = c.Height(), bob = (frame % 5 < 3 ? frame % 5 : 5 - frame % 5) * 2;
        // A small sloop sailing left, sails filled.
        const paint::Point hull[] = {{20, h - 80 + bob}, {w - 20, h - 90 + bob}, {w - 80, h - 20 + bob}, {80, h - 20 + bob}};
        c.FillPolygon(hull, pal::Wood1);
        c.FillRect(40, h - 80 + bob, w - 80, 8, pal::Wood3);
        c.FillRect(w / 2, 20 + bob, 8, h - 100, pal::Wood0);
        const paint::Point sail[] = {{w / 2 - 8, 30 + bob}, {w / 2 - 8, h - 110 + bob}, {w / 2 - 170 - frame * 4, h - 120 + bob}};
        c.FillPolygon(sail, pal::Bone);
        const paint::Point jib[] = {{w / 2 + 16, 40 + bob}, {w / 2 + 16, h - 110 + bob}, {w - 60, h - 110 + bob}};
        c.FillPolygon(jib, pal::Sand2);
        c.FillRect(w / 2 + 4, 14 + bob, 24, 12, pal::Coral);  // pennant
        c.Outline(pal::Ink);
    });
}

void PaintParrot(Canvas& sheet, const AssetEntry& e, Rgba body, Rgba light) {
    paint::ForEachCell(sheet, e.cellWidth, e.cellHeight, e.framesPerRow, [body, light](Canvas& c, int, int frame, int frames) {
        const int cx = c.Width() / 2, cy = c.Height() / 2;
        // Facing right; the wings beat once over the strip.
        const double a = 2.0 * kPi * frame / frames;
        const int wing = static_cast<int>(std::sin(a) * 44);
        const paint::Point far[] = {{cx - 10, cy - 4}, {cx + 16, cy - 4}, {cx - 4, cy - wing - 6}};
        c.FillPolygon(far, Shade(body, 0.7f));
        c.FillEllipse(cx, cy, 30, 16, body);
        c.FillCircle(cx + 28, cy - 10, 14, body);
        c.FillCircle(cx + 24, cy - 14, 6, light);
        c.FillRect(cx + 32, cy - 14, 4, 4, pal::Ink);
        const paint::Point beak[] = {{cx + 40, cy - 12}, {cx + 54, cy - 4}, {cx + 40, cy - 2}};
        c.FillPolygon(beak, pal::Lantern0);
        const paint::Point tail[] = {{cx - 28, cy - 4}, {cx - 62, cy + 14}, {cx - 26, cy + 8}};
        c.FillPolygon(tail, Shade(body, 0.8f));
        const paint::Point nearWing[] = {{cx - 14, cy}, {cx + 12, cy}, {cx - 2, cy - wing}};
        c.FillPolygon(nearWing, light);
        c.Outline(pal::Ink);
    });
}

void PaintBoil(Canvas& sheet, const AssetEntry& e) {
    paint::ForEachCell(sheet, e.cellWidth, e.cellHeight, e.framesPerRow, [](Canvas& c, int, int frame, int frames) {
        const int w = c.Width(), h = c.Height();
        // The great cauldron behind the galley: bubbles rise and burst in turn.
        c.FillEllipse(w / 2, h - 60, 200, 70, pal::Stone0);
        c.FillEllipse(w / 2, h - 110, 200, 30, pal::Kelp1);
        c.FillEllipse(w / 2 - 40, h - 116, 120, 14, pal::Kelp2);
        for (int b = 0; b < 6; ++b) {
            const int phase = (frame + b * 3) % frames;
            const int bx = w / 2 - 150 + b * 60, by = h - 110 - phase * 6;
            c.FillCircle(bx, by, 6 + phase / 3, pal::Kelp2.WithAlpha(static_cast<std::uint8_t>(255 - phase * 12)));
        }
        for (int s = 0; s < 3; ++s)
            c.FillEllipse(w / 2 - 80 + s * 80, 60 + (frame * 4 + s * 30) % 90, 40, 24, pal::Foam.WithAlpha(90));
        c.Outline(pal::Ink, 0, h - 160, w, 160);
    });
}

// The canvas of a picture hung from its element: picture painters get the
// manifest-sized canvas, so look the pattern up by its background type.
const Pattern* PatternOf(int type) {
    for (const Pattern& p : AllPatterns())
        if (p.backgroundType == type) return &p;
    return nullptr;
}

void RegisterPatterns(PainterRegistry& r) {
    for (int type = OBS_BACKGROUND_1; type <= OBS_BACKGROUND_7; ++type) {
        const ObstacleKind* kind = FindObstacleKind(type);
        const Pattern* pattern = PatternOf(type);
        for (int variant = 0; variant < 2; ++variant)
            r.Add(kind->pictures[variant],
                  [pattern, variant](Canvas& c, const AssetEntry&) { PaintPatternPicture(c, *pattern, variant); });
        if (kind->front)
            r.Add(kind->front, [pattern, type](Canvas& c, const AssetEntry&) {
                PaintFront(c, static_cast<int>(pattern->background.y), static_cast<std::uint32_t>(type), IsFort(type));
            });
    }
    r.Add(FindObstacleKind(OBS_BACKGROUND_END)->pictures[0], [](Canvas& c, const AssetEntry&) { PaintEnd(c, false); });
    r.Add(FindObstacleKind(OBS_BACKGROUND_END)->front, [](Canvas& c, const AssetEntry&) { PaintEnd(c, true); });
    r.Add(FindObstacleKind(OBS_BACKGROUND_TUTORIAL)->pictures[0], [](Canvas& c, const AssetEntry&) { PaintTutorial(c, false); });
    r.Add(FindObstacleKind(OBS_BACKGROUND_TUTORIAL)->front, [](Canvas& c, const AssetEntry&) { PaintTutorial(c, true); });
    r.Add(FindObstacleKind(OBS_BACKGROUND_BOSS)->pictures[0], [](Canvas& c, const AssetEntry&) { PaintBoss(c); });
}

}  // namespace

void RegisterWorldArt(PainterRegistry& registry) {
    RegisterPatterns(registry);
    registry.Add(FindObstacleKind(OBS_DOOR)->pictures[0], PaintDoor);
    registry.Add(FindObstacleKind(OBS_REWARD)->pictures[0], PaintChest);
    for (int kind = REWARD_CARD; kind <= REWARD_COINS; ++kind)
        registry.Add(RewardItemPicture(kind), [kind](Canvas& c, const AssetEntry&) { PaintItem(c, kind); });
    registry.Add(FindObstacleKind(OBS_PROPELLER)->pictures[0], PaintPropeller);
    registry.Add(FindObstacleKind(OBS_FAN)->pictures[0], [](Canvas&, const AssetEntry&) {});  // never seen
    registry.Add(FindObstacleKind(OBS_FOUNTAIN)->pictures[0], PaintFountain);
    registry.Add(FindObstacleKind(OBS_WALL)->pictures[0], [](Canvas& c, const AssetEntry&) { PaintWall(c); });
    registry.Add(FindObstacleKind(OBS_FLYING_CRATE)->pictures[0], PaintCrate);
    registry.Add(FindObstacleKind(OBS_FORGE)->pictures[0], PaintForge);
    registry.Add("Assets/Sprites/Obstacle/SpritesheetStatue.png", PaintStatue);
    registry.Add("Assets/Sprites/Maps/Background/Background.png", [](Canvas& c, const AssetEntry&) { PaintSky(c); });
    registry.Add("Assets/Sprites/Maps/Background/Sun.png", [](Canvas& c, const AssetEntry&) { PaintSun(c); });
    for (int layer = 1; layer <= 5; ++layer)
        registry.Add("Assets/Sprites/Maps/Layer" + std::to_string(layer) + ".png",
                     [layer](Canvas& c, const AssetEntry&) { PaintLayer(c, layer); });
    registry.Add("Assets/Sprites/Maps/FirstPlan/SpritesheetBouf.png", PaintBoil);
    registry.Add("Assets/Sprites/Maps/SecondPlan/Boat.png", PaintBoat);
    registry.Add("Assets/Sprites/Maps/SecondPlan/BlueParrot.png",
                 [](Canvas& c, const AssetEntry& e) { PaintParrot(c, e, pal::Deep1, pal::Sea2); });
    registry.Add("Assets/Sprites/Maps/SecondPlan/GreenParrot.png",
                 [](Canvas& c, const AssetEntry& e) { PaintParrot(c, e, pal::Kelp1, pal::Kelp2); });
    registry.Add("Assets/Sprites/Maps/SecondPlan/YellowParrot.png",
                 [](Canvas& c, const AssetEntry& e) { PaintParrot(c, e, pal::Lantern0, pal::Lantern1); });
}
