// The hub's map, its details and its foreground rock: a sheltered sea cave
// with a beached wreck in it. The wreck's deck is the long floor; under it
// lies the workshop (the laboratory, the vat, the training dummy) on the
// sand; above it the bar, two ledges and the upper floor with the dress room
// climb to the cave's roof; a wide mouth at the back shows the sunset sea,
// and the way out opens at the deck's right end.
//
// Every number comes from the hub table: each wall's top is painted with a
// lit rim exactly on its top row, and the laboratory's window is left clear
// where its animation shows through from behind the map.
#include <algorithm>
#include <cmath>
#include <vector>

#include "art_hub_kit.hpp"

namespace hub_art {
namespace {

// Map rows from world y: the map's top-left is (0, kHubTop).
int MY(float worldY) { return Px(worldY - kHubMapAt.y); }
// The details picture hangs a little higher than the map.
int DY(float worldY) { return Px(worldY - kHubDetailsAt.y); }

const HubRect& Wall(int i) { return kHubWalls[static_cast<std::size_t>(i)]; }
constexpr int kDeck = 0, kLeftBlock = 1, kSternPost = 2, kBarRoof = 3, kHangingLedge = 4, kShelf = 5,
              kUpperFloor = 6, kRoof = 8;

// The laboratory's window in the hull, where the animation behind the map
// shows: the decor's rectangle less the timber frame around it.
constexpr int kWindowFrame = 15;
HubRect LabWindow() {
    const HubDecorInfo& lab = kHubDecor[HUB_DECOR_LABORATORY];
    const HubPoint cell = HubDecorFrameSize(lab);
    return {lab.at.x + kWindowFrame, lab.at.y + kWindowFrame, cell.x * lab.scale - 2 * kWindowFrame,
            cell.y * lab.scale - 2 * kWindowFrame};
}

// ---- Tones ---------------------------------------------------------------------

constexpr Tones kCaveFar{{30, 24, 46, 255}, {44, 38, 64, 255}, {62, 58, 86, 255}};
constexpr Tones kCaveNear{{36, 30, 50, 255}, {58, 54, 74, 255}, {92, 90, 108, 255}};
constexpr Tones kHoldWood{{40, 28, 32, 255}, {62, 44, 42, 255}, {88, 64, 52, 255}};
constexpr Tones kRockFront{{16, 12, 22, 255}, {30, 24, 40, 255}, {54, 48, 70, 255}};

// ---- Rock ----------------------------------------------------------------------

// Rock of broken faces: overlapping stones of five to seven sides, packed
// row by row (the lower ones in front), each face lit along its edges that
// face up and left and shaded along the others, split by a ridge.
void FacetRock(Canvas& c, int x, int y, int w, int h, Tones t, std::uint32_t seed, int size = 60) {
    paint::Rng rng(seed);
    c.FillRect(x, y, w, h, t.dark);
    const Rgba low = Mix(t.mid, t.dark, 0.4f), ridge = Mix(t.mid, t.light, 0.45f);
    for (int row = 0, cy = y - size / 2; cy < y + h + size; ++row, cy += size * 3 / 4) {
        for (int cx = x - size + rng.Range(0, size / 2); cx < x + w + size; cx += size * 3 / 4 + rng.Range(0, size / 2)) {
            const int sides = rng.Range(5, 7);
            const int px = cx + rng.Range(-size / 5, size / 5), py = cy + rng.Range(-size / 6, size / 6);
            std::vector<Point> pts;
            const double turn = rng.Unit() * 6.283;
            for (int k = 0; k < sides; ++k) {
                const double a = turn + 6.283 * (k + 0.3 * rng.Unit()) / sides;
                const double r = size * (0.45 + 0.3 * rng.Unit());
                pts.push_back({px + static_cast<int>(std::cos(a) * r * 1.3), py + static_cast<int>(std::sin(a) * r * 0.8)});
            }
            const Rgba body = rng.Range(0, 3) == 0 ? low : t.mid;
            c.FillPolygon(pts, body);
            // Lower half in shadow, a ridge from the top vertex down.
            std::size_t topI = 0;
            for (std::size_t k = 1; k < pts.size(); ++k) if (pts[k].y < pts[topI].y) topI = k;
            c.DitherRect(px - size, py + size / 6, 2 * size, size, t.dark, 0);
            for (std::size_t k = 0; k < pts.size(); ++k) {
                const Point a = pts[k], b = pts[(k + 1) % pts.size()];
                // The polygon winds clockwise on screen: its outward normal is (dy, -dx).
                const int nx = b.y - a.y, ny = -(b.x - a.x);
                const bool lit = ny < 0 || (nx < 0 && ny <= std::abs(nx) / 2);
                c.Line(a.x, a.y, b.x, b.y, lit ? t.light : t.dark, 2);
            }
            c.Line(pts[topI].x, pts[topI].y + 2, px + rng.Range(-4, 4), py + size / 4, ridge);
        }
    }
}

// Copies src onto c (both the same size) where mask is opaque.
void CopyMasked(Canvas& c, const Canvas& src, const Canvas& mask, int x0, int y0) {
    for (int y = 0; y < mask.Height(); ++y)
        for (int x = 0; x < mask.Width(); ++x)
            if (mask.Get(x, y).a != 0) c.Set(x0 + x, y0 + y, src.Get(x, y));
}

// A mass of rock filling a polygon (canvas coordinates), its edge facing up
// and left lit, the rest of its edge dark.
void RockMass(Canvas& c, std::span<const Point> outline, Tones t, std::uint32_t seed, int size = 70, Rgba rim = pal::Clear) {
    int x0 = outline[0].x, x1 = x0, y0 = outline[0].y, y1 = y0;
    for (const Point& p : outline) {
        x0 = std::min(x0, p.x), x1 = std::max(x1, p.x);
        y0 = std::min(y0, p.y), y1 = std::max(y1, p.y);
    }
    const int w = x1 - x0 + 1, h = y1 - y0 + 1;
    std::vector<Point> local(outline.begin(), outline.end());
    for (Point& p : local) p.x -= x0, p.y -= y0;
    Canvas mask(w, h);
    mask.FillPolygon(local, pal::White);
    Canvas texture(w, h);
    FacetRock(texture, 0, 0, w, h, t, seed, size);
    CopyMasked(c, texture, mask, x0, y0);
    // The rim: light where the rock's edge faces up, dark elsewhere.
    const Rgba top = rim.a ? rim : t.light;
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            if (mask.Get(x, y).a == 0) continue;
            if (mask.Get(x, y - 1).a == 0 || mask.Get(x, y - 2).a == 0) c.Set(x0 + x, y0 + y, top);
            else if (mask.Get(x + 1, y).a == 0 || mask.Get(x - 1, y).a == 0 || mask.Get(x, y + 1).a == 0)
                c.Set(x0 + x, y0 + y, pal::Ink);
        }
}

// A jagged edge: points along a line from a to b, pushed out by up to
// `jag` pixels to one side (positive pushes down, or right for a vertical
// edge).
void Jagged(std::vector<Point>& out, Point a, Point b, int jag, int step, paint::Rng& rng, bool vertical = false) {
    const int len = std::max(std::abs(b.x - a.x), std::abs(b.y - a.y));
    const int n = std::max(1, len / step);
    for (int i = 0; i <= n; ++i) {
        const int d = (i == 0 || i == n) ? 0 : rng.Range(0, jag);
        Point p{a.x + (b.x - a.x) * i / n, a.y + (b.y - a.y) * i / n};
        if (vertical) p.x += d;
        else p.y += d;
        out.push_back(p);
    }
}

// ---- The sea seen from the cave ----------------------------------------------------

// The sunset over the sea, in the rectangle: sky bands down to the horizon
// row, the sun sinking into it, far sea stacks and a wreck, the sea below.
void SeaView(Canvas& c, int x, int y, int w, int h, int horizon, int sunX, std::uint32_t seed) {
    const Rgba sky[] = {pal::Night1, pal::Night2, Rgba{168, 100, 140, 255}, Rgba{214, 124, 120, 255},
                        pal::CoralLight, Rgba{250, 198, 140, 255}};
    c.GradientRect(x, y, w, horizon - y, sky);
    paint::Rng rng(seed);
    for (int i = 0; i < w / 40; ++i) c.Set(x + rng.Range(0, w), y + rng.Range(0, (horizon - y) / 3), pal::Bone);
    // Long clouds lit from below.
    for (int i = 0; i < w / 260; ++i) {
        const int cx = x + rng.Range(0, w), cy = y + rng.Range((horizon - y) / 3, (horizon - y) * 5 / 6);
        const int cw = rng.Range(80, 260);
        c.FillEllipse(cx, cy, cw, 6, Rgba{150, 92, 132, 255});
        c.FillEllipse(cx + 12, cy + 4, cw - 24, 3, pal::CoralLight);
    }
    c.FillCircle(sunX, horizon, 90, Rgba{252, 210, 150, 255});
    c.FillCircle(sunX - 8, horizon - 10, 70, Rgba{254, 240, 190, 255});
    for (int k = 0, yy = horizon - 36; yy < horizon; ++k, yy += 10) c.FillRect(sunX - 92, yy, 184, 2 + k / 2, Rgba{248, 176, 128, 255});
    // Far stacks and a hull on the horizon, in the haze.
    const Rgba haze = Rgba{120, 84, 120, 255}, hazeDark = Rgba{96, 66, 104, 255};
    for (int sx = x + rng.Range(40, 200); sx < x + w - 60; sx += rng.Range(260, 520)) {
        const int sw = rng.Range(30, 70), sh = rng.Range(60, 170);
        const Point stack[] = {{sx, horizon}, {sx + sw / 5, horizon - sh}, {sx + sw * 4 / 5, horizon - sh + 12}, {sx + sw, horizon}};
        c.FillPolygon(stack, hazeDark);
        c.FillRect(sx + sw / 5, horizon - sh, 3, sh, haze);
    }
    const int hx = x + w * 2 / 3 + rng.Range(-60, 60);
    const Point hull[] = {{hx, horizon}, {hx + 20, horizon - 34}, {hx + 150, horizon - 28}, {hx + 170, horizon}};
    c.FillPolygon(hull, hazeDark);
    c.Line(hx + 80, horizon - 30, hx + 60, horizon - 140, hazeDark, 4);
    c.Line(hx + 20, horizon - 110, hx + 110, horizon - 118, hazeDark, 3);
    // The sea: bands darkening towards us, a road of light under the sun.
    const Rgba sea[] = {pal::Sea1, pal::Sea0, pal::Deep1, pal::Deep0};
    c.GradientRect(x, horizon, w, y + h - horizon, sea);
    for (int yy = horizon + 3; yy < y + h; yy += 5) {
        const int spread = 30 + (yy - horizon);
        for (int i = 0; i < 3; ++i)
            c.FillRect(sunX + rng.Range(-spread, spread), yy, rng.Range(6, 30), 2, (yy - horizon) < 90 ? pal::Lantern1 : pal::Sea2);
        c.FillRect(x + rng.Range(0, w), yy, rng.Range(10, 50), 1, pal::Sea2);
    }
}

// The back wall's mouth onto the sea: an irregular arch whose inner rock
// edge catches the sunset.
void CaveMouth(Canvas& c) {
    const int left = 1380, right = 3430, top = MY(-1060), bottom = MY(260);
    paint::Rng rng(71);
    // The arch: a rounded top, the sides steep and broken.
    std::vector<Point> hole;
    const int steps = 36;
    for (int i = 0; i <= steps; ++i) {
        const double a = 3.14159265 * i / steps;
        const int rx = (right - left) / 2, ry = bottom - top;
        hole.push_back({left + rx - static_cast<int>(std::cos(a) * rx) + rng.Range(-30, 30),
                        bottom - static_cast<int>(std::sin(a) * ry * (0.85 + 0.15 * std::sin(a * 3))) + rng.Range(-24, 24)});
    }
    const int w = right - left + 80, h = bottom - top + 80, x0 = left - 40, y0 = top - 40;
    Canvas view(w, h);
    SeaView(view, 0, 0, w, h, MY(-140) - y0, 2760 - x0, 73);
    Canvas mask(w, h);
    std::vector<Point> local = hole;
    for (Point& p : local) p.x -= x0, p.y -= y0;
    mask.FillPolygon(local, pal::White);
    CopyMasked(c, view, mask, x0, y0);
    // The sunset's rim light on the rock around the mouth, thicker low down.
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            if (mask.Get(x, y).a != 0) continue;
            bool near = false;
            for (int d = 1; d <= 5 && !near; ++d)
                near = mask.Get(x + d, y).a || mask.Get(x - d, y).a || mask.Get(x, y + d).a || mask.Get(x, y - d).a;
            if (near) c.Set(x0 + x, y0 + y, (x + y) % 7 == 0 ? pal::Ink : Rgba{120, 76, 96, 255});
        }
}

