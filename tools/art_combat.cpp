// Pictures of the combat subsystem: the thrown bomb and what each spell's
// detonation shows (the strips below), the cards (art_combat_cards.cpp).
//
// How the effects meet their damage. The game centres each entry's sprite
// and its hitbox (the frame's size) on the detonation point, so every strip
// fills its frame where it hurts. A bomb is detonated where it lies: its
// 50 x 50 box rests with its bottom on the ground line (world y 770), its
// centre at y 745, while the level's floor top (the feet of everyone
// standing) is y 760. In a frame h tall centred on the bomb the floor is
// therefore at row h / 2 + 15:
//   sword 57 of 84, cross 207 of 384, anvil 165 of 300 (at first: it falls),
//   tentacles 128 of 225, lightning 344 of 657, burst 144 of 258.
// The tentacles rise out of a pit at that row and the bolt strikes the
// floor there; below it the ground hides everything but the pit's lip and
// the glowing cracks of the strike. The bomb itself sits on the floor line:
// its ball's bottom is cell row 64 (world 760) when its centre is at 745.
#include <algorithm>
#include <array>
#include <cmath>
#include <string>

#include "art_combat_kit.hpp"

namespace {

using namespace combat_art;

void EachFrame(Canvas& sheet, const AssetEntry& e, const std::function<void(Canvas&, int, int)>& paintFrame)
{
    paint::ForEachCell(sheet, e.cellWidth, e.cellHeight, e.framesPerRow,
                       [&](Canvas& cell, int, int f, int n) { paintFrame(cell, f, n); });
}

// ---- The bomb ---------------------------------------------------------------
// It tumbles through two turns in flight and comes to rest upright, its
// ball on the floor.
constexpr float kBombRadius = 19.f;

void PaintBombFrame(Canvas& c, int f, int n)
{
    const bool resting = f == n - 1;
    const float angle = resting ? 0.f : kTau * f / 10.f;
    const V2 centre{c.Width() / 2.f, FloorRow(c.Height()) - 1.f - kBombRadius};
    if (!resting) {  // embers the fuse sheds along the spin, fading behind it
        const std::array<Rgba, 4> embers{pal::Lantern1, pal::Lantern0, pal::Coral, pal::Rust1};
        for (int i = 0; i < 4; i++) {
            const V2 p = centre + Dir(angle - kPi / 2.f + 0.27f - 0.32f * (i + 1)) * (kBombRadius + 14.f);
            c.FillRect(Round(p.x), Round(p.y), i < 2 ? 2 : 1, i < 2 ? 2 : 1, embers[i]);
        }
    }
    DrawBomb(c, centre, kBombRadius, angle, static_cast<float>((f * 7) % 5) / 4.f);
}

// ---- The flying sword ------------------------------------------------------------
// A spectral sword across its frame, point to the right (it always flies
// right). It forms out of a slash of light, draws back, and flies.
constexpr V2 kSwordHilt{36.f, 36.f};
constexpr float kSwordLength = 75.f;
constexpr float kSwordWidth = 15.f;

Canvas SwordLayer(int w, int h, V2 hilt, float tilt)
{
    Canvas l(w, h);
    DrawSword(l, hilt, Dir(tilt), kSwordLength, kSwordWidth);
    InkOutline(l);
    return l;
}

// Wind lines streaming back from the guard, and a fading after-image of
// the sword a little behind it: it is flying.
void SwordStreaks(Canvas& c, const Canvas& sword, float phase)
{
    Canvas ghost(c.Width(), c.Height());
    ghost.Blit(sword, -10, 0);
    Silhouette(ghost, pal::Sea2);
    Dissolve(ghost, 10);
    c.Blit(ghost, 0, 0);
    for (int i = 0; i < 5; i++) {
        const int y = 16 + i * 10 + (i % 2) * 3;
        const int len = 12 + (i * 7) % 14;
        const int x = 34 - ((Round(phase * 24.f) + i * 9) % 24) - len;
        c.FillRect(std::max(0, x), y, len + std::min(0, x), 1, pal::Foam.WithAlpha(220));
        c.FillRect(x + len, y, 5, 1, pal::White);
    }
}

void PaintSwordFrame(Canvas& c, int f, int n)
{
    const int w = c.Width(), h = c.Height();
    const int loopStart = SpellDetonation(SPELL_SWORD).loopStart;  // from here on it flies
    const V2 mid{kSwordHilt.x + 30.f, kSwordHilt.y};
    if (f == 0) {
        StarFlash(c, Round(mid.x), Round(mid.y), 16, pal::Sea2);
        return;
    }
    if (f <= 2) {  // the slash of light the sword forms from
        const int half = f == 1 ? 22 : 52;
        c.FillRect(Round(mid.x) - half, Round(mid.y) - 2, 2 * half, 5, pal::Sea2.WithAlpha(140));
        c.FillRect(Round(mid.x) - half, Round(mid.y) - 1, 2 * half, 3, pal::Foam);
        c.FillRect(Round(mid.x) - half + 4, Round(mid.y), 2 * half - 8, 1, pal::White);
        Glint(c, Round(mid.x) + half - 2, Round(mid.y), 4, pal::White);
        return;
    }
    // Anticipation before the flight: it tips back and draws in.
    const bool drawnBack = f == loopStart - 2;
    const float tilt = drawnBack ? -0.08f : 0.f;
    const V2 hilt = kSwordHilt + V2{drawnBack ? -3.f : 0.f, f >= loopStart ? static_cast<float>(f % 2) : 0.f};
    Canvas sword = SwordLayer(w, h, hilt, tilt);
    const bool flying = f >= loopStart - 1;
    const int pulse = flying ? 2 : (f % 2 ? 2 : 3);
    Halo(c, sword, pulse + 2, pal::Sea1.WithAlpha(70));
    Halo(c, sword, pulse, pal::Sea2.WithAlpha(120));
    if (flying)
        SwordStreaks(c, sword, static_cast<float>(f - loopStart) / (n - loopStart));
    c.Blit(sword, 0, 0);
    if (f <= 5) {  // still white-hot from forming
        Canvas flash = sword;
        Silhouette(flash, pal::White);
        BlitFaded(c, flash, 230 - (f - 3) * 70);
    }
    if (f >= 5 && f < loopStart - 2) {  // a gleam runs up the blade
        const int gx = Round(hilt.x + 10.f + (f - 5) * 20.f);
        for (int y = 0; y < h; y++)
            for (int x = gx; x < gx + 4; x++)
                if (sword.Get(x + (y - Round(hilt.y)) / 2, y) == pal::Stone1 ||
                    sword.Get(x + (y - Round(hilt.y)) / 2, y) == pal::Stone2)
                    c.Set(x + (y - Round(hilt.y)) / 2, y, pal::White);
        Glint(c, gx + 2, Round(hilt.y) - 7, 3, pal::Foam);
    }
}

// ---- The cross of blades ------------------------------------------------------------
// Four swords, one on each diagonal, point at the detonation point. The
// damage boxes wait kXSwordBladeWait out at kXSwordBladeReach, then fly in
// at kXSwordBladeSpeed; the painted blades fly with them. A sword at the
// boxes' first place would stick out of the frame, so while they wait (and
// do no harm) the swords hover as far out as the frame holds, and catch the
// boxes up within a few frames of the flight. Where the boxes end, the
// swords meet in an X that spins away.
constexpr float kCrossBladeLength = 84.f;
constexpr float kCrossBladeWidth = 12.f;
constexpr float kCrossFitReach = 138.f;  // the farthest blade centre that stays inside the frame
constexpr float kCrossCreep = 60.f;      // pixels a second the painted blades move in before the boxes reach them

// How far out (on x and on y) the damage boxes' centres are at time t, or
// a negative value once they have ended.
float BladeReach(float t)
{
    if (t < kXSwordBladeWait)
        return kXSwordBladeReach;
    const float diagonal = std::sqrt(2.f) * kXSwordBladeReach - kXSwordBladeSpeed * (t - kXSwordBladeWait);
    return diagonal < kXSwordBladeEndDistance ? -1.f : diagonal / std::sqrt(2.f);
}

// One cross sword with its blade's middle at `reach` along the diagonal
// (sx, sy), turned by spin around its middle.
void CrossSword(Canvas& l, V2 centre, float sx, float sy, float reach, float spin, float scale)
{
    const float toCentre = std::atan2(-sy, -sx) + spin;
    const V2 bladeMid = centre + V2{sx, sy} * reach;
    const V2 hilt = bladeMid - Dir(toCentre) * (kCrossBladeLength * scale / 2.f);
    DrawSword(l, hilt, Dir(toCentre), kCrossBladeLength * scale, kCrossBladeWidth * scale);
}

void CrossStreaks(Canvas& c, V2 centre, float sx, float sy, float from, float to)
{
    for (int k = -1; k <= 1; k++) {
        const V2 off = V2{-sy, sx} * (6.f * k);
        const V2 a = centre + V2{sx, sy} * from + off, b = centre + V2{sx, sy} * (to - 8.f * std::abs(k)) + off;
        c.Line(Round(a.x), Round(a.y), Round(b.x), Round(b.y), k == 0 ? pal::Lantern1 : pal::Lantern0.WithAlpha(170));
    }
}

// The first frame in which the damage boxes have ended.
int FirstFrameMet()
{
    int f = 0;
    while (BladeReach(FrameMid(f)) > 0.f)
        f++;
    return f;
}

void PaintCrossFrame(Canvas& c, int f, int n)
{
    const V2 centre{c.Width() / 2.f, c.Height() / 2.f};
    const float t = FrameMid(f);
    const float reach = BladeReach(t);
    const std::array<V2, 4> diagonals{{{-1.f, -1.f}, {1.f, -1.f}, {-1.f, 1.f}, {1.f, 1.f}}};
    Canvas blades(c.Width(), c.Height());
    int flash = 0;
    if (reach > 0.f) {
        const bool waiting = t < kXSwordBladeWait;
        // Once they fly, the painted blades set off inwards at once and the
        // boxes, faster, catch them up.
        const float hold = waiting ? kCrossFitReach : kCrossFitReach - kCrossCreep * (t - kXSwordBladeWait);
        const float drawn = std::min(reach, hold) + (waiting && f >= 7 ? (f % 2 ? 1.f : -1.f) : 0.f);
        const float spin = waiting ? kTau * 1.5f * std::pow(std::max(0.f, 1.f - f / 6.f), 2.f) : 0.f;
        for (const V2& d : diagonals) {
            CrossSword(blades, centre, d.x, d.y, drawn, d.x * spin, 1.f);
            if (!waiting)  // where they come from, out to the frame's corner
                CrossStreaks(c, centre, d.x, d.y, drawn + 30.f, drawn + 30.f + std::min(90.f, reach - drawn + 40.f));
        }
        if (f <= 2) {  // the rays that throw the blades out
            for (const V2& d : diagonals)
                CrossStreaks(c, centre, d.x, d.y, 10.f, 10.f + 45.f * (f + 1));
            StarFlash(c, Round(centre.x), Round(centre.y), 34 - 10 * f, pal::Lantern1, f);
        }
        flash = f <= 3 ? 230 - 60 * f : 0;
    } else {
        // Met: an X that spins faster and shrinks away.
        const int since = f - FirstFrameMet();
        const float spin = 0.12f * since * since;
        const float scale = std::max(0.25f, 1.f - 0.11f * since);
        for (const V2& d : diagonals)
            CrossSword(blades, centre, d.x, d.y, 44.f * scale, 0.f, scale);
        Canvas turned(c.Width(), c.Height());  // the whole X turned about the centre
        const float ca = std::cos(spin), sa = std::sin(spin);
        for (int y = 0; y < c.Height(); y++)
            for (int x = 0; x < c.Width(); x++) {
                const float dx = x - centre.x, dy = y - centre.y;
                turned.Set(x, y, blades.Get(Round(centre.x + ca * dx + sa * dy), Round(centre.y - sa * dx + ca * dy)));
            }
        blades = turned;
        if (since <= 1)
            StarFlash(c, Round(centre.x), Round(centre.y), 46 - 14 * since, pal::Lantern1, since);
        for (int i = 0; i < 8; i++) {  // sparks thrown off the spin
            const V2 p = centre + Dir(spin * 1.5f + kTau * i / 8.f) * (30.f + 14.f * since);
            Glint(c, Round(p.x), Round(p.y), since < 5 ? 2 : 1, pal::Lantern1);
        }
        flash = since == 0 ? 160 : 0;
    }
    InkOutline(blades);
    Halo(c, blades, 3, pal::Lantern0.WithAlpha(90));
    Halo(c, blades, 1, pal::Lantern1.WithAlpha(120));
    const int fade = std::min(255, (n - f) * 50);  // the last frames fade out
    BlitFaded(c, blades, fade);
    if (flash > 0) {
        Silhouette(blades, pal::White);
        BlitFaded(c, blades, flash);
    }
}

// ---- The anvil ------------------------------------------------------------------------
// A ship's anvil as big as the frame, horn to the left. It pops out of a
// puff of smoke and falls; the loop is its fall, wind streaking past.
constexpr int kAnvilTop = 26;
constexpr int kAnvilSide = 8;

constexpr Tones kDust{pal::Stone1, pal::Stone2, pal::Bone};
constexpr int kStreakStep = 6;  // pixels a frame: over the loop's frames they move one period

// Wind streaking up past the falling anvil: over its face, and through the
// gaps under its horn, its heel and between its feet.
void AnvilStreaks(Canvas& c, int f, int loopFrames)
{
    const int w = c.Width(), h = c.Height();
    const int period = kStreakStep * loopFrames;
    struct Lane {
        float x;
        int top, bottom;
    };
    const std::array<Lane, 14> lanes{{{0.08f, 0, kAnvilTop}, {0.2f, 0, kAnvilTop}, {0.33f, 0, kAnvilTop},
                                      {0.46f, 0, kAnvilTop}, {0.58f, 0, kAnvilTop}, {0.71f, 0, kAnvilTop},
                                      {0.84f, 0, kAnvilTop}, {0.95f, 0, kAnvilTop}, {0.06f, 110, 250},
                                      {0.17f, 120, 230}, {0.82f, 130, 240}, {0.93f, 140, 260}, {0.47f, 250, h},
                                      {0.53f, 262, h}}};
    for (int i = 0; i < static_cast<int>(lanes.size()); i++) {
        const Lane& lane = lanes[i];
        const int x = Round(lane.x * w);
        const int len = 14 + (i * 7) % 16;
        for (int y0 = lane.bottom - ((f * kStreakStep + i * 11) % period); y0 > lane.top - len; y0 -= period)
            for (int y = std::max(lane.top, y0 - len); y < std::min(lane.bottom, y0); y++)
                if (c.Get(x, y).a == 0)
                    c.Set(x, y, (y < y0 - len / 2 ? pal::Stone2 : pal::White).WithAlpha(y < y0 - len / 2 ? 150 : 210));
    }
}

// The puff of dust the anvil pops out of, blown apart over frames 0-7.
void AnvilPoof(Canvas& c, int f)
{
    const float t = f / 8.f;
    const V2 centre{c.Width() / 2.f, c.Height() / 2.f + 10.f};
    paint::Rng rng(31);
    std::vector<Billow> billows;
    for (int i = 0; i < 40; i++) {  // two rings, the inner one a little behind
        const float ring = i % 2 ? 0.4f : 0.5f;
        const float a = kTau * i / 40.f + rng.Unit() * 0.15f;
        const float out = 0.85f + 0.5f * t;
        const float r = (30.f + rng.Range(0, 16) - (i % 2) * 6.f) * std::pow(1.f - t, 0.8f);
        billows.push_back({centre.x + std::cos(a) * c.Width() * ring * out,
                           centre.y + std::sin(a) * c.Height() * ring * out, r, &kDust});
    }
    DrawBillows(c, billows);
}

void PaintAnvilFrame(Canvas& c, int f, int n)
{
    const int w = c.Width(), h = c.Height();
    const int loopStart = SpellDetonation(SPELL_ANVIL).loopStart;
    const int jitter = f >= loopStart ? ((f - loopStart) % 2) : 0;  // buffeted as it falls
    Canvas anvil(w, h);
    DrawAnvil(anvil, kAnvilSide + jitter, kAnvilTop, w - 2 * kAnvilSide, h - kAnvilTop - 2);
    InkOutline(anvil, 2);
    c.Blit(anvil, 0, 0);
    if (f >= 5)
        AnvilStreaks(c, f, n - loopStart);
    if (f <= 1) {  // it pops into being white-hot
        Canvas flash = anvil;
        Silhouette(flash, pal::White);
        BlitFaded(c, flash, 230 - f * 110);
    }
    if (f <= 7)
        AnvilPoof(c, f);
}

}  // namespace

void RegisterCombatArt(PainterRegistry& registry)
{
    auto strip = [&](const SpellPicture& picture, void (*paintFrame)(Canvas&, int, int)) {
        registry.Add(picture.sheet,
                     [paintFrame](Canvas& sheet, const AssetEntry& e) { EachFrame(sheet, e, paintFrame); });
    };
    strip(BombPicture(), PaintBombFrame);
    strip(SpellDetonation(SPELL_SWORD), PaintSwordFrame);
    strip(SpellDetonation(SPELL_XSWORD), PaintCrossFrame);
    strip(SpellDetonation(SPELL_ANVIL), PaintAnvilFrame);
    strip(SpellDetonation(SPELL_TENTACLES), PaintTentaclesFrame);
    strip(SpellDetonation(SPELL_FOUDRE), PaintLightningFrame);
    strip(SpellDetonation(SPELL_MESPER), PaintBurstFrame);
    strip(MesperImpPicture(), PaintImpFrame);
    RegisterCardArt(registry);
}
