// Pictures of the enemies subsystem: each kind's sheet (the creatures are
// painted in art_enemies_*.cpp), the training dummy, and the shots, drops
// and effects.
#include <algorithm>
#include <cmath>
#include <string>

#include "art_enemies_kit.hpp"
#include "enemies/enemy_table.hpp"

namespace enemy_art {
namespace {

constexpr Tones kPost{pal::Wood0, pal::Wood1, pal::Wood2};
constexpr Tones kBurlap{pal::Wood2, pal::Wood3, pal::Sand1};
constexpr Tones kStraw{pal::Sand0, pal::Sand2, pal::Lantern1};
constexpr Tones kDirt{pal::Wood0, pal::Wood1, pal::Sand0};
constexpr Tones kGold{pal::Wood2, pal::Lantern0, pal::Lantern1};
constexpr Tones kRoast{pal::Rust0, pal::Wood2, pal::Lantern0};
constexpr Tones kBone{pal::Sand1, pal::Sand2, pal::Bone};
constexpr Tones kPoison{pal::Kelp1, pal::Kelp2, {176, 206, 112}};
constexpr Tones kGlass{pal::Sea1, pal::Sea2, pal::Foam};

// ---- The training dummy ------------------------------------------------------------
// A straw dummy on a post planted in the hub's floor. The game draws it from
// its spawn point less the table's sprite offset; its post stands in the
// floor there. A hit sets it rocking about its foot.

struct Dummy {
    V foot;              // where the post enters the ground
    float angle = 0.f;   // rocked over, + to the right
    float squash = 0.f;  // the sack bulges on the hit
    int hit = -1;        // frames since the hit: straw flies
};

void DrawDummy(Canvas& low, const Dummy& d)
{
    Figure fig(low.Width(), low.Height());
    auto at = [&](V local) { return d.foot + Turn(local, d.angle); };
    fig.Part(kPost, [&](Canvas& c) {
        Capsule(c, at({0.f, 0.f}), at({0.f, -45.f}), 1.8f, pal::White);
        Capsule(c, at({-18.f, -31.f}), at({18.f, -31.f}), 1.5f, pal::White);
    });
    fig.Part(kStraw, [&](Canvas& c) {  // straw hands and the skirt under the sack
        for (const float side : {-1.f, 1.f})
            for (int k = -1; k <= 1; ++k)
                Cone(c, at({side * 17.f, -31.f}), at({side * 22.f, -31.f + k * 2.5f}), 1.3f, 0.6f, pal::White);
        for (int k = -3; k <= 3; ++k)
            Cone(c, at({k * 2.2f, -15.f}), at({k * 3.2f, -9.f + std::fabs(static_cast<float>(k)) * 0.5f}), 1.2f, 0.6f,
                 pal::White);
    }, 1);
    fig.Part(kStraw, [&](Canvas& c) { Oval(c, at({0.f, -24.f}), 10.f + d.squash, 11.5f - d.squash, d.angle, pal::White); },
             2);
    fig.Part(kBurlap, [&](Canvas& c) { Disc(c, at({0.f, -44.f}), 7.f, pal::White); }, 2);
    fig.Part(kStraw, [&](Canvas& c) {  // a tuft of hair
        for (int k = -2; k <= 2; ++k)
            Cone(c, at({k * 1.2f, -50.f}), at({k * 2.4f, -55.f + std::fabs(static_cast<float>(k))}), 1.f, 0.5f,
                 pal::White);
    }, 1);
    Canvas& c = fig.Detail();
    // The burlap's weave and the body's straw strands.
    for (int y = 0; y < c.Height(); ++y)
        for (int x = 0; x < c.Width(); ++x) {
            if ((x + 2 * y) % 5 == 0 && c.Get(x, y) == pal::Wood3)
                c.Set(x, y, pal::Wood2);
            if ((x + y / 3) % 3 == 0 && c.Get(x, y) == pal::Sand2)
                c.Set(x, y, pal::Sand1);
        }
    // Rope ties at the neck and the waist.
    for (const float y : {-36.f, -14.5f}) {
        const float half = y < -20.f ? 4.f : 6.f;
        for (float x = -half; x <= half; x += 1.f)
            Dot(c, at({x, y}), static_cast<int>(x + 10.f) % 2 ? pal::Sand0 : pal::Wood1);
    }
    // The painted target on the chest.
    Disc(c, at({1.f, -25.f}), 5.f, pal::Rust1);
    Disc(c, at({1.f, -25.f}), 3.6f, pal::Bone);
    Disc(c, at({1.f, -25.f}), 2.1f, pal::Rust1);
    Dot(c, at({1.f, -25.f}), pal::Coral);
    // A stitched face.
    for (const float ex : {-3.f, 3.f}) {
        Dot(c, at({ex - 1.f, -46.f}), pal::Ink);
        Dot(c, at({ex + 1.f, -46.f}), pal::Ink);
        Dot(c, at({ex, -45.f}), pal::Ink);
        Dot(c, at({ex - 1.f, -44.f}), pal::Ink);
        Dot(c, at({ex + 1.f, -44.f}), pal::Ink);
    }
    for (float x = -3.f; x <= 3.f; x += 1.f)
        Dot(c, at({x, -40.5f}), pal::Wood0);
    for (const float x : {-2.f, 0.f, 2.f})
        Dot(c, at({x, -41.5f}), pal::Wood0);
    // Straw knocked loose by the hit.
    if (d.hit >= 0)
        for (int i = 0; i < 6; ++i) {
            const float t = static_cast<float>(d.hit + 1);
            const V from = at({0.f, -28.f});
            const V bit = from + V{(i - 2.5f) * 3.f * t, -5.f * t + 1.4f * t * t + (i % 2) * 3.f};
            Capsule(c, bit, bit + V{i % 2 ? 2.5f : -2.5f, 1.f}, 0.6f, i % 3 ? pal::Sand2 : pal::Lantern1);
        }
    // The post's foot in a little mound of earth.
    fig.Part(kDirt, [&](Canvas& m) {
        Oval(m, d.foot - V{0.f, 1.f}, 8.f, 2.5f, 0.f, pal::White);
        m.FillRect(0, static_cast<int>(d.foot.y) - 1, m.Width(), m.Height(), pal::Clear);
    }, 1);
    low.Blit(fig.Result(), 0, 0);
    low.FillRect(0, static_cast<int>(d.foot.y), low.Width(), low.Height(), pal::Clear);  // under the floor
}

void PaintDummy(Canvas& sheet, const AssetEntry& e)
{
    const EnemyKindInfo& info = EnemyInfo(ENEMY_DUMMY);
    const int baseline = static_cast<int>(kDummyFloorY - (kDummySpawnY + info.spriteY));
    const int oy = GrainOffset(baseline);
    paint::ForEachCell(sheet, e.cellWidth, e.cellHeight, e.framesPerRow, [&](Canvas& cell, int, int f, int) {
        Canvas low(e.cellWidth / kGrain, (e.cellHeight - oy) / kGrain);
        Dummy d;
        d.foot = {low.Width() / 2.f, static_cast<float>(baseline - oy) / kGrain};
        if (f > 0) {  // a damped rock after the hit
            const float k = static_cast<float>(f - 1);
            d.angle = 0.26f * std::exp(-0.22f * k) * std::cos(1.25f * k);
            d.squash = f == 1 ? 1.5f : (f == 2 ? 0.7f : 0.f);
            d.hit = f <= 4 ? f - 1 : -1;
        }
        DrawDummy(low, d);
        Enlarge(cell, low, 0, oy);
    });
}

// ---- Shots ---------------------------------------------------------------------------

// The arrow (the parrot spits the same dart): pointing right, drawn whole.
void PaintDart(Canvas& c, const AssetEntry& e)
{
    Canvas low(e.width / kGrain, e.height / kGrain);
    const float mid = low.Height() / 2.f;
    Figure fig(low.Width(), low.Height());
    fig.Flat([&](Canvas& l) {
        Capsule(l, {3.f, mid}, {static_cast<float>(low.Width()) - 4.f, mid}, 0.5f, pal::Wood3);
        Poly(l, {{low.Width() - 1.f, mid}, {low.Width() - 4.5f, mid - 2.f}, {low.Width() - 4.5f, mid + 2.f}},
             pal::Stone2);
        Poly(l, {{1.f, mid - 2.f}, {5.f, mid}, {1.f, mid + 2.f}}, pal::Coral);
    });
    Canvas& d = fig.Detail();
    Dot(d, {low.Width() - 3.5f, mid + 0.5f}, pal::Stone1);
    Dot(d, {1.5f, mid + 1.f}, pal::Rust1);
    Dot(d, {2.5f, mid - 0.5f}, pal::CoralLight);
    Enlarge(c, fig.Result(), 0, (e.height - low.Height() * kGrain) / 2);
}

void DrawFlask(Canvas& low, float angle)
{
    const V centre{low.Width() / 2.f, low.Height() / 2.f};
    auto at = [&](V v) { return centre + Turn(v, angle); };
    Figure fig(low.Width(), low.Height());
    fig.Part(kGlass, [&](Canvas& c) { Capsule(c, at({0.f, -2.f}), at({0.f, -5.f}), 1.3f, pal::White); }, 1);
    fig.Part(kPoison, [&](Canvas& c) { Disc(c, at({0.f, 1.5f}), 4.2f, pal::White); }, 1);
    Canvas& d = fig.Detail();
    Dot(d, at({-1.5f, 0.f}), pal::Foam);
    Dot(d, at({-2.f, 1.f}), pal::Foam);
    Dot(d, at({1.f, 3.f}), pal::Kelp0);
    fig.Flat([&](Canvas& c) { Capsule(c, at({0.f, -5.5f}), at({0.f, -6.5f}), 1.f, pal::Wood2); });
    low.Blit(fig.Result(), 0, 0);
}

// Four frames spinning, then two of it bursting (glass flying, the poison
// welling up where the cloud will be).
void PaintFlask(Canvas& sheet, const AssetEntry& e)
{
    constexpr int kSpin = 4;
    paint::ForEachCell(sheet, e.cellWidth, e.cellHeight, e.framesPerRow, [&](Canvas& cell, int, int f, int) {
        Canvas low(e.cellWidth / kGrain, e.cellHeight / kGrain);
        const V centre{low.Width() / 2.f, low.Height() / 2.f};
        if (f < kSpin) {
            DrawFlask(low, kTau * f / kSpin);
        } else {
            const float t = static_cast<float>(f - kSpin + 1);
            SoftDisc(low, centre + V{0.f, 2.f}, 2.5f + 2.f * t, pal::Kelp1.WithAlpha(200));
            SoftDisc(low, centre + V{-1.f, 1.f}, 1.5f + 1.5f * t, pal::Kelp2.WithAlpha(220));
            for (int i = 0; i < 7; ++i) {
                const V dir = Dir(kTau * i / 7.f + 0.4f);
                const V shard = centre + dir * (2.5f + 2.5f * t);
                Thin(low, shard, shard + dir * 1.5f, i % 2 ? pal::Foam : pal::Sea2);
            }
            low.Outline(pal::Kelp0.WithAlpha(180));
        }
        Enlarge(cell, low, 0, 0);
    });
}

// A bone tumbling end over end; half a turn brings it back to its first look.
void PaintBone(Canvas& sheet, const AssetEntry& e)
{
    paint::ForEachCell(sheet, e.cellWidth, e.cellHeight, e.framesPerRow, [&](Canvas& cell, int, int f, int n) {
        Canvas low(e.cellWidth / kGrain, e.cellHeight / kGrain);
        const V centre{low.Width() / 2.f, low.Height() / 2.f};
        const V half = Dir(kPi * f / n + 0.3f) * 3.6f;
        Figure fig(low.Width(), low.Height());
        fig.Part(kBone, [&](Canvas& c) { BoneShape(c, centre - half, centre + half, 2.4f, pal::White); }, 1);
        Enlarge(cell, fig.Result(), 0, 0);
    });
}

// ---- Drops -----------------------------------------------------------------------------

void PaintCoin(Canvas& c, const AssetEntry& e)
{
    Canvas low(e.width / kGrain, e.height / kGrain);
    const V centre{low.Width() / 2.f, low.Height() / 2.f};
    Figure fig(low.Width(), low.Height());
    fig.Part(kGold, [&](Canvas& l) { Disc(l, centre, low.Width() / 2.f - 1.f, pal::White); }, 1);
    Canvas& d = fig.Detail();
    // An embossed rim, a raised bar in the middle, a glint.
    for (int y = 0; y < low.Height(); ++y)
        for (int x = 0; x < low.Width(); ++x) {
            const float r = Length(V{x + 0.5f, y + 0.5f} - centre);
            if (r > 3.f && r < 3.9f)
                d.Set(x, y, x + y < low.Width() ? pal::Wood2 : pal::Lantern1);
        }
    const int cx = static_cast<int>(centre.x), cy = static_cast<int>(centre.y);
    d.FillRect(cx - 1, cy - 2, 2, 4, pal::Lantern1);  // a raised bar, lit on its left
    d.FillRect(cx, cy - 2, 1, 4, pal::Wood2);
    d.Set(cx - 3, cy - 3, pal::White);
    d.Set(cx - 2, cy - 4, pal::White);
    Enlarge(c, fig.Result(), 0, 0);
}

// A roast drumstick.
void PaintFood(Canvas& c, const AssetEntry& e)
{
    Canvas low(e.width / kGrain, e.height / kGrain);
    Figure fig(low.Width(), low.Height());
    fig.Part(kBone, [&](Canvas& l) {
        Capsule(l, {7.f, 8.f}, {3.5f, 10.f}, 1.2f, pal::White);
        Disc(l, {2.2f, 9.f}, 1.6f, pal::White);
        Disc(l, {3.5f, 11.2f}, 1.6f, pal::White);
    }, 1);
    fig.Part(kRoast, [&](Canvas& l) { Oval(l, {10.f, 5.5f}, 5.2f, 4.f, -0.45f, pal::White); }, 2);
    Canvas& d = fig.Detail();
    Dot(d, {8.f, 3.f}, pal::Lantern1);
    Dot(d, {9.f, 2.f}, pal::Lantern1);
    Dot(d, {12.f, 5.f}, pal::Rust1);
    Dot(d, {10.f, 7.f}, pal::Rust1);
    Dot(d, {13.f, 7.f}, pal::Rust1);
    Enlarge(c, fig.Result(), 0, 0);
}

// ---- Effects -----------------------------------------------------------------------------

// A splash: a burst, droplets flung out that fall and shrink.
void PaintBlood(Canvas& sheet, const AssetEntry& e)
{
    paint::ForEachCell(sheet, e.cellWidth, e.cellHeight, e.framesPerRow, [&](Canvas& cell, int, int f, int n) {
        Canvas low(e.cellWidth / kGrain, e.cellHeight / kGrain);
        const V centre{low.Width() / 2.f, low.Height() / 2.f - 1.f};
        const float t = static_cast<float>(f) / (n - 1);
        const float core = f < 3 ? 2.5f + f * 1.2f : std::max(0.f, 4.9f - (f - 2) * 0.8f);
        if (core > 0.4f)
            Disc(low, centre, core, pal::Rust1);
        for (int i = 0; i < 8; ++i) {
            const V dir = Dir(kTau * i / 8.f + (i % 2) * 0.3f - 0.2f);
            const float speed = 5.f + (i % 3) * 2.f;
            const V drop = centre + dir * (speed * std::sqrt(t) + 1.5f) + V{0.f, 9.f * t * t};
            const float r = std::max(0.5f, 1.7f - t * 1.2f - (i % 2) * 0.3f);
            if (f < 3)
                Capsule(low, centre + dir * core * 0.6f, drop, r * 0.7f, pal::Rust1);
            Disc(low, drop, r, pal::Rust1);
        }
        // Highlights on the top left of each blob, a dark rim, and fading.
        Canvas lit = low;
        for (int y = 0; y < low.Height(); ++y)
            for (int x = 0; x < low.Width(); ++x)
                if (lit.Get(x, y).a != 0 && lit.Get(x - 1, y - 1).a == 0)
                    low.Set(x, y, pal::Coral);
        low.Outline(pal::Rust0);
        if (f >= n - 3)
            for (int y = 0; y < low.Height(); ++y)
                for (int x = 0; x < low.Width(); ++x)
                    if ((x + y * 3 + f) % (n - f + 1) == 0)
                        low.Set(x, y, pal::Clear);
        Enlarge(cell, low, 0, 0);
    });
}

// The poison cloud, drawn at the size the game triples. It wells up from the
// burst flask until frame 16, billows in a loop over frames 16 to 30 (the
// game loops back to 16 while the cloud lives), then thins out and drifts
// up over the last frames.
constexpr int kSmokeGrown = 16, kSmokeLoopEnd = 31;

struct PuffSpot {
    float x, y, r;
};
constexpr PuffSpot kPuffs[] = {{0, -14, 15},  {-22, -10, 11}, {22, -11, 12}, {-11, -24, 12}, {12, -26, 13},
                               {-36, -7, 7},  {36, -7, 8},    {0, -36, 10},  {-26, -21, 8},  {27, -22, 8}};

void PaintSmoke(Canvas& sheet, const AssetEntry& e)
{
    paint::ForEachCell(sheet, e.cellWidth, e.cellHeight, e.framesPerRow, [&](Canvas& cell, int, int f, int) {
        const V base{e.cellWidth / 2.f, static_cast<float>(e.cellHeight)};
        const float grow = Ease(std::min(1.f, static_cast<float>(f) / kSmokeGrown));
        const float loop = kTau * std::fmod(static_cast<float>(std::max(f, kSmokeGrown) - kSmokeGrown),
                                            static_cast<float>(kSmokeLoopEnd - kSmokeGrown)) /
                           (kSmokeLoopEnd - kSmokeGrown);
        const float fade = f >= kSmokeLoopEnd ? static_cast<float>(f - kSmokeLoopEnd + 1) / (e.FramesInRow(0) - kSmokeLoopEnd + 1) : 0.f;
        Canvas shape(e.cellWidth, e.cellHeight);
        // Each puff lit on its own, the high ones first, so the billows
        // overlap with their rims showing.
        auto puff = [&](V at, float r) {
            const int x0 = static_cast<int>(at.x - r), x1 = static_cast<int>(at.x + r) + 1;
            const int y0 = static_cast<int>(at.y - r), y1 = static_cast<int>(at.y + r) + 1;
            for (int y = y0; y <= y1; ++y)
                for (int x = x0; x <= x1; ++x) {
                    const float dx = x + 0.5f - at.x, dy = y + 0.5f - at.y;
                    if (dx * dx + dy * dy > r * r)
                        continue;
                    const float side = (dx + dy) / r;
                    shape.Set(x, y, side > 0.55f ? kPoison.dark : (side < -0.75f ? kPoison.light : kPoison.mid));
                }
        };
        int i = 0;
        for (const PuffSpot& p : kPuffs) {
            const float wob = loop + i * 1.7f;
            const V at = base + V{p.x * (0.4f + 0.6f * grow) * (1.f + fade * 0.3f) + std::sin(wob) * 2.f,
                                  p.y * grow - 4.f * grow - fade * 14.f + std::cos(wob) * 1.5f};
            const float r = p.r * (0.3f + 0.7f * grow) * (1.f + 0.08f * std::sin(wob * 2.f)) * (1.f - fade * 0.35f);
            puff(at, r);
            ++i;
        }
        // Wisps rising off the top while it lives.
        for (int k = 0; k < 3; ++k) {
            const float age = std::fmod(loop / kTau + k / 3.f, 1.f);
            if (grow >= 1.f && fade == 0.f)
                puff(base + V{(k - 1) * 16.f + std::sin(age * 6.f + k) * 3.f, -48.f - 26.f * age}, 5.f * (1.f - age) + 1.f);
        }
        // Nothing sinks under the floor it rests on.
        shape.FillRect(0, e.cellHeight - 1, e.cellWidth, 1, pal::Clear);
        // A few pale bubbles rising inside.
        for (int k = 0; k < 5; ++k) {
            const V b = base + V{(k - 2) * 14.f, -10.f - std::fmod(f * 2.f + k * 9.f, 36.f) * grow};
            if (shape.Get(static_cast<int>(b.x), static_cast<int>(b.y)).a != 0) {
                Dot(shape, b, pal::Foam);
                Dot(shape, b + V{1.f, 1.f}, kPoison.light);
            }
        }
        shape.Outline(pal::Kelp0);
        const auto alpha = static_cast<std::uint8_t>(200.f * (1.f - fade));
        for (Rgba& px : shape.Pixels())
            if (px.a != 0)
                px.a = alpha;
        if (fade > 0.f)  // it thins out in a dither
            for (int y = 0; y < e.cellHeight; ++y)
                for (int x = 0; x < e.cellWidth; ++x)
                    if (((x * 5 + y * 3) % 16) < static_cast<int>(fade * 16.f))
                        shape.Set(x, y, pal::Clear);
        cell.Blit(shape, 0, 0);
    });
}

}  // namespace
}  // namespace enemy_art