// ---- Timber -----------------------------------------------------------------

// A beam with bolts, lit on top.
void Beam(Canvas& c, int x, int y, int w, int h, Tones t, bool bolts = true) {
    c.FillRect(x, y, w, h, t.mid);
    c.FillRect(x, y, w, 3, t.light);
    c.FillRect(x, y + h - 4, w, 4, t.dark);
    c.StrokeRect(x, y, w, h, pal::Ink, 2);
    if (!bolts) return;
    for (int bx = x + 20; bx < x + w - 10; bx += 90) {
        c.FillRect(bx, y + h / 2 - 3, 6, 6, pal::Stone0);
        c.FillRect(bx, y + h / 2 - 3, 3, 3, pal::Stone2);
    }
}

// An upright timber with a lit left edge and iron bands.
void Upright(Canvas& c, int x, int y, int w, int h, Tones t) {
    c.FillRect(x, y, w, h, t.mid);
    c.FillRect(x, y, std::max(2, w / 6), h, t.light);
    c.FillRect(x + w - std::max(3, w / 5), y, std::max(3, w / 5), h, t.dark);
    for (int yy = y + 30; yy < y + h - 20; yy += 37) c.FillRect(x + w / 3, yy, 1, 12, t.dark);
    c.StrokeRect(x - 1, y, w + 2, h, pal::Ink, 2);
}

