// The boss's attack pictures: the rolling cauldron, the carrot rocket and
// the falling carrots with their warning, the fire on the floor, the shock
// waves and the four foods. Each lies over the shape that hurts in the game:
// the shapes' places in a cell are worked out from the boss table.
#include <algorithm>
#include <array>
#include <cmath>

#include "art_boss_kit.hpp"

namespace boss_art {

namespace {

// Right-facing rows are painted, the left ones are their mirror images.
void PaintMirrored(Canvas& sheet, const AssetEntry& e, int rightRow, int leftRow,
                   const std::function<void(Canvas&, int frame, int frames)>& draw)
{
    const int frames = e.FramesInRow(rightRow);
    for (int f = 0; f < frames; ++f) {
        Canvas cell(e.cellWidth, e.cellHeight);
        draw(cell, f, frames);
        sheet.Blit(cell, f * e.cellWidth, rightRow * e.cellHeight, false);
        sheet.Blit(cell, f * e.cellWidth, leftRow * e.cellHeight, false, true);
    }
}

float Wave(float phase) { return std::sin(2.f * kPi * phase); }

// ---- The cauldron -------------------------------------------------------------------------------------
void DustBehind(Canvas& c, int x, int floor, int size, int f)
{
    for (int i = 0; i < 3; ++i) {
        const int r = std::max(1, size - i * 2 + (f + i) % 2);
        Puff(c, x - i * (size + 3) - (f % 3), floor - r - i, r, pal::Sand2, pal::Sand1);
    }
}

void SpeedLines(Canvas& c, int x, int cy, int f)
{
    for (int i = 0; i < 4; ++i) {
        const int y = cy - 16 + i * 10 + (i % 2) * 2;
        const int len = 10 + ((f + i) % 3) * 5;
        c.Line(x - len, y, x, y, pal::Foam.WithAlpha(170));
    }
}

void SpinCell(Canvas& c, int f, int frames)
{
    const CauldronCell& cc = ThrownCauldron();
    const float deg = 360.f * f / frames;  // one turn a loop, clockwise: rolling right
    const int floor = static_cast<int>(std::ceil(cc.floorY)) - 1;
    SpeedLines(c, cc.body.x - kPotRadius - 8, cc.body.y, f);
    DustBehind(c, cc.body.x - kPotRadius - 4, floor + 1, 5, f);
    DrawCauldron(c, cc.body.x, cc.body.y, deg, false);
}

// Slowing to a stop: the turns die down, it rocks on its round bottom and
// settles mouth up, steaming. The last frame stays.
void StopCell(Canvas& c, int f, int frames)
{
    const CauldronCell& cc = ThrownCauldron();
    const int rolling = frames * 2 / 3;
    float deg;
    if (f < rolling) {
        // Turning slower each frame, from a turn a loop down to none, two turns in all.
        const float k = 1.f - static_cast<float>(f) / rolling;
        deg = 720.f * (1.f - k * k);
    } else {
        const float k = static_cast<float>(f - rolling);
        deg = 720.f + 16.f * std::cos(kPi * k / 2.5f) * std::exp(-k / 3.f) * (f == frames - 1 ? 0.f : 1.f);
    }
    const int floor = static_cast<int>(std::ceil(cc.floorY)) - 1;
    if (f < rolling)
        DustBehind(c, cc.body.x - kPotRadius - 4, floor + 1, std::max(1, 4 - f / 6), f);
    DrawCauldron(c, cc.body.x, cc.body.y, deg, f >= rolling);
    if (f >= rolling - 2) {  // steam rising from the mouth, one puff a frame further up
        for (int i = 0; i < 3; ++i) {
            const int rise = (f * 3 + i * 9) % 27;
            Puff(c, cc.body.x - 4 + i * 5 + Round(2.f * Wave((f + i * 3) / 8.f)),
                 cc.body.y - kPotRadius - 4 - rise, 2 + (rise < 14 ? 1 : 0), pal::Foam.WithAlpha(200),
                 pal::Stone2.WithAlpha(160));
        }
    }
}

void PaintCauldron(Canvas& sheet, const AssetEntry& e)
{
    namespace bc = boss_cauldron;
    PaintMirrored(sheet, e, bc::kSpinRight.row, bc::kSpinLeft.row, SpinCell);
    PaintMirrored(sheet, e, bc::kStopRight.row, bc::kStopLeft.row, StopCell);
}

// ---- Carrots ------------------------------------------------------------------------------------------------
// The rocket: tip up, leaves down and on fire, a trail of smoke below.
void LaunchCell(Canvas& c, int f, int frames)
{
    const int cx = c.Width() / 2;
    for (int i = 0; i < 4; ++i) {  // smoke left behind, sinking as it climbs
        const int y = 92 + i * 16 + (f * 4) % 16;
        Puff(c, cx + ((i + f) % 2 ? 3 : -3), y, 7 - i, pal::Stone2.WithAlpha(220), pal::Stone1.WithAlpha(200));
    }
    const int flicker = (f % 3);
    Flame(c, {cx, 64}, {cx + (f % 2 ? 2 : -2), 104 + flicker * 5}, 24 - flicker * 2);
    DrawCarrot(c, {cx, 8}, {cx, 64}, 20, (f % 2) ? 1 : -1, f);
    (void)frames;
}

void PaintCarrotLaunch(Canvas& sheet, const AssetEntry& e)
{
    PaintMirrored(sheet, e, 1, 0, LaunchCell);
}

// Coming down tip first over its hitbox, turning, leaves flapping.
void FallCell(Canvas& c, int f, int frames)
{
    namespace bk = boss_carrots;
    const CellMap map{c.Width() / 2.f, c.Height() / 2.f, bk::kFallScale};
    // The hitbox hangs below the carrot's position by its own height.
    const float left = map.X(-bk::kHitbox.originX), right = left + bk::kHitbox.width / bk::kFallScale;
    const int tipX = Round((left + right) / 2.f - 0.5f);
    const int tipY = c.Height() - 2;
    for (int i = 0; i < 5; ++i) {  // the rush of air above it
        const int x = tipX - 16 + i * 8;
        const int y0 = 4 + ((f * 7 + i * 11) % 20);
        c.Line(x, y0, x, y0 + 14 + (i % 2) * 8, pal::Foam.WithAlpha(170));
    }
    DrawCarrot(c, {tipX, tipY}, {tipX, 66}, 26, Round(2.f * Wave(static_cast<float>(f) / frames)), f);
}

// A warning sign over where a carrot comes down: a blinking "!" and an
// arrow bobbing towards the floor.
void WarningCell(Canvas& c, int f, int)
{
    const int cx = c.Width() / 2;
    const bool lit = f % 2 == 0;
    const Rgba plate = lit ? pal::Lantern1 : pal::Lantern0;
    c.FillRoundRect(cx - 13, 1, 26, 30, 6, pal::Ink);
    c.FillRoundRect(cx - 12, 2, 24, 28, 5, pal::Rust1);
    c.FillRoundRect(cx - 10, 4, 20, 24, 4, plate);
    c.FillRect(cx - 8, 5, 16, 2, pal::White);
    c.FillRect(cx - 2, 8, 5, 12, pal::Ink);
    c.FillRect(cx - 2, 22, 5, 4, pal::Ink);
    c.FillRect(cx - 1, 9, 2, 10, pal::Rust1);
    static constexpr int kBob[] = {0, 1, 3, 1};
    const int y = 32 + kBob[f % 4];
    const std::array<paint::Point, 7> arrow{{{cx - 4, y}, {cx + 4, y}, {cx + 4, y + 6}, {cx + 9, y + 6},
                                             {cx, y + 14}, {cx - 9, y + 6}, {cx - 4, y + 6}}};
    InkedPolygon(c, arrow, lit ? pal::Coral : pal::Rust1);
    c.Line(cx - 3, y + 1, cx - 3, y + 6, pal::CoralLight);
}

// ---- Fire -------------------------------------------------------------------------------------------------
// Where the breath meets its cell: the mouth of the breathing pose, and the
// hitbox on the floor, in the right-facing fire's cell.
struct FireCell {
    Point mouth;
    float boxLeft, boxRight, boxTop, boxBottom;
    float floorY;
};

FireCell FireGeometry(const AssetEntry& e)
{
    namespace bf = boss_fire;
    const BodyBox& b = Box();
    const float bossHalfW = b.cellWidth * kBossScale / 2.f;
    // The boss resting on its ground line: its sprite's y.
    const float spriteY = kBossGroundY - (b.bottom - b.cellHeight / 2.f) * kBossScale;
    // Facing right the fire is placed from the boss's right bound, 10 px above its middle.
    const float fireX = bossHalfW - bf::kInsetX;  // against the boss sprite's x
    const float fireY = spriteY - bf::kRaiseY;
    const CellMap fire{e.cellWidth / 2.f, e.cellHeight / 2.f, bf::kScale};
    FireCell fc;
    const int lastFrame = BossRowOf(BOSS_ROW_FIRE_RIGHT).strip.frames - 1;
    const Point mouth = MouthOf(PoseFor(BOSS_ROW_FIRE_RIGHT, lastFrame));
    fc.mouth = {Round(fire.X((mouth.x - b.cellWidth / 2.f) * kBossScale - fireX)),
                Round(fire.Y((mouth.y - b.cellHeight / 2.f) * kBossScale + spriteY - fireY))};
    const float fireW = e.cellWidth * bf::kScale;
    const float boxCentre = fireW / 2.f - fireW * bf::kHitboxFromEdge;  // against the fire's x
    fc.boxLeft = fire.X(boxCentre - bf::kHitbox.originX);
    fc.boxRight = fc.boxLeft + bf::kHitbox.width / bf::kScale;
    fc.boxTop = fire.Y(bf::kHitboxY - bf::kHitbox.originY - fireY);
    fc.boxBottom = fc.boxTop + bf::kHitbox.height / bf::kScale;
    fc.floorY = fire.Y(kBossGroundY - fireY);
    return fc;
}

// The flames over the floor from x0 to x1: each column burns up to a height
// that flickers, white-hot at the bottom, red at the tips. Heights loop with
// the burn's loop (whole turns of each wave per loop).
void FloorFire(Canvas& c, int x0, int x1, int floor, float phase, float height)
{
    for (int x = x0; x < x1; ++x) {
        const float u = static_cast<float>(x - x0);
        float h = 22.f + 7.f * Wave(u / 23.f + phase) + 5.f * Wave(u / 9.f - 2.f * phase) +
                  3.f * Wave(u / 5.f + 3.f * phase);
        h *= height * std::min({1.f, (u + 2.f) / 10.f, (x1 - x) / 10.f});
        const int top = floor - Round(h);
        for (int y = floor; y > top; --y) {
            const float t = static_cast<float>(floor - y) / std::max(1.f, h);
            const Rgba colour = t < 0.3f ? kFlame.light : (t < 0.62f ? kFlame.mid : (t < 0.85f ? pal::Coral : kFlame.dark));
            c.Set(x, y, colour);
        }
        if (h > 2.f)
            c.Set(x, top, pal::Rust0);
    }
    // Sparks leaping above.
    for (int i = 0; i < 8; ++i) {
        const int x = x0 + (i * 37 + Round(phase * 60.f)) % std::max(1, x1 - x0);
        const int y = floor - Round(height * (30.f + (i * 13) % 14 + 8.f * Wave(phase + i * 0.3f)));
        c.Set(x, y, i % 2 ? kFlame.light : kFlame.mid);
    }
}

// The breath: a stream of fire from the mouth bending down to the floor
// where the floor fire starts, then the floor fire over the hitbox.
// jetFrom..jetTo is the part of the stream shown (it stops from the mouth
// first), spread how far along the floor it burns.
void DrawFire(Canvas& c, const FireCell& fc, float phase, float spread, float height, float jetFrom, float jetTo)
{
    const int floor = static_cast<int>(fc.floorY);
    const Point land{Round(fc.boxLeft) + 8, floor - 8};
    auto along = [&](float t) {
        return Point{Round(fc.mouth.x + (land.x - fc.mouth.x) * t),
                     Round(fc.mouth.y + (land.y - fc.mouth.y) * t * t)};
    };
    const std::array<std::pair<Rgba, float>, 4> layers{
        {{pal::Rust0, 1.5f}, {kFlame.dark, 0.5f}, {kFlame.mid, -1.5f}, {kFlame.light, -3.5f}}};
    for (const auto& [colour, grow] : layers)
        for (float t = jetFrom; t <= jetTo; t += 0.015f) {
            const Point p = along(t);
            const float r = 4.f + 7.f * t + 1.5f * Wave(t * 2.f + phase) + grow;
            if (r >= 0.5f)
                c.FillCircle(p.x, p.y - Round(1.5f * Wave(t * 3.f - phase)), Round(r), colour);
        }
    const int x0 = Round(fc.boxLeft), x1 = x0 + Round((fc.boxRight - fc.boxLeft) * spread);
    if (x1 > x0 && height > 0.f)
        FloorFire(c, x0, x1, floor, phase, height);
}

void BurnCell(Canvas& c, const FireCell& fc, int f, int frames, int loopStart)
{
    const float phase = static_cast<float>(f - loopStart) / (frames - loopStart);
    const float jet = std::min(1.f, (f + 1) / 4.f);
    const float spread = std::clamp((f - 2) / static_cast<float>(loopStart - 3), 0.f, 1.f);
    const float height = std::min(1.f, 0.5f + (f + 1) * 0.5f / loopStart);
    DrawFire(c, fc, phase, spread, height, 0.f, jet);
}

void DieCell(Canvas& c, const FireCell& fc, int f, int frames, int loopFrames)
{
    const float t = static_cast<float>(f) / (frames - 1);
    const float phase = static_cast<float>(f) / loopFrames;
    const float jetFrom = std::min(1.f, t * 3.f);
    DrawFire(c, fc, phase, 1.f, std::max(0.f, 1.f - t * 1.25f), jetFrom, jetFrom < 1.f ? 1.f : 0.f);
    // Smoke rising as it dies, then a last wisp over the embers.
    const int floor = static_cast<int>(fc.floorY);
    for (int i = 0; i < 5; ++i) {
        const int x = Round(fc.boxLeft) + 16 + i * 34;
        const int rise = Round(t * 50.f) + (i % 2) * 6;
        Puff(c, x, floor - 12 - rise, 3 + Round(t * 4.f), pal::Stone1.WithAlpha(200), pal::Stone0.WithAlpha(180));
    }
    for (int x = Round(fc.boxLeft) + (f % 4); x < Round(fc.boxRight); x += 7)  // embers
        c.FillRect(x, floor - 2, 2, 2, (x / 7 + f) % 3 ? kFlame.dark : kFlame.mid);
}

void PaintFire(Canvas& sheet, const AssetEntry& e)
{
    namespace bf = boss_fire;
    const FireCell fc = FireGeometry(e);
    PaintMirrored(sheet, e, bf::kBurnRight.row, bf::kBurnLeft.row, [&](Canvas& c, int f, int frames) {
        BurnCell(c, fc, f, frames, bf::kBurnRight.loopStart);
    });
    const int loopFrames = bf::kBurnRight.frames - bf::kBurnRight.loopStart;
    PaintMirrored(sheet, e, bf::kDieRight.row, bf::kDieLeft.row,
                  [&](Canvas& c, int f, int frames) { DieCell(c, fc, f, frames, loopFrames); });
}

// ---- Shock waves -----------------------------------------------------------------------------------------------
// A wall of dust rolling right along the floor: a tall billowing front and a
// trail of smaller clouds, with rings of air bursting ahead of it. The
// sprite's bottom is 20 px below the ground line.
void WaveCell(Canvas& c, int f, int frames)
{
    namespace bw = boss_wave;
    const int floor = c.Height() - Round(bw::kY - kBossGroundY) - 1;  // the last row above the ground line
    const float ph = static_cast<float>(f) / frames;
    const int w = c.Width();
    Canvas dust(w, c.Height());
    // From the back (small, low) to the front (big, tall), churning.
    for (int i = 0; i < 9; ++i) {
        const float t = i / 8.f;
        const int r = 5 + Round(13.f * t);
        const int x = 10 + Round((w - 50) * t) + Round(3.f * Wave(ph + i * 0.23f));
        const int y = floor - r + 2 - Round(2.f * Wave(ph * 2.f + i * 0.4f));
        Puff(dust, x, y, r, pal::Sand2, pal::Sand1);
        if (i >= 5)
            Puff(dust, x - 4, y - r, r * 2 / 3, pal::Bone, pal::Sand2);
    }
    const int front = w - 30;
    Puff(dust, front, floor - 40 + Round(3.f * Wave(ph)), 12, pal::Bone, pal::Sand1);
    Puff(dust, front + 6, floor - 22, 13, pal::Sand2, pal::Sand1);
    dust.Outline(pal::Ink);
    c.Blit(dust, 0, 0);
    // Rings of air bursting ahead.
    for (int k = 0; k < 2; ++k) {
        const int r = 26 + k * 10 + (f % 2) * 3;
        for (int deg = -85; deg <= 0; deg += 3) {
            const float a = deg * kPi / 180.f;
            c.FillRect(front - 10 + Round(std::cos(a) * r), floor + Round(std::sin(a) * r * 1.4f), 2, 2,
                       k == 0 ? pal::White.WithAlpha(220) : pal::Foam.WithAlpha(170));
        }
    }
    // Chips of the floor kicked up, and cracks left under it.
    for (int i = 0; i < 6; ++i) {
        const int x = (i * 29 + f * 13) % (w - 40) + 10;
        const int y = floor - 6 - ((i * 11 + f * 9) % 34);
        c.FillRect(x, y, 3, 2, i % 2 ? pal::Wood2 : pal::Wood1);
    }
    for (int x = 12; x < w - 14; x += 17)
        c.Line(x, floor + 3, x + 7, floor + 5 + (x / 17 + f) % 3, pal::Wood0);
}

void PaintWind(Canvas& sheet, const AssetEntry& e)
{
    PaintMirrored(sheet, e, boss_wave::kRight.row, boss_wave::kLeft.row, WaveCell);
}

}  // namespace

void RegisterBossPropArt(PainterRegistry& registry)
{
    registry.Add(boss_cauldron::kSheet, PaintCauldron);
    registry.Add(boss_carrots::kLaunchSheet, PaintCarrotLaunch);
    registry.Add(boss_carrots::kFallSheet, [](Canvas& sheet, const AssetEntry& e) {
        paint::ForEachCell(sheet, e.cellWidth, e.cellHeight, e.framesPerRow,
                           [](Canvas& c, int, int f, int n) { FallCell(c, f, n); });
    });
    registry.Add(boss_carrots::kWarningSheet, [](Canvas& sheet, const AssetEntry& e) {
        paint::ForEachCell(sheet, e.cellWidth, e.cellHeight, e.framesPerRow,
                           [](Canvas& c, int, int f, int n) { WarningCell(c, f, n); });
    });
    registry.Add(boss_fire::kSheet, PaintFire);
    registry.Add(boss_wave::kSheet, PaintWind);
    for (int i = 0; i < boss_food::kCount; ++i)
        registry.Add(boss_food::kPictures[i], [i](Canvas& c, const AssetEntry&) {
            DrawFood(c, i, c.Width() / 2, c.Height() / 2);
        });
}

}  // namespace boss_art