using namespace enemy_art;

void RegisterEnemiesArt(PainterRegistry& registry)
{
    registry.Add(EnemyInfo(ENEMY_ARCHER).sheet, PaintArcherBody);
    registry.Add(EnemyInfo(ENEMY_ARCHER_ARM).sheet, PaintArcherArm);
    registry.Add(EnemyInfo(ENEMY_TANK).sheet, PaintTank);
    registry.Add(EnemyInfo(ENEMY_BIRD).sheet, PaintBird);
    registry.Add(EnemyInfo(ENEMY_RAT).sheet, PaintRat);
    registry.Add(EnemyInfo(ENEMY_SKELETON_RAT).sheet, PaintSkeletonRat);
    registry.Add(EnemyInfo(ENEMY_DUMMY).sheet, PaintDummy);
    const std::string dir = "Assets/Sprites/Enemies/";
    registry.Add(dir + "Bullet.png", PaintDart);
    registry.Add(dir + "Fiole.png", PaintFlask);
    registry.Add(dir + "Os.png", PaintBone);
    registry.Add(dir + "Coin.png", PaintCoin);
    registry.Add(dir + "Food.png", PaintFood);
    registry.Add(dir + "Blood.png", PaintBlood);
    registry.Add(dir + "SmokeSpriteSheet.png", PaintSmoke);
}