void IronBand(Canvas& c, int x, int y, int w) {
    c.FillRect(x, y, w, 8, pal::Stone0);
    c.FillRect(x, y, w, 2, pal::Stone1);
    c.StrokeRect(x, y, w, 8, pal::Ink);
    for (int bx = x + 6; bx < x + w - 4; bx += 22) c.FillRect(bx, y + 3, 2, 2, pal::Stone2);
}

// A walkable timber floor: lit rim on the wall's top row, planks, a beam.
void TimberFloor(Canvas& c, const HubRect& wall, int plankDepth, Tones t, std::uint32_t seed) {
    const int x = Px(wall.left), y = MY(wall.top), w = std::min(c.Width(), Px(wall.Right())) - x, h = Px(wall.height);
    Planks(c, x, y, w, plankDepth, t, seed);
    Beam(c, x, y + plankDepth, w, h - plankDepth, kDriftwood);
    LitTop(c, x, y, w, pal::Bone, t.light, t.dark);
}

// ---- Pieces of the map --------------------------------------------------------

// The wreck's hold, open towards us: dark planks, ribs, a net and rope.
void Hold(Canvas& c) {
    const HubRect& deck = Wall(kDeck);
    const int x = Px(deck.left), y = MY(deck.Bottom()), w = c.Width() - x, h = MY(kHubGroundY) - y + 40;
    Planks(c, x, y, w, h, kHoldWood, 91);
    // Ribs every few metres, and the hull's cut edge on the left.
    for (int rx = x + 140; rx < x + w; rx += 300) Upright(c, rx, y, 26, h, kHoldWood);
    Upright(c, x, y, 22, h, kDriftwood);
    // A fishing net hung along the back between two ribs.
    for (int nx = 2460; nx < 2700; nx += 16) c.Line(nx, y + 20, nx + 40, y + 180, Mix(pal::Sand0, kHoldWood.mid, 0.4f));
    for (int ny = y + 20; ny < y + 180; ny += 16) c.Line(2460, ny, 2740, ny + 6, Mix(pal::Sand0, kHoldWood.mid, 0.4f));
    // Beyond the stern post the hold is stacked with cargo in the dark.
    for (int cx = Px(Wall(kSternPost).Right()) + 20; cx < c.Width(); cx += 96) {
        Crate(c, cx, MY(kHubGroundY) - 86, 84, kHoldWood);
        Crate(c, cx + 30, MY(kHubGroundY) - 170, 80, kHoldWood);
    }
}

// The laboratory's window: a timber frame around a clear opening (the
// animation behind the map shows there) and a sill below it.
void LabWindowFrame(Canvas& c) {
    const HubRect win = LabWindow();
    const int x = Px(win.left), y = MY(win.top), w = Px(win.width), h = Px(win.height);
    Upright(c, x - kWindowFrame - 4, y - kWindowFrame, kWindowFrame + 4, h + 2 * kWindowFrame, kDriftwood);
    Upright(c, x + w, y - kWindowFrame, kWindowFrame + 4, h + 2 * kWindowFrame, kDriftwood);
    Beam(c, x - kWindowFrame - 10, y - kWindowFrame - 6, w + 2 * kWindowFrame + 20, kWindowFrame + 6, kPaleWood, false);
    Beam(c, x - kWindowFrame - 10, y + h, w + 2 * kWindowFrame + 20, 14, kPaleWood, false);
    c.FillRect(x, y, w, h, pal::Clear);
}

