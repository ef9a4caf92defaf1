// Pictures behind and above the level: the sky, the sun, the five parallax
// layers, and the decor that crosses them (boat, parrots) or boils in the
// boss arena.
#include <algorithm>
#include <cmath>
#include <string>

#include "art_world_kit.hpp"
#include "world/pattern_table.hpp"

namespace {

using namespace world_art;
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

}  // namespace

void RegisterWorldSkyArt(PainterRegistry& registry) {
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
