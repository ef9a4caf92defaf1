// Pictures of the patterns: the backgrounds and fronts, painted from the
// same pattern table the level builder reads, so every plank and wall stands
// exactly on its hitbox; the tutorial beach, the end pattern and the boss's
// galley.
//
// Depth, back to front: a hazy backdrop (cool, dark, no outline), the shore,
// the supports under high platforms (darker than what they hold), the walls,
// then the platforms. Every walkable top gets a bright rim on its top row.
#include <algorithm>
#include <cmath>
#include <string>

#include "art_world_kit.hpp"
#include "player/player_table.hpp"
#include "world/pattern_table.hpp"

namespace {

using namespace world_art;

// ---- Looks ----------------------------------------------------------------

// A picture's biome and variant: variant 0 is the sunset, variant 1 dusk on
// older, mossier, lantern-lit ruins.
struct Look {
    bool fort = false;
    int variant = 0;
};

// World position of a canvas's top-left, and how it looks.
struct Frame {
    int x0, y0;
    Look look;
};

// The far shapes: three flat tones, no outline.
struct Haze {
    Rgba shadow, body, rim;
};

Haze HazeOf(const Look& l) {
    if (l.variant == 1) return {pal::Night0, Mix(pal::Night0, pal::Night1, 0.6f), Mix(pal::Night1, pal::Night2, 0.4f)};
    if (l.fort) return {Mix(pal::Deep0, pal::Stone0, 0.3f), Mix(pal::Deep1, pal::Stone0, 0.45f), Mix(pal::Deep1, pal::Stone1, 0.5f)};
    return {pal::Deep0, pal::Deep1, Mix(pal::Deep1, pal::Sea0, 0.6f)};
}

Tones WoodOf(const Look& l) { return l.variant == 1 ? kDriftwood : kPaleWood; }
Tones BrickOf(const Look& l) { return l.variant == 1 ? kStone : kBrick; }

bool IsFort(int type) { return type >= OBS_BACKGROUND_5 && type <= OBS_BACKGROUND_7; }

// ---- Backdrop ---------------------------------------------------------------

// A wrecked hull lying on its side far off, ribs up, a mast leaning.
void FarHull(Canvas& c, int x, int ground, int w, int h, const Haze& hz, bool dusk, paint::Rng& rng) {
    const paint::Point hull[] = {{x, ground - h / 3}, {x + w / 6, ground - h}, {x + w * 5 / 6, ground - h * 4 / 5},
                                 {x + w, ground - h / 4}, {x + w, ground}, {x, ground}};
    c.FillPolygon(hull, hz.body);
    for (int k = x + w / 6; k < x + w * 5 / 6; k += 34) c.FillRect(k, ground - h + 8, 4, h / 2, hz.shadow);
    c.Line(x + w / 6, ground - h, x + w * 5 / 6, ground - h * 4 / 5, hz.rim, 3);
    if (dusk) c.FillRect(x + w / 3, ground - h / 2, 6, 6, pal::Lantern0);
    if (rng.Range(0, 2) == 0) return;
    const int mx = x + w / 2 + rng.Range(-40, 40), lean = rng.Range(-90, 90), top = ground - h - rng.Range(180, 420);
    c.Line(mx, ground - h * 4 / 5, mx + lean, top, hz.body, 9);
    c.Line(mx + lean - 80, top + 60, mx + lean + 80, top + 50, hz.body, 5);
    const paint::Point sail[] = {{mx + lean - 70, top + 64}, {mx + lean + 70, top + 56}, {mx + lean + 50, top + 170},
                                 {mx + lean + 10, top + 150}, {mx + lean - 40, top + 196}};
    c.FillPolygon(sail, Mix(hz.rim, pal::Sand0, 0.25f));
}

// A ruined tower of the old fort: crenels, a dark arch, lit slits at dusk.
void FarTower(Canvas& c, int x, int ground, int w, int h, const Haze& hz, bool dusk) {
    c.FillRect(x, ground - h, w, h, hz.body);
    c.FillRect(x, ground - h, 6, h, hz.rim);
    for (int k = 0; k < w; k += 28) c.FillRect(x + k, ground - h - 18, 16, 18, hz.body);
    c.FillRect(x + w / 3, ground - 90, w / 3, 90, hz.shadow);
    c.FillEllipse(x + w / 2, ground - 90, w / 6, w / 8, hz.shadow);
    for (int y = ground - h + 40; y < ground - 140; y += 90)
        c.FillRect(x + w / 2 - 3, y, 6, 24, dusk ? pal::Lantern0 : hz.shadow);
}

// Behind the playfield: far wrecks or towers on the sea's edge.
void Backdrop(Canvas& c, const Frame& f, std::uint32_t seed) {
    paint::Rng rng(seed);
    const Haze hz = HazeOf(f.look);
    const int ground = kFloorTop - f.y0;
    for (int x = rng.Range(-200, 100); x < c.Width(); x += rng.Range(420, 760)) {
        if (f.look.fort)
            FarTower(c, x, ground - 30, rng.Range(120, 220), rng.Range(260, 560), hz, f.look.variant == 1);
        else
            FarHull(c, x, ground - 30, rng.Range(300, 560), rng.Range(90, 170), hz, f.look.variant == 1, rng);
    }
    // The sea behind the shore, foam on its swell.
    c.FillRect(0, ground - 52, c.Width(), 52, f.look.variant == 1 ? pal::Deep1 : pal::Sea0);
    c.FillRect(0, ground - 52, c.Width(), 3, f.look.variant == 1 ? pal::Sea0 : pal::Sea1);
    for (int x = rng.Range(0, 60); x < c.Width(); x += rng.Range(60, 140))
        c.FillRect(x, ground - rng.Range(12, 44), rng.Range(10, 36), 2, pal::Foam);
}

// ---- The shore ----------------------------------------------------------------

// Wet sand: a bright tide line, darker sand further down, pools and shells.
void SandShore(Canvas& c, int y, std::uint32_t seed) {
    paint::Rng rng(seed);
    const int w = c.Width(), h = c.Height() - y;
    if (h <= 0) return;
    c.FillRect(0, y, w, h, pal::Sand1);
    LitTop(c, 0, y, w, pal::Bone, pal::Sand2, pal::Sand1);
    c.FillRect(0, y + 6, w, 10, pal::Sand2);
    c.DitherRect(0, y + 14, w, 6, pal::Sand1, 8);
    c.FillRect(0, y + 60, w, h - 60, Mix(pal::Sand1, pal::Sand0, 0.5f));
    c.DitherRect(0, y + 52, w, 8, Mix(pal::Sand1, pal::Sand0, 0.5f), 8);
    c.FillRect(0, y + 170, w, h - 170, pal::Sand0);
    c.DitherRect(0, y + 160, w, 10, pal::Sand0, 8);
    for (int x = rng.Range(100, 400); x < w; x += rng.Range(500, 1100))
        TidePool(c, x, y + rng.Range(70, 200), rng.Range(40, 110), rng.Range(8, 16));
    for (int i = 0; i < w / 35; ++i) {
        const int px = rng.Range(0, w), py = y + rng.Range(22, std::max(23, h - 6));
        c.FillRect(px, py, rng.Range(2, 5), 2, i % 4 ? pal::Sand0 : pal::Bone);
        if (i % 9 == 0) c.FillRect(px + 1, py - 1, 3, 1, pal::CoralLight);  // a shell
    }
}

// The fort's paved quay: flagstones, lit on their top course.
void Flagstones(Canvas& c, int y, std::uint32_t seed) {
    paint::Rng rng(seed);
    const int w = c.Width(), h = c.Height() - y;
    if (h <= 0) return;
    c.FillRect(0, y, w, h, pal::Stone1);
    for (int row = 0, py = y; py < y + h; ++row, py += 38) {
        const Rgba body = row == 0 ? pal::Stone1 : (row < 3 ? Mix(pal::Stone1, pal::Stone0, 0.4f) : pal::Stone0);
        c.FillRect(0, py, w, 38, body);
        c.FillRect(0, py + 36, w, 2, Shade(body, 0.7f));
        for (int jx = rng.Range(0, 70) - 70; jx < w; jx += rng.Range(60, 110)) c.FillRect(jx, py, 2, 38, Shade(body, 0.7f));
    }
    LitTop(c, 0, y, w, pal::Bone, pal::Stone2, pal::Stone1);
    c.DitherRect(0, y + 8, w, 10, pal::Kelp1, rng.Range(1, 2));
}

// Kelp tufts, crates and lanterns on the shore: the ground's props.
void ShoreProps(Canvas& c, const Frame& f, std::uint32_t seed) {
    paint::Rng rng(seed);
    const int ground = kFloorTop - f.y0;
    const Tones wood = kDriftwood;
    for (int x = rng.Range(60, 300); x < c.Width() - 80; x += rng.Range(260, 520)) {
        switch (rng.Range(0, f.look.variant == 1 ? 4 : 3)) {
        case 0:
            for (int k = 0; k < 4; ++k)
                Kelp(c, x + k * 9, ground + 2, rng.Range(30, 70), rng.Range(-14, 14), pal::Kelp0, pal::Kelp1);
            break;
        case 1: Crate(c, x, ground - 36, 36, wood); break;
        case 2: Barrel(c, x, ground - 44, 30, 44, wood); break;
        case 3: Barnacles(c, x, ground - 6, 60, 6, seed + static_cast<std::uint32_t>(x)); break;
        default:  // a lamp post lit for the evening
            Post(c, x, ground - 120, ground, wood);
            c.FillRect(x - 4, ground - 124, 30, 5, pal::Wood0);
            Lantern(c, x + 16, ground - 112, true);
            break;
        }
    }
}

// ---- Wreck pieces -----------------------------------------------------------

// A mast standing as a wall: vertical grain, iron hoops, a lit cap.
void MastWall(Canvas& c, int x, int y, int w, int h, Tones t) {
    c.FillRect(x, y, w, h, t.mid);
    c.FillRect(x + 4, y, w / 4, h, t.light);
    c.FillRect(x + w - w / 4, y, w / 4, h, t.dark);
    for (int gx = x + w / 3; gx < x + w - w / 4; gx += 17) c.FillRect(gx, y, 1, h, Shade(t.mid, 0.85f));
    for (int hy = y + 120; hy < y + h - 20; hy += 180) {
        c.FillRect(x, hy, w, 10, pal::Stone0);
        c.FillRect(x + 4, hy, w / 3, 3, pal::Stone2);
        c.FillRect(x, hy + 10, w, 1, pal::Ink);
    }
    InkSides(c, x, y, w, h);
    LitTop(c, x, y, w, pal::Bone, t.light, t.dark);
}

// A piece of hull standing as a wall: strakes, ribs, a rail to walk on,
// barnacles low down; at dusk moss, holes and kelp hanging off the rail.
void HullWall(Canvas& c, int x, int y, int w, int h, const Look& look, std::uint32_t seed) {
    const Tones t = WoodOf(look);
    if (h > w * 5 / 2) {
        MastWall(c, x, y, w, h, t);
        return;
    }
    Planks(c, x, y, w, h, t, seed);
    for (int rx = x + 60; rx < x + w - 30; rx += 130) {
        c.FillRect(rx, y + 12, 12, h - 12, t.dark);
        c.FillRect(rx, y + 12, 3, h - 12, t.mid);
    }
    paint::Rng rng(seed);
    if (w >= 600 && h >= 400)  // gun ports, lit from inside at dusk
        for (int px = x + 90; px < x + w - 90; px += 170) {
            const int py = y + 120 + ((px / 170) % 2) * 60;
            c.FillRect(px, py, 52, 40, look.variant ? pal::Lantern0 : pal::Night0);
            c.FillRect(px + 4, py + 4, 20, 14, look.variant ? pal::Lantern1 : pal::Ink);
            c.StrokeRect(px - 3, py - 3, 58, 46, pal::Wood0, 3);
            c.StrokeRect(px - 4, py - 4, 60, 48, pal::Ink);
        }
    if (look.variant == 1) {
        for (int k = 0; k < w / 200 + 1; ++k) {
            const int hx = x + rng.Range(20, std::max(21, w - 80)), hy = y + rng.Range(30, std::max(31, h - 80));
            const paint::Point hole[] = {{hx, hy + 10}, {hx + 24, hy}, {hx + 50, hy + 14}, {hx + 40, hy + 46}, {hx + 8, hy + 40}};
            c.FillPolygon(hole, pal::Night0);
            c.Line(hx, hy + 10, hx + 24, hy, pal::Ink, 2);
        }
        c.DitherRect(x + 1, y + 6, w - 2, 24, pal::Kelp1, 4);
        for (int kx = x + rng.Range(10, 40); kx < x + w - 10; kx += rng.Range(25, 70))
            c.FillRect(kx, y + 6, 3, rng.Range(10, 60), rng.Range(0, 1) ? pal::Kelp0 : pal::Kelp1);
    }
    Barnacles(c, x + 4, y + h - std::min(70, h / 2), w - 8, std::min(60, h / 2) - 6, seed * 7 + 1, 20);
    InkSides(c, x, y, w, h);
    LitTop(c, x, y, w, pal::Bone, pal::Sand2, t.dark);
    c.FillRect(x, y + 6, w, 4, t.light);  // the rail's face
    c.FillRect(x, y + 10, w, 1, pal::Ink);
}

// A deck or gangway: planks with beam ends under them and the lit edge.
void Deck(Canvas& c, int x, int y, int w, int h, const Look& look, std::uint32_t seed) {
    const Tones t = WoodOf(look);
    Planks(c, x, y, w, h, t, seed);
    if (h >= 40)
        for (int bx = x + 14; bx < x + w - 20; bx += 64) {
            c.FillRect(bx, y + h - 16, 16, 14, t.dark);
            c.FillRect(bx + 2, y + h - 14, 5, 5, t.light);
        }
    if (look.variant == 1)
        for (int kx = x + 20; kx < x + w - 10; kx += 37 + (kx % 23))
            c.FillRect(kx, y + h, 3, 8 + (kx * 7) % 26, pal::Kelp0);  // weed dripping from below
    InkSides(c, x, y, w, h);
    LitTop(c, x, y, w, pal::Bone, pal::Sand2, t.dark);
}

// ---- Fort pieces ------------------------------------------------------------

// The cap course of a wall: long stones, their top row catching the light.
void Capstones(Canvas& c, int x, int y, int w, int h) {
    c.FillRect(x, y, w, h, pal::Stone1);
    for (int jx = x + 46; jx < x + w - 4; jx += 58) c.FillRect(jx, y + 4, 2, h - 4, pal::Stone0);
    c.FillRect(x, y + h - 2, w, 2, pal::Stone0);
    c.FillRect(x, y + h, w, 1, pal::Ink);
    LitTop(c, x, y, w, pal::Bone, pal::Stone2, pal::Stone1);
}

// A brick wall with its cap, grated windows and lanterns; at dusk old grey
// stone with moss, the lanterns lit.
void FortWall(Canvas& c, int x, int y, int w, int h, const Look& look, std::uint32_t seed) {
    Bricks(c, x, y, w, h, BrickOf(look), seed);
    paint::Rng rng(seed);
    if (w >= 280 && h >= 380) {
        const int gw = std::min(120, w / 3), gx = x + w / 2 - gw / 2, gy = y + 90;
        Grate(c, gx, gy, gw, std::min(160, h / 3));
        Lantern(c, x + 30, y + 60, look.variant == 1);
        if (w >= 600) Lantern(c, x + w - 46, y + 60, look.variant == 1);
    }
    if (look.variant == 1) {
        c.DitherRect(x + 1, y + 14, w - 2, 40, pal::Kelp1, 5);
        c.DitherRect(x + 1, y + 54, w - 2, 30, pal::Kelp0, 3);
        for (int k = 0; k < w / 90; ++k)
            c.FillRect(x + rng.Range(10, std::max(11, w - 40)), y + rng.Range(60, std::max(61, h - 30)), 22, 10, pal::Night0);
    }
    InkSides(c, x, y, w, h);
    Capstones(c, x, y, w, std::min(14, h));
}

// A thin walkway: a board on an iron bracket at each end.
void Board(Canvas& c, int x, int y, int w, int h, const Look& look) {
    const Tones t = WoodOf(look);
    for (int bx : {x + 16, x + w - 40}) {
        const paint::Point bracket[] = {{bx, y + h}, {bx + 24, y + h}, {bx + 12, y + h + 30}};
        c.FillPolygon(bracket, pal::Stone0);
        c.Line(bx, y + h, bx + 12, y + h + 30, pal::Ink);
        c.Line(bx + 24, y + h, bx + 12, y + h + 30, pal::Ink);
    }
    c.FillRect(x, y, w, h, t.mid);
    c.FillRect(x, y + h - 4, w, 3, t.dark);
    for (int nx = x + 10; nx < x + w - 4; nx += 48) c.Set(nx, y + h / 2, pal::Ink);
    InkSides(c, x, y, w, h);
    LitTop(c, x, y, w, pal::Bone, t.light, t.mid);
}

// A stone slab hanging in the air.
void Slab(Canvas& c, int x, int y, int w, int h, const Look& look, std::uint32_t seed) {
    Bricks(c, x, y, w, h, BrickOf(look), seed);
    InkSides(c, x, y, w, h);
    Capstones(c, x, y, w, std::min(14, h));
}

// ---- Supports -----------------------------------------------------------------

// Under a wreck platform: posts, or a whole mast when it stands high.
void WreckSupport(Canvas& c, int x, int bottom, int w, int ground) {
    if (ground - bottom > 500) {
        MastWall(c, x + w / 2 - 14, bottom, 28, ground - bottom, kDriftwood);
        for (int yy = bottom + 60; yy < ground - 60; yy += 240) c.Line(x + w / 2, yy, x + w / 2 + 200, yy + 200, pal::Sand0, 2);
        return;
    }
    Post(c, x + 14, bottom, ground, kDriftwood);
    Post(c, x + w - 30, bottom, ground, kDriftwood);
    if (w > 500) Post(c, x + w / 2 - 7, bottom, ground, kDriftwood);
}

// Under a fort platform: scaffold poles braced crosswise.
void Scaffold(Canvas& c, int x, int bottom, int w, int ground) {
    const int left = x + 20, right = x + w - 32;
    for (int yy = bottom + 20; yy + 120 < ground; yy += 160) {
        c.Line(left + 6, yy, right + 6, yy + 120, pal::Wood0, 3);
        c.Line(right + 6, yy, left + 6, yy + 120, pal::Wood0, 3);
    }
    Post(c, left, bottom, ground, kDriftwood);
    Post(c, right, bottom, ground, kDriftwood);
}

// ---- A pattern's picture ------------------------------------------------------

struct Box {
    int x, y, w, h;
};

Box CanvasBox(const PatternElement& e, const Pattern& p, const Frame& f) {
    return {static_cast<int>(e.hitbox.left - p.background.x) - f.x0, static_cast<int>(e.hitbox.top) - f.y0,
            static_cast<int>(e.hitbox.width), static_cast<int>(e.hitbox.height)};
}

// Walls are solid masses; so are tall floor pieces (the fort's quays).
bool IsSolid(const PatternElement& e) { return e.type == OBS_WALL || e.hitbox.height >= 300; }

void PaintSupports(Canvas& c, const Frame& f, const Pattern& p) {
    const int ground = kFloorTop - f.y0;
    for (const PatternElement& e : p.elements) {
        if (!e.collides) continue;
        const Box b = CanvasBox(e, p, f);
        if (b.y + b.h >= ground) continue;
        if (f.look.fort)
            Scaffold(c, b.x, b.y + b.h, b.w, ground);
        else
            WreckSupport(c, b.x, b.y + b.h, b.w, ground);
    }
}

void PaintElement(Canvas& c, const Frame& f, const PatternElement& e, const Box& b, std::uint32_t seed) {
    if (IsSolid(e)) {
        if (f.look.fort)
            FortWall(c, b.x, b.y, b.w, b.h, f.look, seed);
        else
            HullWall(c, b.x, b.y, b.w, b.h, f.look, seed);
    } else if (f.look.fort) {
        if (b.h <= 30)
            Board(c, b.x, b.y, b.w, b.h, f.look);
        else
            Slab(c, b.x, b.y, b.w, b.h, f.look, seed);
    } else {
        Deck(c, b.x, b.y, b.w, b.h, f.look, seed);
    }
}

void PaintPatternElements(Canvas& c, const Frame& f, const Pattern& p) {
    PaintSupports(c, f, p);
    // Solids first, then the platforms over them.
    for (int pass = 0; pass < 2; ++pass) {
        std::uint32_t seed = static_cast<std::uint32_t>(p.id * 977 + f.look.variant * 31 + pass);
        for (const PatternElement& e : p.elements)
            if (e.collides && IsSolid(e) == (pass == 0)) PaintElement(c, f, e, CanvasBox(e, p, f), ++seed);
    }
}

void PaintPatternPicture(Canvas& c, const Pattern& p, int variant) {
    const ObstacleKind* kind = FindObstacleKind(p.backgroundType);
    const Frame f{0, static_cast<int>(p.background.y) - kind->hangY, {IsFort(p.backgroundType), variant}};
    const std::uint32_t seed = static_cast<std::uint32_t>(p.id * 131 + variant * 17 + 5);
    Backdrop(c, f, seed);
    if (f.look.fort)
        Flagstones(c, kFloorTop - f.y0, seed);
    else
        SandShore(c, kFloorTop - f.y0, seed);
    ShoreProps(c, f, seed + 1);
    PaintPatternElements(c, f, p);
}

// ---- Fronts -----------------------------------------------------------------------

// Fronts: dark kelp, rocks and broken posts in the foreground, all below
// the floor line so the player's path stays clear.
void PaintFront(Canvas& c, int y0, std::uint32_t seed, bool fort) {
    paint::Rng rng(seed);
    const int bottom = kWorldBottom - y0;
    for (int x = rng.Range(100, 400); x < c.Width() - 60; x += rng.Range(480, 900)) {
        const int top = bottom - rng.Range(70, 150);
        if (fort) {  // a broken pillar stump
            const int w = rng.Range(50, 80);
            c.FillRect(x, top, w, bottom - top, pal::Stone0);
            c.FillRect(x + 4, top, w / 4, bottom - top, pal::Stone1);
            const paint::Point broken[] = {{x, top}, {x + w / 3, top - 16}, {x + w * 2 / 3, top - 4}, {x + w, top - 20}, {x + w, top}};
            c.FillPolygon(broken, pal::Stone0);
            c.Outline(pal::Ink, x - 2, top - 24, w + 4, bottom - top + 24);
        } else {
            const int w = rng.Range(90, 160);
            c.FillEllipse(x + w / 2, bottom, w / 2, bottom - top, pal::Stone0);
            c.FillEllipse(x + w / 2 - w / 8, bottom - (bottom - top) / 2, w / 5, (bottom - top) / 4, pal::Stone1);
            Barnacles(c, x + 10, top + 20, w - 20, 20, seed + static_cast<std::uint32_t>(x));
            c.Outline(pal::Ink, x - 2, top - 2, w + 4, bottom - top + 2);
        }
        for (int k = 0; k < 4; ++k)
            Kelp(c, x - 20 + k * 11, bottom, rng.Range(80, 140), rng.Range(-24, 24), pal::Kelp0, pal::Kelp1);
    }
}

// ---- The tutorial beach ---------------------------------------------------------

// Where the glowing substance sits: the middle of its sprite, three times enlarged.
int SubstanceMiddleX()
{
    return static_cast<int>(kSubstanceX + FindAsset(kSubstanceSheet)->cellWidth * kPlayerScale / 2);
}

// A barnacled rock with a flat, lit, weedy top.
void Rock(Canvas& c, int x, int y, int w, int h, std::uint32_t seed) {
    paint::Rng rng(seed);
    c.FillRect(x, y, w, h, pal::Stone0);
    for (int sy = y + 24; sy < y + h; sy += rng.Range(26, 44)) {  // strata
        c.FillRect(x + 2, sy, w - 4, 3, Shade(pal::Stone0, 0.8f));
        c.FillRect(x + 2, sy + 3, w - 4, 1, pal::Stone1);
    }
    c.FillRect(x + 4, y + 4, w / 5, h - 8, pal::Stone1);  // the lit left face
    c.FillRect(x + 4, y + 4, 3, h - 8, pal::Stone2);
    for (int k = 0; k < w / 60 + 1; ++k) {
        const int cx = x + rng.Range(w / 4, std::max(w / 4 + 1, w - 30)), cy = y + rng.Range(20, std::max(21, h - 40));
        c.Line(cx, cy, cx + rng.Range(-16, 16), cy + rng.Range(14, 40), pal::Ink);  // cracks
    }
    Barnacles(c, x + 6, y + h - 90, w - 12, 70, seed + 3, 16);
    c.DitherRect(x + 1, y + 6, w - 2, 10, pal::Kelp1, 8);
    InkSides(c, x, y, w, h);
    GrassFringe(c, x, y, w, seed + 5);
}

// Driftwood across two rocks: grain, knots and a weathered lit top.
void DriftPlank(Canvas& c, int x, int y, int w, int h, int ground) {
    for (int rx : {x + 30, x + w - 90}) {  // crooked posts wedged in boulders
        c.Line(rx + 8, y + h, rx + 20, ground - 40, pal::Ink, 20);
        c.Line(rx + 8, y + h, rx + 20, ground - 40, pal::Wood1, 16);
        c.Line(rx + 4, y + h, rx + 16, ground - 40, pal::Wood2, 4);
        c.FillEllipse(rx + 20, ground, 71, 61, pal::Ink);
        c.FillEllipse(rx + 20, ground, 70, 60, pal::Stone0);
        c.FillEllipse(rx, ground - 28, 26, 16, pal::Stone1);
        c.FillRect(rx - 16, ground - 38, 10, 2, pal::Stone2);
        Barnacles(c, rx - 30, ground - 40, 100, 30, static_cast<std::uint32_t>(rx), 14);
    }
    c.FillRoundRect(x - 1, y, w + 2, h + 1, 10, pal::Ink);
    c.FillRoundRect(x, y, w, h, 10, pal::Wood2);
    c.FillRect(x + 6, y + h - 12, w - 12, 8, pal::Wood1);
    for (int gy = y + 12; gy < y + h - 12; gy += 7) c.FillRect(x + 20 + (gy * 13) % 40, gy, w - 90, 1, pal::Wood1);
    c.FillEllipse(x + w / 3, y + h / 2, 8, 5, pal::Wood0);
    c.FillEllipse(x + w / 3, y + h / 2, 4, 2, pal::Wood1);
    LitTop(c, x + 2, y, w - 4, pal::Bone, pal::Wood3, pal::Wood2);
}

// The high ground: a layered cliff of rock, sand and buried wreck, grass on
// top and the remains of a ship behind its edge. The layers wander a little,
// column by column, so they read as rock rather than stripes.
void Cliff(Canvas& c, int x, int y, int w, int h, int ground) {
    const Rgba strata[] = {pal::Sand0, Mix(pal::Sand0, pal::Stone0, 0.5f), pal::Stone0, Mix(pal::Wood1, pal::Stone0, 0.4f),
                           Mix(pal::Stone0, pal::Night0, 0.3f)};
    constexpr int kColumn = 16, kLayers = 12;
    paint::Rng rng(4212u);
    int offsets[kLayers] = {};
    for (int cx = x; cx < x + w; cx += kColumn) {
        int top = y + 10;
        for (int i = 0; i < kLayers && top < y + h; ++i) {
            offsets[i] = std::clamp(offsets[i] + rng.Range(-2, 2), -14, 14);
            const int band = 50 + (i * 37) % 60 + offsets[i];
            const Rgba tone = strata[i % 5];
            c.FillRect(cx, top, kColumn, band, tone);
            c.FillRect(cx, top, kColumn, 2, Mix(tone, pal::Sand2, 0.3f));
            if (rng.Range(0, 6) == 0) c.FillRect(cx + 2, top + band / 2, rng.Range(6, 14), 3, Shade(tone, 0.7f));
            top += band;
        }
        c.FillRect(cx, top, kColumn, y + h - top, strata[4]);
    }
    // Ribs and planks of an old wreck buried in the layers.
    for (int bx = x + 900; bx < x + w - 600; bx += rng.Range(900, 1500)) {
        const int by = y + rng.Range(180, 420);
        Planks(c, bx, by, rng.Range(160, 320), 26, kDriftwood, static_cast<std::uint32_t>(bx));
        for (int k = 0; k < 4; ++k) c.Line(bx + 30 + k * 50, by + 26, bx + 10 + k * 56, by + 140, pal::Wood0, 8);
    }
    c.FillRect(x + 2, y, 26, h, pal::Stone1);  // the face lit from the left
    c.FillRect(x + 2, y, 4, h, pal::Stone2);
    Barnacles(c, x + 4, ground - 110, w - 8, 90, 77u, 18);  // where the tide reaches
    InkSides(c, x, y, w, h);
    GrassFringe(c, x, y, w, 91u);
}

// Wreck debris standing on the cliff top, behind the path, in shadow tones.
void CliffDebris(Canvas& c, int x, int top, int w, int doorX) {
    const Tones shade{pal::Wood0, Mix(pal::Wood0, pal::Wood1, 0.5f), pal::Wood1};
    for (int bx = x + 300; bx < x + w - 300; bx += 850) {
        if (std::abs(bx - doorX) < 500) continue;
        switch ((bx / 850) % 3) {
        case 0:  // a broken mast with a torn sail
            c.FillRect(bx, top - 360, 18, 360, shade.mid);
            c.FillRect(bx - 90, top - 300, 200, 8, shade.mid);
            {
                const paint::Point sail[] = {{bx - 80, top - 292}, {bx + 100, top - 292}, {bx + 60, top - 150}, {bx - 20, top - 190}};
                c.FillPolygon(sail, Mix(pal::Sand0, pal::Night1, 0.4f));
            }
            break;
        case 1:  // ribs of a small boat
            for (int k = 0; k < 6; ++k) c.Line(bx + k * 30, top, bx + k * 30 - 20 + k * 4, top - 90 + std::abs(k - 3) * 14, shade.dark, 7);
            c.FillRect(bx - 10, top - 16, 180, 16, shade.mid);
            break;
        default:
            Crate(c, bx, top - 48, 48, shade);
            Barrel(c, bx + 60, top - 40, 28, 40, shade);
            break;
        }
    }
}

// The beach at low tide: the sea at the left where the player washes up,
// tide pools, kelp, driftwood; the glowing spot under the substance.
void TutorialShore(Canvas& c, int y0) {
    const Frame f{0, y0, {false, 0}};
    Backdrop(c, f, 19u);
    const int ground = kFloorTop - y0;
    SandShore(c, ground, 19u);
    c.FillRect(0, ground, 620, 18, pal::Sea1);  // the last wave on the sand
    c.FillRect(0, ground, 620, 2, pal::Foam);
    c.DitherRect(0, ground + 18, 700, 16, pal::Sea1, 6);
    for (int x = 700; x < 3700; x += 610) {
        for (int k = 0; k < 3; ++k) Kelp(c, x + k * 10, ground + 2, 40 + 17 * k, 10 - k * 10, pal::Kelp0, pal::Kelp1);
        Planks(c, x + 200, ground - 14, 130, 14, kDriftwood, static_cast<std::uint32_t>(x));
    }
    // The substance's nook: a pool of glowing water ringed by pebbles.
    const int substance = SubstanceMiddleX();
    c.FillEllipse(substance, ground + 24, 150, 20, pal::Sea2.WithAlpha(120));
    TidePool(c, substance, ground + 24, 110, 14);
    for (int k = -5; k <= 5; ++k) c.FillEllipse(substance + k * 24, ground + 8 + std::abs(k) * 3, 7, 4, pal::Stone1);
}

void PaintTutorial(Canvas& c) {
    const Pattern* p = FindPattern(kPatternTutorial);
    const int y0 = static_cast<int>(p->background.y);
    TutorialShore(c, y0);
    const int ground = kFloorTop - y0;
    for (const PatternElement& e : p->elements) {
        if (!e.collides) continue;
        const int x = static_cast<int>(e.hitbox.left), y = static_cast<int>(e.hitbox.top) - y0;
        const int w = static_cast<int>(e.hitbox.width), h = static_cast<int>(e.hitbox.height);
        if (e.type != OBS_WALL) {
            DriftPlank(c, x, y, w, h, ground);
        } else if (h > 500) {
            const int doorMiddle = static_cast<int>(kTutorialDoorX) + FindAsset(kDoorSheet)->cellWidth / 2;
            CliffDebris(c, x, y, w, doorMiddle);
            Cliff(c, x, y, w, std::max(h, c.Height() - y), ground);
        } else {
            Rock(c, x, y, w, std::max(h, ground + 20 - y), static_cast<std::uint32_t>(x));
        }
    }
}

// ---- The end of a run ---------------------------------------------------------------

void PaintEnd(Canvas& c) {
    const Pattern* p = FindPattern(kPatternEnd);
    const Frame f{0, static_cast<int>(p->background.y), {false, 0}};
    Backdrop(c, f, 17u);
    const int ground = kFloorTop - f.y0, floorX = kEndPatternOverlap;
    SandShore(c, ground, 17u);
    // Lantern posts line the way to the statue, the chest and the doors.
    for (int x = floorX + 260; x < floorX + 1800; x += 520) {
        Post(c, x, ground - 150, ground, kDriftwood);
        c.FillRect(x - 4, ground - 154, 36, 6, pal::Wood0);
        Lantern(c, x + 20, ground - 142, true);
    }
    // A stone dais under the doors and the chest, flush with the floor.
    const int daisX = floorX + 2500;
    c.FillRect(daisX, ground, c.Width() - daisX, 60, pal::Stone1);
    for (int jx = daisX + 40; jx < c.Width(); jx += 90) c.FillRect(jx, ground + 6, 2, 54, pal::Stone0);
    c.FillRect(daisX, ground + 58, c.Width() - daisX, 2, pal::Ink);
    LitTop(c, daisX, ground, c.Width() - daisX, pal::Bone, pal::Stone2, pal::Stone1);
    for (int k = 0; k < 4; ++k) Kelp(c, daisX - 40 + k * 9, ground + 2, 50 + k * 9, -8, pal::Kelp0, pal::Kelp1);
}

// ---- The boss's galley -------------------------------------------------------------

// Where the boss's boiling cauldron shows through (it is drawn behind the
// galley, at (0, -200) scaled ×3): the hull is torn open there.
constexpr int kOpeningLeft = 250, kOpeningRight = 1500, kOpeningTop = 150;

// A cooking pot hanging on a chain from the ceiling beam.
void HangingPot(Canvas& c, int x, int chain, int r) {
    for (int y = 110; y < 110 + chain; y += 8) c.FillRect(x - 1, y, 3, 5, pal::Stone0);
    const int cy = 110 + chain + r;
    c.FillRect(x - r - 4, cy - r + 2, 2 * r + 8, 5, pal::Stone1);
    c.FillEllipse(x, cy, r + 1, r * 3 / 4 + 1, pal::Ink);
    c.FillEllipse(x, cy, r, r * 3 / 4, pal::Stone0);
    c.FillEllipse(x - r / 3, cy - r / 4, r / 3, r / 4, pal::Stone1);
    c.FillRect(x - r / 2, cy - r / 3, 4, 3, pal::Stone2);
}

void GalleyWalls(Canvas& c) {
    const int floorY = kFloorTop;
    Planks(c, 0, 0, c.Width(), floorY, kDriftwood, 40u);
    // The hull torn open behind the cauldron: splintered plank ends.
    paint::Rng rng(18u);
    for (int x = kOpeningLeft; x < kOpeningRight; x += 24) {
        const int top = kOpeningTop + rng.Range(0, 40), bottom = floorY - 20 - rng.Range(0, 50);
        c.FillRect(x, top, 24, bottom - top, pal::Clear);
        c.FillRect(x, top - 3, 24, 3, pal::Ink);
        c.FillRect(x, bottom, 24, 3, pal::Ink);
    }
    for (int x = 0; x < c.Width(); x += 240) {  // ribs
        if (x > kOpeningLeft - 20 && x < kOpeningRight) continue;
        c.FillRect(x, 0, 30, floorY, pal::Wood0);
        c.FillRect(x + 4, 0, 6, floorY, pal::Wood1);
    }
    // Shelves of jars on the right, beside the stove.
    for (int y = 300; y < 620; y += 140) {
        Planks(c, 1580, y, 300, 16, kPaleWood, static_cast<std::uint32_t>(y));
        for (int jx = 1600; jx < 1860; jx += 52) {
            c.FillRoundRect(jx - 1, y - 41, 32, 41, 6, pal::Ink);
            c.FillRoundRect(jx, y - 40, 30, 40, 6, jx % 3 ? pal::Sea1 : pal::Coral);
            c.FillRect(jx + 5, y - 34, 5, 24, pal::Foam);
            c.FillRect(jx + 6, y - 46, 18, 6, pal::Wood1);
            c.StrokeRect(jx + 5, y - 47, 20, 8, pal::Ink);
        }
    }
}

void GalleyCeiling(Canvas& c) {
    Planks(c, 0, 0, c.Width(), 100, kDriftwood, 44u);
    c.FillRect(0, 100, c.Width(), 12, pal::Wood0);
    c.FillRect(0, 112, c.Width(), 2, pal::Ink);
    const int pots[][3] = {{120, 140, 34}, {380, 60, 28}, {1180, 90, 40}, {1420, 40, 26}, {1700, 120, 36}};
    for (const auto& p : pots) HangingPot(c, p[0], p[1], p[2]);
    for (int x = 560; x < 1000; x += 38)  // strings of onions
        for (int k = 0; k < 4; ++k) {
            c.FillCircle(x + (k % 2) * 4, 130 + k * 16, 7, k % 2 ? pal::Sand2 : pal::Sand1);
            c.Set(x + (k % 2) * 4 - 3, 126 + k * 16, pal::Bone);
        }
}

// The deck underfoot and the fire pit the cauldron sits over.
void GalleyFloor(Canvas& c) {
    const int floorY = kFloorTop, pitX = 876;
    Planks(c, 0, floorY, c.Width(), c.Height() - floorY, kDriftwood, 41u);
    c.FillEllipse(pitX, floorY + 50, 340, 44, pal::Stone0);
    c.FillEllipse(pitX, floorY + 46, 300, 32, pal::Rust0);
    c.FillEllipse(pitX, floorY + 42, 220, 20, pal::Rust1);
    c.FillEllipse(pitX, floorY + 40, 120, 10, pal::Lantern0);
    for (int x = pitX - 300; x < pitX + 300; x += 40) {  // the pit's stone ring
        c.FillRoundRect(x, floorY + 78 - std::abs(x - pitX) / 12, 36, 22, 6, pal::Stone1);
        c.FillRect(x + 3, floorY + 79 - std::abs(x - pitX) / 12, 14, 3, pal::Stone2);
        c.StrokeRect(x, floorY + 78 - std::abs(x - pitX) / 12, 36, 22, pal::Ink);
    }
    LitTop(c, 0, floorY, c.Width(), pal::Bone, pal::Wood3, pal::Wood2);
}

void PaintBoss(Canvas& c) {
    GalleyWalls(c);
    GalleyCeiling(c);
    GalleyFloor(c);
    Barrel(c, 40, kFloorTop - 90, 60, 90, kPaleWood);
    Barrel(c, 1500, kFloorTop - 70, 46, 70, kPaleWood);
    Crate(c, 1560, kFloorTop - 64, 64, kPaleWood);
}

// ---- Registration -----------------------------------------------------------------

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
    const ObstacleKind* end = FindObstacleKind(OBS_BACKGROUND_END);
    r.Add(end->pictures[0], [](Canvas& c, const AssetEntry&) { PaintEnd(c); });
    r.Add(end->front, [](Canvas& c, const AssetEntry&) {
        PaintFront(c, static_cast<int>(FindPattern(kPatternEnd)->background.y), 99u, false);
    });
    const ObstacleKind* tutorial = FindObstacleKind(OBS_BACKGROUND_TUTORIAL);
    r.Add(tutorial->pictures[0], [](Canvas& c, const AssetEntry&) { PaintTutorial(c); });
    r.Add(tutorial->front, [](Canvas& c, const AssetEntry&) {
        PaintFront(c, static_cast<int>(FindPattern(kPatternTutorial)->background.y), 77u, false);
    });
    r.Add(FindObstacleKind(OBS_BACKGROUND_BOSS)->pictures[0], [](Canvas& c, const AssetEntry&) { PaintBoss(c); });
}

}  // namespace

void RegisterWorldArt(PainterRegistry& registry) {
    RegisterPatterns(registry);
    RegisterWorldPropArt(registry);
    RegisterWorldSkyArt(registry);
}