// The workshop's sand floor, the shaft's floor and beyond.
void Sand(Canvas& c) {
    const int y = MY(kHubGroundY), w = c.Width(), h = c.Height() - y;
    paint::Rng rng(17);
    c.FillRect(0, y, w, h, pal::Sand1);
    LitTop(c, 0, y, w, pal::Bone, pal::Sand2, pal::Sand1);
    c.FillRect(0, y + 6, w, 10, pal::Sand2);
    c.DitherRect(0, y + 14, w, 6, pal::Sand1, 8);
    c.FillRect(0, y + 60, w, h - 60, Mix(pal::Sand1, pal::Sand0, 0.5f));
    c.DitherRect(0, y + 52, w, 8, Mix(pal::Sand1, pal::Sand0, 0.5f), 8);
    c.FillRect(0, y + 170, w, h - 170, pal::Sand0);
    c.DitherRect(0, y + 160, w, 10, pal::Sand0, 8);
    for (int px : {380, 2400}) TidePool(c, px, y + 120, 90, 12);
    for (int i = 0; i < w / 30; ++i) {
        const int px = rng.Range(0, w), py = y + rng.Range(22, h - 6);
        c.FillRect(px, py, rng.Range(2, 5), 2, i % 4 ? pal::Sand0 : pal::Bone);
        if (i % 9 == 0) c.FillRect(px + 1, py - 1, 3, 1, pal::CoralLight);
    }
}

// The left block: old quay stones, barnacled, moss on the top.
void LeftBlock(Canvas& c) {
    const HubRect& wall = Wall(kLeftBlock);
    const int x = Px(wall.left), y = MY(wall.top), w = Px(wall.width), h = Px(wall.height);
    Bricks(c, x, y, w, h, kStone, 23);
    Barnacles(c, x + 4, y + h - 140, w - 8, 120, 29, 18);
    for (int kx = x + 20; kx < x + w; kx += 50) Kelp(c, kx, y + h, 60 + (kx % 40), 6, pal::Kelp0, pal::Kelp1);
    GrassFringe(c, x, y, w, 31);
    LitTop(c, x, y, w, Mix(pal::Kelp2, pal::Bone, 0.5f), pal::Kelp2, pal::Kelp1);
}

// The deck: planks, a heavy wale with bolts, joists underneath; a grate
// over the vat lets its light up; the broken end hangs over the shaft.
void Deck(Canvas& c) {
    const HubRect& wall = Wall(kDeck);
    const int x = Px(wall.left), y = MY(wall.top), w = c.Width() - x, h = Px(wall.height);
    Planks(c, x, y, w, 40, kPaleWood, 41);
    Beam(c, x, y + 40, w, 70, kDriftwood);
    // The joists' ends under the planking.
    c.FillRect(x, y + 110, w, h - 110, kHoldWood.dark);
    for (int jx = x + 10; jx < x + w; jx += 60) {
        c.FillRect(jx, y + 114, 30, h - 122, kHoldWood.mid);
        c.FillRect(jx, y + 114, 30, 3, kHoldWood.light);
        c.StrokeRect(jx, y + 114, 30, h - 122, pal::Ink);
    }
    c.FillRect(x, y + h - 6, w, 6, pal::Ink);
    // The grate above the vat.
    const HubRect& vat = kCardSelectorZone;
    const int gx = Px(vat.left), gw = Px(vat.width);
    c.FillRect(gx, y + 6, gw, h - 12, pal::Night0);
    for (int bx = gx + 6; bx < gx + gw - 4; bx += 16) {
        c.FillRect(bx, y + 6, 5, h - 12, pal::Stone0);
        c.FillRect(bx, y + 6, 1, h - 12, pal::Stone1);
    }
    c.StrokeRect(gx - 2, y, gw + 4, h, pal::Ink, 3);
    // The end post over the shaft, and its lit top.
    Upright(c, x, y, 20, h + 30, kDriftwood);
    LitTop(c, x, y, w, pal::Bone, pal::Wood3, pal::Wood1);
}

// The stern post: a great timber bound in iron, from the deck into the sand.
void SternPost(Canvas& c) {
    const HubRect& wall = Wall(kSternPost);
    // Below the sand it is buried: it is painted down to the sand's top.
    const int x = Px(wall.left), y = MY(Wall(kDeck).Bottom()), w = Px(wall.width), bottom = MY(kHubGroundY) + 8;
    Upright(c, x, y, w, bottom - y, kDriftwood);
    for (int by = y + 40; by < bottom - 60; by += 110) IronBand(c, x - 4, by, w + 8);
    Barnacles(c, x + 6, MY(kHubGroundY) - 70, w - 12, 60, 43, 16);
    // Sand heaped against its foot.
    c.FillEllipse(x + w / 2, MY(kHubGroundY) + 10, w / 2 + 40, 14, pal::Sand1);
    c.FillRect(x - 40, MY(kHubGroundY) + 10, w + 80, 6, pal::Sand1);
}

// The bar's roof: planks and a sailcloth edge; the bar itself is its decor.
void BarRoof(Canvas& c) {
    const HubRect& wall = Wall(kBarRoof);
    const int x = Px(wall.left), y = MY(wall.top), w = Px(wall.width), h = Px(wall.height);
    Planks(c, x, y, w, 36, kPaleWood, 53);
    // Shingles of old hull planking, overlapping.
    for (int row = 0, sy = y + 36; sy < y + h; ++row, sy += 16)
        for (int sx = x - (row % 2) * 30; sx < x + w; sx += 60) {
            const int l = std::max(x, sx), r = std::min(x + w, sx + 58);
            if (r > l) Block(c, l, sy, r - l, 18, row % 2 ? kDriftwood : kPaleWood);
        }
    c.StrokeRect(x, y, w, h, pal::Ink, 2);
    LitTop(c, x, y, w, pal::Bone, pal::Wood3, pal::Wood1);
}

