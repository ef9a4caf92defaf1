// Pictures of the heads-up display: the framed backs of the health, mana and
// boss bars (the game draws the bars themselves into the frames' windows),
// the red low-health vignette and the coin purse.
#include <algorithm>
#include <cmath>
#include <utility>

#include "art_enemies_kit.hpp"

namespace {

using namespace enemy_art;

// The game draws each bar, 30 px tall, centred on its frame's centre moved
// (2, 1): a frame 12 px wider and 8 px taller than its bar leaves the bar a
// window 8 px in from its left and 5 from its top.
constexpr int kBarOffsetX = 2, kBarOffsetY = 1;
constexpr int kBarHeight = 30;
// The trough under a bar shows a tick every tenth of it.
constexpr int kTicks = 10;

struct Window {
    int x, y, w, h;
};

Window WindowOf(const Canvas& c)
{
    const int w = c.Width() - 12;
    return {(c.Width() - w) / 2 + kBarOffsetX, (c.Height() - kBarHeight) / 2 + kBarOffsetY, w, kBarHeight};
}

enum class Frame { Driftwood, Iron };

struct BarLook {
    Frame frame;
    Rgba tint;         // the trough's hue: the bar's colour, darkened
    Rgba lashing[3];   // rope binding the frame, dark to light
};

// A rope lashing across the frame's top and bottom edges at x.
void Lashing(Canvas& c, const Window& win, int x, const BarLook& look)
{
    for (const auto& [y0, y1] : {std::pair{0, win.y}, std::pair{win.y + win.h, c.Height()}})
        for (int y = y0; y < y1; ++y)
            for (int i = 0; i < 7; ++i) {
                const int d = (i + y) % 3;
                c.Set(x + i, y, i == 0 || i == 6 ? pal::Ink : look.lashing[d]);
            }
}

void PaintBarBack(Canvas& c, const BarLook& look)
{
    const int w = c.Width(), h = c.Height();
    const Window win = WindowOf(c);
    const bool wood = look.frame == Frame::Driftwood;
    const Rgba dark = wood ? pal::Wood1 : pal::Stone0, mid = wood ? pal::Wood2 : pal::Stone1,
               light = wood ? pal::Wood3 : pal::Stone2;
    c.FillRoundRect(0, 0, w, h, 4, pal::Ink);
    c.FillRoundRect(1, 1, w - 2, h - 2, 3, mid);
    c.FillRect(3, 1, w - 6, 1, light);             // lit from above
    c.FillRect(1, 3, 1, h - 6, light);
    c.FillRect(3, h - 2, w - 6, 1, dark);          // shaded below and right
    c.FillRect(w - 2, 3, 1, h - 6, dark);
    paint::Rng rng(static_cast<std::uint32_t>(w * 31 + (wood ? 1 : 2)));
    for (int x = 4; x < w - 4; x += rng.Range(5, 13)) {  // grain, or pitting
        c.Set(x, rng.Range(2, 3), dark);
        c.Set(x + 2, h - 3, wood ? pal::Wood1 : pal::Rust1);
    }
    if (!wood)  // rust creeping along the bottom edge, rivets along the top
        for (int x = 6; x < w - 6; ++x) {
            if ((x * 7) % 13 < 5)
                c.Set(x, h - 2, pal::Rust1);
            if (x % 24 == 0) {
                c.Set(x, 2, pal::White);
                c.Set(x + 1, 3, pal::Ink);
            }
        }
    // The window: a dark trough with an inner shadow, tinted by the bar's
    // colour, and ticks every tenth.
    c.StrokeRect(win.x - 1, win.y - 1, win.w + 2, win.h + 2, pal::Ink);
    c.FillRect(win.x, win.y, win.w, win.h, pal::Night0);
    c.DitherRect(win.x, win.y, win.w, win.h, look.tint, 6);
    c.FillRect(win.x, win.y, win.w, 3, pal::Ink);
    c.FillRect(win.x, win.y + win.h - 1, win.w, 1, pal::Night1);
    for (int i = 1; i < kTicks; ++i) {
        const int x = win.x + win.w * i / kTicks;
        c.FillRect(x, win.y + 3, 1, win.h - 4, pal::Night1);
    }
    if (wood)
        for (const int x : {win.x + win.w / 6, win.x + win.w * 5 / 6})
            Lashing(c, win, x - 3, look);
}

// The low-health vignette: clear in the middle, red towards the edges, in
// dithered bands with the grain of the characters' pixels.
void PaintRedOverlay(Canvas& c, const AssetEntry&)
{
    constexpr int kBayer[4][4] = {{0, 8, 2, 10}, {12, 4, 14, 6}, {3, 11, 1, 9}, {15, 7, 13, 5}};
    constexpr float kClearUpTo = 0.5f, kFullAt = 1.25f;
    constexpr int kBands = 6;
    const float cx = c.Width() / 2.f, cy = c.Height() / 2.f;
    for (int by = 0; by < c.Height(); by += kGrain)
        for (int bx = 0; bx < c.Width(); bx += kGrain) {
            const float dx = (bx + 1.5f - cx) / cx, dy = (by + 1.5f - cy) / cy;
            const float t = Clamp01((std::sqrt(dx * dx + dy * dy) - kClearUpTo) / (kFullAt - kClearUpTo));
            const float level = t * kBands;
            int band = static_cast<int>(level);
            if (kBayer[(by / kGrain) & 3][(bx / kGrain) & 3] < static_cast<int>((level - band) * 16.f))
                ++band;
            if (band == 0)
                continue;
            const Rgba colour = band >= 4 ? pal::Rust0 : pal::Rust1;
            c.FillRect(bx, by, kGrain, kGrain, colour.WithAlpha(static_cast<std::uint8_t>(std::min(255, band * 40))));
        }
}

constexpr Tones kLeather{pal::Wood1, pal::Wood2, pal::Wood3};
constexpr Tones kRope{pal::Sand0, pal::Sand1, pal::Sand2};
constexpr Tones kGold{pal::Wood2, pal::Lantern0, pal::Lantern1};

// A leather coin purse tied with rope, coins showing at its mouth and one
// beside it.
void PaintPurse(Canvas& c, const AssetEntry& e)
{
    Figure fig(e.width / kGrain, e.height / kGrain);
    const float w = static_cast<float>(fig.Result().Width());
    const float mid = w / 2.f;
    for (const V coin : {V{mid + 1.f, 5.f}, V{mid - 4.f, 7.f}, V{mid + 5.f, 7.5f}}) {
        fig.Part(kGold, [&](Canvas& l) { Disc(l, coin, 2.7f, pal::White); }, 1);
        Dot(fig.Detail(), coin + V{-1.f, -1.f}, pal::White);
    }
    fig.Part(kLeather, [&](Canvas& l) {
        Oval(l, {mid, 20.5f}, 11.f, 9.5f, 0.f, pal::White);
        Poly(l, {{mid - 7.f, 9.f}, {mid + 7.f, 9.f}, {mid + 9.f, 14.f}, {mid - 9.f, 14.f}}, pal::White);
        for (int k = -3; k <= 3; ++k)  // the gathered frill of the mouth
            Disc(l, {mid + k * 2.2f, 9.f + (k % 2 ? 0.5f : -0.5f)}, 1.3f, pal::White);
    }, 3, 1);
    fig.Part(kRope, [&](Canvas& l) {
        Capsule(l, {mid - 7.f, 12.f}, {mid + 7.f, 12.f}, 1.f, pal::White);
        Chain(l, {{mid + 3.f, 12.f}, {mid + 6.f, 16.f}, {mid + 5.f, 20.f}}, 0.8f, 0.6f, pal::White);
        Chain(l, {{mid + 3.f, 12.f}, {mid + 8.f, 14.f}, {mid + 9.f, 18.f}}, 0.8f, 0.6f, pal::White);
        Disc(l, {mid + 3.f, 12.f}, 1.5f, pal::White);
    }, 1);
    fig.Part(kGold, [&](Canvas& l) { Oval(l, {w - 6.f, 27.5f}, 3.f, 2.6f, 0.f, pal::White); }, 1);
    Canvas& d = fig.Detail();
    for (int k = 0; k < 4; ++k)  // stitches down the seam
        Dot(d, {mid - 4.f + k * 0.6f, 16.f + k * 2.5f}, pal::Wood1);
    Dot(d, {mid - 6.f, 17.f}, pal::Sand1);
    Dot(d, {mid - 7.f, 18.f}, pal::Sand1);
    Dot(d, {w - 7.f, 26.5f}, pal::White);
    Enlarge(c, fig.Result(), 0, 0);
}

}  // namespace

void RegisterHudArt(PainterRegistry& registry)
{
    const BarLook health{Frame::Driftwood, pal::Rust0, {pal::Rust0, pal::Rust1, pal::Coral}};
    const BarLook mana{Frame::Driftwood, pal::Deep1, {pal::Sea0, pal::Sea1, pal::Sea2}};
    const BarLook boss{Frame::Iron, pal::Rust0, {pal::Rust0, pal::Rust1, pal::Coral}};
    registry.Add("Assets/Sprites/Hud/HPBackBar.png", [health](Canvas& c, const AssetEntry&) { PaintBarBack(c, health); });
    registry.Add("Assets/Sprites/Hud/EnergyBackBar.png", [mana](Canvas& c, const AssetEntry&) { PaintBarBack(c, mana); });
    registry.Add("Assets/Sprites/Hud/BossBackBar.png", [boss](Canvas& c, const AssetEntry&) { PaintBarBack(c, boss); });
    registry.Add("Assets/Sprites/Hud/RedOverlay.png", PaintRedOverlay);
    registry.Add("Assets/Sprites/Maps/Hub/Purse.png", PaintPurse);
}
