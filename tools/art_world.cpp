// Pictures of the patterns: the backgrounds and fronts, painted from the
// same pattern table the level builder reads, so every plank and wall stands
// exactly on its hitbox; the tutorial beach, the end pattern and the boss's
// galley.
#include <algorithm>
#include <cmath>
#include <string>

#include "art_world_kit.hpp"
#include "world/pattern_table.hpp"

namespace {

using namespace world_art;
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
    RegisterWorldPropArt(registry);
    RegisterWorldSkyArt(registry);
}
