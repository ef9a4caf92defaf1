// The boss's shapes and props: shaded balls and limbs, the cauldron, the
// foods, the carrot, puffs and flames. Shared by the cooks' sheet and the
// attack pictures, so a pot on the back is the pot that rolls.
#include <algorithm>
#include <array>
#include <cmath>
#include <stdexcept>
#include <vector>

#include "art_boss_kit.hpp"

namespace boss_art {

const BodyBox& Box()
{
    static const BodyBox box = [] {
        const AssetEntry* sheet = FindAsset(kBossSheet);
        if (sheet == nullptr)
            throw std::runtime_error("the boss sheet is not in the asset manifest");
        BodyBox b;
        b.cellWidth = sheet->cellWidth;
        b.cellHeight = sheet->cellHeight;
        const CellMap map{sheet->cellWidth / 2.f, sheet->cellHeight / 2.f, kBossScale};
        b.left = map.X(kBossHitboxOffsetX - kBossHitboxOriginX);
        b.right = b.left + kBossHitboxWidth / kBossScale;
        b.top = map.Y(kBossHitboxOffsetY - kBossHitboxOriginY);
        b.bottom = b.top + kBossHitboxHeight / kBossScale;
        b.feetY = static_cast<int>(std::floor(b.bottom - 0.01f));
        b.centreX = static_cast<int>(std::floor((b.left + b.right) / 2.f - 0.01f));
        return b;
    }();
    return box;
}

void ForEllipse(int cx, int cy, int rx, int ry, const std::function<void(int, int, float, float)>& fn)
{
    if (rx < 0 || ry < 0)
        return;
    const double rx2 = (rx + 0.5) * (rx + 0.5), ry2 = (ry + 0.5) * (ry + 0.5);
    for (int y = -ry; y <= ry; ++y) {
        const int half = static_cast<int>(std::floor(std::sqrt(std::max(0.0, rx2 * (1.0 - y * y / ry2)))));
        for (int x = -half; x <= half; ++x)
            fn(cx + x, cy + y, x / (rx + 0.5f), y / (ry + 0.5f));
    }
}

Rgba ToneAt(const Tones& t, float nx, float ny)
{
    const float hx = nx + 0.38f, hy = ny + 0.45f;
    if (hx * hx + hy * hy < 0.11f)
        return t.light;
    if (0.55f * nx + 0.8f * ny > 0.42f)
        return t.dark;
    return t.mid;
}

void Ball(Canvas& c, int cx, int cy, int rx, int ry, const Tones& t)
{
    c.FillEllipse(cx, cy, rx + 1, ry + 1, pal::Ink);
    ForEllipse(cx, cy, rx, ry, [&](int x, int y, float nx, float ny) { c.Set(x, y, ToneAt(t, nx, ny)); });
}

namespace {

// Every pixel within r of the segment a-b (a capsule), shifted by (dx, dy).
void Capsule(Canvas& c, Point a, Point b, float r, Rgba colour, int dx = 0, int dy = 0)
{
    const float vx = static_cast<float>(b.x - a.x), vy = static_cast<float>(b.y - a.y);
    const float len2 = std::max(1e-4f, vx * vx + vy * vy);
    const int ir = static_cast<int>(std::ceil(r));
    const int x0 = std::min(a.x, b.x) - ir, x1 = std::max(a.x, b.x) + ir;
    const int y0 = std::min(a.y, b.y) - ir, y1 = std::max(a.y, b.y) + ir;
    const float r2 = (r + 0.3f) * (r + 0.3f);
    for (int y = y0; y <= y1; ++y)
        for (int x = x0; x <= x1; ++x) {
            const float px = static_cast<float>(x - a.x), py = static_cast<float>(y - a.y);
            const float t = std::clamp((px * vx + py * vy) / len2, 0.f, 1.f);
            const float ex = px - t * vx, ey = py - t * vy;
            if (ex * ex + ey * ey <= r2)
                c.Set(x + dx, y + dy, colour);
        }
}

}  // namespace

void Limb(Canvas& c, Point a, Point b, int thickness, const Tones& t)
{
    const float r = thickness / 2.f;
    Capsule(c, a, b, r + 1.f, pal::Ink);
    Capsule(c, a, b, r, t.dark);
    if (thickness >= 3)
        Capsule(c, a, b, r - 1.f, t.mid, -1, -1);
    if (thickness >= 7)
        Capsule(c, a, b, std::max(0.5f, r - 3.f), t.light, -2, -2);
}

void InkedPolygon(Canvas& c, std::span<const Point> points, Rgba fill)
{
    std::vector<Point> moved(points.begin(), points.end());
    for (const Point d : {Point{-1, 0}, Point{1, 0}, Point{0, -1}, Point{0, 1}}) {
        for (std::size_t i = 0; i < points.size(); ++i)
            moved[i] = {points[i].x + d.x, points[i].y + d.y};
        c.FillPolygon(moved, pal::Ink);
    }
    c.FillPolygon(points, fill);
}

Point Rotate(float x, float y, float cx, float cy, float degrees)
{
    const float a = degrees * kPi / 180.f, cs = std::cos(a), sn = std::sin(a);
    const float dx = x - cx, dy = y - cy;
    return {Round(cx + dx * cs - dy * sn), Round(cy + dx * sn + dy * cs)};
}

// ---- The cauldron ------------------------------------------------------------------------------
namespace {

constexpr int kMouthRx = 17;
constexpr int kMouthRy = 5;
constexpr int kMouthDrop = 3;  // the mouth's centre below the body's top

// Calls fn for the pixels of an ellipse turned by degrees, with its own
// coordinates (u along its width, v across, each -1..1).
void ForTurnedEllipse(int cx, int cy, float rx, float ry, float degrees,
                      const std::function<void(int, int, float, float)>& fn)
{
    const float a = degrees * kPi / 180.f, cs = std::cos(a), sn = std::sin(a);
    const int reach = static_cast<int>(std::ceil(std::max(rx, ry))) + 1;
    for (int y = -reach; y <= reach; ++y)
        for (int x = -reach; x <= reach; ++x) {
            const float u = (x * cs + y * sn) / rx, v = (-x * sn + y * cs) / ry;
            if (u * u + v * v <= 1.f)
                fn(cx + x, cy + y, u, v);
        }
}

}  // namespace

void DrawCauldron(Canvas& c, int cx, int cy, float degrees, bool soup)
{
    const float r = static_cast<float>(kPotRadius);
    // Ear handles, behind the body.
    for (int side : {-1, 1}) {
        const Point ear = Rotate(cx + side * (r - 1), cy - r / 2 + 1, static_cast<float>(cx), static_cast<float>(cy),
                                 degrees);
        c.FillCircle(ear.x, ear.y, 5, pal::Ink);
        c.FillCircle(ear.x, ear.y, 4, pal::Stone1);
        c.FillCircle(ear.x, ear.y, 2, pal::Ink);
    }
    Ball(c, cx, cy, kPotRadius, kPotRadius, kIron);
    // An iron hoop, rust and rivets turn with the pot.
    ForEllipse(cx, cy, kPotRadius, kPotRadius, [&](int x, int y, float, float) {
        const Point local = Rotate(static_cast<float>(x), static_cast<float>(y), static_cast<float>(cx),
                                   static_cast<float>(cy), -degrees);
        const int v = local.y - cy;
        if (v == 5 || v == 6)
            c.Set(x, y, v == 5 ? pal::Stone1 : pal::Ink);
    });
    const std::array<Point, 5> rust{{{-12, 10}, {-9, 12}, {8, 14}, {14, 2}, {-4, -10}}};
    for (const Point& p : rust) {
        const Point q = Rotate(static_cast<float>(cx + p.x), static_cast<float>(cy + p.y), static_cast<float>(cx),
                               static_cast<float>(cy), degrees);
        c.FillRect(q.x, q.y, 2, 2, pal::Rust0);
    }
    for (int i = -2; i <= 2; ++i) {
        const Point q = Rotate(static_cast<float>(cx + i * 8), static_cast<float>(cy + 3), static_cast<float>(cx),
                               static_cast<float>(cy), degrees);
        c.Set(q.x, q.y, pal::Stone2);
    }
    // The mouth: a lit lip around a dark inside.
    const Point mouth = Rotate(static_cast<float>(cx), static_cast<float>(cy - kPotRadius + kMouthDrop),
                               static_cast<float>(cx), static_cast<float>(cy), degrees);
    ForTurnedEllipse(mouth.x, mouth.y, kMouthRx + 2.f, kMouthRy + 2.f, degrees,
                     [&](int x, int y, float, float) { c.Set(x, y, pal::Ink); });
    ForTurnedEllipse(mouth.x, mouth.y, kMouthRx + 1.f, kMouthRy + 1.f, degrees,
                     [&](int x, int y, float, float v) { c.Set(x, y, v < 0.f ? pal::Stone2 : pal::Stone1); });
    ForTurnedEllipse(mouth.x, mouth.y, kMouthRx - 1.f, kMouthRy - 1.f, degrees, [&](int x, int y, float u, float v) {
        Rgba inside = pal::Night0;
        if (soup && v > 0.1f)
            inside = u < -0.3f ? pal::Kelp2 : pal::Kelp1;
        c.Set(x, y, inside);
    });
}

void DrawCauldronLip(Canvas& c, int cx, int cy)
{
    const int my = cy - kPotRadius + kMouthDrop;
    ForTurnedEllipse(cx, my, kMouthRx + 2.f, kMouthRy + 2.f, 0.f, [&](int x, int y, float, float v) {
        if (v > 0.15f)
            c.Set(x, y, pal::Ink);
    });
    ForTurnedEllipse(cx, my, kMouthRx + 1.f, kMouthRy + 1.f, 0.f, [&](int x, int y, float, float v) {
        if (v > 0.3f)
            c.Set(x, y, pal::Stone1);
    });
}

const CauldronCell& ThrownCauldron()
{
    static const CauldronCell cell = [] {
        namespace bc = boss_cauldron;
        const AssetEntry* sheet = FindAsset(bc::kSheet);
        if (sheet == nullptr)
            throw std::runtime_error("the cauldron sheet is not in the asset manifest");
        CauldronCell cc;
        cc.width = sheet->cellWidth;
        cc.height = sheet->cellHeight;
        const CellMap map{cc.width / 2.f, cc.height / 2.f, bc::kScale};
        cc.floorY = map.Y(kBossGroundY - bc::LaunchY());
        const float boxMiddle = map.X(bc::kHitboxOffsetX - bc::kHitbox.originX + bc::kHitbox.width / 2.f);
        // The pot's lowest (outline) row is the last row above the floor.
        cc.body = {Round(boxMiddle - 0.5f), static_cast<int>(std::ceil(cc.floorY)) - kPotRadius - 2};
        return cc;
    }();
    return cell;
}

Point CauldronLetGo()
{
    namespace bc = boss_cauldron;
    const CauldronCell& cc = ThrownCauldron();
    // Both are drawn at scale 3 over the same floor, so the pot keeps its
    // place against the floor and against the thrown sprite's position.
    const float spriteX = Box().right, spriteY = Box().bottom - (kBossGroundY - bc::LaunchY()) / bc::kScale;
    return {Round(spriteX + (cc.body.x + 0.5f - cc.width / 2.f) * bc::kScale / kBossScale),
            Round(spriteY + (cc.body.y + 0.5f - cc.height / 2.f) * bc::kScale / kBossScale)};
}

bool HiddenByPot(int cx, int cy, int x, int y)
{
    const int dx = x - cx, dy = y - cy;
    if (dx * dx + dy * dy > (kPotRadius + 1) * (kPotRadius + 1))
        return false;
    const float u = static_cast<float>(dx) / (kMouthRx + 1.f);
    if (std::fabs(u) >= 1.f)
        return true;
    const float rim = cy - kPotRadius + kMouthDrop + (kMouthRy + 1.f) * std::sqrt(1.f - u * u);
    return y > rim - 1.f;
}

// ---- Food ---------------------------------------------------------------------------------------------
namespace {

void Fish(Canvas& c, int cx, int cy)
{
    const std::array<Point, 3> tail{{{cx - 9, cy}, {cx - 15, cy - 7}, {cx - 15, cy + 7}}};
    InkedPolygon(c, tail, pal::Sea1);
    const std::array<Point, 3> fin{{{cx - 3, cy - 5}, {cx + 3, cy - 5}, {cx - 4, cy - 10}}};
    InkedPolygon(c, fin, pal::Sea0);
    Ball(c, cx, cy, 11, 6, {pal::Sea0, pal::Sea1, pal::Sea2});
    ForEllipse(cx, cy, 11, 6, [&](int x, int y, float nx, float ny) {
        if (ny > 0.35f && nx > -0.7f)
            c.Set(x, y, ny > 0.7f ? pal::Sand1 : pal::Foam);  // pale belly
        else if (ny < 0.2f && (x + y) % 5 == 0 && nx > -0.6f && nx < 0.4f)
            c.Set(x, y, pal::Deep1);  // scales
    });
    c.Line(cx + 4, cy - 4, cx + 5, cy + 3, pal::Sea0);  // gill
    c.FillRect(cx + 7, cy - 3, 3, 3, pal::White);
    c.Set(cx + 8, cy - 2, pal::Ink);
    c.Line(cx + 9, cy + 2, cx + 11, cy + 2, pal::Ink);
}

void Drumstick(Canvas& c, int cx, int cy)
{
    Limb(c, {cx + 3, cy + 3}, {cx + 10, cy + 10}, 4, {pal::Sand1, pal::Bone, pal::White});
    Ball(c, cx + 11, cy + 10, 2, 2, {pal::Sand1, pal::Bone, pal::White});
    Ball(c, cx + 9, cy + 12, 2, 2, {pal::Sand1, pal::Bone, pal::White});
    Ball(c, cx - 3, cy - 3, 10, 9, {pal::Wood1, pal::Wood2, pal::Wood3});
    c.Line(cx - 8, cy - 6, cx - 4, cy - 9, pal::Sand2);  // a glaze shine
    c.Set(cx + 1, cy + 1, pal::Wood1);
    c.Set(cx - 6, cy + 2, pal::Wood1);
    c.Set(cx - 1, cy - 5, pal::Wood1);
}

void Cabbage(Canvas& c, int cx, int cy)
{
    Ball(c, cx, cy, 12, 11, kLeaf);
    Ball(c, cx - 1, cy - 1, 8, 7, {pal::Kelp1, pal::Kelp2, {176, 206, 112}});
    for (int i = -1; i <= 1; ++i)
        c.Line(cx + i * 4, cy + 8, cx + i * 6, cy - 2, pal::Kelp1);
    c.Line(cx - 9, cy + 2, cx - 3, cy - 6, {176, 206, 112});
}

void Cheese(Canvas& c, int cx, int cy)
{
    const std::array<Point, 4> wedge{{{cx - 13, cy + 8}, {cx + 13, cy + 8}, {cx + 13, cy - 2}, {cx - 13, cy - 9}}};
    InkedPolygon(c, wedge, pal::Lantern0);
    const std::array<Point, 3> top{{{cx - 13, cy - 9}, {cx + 13, cy - 2}, {cx - 5, cy - 3}}};
    c.FillPolygon(top, pal::Lantern1);
    c.FillRect(cx - 12, cy + 6, 25, 2, pal::Rust1);  // the rind
    for (const Point& h : std::array<Point, 4>{{{-7, 2}, {1, 3}, {7, 1}, {-1, -2}}}) {
        c.FillCircle(cx + h.x, cy + h.y, 1, pal::Sand0);
        c.Set(cx + h.x - 1, cy + h.y - 1, pal::Rust1);
    }
}

}  // namespace

void DrawFood(Canvas& c, int kind, int cx, int cy)
{
    switch (kind) {
    case 0: Fish(c, cx, cy); break;
    case 1: Drumstick(c, cx, cy); break;
    case 2: Cabbage(c, cx, cy); break;
    default: Cheese(c, cx, cy); break;
    }
}

// ---- Carrot, puffs, flames -------------------------------------------------------------------------
void DrawCarrot(Canvas& c, Point tip, Point top, int width, int leafSway, int spin)
{
    const float vx = static_cast<float>(top.x - tip.x), vy = static_cast<float>(top.y - tip.y);
    const float len = std::max(1.f, std::hypot(vx, vy));
    const float ux = vx / len, uy = vy / len;  // tip to top
    const float px = -uy, py = ux;             // across
    const float half = width / 2.f;
    // Leaves first, fanning out beyond the top.
    for (int i = -1; i <= 1; ++i) {
        const float spread = i * 0.45f + leafSway * 0.12f;
        const float lx = ux + px * spread, ly = uy + py * spread;
        const float l = len * (i == 0 ? 0.42f : 0.34f);
        const Point end{Round(top.x + lx * l), Round(top.y + ly * l)};
        Limb(c, {top.x, top.y}, end, std::max(2, width / 4), kLeaf);
    }
    // The root: a taper from the tip to a rounded shoulder at the top.
    auto at = [&](float alongTop, float acrossShare) {
        return Point{Round(top.x + ux * alongTop + px * half * acrossShare),
                     Round(top.y + uy * alongTop + py * half * acrossShare)};
    };
    const std::array<Point, 8> body{{{Round(tip.x + px * 0.6f), Round(tip.y + py * 0.6f)}, at(-half * 0.5f, 1.f),
                                     at(half * 0.15f, 0.85f), at(half * 0.4f, 0.4f), at(half * 0.4f, -0.4f),
                                     at(half * 0.15f, -0.85f), at(-half * 0.5f, -1.f),
                                     {Round(tip.x - px * 0.6f), Round(tip.y - py * 0.6f)}}};
    InkedPolygon(c, body, kCarrot.mid);
    // Lit on its left, shaded on its right, ringed with grooves.
    const float litSide = px < 0.f ? 1.f : -1.f;
    for (float t = 0.06f; t < 0.99f; t += 0.015f) {
        const float w = 0.6f + (half - 0.6f) * t;
        const float bx = tip.x + vx * t, by = tip.y + vy * t;
        c.Set(Round(bx - litSide * px * (w - 1.f)), Round(by - litSide * py * (w - 1.f)), kCarrot.dark);
        if (w > 2.5f)
            c.Set(Round(bx + litSide * px * (w - 2.f)), Round(by + litSide * py * (w - 2.f)), kCarrot.light);
    }
    const float step = 0.16f, shift = step * static_cast<float>(spin % 4) / 4.f;
    for (float t = 0.15f + shift; t < 0.92f; t += step) {
        const float w = 0.6f + (half - 0.6f) * t;
        const float bx = tip.x + vx * t, by = tip.y + vy * t;
        c.Line(Round(bx - litSide * px * (w - 1.f)), Round(by - litSide * py * (w - 1.f)),
               Round(bx + litSide * px * w * 0.2f), Round(by + litSide * py * w * 0.2f), kCarrot.dark);
    }
}

void Puff(Canvas& c, int cx, int cy, int r, Rgba fill, Rgba shade)
{
    if (r <= 0)
        return;
    c.FillCircle(cx + r / 2, cy + r / 3, r, shade);
    c.FillCircle(cx - r / 2, cy + r / 3, std::max(1, r * 3 / 4), shade);
    c.FillCircle(cx, cy, r, fill);
    c.FillCircle(cx - r / 2 - 1, cy + r / 4, std::max(1, r * 3 / 4 - 1), fill);
}

void Flame(Canvas& c, Point base, Point tip, int width)
{
    const float vx = static_cast<float>(tip.x - base.x), vy = static_cast<float>(tip.y - base.y);
    const std::array<std::pair<Rgba, float>, 3> layers{
        {{kFlame.dark, 1.f}, {kFlame.mid, 0.68f}, {kFlame.light, 0.36f}}};
    for (const auto& [colour, share] : layers) {
        const int steps = std::max(2, static_cast<int>(std::hypot(vx, vy)));
        for (int i = 0; i <= steps; ++i) {
            const float t = static_cast<float>(i) / steps;
            const float r = width / 2.f * share * std::pow(1.f - t, 0.7f) * (t < 0.15f ? 0.6f + t * 2.6f : 1.f);
            if (r < 0.5f)
                continue;
            // The inner layers start higher, so the base stays red.
            const float lift = (1.f - share) * 0.25f;
            c.FillCircle(Round(base.x + vx * (t * (1.f - lift) + lift)), Round(base.y + vy * (t * (1.f - lift) + lift)),
                         Round(r), colour);
        }
    }
}

}  // namespace boss_art
