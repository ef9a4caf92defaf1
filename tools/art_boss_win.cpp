// The win screen, shown centred on the view once the cooks are beaten: the
// tide-pool creature stands on the upturned cauldron at sunset, Gorsh's tall
// hat on its head and Quillet's held up high. The middle of the lower half
// is a calm, dark panel left empty: the game writes the run's kills and
// coins there. Painted at a quarter of the screen's size and enlarged, so
// its pixels match the sprites'.
#include <algorithm>
#include <array>
#include <cmath>

#include "art_boss_kit.hpp"
#include "engine/layout_table.hpp"

namespace boss_art {

namespace {

constexpr int kPixel = 4;  // screen pixels per picture pixel
constexpr int kW = kScreenWidth / kPixel, kH = kScreenHeight / kPixel;
constexpr int kHorizon = 128;
// The panel for the game's text (picture pixels): the middle of the lower half.
constexpr int kPanelLeft = 110, kPanelTop = 168, kPanelWidth = 260, kPanelHeight = 90;

// The creature's colours: the coral skin the game starts with.
constexpr Tones kCoralSkin{pal::Rust1, pal::Coral, pal::CoralLight};

void Sky(Canvas& c)
{
    const std::array<Rgba, 5> sky{pal::Night0, pal::Night1, pal::Night2, pal::Rust1, pal::Coral};
    c.GradientRect(0, 0, kW, kHorizon - 20, sky);
    const std::array<Rgba, 2> low{pal::Coral, pal::Lantern0};
    c.GradientRect(0, kHorizon - 20, kW, 20, low);
    c.FillCircle(kW / 2, kHorizon, 44, pal::Lantern0);
    c.FillCircle(kW / 2, kHorizon, 38, pal::Lantern1);
    for (int i = 0; i < 4; ++i)  // bands across the sun
        c.FillRect(kW / 2 - 44, kHorizon - 8 - i * 8, 89, 1 + i / 2, pal::Lantern0);
    // Far cliffs and the wreck of the galley, against the light.
    const std::array<Point, 6> cliffL{{{0, kHorizon}, {0, 70}, {30, 62}, {62, 80}, {90, 100}, {110, kHorizon}}};
    c.FillPolygon(cliffL, pal::Night1);
    const std::array<Point, 6> cliffR{{{kW, kHorizon}, {kW, 76}, {452, 66}, {420, 90}, {396, 104}, {380, kHorizon}}};
    c.FillPolygon(cliffR, pal::Night1);
    const std::array<Point, 5> hull{{{330, kHorizon}, {338, 112}, {392, 108}, {404, 118}, {400, kHorizon}}};
    c.FillPolygon(hull, pal::Night0);
    c.Line(356, 110, 350, 70, pal::Night0, 2);
    c.Line(350, 72, 372, 86, pal::Night0);
    // A few early stars.
    for (const Point& s : std::array<Point, 7>{{{40, 14}, {96, 30}, {150, 10}, {330, 20}, {410, 36}, {456, 12}, {250, 6}}})
        c.Set(s.x, s.y, pal::Bone);
}

void Sea(Canvas& c)
{
    const std::array<Rgba, 3> sea{pal::Sea0, pal::Deep1, pal::Deep0};
    c.GradientRect(0, kHorizon, kW, kH - kHorizon, sea);
    // The sun's path on the water, glinting.
    for (int y = kHorizon + 2; y < kH; y += 5) {
        const int half = 10 + (y - kHorizon) / 2;
        for (int x = kW / 2 - half; x < kW / 2 + half; x += 7)
            c.FillRect(x + (y / 5) % 4, y, 4, 1, (y / 5) % 2 ? pal::Lantern0 : pal::Lantern1);
    }
    for (int i = 0; i < 14; ++i)
        c.FillRect((i * 71) % kW, kHorizon + 8 + (i * 29) % (kH - kHorizon - 10), 6, 1, pal::Sea2);
}

// The panel the game writes on: driftwood framing a dark calm inside.
void Panel(Canvas& c)
{
    c.FillRoundRect(kPanelLeft - 5, kPanelTop - 5, kPanelWidth + 10, kPanelHeight + 10, 5, pal::Ink);
    c.FillRoundRect(kPanelLeft - 4, kPanelTop - 4, kPanelWidth + 8, kPanelHeight + 8, 4, pal::Wood1);
    c.FillRect(kPanelLeft - 3, kPanelTop - 4, kPanelWidth + 6, 1, pal::Wood3);
    c.FillRect(kPanelLeft - 1, kPanelTop - 1, kPanelWidth + 2, kPanelHeight + 2, pal::Ink);
    c.FillRect(kPanelLeft, kPanelTop, kPanelWidth, kPanelHeight, pal::Night0);
    // Rope lashings at the corners.
    for (const Point& p : std::array<Point, 4>{{{kPanelLeft - 3, kPanelTop - 3},
                                                {kPanelLeft + kPanelWidth - 3, kPanelTop - 3},
                                                {kPanelLeft - 3, kPanelTop + kPanelHeight - 3},
                                                {kPanelLeft + kPanelWidth - 3, kPanelTop + kPanelHeight - 3}}}) {
        c.FillRect(p.x, p.y, 6, 6, pal::Sand1);
        c.Line(p.x, p.y + 1, p.x + 5, p.y + 4, pal::Sand0);
        c.Line(p.x, p.y + 4, p.x + 5, p.y + 1, pal::Sand0);
    }
}

// The creature, big: a soft round body, fronds, a pale belly and its arms.
void Creature(Canvas& c, Point feet)
{
    const int rx = 18, ry = 23;
    const Point body{feet.x, feet.y - 4 - ry};
    Ball(c, feet.x - 11, feet.y - 3, 9, 4, kCoralSkin);
    Ball(c, feet.x + 12, feet.y - 3, 9, 4, kCoralSkin);
    // Left arm: the blade raised; right arm: the small cook's hat held high.
    Limb(c, {body.x - rx + 4, body.y + 2}, {body.x - rx - 14, body.y - 18}, 5, kCoralSkin);
    const Point hilt{body.x - rx - 15, body.y - 20};
    Limb(c, hilt, {hilt.x - 10, hilt.y - 38}, 4, kSteel);
    c.Line(hilt.x - 6, hilt.y + 1, hilt.x + 5, hilt.y - 2, pal::Lantern0, 3);
    Ball(c, hilt.x, hilt.y, 4, 4, kCoralSkin);
    Limb(c, {body.x + rx - 4, body.y + 2}, {body.x + rx + 12, body.y - 22}, 5, kCoralSkin);
    const Point hand{body.x + rx + 13, body.y - 24};
    Ball(c, hand.x + 2, hand.y - 14, 7, 9, kJacket);  // Quillet's floppy hat
    Ball(c, hand.x - 3, hand.y - 24, 5, 5, kJacket);
    c.FillRect(hand.x - 6, hand.y - 7, 15, 6, pal::Ink);
    c.FillRect(hand.x - 5, hand.y - 6, 13, 4, kJacket.mid);
    Ball(c, hand.x, hand.y, 4, 4, kCoralSkin);
    // The body, lit from the top left, its pale belly.
    Ball(c, body.x, body.y, rx, ry, kCoralSkin);
    ForEllipse(body.x + 3, body.y + ry / 2, rx - 9, ry / 3, [&](int x, int y, float nx, float ny) {
        c.Set(x, y, ny > 0.4f || nx > 0.6f ? pal::Sand1 : pal::Sand2);
    });
    // Eyes shut with joy, a wide open grin.
    for (int side : {-1, 1}) {
        const Point e{body.x + 4 + side * 8, body.y - 6};
        c.Line(e.x - 3, e.y + 1, e.x, e.y - 2, pal::Ink, 2);
        c.Line(e.x, e.y - 2, e.x + 3, e.y + 1, pal::Ink, 2);
    }
    c.FillEllipse(body.x + 4, body.y + 5, 6, 4, pal::Ink);
    c.FillEllipse(body.x + 4, body.y + 6, 5, 2, pal::Rust0);
    c.FillRect(body.x + 1, body.y + 3, 7, 1, pal::White);
    c.FillEllipse(body.x - 10, body.y + 2, 3, 2, pal::CoralLight);  // blush
    c.FillEllipse(body.x + 18, body.y + 2, 3, 2, pal::CoralLight);
    // Gorsh's tall hat, far too big, tipped over one eye, fronds poking out.
    for (int i = -1; i <= 1; ++i) {
        const Point tip{body.x + i * 12 + i * 4, body.y - ry - 8 + (i == 0 ? -4 : 0)};
        Limb(c, {body.x + i * 10, body.y - ry + 8}, tip, 3, kCoralSkin);
        c.FillCircle(tip.x, tip.y, 2, i == 0 ? pal::Lantern1 : pal::CoralLight);
    }
    const Point band{body.x + 2, body.y - ry + 2};
    const std::array<Point, 3> lobes{{{band.x - 8, band.y - 10}, {band.x + 9, band.y - 11}, {band.x, band.y - 16}}};
    for (const Point& l : lobes)
        c.FillCircle(l.x, l.y, 11, pal::Ink);
    for (const Point& l : lobes)
        ForEllipse(l.x, l.y, 10, 10, [&](int x, int y, float nx, float ny) { c.Set(x, y, ToneAt(kJacket, nx, ny)); });
    const std::array<Point, 4> strip{{{band.x - 16, band.y - 7}, {band.x + 17, band.y - 9}, {band.x + 18, band.y + 2},
                                      {band.x - 15, band.y + 4}}};
    InkedPolygon(c, strip, kJacket.mid);
    c.Line(band.x - 15, band.y + 1, band.x + 17, band.y - 1, kJacket.dark);
    for (int x = -12; x < 16; x += 6)
        c.Line(band.x + x, band.y - 8, band.x + x, band.y - 5, kJacket.dark);
}

// The beaten cooks' things: the cauldron upside down as a pedestal, the
// cleaver stuck in the sand, carrots and a fish scattered.
void Spoils(Canvas& c, Point pot)
{
    DrawCauldron(c, pot.x, pot.y, 180.f, false);
    DrawCarrot(c, {pot.x - 58, pot.y + 22}, {pot.x - 34, pot.y + 10}, 9, 0, 0);
    DrawFood(c, 0, pot.x + 50, pot.y + 16);
    DrawFood(c, 1, pot.x - 70, pot.y + 4);
    for (int i = 0; i < 6; ++i) {  // coins glinting around
        const Point coin{pot.x - 80 + i * 32, pot.y + 20 + (i % 2) * 4};
        Ball(c, coin.x, coin.y, 3, 3, {pal::Lantern0, pal::Lantern0, pal::Lantern1});
    }
}

void Title(Canvas& c)
{
    paint::DrawTextCentred(c, kW / 2, 8, "THE TIDE IS YOURS", pal::Lantern1, 2, true);
}

}  // namespace

void PaintWinScreen(Canvas& c, const AssetEntry&)
{
    Canvas art(kW, kH);
    Sky(art);
    Sea(art);
    // A spit of sand under the victor.
    art.FillEllipse(kW / 2, kHorizon + 10, 130, 14, pal::Sand0);
    art.FillEllipse(kW / 2, kHorizon + 8, 126, 11, pal::Sand1);
    art.FillEllipse(kW / 2 - 20, kHorizon + 5, 90, 5, pal::Sand2);
    const Point pot{kW / 2, kHorizon + 4};
    Spoils(art, pot);
    Creature(art, {pot.x, pot.y - kPotRadius - 1});
    Panel(art);
    Title(art);
    c.BlitScaled(art, 0, 0, kPixel, false);
}

}  // namespace boss_art