// The hanging ledge: a platform on ropes from the upper floor and the roof.
void HangingLedge(Canvas& c) {
    const HubRect& wall = Wall(kHangingLedge);
    const HubRect& upper = Wall(kUpperFloor);
    const int x = Px(wall.left), y = MY(wall.top), w = Px(wall.width), h = Px(wall.height);
    const int ropeL = x + 30, ropeR = x + w - 36;
    RopeDown(c, ropeL, ropeL < upper.Right() ? MY(upper.Bottom()) : MY(Wall(kRoof).Bottom()), y + 20, 6);
    RopeDown(c, ropeR, ropeR < upper.Right() ? MY(upper.Bottom()) : MY(Wall(kRoof).Bottom()), y + 20, 6);
    Planks(c, x, y, w, 34, kPaleWood, 61);
    // A truss under the planks.
    c.FillRect(x + 10, y + 34, w - 20, 10, kDriftwood.mid);
    c.FillRect(x + 10, y + h - 12, w - 20, 12, kDriftwood.mid);
    c.StrokeRect(x + 10, y + 34, w - 20, 10, pal::Ink);
    c.StrokeRect(x + 10, y + h - 12, w - 20, 12, pal::Ink);
    for (int tx = x + 10; tx + 60 <= x + w - 10; tx += 60) {
        c.Line(tx, y + 44, tx + 60, y + h - 12, kDriftwood.dark, 5);
        c.Line(tx + 60, y + 44, tx, y + h - 12, kDriftwood.mid, 5);
    }
    LitTop(c, x, y, w, pal::Bone, pal::Wood3, pal::Wood1);
}

// The rock shelf over the exit, grown over with kelp.
void Shelf(Canvas& c) {
    const HubRect& wall = Wall(kShelf);
    const int x = Px(wall.left), y = MY(wall.top), r = c.Width(), bottom = MY(wall.Bottom());
    paint::Rng rng(83);
    std::vector<Point> shape{{x, y}, {r, y}, {r, bottom + 40}};
    Jagged(shape, {r, bottom + 40}, {x + 40, bottom}, 30, 40, rng);
    shape.push_back({x, y + 40});
    RockMass(c, shape, kCaveNear, 85, 50);
    for (int kx = x + 60; kx < r - 20; kx += 70) Kelp(c, kx, bottom + 30, 50 + (kx % 30), -8, pal::Kelp0, pal::Kelp1);
    GrassFringe(c, x, y, r - x, 87);
    LitTop(c, x, y, r - x, Mix(pal::Kelp2, pal::Bone, 0.5f), pal::Kelp2, pal::Kelp1);
}

// The upper floor: a long gallery of planks, hung on chains from the roof.
void UpperFloor(Canvas& c) {
    const HubRect& wall = Wall(kUpperFloor);
    const int x = Px(wall.left), y = MY(wall.top), w = Px(wall.width), h = Px(wall.height);
    const int dressRight = Px(kDressRoomAt.x + FindAsset(kDressRoomSheet)->width);
    for (int hx = dressRight + 140; hx < x + w; hx += 620) {
        for (int cy = MY(Wall(kRoof).Bottom()) - 10; cy < y; cy += 12) {  // a chain
            c.StrokeRect(hx, cy, 8, 14, pal::Stone0, 2);
            c.Set(hx + 1, cy + 1, pal::Stone1);
        }
    }
    // Struts from the floor's underside into the left wall.
    c.Line(x, y + h + 150, x + 160, y + h, kDriftwood.dark, 14);
    c.Line(x, y + h + 150, x + 160, y + h, kDriftwood.mid, 6);
    TimberFloor(c, wall, 34, kPaleWood, 67);
    Upright(c, x + w - 24, y, 24, h + 20, kDriftwood);
    LitTop(c, x, y, w, pal::Bone, pal::Wood3, pal::Wood1);
}

// The cave's roof: dark rock with hanging points and drips.
void Roof(Canvas& c) {
    const HubRect& wall = Wall(kRoof);
    const int bottom = MY(wall.Bottom());
    paint::Rng rng(89);
    std::vector<Point> shape{{0, 0}, {c.Width(), 0}};
    std::vector<Point> edge;
    Jagged(edge, {c.Width(), bottom}, {0, bottom}, 26, 24, rng);
    for (std::size_t i = 0; i < edge.size(); ++i) {
        shape.push_back(edge[i]);
        if (i % 5 == 2) shape.push_back({edge[i].x - 12, edge[i].y + rng.Range(40, 90)});  // a point
    }
    RockMass(c, shape, kCaveNear, 91, 60);
}

// The right cave wall down to the shelf.
void RightWall(Canvas& c) {
    paint::Rng rng(97);
    std::vector<Point> shape{{c.Width(), 0}, {c.Width(), MY(Wall(kShelf).top) + 10}};
    Jagged(shape, {3770, MY(Wall(kShelf).top) + 10}, {3740, 0}, 50, 40, rng, true);
    RockMass(c, shape, kCaveNear, 99, 60);
}

