// The monkey archer: a brown monkey in a red bandana with a quiver on its
// back, and its bow arm, a sprite of its own that turns toward its aim.
//
// How the art meets the game. The body's sprite rests with its bottom on
// the archer's ground line, 20 px below the level floor, so the feet stand
// that far above the cell's bottom. The arm turns about its origin, which
// the game puts on the body at one of two offsets: walking, at the left
// offset while facing left and at the right one while facing right; in the
// air the two swap. Both are the shoulder, so the monkey is mirrored about
// the line halfway between them rather than about the cell's middle:
// walking, the shoulder sits on its hunched upper back; leaping, the body
// stretches forward and the shoulder leads.
//
// The arm is drawn aiming right about (0, pivot y), its mirror aiming left
// about (cell width, pivot y); the game turns the left one 180 degrees.
#include <algorithm>
#include <cmath>

#include "art_enemies_kit.hpp"
#include "enemies/enemy_table.hpp"

namespace enemy_art {
namespace {

constexpr Tones kFur{pal::Wood1, pal::Wood2, pal::Wood3};
constexpr Tones kFarFur{pal::Wood0, pal::Wood1, pal::Wood2};
constexpr Tones kSkin{pal::Sand0, pal::Sand1, pal::Sand2};
constexpr Tones kFarSkin{pal::Wood1, pal::Sand0, pal::Sand1};
constexpr Tones kBandana{pal::Rust0, pal::Rust1, pal::Coral};
constexpr Tones kLeather{pal::Wood0, pal::Rust0, pal::Rust1};
constexpr Tones kBowWood{pal::Wood1, pal::Wood2, pal::Wood3};

// The body's geometry from the enemy table, in drawn pixels.
struct Rig {
    int width = 0, height = 0;  // the drawing, mirrored onto itself
    int ox = 0, oy = 0;         // the drawing's top-left in the cell
    float ground = 0.f;         // the feet's bottom edge
    float backX = 0.f;          // the shoulder facing right, walking (on the back)
    float frontX = 0.f;         // ... and in the air (leading)
    float shoulderY = 0.f;
};

Rig MakeRig(const AssetEntry& e)
{
    const int left = static_cast<int>(kArcherArmOffsetLeftX);
    const int right = static_cast<int>(kArcherArmOffsetRightX);
    // Mirroring maps cell column x to left + right - 1 - x; the grain must
    // map onto itself.
    int ox = 0;
    while ((left + right - 2 * ox) % kGrain != 0)
        ++ox;
    const int baseline = e.cellHeight - static_cast<int>(kArcherGroundY - kLevelFloorY);
    Rig r;
    r.ox = ox;
    r.oy = GrainOffset(baseline);
    r.width = (left + right - 2 * ox) / kGrain;
    r.height = (e.cellHeight - r.oy) / kGrain;
    r.ground = static_cast<float>(baseline - r.oy) / kGrain;
    r.backX = static_cast<float>(right - ox) / kGrain;
    r.frontX = static_cast<float>(left - ox) / kGrain;
    r.shoulderY = (kArcherArmY - static_cast<float>(r.oy)) / kGrain;
    return r;
}

struct MonkeyPose {
    V hip, shoulder, head;
    V nearAnkle, farAnkle;
    V farHand;
    float tail = 0.f;      // sway phase
    float tailUp = 0.f;    // 0 curled low .. 1 streaming up behind (a leap)
    float flap = 0.f;      // the bandana's tails, -1 .. 1
    bool blink = false;
    bool mouthOpen = false;
};

constexpr float kThigh = 11.5f, kShin = 12.f;
constexpr float kUpperArm = 11.f, kForearm = 11.5f;

// The middle joint of a two-bone limb from root to end; bend > 0 puts it on
// the +x side. An end out of reach is pulled in along the limb.
V Joint(V root, V& end, float a, float b, float bend)
{
    V d = end - root;
    float len = Length(d);
    if (len > a + b - 0.05f) {
        end = root + d * ((a + b - 0.05f) / len);
        d = end - root;
        len = a + b - 0.05f;
    }
    len = std::max(len, 0.01f);
    const float along = (a * a - b * b + len * len) / (2.f * len);
    const float h = std::sqrt(std::max(0.f, a * a - along * along));
    const V u = d * (1.f / len), n{-u.y, u.x};
    const V k1 = root + u * along + n * h, k2 = root + u * along - n * h;
    return (k1.x - k2.x) * bend >= 0.f ? k1 : k2;
}

void Leg(Figure& fig, V hip, V ankle, const Tones& fur, const Tones& skin)
{
    const V knee = Joint(hip, ankle, kThigh, kShin, 1.f);
    fig.Part(fur, [&](Canvas& c) {
        Capsule(c, hip, knee, 3.2f, pal::White);
        Capsule(c, knee, ankle, 2.3f, pal::White);
    });
    fig.Part(skin, [&](Canvas& c) { Oval(c, ankle + V{2.2f, 1.f}, 3.6f, 1.5f, 0.f, pal::White); }, 1);
}

void FarArm(Figure& fig, V shoulder, V hand)
{
    const V elbow = Joint(shoulder, hand, kUpperArm, kForearm, -1.f);
    fig.Part(kFarFur, [&](Canvas& c) {
        Capsule(c, shoulder, elbow, 2.4f, pal::White);
        Capsule(c, elbow, hand, 2.f, pal::White);
    });
    fig.Part(kFarSkin, [&](Canvas& c) { Disc(c, hand + V{0.5f, 0.5f}, 2.1f, pal::White); }, 1);
}

void Tail(Figure& fig, const MonkeyPose& p)
{
    const V base = p.hip + V{-4.f, 2.f};
    // A low curl, and a tail streaming up behind a leap.
    constexpr V kCurl[] = {{0, 0}, {-6, 1}, {-12, -2}, {-15, -8}, {-14, -14}, {-10, -16}, {-8, -13}};
    constexpr V kStream[] = {{0, 0}, {-6, -2}, {-12, -5}, {-17, -9}, {-20, -14}, {-19, -19}, {-16, -20}};
    V pts[7];
    for (int i = 0; i < 7; ++i) {
        const V o = Lerp(kCurl[i], kStream[i], p.tailUp);
        pts[i] = base + o + V{std::sin(p.tail - i * 0.7f) * i * 0.45f, std::cos(p.tail - i * 0.7f) * i * 0.2f};
    }
    fig.Part(kFur, [&](Canvas& c) {
        for (int i = 0; i < 6; ++i)
            Cone(c, pts[i], pts[i + 1], 2.f - i * 0.15f, 2.f - (i + 1) * 0.15f, pal::White);
    });
}

void Quiver(Figure& fig, const MonkeyPose& p)
{
    const V top = p.shoulder + V{-7.f, -6.f}, bottom = p.shoulder + V{-11.5f, 14.f};
    fig.Part(kLeather, [&](Canvas& c) { Capsule(c, top, bottom, 2.7f, pal::White); });
    fig.Flat([&](Canvas& c) {
        for (const V o : {V{-2.f, -2.f}, V{0.5f, -3.f}, V{2.5f, -1.5f}}) {
            Disc(c, top + o, 1.3f, pal::Coral);
            Dot(c, top + o + V{-0.5f, -0.5f}, pal::CoralLight);
        }
    });
}

void Torso(Figure& fig, const MonkeyPose& p)
{
    const V axis = p.shoulder - p.hip;
    const float len = Length(axis), angle = std::atan2(axis.y, axis.x);
    const V u = axis * (1.f / len), forward{-u.y, u.x};
    const V mid = Lerp(p.hip, p.shoulder, 0.5f);
    fig.Part(kFur, [&](Canvas& c) {
        Oval(c, mid, len / 2.f + 4.f, 10.5f, angle, pal::White);
        Disc(c, p.shoulder + V{0.5f, 1.5f}, 7.f, pal::White);
    });
    fig.Part(kSkin, [&](Canvas& c) { Oval(c, mid + forward * 6.f - u * 2.f, len / 2.f - 2.f, 4.2f, angle, pal::White); },
             1, 1, false);
    // The quiver's strap across the chest.
    Thin(fig.Detail(), p.shoulder + V{-2.f, -3.f}, mid + forward * 7.f - u * 6.f, pal::Wood0);
}

void Head(Figure& fig, const MonkeyPose& p)
{
    const V h = p.head;
    fig.Part(kFur, [&](Canvas& c) { Disc(c, h + V{-6.f, 0.f}, 2.8f, pal::White); });  // ear
    fig.Detail().Set(static_cast<int>(h.x - 6.f), static_cast<int>(h.y), pal::Pink);
    fig.Part(kFur, [&](Canvas& c) {
        Capsule(c, p.shoulder + V{1.f, 1.f}, h + V{-1.f, 4.f}, 5.5f, pal::White);  // neck
        Disc(c, h, 8.5f, pal::White);
        Oval(c, h + V{6.5f, 4.f}, 4.8f, 3.8f, 0.f, pal::White);  // muzzle
    });
    fig.Part(kBandana, [&](Canvas& c) {
        Oval(c, h + V{-0.5f, -4.5f}, 8.9f, 4.8f, 0.f, pal::White);
        Disc(c, h + V{-8.f, -3.f}, 1.9f, pal::White);
        Cone(c, h + V{-8.f, -3.f}, h + V{-13.5f, -5.f + p.flap * 1.5f}, 1.4f, 0.8f, pal::White);
        Cone(c, h + V{-8.f, -3.f}, h + V{-12.5f, 0.f + p.flap}, 1.3f, 0.7f, pal::White);
    });
    fig.Part(kSkin, [&](Canvas& c) {
        Oval(c, h + V{3.5f, 0.5f}, 5.f, 4.8f, 0.f, pal::White);
        Oval(c, h + V{6.5f, 4.f}, 4.8f, 3.8f, 0.f, pal::White);
    }, 1, 1, false);
    Canvas& d = fig.Detail();
    const int ex = static_cast<int>(h.x + 3.f), ey = static_cast<int>(h.y - 2.f);
    d.FillRect(ex - 1, ey - 2, 4, 1, pal::Wood0);  // brow
    if (p.blink) {
        d.FillRect(ex, ey, 3, 1, pal::Wood0);
    } else {
        d.FillRect(ex, ey, 2, 2, pal::White);
        d.Set(ex + 1, ey, pal::Ink);
        d.Set(ex + 1, ey + 1, pal::Ink);
    }
    d.Set(static_cast<int>(h.x + 10.f), static_cast<int>(h.y + 2.f), pal::Ink);  // nostril
    const int my = static_cast<int>(h.y + 5.f);
    d.FillRect(static_cast<int>(h.x + 5.f), my, 5, 1, pal::Wood0);
    if (p.mouthOpen)
        d.FillRect(static_cast<int>(h.x + 6.f), my + 1, 3, 1, pal::Rust0);
}

void DrawMonkey(Figure& fig, const MonkeyPose& p)
{
    Tail(fig, p);
    Leg(fig, p.hip + V{-1.f, -1.f}, p.farAnkle, kFarFur, kFarSkin);
    FarArm(fig, p.shoulder + V{2.5f, 3.f}, p.farHand);
    Quiver(fig, p);
    Torso(fig, p);
    Leg(fig, p.hip + V{1.f, 0.f}, p.nearAnkle, kFur, kSkin);
    Head(fig, p);
}

// ---- Poses, facing right -----------------------------------------------------

// The ankle over the foot, whose outline's bottom row is the last above the floor.
float AnkleY(const Rig& r) { return r.ground - 3.5f; }

MonkeyPose Standing(const Rig& r)
{
    MonkeyPose p;
    p.shoulder = {r.backX, r.shoulderY};
    p.hip = {r.backX - 5.f, r.ground - 22.f};
    p.head = p.shoulder + V{8.f, -10.5f};
    p.nearAnkle = {p.hip.x + 7.f, AnkleY(r)};
    p.farAnkle = {p.hip.x - 3.f, AnkleY(r)};
    p.farHand = p.shoulder + V{7.f, 22.f};
    return p;
}

MonkeyPose Idle(const Rig& r, int f, int n)
{
    const float a = kTau * f / n;
    MonkeyPose p = Standing(r);
    p.hip.y += 0.6f * std::sin(a);
    p.head = p.head + V{0.4f * std::sin(a * 2.f), 0.6f * std::sin(a)};
    p.farHand = p.farHand + V{1.5f * std::sin(a), 0.5f * std::cos(a)};
    p.tail = a;
    p.flap = std::sin(a * 2.f);
    p.blink = f == n * 3 / 4 || f == n * 3 / 4 + 1;
    return p;
}

// A loping run: the game replays the first 15 frames while it walks.
constexpr int kRunPeriod = 15;

MonkeyPose Run(const Rig& r, int f)
{
    const float q = kTau * (f % kRunPeriod) / kRunPeriod;
    MonkeyPose p = Standing(r);
    const float bob = 0.9f * std::cos(2.f * q) - 0.3f;
    p.hip = p.hip + V{1.f, bob};
    p.head = p.head + V{0.f, bob * 0.6f};
    auto ankle = [&](float phase) {
        return V{p.hip.x + 2.f - 9.f * std::cos(phase), AnkleY(r) - std::max(0.f, std::sin(phase)) * 5.f};
    };
    p.nearAnkle = ankle(q);
    p.farAnkle = ankle(q + kPi);
    const float swing = 0.6f * std::cos(q);
    p.farHand = p.shoulder + V{2.5f, 3.f} + V{std::sin(swing), std::cos(swing)} * 21.f;
    p.tail = q;
    p.flap = std::sin(2.f * q + f * 0.3f);
    p.mouthOpen = true;
    return p;
}

// The leap: a crouch, the launch, stretched out with the shoulder leading,
// a scramble of the legs in the loop the game holds (frames 12 to 14), then
// the legs swing under for the landing.
MonkeyPose Leap(const Rig& r, int f)
{
    MonkeyPose p;
    p.shoulder = {r.frontX, r.shoulderY};
    const float g = AnkleY(r);
    struct Key {
        V hip, nearAnkle, farAnkle, hand;
        float tailUp;
    };
    const V s = p.shoulder;
    const Key crouch{{s.x - 10.f, r.ground - 24.f}, {s.x - 3.f, g}, {s.x - 10.f, g}, s + V{6.f, 22.f}, 0.f};
    const Key launch{{s.x - 14.f, r.ground - 30.f}, {s.x - 19.f, g - 8.f}, {s.x - 22.f, g - 11.f}, s + V{11.f, 16.f},
                     0.5f};
    const Key stretch{{s.x - 22.f, r.ground - 36.f}, {s.x - 33.f, r.ground - 26.f}, {s.x - 36.f, r.ground - 29.f},
                      s + V{15.f, 9.f}, 1.f};
    const Key land{{s.x - 17.f, r.ground - 34.f}, {s.x - 10.f, r.ground - 13.f}, {s.x - 16.f, r.ground - 15.f},
                   s + V{12.f, 15.f}, 0.7f};
    auto blend = [](const Key& a, const Key& b, float t) {
        t = Ease(t);
        return Key{Lerp(a.hip, b.hip, t), Lerp(a.nearAnkle, b.nearAnkle, t), Lerp(a.farAnkle, b.farAnkle, t),
                   Lerp(a.hand, b.hand, t), Lerp(a.tailUp, b.tailUp, t)};
    };
    Key k;
    if (f < 3)
        k = blend(crouch, launch, f / 3.f);
    else if (f < 7)
        k = blend(launch, stretch, (f - 3) / 4.f);
    else if (f < 12)
        k = blend(stretch, stretch, 0.f);
    else
        k = blend(stretch, land, (f - 12) / 22.f);
    // Frames 7 to 14 paddle the legs in the air.
    const float paddle = f >= 7 ? kTau * (f % 3) / 3.f : 0.f;
    const float kick = f >= 7 ? 2.2f : 0.f;
    p.hip = k.hip;
    p.nearAnkle = k.nearAnkle + V{kick * std::cos(paddle), kick * std::sin(paddle)};
    p.farAnkle = k.farAnkle + V{kick * std::cos(paddle + kPi), kick * std::sin(paddle + kPi)};
    p.farHand = k.hand + V{0.f, f >= 7 ? std::sin(paddle) * 1.5f : 0.f};
    p.head = s + V{8.5f, -10.5f + (f < 3 ? 1.f : 0.f)};
    p.tailUp = k.tailUp;
    p.tail = f * 0.9f;
    p.flap = std::sin(f * 1.7f);
    p.mouthOpen = f >= 3 && f < 12;
    return p;
}

MonkeyPose PoseFor(const Rig& r, int row, int f, int n)
{
    switch (row) {
    case ARCHER_ROW_WALK_LEFT:
    case ARCHER_ROW_WALK_RIGHT:
        return Run(r, f);
    case ARCHER_ROW_AIR_RIGHT:
    case ARCHER_ROW_AIR_LEFT:
        return Leap(r, f);
    default:
        return Idle(r, f, n);
    }
}

bool FacesLeft(int row)
{
    return row == ARCHER_ROW_START || row == ARCHER_ROW_WALK_LEFT || row == ARCHER_ROW_AIR_LEFT;
}

// ---- The bow arm -------------------------------------------------------------

struct BowPose {
    float draw = 0.f;   // 0 string at rest .. 1 full draw; below 0 the string snaps past rest
    bool arrow = false;
    V hand;             // the drawing hand
    bool streak = false;
};

V Nock(V grip, float draw) { return grip + V{-7.f - 17.f * draw, 0.f}; }

BowPose BowFrame(V pivot, V grip, int f)
{
    const V rest = pivot + V{20.f, 7.f}, flung = pivot + V{10.f, -2.5f};
    BowPose b;
    if (f == 0) {
        b.hand = rest;
    } else if (f <= 2) {
        b.arrow = f == 2;
        b.hand = f == 1 ? Lerp(rest, Nock(grip, 0.f), 0.5f) + V{0.f, -2.f} : Nock(grip, 0.f);
    } else if (f <= 8) {
        b.arrow = true;
        b.draw = Ease((f - 2) / 6.f);
        b.hand = Nock(grip, b.draw) + V{0.f, f == 8 ? 0.5f : 0.f};
    } else if (f == 9) {
        b.draw = -0.2f;
        b.hand = flung;
        b.streak = true;
    } else {
        const float t = (f - 9) / 11.f;
        b.draw = f <= 14 ? 0.12f * ((f % 2) ? 1.f : -1.f) * (1.f - t * 1.5f) : 0.f;
        b.hand = Lerp(flung, rest, Ease(t));
    }
    return b;
}

void DrawBowArm(Canvas& low, V pivot, int f)
{
    const V grip = pivot + V{34.f, 0.f};
    const BowPose b = BowFrame(pivot, grip, f);
    Figure fig(low.Width(), low.Height());
    // The bow arm, held out straight.
    fig.Part(kFur, [&](Canvas& c) {
        Disc(c, pivot + V{0.5f, 0.f}, 3.5f, pal::White);
        Cone(c, pivot, pivot + V{16.f, 0.8f}, 2.6f, 2.1f, pal::White);
        Cone(c, pivot + V{16.f, 0.8f}, grip + V{-3.f, 0.3f}, 2.1f, 1.8f, pal::White);
    });
    // The bow: a recurve whose tips bend back as it draws.
    V limb[2][6];
    constexpr V kLimb[6] = {{0, 0}, {-0.5f, -7}, {-2.5f, -15}, {-5.5f, -21}, {-8, -25}, {-7, -28}};
    for (int side = 0; side < 2; ++side)
        for (int i = 0; i < 6; ++i) {
            const float bend = std::max(0.f, b.draw) * 3.f * (i / 5.f) * (i / 5.f);
            limb[side][i] = grip + V{kLimb[i].x - bend, kLimb[i].y * (side ? -1.f : 1.f) * (1.f - 0.03f * std::max(0.f, b.draw))};
        }
    fig.Part(kBowWood, [&](Canvas& c) {
        for (const auto& l : limb)
            for (int i = 0; i < 5; ++i)
                Cone(c, l[i], l[i + 1], 1.6f - i * 0.15f, 1.6f - (i + 1) * 0.15f, pal::White);
    }, 1);
    fig.Part(kBandana, [&](Canvas& c) { Capsule(c, grip + V{0.f, -2.5f}, grip + V{0.f, 2.5f}, 1.7f, pal::White); }, 1);
    const V top = limb[0][5], bottom = limb[1][5];
    const V nock = b.draw == 0.f && !b.arrow ? Nock(grip, 0.f) : Nock(grip, b.draw);
    Thin(fig.Detail(), top, nock, pal::Bone);
    Thin(fig.Detail(), nock, bottom, pal::Bone);
    if (b.arrow)
        fig.Flat([&](Canvas& c) {
            const V tip = nock + V{31.f, 0.f};
            Capsule(c, nock + V{1.f, 0.f}, tip + V{-2.f, 0.f}, 0.5f, pal::Wood3);
            Poly(c, {tip + V{1.f, 0.f}, tip + V{-3.f, -1.8f}, tip + V{-3.f, 1.8f}}, pal::Stone2);
            Poly(c, {nock + V{0.5f, 0.f}, nock + V{5.f, 0.f}, nock + V{2.f, -2.5f}}, pal::Coral);
            Poly(c, {nock + V{0.5f, 0.f}, nock + V{5.f, 0.f}, nock + V{2.f, 2.5f}}, pal::Rust1);
        });
    if (b.streak)
        for (int i = 0; i < 3; ++i)
            Thin(fig.Detail(), grip + V{4.f + i * 3.f, -2.f + i * 2.f}, grip + V{16.f + i * 2.f, -2.f + i * 2.f},
                 pal::Foam);
    // The drawing arm, on the near side.
    const V shoulder = pivot + V{1.f, -1.5f};
    V hand = b.hand;
    const V elbow = Joint(shoulder, hand, 13.f, 13.f, -1.f);
    fig.Part(kFur, [&](Canvas& c) {
        Capsule(c, shoulder, elbow, 2.5f, pal::White);
        Capsule(c, elbow, hand, 2.1f, pal::White);
    });
    fig.Part(kSkin, [&](Canvas& c) { Disc(c, hand + V{0.5f, 0.f}, 2.3f, pal::White); }, 1);
    low.Blit(fig.Result(), 0, 0);
}

}  // namespace

void PaintArcherBody(Canvas& sheet, const AssetEntry& e)
{
    const Rig rig = MakeRig(e);
    paint::ForEachCell(sheet, e.cellWidth, e.cellHeight, e.framesPerRow, [&](Canvas& cell, int row, int f, int n) {
        Figure fig(rig.width, rig.height);
        DrawMonkey(fig, PoseFor(rig, row, f, n));
        Enlarge(cell, FacesLeft(row) ? Mirrored(fig.Result()) : fig.Result(), rig.ox, rig.oy);
    });
}

void PaintArcherArm(Canvas& sheet, const AssetEntry& e)
{
    // Aiming right the arm turns about (0, pivot y); aiming left about the
    // cell's right edge, which the mirror image puts there.
    const V pivot{0.f, kArcherArmPivotY / kGrain};
    paint::ForEachCell(sheet, e.cellWidth, e.cellHeight, e.framesPerRow, [&](Canvas& cell, int row, int f, int) {
        Canvas low(e.cellWidth / kGrain, e.cellHeight / kGrain);
        DrawBowArm(low, pivot, f);
        Enlarge(cell, row == ARM_ROW_AIM_LEFT ? Mirrored(low) : low, 0, 0);
    });
}

}  // namespace enemy_art
