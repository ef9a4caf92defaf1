// The tank: a squat crab under a riveted iron dome, rusty legs and claws, a
// smoking funnel, and a round iron shield carried on its back that it
// swings round in front to block and to charge behind.
//
// How the art meets the game. The game enlarges the sheet three times and
// hangs it off the tank's box, so in a cell the box covers the table's
// sprite offset and box size divided by the scale. The box rests on the
// enemies' ground line, below the floor: the legs' tips stand on the floor,
// inside the box's bottom. The dome stays inside the part of the box that
// is still inside it when the cell is mirrored, so both facings fit.
#include <algorithm>
#include <cmath>

#include "art_enemies_kit.hpp"
#include "enemies/enemy_table.hpp"

namespace enemy_art {
namespace {

constexpr Tones kIron{pal::Stone0, pal::Stone1, pal::Stone2};
constexpr Tones kShell{pal::Rust0, pal::Rust1, pal::Coral};
constexpr Tones kFarShell{pal::Ink, pal::Rust0, pal::Rust1};
constexpr Tones kRustRim{pal::Rust0, pal::Rust1, pal::Rust1};

struct TankRig {
    float left = 0.f, top = 0.f, right = 0.f, bottom = 0.f;  // the box, in cell pixels
    float centreX = 0.f, halfWidth = 0.f;                       // the dome's room, either facing
    float ground = 0.f;                                         // the legs' tips' bottom edge
};

TankRig MakeRig(const AssetEntry& e)
{
    const float scale = EnemyInfo(ENEMY_TANK).scale;
    TankRig r;
    r.left = -kTankSpriteX / scale;
    r.top = -kTankSpriteY / scale;
    r.right = r.left + kTankBoxWidth / scale;
    r.bottom = r.top + kTankBoxHeight / scale;
    const float mirroredRight = static_cast<float>(e.cellWidth) - r.left;
    const float mirroredLeft = static_cast<float>(e.cellWidth) - r.right;
    const float l = std::ceil(std::max(r.left, mirroredLeft)), rr = std::floor(std::min(r.right, mirroredRight));
    r.centreX = (l + rr) / 2.f;
    r.halfWidth = (rr - l) / 2.f;
    r.ground = std::round(r.bottom - (kEnemyGroundY - kLevelFloorY) / scale);
    return r;
}

struct TankPose {
    V body;                  // everything above the legs
    float breathe = 0.f;     // the dome swells, 0..1
    V nearFoot[4], farFoot[4];
    float claw = 0.3f;       // pincers open, 0..1
    V clawReach;             // the near claw pushed out
    float shieldT = 0.f;     // 0 on the back .. 1 raised in front; 2 lowered as a ram
    V shieldShake;
    float eyeSway = 0.f;
    bool angry = false;      // eyes glow red
    float smoke = 0.f;       // the funnel's puffs, in cycles
    float smokeRate = 1.f;
    bool rush = false;       // speed lines and dust behind
    int frame = 0;
};

// Where the legs stand at rest, from back to front, against the dome's centre.
constexpr float kNearFeet[4] = {-32.f, -18.f, 14.f, 30.f};
constexpr float kFarFeet[4] = {-26.f, -12.f, 10.f, 24.f};
constexpr float kNearHips[4] = {-20.f, -10.f, 6.f, 18.f};

void CrabLeg(Canvas& c, V hip, V foot, float r)
{
    const V knee = Lerp(hip, foot, 0.45f) + V{0.f, -9.f};
    Cone(c, hip, knee, r, r * 0.8f, pal::White);
    Cone(c, knee, foot, r * 0.8f, 0.7f, pal::White);
    Disc(c, knee, r * 0.85f, pal::White);
}

void Legs(Figure& fig, const TankRig& r, const TankPose& p, bool nearSide)
{
    fig.Part(nearSide ? kShell : kFarShell, [&](Canvas& c) {
        for (int i = 0; i < 4; ++i) {
            const V hip = V{r.centreX + kNearHips[i] + (nearSide ? 0.f : 3.f), 76.f + (nearSide ? 0.f : -2.f)} + p.body;
            CrabLeg(c, hip, nearSide ? p.nearFoot[i] : p.farFoot[i], nearSide ? 3.f : 2.6f);
        }
    }, 2);
}

void Claw(Figure& fig, V shoulder, V reach, float open, float size, const Tones& tones)
{
    const V elbow = shoulder + V{10.f, 3.f} * size + reach * 0.5f;
    const V wrist = shoulder + V{18.f, -2.f} * size + reach;
    const V d = Dir(-0.3f), n{-d.y, d.x};
    fig.Part(tones, [&](Canvas& c) {
        Capsule(c, shoulder, elbow, 2.6f * size, pal::White);
        Capsule(c, elbow, wrist, 2.4f * size, pal::White);
        Oval(c, wrist + d * (6.f * size), 7.5f * size, 5.f * size, -0.3f, pal::White);
        Cone(c, wrist + d * (10.f * size) + n * (2.f * size), wrist + d * (19.f * size) + n * (1.f * size), 3.f * size,
             1.f, pal::White);
        Cone(c, wrist + d * (9.f * size) - n * (3.f * size), wrist + d * (18.f * size) - n * ((3.f + 5.f * open) * size),
             2.6f * size, 0.9f, pal::White);
    }, 2);
}

void Funnel(Figure& fig, const TankRig& r, const TankPose& p)
{
    const V base = V{r.centreX - 18.f, 56.f} + p.body, top = V{r.centreX - 21.f, 37.f} + p.body;
    fig.Part(kIron, [&](Canvas& c) { Capsule(c, base, top, 3.2f, pal::White); });
    fig.Part(kRustRim, [&](Canvas& c) { Oval(c, top + V{0.f, -1.f}, 5.f, 2.2f, 0.f, pal::White); }, 1);
    fig.Detail().Set(static_cast<int>(top.x), static_cast<int>(top.y - 1.f), pal::Ink);
}

void Dome(Figure& fig, const TankRig& r, const TankPose& p)
{
    const V centre = V{r.centreX, 70.f} + p.body;
    const float rx = r.halfWidth - 0.5f, ry = 22.f + p.breathe;
    const int cut = static_cast<int>(centre.y + 8.f);
    fig.Part(kIron, [&](Canvas& c) {
        Oval(c, centre, rx, ry, 0.f, pal::White);
        c.FillRect(0, cut, c.Width(), c.Height() - cut, pal::Clear);
    }, 4, 2);
    Canvas& d = fig.Detail();
    // A lit streak, plate seams with rivets, a rusty rim and rust blooms.
    Thin(d, centre + V{-18.f, -17.f}, centre + V{-8.f, -20.f}, pal::White);
    auto seamY = [&](float dx) {  // the upper plate's edge, following the dome
        return centre.y - ry * 0.55f * std::sqrt(std::max(0.f, 1.f - dx * dx / (rx * rx))) + 1.f;
    };
    for (int x = static_cast<int>(centre.x - rx * 0.8f); x < static_cast<int>(centre.x + rx * 0.8f); ++x)
        d.Set(x, static_cast<int>(seamY(x + 0.5f - centre.x)), pal::Stone0);
    for (const float sx : {-13.f, 13.f})
        for (int y = static_cast<int>(seamY(sx)) + 1; y < cut - 6; ++y)
            d.Set(static_cast<int>(centre.x + sx * (1.f + 0.25f * (y - seamY(sx)) / ry)), y, pal::Stone0);
    const int rimTop = cut - 6;
    for (int x = static_cast<int>(centre.x - rx) + 2; x < static_cast<int>(centre.x + rx) - 1; ++x) {
        if (d.Get(x, rimTop).a == 0)
            continue;
        for (int y = rimTop; y < cut - 1; ++y)
            d.Set(x, y, y == rimTop ? pal::Coral : (y == cut - 2 ? pal::Rust0 : pal::Rust1));
        if ((x - static_cast<int>(centre.x)) % 6 == 0) {
            d.Set(x, rimTop + 2, pal::Stone2);
            d.Set(x, rimTop + 3, pal::Rust0);
        }
    }
    // Rivets along the plate's edge, rust running down from some.
    for (int i = -3; i <= 3; ++i) {
        const V rivet{centre.x + i * 7.f, seamY(i * 7.f) - 1.f};
        d.Set(static_cast<int>(rivet.x), static_cast<int>(rivet.y), pal::Stone2);
        d.Set(static_cast<int>(rivet.x) + 1, static_cast<int>(rivet.y) + 1, pal::Ink);
        if (i % 2 == 0)
            for (int k = 3; k < 6 + (i + 3) % 3; ++k)
                d.Set(static_cast<int>(rivet.x), static_cast<int>(rivet.y) + k, k < 5 ? pal::Rust1 : pal::Rust0);
    }
    for (int y = rimTop - 4; y < rimTop; ++y)
        for (int x = static_cast<int>(centre.x - rx) + 3; x < static_cast<int>(centre.x + rx) - 3; ++x)
            if ((x * 7 + y * 3) % 11 < rimTop - y && d.Get(x, y) == pal::Stone1)
                d.Set(x, y, pal::Rust1);
    // A brass porthole with the crab's glow behind its glass.
    const V port = centre + V{4.f, -4.f};
    Disc(d, port, 5.2f, pal::Ink);
    Disc(d, port, 4.4f, pal::Lantern0);
    Disc(d, port + V{0.5f, 0.5f}, 3.f, pal::Sea0);
    Disc(d, port + V{0.f, 0.f}, 2.2f, pal::Sea1);
    d.FillRect(static_cast<int>(port.x) - 2, static_cast<int>(port.y) - 2, 2, 1, pal::Foam);
    d.Set(static_cast<int>(port.x) - 3, static_cast<int>(port.y) - 3, pal::Lantern1);
    // The mouth under the front of the rim.
    for (int i = 0; i < 3; ++i)
        d.FillRect(static_cast<int>(centre.x + rx) - 6 + i * 2, cut - 1, 1, 2 + i % 2, pal::Ink);
}

void Eyes(Figure& fig, const TankRig& r, const TankPose& p, bool nearEye)
{
    const V base = V{r.centreX + (nearEye ? 18.f : 11.f), nearEye ? 55.f : 51.f} + p.body;
    const V top = base + V{(nearEye ? 3.f : 2.f) + p.eyeSway, -13.f};
    fig.Part(nearEye ? kShell : kFarShell, [&](Canvas& c) { Capsule(c, base, top, 1.5f, pal::White); }, 1);
    const Rgba glow = p.angry ? (p.frame % 2 ? pal::Coral : pal::Lantern1) : pal::Lantern1;
    fig.Flat([&](Canvas& c) {
        Disc(c, top, 3.4f, nearEye ? glow : Mix(glow, pal::Lantern0, 0.5f));
        c.FillRect(static_cast<int>(top.x) + 1, static_cast<int>(top.y) - 1, 2, 2, p.angry ? pal::Rust0 : pal::Ink);
        c.Set(static_cast<int>(top.x) - 2, static_cast<int>(top.y) - 2, pal::White);
    });
}

V ShieldCentre(const TankRig& r, float t)
{
    const V back{r.centreX - 26.f, 62.f}, over{r.centreX + 8.f, 22.f}, front{r.centreX + 43.f, 57.f},
        ram{r.centreX + 47.f, 66.f};
    if (t > 1.f)
        return Lerp(front, ram, t - 1.f);
    const float u = Ease(t);
    return Lerp(Lerp(back, over, u), Lerp(over, front, u), u);
}

void Shield(Figure& fig, const TankRig& r, const TankPose& p)
{
    const V c0 = ShieldCentre(r, p.shieldT) + p.body + p.shieldShake;
    const float angle = p.shieldT > 1.f ? Lerp(0.08f, 0.4f, p.shieldT - 1.f) : Lerp(-0.3f, 0.08f, Ease(p.shieldT));
    const float rx = 7.5f, ry = p.shieldT > 1.f ? 17.f : 20.f;
    fig.Part(kRustRim, [&](Canvas& c) { Oval(c, c0, rx, ry, angle, pal::White); }, 1);
    fig.Part(kIron, [&](Canvas& c) { Oval(c, c0 + V{0.5f, 0.f}, rx - 2.f, ry - 2.5f, angle, pal::White); }, 2, 1, false);
    Canvas& d = fig.Detail();
    const V along = Turn({0.f, 1.f}, angle);
    for (int i = -2; i <= 2; ++i) {
        const V rivet = c0 + along * (i * 6.f);
        d.Set(static_cast<int>(rivet.x), static_cast<int>(rivet.y), pal::Stone2);
        d.Set(static_cast<int>(rivet.x) + 1, static_cast<int>(rivet.y) + 1, pal::Ink);
    }
    fig.Part(kIron, [&](Canvas& c) { Disc(c, c0 + V{1.5f, 0.f}, 2.5f, pal::White); }, 1);
}

void Smoke(Canvas& c, V funnelTop, float cycles)
{
    for (int k = 0; k < 3; ++k) {
        const float age = std::fmod(cycles + k / 3.f, 1.f);
        const V at = funnelTop + V{-3.f * age - 2.f * std::sin(age * 5.f), -30.f * age - 3.f};
        const auto alpha = static_cast<std::uint8_t>(200.f * (1.f - age));
        SoftDisc(c, at, 2.f + 4.f * age, pal::Stone2.WithAlpha(alpha));
        SoftDisc(c, at + V{-1.f, -1.f}, 1.f + 2.5f * age, pal::White.WithAlpha(alpha / 2));
    }
}

void Rush(Canvas& c, const TankRig& r, int f)
{
    for (int i = 0; i < 4; ++i) {
        const int y = 54 + i * 7, x0 = static_cast<int>(r.centreX) - 64 + ((f * 5 + i * 9) % 14);
        c.FillRect(x0, y, 12 - i * 2, 1, pal::Foam);
    }
    for (int i = 0; i < 3; ++i) {
        const float age = std::fmod(f / 4.f + i / 3.f, 1.f);
        SoftDisc(c, {r.centreX - 36.f - 14.f * age, r.ground - 3.f - 3.f * age}, 2.f + 3.f * age,
                 pal::Sand1.WithAlpha(static_cast<std::uint8_t>(210.f * (1.f - age))));
    }
}

void DrawTank(Canvas& cell, const TankRig& r, const TankPose& p)
{
    Figure fig(cell.Width(), cell.Height());
    const bool shieldBehind = p.shieldT < 0.35f;
    Smoke(fig.Detail(), V{r.centreX - 21.f, 36.f} + p.body, p.smoke * p.smokeRate);
    Legs(fig, r, p, false);
    Claw(fig, V{r.centreX + 18.f, 64.f} + p.body, V{0.f, -3.f}, 1.f - p.claw, 0.75f, kFarShell);
    Funnel(fig, r, p);
    if (shieldBehind)
        Shield(fig, r, p);
    Eyes(fig, r, p, false);
    Dome(fig, r, p);
    Eyes(fig, r, p, true);
    Legs(fig, r, p, true);
    Claw(fig, V{r.centreX + 24.f, 70.f} + p.body, p.clawReach, p.claw, 1.f, kShell);
    if (!shieldBehind)
        Shield(fig, r, p);
    if (p.rush)
        Rush(fig.Detail(), r, p.frame);
    cell.Blit(fig.Result(), 0, 0);
}

// ---- Poses, facing right -----------------------------------------------------

// A leg's tip, whose outline's bottom row is the last above the floor.
float TipY(const TankRig& r) { return r.ground - 1.7f; }

TankPose Rest(const TankRig& r, int f)
{
    TankPose p;
    p.frame = f;
    for (int i = 0; i < 4; ++i) {
        p.nearFoot[i] = {r.centreX + kNearFeet[i], TipY(r)};
        p.farFoot[i] = {r.centreX + kFarFeet[i], TipY(r)};
    }
    return p;
}

TankPose Idle(const TankRig& r, int f, int n)
{
    TankPose p = Rest(r, f);
    const float a = kTau * f / n;
    p.breathe = std::sin(2.f * a) > 0.3f ? 1.f : 0.f;
    p.body.y = std::sin(2.f * a) > 0.3f ? -1.f : 0.f;
    p.eyeSway = 1.5f * std::sin(a);
    p.claw = 0.5f + 0.5f * std::sin(3.f * a);
    p.smoke = f / 16.f;
    return p;
}

// Legs step in two alternating sets, two strides a loop.
void Step(TankPose& p, const TankRig& r, float phase, float stride, float lift)
{
    for (int i = 0; i < 4; ++i) {
        const float q = phase + (i % 2 ? kPi : 0.f);
        const float dx = -stride * std::cos(q), up = std::max(0.f, std::sin(q)) * lift;
        p.nearFoot[i] = {r.centreX + kNearFeet[i] + dx, TipY(r) - up};
        const float qf = q + kPi;
        p.farFoot[i] = {r.centreX + kFarFeet[i] - stride * std::cos(qf), TipY(r) - std::max(0.f, std::sin(qf)) * lift};
    }
}

TankPose Walk(const TankRig& r, int f, int n)
{
    TankPose p = Rest(r, f);
    const float q = 2.f * kTau * f / n;
    Step(p, r, q, 3.5f, 3.f);
    p.body.y = std::cos(2.f * q) > 0.f ? -1.f : 0.f;
    p.eyeSway = -1.f + 0.8f * std::sin(q);
    p.claw = 0.3f + 0.2f * std::sin(q);
    p.clawReach = {std::sin(q) * 1.5f, 0.f};
    p.smoke = f / 10.f;
    return p;
}

// Frames 0 to 13 swing the shield round (the game usually starts at 14);
// from 14 it is held braced, trembling.
TankPose ShieldUp(const TankRig& r, int f)
{
    TankPose p = Rest(r, f);
    constexpr int kRaised = 14;
    p.shieldT = std::min(1.f, f / static_cast<float>(kRaised - 1));
    p.claw = 0.8f;
    p.clawReach = {-3.f * p.shieldT, -6.f * p.shieldT};
    if (f >= kRaised) {
        p.body = {-1.f, 1.f};
        p.shieldShake = {f % 2 ? 1.f : 0.f, (f / 2) % 2 ? 1.f : 0.f};
        p.eyeSway = -2.f + (f % 3);
        for (int i = 0; i < 4; ++i)
            p.nearFoot[i].x += kNearFeet[i] > 0.f ? 2.f : -2.f;
    }
    p.smoke = f / 9.f;
    return p;
}

// A wind-up (the shield swings down to ram, the rear legs paw, the eyes
// flare red) and from frame 30 the rush, looping.
TankPose Charge(const TankRig& r, int f)
{
    TankPose p = Rest(r, f);
    constexpr int kRushFrom = 30;
    p.smokeRate = 1.8f;
    p.smoke = f / 8.f;
    if (f < kRushFrom) {
        const float t = Ease(f / static_cast<float>(kRushFrom - 1));
        p.body = {-3.f * t, 2.f * t};
        p.shieldT = f < 12 ? f / 11.f : std::min(2.f, 1.f + (f - 11) / 6.f);
        const float paw = std::fabs(std::sin(kTau * f / 10.f));
        p.nearFoot[0].x -= 5.f * paw;
        p.nearFoot[0].y -= 2.f * paw;
        p.farFoot[1].x -= 4.f * (1.f - paw);
        p.angry = f >= 15;
        p.claw = 0.1f;
        p.clawReach = {-4.f * t, 2.f * t};
        p.eyeSway = -2.f * t;
    } else {
        Step(p, r, kTau * (f - kRushFrom) / 4.f, 4.5f, 3.f);
        p.body = {2.f, 2.f + ((f % 2) ? -1.f : 0.f)};
        p.shieldT = 2.f;
        p.angry = true;
        p.claw = 0.f;
        p.clawReach = {4.f, 2.f};
        p.eyeSway = -3.f;
        p.rush = true;
    }
    return p;
}

TankPose PoseFor(const TankRig& r, int row, int f, int n)
{
    switch (row) {
    case TANK_ROW_WALK_LEFT:
    case TANK_ROW_WALK_RIGHT:
        return Walk(r, f, n);
    case TANK_ROW_SHIELD_LEFT:
    case TANK_ROW_SHIELD_RIGHT:
        return ShieldUp(r, f);
    case TANK_ROW_CHARGE_LEFT:
    case TANK_ROW_CHARGE_RIGHT:
        return Charge(r, f);
    default:
        return Idle(r, f, n);
    }
}

}  // namespace

void PaintTank(Canvas& sheet, const AssetEntry& e)
{
    const TankRig rig = MakeRig(e);
    paint::ForEachCell(sheet, e.cellWidth, e.cellHeight, e.framesPerRow, [&](Canvas& cell, int row, int f, int n) {
        Canvas right(e.cellWidth, e.cellHeight);
        DrawTank(right, rig, PoseFor(rig, row, f, n));
        cell.Blit(row % 2 == 0 ? Mirrored(right) : right, 0, 0);
    });
}

}  // namespace enemy_art