// The way out at the deck's right end: daylight between the shelf and the
// deck, and a sign pointing to it.
void ExitMouth(Canvas& c) {
    const int top = MY(Wall(kShelf).Bottom()) + 20, bottom = MY(Wall(kDeck).top);
    const int left = Px(kHubExitZone.left) - 300, w = c.Width() - left;
    Canvas view(w, bottom - top);
    SeaView(view, 0, 0, w, bottom - top, (bottom - top) * 3 / 5, w - 60, 101);
    paint::Rng rng(103);
    std::vector<Point> hole;
    Jagged(hole, {c.Width(), top}, {left + 60, top}, 30, 30, rng);
    Jagged(hole, {left + 60, top}, {left, bottom}, 30, 30, rng, true);
    hole.push_back({c.Width(), bottom});
    Canvas mask(c.Width(), bottom - top);
    for (Point& p : hole) p.y -= top;
    mask.FillPolygon(hole, pal::White);
    for (int y = 0; y < bottom - top; ++y)
        for (int x = left; x < c.Width(); ++x)
            if (mask.Get(x, y).a) c.Set(x, top + y, view.Get(x - left, y));
    // The signpost on the deck.
    const int sx = left - 120, sy = bottom;
    Upright(c, sx, sy - 170, 14, 170, kDriftwood);
    const Point arrow[] = {{sx - 50, sy - 160}, {sx + 150, sy - 160}, {sx + 190, sy - 132}, {sx + 150, sy - 104}, {sx - 50, sy - 104}};
    c.FillPolygon(arrow, pal::Ink);
    const Point inner[] = {{sx - 47, sy - 157}, {sx + 149, sy - 157}, {sx + 185, sy - 132}, {sx + 149, sy - 107}, {sx - 47, sy - 107}};
    c.FillPolygon(inner, pal::Wood2);
    c.FillRect(sx - 46, sy - 156, 194, 4, pal::Wood3);
    paint::DrawText(c, sx - 36, sy - 146, "TO SEA", pal::Bone, 4);
}

// A tied sack of flour or sand, standing on the ground.
void Sack(Canvas& c, int cx, int ground, int w, int h) {
    Canvas s(w + 4, h + 16);
    const int x = 2, y = 14;
    s.FillRoundRect(x, y, w, h, w / 3, pal::Sand1);
    s.FillRoundRect(x + w / 2, y + 6, w / 2 - 2, h - 8, w / 4, pal::Sand0);
    s.FillRect(x + 6, y + 8, 4, h - 20, pal::Sand2);
    s.FillRect(x + w / 2 - 6, y - 12, 12, 14, pal::Sand1);  // the neck
    s.FillRect(x + w / 2 - 8, y - 2, 16, 4, pal::Wood1);    // the tie
    s.FillRect(x + w / 2 - 8, y - 14, 16, 4, pal::Sand2);
    s.Outline(pal::Ink);
    c.Blit(s, cx - w / 2 - 2, ground - h - 16);
}

// Barrels, crates, a weapon rack and a boat between the vat and the dummy.
void WorkshopProps(Canvas& c) {
    const int ground = MY(kHubGroundY);
    Barrel(c, 2210, ground - 96, 64, 96, kPaleWood);
    Barrel(c, 2282, ground - 84, 56, 84, kDriftwood);
    Crate(c, 2350, ground - 80, 78, kPaleWood);
    Crate(c, 2362, ground - 150, 66, kDriftwood);
    // A rack of practice swords and spears against the back.
    const int rx = 2560, ry = ground - 210;
    Beam(c, rx, ry, 230, 16, kDriftwood, false);
    Beam(c, rx, ry + 120, 230, 16, kDriftwood, false);
    for (int i = 0; i < 5; ++i) {
        const int bx = rx + 24 + i * 44;
        c.Line(bx, ry - 40, bx + 4, ground - 20, pal::Stone1, 5);
        c.Line(bx - 1, ry - 40, bx + 3, ground - 20, pal::Stone2, 1);
        c.FillRect(bx - 8, ry + 76, 20, 5, pal::Lantern0);
    }
    Upright(c, rx - 10, ry - 10, 14, ground - ry + 10, kDriftwood);
    Upright(c, rx + 226, ry - 10, 14, ground - ry + 10, kDriftwood);
    // Sacks and a coil of rope at the workshop's left, under the deck.
    for (int i = 0; i < 3; ++i) Sack(c, 700 + i * 62 + (i == 1 ? 8 : 0), ground, 58 + (i % 2) * 10, 64 - i * 6);
    for (int r = 34; r > 8; r -= 6) c.StrokeEllipse(880, ground - 14, r, r / 3, pal::Sand1);
}

// Sea anemones glowing on the cave's walls, in little clusters.
void Anemones(Canvas& c, int x0, int y0, int w, int h, int count, std::uint32_t seed) {
    paint::Rng rng(seed);
    for (int i = 0; i < count; ++i) {
        const int x = x0 + rng.Range(0, w), y = y0 + rng.Range(0, h);
        const Rgba glow = i % 3 ? pal::Sea2 : pal::Pink;
        GlowCircle(c, x, y, 22, glow.WithAlpha(26));
        for (int k = 0; k < 4; ++k) {
            const int ax = x + rng.Range(-12, 12), ay = y + rng.Range(-8, 8);
            c.FillRect(ax - 2, ay, 5, 3, Mix(glow, pal::Ink, 0.5f));
            c.FillRect(ax - 1, ay - 2, 3, 2, glow);
            c.Set(ax, ay - 3, pal::White);
        }
    }
}

// A ship's wheel hung on the rock: spokes around a hub.
void ShipWheel(Canvas& c, int cx, int cy, int r) {
    for (int k = 0; k < 8; ++k) {
        const double a = 3.14159265 * k / 4;
        const int ex = cx + static_cast<int>(std::cos(a) * (r + 14)), ey = cy + static_cast<int>(std::sin(a) * (r + 14));
        c.Line(cx, cy, ex, ey, kDriftwood.mid, 5);
        c.FillCircle(ex, ey, 4, kDriftwood.light);
    }
    for (int t = 0; t < 6; ++t) c.StrokeCircle(cx, cy, r - t, t < 2 ? kPaleWood.light : kPaleWood.mid);
    c.FillCircle(cx, cy, 10, kDriftwood.dark);
    c.FillCircle(cx - 2, cy - 2, 5, pal::Lantern0);
}

