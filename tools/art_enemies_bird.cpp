// The bird: a scarlet parrot, red with yellow and blue wings and a long
// tail, flapping as it circles, and diving to spit in the attack rows.
//
// How the art meets the game. The bird flies, so it has no baseline; its
// shots leave from the cell's left edge, four fifths of the way down, in
// frame 7 of either attack row. Facing left the parrot dives so that its
// beak is there when it spits; the right-facing rows are its mirror image.
#include <algorithm>
#include <cmath>

#include "art_enemies_kit.hpp"
#include "enemies/enemy_table.hpp"

namespace enemy_art {
namespace {

constexpr Tones kRed{pal::Rust0, pal::Rust1, pal::Coral};
constexpr Tones kFarRed{pal::Ink, pal::Rust0, pal::Rust1};
constexpr Tones kYellow{pal::Lantern0, pal::Lantern0, pal::Lantern1};
constexpr Tones kFarYellow{pal::Wood2, pal::Lantern0, pal::Lantern0};
constexpr Tones kBlue{pal::Deep0, pal::Deep1, pal::Sea1};
constexpr Tones kFarBlue{pal::Ink, pal::Deep0, pal::Deep1};
constexpr Tones kBeak{pal::Sand0, pal::Sand2, pal::Bone};

constexpr int kSpitFrame = 7;  // the game shoots when the attack reaches it
constexpr float kSize = 1.2f;   // the drawing's scale in its cell

struct BirdPose {
    V centre;             // the body's centre
    float tilt = 0.f;     // the whole bird turned, + nose down
    float flap = -1.f;    // -1 wings up .. 1 wings down
    float farFlap = -1.f;
    float beakOpen = 0.f; // 0 .. 1
    float tailSway = 0.f;
    int spit = -1;        // frames since the spit, -1 none
};

// A point of the bird's own drawing (facing right, unturned) in the canvas.
struct Frame {
    V centre;
    float tilt;
    float size;
    V operator()(V local) const { return centre + Turn(local * size, tilt); }
    float Scaled(float r) const { return r * size; }
};

// The wing from its root: its tip swings from above the back to below it,
// foreshortened at mid-stroke. Red coverts, a yellow band and blue flight
// feathers: the primaries fan from the wrist, the secondaries trail behind.
void Wing(Figure& fig, const Frame& at, V root, float flap, bool nearSide)
{
    const V tip = root + V{-5.f - 9.f * (1.f - flap * flap), 31.f * flap};
    const float len = std::max(Length(tip - root), 0.01f);
    const V u = (tip - root) * (1.f / len);
    V n{-u.y, u.x};
    if (n.x > 0.f || (n.x == 0.f && n.y < 0.f))
        n = n * -1.f;
    const V wrist = root + u * (len * 0.45f) - n * 2.f;
    fig.Part(nearSide ? kBlue : kFarBlue, [&](Canvas& c) {
        for (int k = 0; k < 3; ++k) {  // secondaries
            const V base = Lerp(root, wrist, 0.2f + k * 0.3f) + n * 7.f;
            Cone(c, at(base), at(base + n * (6.f - k) - u * 1.f), at.Scaled(2.3f), at.Scaled(1.1f), pal::White);
        }
        for (int k = 0; k < 4; ++k) {  // primaries
            const V base = wrist + n * (k * 2.2f) + u * 1.f;
            const V end = tip + n * (k * 3.4f) - u * (k * 2.6f);
            Cone(c, at(base), at(end), at.Scaled(2.2f), at.Scaled(0.8f), pal::White);
        }
    }, 1);
    fig.Part(nearSide ? kYellow : kFarYellow, [&](Canvas& c) {
        Poly(c, {at(wrist - u * 3.f), at(wrist + u * 4.f), at(wrist + u * 3.f + n * 9.f), at(wrist - u * 3.f + n * 10.f)},
             pal::White);
    }, 1);
    fig.Part(nearSide ? kRed : kFarRed, [&](Canvas& c) {
        Poly(c, {at(root - n * 1.f), at(wrist - u * 1.5f), at(wrist - u * 2.f + n * 8.f), at(root + n * 10.f)},
             pal::White);
        Disc(c, at(root + n * 4.f), at.Scaled(4.5f), pal::White);
    }, 1);
}

void Tail(Figure& fig, const Frame& at, float sway)
{
    const V base{-8.f, 3.f};
    const V tips[3] = {{-28.f, 19.f}, {-26.f, 23.f}, {-22.f, 25.f}};
    for (int i = 0; i < 3; ++i) {
        const V tip = tips[i] + V{0.f, sway * (1.f + i * 0.5f)};
        const V blueFrom = Lerp(base, tip, 0.6f);
        fig.Part(kRed, [&](Canvas& c) { Cone(c, at(base), at(blueFrom), at.Scaled(2.3f), at.Scaled(1.6f), pal::White); }, 1);
        fig.Part(kBlue, [&](Canvas& c) { Cone(c, at(blueFrom), at(tip), at.Scaled(1.6f), at.Scaled(0.6f), pal::White); }, 1);
    }
}

void Head(Figure& fig, const Frame& at, const BirdPose& p)
{
    fig.Part(kRed, [&](Canvas& c) {
        Capsule(c, at({3.f, -2.f}), at({9.f, -7.f}), at.Scaled(5.f), pal::White);
        Disc(c, at({10.f, -8.f}), at.Scaled(6.5f), pal::White);
    });
    // The lower mandible drops as the beak opens.
    const float drop = p.beakOpen * 0.9f;
    const V hinge{14.5f, -5.f};
    auto lower = [&](V v) { return at(hinge + Turn(v - hinge, drop)); };
    fig.Flat([&](Canvas& c) {
        Poly(c, {lower({15.f, -5.f}), lower({19.f, -4.f}), lower({17.5f, -1.f}), lower({15.f, -2.f})}, pal::Stone0);
    });
    fig.Part(kBeak, [&](Canvas& c) {
        Poly(c, {at({13.5f, -11.5f}), at({18.f, -11.f}), at({21.f, -7.f}), at({20.5f, -2.f}), at({18.5f, -4.5f}),
                 at({14.5f, -5.f})},
             pal::White);
    }, 1);
    Canvas& d = fig.Detail();
    Oval(d, at({11.5f, -8.5f}), at.Scaled(3.2f), at.Scaled(2.6f), p.tilt, pal::Bone);
    Dot(d, at({12.5f, -9.f}), pal::Ink);
    Dot(d, at({11.5f, -9.f}), pal::Lantern1);
    Dot(d, at({12.5f, -10.f}), pal::Ink);
    Thin(d, at({10.f, -7.f}), at({10.8f, -6.f}), pal::Stone1);  // the face's fine feather lines
}

void Spit(Canvas& c, const Frame& at, int age)
{
    const V mouth = at({21.f, -3.f});
    const V out = Turn({1.f, 0.f}, at.tilt);
    if (age == 0) {
        for (int i = 0; i < 7; ++i) {
            const V d = Turn(out, (i - 3.f) * 0.42f);
            Thin(c, mouth + d * 3.f, mouth + d * (i % 2 ? 6.f : 8.f), i % 2 ? pal::Lantern1 : pal::White);
        }
        Disc(c, mouth + out * 2.f, 2.6f, pal::White);
        Disc(c, mouth + out * 2.f, 1.4f, pal::Sea2);
    }
    for (int i = 0; i < 3; ++i) {
        const V d = Turn(out, (i - 1) * 0.31f);
        const V blob = mouth + d * (5.f + age * 6.f);
        if (age < 3)
            SoftDisc(c, blob, 2.2f - age * 0.5f, pal::Sea2.WithAlpha(static_cast<std::uint8_t>(240 - age * 70)));
    }
}

void DrawBird(Canvas& low, const BirdPose& p)
{
    Figure fig(low.Width(), low.Height());
    const Frame at{p.centre, p.tilt, kSize};
    Wing(fig, at, {4.f, -4.f}, p.farFlap, false);
    Tail(fig, at, p.tailSway);
    fig.Part(kRed, [&](Canvas& c) { Oval(c, at({0.f, 0.f}), at.Scaled(11.5f), at.Scaled(8.f), p.tilt - 0.3f, pal::White); }, 2);
    fig.Part(kRed, [&](Canvas& c) { Oval(c, at({2.f, 3.f}), at.Scaled(7.f), at.Scaled(4.f), p.tilt - 0.3f, pal::White); }, 1, 1, false);
    fig.Flat([&](Canvas& c) {  // feet tucked up
        Capsule(c, at({0.f, 7.5f}), at({3.f, 8.5f}), at.Scaled(0.8f), pal::Stone0);
    });
    Head(fig, at, p);
    Wing(fig, at, {1.f, -3.f}, p.flap, true);
    if (p.spit >= 0)
        Spit(fig.Detail(), at, p.spit);
    low.Blit(fig.Result(), 0, 0);
}

// Two wingbeats a loop, the downstroke quicker than the upstroke.
float Beat(float t)
{
    t -= std::floor(t);
    const float w = t < 0.4f ? 0.5f * t / 0.4f : 0.5f + 0.5f * (t - 0.4f) / 0.6f;
    return -std::cos(kTau * w);
}

BirdPose Fly(V home, int f, int n)
{
    BirdPose p;
    const float t = 2.f * f / n;
    p.flap = Beat(t);
    p.farFlap = Beat(t - 0.08f);
    p.centre = home + V{0.f, 1.5f * p.flap};
    p.tilt = 0.06f * std::sin(kTau * f / n);
    p.tailSway = 1.5f * std::sin(kTau * t + 1.f);
    return p;
}

BirdPose Attack(V home, int f, int n)
{
    constexpr int kRear = 4, kRecover = 12;
    BirdPose p;
    const float lunge = f < kRear ? 0.f : (f <= kSpitFrame ? Ease((f - kRear + 1) / 4.f) : 1.f - Ease((f - kSpitFrame) / 6.f));
    if (f < kRear) {
        p.tilt = -0.4f * Ease((f + 1) / 4.f);
        p.flap = -1.f + 0.1f * f;
        p.centre = home + V{-2.f * Ease((f + 1) / 4.f), -1.f};
    } else {
        p.tilt = Lerp(-0.4f, 0.95f, lunge);
        if (f > kSpitFrame)
            p.tilt = Lerp(0.f, 0.95f, lunge);
        p.flap = f <= kSpitFrame ? Lerp(-0.6f, 1.f, Ease((f - kRear + 1) / 4.f)) : Lerp(1.f, -0.2f, Ease((f - kSpitFrame) / 5.f));
        p.centre = home + V{6.f, 8.f} * lunge;
    }
    if (f >= kRecover) {
        const BirdPose fly = Fly(home, f - kRecover, n);
        const float back = Ease((f - kRecover) / 6.f);
        p.flap = Lerp(p.flap, fly.flap, back);
        p.centre = Lerp(p.centre, fly.centre, back);
        p.tilt = Lerp(p.tilt, fly.tilt, back);
    }
    p.farFlap = p.flap;
    p.beakOpen = f >= kRear + 1 && f <= kSpitFrame + 2 ? (f == kSpitFrame ? 1.f : 0.6f) : 0.f;
    p.tailSway = -2.f * p.tilt + 0.3f * (f % 2);
    p.spit = f >= kSpitFrame && f < kSpitFrame + 3 ? f - kSpitFrame : -1;
    return p;
}

}  // namespace

void PaintBird(Canvas& sheet, const AssetEntry& e)
{
    const int w = e.cellWidth / kGrain, h = e.cellHeight / kGrain;
    const V home{w / 2.f, h / 2.f + 1.f};
    paint::ForEachCell(sheet, e.cellWidth, e.cellHeight, e.framesPerRow, [&](Canvas& cell, int row, int f, int n) {
        Canvas low(w, h);
        const bool attack = row == BIRD_ROW_ATTACK_LEFT || row == BIRD_ROW_ATTACK_RIGHT;
        DrawBird(low, attack ? Attack(home, f, n) : Fly(home, f, n));
        const bool left = row == BIRD_ROW_FLY_LEFT || row == BIRD_ROW_ATTACK_LEFT;
        Enlarge(cell, left ? Mirrored(low) : low, 0, 0);
    });
}

}  // namespace enemy_art
