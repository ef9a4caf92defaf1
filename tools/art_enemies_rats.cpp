// The rat alchemist (a grey rat in a long violet coat, brass goggles and a
// belt of vials, a bubbling flask in hand) and the skeleton rats it calls
// out of the ground.
//
// How the art meets the game. Both rest with their sprite's bottom on the
// enemies' ground line, below the floor, so their feet are drawn that far
// above the cell's bottom. The rat's flask leaves from the cell's top left
// corner in frame 6 of the left throw; the skeleton's bone from the same
// corner in the last frame of its left throw. Right-facing rows are the
// mirror images of the left ones.
#include <algorithm>
#include <cmath>

#include "art_enemies_kit.hpp"
#include "enemies/enemy_table.hpp"

namespace enemy_art {
namespace {

constexpr Tones kFur{pal::Stone0, pal::Stone1, pal::Stone2};
constexpr Tones kFarFur{pal::Ink, pal::Stone0, pal::Stone1};
constexpr Tones kCoat{pal::Night1, pal::Night2, pal::Violet};
constexpr Tones kFarCoat{pal::Night0, pal::Night1, pal::Night2};
constexpr Tones kSkin{{176, 80, 120}, pal::Pink, {250, 198, 214}};
constexpr Tones kGlass{pal::Kelp1, pal::Kelp2, {176, 206, 112}};
constexpr Tones kBone{pal::Sand1, pal::Sand2, pal::Bone};
constexpr Tones kFarBone{pal::Sand0, pal::Sand1, pal::Sand2};
constexpr Tones kDirt{pal::Wood0, pal::Wood1, pal::Sand0};

// Where a cell's feet stand: the drawing's top-left in the cell, and the
// feet's bottom edge in drawn pixels.
struct Ground {
    int oy = 0;
    float feet = 0.f;
};

Ground GroundOf(const AssetEntry& e)
{
    const int baseline = e.cellHeight - static_cast<int>(kEnemyGroundY - kLevelFloorY);
    Ground g;
    g.oy = GrainOffset(baseline);
    g.feet = static_cast<float>(baseline - g.oy) / kGrain;
    return g;
}

// ---- The rat alchemist, facing right -------------------------------------------

struct RatPose {
    V lift;                 // the body bobs and leans
    float lean = 0.f;       // the head forward (+) or back
    V nearFoot, farFoot;    // ankles
    V nearHand, farHand;
    bool flask = true;      // a flask in the near hand
    float bubbles = 0.f;    // its bubbles, in cycles
    bool arc = false;       // the throw's swish
    float tail = 0.f;
    float hem = 0.f;        // the coat's hem swings
    bool earFlick = false;
    float whisker = 0.f;
};

void Flask(Figure& fig, V at, float bubbles)
{
    fig.Part(kGlass, [&](Canvas& c) {
        Disc(c, at, 3.4f, pal::White);
        Capsule(c, at + V{0.f, -2.5f}, at + V{0.f, -5.5f}, 1.1f, pal::White);
    }, 1);
    Canvas& d = fig.Detail();
    Dot(d, at + V{-1.5f, -1.5f}, pal::White);
    Dot(d, at + V{-2.f, -0.5f}, pal::Foam);
    Dot(d, at + V{0.f, -6.5f}, pal::Wood2);
    for (int i = 0; i < 2; ++i) {
        const float age = std::fmod(bubbles + i * 0.5f, 1.f);
        Dot(d, at + V{(i ? 1.f : -1.f) * (0.5f + age * 1.5f), -7.5f - age * 6.f}, age < 0.7f ? pal::Foam : pal::Kelp2);
    }
}

void Vials(Canvas& d, V belt)
{
    const Rgba colours[3] = {pal::Kelp2, pal::Sea2, pal::Coral};
    for (int i = 0; i < 3; ++i) {
        const int x = static_cast<int>(belt.x) - 6 + i * 3, y = static_cast<int>(belt.y) + 1;
        d.FillRect(x - 1, y - 1, 3, 5, pal::Ink);
        d.FillRect(x, y + 1, 1, 3, colours[i]);
        d.Set(x, y, pal::Wood2);
    }
}

void RatArm(Figure& fig, V shoulder, V hand, bool nearSide)
{
    const V elbow = Lerp(shoulder, hand, 0.5f) + V{-1.5f, 1.5f};
    fig.Part(nearSide ? kCoat : kFarCoat, [&](Canvas& c) {
        Capsule(c, shoulder, elbow, 2.3f, pal::White);
        Capsule(c, elbow, hand, 2.f, pal::White);
    }, 1);
    fig.Part(kSkin, [&](Canvas& c) { Disc(c, hand, 1.6f, pal::White); }, 1);
}

void DrawRat(Canvas& low, const RatPose& p, float feet)
{
    Figure fig(low.Width(), low.Height());
    const V o = p.lift;
    const float hemY = feet - 6.f;
    // The tail trails on the ground behind.
    fig.Part(kSkin, [&](Canvas& c) {
        const float s = p.tail;
        Chain(c, {o + V{30.f, hemY - 1.f}, V{23.f, feet - 3.f}, V{15.f + s * 0.5f, feet - 2.7f}, V{9.f + s, feet - 5.f},
                  V{7.f + s * 1.5f, feet - 10.f}, V{9.f + s * 2.f, feet - 13.f}},
              1.5f, 0.7f, pal::White);
    }, 1);
    // Legs and feet under the coat.
    for (const V foot : {p.farFoot, p.nearFoot}) {
        const bool nearSide = foot.x == p.nearFoot.x && foot.y == p.nearFoot.y;
        fig.Part(nearSide ? kFur : kFarFur, [&](Canvas& c) {
            Capsule(c, o + V{foot.x > 38.f ? 40.f : 36.f, hemY - 2.f}, foot, 1.8f, pal::White);
        }, 1);
        fig.Part(kSkin, [&](Canvas& c) { Oval(c, foot + V{2.f, 0.f}, 3.5f, 1.5f, 0.f, pal::White); }, 1);
    }
    RatArm(fig, o + V{39.f, 22.f}, p.farHand, false);
    // The coat: a hunched back, a flared hem.
    fig.Part(kCoat, [&](Canvas& c) {
        Poly(c, {o + V{34.f, 19.f}, o + V{44.f, 19.f}, o + V{47.f, 30.f}, o + V{49.f + p.hem, hemY},
                 o + V{27.f + p.hem, hemY}, o + V{30.f, 30.f}},
             pal::White);
        Disc(c, o + V{36.f, 24.f}, 6.f, pal::White);
    }, 2);
    Canvas& d = fig.Detail();
    Thin(d, o + V{44.f, 21.f}, o + V{46.f + p.hem * 0.5f, hemY - 1.f}, pal::Night1);
    for (int i = 0; i < 3; ++i)
        Dot(d, o + V{43.5f, 24.f + i * 4.f}, pal::Lantern0);
    d.FillRect(static_cast<int>(o.x + 29.f), static_cast<int>(o.y + 32.f), 18, 2, pal::Wood0);
    Dot(d, o + V{44.f, 32.f}, pal::Lantern1);
    Vials(d, o + V{40.f, 33.f});
    // The head: a pointed snout, round ears, brass goggles on the brow.
    const V h = o + V{44.f + p.lean, 13.f};
    fig.Part(kFur, [&](Canvas& c) { Disc(c, h + V{-7.f, -6.f}, 3.8f, pal::White); });
    fig.Part(kFur, [&](Canvas& c) {
        Oval(c, h, 6.8f, 5.6f, 0.15f, pal::White);
        Cone(c, h + V{3.f, 1.f}, h + V{10.5f, 4.f}, 4.f, 1.5f, pal::White);
    });
    const V ear = h + V{-3.5f, -6.5f + (p.earFlick ? -1.f : 0.f)};
    fig.Part(kFur, [&](Canvas& c) { Disc(c, ear, 3.9f, pal::White); });
    Disc(d, ear + V{0.3f, 0.3f}, 2.2f, pal::Pink);
    fig.Part(kCoat, [&](Canvas& c) { Oval(c, o + V{41.f, 19.5f}, 5.5f, 2.2f, 0.f, pal::White); }, 1);  // collar
    Dot(d, h + V{11.f, 4.f}, pal::Pink);
    Dot(d, h + V{8.5f, 6.f}, pal::Bone);
    Thin(d, h + V{8.f, 4.f}, h + V{14.f, 2.f + p.whisker}, pal::Bone);
    Thin(d, h + V{8.f, 5.f}, h + V{14.f, 6.f + p.whisker}, pal::Bone);
    d.FillRect(static_cast<int>(h.x + 2.f), static_cast<int>(h.y - 1.f), 2, 2, pal::Ink);
    Dot(d, h + V{2.f, -1.f}, pal::White);
    // Goggles pushed up on the brow.
    d.FillRect(static_cast<int>(h.x - 5.f), static_cast<int>(h.y - 5.f), 8, 1, pal::Wood1);
    const V lens = h + V{1.f, -6.f};
    fig.Flat([&](Canvas& c) { Disc(c, lens, 2.9f, pal::Lantern0); });
    Disc(d, lens, 1.9f, pal::Sea1);
    Dot(d, lens + V{-1.f, -1.f}, pal::Foam);
    Dot(d, lens + V{0.f, -1.f}, pal::Sea2);
    Dot(d, lens + V{-1.f, 0.f}, pal::Sea2);
    // The near arm, with its flask.
    if (p.flask)
        Flask(fig, p.nearHand + V{1.f, -3.f}, p.bubbles);
    RatArm(fig, o + V{42.f, 23.f}, p.nearHand, true);
    if (p.arc)
        for (int i = 0; i < 5; ++i)
            Dot(fig.Detail(), p.nearHand + V{-3.f - i * 2.f, 4.f + i * i * 0.6f}, pal::Foam);
    low.Blit(fig.Result(), 0, 0);
}

RatPose RatStanding(float feet)
{
    RatPose p;
    p.nearFoot = {41.f, feet - 2.5f};
    p.farFoot = {35.f, feet - 2.5f};
    p.nearHand = {51.f, 25.f};
    p.farHand = {36.f, 31.f};
    return p;
}

RatPose RatIdle(float feet, int f, int n)
{
    RatPose p = RatStanding(feet);
    const float a = kTau * f / n;
    p.lift.y = std::sin(a) > 0.5f ? -1.f : 0.f;
    p.nearHand = p.nearHand + V{0.f, std::sin(a) * 0.8f};
    p.bubbles = static_cast<float>(f) / n;
    p.tail = 2.f * std::sin(a);
    p.whisker = f % 2 ? 1.f : 0.f;
    p.earFlick = f == n / 2;
    return p;
}

RatPose RatWalk(float feet, int f, int n)
{
    RatPose p = RatStanding(feet);
    const float q = kTau * f / n;
    p.lift.y = std::cos(2.f * q) > 0.f ? -1.f : 0.f;
    auto foot = [&](float phase, float x) {
        return V{x - 5.f * std::cos(phase), feet - 2.5f - std::max(0.f, std::sin(phase)) * 3.f};
    };
    p.nearFoot = foot(q, 42.f);
    p.farFoot = foot(q + kPi, 36.f);
    p.hem = -std::cos(q);
    p.nearHand = p.nearHand + V{std::cos(q) * 1.5f, p.lift.y};
    p.farHand = p.farHand + V{-std::cos(q) * 2.f, p.lift.y};
    p.bubbles = static_cast<float>(f) / n * 2.f;
    p.tail = 2.5f * std::sin(q);
    p.lean = 1.f;
    return p;
}

constexpr int kFlaskFrame = 6;  // the game throws the flask in this frame

RatPose RatThrow(float feet, int f, int n)
{
    RatPose p = RatStanding(feet);
    // The hand's path: to the belt, a flask out, back over the head, and
    // the flask gone high in front; then a bow as it lands.
    constexpr V kPath[] = {{45, 33}, {43, 35}, {40, 28}, {34, 17}, {31, 9}, {37, 4}, {53, 3}, {56, 11},
                           {55, 19}, {53, 24}, {52, 26}, {51.5f, 25.5f}, {51, 25}, {51.5f, 25}, {51, 25.5f}, {51, 25},
                           {51, 24.5f}};
    p.nearHand = kPath[std::min(f, static_cast<int>(std::size(kPath)) - 1)];
    p.flask = f >= 1 && f < kFlaskFrame;
    p.arc = f == kFlaskFrame || f == kFlaskFrame + 1;
    p.lean = f >= 3 && f <= 5 ? -2.f : (f >= kFlaskFrame && f <= 9 ? 2.f : 0.f);
    p.lift.x = p.lean * 0.5f;
    p.farHand = f >= 3 && f <= 8 ? V{50.f, 30.f} : p.farHand;
    p.tail = std::sin(kTau * f / n) * 3.f;
    p.whisker = f % 2 ? 1.f : 0.f;
    p.bubbles = static_cast<float>(f) / 4.f;
    if (f >= 11)
        p.flask = true;  // the next flask is out of the coat
    return p;
}

// ---- The skeleton rat, facing right ---------------------------------------------

struct SkeletonPose {
    V at;                // the hind feet on the ground, where the body turns about
    float rear = 0.f;    // the body reared up, radians (negative lifts the head)
    float sink = 0.f;    // how deep it still is in the ground
    V feet[4];           // hind far, hind near, fore far, fore near (relative to at, before rearing)
    float tail = 0.f;
    float jaw = 0.f;
    bool bone = false;   // a bone in its jaws
    bool tossed = false; // the bone just flung
    bool reared = false; // on its hind legs, forepaws up
    int mound = -1;      // the rising row: frame of the dirt mound
    float glow = 1.f;
};

void DrawSkeleton(Canvas& low, const SkeletonPose& p, float feet)
{
    Figure fig(low.Width(), low.Height());
    auto at = [&](V local) { return p.at + Turn(local, p.rear) + V{0.f, p.sink}; };
    // The tail: a chain of little vertebrae.
    fig.Part(kBone, [&](Canvas& c) {
        for (int i = 0; i < 8; ++i) {
            const float t = i / 7.f;
            const V v{-4.f - i * 2.4f, -7.f + t * 4.f + std::sin(p.tail + t * 3.f) * t * 3.f};
            Disc(c, at(v), 1.f - t * 0.4f, pal::White);
        }
    }, 0, 1);
    // Far legs behind the ribs.
    auto leg = [&](Canvas& c, V hip, V foot, bool fore) {
        const V knee = Lerp(hip, foot, 0.5f) + V{fore ? 1.f : -2.f, -1.f};
        Capsule(c, hip, knee, 0.7f, pal::White);
        Capsule(c, knee, foot, 0.6f, pal::White);
        Capsule(c, foot, foot + V{1.5f, 0.f}, 0.6f, pal::White);
    };
    const V hind = at({0.f, -8.f}), fore = at({14.f, -9.f});
    auto footAt = [&](int i) {
        if (p.reared && i >= 2)  // forepaws tucked up under the chest
            return at({i == 2 ? 18.f : 20.f, i == 2 ? -4.f : -3.5f});
        return p.at + p.feet[i] + V{0.f, p.sink};
    };
    fig.Part(kFarBone, [&](Canvas& c) {
        leg(c, hind, footAt(0), false);
        leg(c, fore, footAt(2), true);
    }, 0, 1);
    // Spine, ribs, pelvis.
    fig.Part(kBone, [&](Canvas& c) {
        for (int i = 0; i <= 8; ++i) {
            const float t = i / 8.f;
            Disc(c, at({-1.f + t * 18.f, -9.f - std::sin(t * kPi) * 3.f}), 1.1f, pal::White);
        }
        Oval(c, at({0.f, -8.f}), 2.6f, 1.7f, p.rear, pal::White);
    }, 0, 1);
    fig.Part(kBone, [&](Canvas& c) {
        for (int i = 0; i < 4; ++i) {
            const float x = 6.f + i * 2.5f, top = -10.5f - std::sin((x + 1.f) / 18.f * kPi) * 3.f;
            Chain(c, {at({x, top}), at({x - 1.f, top + 3.5f}), at({x + 0.5f, top + 6.f})}, 0.6f, 0.5f, pal::White);
        }
    }, 0, 1);
    // The skull, its jaw dropping as it chatters.
    const V skull = at({21.f, -11.f});
    fig.Part(kBone, [&](Canvas& c) {
        Oval(c, skull, 3.8f, 2.9f, p.rear + 0.1f, pal::White);
        Cone(c, at({22.5f, -11.5f}), at({28.f, -9.5f}), 2.3f, 0.9f, pal::White);
        Cone(c, at({21.f, -9.f}), at({26.5f, -7.f + p.jaw}), 1.2f, 0.6f, pal::White);
    }, 1, 1);
    Canvas& d = fig.Detail();
    Disc(d, at({21.5f, -12.f}), 1.4f, pal::Ink);
    Dot(d, at({22.f, -12.f}), p.glow > 0.5f ? pal::Kelp2 : pal::Kelp1);
    Dot(d, at({28.f, -8.5f}), pal::Ink);
    Dot(d, at({27.5f, -7.5f}), pal::Bone);
    fig.Part(kBone, [&](Canvas& c) {
        leg(c, hind + V{1.f, 0.f}, footAt(1), false);
        leg(c, fore + V{1.f, 0.f}, footAt(3), true);
    }, 0, 1);
    if (p.bone) {  // held across its jaws
        const V centre = at({27.f, -8.f});
        const V half = Turn({0.f, 3.8f}, p.rear - 0.3f);
        fig.Part(kBone, [&](Canvas& c) { BoneShape(c, centre - half, centre + half, 2.f, pal::White); }, 1, 1);
    }
    if (p.tossed)
        for (int i = 0; i < 5; ++i)
            Dot(fig.Detail(), at({30.f + i * 2.f, -9.f - i * 1.5f - i * i * 0.3f}), pal::Foam);
    low.Blit(fig.Result(), 0, 0);
    // Everything under the ground is hidden; the dirt mound sits on it.
    for (int y = static_cast<int>(feet); y < low.Height(); ++y)
        for (int x = 0; x < low.Width(); ++x)
            low.Set(x, y, pal::Clear);
}

void DirtMound(Canvas& low, V centre, float feet, int f)
{
    Figure fig(low.Width(), low.Height());
    const float size = f < 0 ? 0.f : std::min(1.f, 0.45f + f * 0.12f) * (f > 9 ? 1.f - (f - 9) * 0.18f : 1.f);
    fig.Part(kDirt, [&](Canvas& c) {
        Oval(c, {centre.x, feet - 1.f}, 10.f * size + 3.f, 3.5f * size + 1.f, 0.f, pal::White);
        c.FillRect(0, static_cast<int>(feet) - 1, c.Width(), c.Height(), pal::Clear);
    }, 1);
    // Clods thrown up while it climbs out.
    if (f >= 2 && f <= 10)
        for (int i = 0; i < 4; ++i) {
            const float t = ((f - 2) % 4 + i * 0.7f) / 4.f;
            const V clod = V{centre.x + (i - 1.5f) * (4.f + 8.f * t), feet - 2.f - 9.f * t + 10.f * t * t};
            if (clod.y < feet - 1.f)
                fig.Part(kDirt, [&](Canvas& c) { Disc(c, clod, 0.9f, pal::White); }, 0, 0);
        }
    low.Blit(fig.Result(), 0, 0);
}

SkeletonPose SkeletonStanding(float feet)
{
    SkeletonPose p;
    p.at = {22.f, feet - 1.5f};
    p.feet[0] = {-3.f, 0.f};
    p.feet[1] = {-1.f, 0.f};
    p.feet[2] = {14.f, 0.f};
    p.feet[3] = {16.f, 0.f};
    return p;
}

SkeletonPose SkeletonRise(float feet, int f, int n)
{
    SkeletonPose p = SkeletonStanding(feet);
    const float t = Ease((f - 2) / static_cast<float>(n - 5));
    p.sink = Lerp(16.f, 0.f, t);
    p.rear = f >= 3 && f < n - 2 ? -0.35f * (1.f - t) : 0.f;
    p.jaw = f % 2 ? 1.5f : 0.f;
    p.tail = f * 0.9f;
    p.mound = f;
    p.glow = f % 3 == 0 ? 0.f : 1.f;
    if (f >= n - 3) {  // shaking the dirt off
        p.at.x += (f % 2 ? 0.6f : -0.6f);
        p.feet[2].x += 1.f;
    }
    return p;
}

SkeletonPose SkeletonWalk(float feet, int f, int n)
{
    SkeletonPose p = SkeletonStanding(feet);
    const float q = kTau * f / n;
    // A trot: diagonal pairs move together.
    const float phase[4] = {q, q + kPi, q + kPi, q};
    for (int i = 0; i < 4; ++i) {
        p.feet[i].x += -3.f * std::cos(phase[i]);
        p.feet[i].y -= std::max(0.f, std::sin(phase[i])) * 2.f;
    }
    // The body bobs; the feet on the ground stay there.
    const float bob = std::fabs(std::sin(q)) > 0.7f ? 1.f : 0.f;
    p.at.y -= bob;
    for (V& foot : p.feet)
        foot.y += bob;
    p.tail = q;
    p.jaw = f % 3 == 0 ? 1.f : 0.f;
    return p;
}

// It picks up a bone in its jaws, rears on its hind legs, leans back and
// flings the bone with a toss of its head in the last frame (when the game
// throws it).
SkeletonPose SkeletonThrow(float feet, int f, int n)
{
    SkeletonPose p = SkeletonStanding(feet);
    const int release = n - 1;
    constexpr float kUp = -0.5f, kBack = -0.85f, kToss = -0.1f;
    if (f < 5)
        p.rear = kUp * Ease(f / 4.f);
    else if (f < 16)
        p.rear = Lerp(kUp, kBack, Ease((f - 5) / 10.f)) + (f % 2 ? 0.03f : 0.f);
    else
        p.rear = Lerp(kBack, kToss, Ease((f - 15) / static_cast<float>(release - 15)));
    p.reared = f >= 3;
    p.bone = f >= 2 && f < release;
    p.tossed = f == release;
    p.jaw = f == release ? 2.f : (f >= 5 && f < 16 && f % 3 == 0 ? 0.5f : 0.f);
    p.feet[0].x += 2.f;
    p.feet[1].x += 2.f;
    p.tail = f * 0.6f;
    return p;
}

}  // namespace

void PaintRat(Canvas& sheet, const AssetEntry& e)
{
    const Ground g = GroundOf(e);
    paint::ForEachCell(sheet, e.cellWidth, e.cellHeight, e.framesPerRow, [&](Canvas& cell, int row, int f, int n) {
        Canvas low(e.cellWidth / kGrain, (e.cellHeight - g.oy) / kGrain);
        RatPose pose;
        if (row == RAT_ROW_WALK_LEFT || row == RAT_ROW_WALK_RIGHT)
            pose = RatWalk(g.feet, f, n);
        else if (row == RAT_ROW_THROW_LEFT || row == RAT_ROW_THROW_RIGHT)
            pose = RatThrow(g.feet, f, n);
        else
            pose = RatIdle(g.feet, f, n);
        DrawRat(low, pose, g.feet);
        Enlarge(cell, row % 2 == 0 ? Mirrored(low) : low, 0, g.oy);
    });
}

void PaintSkeletonRat(Canvas& sheet, const AssetEntry& e)
{
    const Ground g = GroundOf(e);
    paint::ForEachCell(sheet, e.cellWidth, e.cellHeight, e.framesPerRow, [&](Canvas& cell, int row, int f, int n) {
        Canvas low(e.cellWidth / kGrain, (e.cellHeight - g.oy) / kGrain);
        SkeletonPose pose;
        if (row == SKELETON_ROW_WALK_LEFT || row == SKELETON_ROW_WALK_RIGHT)
            pose = SkeletonWalk(g.feet, f, n);
        else if (row == SKELETON_ROW_THROW_LEFT || row == SKELETON_ROW_THROW_RIGHT)
            pose = SkeletonThrow(g.feet, f, n);
        else
            pose = SkeletonRise(g.feet, f, n);
        DrawSkeleton(low, pose, g.feet);
        if (pose.mound >= 0)
            DirtMound(low, pose.at + V{8.f, 0.f}, g.feet, pose.mound);
        // Row 1 is where the game leaves a finished rise: the mirror of row 0.
        const bool left = row == SKELETON_ROW_RISE || row == SKELETON_ROW_WALK_LEFT || row == SKELETON_ROW_THROW_LEFT;
        Enlarge(cell, left ? Mirrored(low) : low, 0, g.oy);
    });
}

}  // namespace enemy_art
