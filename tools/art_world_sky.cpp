// Pictures behind and above the level: the sky, the sun, the five parallax
// layers, and the decor that crosses them (boat, parrots) or boils in the
// boss arena.
//
// The sea at sunset, far to near: haze and clouds over the open sea (layer
// 5), sea stacks and a lighthouse (4), a headland (3), wrecks (2), rocks and
// old pilings (1). Background pictures have no outline; the farther a layer,
// the closer its colours sit to the haze, so the playfield reads first.
// Layers are painted at a third of their size and shown with each pixel
// three wide, like the characters drawn at x3.
#include <algorithm>
#include <array>
#include <cmath>
#include <string>
#include <vector>

#include "art_world_kit.hpp"
#include "engine/layout_table.hpp"

namespace {

using namespace world_art;

constexpr int kPixel = 3;                 // one background pixel is 3 x 3 on screen
constexpr int kHorizonWorldY = 300;
constexpr int kSunX = 1200;               // where the sun stands in its picture and on layer 5
constexpr int kSunY = kHorizonWorldY - 60 - kLayerTop;

// World y to a row of a layer painted at a third of its size.
constexpr int Lo(int worldY) { return (worldY - kLayerTop) / kPixel; }
constexpr int kHorizon = Lo(kHorizonWorldY);

// The evening haze that far shapes fade into, and the colours of each
// distance: index 0 nearest.
constexpr Rgba kHaze{196, 150, 168, 255};
struct Depth {
    Rgba dark, mid, light;
};
constexpr Depth kDepths[] = {
    {{28, 36, 58, 255}, {42, 56, 82, 255}, {74, 86, 112, 255}},      // layer 1: rocks
    {{52, 50, 86, 255}, {70, 66, 104, 255}, {116, 98, 128, 255}},    // layer 2: wrecks
    {{92, 80, 118, 255}, {110, 94, 132, 255}, {150, 118, 146, 255}}, // layer 3: headland
    {{134, 110, 144, 255}, {150, 122, 152, 255}, {178, 140, 160, 255}},  // layer 4: stacks
};

// Draws a shape three times, a tile apart, so what crosses a tile's edge
// comes back in at the other side and the tiles meet without a seam.
template <class Draw>
void Wrapped(int tileWidth, Draw draw) {
    for (int k = -1; k <= 1; ++k) draw(k * tileWidth);
}

Canvas ScaledUp(const Canvas& small, int scale, int width, int height) {
    Canvas big(width, height);
    big.BlitScaled(small, 0, 0, scale, false);
    return big;
}

// ---- Sky and sun ---------------------------------------------------------

void PaintSky(Canvas& c) {
    // Four-pixel dither cells: the 16-pixel pattern divides the 256 tile.
    constexpr int kSkyPixel = 4;
    Canvas sky(c.Width() / kSkyPixel, c.Height() / kSkyPixel);
    const int horizon = (kHorizonWorldY - kLayerTop) / kSkyPixel;
    const int dusk = (-1400 - kLayerTop) / kSkyPixel;  // above this only night shows in a level
    const Rgba night[] = {pal::Night0, pal::Night0, pal::Night1};
    sky.GradientRect(0, 0, sky.Width(), dusk, night);
    const Rgba evening[] = {pal::Night1, pal::Night2, Rgba{168, 100, 140, 255}, Rgba{214, 124, 120, 255},
                            pal::CoralLight, Rgba{250, 198, 140, 255}};
    sky.GradientRect(0, dusk, sky.Width(), horizon - dusk, evening);
    sky.FillRect(0, horizon, sky.Width(), sky.Height() - horizon, pal::Deep1);
    c.Blit(ScaledUp(sky, kSkyPixel, c.Width(), c.Height()), 0, 0, false);
}

void PaintSun(Canvas& c) {
    Canvas sun((c.Width() + kPixel - 1) / kPixel, (c.Height() + kPixel - 1) / kPixel);
    const int cx = kSunX / kPixel, cy = kSunY / kPixel;
    sun.FillCircle(cx, cy, 70, Rgba{250, 190, 140, 40});
    sun.FillCircle(cx, cy, 54, Rgba{252, 210, 150, 60});
    sun.FillCircle(cx, cy, 40, pal::Lantern1);
    sun.FillCircle(cx - 4, cy - 5, 30, Rgba{254, 240, 190, 255});
    // The classic sunset cut: thin bands of sky across the lower disc.
    for (int k = 0, y = cy + 6; y < cy + 40; ++k, y += 7 - std::min(k, 3))
        sun.FillRect(cx - 41, y, 83, 1 + k / 2, Rgba{248, 176, 128, 255});
    c.Blit(ScaledUp(sun, kPixel, c.Width(), c.Height()), 0, 0, false);
}

// ---- Shapes shared by the layers -------------------------------------------

// A column-by-column silhouette: tops[i] is the top row of column x0 + i,
// down to `base`. Lit on the slopes that face the top left, shaded on the
// right third, with a few dark strata.
void Silhouette(Canvas& c, int x0, const std::vector<int>& tops, int base, Depth d, std::uint32_t seed) {
    paint::Rng rng(seed);
    const int n = static_cast<int>(tops.size());
    std::vector<int> strata(4);
    for (int& s : strata) s = rng.Range(6, 40);
    for (int i = 0; i < n; ++i) {
        const int x = x0 + i, top = tops[i];
        if (top >= base) continue;
        c.FillRect(x, top, 1, base - top, d.mid);
        const bool facingLight = i == 0 || tops[i - 1] >= top;
        c.FillRect(x, top, 1, facingLight ? 3 : 1, d.light);
        if (i > n * 2 / 3) c.DitherRect(x, top + 2, 1, base - top - 2, d.dark, 8 + 6 * (i - n * 2 / 3) / std::max(1, n / 3));
        for (int s : strata)
            if (top + s < base && (x + s) % 9 < 6) c.Set(x, top + s, d.dark);
    }
}

// Tops of a rock of half-width hw and height h: a leaning, terraced mass
// (its strata break it into ledges), crown from 0 (peaked) to 1 (flat).
std::vector<int> RockTops(int hw, int h, int base, float crown, std::uint32_t seed) {
    paint::Rng rng(seed);
    const float lean = 0.35f + 0.3f * rng.Unit();  // where the crown sits, 0..1 across
    const int terraces = 4 + rng.Range(0, 3);
    std::vector<int> tops(static_cast<std::size_t>(2 * hw + 1));
    int notch = 0;
    for (int i = 0; i <= 2 * hw; ++i) {
        if (i % 3 == 0) notch = rng.Range(0, 2) == 0 ? rng.Range(1, 3) : 0;
        const float u = static_cast<float>(i) / static_cast<float>(2 * hw);
        const float side = u < lean ? u / lean : (1.f - u) / (1.f - lean);  // 0 at the feet, 1 at the crown
        const float shape = std::pow(std::min(1.f, side / std::max(0.05f, 1.f - crown * 0.7f)), 0.5f);
        const float stepped = std::floor(shape * terraces + 0.5f * rng.Unit()) / static_cast<float>(terraces);
        tops[static_cast<std::size_t>(i)] = base - static_cast<int>(static_cast<float>(h) * std::min(1.f, stepped)) + notch;
    }
    return tops;
}

// Foam and a broken reflection where a shape meets the sea.
void Waterline(Canvas& c, int x, int w, int base, Depth d) {
    c.FillRect(x + 1, base, w - 2, 1, Mix(d.light, pal::Foam, 0.35f));
    for (int k = 1; k < 6; ++k)
        for (int i = (k % 2) * 2; i < w - k; i += 4) c.FillRect(x + k / 2 + i, base + k, 2, 1, d.dark.WithAlpha(static_cast<std::uint8_t>(200 - k * 30)));
}

// ---- Layer 5: the open sea, its haze and high clouds -----------------------

// A long evening cloud: a flat, sunlit underside and a lumpy top.
void Cloud(Canvas& c, int x, int y, int length, std::uint32_t seed) {
    paint::Rng rng(seed);
    const Rgba top{150, 100, 146, 200}, body{184, 118, 148, 210}, underside{246, 168, 138, 230};
    for (int k = 0, bx = x; bx < x + length; ++k, bx += rng.Range(5, 12)) {
        const int r = std::min({rng.Range(3, 7), (bx - x) / 2 + 2, (x + length - bx) / 2 + 2});
        c.FillEllipse(bx, y - r / 2, r + 2, r, top);
    }
    c.FillRect(x, y - 1, length, 3, body);
    for (int k = 0, bx = x + 2; bx < x + length - 2; ++k, bx += rng.Range(6, 14))
        c.FillRect(bx, y + 1, std::min(rng.Range(4, 12), x + length - 2 - bx), 1, underside);
    c.FillRect(x + 3, y + 2, length - 6, 1, underside);
}

void PaintFarSea(Canvas& c) {
    const int w = c.Width();
    paint::Rng rng(501);
    for (int k = 0; k < 9; ++k) {
        const int x = rng.Range(0, w), y = Lo(-700) + rng.Range(0, Lo(200) - Lo(-700));
        const int len = rng.Range(40, 130);
        const std::uint32_t seed = 600u + static_cast<std::uint32_t>(k);
        Wrapped(w, [&](int dx) { Cloud(c, x + dx, y, len, seed); });
    }
    // The sea: it takes the sky's glow at the horizon and deepens toward us.
    const Rgba sea[] = {Rgba{214, 150, 150, 255}, Rgba{150, 112, 146, 255}, Rgba{78, 78, 120, 255}, pal::Deep1, pal::Deep0};
    c.GradientRect(0, kHorizon, w, Lo(760) - kHorizon, sea);
    c.FillRect(0, Lo(760), w, c.Height() - Lo(760), pal::Deep0);
    // A far coast, barely there, on part of the horizon.
    for (int x = 0; x < w; ++x) {
        const double s = std::sin(2.0 * kPi * x / w) + 0.4 * std::sin(6.0 * kPi * x / w + 1.0);
        const int h = static_cast<int>(std::max(0.0, s) * 5.0);
        if (h > 0) c.FillRect(x, kHorizon - h, 1, h, Rgba{184, 128, 158, 255});
    }
    c.FillRect(0, kHorizon, w, 1, Rgba{244, 196, 160, 255});
    // Swell: short light dashes, closer together near the horizon.
    for (int y = kHorizon + 3, gap = 3; y < Lo(760); y += gap, gap = std::min(gap + 1, 14))
        for (int i = 0, x = rng.Range(0, 30); x < w; ++i, x += rng.Range(30, 90))
            c.FillRect(x, y, rng.Range(3, 10), 1, Rgba{228, 170, 160, static_cast<std::uint8_t>(std::max(40, 160 - (y - kHorizon) * 2))});
    // The sun's road across the water.
    for (int y = kHorizon + 1, row = 0; y < Lo(700); y += 2, ++row) {
        const int half = 8 + row / 2;
        for (int x = kSunX / kPixel - half + (row * 5) % 7; x < kSunX / kPixel + half; x += 6 + row % 3)
            c.FillRect(x, y, 3 + (row % 2), 1, row < 12 ? pal::Lantern1 : pal::CoralLight.WithAlpha(200));
    }
}

// ---- Layer 4: sea stacks and a lighthouse ----------------------------------

void Lighthouse(Canvas& c, int x, int base, Depth d) {
    for (int y = 0; y < 26; ++y) {
        const int half = 3 - y / 10;
        c.FillRect(x - half, base - y, 2 * half + 1, 1, (y / 5) % 2 ? Rgba{176, 112, 130, 255} : Rgba{214, 178, 182, 255});
    }
    c.FillRect(x - 2, base - 30, 5, 4, pal::Lantern1);
    c.FillRect(x - 3, base - 32, 7, 2, d.dark);
    c.FillRect(x - 1, base - 34, 3, 2, d.dark);
    for (int k = 1; k < 40; ++k)  // the beam, thinning out over the sea
        c.DitherRect(x - 2 - k * 2, base - 29 - k / 8, 2, 1 + k / 10, pal::Lantern1.WithAlpha(90), 16 - k * 2 / 5);
}

void PaintStacks(Canvas& c) {
    const int w = c.Width();
    const Depth d = kDepths[3];
    struct Stack {
        int x, hw, h;
        float crown;
    };
    const Stack stacks[] = {{60, 18, 70, 0.35f}, {98, 9, 40, 0.2f}, {300, 26, 96, 0.5f}, {352, 10, 30, 0.1f},
                            {520, 14, 54, 0.3f}, {560, 7, 24, 0.1f}};
    for (std::size_t k = 0; k < std::size(stacks); ++k) {
        const Stack& s = stacks[k];
        const auto tops = RockTops(s.hw, s.h, kHorizon + 2, s.crown, 410u + static_cast<std::uint32_t>(k));
        Wrapped(w, [&](int dx) {
            Silhouette(c, s.x - s.hw + dx, tops, kHorizon + 2, d, 420u + static_cast<std::uint32_t>(k));
            Waterline(c, s.x - s.hw + dx, 2 * s.hw + 1, kHorizon + 2, d);
        });
    }
    // The lighthouse stands on the crown of the tallest stack.
    const auto crown = RockTops(stacks[2].hw, stacks[2].h, kHorizon + 2, stacks[2].crown, 412u);
    Wrapped(w, [&](int dx) { Lighthouse(c, stacks[2].x + dx, *std::max_element(crown.begin() + 20, crown.begin() + 32), d); });
}

// ---- Layer 3: a headland ---------------------------------------------------

void PaintHeadland(Canvas& c) {
    const int w = c.Width(), base = kHorizon + 6;
    const Depth d = kDepths[2];
    // A long cape: cliffs on its seaward ends, rolling down in the middle.
    constexpr int kStart = 440, kLength = 400;
    std::vector<int> tops(kLength);
    paint::Rng rng(333);
    int step = 0;
    for (int i = 0; i < kLength; ++i) {
        if (i % 6 == 0) step = rng.Range(-1, 1);
        const double t = static_cast<double>(i) / kLength;
        const double hill = 38 + 16 * std::sin(t * 2 * kPi * 1.5) + 8 * std::sin(t * 2 * kPi * 4 + 1);
        const double edge = std::min({1.0, i / 14.0, (kLength - 1 - i) / 30.0});
        tops[static_cast<std::size_t>(i)] = base - static_cast<int>(hill * std::sqrt(std::max(0.0, edge))) + step;
    }
    Wrapped(w, [&](int dx) {
        Silhouette(c, kStart + dx, tops, base, d, 340u);
        Waterline(c, kStart + dx, kLength, base, d);
        // A few cottage roofs on the ridge, one lit window each.
        for (int k = 0; k < 4; ++k) {
            const int hx = kStart + 140 + k * 23 + dx, ht = tops[static_cast<std::size_t>(140 + k * 23)];
            c.FillRect(hx, ht - 5, 7, 6, d.dark);
            const paint::Point roof[] = {{hx - 1, ht - 5}, {hx + 3, ht - 9}, {hx + 8, ht - 5}};
            c.FillPolygon(roof, d.light);
            c.Set(hx + 2, ht - 3, pal::Lantern0);
        }
    });
}

// ---- Layer 2: wrecks ---------------------------------------------------------

void Wreck(Canvas& c, int x, int base, int length, int tilt, bool twoMasts, Depth d) {
    // The hull sits low, its stern broken off and its bow up.
    const paint::Point hull[] = {{x, base - 10 - tilt}, {x + length, base - 16}, {x + length - 6, base},
                                 {x + 8, base}, {x - 4, base - 4 - tilt}};
    c.FillPolygon(hull, d.mid);
    c.Line(x, base - 10 - tilt, x + length, base - 16, d.light);
    for (int k = 1; k < 4; ++k) c.Line(x + 2, base - 10 - tilt + k * 3, x + length - 4, base - 16 + k * 4, d.dark);
    for (int gap = x + length / 3; gap < x + length / 3 + 10; gap += 2) c.FillRect(gap, base - 8, 1, 5, d.dark);  // stove-in planks
    const int masts = twoMasts ? 2 : 1;
    for (int m = 0; m < masts; ++m) {
        const int mx = x + length / 3 + m * length / 3, lean = m == 0 ? 6 : -8;
        // The fore mast still stands with a rag of sail; the last one snapped.
        const bool snapped = m == masts - 1;
        const int mh = snapped ? 26 : 70;
        c.Line(mx, base - 12, mx + lean, base - 12 - mh, d.dark, 2);
        if (snapped) {
            c.Set(mx + lean - 1, base - 13 - mh, d.dark);
            c.Line(mx + lean, base - 10 - mh, mx + lean + 22, base - 2, d.dark);  // its yard hangs down
            continue;
        }
        c.Line(mx + lean * 2 / 3 - 12, base - 12 - mh * 2 / 3, mx + lean * 2 / 3 + 14, base - 14 - mh * 2 / 3, d.dark);
        const paint::Point rag[] = {{mx + lean * 2 / 3 - 10, base - 11 - mh * 2 / 3}, {mx + lean * 2 / 3 + 12, base - 13 - mh * 2 / 3},
                                    {mx + lean / 3 + 8, base - 12 - mh / 3}, {mx + lean / 3 + 2, base - 18 - mh / 3},
                                    {mx + lean / 3 - 6, base - 10 - mh / 3}};
        c.FillPolygon(rag, Mix(d.light, kHaze, 0.3f));
        c.Line(mx + lean, base - 12 - mh, x - 2, base - 10 - tilt, d.dark.WithAlpha(150));  // a stay still taut
    }
    Waterline(c, x - 4, length + 6, base, d);
}

void PaintWrecks(Canvas& c) {
    const int w = c.Width(), base = Lo(400);
    const Depth d = kDepths[1];
    Wrapped(w, [&](int dx) {
        Wreck(c, 90 + dx, base, 110, 16, true, d);
        Wreck(c, 400 + dx, base + 4, 70, 8, false, d);
    });
}

// ---- Layer 1: near rocks and old pilings ----------------------------------

void Kelp(Canvas& c, int x, int base, int h, Depth d) {
    for (int y = 0; y < h; ++y) c.Set(x + ((y / 3) % 2), base - y, y % 4 ? pal::Kelp0 : Mix(pal::Kelp1, d.mid, 0.5f));
}

void PaintNearRocks(Canvas& c) {
    const int w = c.Width(), base = Lo(680);
    const Depth d = kDepths[0];
    struct Rock {
        int x, hw, h;
    };
    const Rock rocks[] = {{40, 46, 40}, {104, 22, 20}, {250, 34, 26}, {470, 52, 50}, {540, 24, 18}, {610, 30, 30}};
    for (std::size_t k = 0; k < std::size(rocks); ++k) {
        const Rock& r = rocks[k];
        const auto tops = RockTops(r.hw, r.h, base, 0.25f, 150u + static_cast<std::uint32_t>(k));
        Wrapped(w, [&](int dx) {
            Silhouette(c, r.x - r.hw + dx, tops, base + 40, d, 160u + static_cast<std::uint32_t>(k));
            for (int i = 4; i < 2 * r.hw; i += 9) Kelp(c, r.x - r.hw + i + dx, base + 40, 8 + (i * 7) % 12, d);
        });
    }
    // The stumps of an old pier walk out to sea between the rocks.
    for (int k = 0; k < 7; ++k) {
        const int px = 300 + k * 20, top = base - 26 + k * 3 + (k % 2) * 5;
        Wrapped(w, [&](int dx) {
            c.FillRect(px + dx, top, 5, base + 40 - top, d.mid);
            c.FillRect(px + dx, top, 1, base + 40 - top, d.light);
            c.FillRect(px + 3 + dx, top, 2, base + 40 - top, d.dark);
            c.FillRect(px + dx, top, 5, 1, d.light);
        });
    }
    c.FillRect(0, base + 40, w, c.Height() - base - 40, d.dark);
}

void PaintLayer(Canvas& c, int layer) {
    Canvas small(c.Width() / kPixel, c.Height() / kPixel);
    switch (layer) {
    case 1: PaintNearRocks(small); break;
    case 2: PaintWrecks(small); break;
    case 3: PaintHeadland(small); break;
    case 4: PaintStacks(small); break;
    default: PaintFarSea(small); break;
    }
    c.Blit(ScaledUp(small, kPixel, c.Width(), c.Height()), 0, 0, false);
}

// ---- Decor -------------------------------------------------------------------

// A ship far out, sailing left (the game mirrors it for the other way),
// small in its cell: the cell is shown at x3 and the ship must read as
// distant. It bobs on a five-frame swell; its waterline is near world y 440.
void PaintBoat(Canvas& sheet, const AssetEntry& e) {
    paint::ForEachCell(sheet, e.cellWidth, e.cellHeight, e.framesPerRow, [](Canvas& c, int, int frame, int) {
        constexpr int kBob[] = {0, 1, 1, 0, -1};
        const Depth d = kDepths[1];
        const int x = 200, water = 147, y = water + kBob[frame];
        const Rgba sail = Rgba{236, 196, 176, 255}, sailShade{190, 150, 160, 255};
        // Hull: bow to the left, a raised stern castle to the right.
        const paint::Point hull[] = {{x - 4, y - 9}, {x + 46, y - 9}, {x + 50, y - 14}, {x + 58, y - 14},
                                     {x + 56, y - 2}, {x + 50, y}, {x + 6, y}};
        c.FillPolygon(hull, d.mid);
        c.FillRect(x, y - 9, 50, 1, d.light);
        c.FillRect(x + 4, y - 6, 46, 1, Rgba{150, 80, 80, 255});  // a faded stripe of paint
        c.FillRect(x + 6, y - 2, 46, 2, d.dark);
        // Two masts, square sails filled by the wind from behind.
        for (int m = 0; m < 2; ++m) {
            const int mx = x + 16 + m * 22, top = y - 44 + m * 6;
            c.FillRect(mx, top, 1, y - 9 - top, d.dark);
            const int belly = frame % 2;
            for (int s = 0; s < 2; ++s) {
                const int sy = top + 4 + s * 14, sw = 14 - s * 2 + 2 * (1 - s);
                c.FillRect(mx - sw / 2 - belly, sy, sw, 11 - s * 2, sail);
                c.FillRect(mx + sw / 2 - 3 - belly, sy + 1, 3, 10 - s * 2, sailShade);
            }
            c.FillRect(mx, top - 4, 5 - (frame % 3), 2, pal::Coral);  // the pennant streams astern
        }
        c.Line(x - 4, y - 9, x + 16, y - 44, d.dark);  // the bowsprit stay
        const paint::Point jib[] = {{x - 1, y - 12}, {x + 14, y - 38}, {x + 14, y - 12}};
        c.FillPolygon(jib, sailShade);
        // The wake curls away from the bow.
        for (int k = 0; k < 4; ++k)
            c.FillRect(x - 2 + k * 16 + (frame * 3) % 16, water + 1 + k % 2, 6, 1, pal::Foam.WithAlpha(170));
    });
}

// A parrot flapping across the sky, facing right. Painted at a third of
// its cell and shown x3, with a soft (not black) outline: it is decor.
void PaintParrot(Canvas& sheet, const AssetEntry& e, Rgba body, Rgba light, Rgba wingTip) {
    paint::ForEachCell(sheet, e.cellWidth, e.cellHeight, e.framesPerRow, [=](Canvas& cell, int, int frame, int frames) {
        Canvas c(cell.Width() / kPixel, cell.Height() / kPixel);
        const int cx = c.Width() / 2, phase = frame * 10 / frames;
        // Wing tip height over the stroke, and the body rising on the downstroke.
        constexpr int kTip[] = {-14, -10, -4, 3, 9, 11, 7, 0, -7, -12};
        constexpr int kLift[] = {0, 0, -1, -1, -2, -1, -1, 0, 1, 1};
        const int cy = c.Height() / 2 + kLift[phase], tip = kTip[phase];
        const Rgba shade = Shade(body, 0.72f);
        const paint::Point tail[] = {{cx - 7, cy}, {cx - 20, cy + 6}, {cx - 19, cy + 8}, {cx - 6, cy + 3}};
        c.FillPolygon(tail, wingTip);
        c.FillEllipse(cx, cy, 9, 4, body);
        c.FillRect(cx - 6, cy + 2, 12, 2, shade);
        c.FillCircle(cx + 8, cy - 3, 4, body);
        c.FillRect(cx + 6, cy - 6, 3, 2, light);
        c.Set(cx + 9, cy - 4, pal::Ink);
        c.Set(cx + 8, cy - 5, pal::White);
        const paint::Point beak[] = {{cx + 11, cy - 5}, {cx + 15, cy - 2}, {cx + 11, cy - 1}};
        c.FillPolygon(beak, pal::Bone);
        c.Set(cx + 14, cy - 1, pal::Stone0);
        // The wing from the shoulder: its tip sweeps from high to low and back.
        const paint::Point wing[] = {{cx - 4, cy - 1}, {cx + 4, cy - 1}, {cx - 2 + tip / 4, cy + tip}, {cx - 8, cy + tip * 3 / 4}};
        c.FillPolygon(wing, tip < 0 ? light : shade);
        c.Line(cx - 8, cy + tip * 3 / 4, cx - 2 + tip / 4, cy + tip, wingTip);
        c.Outline(Shade(body, 0.35f));
        cell.Blit(ScaledUp(c, kPixel, cell.Width(), cell.Height()), 0, 0, false);
    });
}

// Steam and bubbles over the galley's cauldron and fire. Every puff and
// bubble runs a whole number of cycles in the 18 frames, so the loop is
// seamless.
void PaintBoil(Canvas& sheet, const AssetEntry& e) {
    paint::ForEachCell(sheet, e.cellWidth, e.cellHeight, e.framesPerRow, [](Canvas& c, int, int frame, int frames) {
        const int w = c.Width(), h = c.Height(), cx = w / 2, surface = h - 64;
        // Bubbles on the broth: each swells, then bursts into a ring.
        for (int b = 0; b < 7; ++b) {
            const int period = b % 2 ? 6 : 9, t = (frame + b * 5) % period;
            const int bx = cx - 84 + b * 28, by = surface + (b * 7) % 10;
            if (t < period - 2) {
                const int r = 2 + t;
                c.FillCircle(bx, by - r / 2, r, pal::Kelp1);
                c.FillCircle(bx - r / 3, by - r / 2 - r / 3, std::max(1, r / 3), pal::Kelp2);
                c.StrokeCircle(bx, by - r / 2, r, pal::Kelp0);
            } else {
                c.StrokeEllipse(bx, by, 6 + (t - period + 3) * 4, 2 + (t - period + 3), pal::Foam.WithAlpha(160));
            }
        }
        // Steam puffs rise, widen and fade; each loops once over the strip.
        for (int p = 0; p < 9; ++p) {
            const float t = static_cast<float>((frame + p * 2) % frames) / static_cast<float>(frames);
            const int px = cx - 90 + (p * 47) % 180 + static_cast<int>(std::sin(t * 2 * kPi + p) * 10);
            const int py = surface - 10 - static_cast<int>(t * (surface - 30));
            const int r = 8 + static_cast<int>(t * 26);
            const auto alpha = static_cast<std::uint8_t>(150 * (1.f - t) * std::min(1.f, t * 6.f));
            c.FillEllipse(px, py, r, r * 2 / 3, Rgba{220, 214, 206, alpha});
            c.FillEllipse(px - r / 3, py - r / 4, r / 2, r / 3, pal::White.WithAlpha(static_cast<std::uint8_t>(alpha * 2 / 3)));
        }
        // Sparks from the fire under the pot.
        for (int s = 0; s < 5; ++s) {
            const int t = (frame + s * 4) % 9;
            c.FillRect(cx - 60 + s * 30 + (t % 3) - 1, h - 6 - t * 9, 2, 2, t < 5 ? pal::Lantern1 : pal::Coral);
        }
    });
}

}  // namespace