// A hammock slung between two posts on a floor.
void Hammock(Canvas& c, int x0, int x1, int floor) {
    Upright(c, x0, floor - 150, 12, 150, kDriftwood);
    Upright(c, x1 - 12, floor - 150, 12, 150, kDriftwood);
    const int sag = 50, top = floor - 130;
    for (int x = x0 + 12; x < x1 - 12; ++x) {
        const double t = static_cast<double>(x - x0 - 12) / (x1 - x0 - 24);
        const int y = top + static_cast<int>(sag * 4 * t * (1 - t));
        c.FillRect(x, y, 1, 14, (x / 8) % 2 ? pal::Coral : pal::Sand2);
        c.Set(x, y + 14, pal::Ink);
        c.Set(x, y - 1, pal::Ink);
    }
}

// An anchor lying in the sand, rusted.
void Anchor(Canvas& c, int x, int ground) {
    Canvas a(200, 140);
    a.Line(30, 120, 170, 30, pal::Rust0, 12);
    a.Line(30, 120, 170, 30, pal::Rust1, 4);
    a.StrokeCircle(178, 24, 14, pal::Rust1);
    a.StrokeCircle(178, 24, 13, pal::Rust0);
    a.Line(4, 96, 60, 136, pal::Rust0, 10);
    a.Line(4, 96, 10, 80, pal::Rust0, 8);
    a.Line(60, 136, 76, 130, pal::Rust0, 8);
    a.Line(150, 10, 196, 60, pal::Rust0, 8);
    a.Outline(pal::Ink);
    c.Blit(a, x, ground - 128);
}

// Contact shadows where the decor and props meet the floors.
void Shadows(Canvas& c) {
    const auto& bar = kHubDecor[HUB_DECOR_BAR];
    const HubPoint cell = HubDecorFrameSize(bar);
    c.FillRect(Px(bar.at.x) + 20, MY(Wall(kDeck).top) - 1, Px(cell.x * bar.scale) - 40, 1, pal::Ink);
    c.FillRect(Px(kScoreboardAt.x) + 20, MY(Wall(kDeck).top) - 1, FindAsset(kScoreboardSheet)->width - 40, 1, pal::Ink);
}

void PaintMap(Canvas& c) {
    FacetRock(c, 0, 0, c.Width(), c.Height(), kCaveFar, 7, 80);
    // Deeper in the cave, away from its mouths, the rock darkens.
    c.DitherRect(0, 0, c.Width(), MY(Wall(kUpperFloor).Bottom()), pal::Ink.WithAlpha(255), 3);
    c.DitherRect(0, 0, 1300, c.Height(), pal::Ink.WithAlpha(255), 2);
    CaveMouth(c);
    Hold(c);
    LabWindowFrame(c);
    Anemones(c, 40, MY(-1180), 2400, 340, 10, 171);
    Anemones(c, 40, MY(-640), 1250, 760, 9, 173);
    ShipWheel(c, 2260, MY(-1000), 60);
    WorkshopProps(c);
    Sand(c);
    Anchor(c, 300, MY(kHubGroundY) + 18);
    LeftBlock(c);
    SternPost(c);
    Roof(c);
    RightWall(c);
    ExitMouth(c);
    Shelf(c);
    UpperFloor(c);
    Hammock(c, 960, 1340, MY(Wall(kUpperFloor).top));
    for (int k = 0; k < 3; ++k) Crate(c, 1780 + k * 70 - (k == 2 ? 105 : 0), MY(Wall(kUpperFloor).top) - 62 - (k == 2 ? 62 : 0), 60, kHoldWood);
    HangingLedge(c);
    BarRoof(c);
    Deck(c);
    Shadows(c);
}

// ---- Details: in front of the decor, behind the player -------------------------

// A lantern on a chain from (x, y), lit, with its halo.
void HangingLantern(Canvas& c, int x, int y, int drop) {
    for (int cy = y; cy < y + drop; cy += 10) c.StrokeRect(x + 5, cy, 4, 10, pal::Stone0);
    Halo(c, x + 7, y + drop + 18, 70, pal::Lantern1.WithAlpha(90), 4);
    Lantern(c, x, y + drop, true);
}

// A plank sign on two ropes under a beam, its word burnt in.
void HangingSign(Canvas& c, int cx, int y, int drop, const char* word) {
    const int w = paint::TextWidth(word, 3) + 30, h = 38, x = cx - w / 2;
    RopeDown(c, x + 10, y, y + drop + 6, 3);
    RopeDown(c, x + w - 13, y, y + drop + 6, 3);
    Canvas sign(w + 2, h + 2);
    Block(sign, 1, 1, w, h, kPaleWood);
    sign.FillRect(4, h - 4, w - 6, 3, pal::Wood1);
    sign.Outline(pal::Ink);
    c.Blit(sign, x - 1, y + drop - 1);
    paint::DrawTextOutlined(c, x + 15, y + drop + 10, word, pal::Bone, pal::Wood0, 3);
}

// A string of little flags between two points, sagging in the middle.
void Bunting(Canvas& c, Point a, Point b, int sag) {
    const Rgba flags[] = {pal::Coral, pal::Lantern1, pal::Sea2, pal::Bone, pal::Kelp2};
    const int n = std::max(2, std::abs(b.x - a.x) / 40);
    Point prev = a;
    for (int i = 1; i <= n; ++i) {
        const double t = static_cast<double>(i) / n;
        const Point p{a.x + static_cast<int>((b.x - a.x) * t),
                      a.y + static_cast<int>((b.y - a.y) * t + sag * 4 * t * (1 - t))};
        c.Line(prev.x, prev.y, p.x, p.y, pal::Sand0, 2);
        if (i < n) {
            const Point flag[] = {{p.x - 9, p.y + 1}, {p.x + 9, p.y + 1}, {p.x, p.y + 22}};
            c.FillPolygon(flag, pal::Ink);
            const Point inner[] = {{p.x - 7, p.y + 2}, {p.x + 7, p.y + 2}, {p.x, p.y + 19}};
            c.FillPolygon(inner, flags[i % 5]);
        }
        prev = p;
    }
}

