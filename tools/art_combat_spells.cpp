// The spells that stand on the ground or fill the air: tentacles out of a
// pit, a lightning strike, the burst and its imps. Where the floor falls in
// each frame: art_combat.cpp's header.
#include <algorithm>
#include <array>
#include <cmath>

#include "art_combat_kit.hpp"

namespace combat_art {

namespace {

// ---- Tentacles ---------------------------------------------------------------
// Seven tentacles across the whole frame out of one pit in the floor. The
// ground cracks and sprays sand (frames 0-4), they rise one after another
// with a spring (5-18), then writhe (19-24, the loop: one sway period).
struct TentacleSpec {
    float x, length, radius, curl;
    int rise;  // the frame it starts to rise
};
constexpr std::array<TentacleSpec, 7> kTentacles{{
    {42.f, 118.f, 13.f, -2.2f, 6},
    {92.f, 134.f, 15.f, -2.0f, 4},
    {146.f, 118.f, 13.f, 2.4f, 8},
    {195.f, 140.f, 17.f, -1.8f, 3},
    {246.f, 122.f, 13.f, 2.2f, 7},
    {300.f, 132.f, 15.f, 2.0f, 5},
    {352.f, 116.f, 13.f, 2.7f, 9},
}};
constexpr int kTentacleRiseFrames = 7;
constexpr int kPitRadiusX = 186;
constexpr int kPitRadiusY = 6;

void DrawPit(Canvas& c, int cx, int floor, int rx)
{
    if (rx <= 0)
        return;
    c.FillEllipse(cx, floor + 1, rx, kPitRadiusY, pal::Ink);
    c.FillEllipse(cx + 3, floor + 2, std::max(0, rx - 8), kPitRadiusY - 3, pal::Night0);
}

// Sand and stones thrown up along the pit's front edge, heaped at its ends.
void DrawPitLip(Canvas& c, int cx, int floor, int rx, std::uint32_t seed)
{
    if (rx <= 0)
        return;
    paint::Rng rng(seed);
    Part(c, [&](Canvas& l) {
        for (int x = cx - rx - 6; x <= cx + rx + 6; x += rng.Range(5, 14)) {
            const float q = std::min(1.f, std::fabs(static_cast<float>(x - cx)) / rx);
            const int edge = floor + 1 + Round(kPitRadiusY * std::sqrt(std::max(0.f, 1.f - q * q)));
            const bool end = q > 0.86f;
            const int r = rng.Range(2, 4) + (end ? rng.Range(3, 6) : 0);
            const int y = edge - r / 2 + rng.Range(0, 1);
            if (rng.Range(0, 5) == 0) {  // a pebble
                l.FillEllipse(x, y, r, r - 1, pal::Stone1);
                l.Set(x - 1, y - 1, pal::Stone2);
                continue;
            }
            l.FillEllipse(x, y, r + 2, r, pal::Sand1);
            l.FillEllipse(x - 1, y - r / 2, r, std::max(1, r / 2), pal::Sand2);
            l.FillRect(x - r, y + r - 1, 2 * r + 2, 1, pal::Sand0);
        }
    });
}

void DrawCracks(Canvas& c, int cx, int floor, float spread)
{
    paint::Rng rng(5);
    for (int side : {-1, 1})
        for (int k = 0; k < 3; k++) {
            int x = cx + side * (4 + k * 6), y = floor + 1;
            const int len = Round((60.f + 40.f * k) * spread);
            for (int s = 0; s < len; s += 6) {
                const int nx = x + side * 6, ny = std::clamp(y + rng.Range(-1, 1), floor - 1, floor + 3);
                c.Line(x, y, nx, ny, pal::Ink, 2);
                x = nx, y = ny;
            }
        }
}

// Sand thrown up out of the pit: clods on arcs.
void DrawClods(Canvas& c, int cx, int floor, float t)
{
    if (t <= 0.f || t > 0.45f)
        return;
    paint::Rng rng(11);
    Part(c, [&](Canvas& l) {
        for (int i = 0; i < 22; i++) {
            const float vx = (rng.Unit() * 2.f - 1.f) * 420.f, vy = -260.f - rng.Unit() * 260.f;
            const float x0 = cx + (rng.Unit() * 2.f - 1.f) * 150.f;
            const V2 p{x0 + vx * t, floor + vy * t + 1400.f * t * t};
            if (p.y > floor + 4)
                continue;
            const int s = 2 + i % 3;
            l.FillRect(Round(p.x), Round(p.y), s, s, i % 4 ? pal::Sand1 : pal::Sand0);
            l.Set(Round(p.x), Round(p.y), pal::Sand2);
        }
    });
}

}  // namespace

void PaintTentaclesFrame(Canvas& c, int f, int n)
{
    const int loopStart = SpellDetonation(SPELL_TENTACLES).loopStart;  // one sway from here to the end
    const int cx = c.Width() / 2, floor = FloorRow(c.Height());
    const int pitRx = std::min(kPitRadiusX, f * 70);
    if (f <= 1)
        DrawCracks(c, cx, floor, f == 0 ? 0.6f : 1.f);
    DrawPit(c, cx, floor, pitRx);
    if (pitRx > 0) {  // the spell's glow welling up out of the pit
        Canvas glow(c.Width(), c.Height());
        for (int k = 0; k < 3; k++)
            SoftEllipse(glow, cx, floor - 2, pitRx - 10 * k, 8 + 10 * k, pal::Violet.WithAlpha(40));
        glow.FillRect(0, floor, c.Width(), c.Height(), pal::Clear);
        c.Blit(glow, 0, 0);
    }
    for (int i = 0; i < static_cast<int>(kTentacles.size()); i++) {
        const TentacleSpec& s = kTentacles[i];
        const float risen = EaseBack(static_cast<float>(f - s.rise) / kTentacleRiseFrames);
        if (risen <= 0.f)
            continue;
        const float phase = kTau * (f - loopStart) / (n - loopStart) + i * 1.3f;
        TentacleShape shape{s.length, s.radius, phase, 0.42f, s.curl};
        // Rising pushes the whole tentacle up out of the pit; the part still
        // under the floor is cut away.
        const V2 base{s.x, floor + 3.f + s.length * 0.8f * (1.f - risen)};
        Canvas layer(c.Width(), c.Height());
        DrawTentacle(layer, base, shape);
        layer.FillRect(0, floor + 3, c.Width(), c.Height(), pal::Clear);
        InkOutline(layer);
        layer.FillRect(0, floor + 3, c.Width(), c.Height(), pal::Clear);
        c.Blit(layer, 0, 0);
    }
    DrawPitLip(c, cx, floor, pitRx, 3);
    DrawClods(c, cx, floor, f * kSpellFrameTime);
}

// ---- Lightning -------------------------------------------------------------------
// A storm cloud gathers at the top of the frame, leaders feel their way
// down (frames 3-4), the bolt strikes the floor (5) with forks reaching the
// floor near both sides of the frame, arcs crawl along the floor and the
// ground's cracks glow under it. The loop (12-31) re-strikes: each frame a
// new path, brightness flickering, the forks taking turns.
namespace {

constexpr Tones kStorm{pal::Night0, pal::Night1, pal::Night2};
constexpr float kCloudY = 50.f;
constexpr float kBoltTop = 78.f;
constexpr int kStrikeFrame = 5;

// Bolt width by frame from the strike on: it fades from its first blaze
// to the loop's flicker.
constexpr std::array<int, 20> kLoopWidths{9, 6, 10, 7, 5, 9, 11, 6, 8, 10, 5, 9, 7, 11, 6, 9, 5, 10, 7, 8};

int BoltWidth(int f, int loopStart)
{
    if (f < kStrikeFrame)
        return 0;
    if (f < loopStart)
        return std::max(7, 13 - (f - kStrikeFrame));
    return kLoopWidths[(f - loopStart) % kLoopWidths.size()];
}

// A row of big billows over a row of smaller ones, swelling in the
// middle; the cloud rolls a little as the strike goes on, once per cycle
// of frames.
void DrawStormCloud(Canvas& c, V2 centre, float scale, int f, int cycle)
{
    std::vector<Billow> billows;
    for (int row = 0; row < 2; row++)
        for (int k = 0; k < 9; k++) {
            const float x = (row ? -184.f + 46.f * k : -200.f + 50.f * k) + 3.f * std::sin(kTau * f / cycle + k);
            const float bell = 1.f - (x / 230.f) * (x / 230.f);
            const float y = row ? 24.f : -4.f - 14.f * bell + (k % 2) * 6.f;
            const float r = row ? 16.f + 8.f * bell : 20.f + 20.f * bell + std::sin(2.f * kTau * f / cycle + k) * 1.2f;
            billows.push_back({centre.x + x * scale, centre.y + y * scale, r * scale, &kStorm});
        }
    DrawCloud(c, billows);
}

void DrawFloorArcs(Canvas& c, int cx, int floor, int reach, int f)
{
    paint::Rng rng(400 + f);
    for (int side : {-1, 1}) {
        std::vector<V2> path{{static_cast<float>(cx), floor - 2.f}};
        for (int d = 14; d <= reach; d += rng.Range(10, 18))
            path.push_back({static_cast<float>(cx + side * d), static_cast<float>(floor - rng.Range(1, 9))});
        if (path.size() > 1)
            DrawBolt(c, path, 2);
    }
}

void DrawGroundCracks(Canvas& c, int cx, int floor, float grown, bool bright)
{
    paint::Rng rng(21);
    const Rgba outer = bright ? pal::Lantern0 : pal::Rust1, inner = bright ? pal::Lantern1 : pal::Lantern0;
    for (int k = 0; k < 7; k++) {
        const float a = kPi * (0.12f + 0.76f * k / 6.f);  // fanning down into the ground
        const float len = (40.f + rng.Range(0, 60)) * grown;
        V2 p{cx + (k - 3) * 5.f, floor + 2.f};
        for (float s = 0.f; s < len; s += 9.f) {
            const V2 q = p + Dir(a + (rng.Unit() - 0.5f) * 0.8f) * 9.f;
            c.Line(Round(p.x), Round(p.y), Round(q.x), Round(q.y), outer, 3);
            c.Line(Round(p.x), Round(p.y), Round(q.x), Round(q.y), inner, 1);
            p = q;
        }
    }
}

void DrawSparks(Canvas& c, int cx, int floor, int f)
{
    for (int i = 0; i < 16; i++) {
        const float p = std::fmod(f * 0.11f + i * 0.137f, 1.f);
        const float dir = (i % 2 ? 1.f : -1.f) * (30.f + (i * 37) % 150);
        const V2 at{cx + dir * p, floor - 4.f - 190.f * p + 230.f * p * p};
        c.FillRect(Round(at.x), Round(at.y), 2, 2, i % 3 ? pal::Lantern1 : pal::White);
    }
}

}  // namespace

void PaintLightningFrame(Canvas& c, int f, int n)
{
    const int w = c.Width(), floor = FloorRow(c.Height());
    const int cx = w / 2;
    const int loopStart = SpellDetonation(SPELL_FOUDRE).loopStart;
    const int width = BoltWidth(f, loopStart);
    DrawStormCloud(c, {static_cast<float>(cx), kCloudY}, std::min(1.f, 0.45f + 0.25f * f), f, n - loopStart);
    paint::Rng rng(1000 + f);  // a new path each frame
    if (f == 3 || f == 4) {  // leaders
        const float reach = f == 3 ? 170.f : 290.f;
        for (int k = -1; k <= 1; k++) {
            const auto path = BoltPath(rng, {cx + 20.f * k, kBoltTop}, {cx + 60.f * k, reach - 40.f * std::abs(k)}, 8, 12.f);
            DrawBolt(c, path, 1);
        }
    }
    if (width > 0) {
        const auto main = BoltPath(rng, {cx + rng.Range(-12, 12) * 1.f, kBoltTop}, {cx * 1.f, floor - 1.f}, 14, 26.f);
        // Forks from the main bolt to the floor near the frame's sides.
        const bool left = f % 3 != 1, right = f % 3 != 2;
        for (int side : {-1, 1}) {
            if ((side < 0 && !left) || (side > 0 && !right))
                continue;
            const V2 from = main[rng.Range(5, 8)];
            const V2 to{cx + side * (170.f + rng.Range(0, 50)), floor - 1.f};
            DrawBolt(c, BoltPath(rng, from, to, 10, 16.f), std::max(3, width / 2));
            SoftEllipse(c, Round(to.x), floor, 22, 6, pal::Lantern1.WithAlpha(110));
        }
        for (int k = 0; k < 3; k++) {  // twigs
            const V2 from = main[rng.Range(2, 12)];
            const V2 to = from + V2{(rng.Unit() * 2.f - 1.f) * 60.f, 20.f + rng.Unit() * 40.f};
            DrawBolt(c, BoltPath(rng, from, to, 4, 6.f), 2);
        }
        DrawBolt(c, main, width);
        const int reach = std::min(w / 2 - 6, 50 * (f - kStrikeFrame + 1));
        DrawFloorArcs(c, cx, floor, reach, f);
        DrawGroundCracks(c, cx, floor, std::min(1.f, (f - kStrikeFrame + 1) / 5.f), width >= 5);
        for (int k = 0; k < 8; k++) {  // the strike's splash of light on the floor
            const V2 d = Dir(kPi + kPi * k / 7.f);
            const float len = 18.f + (k % 2 ? 10.f : 22.f) + (f % 3) * 4.f;
            const V2 a = V2{static_cast<float>(cx), floor - 2.f} + d * 8.f, b = a + d * len;
            c.Line(Round(a.x), Round(a.y), Round(b.x), Round(b.y), k % 2 ? pal::Lantern1 : pal::White, 2);
        }
        c.FillEllipse(cx, floor - 2, 12, 5, pal::White);
        DrawSparks(c, cx, floor, f);
    }
}

// ---- The burst and its imps -------------------------------------------------------
// A flash and a shock ring (frames 0-3), a billowing cloud of hellish smoke
// that fills the frame, eyes glinting in it (10-24), then the smoke thins
// and the four imps take shape where the game puts them when the burst
// splits (22-32): its last frame shows them at their spawn places.
namespace {

// The smoke is lit from the fire at its heart: its rims facing the
// middle glow red, its heart glows coral.
constexpr Tones kSmoke{pal::Night0, pal::Night1, pal::Rust1};
constexpr int kBurstPuffs = 22;
constexpr int kEyesFrom = 9;    // eyes glint in the smoke from this frame
constexpr int kImpsFrom = 22;   // the imps take shape from this frame
constexpr int kImpFormFrames = 5;

// Imp j's centre in the burst's frame.
V2 ImpInBurst(const Canvas& c, int j)
{
    return V2{c.Width() / 2.f + kMesperImpOffsets[j].x, c.Height() / 2.f + kMesperImpOffsets[j].y} + kImpCentre;
}

// grow 0..1 swells it out of the flash, thin 0..1 lets it drift apart and
// dissolve.
void DrawSmoke(Canvas& c, V2 centre, float grow, float thin, int f)
{
    std::vector<Billow> billows;
    const float spread = (0.35f + 0.65f * grow) * (1.f + 0.3f * thin);
    for (int i = kBurstPuffs - 1; i >= 0; i--) {  // the heart in front
        const float a = i * 2.39996f + 0.04f * f;
        const float rf = std::sqrt((i + 0.5f) / kBurstPuffs);
        const V2 p = centre + V2{std::cos(a) * 112.f * rf * spread, std::sin(a) * 86.f * rf * spread};
        const float r = (46.f - 14.f * rf + 3.f * std::sin(f * 0.7f + i)) * (0.45f + 0.55f * grow) * (1.f - 0.3f * thin);
        const V2 toHeart = centre - p;
        const float len = std::hypot(toHeart.x, toHeart.y);
        Billow b{p.x, p.y, r, &kSmoke};
        if (len > 4.f)
            b.light = toHeart * (1.f / len);
        billows.push_back(b);
    }
    DrawBillows(c, billows, 1, Round(thin * 16.f));

    // The fire at its heart shows through, wisps rolling across it.
    const float heart = 52.f * grow * (1.f - thin) * (1.f + 0.08f * std::sin(f * 1.3f));
    const std::array<Rgba, 4> rings{pal::Rust1, pal::Coral, pal::Lantern0, pal::Lantern1};
    for (int k = 0; k < 4; k++) {
        const int r = Round(heart * (1.f - 0.25f * k));
        for (int y = -r; y <= r; y++)
            for (int x = -r; x <= r; x++) {
                const int d2 = x * x + y * y;
                const bool edge = d2 > (r - 3) * (r - 3);
                if (d2 <= r * r && (!edge || (x + y) % 2 == 0))
                    c.Set(Round(centre.x) + x, Round(centre.y) + y, rings[k]);
            }
    }
    std::vector<Billow> wisps;
    for (int i = 0; i < 5; i++) {
        const float a = kTau * i / 5.f + 0.09f * f;
        const V2 p = centre + V2{std::cos(a) * heart * 0.8f, std::sin(a) * heart * 0.6f};
        wisps.push_back({p.x, p.y, heart * 0.36f, &kSmoke, Dir(a + kPi)});
    }
    DrawBillows(c, wisps, 0, Round(thin * 16.f));
}

// A pair of eyes glinting in the smoke where an imp will be.
void DrawEyes(Canvas& c, V2 at, bool open)
{
    for (int side : {-1, 1}) {
        const int x = Round(at.x + 6.f + side * 4.f), y = Round(at.y - 3.f);
        if (!open) {
            c.FillRect(x - 2, y, 5, 1, pal::Lantern0);
            continue;
        }
        SoftCircle(c, x, y, 4, pal::Lantern0.WithAlpha(110));
        c.FillRect(x - 2, y - 1, 5, 3, pal::Lantern1);
        c.FillRect(x - 1 - side, y - 2, 3, 1, pal::Lantern1);
        c.Set(x, y, pal::Ink);
    }
}

}  // namespace

void PaintBurstFrame(Canvas& c, int f, int n)
{
    const V2 centre{c.Width() / 2.f, c.Height() / 2.f};
    if (f <= 3) {  // flash and shock ring
        const int ring = 30 + 34 * f;
        c.StrokeEllipse(Round(centre.x), Round(centre.y), ring, ring * 4 / 5, pal::CoralLight);
        c.StrokeEllipse(Round(centre.x), Round(centre.y), ring - 2, ring * 4 / 5 - 2, pal::Lantern1.WithAlpha(160));
    }
    const float grow = f < 2 ? 0.f : std::min(1.f, (f - 1) / 5.f);
    const float thin = Ease((f - kImpsFrom + 1) / 8.f);  // 0 full .. 1 gone
    if (grow > 0.f && thin < 1.f)
        DrawSmoke(c, centre, grow, thin, f);
    if (f <= 2) {
        SoftCircle(c, Round(centre.x), Round(centre.y), 26 + 12 * f, pal::CoralLight.WithAlpha(200));
        StarFlash(c, Round(centre.x), Round(centre.y), 40 + 14 * f, pal::Lantern1, f);
    }
    for (int i = 0; i < 10 && f >= 3; i++) {  // embers swirling in the smoke
        const float a = kTau * i / 10.f + f * 0.25f;
        const float r = 40.f + 60.f * std::fmod(i * 0.37f + f * 0.04f, 1.f);
        const V2 p = centre + V2{std::cos(a) * r * 1.2f, std::sin(a) * r};
        c.FillRect(Round(p.x), Round(p.y), 2, 2, i % 2 ? pal::Lantern0 : pal::Coral);
    }
    for (int j = 0; j < 4; j++) {
        const V2 at = ImpInBurst(c, j);
        if (f >= kEyesFrom && f < kImpsFrom)
            DrawEyes(c, at, (f + 3 * j) % 7 != 0);
        if (f < kImpsFrom)
            continue;
        // The imp takes shape: a shadow of smoke that grows, its colour
        // coming through, its eyes lit all along.
        const float form = std::min(1.f, static_cast<float>(f - kImpsFrom) / kImpFormFrames);
        const float flap = std::fmod(static_cast<float>(f - (n - 1)) / 8.f + 8.f, 1.f);
        Canvas imp(c.Width(), c.Height());
        DrawImp(imp, at, 0.6f + 0.4f * form, flap);
        if (form < 1.f) {
            Canvas shadow = imp;
            Silhouette(shadow, pal::Night1);
            c.Blit(shadow, 0, 0);
            BlitFaded(c, imp, Round(255.f * form));
            DrawEyes(c, at + V2{0.f, std::round(2.f * std::sin(kTau * flap))}, true);
        } else {
            c.Blit(imp, 0, 0);
        }
    }
}

void PaintImpFrame(Canvas& c, int f, int n) { DrawImp(c, kImpCentre, 1.f, static_cast<float>(f) / n); }

}  // namespace combat_art
