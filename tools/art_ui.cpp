// Pictures of the interface: the loading screen's runner (the tide-pool
// creature with its arms, running to the right) and the treasure chest
// waiting at the bar's far end.
//
// The loading screen centres both cells on their places and puts the
// runner's centre 100 px above the bar's middle and the chest's bottom on
// the bar's top, so both stand on the bottom rows of their cells. The
// runner is drawn with the player's look (its body, fronds, face and
// arms, the same palette tones) at two screen pixels a pixel, the chest at
// three like the props.
#include <algorithm>
#include <array>
#include <cmath>

#include "art.hpp"

namespace {

using paint::Canvas;
using paint::Point;
using paint::Rgba;
using paint::Mix;
namespace pal = paint::pal;

constexpr float kTau = 6.2831853f;
int Round(float v) { return static_cast<int>(std::lround(v)); }

struct Tones {
    Rgba dark, mid, light;
};
// The player's own coral, as its arms sheet is painted.
constexpr Tones kCoral{pal::Rust1, pal::Coral, pal::CoralLight};

template <class Draw>
void Layer(Canvas& cell, Draw draw) {
    Canvas layer(cell.Width(), cell.Height());
    draw(layer);
    layer.Outline(pal::Ink);
    cell.Blit(layer, 0, 0);
}

// ---- The runner ------------------------------------------------------------------

constexpr int kRunnerPixel = 2;

void PaintRunnerCell(Canvas& c, int f, int n) {
    const int baseline = c.Height() - 3;  // the last row of the feet
    const int cx = c.Width() / 2 + 2;
    const float a = kTau * f / n;
    const int dy = -Round(std::fabs(std::sin(a)) * 4.f);
    const int rx = 14 + (dy == 0 ? 1 : 0), ry = 19 - (dy == 0 ? 1 : 0);
    const int by = baseline - 3 - ry + dy;
    const int shift = Round(std::cos(a) * 6.f);
    const int liftFront = std::max(0, Round(std::sin(a) * 4.f)), liftBack = std::max(0, Round(-std::sin(a) * 4.f));
    // Speed lines and a puff of sand behind the foot that pushes off.
    for (int k = 0; k < 3; ++k) c.FillRect(2 + (f + k * 5) % 8, by - 6 + k * 8, 8 + k * 2, 1, pal::Sand1.WithAlpha(200));
    if (liftBack == 0 && f % 8 < 3) c.FillCircle(cx - 18 - f % 8 * 2, baseline - 2, 2 + f % 8, pal::Sand2.WithAlpha(180));
    const Point shoulderBack{cx - rx + 3, by + 5}, shoulderFront{cx + rx - 3, by + 5};
    // Arms pump at the belly, opposite to the feet.
    const Point handFront{cx + 10 - shift, by + 14 - std::abs(shift) / 3}, handBack{cx - 12 + shift, by + 13 - std::abs(shift) / 3};
    Layer(c, [&](Canvas& l) {
        l.Line(shoulderBack.x, shoulderBack.y, handBack.x, handBack.y, kCoral.dark, 3);
        l.FillCircle(handBack.x, handBack.y, 2, kCoral.mid);
    });
    Layer(c, [&](Canvas& l) {
        // Feet, running.
        l.FillEllipse(cx - 7 - shift, baseline - 2 - liftBack, 5, 2, kCoral.dark);
        l.FillEllipse(cx + 7 + shift, baseline - 2 - liftFront, 5, 2, kCoral.mid);
        // Fronds streaming back.
        const int top = by - ry + 2;
        for (int i = 0; i < 3; ++i) {
            const int x0 = cx - 6 + i * 6, x1 = x0 - 5 + (f % 4 < 2 ? 0 : -1);
            const int y1 = top - 7 + (i == 1 ? -2 : 0);
            l.Line(x0, top + 2, x1, y1, kCoral.mid, 2);
            l.FillCircle(x1, y1, 1, i == 1 ? pal::Lantern1 : kCoral.light);
        }
        // The body, lit from the top left, a pale belly.
        l.FillEllipse(cx, by, rx, ry, kCoral.dark);
        l.FillEllipse(cx - 1, by - 2, rx - 2, ry - 2, kCoral.mid);
        l.FillEllipse(cx - 5, by - ry / 2, rx / 3, ry / 4, kCoral.light);
        l.FillEllipse(cx + 2, by + ry / 2 - 1, rx - 7, ry / 3, pal::Sand2);
        l.FillEllipse(cx + 3, by + ry / 2 + 1, rx - 9, ry / 5, pal::Sand1);
    });
    // The face looking ahead, a determined little mouth.
    const int ex = cx + 6, ey = by - ry / 3;
    for (int side : {-4, 4}) {
        c.FillEllipse(ex + side, ey, 2, 3, pal::White);
        c.FillRect(ex + side + 1, ey, 2, 2, pal::Ink);
    }
    c.Line(ex, ey + 6, ex + 3, ey + 6, pal::Ink);
    Layer(c, [&](Canvas& l) {
        l.Line(shoulderFront.x, shoulderFront.y, handFront.x, handFront.y, kCoral.dark, 3);
        l.Line(shoulderFront.x, shoulderFront.y, handFront.x, handFront.y, kCoral.mid, 1);
        l.FillCircle(handFront.x, handFront.y, 2, kCoral.mid);
    });
}

// ---- The treasure chest ----------------------------------------------------------

constexpr int kChestPixel = 3;

void PaintChestCell(Canvas& c, int f, int n) {
    const int w = c.Width(), floor = c.Height() - 2;
    const int cx = w / 2, cw = 66, ch = 30;
    const int x = cx - cw / 2, y = floor - ch;
    // The lid stands open behind the gold, breathing a little; the gold glows.
    const int lift = Round((std::sin(kTau * f / n) + 1.f) * 1.5f);
    const int lidTop = y - 22 - lift;
    static constexpr int kBayer[4][4] = {{0, 8, 2, 10}, {12, 4, 14, 6}, {3, 11, 1, 9}, {15, 7, 13, 5}};
    for (int yy = lidTop - 26; yy < y + 4; ++yy)  // a halo of sparse light
        for (int xx = cx - 50; xx <= cx + 50; ++xx) {
            const float d = std::hypot((xx - cx) / 50.f, (yy - y + 6) / 34.f);
            if (d < 1.f && kBayer[yy & 3][xx & 3] < static_cast<int>((1.f - d) * 7.f)) c.Set(xx, yy, pal::Lantern0);
        }
    for (int k = 0; k < 5; ++k) {  // rays, dashed, flickering
        const int rx = cx - 20 + k * 10;
        const int len = 14 + (k % 2) * 8 + lift * 2 + ((f + k) % 3);
        for (int t = 4; t < len; ++t)
            if ((t + f) % 4 != 0) c.Set(rx + (k - 2) * t / 5, lidTop - t + 8, t < len / 2 ? pal::Lantern1 : pal::Lantern0);
    }
    Layer(c, [&](Canvas& l) {
        // The lid, seen from below as it stands open: in its own shadow.
        l.FillRoundRect(x + 2, lidTop, cw - 4, y - lidTop, 6, pal::Wood1);
        l.FillRect(x + 6, lidTop + 2, cw - 12, 2, pal::Wood2);
        for (int bx : {x + 8, x + cw - 14}) l.FillRect(bx, lidTop, 6, y - lidTop, Mix(pal::Lantern0, pal::Wood0, 0.45f));
    });
    Layer(c, [&](Canvas& l) {
        // Gold heaped in the open chest.
        l.FillEllipse(cx, y - 1, cw / 2 - 3, 8, pal::Lantern0);
        l.FillEllipse(cx - 4, y - 4, cw / 2 - 12, 5, pal::Lantern1);
        for (int k = 0; k < 6; ++k) l.FillRect(cx - 24 + k * 9, y - 6 + (k % 2) * 3, 3, 1, pal::Lantern0);
        // The body: planks in iron bands.
        l.FillRect(x, y, cw, ch, pal::Wood2);
        for (int py = y + 7; py < y + ch; py += 8) l.FillRect(x + 1, py, cw - 2, 1, pal::Wood1);
        l.FillRect(x, y, cw, 2, pal::Wood3);
        l.FillRect(x + cw - 6, y, 6, ch, pal::Wood1);
        for (int bx : {x + 8, x + cw - 14}) {
            l.FillRect(bx, y, 6, ch, pal::Lantern0);
            l.FillRect(bx, y, 2, ch, pal::Lantern1);
        }
        l.FillRect(x, y + ch - 4, cw, 4, pal::Wood0);
        // The lock.
        l.FillRect(cx - 5, y + 4, 10, 12, pal::Lantern0);
        l.FillRect(cx - 4, y + 5, 4, 4, pal::Lantern1);
        l.FillRect(cx - 1, y + 9, 2, 4, pal::Ink);
    });
    // Coins spilt on the ground beside it, and a gem.
    for (int k = 0; k < 4; ++k) {
        const int kx = x - 10 + k * 5 + (k > 1 ? cw + 8 : 0), ky = floor - 2;
        c.FillEllipse(kx, ky, 3, 1, pal::Ink);
        c.FillEllipse(kx, ky - 1, 2, 1, pal::Lantern1);
    }
    c.FillRect(cx + 12, y - 8, 4, 4, pal::Coral);
    c.Set(cx + 12, y - 8, pal::White);
    // The glint: a bright streak sweeping over the gold and the bands, then
    // a star where it ends.
    const int sweep = f * 3 % (cw + 40) - 20;
    for (int k = 0; k < 6; ++k) {
        const int gx = x + sweep + k, gy0 = y - 8, gy1 = y + ch;
        for (int gy = gy0; gy < gy1; gy += 1) {
            const int sx = gx - (gy - gy0) / 3;
            const Rgba under = c.Get(sx, gy);
            if (under.a == 255 && (under == pal::Lantern0 || under == pal::Lantern1 || under == pal::Wood3))
                c.Set(sx, gy, k < 3 ? pal::White : pal::Lantern1);
        }
    }
    const int star = f % 19;
    if (star < 6) {
        const int sx = f < 19 ? x + cw - 10 : x + 14, sy = f < 19 ? y - 10 : y + 6, r = star < 3 ? star + 1 : 6 - star;
        c.FillRect(sx, sy - r * 2, 1, r * 4 + 1, pal::White);
        c.FillRect(sx - r * 2, sy, r * 4 + 1, 1, pal::White);
        c.FillRect(sx - 1, sy - 1, 3, 3, pal::White);
    }
    // Little sparkles drifting up from the gold.
    for (int k = 0; k < 3; ++k) {
        const int t = (f + k * 13) % n;
        c.Set(cx - 20 + k * 20 + (t / 6) % 2, y - 10 - t, pal::Lantern1);
    }
}

template <class Paint>
Painter Strip(int pixel, Paint paint) {
    return [pixel, paint](Canvas& canvas, const AssetEntry& e) {
        paint::ForEachCell(canvas, e.cellWidth, e.cellHeight, e.framesPerRow, [&](Canvas& cell, int, int f, int n) {
            Canvas small((cell.Width() + pixel - 1) / pixel, (cell.Height() + pixel - 1) / pixel);
            paint(small, f, n);
            cell.BlitScaled(small, 0, 0, pixel, false);
        });
    };
}

}  // namespace

void RegisterUiArt(PainterRegistry& registry) {
    registry.Add("Assets/Sprites/Load/PlayerRunLoading.png", Strip(kRunnerPixel, PaintRunnerCell));
    registry.Add("Assets/Sprites/Load/Tresor.png", Strip(kChestPixel, PaintChestCell));
}