// Weed hanging from the underside of a floor.
void HangingWeed(Canvas& c, int x, int y, int w, std::uint32_t seed) {
    paint::Rng rng(seed);
    for (int hx = x + rng.Range(4, 20); hx < x + w - 4; hx += rng.Range(10, 34)) {
        const int len = rng.Range(12, 46);
        c.FillRect(hx, y, 3, len, rng.Range(0, 2) ? pal::Kelp1 : pal::Kelp0);
        c.FillRect(hx, y, 3, 3, pal::Kelp2);
    }
}

// Shells and a starfish along the sand's edge.
void Shells(Canvas& c, int y) {
    paint::Rng rng(131);
    for (int x = 260; x < 3300; x += rng.Range(160, 360)) {
        if (rng.Range(0, 3) == 0) {
            const Point star[] = {{x, y - 12}, {x + 4, y - 4}, {x + 12, y - 4}, {x + 6, y + 2}, {x + 8, y + 10},
                                  {x, y + 5}, {x - 8, y + 10}, {x - 6, y + 2}, {x - 12, y - 4}, {x - 4, y - 4}};
            c.FillPolygon(star, pal::Coral);
            c.FillRect(x - 1, y - 3, 3, 3, pal::CoralLight);
        } else {
            c.FillEllipse(x, y + 4, 6, 4, pal::Bone);
            c.FillRect(x - 4, y + 2, 9, 1, pal::Sand0);
            c.FillRect(x - 3, y + 5, 7, 1, pal::Sand0);
        }
    }
}

void PaintDetails(Canvas& c) {
    const int under = DY(Wall(kDeck).Bottom());
    for (int x : {720, 1780, 2420, 2960}) HangingLantern(c, x, under, 40);
    const HubRect& upper = Wall(kUpperFloor);
    for (int x : {700, 1330, 1960}) HangingLantern(c, x, DY(upper.Bottom()), 30);
    HangingWeed(c, Px(upper.left), DY(upper.Bottom()), Px(upper.width), 137);
    HangingWeed(c, Px(Wall(kHangingLedge).left), DY(Wall(kHangingLedge).Bottom()), Px(Wall(kHangingLedge).width), 139);
    HangingWeed(c, Px(Wall(kDeck).left), under, 1200, 141);
    const HubRect win = LabWindow();
    HangingSign(c, Px(win.left + win.width / 2), under, 0, "POTIONS");
    HangingSign(c, Px(kCardSelectorZone.left + kCardSelectorZone.width / 2), under, 4, "SPELLS");
    Bunting(c, {Px(Wall(kBarRoof).Right()) - 10, DY(Wall(kBarRoof).top) + 30},
           {Px(kScoreboardAt.x) + 20, DY(kScoreboardAt.y) + 20}, 120);
    Shells(c, DY(kHubGroundY) + 14);
}

// ---- The foreground rock: in front of the player --------------------------------
// It stays where nobody walks: the roof's lip at the top, the corner under
// the deck beyond the stern post, and a boulder on the sand on the left.
void PaintRock(Canvas& c) {
    paint::Rng rng(151);
    std::vector<Point> lip{{0, 0}, {c.Width(), 0}};
    Jagged(lip, {c.Width(), 26}, {0, 26}, 24, 30, rng);
    RockMass(c, lip, kRockFront, 153, 40, kCaveNear.mid);
    // Stalactites hanging from the lip.
    for (int x = rng.Range(40, 120); x < c.Width(); x += rng.Range(140, 320)) {
        const int len = rng.Range(40, 110), w = rng.Range(14, 30);
        const Point drop[] = {{x, 20}, {x + w, 20}, {x + w / 2 + 2, 20 + len}};
        c.FillPolygon(drop, kRockFront.mid);
        c.Line(x + 2, 22, x + w / 2, 18 + len, kRockFront.light);
        c.Line(x + w, 20, x + w / 2 + 2, 20 + len, pal::Ink);
    }
    const int sternRight = Px(Wall(kSternPost).Right());
    std::vector<Point> corner{{c.Width(), MY(Wall(kDeck).Bottom()) + 90}};
    Jagged(corner, {c.Width(), MY(Wall(kDeck).Bottom()) + 90}, {sternRight + 60, MY(Wall(kDeck).Bottom()) + 200}, 40, 50, rng);
    Jagged(corner, {sternRight + 60, MY(Wall(kDeck).Bottom()) + 200}, {sternRight - 40, c.Height()}, 40, 50, rng, true);
    corner.push_back({c.Width(), c.Height()});
    RockMass(c, corner, kRockFront, 157, 56, kCaveNear.mid);
    Barnacles(c, sternRight + 80, MY(kHubGroundY) + 100, c.Width() - sternRight - 100, 200, 159, 22);
    std::vector<Point> boulder{{0, MY(kHubGroundY) + 110}};
    Jagged(boulder, {0, MY(kHubGroundY) + 100}, {260, MY(kHubGroundY) + 150}, 30, 40, rng);
    boulder.push_back({360, c.Height()});
    boulder.push_back({0, c.Height()});
    RockMass(c, boulder, kRockFront, 161, 50, kCaveNear.mid);
    Kelp(c, 120, MY(kHubGroundY) + 130, 80, 10, pal::Kelp0, pal::Kelp1);
    Kelp(c, 200, MY(kHubGroundY) + 160, 60, -8, pal::Kelp0, pal::Kelp1);
}

}  // namespace

void RegisterHubMapArt(PainterRegistry& registry) {
    registry.Add(kHubMapSheet, [](Canvas& c, const AssetEntry&) { PaintMap(c); });
    registry.Add(kHubDetailsSheet, [](Canvas& c, const AssetEntry&) { PaintDetails(c); });
    registry.Add(kHubRockSheet, [](Canvas& c, const AssetEntry&) { PaintRock(c); });
}

}  // namespace hub_art