void RegisterWorldSkyArt(PainterRegistry& registry) {
    registry.Add("Assets/Sprites/Maps/Background/Background.png", [](Canvas& c, const AssetEntry&) { PaintSky(c); });
    registry.Add("Assets/Sprites/Maps/Background/Sun.png", [](Canvas& c, const AssetEntry&) { PaintSun(c); });
    for (int layer = 1; layer <= 5; ++layer)
        registry.Add("Assets/Sprites/Maps/Layer" + std::to_string(layer) + ".png",
                     [layer](Canvas& c, const AssetEntry&) { PaintLayer(c, layer); });
    registry.Add("Assets/Sprites/Maps/FirstPlan/SpritesheetBouf.png", PaintBoil);
    registry.Add("Assets/Sprites/Maps/SecondPlan/Boat.png", PaintBoat);
    registry.Add("Assets/Sprites/Maps/SecondPlan/BlueParrot.png", [](Canvas& c, const AssetEntry& e) {
        PaintParrot(c, e, Rgba{54, 110, 178, 255}, pal::Sea2, pal::Deep1);
    });
    registry.Add("Assets/Sprites/Maps/SecondPlan/GreenParrot.png", [](Canvas& c, const AssetEntry& e) {
        PaintParrot(c, e, pal::Kelp1, pal::Kelp2, pal::Rust1);
    });
    registry.Add("Assets/Sprites/Maps/SecondPlan/YellowParrot.png", [](Canvas& c, const AssetEntry& e) {
        PaintParrot(c, e, pal::Lantern0, pal::Lantern1, pal::Sea1);
    });
}
