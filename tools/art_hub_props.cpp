// The hub's decor and props: the bar with its quest board, the laboratory's
// back wall seen through the hull, the rat alchemist at his counter, the
// card selector's vat and its light, the scoreboard and the dress room (each
// with its lit variant), the swords by the training dummy and the dress
// room's puff.
//
// All are painted at a third of their size (see PaintSmall). Each decor's
// floor row is worked out from the hub table: a decor's cell row r shows at
// world y = its top + r x its scale, so the floor it stands on is at cell
// row (floor - top) / scale, and in small pixels a third of that again for
// the pictures shown at x1.
#include <algorithm>
#include <array>
#include <cmath>
#include <string>

#include "art_hub_kit.hpp"

namespace hub_art {
namespace {

constexpr float kTau = 6.2831853f;
int Round(float v) { return static_cast<int>(std::lround(v)); }
float Wave(int f, int n, float phase = 0.f) { return std::sin(kTau * f / n + phase); }

// Every decor and prop has pixels three world pixels wide: the decor shown
// at x3 are painted at their cell's size, the pictures shown at x1 at a
// third of it. The art row of a world y inside a picture whose top is at
// topY is the one that holds it: a thing standing on a floor at y has its
// bottom on that row, over the floor's rim; the art column of a world x is
// the one it falls nearest to.
int RowOf(float worldY, float topY) { return static_cast<int>(std::floor((worldY - topY) / kPixel)); }
int ColOf(float worldX, float leftX) { return Round((worldX - leftX) / kPixel); }

// A layer drawn on its own canvas and outlined before it is laid on.
template <class Draw>
void Outlined(Canvas& c, Draw draw) {
    Canvas layer(c.Width(), c.Height());
    draw(layer);
    layer.Outline(pal::Ink);
    c.Blit(layer, 0, 0);
}

// A small key cap reading F: what to press where a place is lit.
void KeyCap(Canvas& c, int x, int y, int bob) {
    y += bob;
    c.FillRoundRect(x - 1, y - 1, 13, 14, 2, pal::Ink);
    c.FillRoundRect(x, y, 11, 12, 2, pal::Bone);
    c.FillRect(x + 1, y + 9, 9, 2, pal::Sand1);
    // An F three pixels wide.
    c.FillRect(x + 4, y + 2, 1, 6, pal::Wood0);
    c.FillRect(x + 4, y + 2, 4, 1, pal::Wood0);
    c.FillRect(x + 4, y + 5, 3, 1, pal::Wood0);
}

// A hanging lantern at (x, y) (its hook), swinging by `sway` pixels.
void SmallLantern(Canvas& c, int x, int y, int sway, bool lit, int flicker) {
    if (lit) {
        GlowCircle(c, x + sway, y + 9, 16 + flicker, pal::Lantern1.WithAlpha(36));
        GlowCircle(c, x + sway, y + 9, 9 + flicker, pal::Lantern1.WithAlpha(60));
    }
    c.Line(x, y - 6, x + sway, y, pal::Ink);
    Outlined(c, [&](Canvas& l) {
        const int lx = x + sway - 3;
        l.FillRect(lx, y, 7, 2, pal::Wood0);
        l.FillRect(lx + 1, y + 2, 5, 7, lit ? pal::Lantern0 : pal::Stone0);
        l.FillRect(lx + 2, y + 3, 2, 4, lit ? pal::Lantern1 : pal::Stone1);
        l.FillRect(lx, y + 9, 7, 2, pal::Wood0);
    });
}

// A rising bubble trail: frame f of n, from (x, y) up by `rise` pixels.
void Bubbles(Canvas& c, int x, int y, int rise, int f, int n, Rgba colour, int count = 3) {
    for (int k = 0; k < count; ++k) {
        const int t = (f + k * n / count) % n;
        const int by = y - t * rise / n;
        const int bx = x + Round(std::sin(t * 0.9f + k) * 1.5f);
        const int r = t > n * 2 / 3 ? 0 : 1;
        if (r == 0) c.Set(bx, by, colour);
        else c.StrokeRect(bx - 1, by - 1, 3, 3, colour);
    }
}

// ---- The bar and its quest board ----------------------------------------------
// Cell rows above the roof's underside stay clear: the roof is the map's.

void PaintBarCell(Canvas& c, int row, int f, int n) {
    const auto& bar = kHubDecor[HUB_DECOR_BAR];
    const int roofUnder = RowOf(kHubWalls[3].Bottom(), bar.at.y);
    const int floor = RowOf(kHubWalls[0].top, bar.at.y);
    const int postL = ColOf(kHubWalls[3].left, bar.at.x) + 2;
    const int postR = ColOf(kHubWalls[3].Right(), bar.at.x) - 8;
    const int boardX = ColOf(kQuestZone.left, bar.at.x) - 14;
    const bool lit = row == kHubDecorLitRow;
    // The back: a sailcloth awning stretched between the posts.
    c.FillRect(postL + 6, roofUnder, postR - postL - 6, floor - roofUnder - 30, Mix(pal::Wood0, pal::Night0, 0.5f));
    for (int x = postL + 6; x < postR; x += 12) {
        c.FillRect(x, roofUnder, 6, 14 + (x / 12) % 2 * 2, pal::Sand1);
        c.FillRect(x + 6, roofUnder, 6, 14 + (x / 12) % 2 * 2, pal::Coral);
        c.FillRect(x, roofUnder + 13 + (x / 12) % 2 * 2, 12, 1, pal::Ink);
    }
    // Posts.
    for (int px : {postL, postR}) {
        c.FillRect(px, roofUnder, 6, floor - roofUnder + 1, pal::Wood2);
        c.FillRect(px, roofUnder, 2, floor - roofUnder + 1, pal::Wood3);
        c.FillRect(px + 5, roofUnder, 1, floor - roofUnder + 1, pal::Wood0);
        c.StrokeRect(px - 1, roofUnder, 8, floor - roofUnder + 1, pal::Ink);
    }
    // The quest board: planks with three notes pinned on, a sign above.
    const int by = roofUnder + 22, bw = 62, bh = 44;
    Outlined(c, [&](Canvas& l) {
        l.FillRect(boardX + 4, by + bh, 3, floor - by - bh + 1, pal::Wood1);
        l.FillRect(boardX + bw - 7, by + bh, 3, floor - by - bh + 1, pal::Wood1);
        Block(l, boardX, by, bw, bh, kPaleWood);
        for (int y = by + 8; y < by + bh; y += 9) l.FillRect(boardX + 1, y, bw - 2, 1, pal::Wood1);
    });
    const std::array<Rgba, 3> pins{pal::Coral, pal::Sea2, pal::Lantern1};
    for (int k = 0; k < 3; ++k) {
        const int nx = boardX + 5 + k * 19, ny = by + 6 + (k % 2) * 4;
        const int flap = (k == (f / 4) % 3 && f % 4 < 2) ? 1 : 0;  // a note lifting in the draught
        Outlined(c, [&](Canvas& l) {
            l.FillRect(nx, ny, 15, 20 - flap, lit ? pal::Bone : pal::Sand2);
            l.FillRect(nx + 2, ny + 5, 11, 1, pal::Wood1);
            l.FillRect(nx + 2, ny + 8, 9, 1, pal::Wood1);
            l.FillRect(nx + 2, ny + 11, 10, 1, pal::Wood1);
            l.FillRect(nx + 2, ny + 14 - flap, 6, 1, pal::Wood1);
        });
        c.FillRect(nx + 6, ny - 1, 3, 3, pins[static_cast<std::size_t>(k)]);
    }
    // The sign: QUESTS, hung from the roof.
    const int sx = boardX + 4, sy = roofUnder + 4;
    c.Line(sx + 6, roofUnder, sx + 6, sy + 2, pal::Sand0);
    c.Line(sx + bw - 14, roofUnder, sx + bw - 14, sy + 2, pal::Sand0);
    Outlined(c, [&](Canvas& l) { Block(l, sx, sy + 2, bw - 8, 11, kDriftwood); });
    paint::DrawText(c, sx + 9, sy + 4, "QUESTS", lit ? pal::Lantern1 : pal::Bone);
    // The counter, a shelf of bottles behind it, the crab who keeps the bar.
    const int cx0 = boardX + bw + 12, cx1 = postR - 4, top = floor - 38;
    Outlined(c, [&](Canvas& l) {
        Block(l, cx0 + 6, roofUnder + 24, cx1 - cx0 - 12, 4, kDriftwood);
        // A keg with a dripping tap at the end of the shelf.
        const int kx = cx0 + 6, ky = roofUnder + 30;
        l.FillRoundRect(kx, ky, 16, 14, 3, pal::Wood2);
        l.FillRect(kx, ky + 3, 16, 1, pal::Stone0);
        l.FillRect(kx, ky + 10, 16, 1, pal::Stone0);
        l.FillRect(kx - 4, ky + 8, 4, 2, pal::Lantern0);
        for (int k = 0; k < (cx1 - cx0 - 40) / 9; ++k) {
            const int bx = cx0 + 30 + k * 9;
            const Rgba glass = k % 3 == 0 ? pal::Kelp2 : (k % 3 == 1 ? pal::Rust1 : pal::Sea1);
            l.FillRect(bx, roofUnder + 14, 4, 10, glass);
            l.FillRect(bx + 1, roofUnder + 11, 2, 3, glass);
            l.Set(bx + 1, roofUnder + 16, pal::White);
        }
    });
    // The tap's drip falls a little further every frame.
    const int dripX = cx0 + 3, dripY = roofUnder + 41 + (f * 3) % 18;
    c.FillRect(dripX, dripY, 1, 2, pal::Lantern1);
    // The crab: body behind the counter, eye stalks, one claw wiping a mug.
    const int crabX = cx0 + (cx1 - cx0) * 2 / 3, crabY = top - 12 + (f % 12 < 6 ? 0 : 1);
    const int wipe = Round(Wave(f, n) * 4.f);
    Outlined(c, [&](Canvas& l) {
        l.FillEllipse(crabX, crabY + 6, 14, 9, pal::Rust1);
        l.FillEllipse(crabX - 3, crabY + 3, 8, 4, pal::Coral);
        for (int s : {-5, 5}) {
            l.FillRect(crabX + s, crabY - 6, 2, 6, pal::Rust1);
            const bool blink = f == 9 || f == 10;
            l.FillRect(crabX + s - 1, crabY - 9, 4, blink ? 1 : 4, pal::White);
            if (!blink) l.FillRect(crabX + s, crabY - 8, 2, 2, pal::Ink);
        }
        const int wave = lit ? Round(Wave(f, n / 2 > 0 ? n / 2 : 1) * 3.f) : 0;
        // Left claw holds a mug and wipes it; right claw waves when lit.
        l.FillEllipse(crabX - 16 + wipe, crabY + 2, 5, 4, pal::Coral);
        l.FillRect(crabX - 22 + wipe, crabY - 4, 7, 8, pal::Sand2);
        l.FillRect(crabX - 22 + wipe, crabY - 4, 7, 2, pal::Bone);
        l.FillEllipse(crabX + 17, crabY - (lit ? 8 + wave : 0), 5, 4, pal::Coral);
        l.FillRect(crabX + 19, crabY - (lit ? 12 + wave : 4), 3, 3, pal::Rust1);
    });
    Outlined(c, [&](Canvas& l) {
        Block(l, cx0, top, cx1 - cx0, 4, kPaleWood);
        Planks(l, cx0 + 2, top + 4, cx1 - cx0 - 4, floor - top - 3, kDriftwood, 5);
        // Mugs on the counter.
        for (int k = 0; k < 3; ++k) {
            const int mx = cx0 + 8 + k * 16;
            l.FillRect(mx, top - 6, 6, 6, pal::Sand1);
            l.FillRect(mx, top - 7, 6, 2, pal::Bone);
            l.FillRect(mx + 6, top - 5, 2, 3, pal::Sand0);
        }
    });
    // Stools in front of the counter.
    for (int k = 0; k < 3; ++k) {
        const int sx2 = cx0 + 12 + k * 28;
        Outlined(c, [&](Canvas& l) {
            l.FillRect(sx2, floor - 14, 12, 3, pal::Wood2);
            l.FillRect(sx2, floor - 14, 12, 1, pal::Wood3);
            l.FillRect(sx2 + 1, floor - 11, 2, 12, pal::Wood1);
            l.FillRect(sx2 + 9, floor - 11, 2, 12, pal::Wood1);
        });
    }
    // The lantern over the board; lit brighter while the player stands there.
    SmallLantern(c, boardX + bw + 4, roofUnder + 6, Round(Wave(f, n) * 1.6f), true, lit ? 2 + (f % 3 == 0) : 0);
    if (lit) KeyCap(c, boardX - 22, by + 12, Round(Wave(f, n) * 1.5f));
    // Keep the deck's top row and everything under it clear.
    c.FillRect(0, floor + 1, c.Width(), c.Height() - floor - 1, pal::Clear);
    c.FillRect(0, 0, c.Width(), roofUnder, pal::Clear);
}

// ---- The laboratory's back wall ---------------------------------------------------

void PaintLabCell(Canvas& c, int f, int n) {
    const int w = c.Width(), h = c.Height();
    // Old brick, warmly lit by the furnace.
    c.FillRect(0, 0, w, h, Rgba{58, 34, 38, 255});
    for (int row = 0, y = 0; y < h; ++row, y += 6)
        for (int x = (row % 2) * 6 - 6; x < w; x += 12) {
            c.FillRect(x + 1, y + 1, 10, 4, row % 3 == 0 ? Rgba{82, 46, 46, 255} : Rgba{92, 52, 48, 255});
            c.FillRect(x + 1, y + 1, 10, 1, Rgba{112, 66, 56, 255});
        }
    // Shelves of flasks and jars, each bubbling in its own time.
    const std::array<int, 3> shelves{26, 56, 84};
    for (int s = 0; s < 3; ++s) {
        const int sy = shelves[static_cast<std::size_t>(s)];
        Outlined(c, [&](Canvas& l) { Block(l, 4, sy, w - 8, 3, kPaleWood); });
        for (int k = 0; k < 11; ++k) {
            const int fx = 8 + k * 20 + (s % 2) * 6;
            if (fx > w - 14) break;
            const int kind = (k + s) % 4;
            const Tones tone = PotionTones(kind);
            Canvas flask(20, 32);
            if ((k + s) % 3 == 0) {  // a jar
                flask.FillRect(4, 14, 12, 18, pal::Sea2);
                flask.FillRect(5, 18, 10, 13, tone.mid);
                flask.FillRect(3, 12, 14, 3, pal::Wood1);
                flask.FillRect(6, 20, 2, 6, pal::White);
            } else {
                Flask(flask, 0, 0, tone, 0.55f + 0.1f * ((k * 7) % 3));
            }
            flask.Outline(pal::Ink);
            // Drawn at two thirds of its size: small flasks on a shelf.
            for (int y = 0; y < 32; y += 3)
                for (int x = 0; x < 20; x += 3) {
                    const Rgba p = flask.Get(x + 1, y + 1);
                    if (p.a) c.FillRect(fx + x * 2 / 3, sy - 22 + y * 2 / 3, 2, 2, p);
                }
            if ((k + s) % 3 != 0) Bubbles(c, fx + 7, sy - 14, 9, (f + k * 5 + s * 3) % n, n, tone.light, 2);
        }
    }
    // The still on the right: a copper pot on a furnace, a coil, steam.
    const int px = w - 28, py = 58;
    const int flame = (f % 4 < 2) ? 1 : 0;
    GlowCircle(c, px, h - 16, 22 + flame * 2, pal::Lantern0.WithAlpha(50));
    Outlined(c, [&](Canvas& l) {
        l.FillRect(px - 16, h - 26, 32, 26, pal::Stone0);
        l.FillRect(px - 16, h - 26, 32, 2, pal::Stone1);
        l.FillRect(px - 8, h - 18, 16, 10, pal::Ink);
        l.FillEllipse(px, py + 10, 16, 14, pal::Rust1);
        l.FillEllipse(px - 4, py + 6, 8, 6, pal::Coral);
        l.FillRect(px - 3, py - 10, 6, 8, pal::Rust1);
        l.Line(px + 2, py - 10, px + 22, py - 18, pal::Rust1, 2);
    });
    for (int k = 0; k < 3; ++k) {
        const int fx = px - 6 + k * 5;
        const int fh = 5 + ((f + k * 2) % 3);
        c.FillRect(fx, h - 12 - fh, 3, fh, k == 1 ? pal::Lantern1 : pal::Lantern0);
    }
    for (int k = 0; k < 3; ++k) {  // steam from the spout
        const int t = (f + k * n / 3) % n;
        c.FillCircle(px + 22 + t / 4, py - 20 - t, 2 + t / 10, pal::Foam.WithAlpha(static_cast<std::uint8_t>(150 - t * 4)));
    }
    // On the left: hanging herbs and a skull on the top shelf.
    for (int k = 0; k < 3; ++k) {
        const int hx = 10 + k * 9, sway = Round(Wave(f, n, k * 1.3f));
        c.Line(hx, 0, hx + sway, 10, pal::Sand0);
        Outlined(c, [&](Canvas& l) { l.FillEllipse(hx + sway, 13, 3, 4, k == 1 ? pal::Kelp1 : pal::Kelp2); });
    }
}

// ---- The rat alchemist --------------------------------------------------------
// He stands behind his counter over the seller's zone, facing left where the
// customer comes from. Idle: he breathes, twitches, blinks, stirs a flask.
// Serving: he ducks under the counter, comes up with a potion and holds it
// out; the last five frames (the loop) hold it out with a bob.

struct RatPose {
    int bob = 0;         // body up (-) or down
    int duck = 0;        // how far he sinks behind the counter
    bool blink = false;
    Point hand{};        // the front paw, from the body's centre
    bool potion = false; // holding the sold potion
    int tail = 0;
    int grin = 0;
};

RatPose RatIdle(int f, int n) {
    RatPose p;
    p.bob = Wave(f, n) > 0.3f ? -1 : 0;
    p.blink = f == 12 || f == 13;
    p.hand = {-12, 6 + (f % 8 < 4 ? 0 : 1)};
    p.tail = Round(Wave(f, n) * 3.f);
    return p;
}

RatPose RatServing(int f) {
    RatPose p;
    p.tail = (f % 4 < 2) ? 2 : -2;
    if (f < 5) {  // duck under the counter
        p.duck = f * 5;
        p.hand = {-10, 10 + f * 2};
    } else if (f < 10) {  // come up with a potion
        p.duck = (10 - f) * 5;
        p.hand = {-10, 16 - (f - 5) * 3};
        p.potion = true;
    } else if (f < 15) {  // hold it out over the counter
        p.hand = {-12 - (f - 10) * 3, 8 - (f - 10)};
        p.potion = true;
        p.grin = f >= 13;
    } else {  // the loop: offer it, bobbing
        p.hand = {-27, 2 + (f % 2)};
        p.potion = true;
        p.grin = 1;
        p.bob = (f % 2) ? -1 : 0;
    }
    return p;
}

void DrawRat(Canvas& c, int cx, int baseY, const RatPose& p, int f) {
    const int bx = cx, by = baseY - 46 + p.bob + p.duck;
    const Point hand{bx + p.hand.x * 3 / 2, by + 4 + p.hand.y * 3 / 2};
    // Tail rising behind him in a curve, its tip swaying.
    Outlined(c, [&](Canvas& l) {
        for (int k = 0; k <= 24; ++k) {
            const float t = k / 24.f, u = 1.f - t;
            const float tx = u * u * (bx + 14) + 2 * u * t * (bx + 46) + t * t * (bx + 34 + p.tail);
            const float ty = u * u * (by + 36) + 2 * u * t * (by + 30) + t * t * (by - 2);
            l.FillRect(Round(tx), Round(ty), k < 16 ? 3 : 2, k < 16 ? 3 : 2, pal::Pink);
        }
    });
    const int hx = bx - 5, hy = by - 8;
    Outlined(c, [&](Canvas& l) {
        // Body in a leather apron.
        l.FillEllipse(bx, by + 20, 19, 26, pal::Stone1);
        l.FillEllipse(bx - 5, by + 14, 10, 13, pal::Stone2);
        l.FillRoundRect(bx - 15, by + 8, 28, 40, 5, pal::Wood1);
        l.FillRect(bx - 12, by + 10, 4, 34, pal::Wood2);
        l.FillRect(bx - 5, by + 22, 11, 8, pal::Wood0);  // a pocket
        l.FillRect(bx - 5, by + 22, 11, 1, pal::Wood2);
        l.Line(bx - 14, by + 9, bx + 8, by - 2, pal::Wood0, 2);  // the apron's strap
        // Head, snout to the left, ears behind.
        l.FillCircle(hx + 5, hy - 14, 8, pal::Stone1);
        l.FillCircle(hx + 5, hy - 14, 5, pal::Pink);
        l.FillCircle(hx + 15, hy - 9, 6, pal::Stone1);
        l.FillCircle(hx + 15, hy - 9, 3, pal::Pink);
        l.FillEllipse(hx, hy, 15, 12, pal::Stone1);
        l.FillEllipse(hx - 4, hy - 3, 9, 7, pal::Stone2);
        const Point snout[] = {{hx - 10, hy - 6}, {hx - 29, hy + 3}, {hx - 26, hy + 6}, {hx - 10, hy + 9}};
        l.FillPolygon(snout, pal::Stone1);
        l.FillRect(hx - 22, hy - 1, 10, 2, pal::Stone2);
        l.FillEllipse(hx + 3, hy + 8, 9, 4, pal::Stone2);  // cheek fur
        // Front paw (and the potion it holds).
        l.Line(bx - 9, by + 12, hand.x, hand.y, pal::Stone1, 4);
        l.FillCircle(hand.x, hand.y, 3, pal::Pink);
    });
    c.FillRect(hx - 31, hy + 1, 4, 4, pal::Rust0);  // nose
    c.Set(hx - 30, hy + 1, pal::Pink);
    const int twitch = f % 6 == 0 ? 1 : 0;
    for (int k = 0; k < 3; ++k) c.Line(hx - 22, hy + 4 + k, hx - 34 - twitch, hy + 1 + k * 3, pal::Bone);
    // Goggles pushed up on the brow, spectacles over the eye.
    c.FillRect(hx - 9, hy - 12, 22, 3, pal::Wood0);
    c.FillRect(hx - 6, hy - 15, 8, 6, pal::Lantern0);
    c.FillRect(hx - 5, hy - 14, 6, 4, pal::Sea2);
    c.Set(hx - 4, hy - 14, pal::White);
    if (p.blink) {
        c.FillRect(hx - 12, hy - 1, 7, 1, pal::Ink);
    } else {
        c.FillRect(hx - 12, hy - 4, 7, 6, pal::White);
        c.FillRect(hx - 12, hy - 3, 3, 4, pal::Ink);
        c.Set(hx - 11, hy - 3, pal::White);
    }
    c.StrokeRect(hx - 14, hy - 6, 11, 10, pal::Lantern0);
    c.Line(hx - 3, hy - 2, hx + 6, hy - 4, pal::Lantern0);
    c.Line(hx - 24, hy + 8, hx - 16, hy + 9 + p.grin, pal::Ink);  // mouth
    if (p.grin) c.FillRect(hx - 21, hy + 10, 3, 2, pal::White);   // a buck tooth
    if (p.potion) {
        Canvas potion(20, 32);
        Flask(potion, 0, 0, PotionTones(2), 0.7f);
        potion.Outline(pal::Ink);
        for (int y = 0; y < 32; ++y)  // at two thirds of its size, in the paw
            for (int x = 0; x < 20; ++x)
                if (potion.Get(x, y).a) c.Set(hand.x - 7 + x * 2 / 3, hand.y - 18 + y * 2 / 3, potion.Get(x, y));
        if (p.grin && f % 4 < 2) {  // a sparkle on the glass
            const int sx = hand.x - 9, sy = hand.y - 20;
            c.FillRect(sx, sy - 3, 1, 7, pal::White);
            c.FillRect(sx - 3, sy, 7, 1, pal::White);
        }
    } else {
        // Idle: a little flask in the paw, bubbling.
        Outlined(c, [&](Canvas& l) {
            l.FillRect(hand.x - 3, hand.y - 9, 7, 8, pal::Kelp2);
            l.FillRect(hand.x - 1, hand.y - 13, 3, 4, pal::Sea2);
        });
        c.Set(hand.x - 2, hand.y - 8, pal::White);
        Bubbles(c, hand.x, hand.y - 15, 10, f % 8, 8, pal::Kelp2, 2);
    }
}

void PaintSellerCell(Canvas& c, int row, int f, int n) {
    const auto& seller = kHubDecor[HUB_DECOR_SELLER];
    const int floor = RowOf(kHubGroundY, seller.at.y);
    const int zoneMid = ColOf(kSellerZone.left + kSellerZone.width / 2, seller.at.x);
    const int counterTop = floor - 36;
    const RatPose pose = row == kSellerServingRow ? RatServing(f) : RatIdle(f, n);
    // The rat is drawn on his own canvas, cut off where the counter hides him.
    Canvas rat(c.Width(), c.Height());
    DrawRat(rat, zoneMid + 6, counterTop + 8, pose, f);
    rat.FillRect(0, counterTop + 1, rat.Width(), rat.Height(), pal::Clear);
    c.Blit(rat, 0, 0);
    // The counter: a plank top, a front of old crates, wares on it.
    Outlined(c, [&](Canvas& l) {
        Block(l, 3, counterTop, c.Width() - 6, 5, kPaleWood);
        Planks(l, 6, counterTop + 5, c.Width() - 12, floor - counterTop - 4, kDriftwood, 3);
        for (int k = 0; k < 4; ++k) {  // the four potions sold, on show in the front
            const int px = 14 + k * 30;
            l.FillRect(px - 3, counterTop + 12, 24, 20, pal::Wood0);
            Canvas potion(20, 32);
            Flask(potion, 0, 0, PotionTones(k), 0.75f);
            for (int y = 0; y < 32; y += 2)
                for (int x = 0; x < 20; x += 2)
                    if (potion.Get(x, y).a) l.Set(px + 4 + x / 2, counterTop + 14 + y / 2, potion.Get(x, y));
        }
        l.FillRect(4, floor - 1, c.Width() - 8, 2, pal::Wood0);
    });
    // A mortar on the counter, a book and a candle.
    Outlined(c, [&](Canvas& l) {
        l.FillRect(c.Width() - 34, counterTop - 6, 12, 6, pal::Stone1);
        l.FillRect(c.Width() - 34, counterTop - 6, 12, 1, pal::Stone2);
        l.Line(c.Width() - 26, counterTop - 6, c.Width() - 20, counterTop - 14, pal::Wood2, 2);
        l.FillRect(c.Width() - 16, counterTop - 5, 10, 5, pal::Rust1);
        l.FillRect(c.Width() - 16, counterTop - 5, 10, 1, pal::Bone);
    });
    const int candleX = 12;
    c.FillRect(candleX, counterTop - 8, 3, 8, pal::Bone);
    c.FillRect(candleX, counterTop - 11 - (f % 3 == 0), 3, 3, pal::Lantern1);
    c.Set(candleX + 1, counterTop - 12 - (f % 3 == 0), pal::White);
    if (row == kSellerServingRow && f >= kSellerServingLoopStart)
        KeyCap(c, zoneMid - 6, counterTop - 84, f % 2);
    c.FillRect(0, floor + 1, c.Width(), c.Height(), pal::Clear);
}

// ---- The card selector's vat -------------------------------------------------------

void SpellCard(Canvas& c, int cx, int cy, int tilt, int kind, bool bright) {
    Canvas card(16, 20);
    card.FillRect(1, 1, 14, 18, bright ? pal::Bone : pal::Sand2);
    card.StrokeRect(1, 1, 14, 18, pal::Wood1);
    card.FillRect(3, 3, 10, 10, PotionTones(kind % 4).mid);
    card.FillRect(4, 4, 3, 3, pal::White);
    card.FillRect(3, 15, 10, 1, pal::Wood1);
    card.Outline(pal::Ink);
    // A tilt of one pixel per four rows.
    for (int y = 0; y < 20; ++y)
        for (int x = 0; x < 16; ++x) {
            const Rgba p = card.Get(x, y);
            if (p.a) c.Set(cx - 8 + x + tilt * (y - 10) / 8, cy - 10 + y, p);
        }
}

void PaintVatCell(Canvas& c, int row, int f, int n) {
    const auto& vat = kHubDecor[HUB_DECOR_VAT];
    const int floor = RowOf(kHubGroundY, vat.at.y);
    const int mid = ColOf(kCardSelectorZone.left + kCardSelectorZone.width / 2, vat.at.x);
    const bool lit = row == kHubDecorLitRow;
    const int top = floor - 50, halfW = 30;
    const Rgba glow = lit ? pal::Lantern1 : Mix(pal::Lantern1, pal::Kelp2, 0.4f);
    // The light over the brim.
    GlowCircle(c, mid, top, lit ? 34 : 26, glow.WithAlpha(lit ? 60 : 40));
    GlowCircle(c, mid, top, lit ? 20 : 14, glow.WithAlpha(lit ? 80 : 50));
    // Cards drift up out of the brew and sink back.
    const int cards = lit ? 3 : 1;
    for (int k = 0; k < cards; ++k) {
        const float t = Wave(f, n, k * 2.1f);
        const int cy = top - 14 - k * 9 - Round(t * 4.f) - (lit ? 6 : 0);
        const int cx = mid + (k - cards / 2) * 18;
        SpellCard(c, cx, cy, Round(t * 3.f), (k * 2 + (lit ? 1 : 0)) % 6, lit);
    }
    Outlined(c, [&](Canvas& l) {
        // The vat: staves bound by three iron hoops, a stand under it.
        l.FillRect(mid - halfW - 2, floor - 6, 2 * halfW + 4, 6, pal::Wood1);
        l.FillRoundRect(mid - halfW, top, 2 * halfW, floor - top - 4, 6, pal::Wood2);
        for (int x = mid - halfW + 6; x < mid + halfW - 2; x += 8) l.FillRect(x, top + 2, 1, floor - top - 9, pal::Wood1);
        l.FillRect(mid - halfW + 2, top + 2, 4, floor - top - 9, pal::Wood3);
        l.FillRect(mid + halfW - 8, top + 2, 6, floor - top - 9, pal::Wood1);
        for (int hy : {top + 4, top + 22, floor - 14}) {
            l.FillRect(mid - halfW, hy, 2 * halfW, 3, pal::Stone0);
            l.FillRect(mid - halfW, hy, 2 * halfW, 1, pal::Stone1);
        }
        // The brim and the glowing brew, heaving.
        l.FillEllipse(mid, top, halfW, 5, pal::Wood1);
        l.FillEllipse(mid, top + 1, halfW - 3, 3, glow);
    });
    for (int k = 0; k < 5; ++k) {  // bubbles bursting on the surface
        const int t = (f + k * 3) % n;
        const int bx = mid - 20 + k * 10, r = t < n / 2 ? 1 + t % 2 : 0;
        if (r) c.StrokeRect(bx - r, top - r, 2 * r + 1, 2 * r + 1, pal::White);
        else c.Set(bx, top - 2 - (t - n / 2), pal::White);
    }
    // Drips down the front.
    c.FillRect(mid - 12, top + 4, 2, 3 + (f % 4), glow);
    c.FillRect(mid + 8, top + 4, 2, 2 + ((f + 2) % 4), glow);
    if (lit) KeyCap(c, mid - 6, top - 56, Round(Wave(f, n) * 1.5f));
    c.FillRect(0, floor + 1, c.Width(), c.Height(), pal::Clear);
}

// The vat's light in front of everything: a soft pool around the vat and a
// beam up through the deck's grate.
void PaintGlow(Canvas& c) {
    const HubPoint at = kHubGlowAt;
    const auto& vat = kHubDecor[HUB_DECOR_VAT];
    const int mid = ColOf(kCardSelectorZone.left + kCardSelectorZone.width / 2, at.x);
    const int brim = RowOf(kHubGroundY, at.y) - 50;
    const int grateL = ColOf(kCardSelectorZone.left, at.x), grateR = ColOf(kCardSelectorZone.Right(), at.x);
    (void)vat;
    PaintSmall(c, [&](Canvas& s) {
        // The beam: bands fading upwards, slightly widening.
        for (int y = 0; y < brim; ++y) {
            const int spread = (brim - y) / 10;
            const int alpha = 14 + 22 * y / std::max(1, brim);
            const int band = (y / 6) % 2;
            s.FillRect(grateL + 2 - spread, y, grateR - grateL - 4 + 2 * spread, 1,
                       pal::Lantern1.WithAlpha(static_cast<std::uint8_t>(alpha - band * 6)));
        }
        for (int r = 60, a = 14; r > 10; r -= 12, a += 8) s.FillEllipse(mid, brim + 6, r, r * 2 / 3, pal::Lantern1.WithAlpha(static_cast<std::uint8_t>(a)));
        // Motes drifting in the beam.
        paint::Rng rng(7);
        for (int k = 0; k < 30; ++k) s.Set(rng.Range(grateL, grateR), rng.Range(0, brim), pal::Lantern1.WithAlpha(160));
    });
}

// ---- Scoreboard and dress room ------------------------------------------------------

void PaintScoreboard(Canvas& c, bool lit) {
    PaintSmall(c, [&](Canvas& s) {
        const int w = s.Width(), floor = RowOf(kHubWalls[0].top, kScoreboardAt.y);
        if (lit) GlowCircle(s, w / 2, 40, 66, pal::Lantern1.WithAlpha(34));
        // Two posts and a broad board of hull planks.
        Outlined(s, [&](Canvas& l) {
            for (int px : {16, w - 24}) {
                l.FillRect(px, 18, 7, floor - 17, pal::Wood1);
                l.FillRect(px, 18, 2, floor - 17, pal::Wood2);
            }
            Planks(l, 6, 20, w - 12, 60, kPaleWood, 11);
            Block(l, 2, 16, w - 4, 5, kDriftwood);
            Block(l, 2, 79, w - 4, 5, kDriftwood);
        });
        // The title plaque and the tallies chalked on the board.
        Outlined(s, [&](Canvas& l) { Block(l, w / 2 - 26, 4, 52, 12, kDriftwood); });
        paint::DrawTextCentred(s, w / 2, 7, "TALLY", lit ? pal::Lantern1 : pal::Bone);
        const std::array<Rgba, 3> icons{pal::Lantern1, pal::Bone, pal::Coral};
        for (int r = 0; r < 3; ++r) {
            const int y = 28 + r * 16;
            s.FillRect(14, y, 8, 8, pal::Ink);
            s.FillRect(15, y + 1, 6, 6, icons[static_cast<std::size_t>(r)]);
            for (int k = 0; k < 4 + r * 3; ++k) {
                const int gx = 30 + k * 6 + (k / 5) * 4;
                if (k % 5 == 4) s.Line(gx - 25, y + 6, gx - 1, y + 1, pal::Bone);
                else s.FillRect(gx, y, 1, 8, pal::Bone);
            }
        }
        // Lanterns on both posts.
        for (int px : {19, w - 21}) SmallLantern(s, px, 18, 0, lit, 1);
        if (lit) KeyCap(s, w / 2 + 32, 4, 0);
        s.FillRect(0, floor + 1, w, s.Height(), pal::Clear);
    });
}

// A changing booth of sailcloth on a frame, a mirror, and the five skins
// hung on a rail in their colours.
void PaintDressRoom(Canvas& c, bool lit) {
    PaintSmall(c, [&](Canvas& s) {
        const int w = s.Width(), floor = RowOf(kHubWalls[6].top, kDressRoomAt.y);
        if (lit) GlowCircle(s, w / 2, floor - 50, 70, pal::Lantern1.WithAlpha(30));
        const int bx = 8, bw = 54, top = 14;
        Outlined(s, [&](Canvas& l) {
            // The booth: posts, a cloth roof, a curtain half drawn.
            l.FillRect(bx, top, 4, floor - top + 1, pal::Wood1);
            l.FillRect(bx + bw - 4, top, 4, floor - top + 1, pal::Wood1);
            const Point roof[] = {{bx - 6, top + 8}, {bx + bw / 2, top - 8}, {bx + bw + 6, top + 8}};
            l.FillPolygon(roof, pal::Coral);
            for (int x = bx - 4; x < bx + bw + 4; x += 8) l.FillRect(x, top + 6, 4, 4, pal::Bone);
            const int open = lit ? 14 : 6;
            l.FillRect(bx + 4, top + 10, bw - 8 - open, floor - top - 10, pal::Violet);
            for (int x = bx + 6; x < bx + bw - 4 - open; x += 5) l.FillRect(x, top + 10, 1, floor - top - 10, pal::Night2);
            l.FillRect(bx + 4, top + 10, 3, floor - top - 10, Rgba{200, 156, 220, 255});
            l.FillRect(bx + bw - 4 - open, top + 10, open, floor - top - 10, pal::Night0);
        });
        // The mirror on a stand.
        const int mx = bx + bw + 18;
        Outlined(s, [&](Canvas& l) {
            l.FillRect(mx + 6, floor - 14, 3, 14, pal::Wood1);
            l.FillRect(mx + 1, floor - 2, 13, 3, pal::Wood1);
            l.FillEllipse(mx + 7, floor - 36, 9, 16, pal::Lantern0);
            l.FillEllipse(mx + 7, floor - 36, 7, 14, lit ? pal::Foam : pal::Sea1);
            l.Line(mx + 3, floor - 44, mx + 8, floor - 48, pal::White, 2);
        });
        // The rail with the five skins' capes.
        const int rx = mx + 24, ry = top + 20;
        const std::array<Rgba, 5> skins{pal::Wood2, pal::Pink, pal::Kelp2, pal::Sea1, pal::Violet};
        Outlined(s, [&](Canvas& l) {
            l.FillRect(rx, ry, 3, floor - ry + 1, pal::Wood1);
            l.FillRect(w - 8, ry, 3, floor - ry + 1, pal::Wood1);
            l.FillRect(rx, ry, w - 5 - rx, 2, pal::Stone1);
            for (int k = 0; k < 5; ++k) {
                const int cx = rx + 6 + k * ((w - 14 - rx) / 5);
                const Point cape[] = {{cx, ry + 2}, {cx + 6, ry + 2}, {cx + 8, ry + 30}, {cx - 2, ry + 30}};
                l.FillPolygon(cape, skins[static_cast<std::size_t>(k)]);
                l.FillRect(cx + 2, ry - 2, 2, 4, pal::Stone2);
            }
        });
        Outlined(s, [&](Canvas& l) { Block(l, bx + 8, top - 10, 38, 11, kDriftwood); });
        paint::DrawTextCentred(s, bx + 27, top - 8, "DRESS", lit ? pal::Lantern1 : pal::Bone);
        SmallLantern(s, bx + bw + 6, top + 4, 0, lit, 1);
        if (lit) KeyCap(s, bx + bw / 2 - 12, top + 24, 0);
        s.FillRect(0, floor + 1, w, s.Height(), pal::Clear);
    });
}

// ---- Swords and the puff -------------------------------------------------------------

// Practice swords stuck in the sand on both sides of the dummy (it stands
// in the middle of this picture and is drawn over it).
void PaintSwords(Canvas& c) {
    PaintSmall(c, [&](Canvas& s) {
        const int floor = RowOf(kHubGroundY, kHubSwordsAt.y);
        struct Stuck {
            int x, lean, len;
        };
        const Stuck swords[] = {{8, -5, 44}, {20, 3, 50}, {72, -4, 48}, {84, 6, 40}};
        for (const Stuck& sw : swords) {
            Outlined(s, [&](Canvas& l) {
                const int tx = sw.x + sw.lean, ty = floor - sw.len;
                l.Line(sw.x, floor - 2, tx, ty + 12, pal::Stone1, 3);
                l.Line(sw.x - 1, floor - 2, tx - 1, ty + 12, pal::Stone2, 1);
                l.Line(tx - 5, ty + 12, tx + 5, ty + 11, pal::Lantern0, 2);  // guard
                l.Line(tx, ty + 10, tx, ty + 3, pal::Wood1, 2);              // grip
                l.FillRect(tx - 1, ty, 3, 3, pal::Lantern0);                   // pommel
            });
        }
        // Sand kicked up around the blades.
        for (int x : {8, 20, 72, 84}) {
            s.FillEllipse(x, floor - 1, 6, 1, pal::Sand1);
            s.FillRect(x - 5, floor - 1, 10, 1, pal::Sand2);
        }
    });
}

void PaintPuffCell(Canvas& c, int f, int n) {
    PaintSmall(c, [&](Canvas& s) {
        // Centred on the player's body: the puff is placed from the body's
        // top-left by kSkinPuffOffset.
        const AssetEntry* body = FindAsset(kPlayerBodySheet);
        const int cx = Round((-kSkinPuffOffset.x + body->width / 2.f) / kPixel);
        const int cy = Round((-kSkinPuffOffset.y + body->height / 2.f) / kPixel);
        const float t = static_cast<float>(f) / (n - 1);
        const int ring = 6 + Round(t * 26.f);
        const int size = std::max(1, Round((1.f - t) * 9.f) + (f < 3 ? 3 : 0));
        const std::array<Rgba, 5> skins{pal::Wood3, pal::Pink, pal::Kelp2, pal::Sea2, pal::Violet};
        // Cloud puffs of uneven sizes around a ring that grows and thins out,
        // rising a little as they go.
        for (int k = 0; k < 11; ++k) {
            const float a = kTau * k / 11.f + t * 0.8f;
            const int r = ring + (k % 3) * 3 - 3;
            const int px = cx + Round(std::cos(a) * r), py = cy + Round(std::sin(a) * r * 0.75f) - Round(t * 6.f);
            const int sz = size + (k % 3) - 1;
            if (sz > 1) {
                s.FillCircle(px, py, sz, pal::Stone2);
                s.FillCircle(px - 1, py - 1, std::max(1, sz - 2), pal::White);
            } else if (sz == 1) {
                s.Set(px, py, pal::Stone2);
            }
        }
        if (f < 3) {  // the flash: a star of light
            const int r = 12 - f * 3;
            s.FillCircle(cx, cy, r / 2 + 2, pal::White);
            s.FillRect(cx - r, cy - 1, 2 * r + 1, 3, pal::Lantern1);
            s.FillRect(cx - 1, cy - r, 3, 2 * r + 1, pal::Lantern1);
        }
        // Sparks in the skins' colours flying out.
        for (int k = 0; k < 12; ++k) {
            const float a = kTau * k / 12.f + 0.3f;
            const int r = 4 + Round(t * 34.f) + (k % 3) * 2;
            const int px = cx + Round(std::cos(a) * r), py = cy + Round(std::sin(a) * r * 0.8f) - Round(t * 4.f);
            const Rgba colour = skins[static_cast<std::size_t>(k % 5)];
            s.FillRect(px, py, 2, 2, colour);
            if (f % 2 == 0) s.Set(px + 1, py - 1, pal::White);
        }
        s.Outline(pal::Ink);
    });
}

template <class Paint>
Painter Sheet(Paint paint) {
    return [paint](Canvas& canvas, const AssetEntry& e) {
        paint::ForEachCell(canvas, e.cellWidth, e.cellHeight, e.framesPerRow,
                           [&](Canvas& cell, int row, int f, int n) { paint(cell, row, f, n); });
    };
}

}  // namespace

void RegisterHubPropArt(PainterRegistry& registry) {
    // The bar and the laboratory are shown at x3: painted at their size.
    registry.Add(kHubDecor[HUB_DECOR_BAR].sheet, Sheet(PaintBarCell));
    registry.Add(kHubDecor[HUB_DECOR_LABORATORY].sheet, Sheet([](Canvas& cell, int, int f, int n) { PaintLabCell(cell, f, n); }));
    registry.Add(kHubDecor[HUB_DECOR_SELLER].sheet, Sheet([](Canvas& cell, int row, int f, int n) {
        PaintSmall(cell, [&](Canvas& s) { PaintSellerCell(s, row, f, n); });
    }));
    registry.Add(kHubDecor[HUB_DECOR_VAT].sheet, Sheet([](Canvas& cell, int row, int f, int n) {
        PaintSmall(cell, [&](Canvas& s) { PaintVatCell(s, row, f, n); });
    }));
    registry.Add(kSkinPuffSheet, Sheet([](Canvas& cell, int, int f, int n) { PaintPuffCell(cell, f, n); }));
    registry.Add(kHubGlowSheet, [](Canvas& c, const AssetEntry&) { PaintGlow(c); });
    registry.Add(kScoreboardSheet, [](Canvas& c, const AssetEntry&) { PaintScoreboard(c, false); });
    registry.Add(kScoreboardLitSheet, [](Canvas& c, const AssetEntry&) { PaintScoreboard(c, true); });
    registry.Add(kDressRoomSheet, [](Canvas& c, const AssetEntry&) { PaintDressRoom(c, false); });
    registry.Add(kDressRoomLitSheet, [](Canvas& c, const AssetEntry&) { PaintDressRoom(c, true); });
    registry.Add(kHubSwordsSheet, [](Canvas& c, const AssetEntry&) { PaintSwords(c); });
}

}  // namespace hub_art
