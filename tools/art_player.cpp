// Pictures of the player: the tide-pool creature's display sheets (without
// arms, with arms, and the five skins: one drawing, recoloured), the opening
// cinematic, the glowing substance, the body box and the damage-upgrade
// notice.
//
// How the art meets the body box. The display sprite is drawn at scale 3
// with its top-left at the hitbox's top-left - (270, 146), and the hitbox is
// 87 x 162. In a 209 x 116 cell the body box therefore covers
//   x: 270 / 3 = 90  ..  (270 + 87) / 3 = 119
//   y: 146 / 3 = 48.67  ..  (146 + 162) / 3 = 102.67
// so the creature stands with its feet on cell row 102 (the display's bottom
// is 116 - 102.67 = 13.33 cell pixels, 40 world pixels, below the body) and
// is centred on x = 104.5. A swing's blade lies inside that swing's attack
// shape: the shape rectangles below are the game's attack shapes for each
// combo step, worked out in cell pixels from the same offsets.
#include <algorithm>
#include <array>
#include <cmath>
#include <memory>
#include <mutex>
#include <string>

#include "art.hpp"
#include "player/player_table.hpp"

namespace {

using paint::Canvas;
using paint::Point;
using paint::Rgba;
namespace pal = paint::pal;

// The cell, and the body box in it (see the top of this file), from the
// asset manifest and the player table.
struct CellGeometry {
    int width, height;
    float boxLeft, boxTop, boxWidth, boxHeight;  // in cell pixels
    int baseline;  // last row of the feet
    int centreX;   // the body box's middle
};

const CellGeometry& Cell()
{
    static const CellGeometry cell = [] {
        const AssetEntry& sheet = *FindAsset(kNoArmsSheet);
        const AssetEntry& body = *FindAsset(kHitboxPicture);
        CellGeometry g{sheet.cellWidth, sheet.cellHeight, kDisplayOffsetX / kPlayerScale, kDisplayOffsetY / kPlayerScale,
                       body.width / kPlayerScale, body.height / kPlayerScale, 0, 0};
        g.baseline = static_cast<int>(g.boxTop + g.boxHeight);
        g.centreX = static_cast<int>(g.boxLeft + g.boxWidth / 2.f);
        return g;
    }();
    return cell;
}
constexpr float kTau = 6.2831853f;

struct Tones {
    Rgba dark, mid, light;
};

struct Look {
    Tones body;
    bool arms;  // the armless sheet shows arms only while they grow
};

// One frame of the creature, drawn facing right.
struct Pose {
    int dx = 0, dy = 0;       // body offset
    int squash = 0;           // + wider and lower, - taller and thinner
    int lookX = 1, lookY = 0; // pupils
    int eyeOrbit = -1;        // 0..11: eyes circle the body (a spin)
    bool eyesClosed = false;
    int liftBack = 0, liftFront = 0;  // feet raised
    int shiftBack = 0, shiftFront = 0;
    int sway = 0;             // frond tips
    bool arms = false;
    Point backHand{}, frontHand{};
    bool blade = false;
    Point hilt{}, tip{};
    int glow = 0;             // 0 none .. 4 strongest
};

struct Body {
    int cx, cy, rx, ry;
};

Body BodyOf(const Pose& pose)
{
    const int rx = 14 + pose.squash / 2;
    const int ry = 19 - pose.squash;
    return {Cell().centreX + pose.dx, Cell().baseline - 3 - ry + pose.dy, rx, ry};
}

Point Shoulder(const Body& b, bool front) { return {b.cx + (front ? b.rx - 3 : 3 - b.rx), b.cy + 5}; }

// On the ground the feet stand on the baseline; a body lifted off it takes
// its feet along, so they never hang apart from it.
void DrawFeet(Canvas& c, const Pose& pose, const Tones& t)
{
    const int footY = Cell().baseline - 2 + std::min(0, pose.dy);
    c.FillEllipse(Cell().centreX - 7 + pose.shiftBack, footY - pose.liftBack, 5, 2, t.dark);
    c.FillEllipse(Cell().centreX + 7 + pose.shiftFront, footY - pose.liftFront, 5, 2, t.mid);
}

void DrawFronds(Canvas& c, const Body& b, const Pose& pose, const Tones& t)
{
    const int top = b.cy - b.ry + 2;
    const std::array<int, 3> xs{-6, 0, 6};
    for (int i = 0; i < 3; i++) {
        const int x0 = b.cx + xs[i];
        const int x1 = x0 + xs[i] / 2 + pose.sway;
        const int y1 = top - 8 + (i == 1 ? -2 : 0);
        c.Line(x0, top + 2, x1, y1, t.mid, 2);
        c.FillCircle(x1, y1, 1, i == 1 ? pal::Lantern1 : t.light);
    }
}

// Three tones lit from the top left, a pale belly.
void DrawBlob(Canvas& c, const Body& b, const Tones& t)
{
    c.FillEllipse(b.cx, b.cy, b.rx, b.ry, t.dark);
    c.FillEllipse(b.cx - 1, b.cy - 2, b.rx - 2, b.ry - 2, t.mid);
    c.FillEllipse(b.cx - 5, b.cy - b.ry / 2, b.rx / 3, b.ry / 4, t.light);
    c.FillEllipse(b.cx + 2, b.cy + b.ry / 2 - 1, b.rx - 7, b.ry / 3, pal::Sand2);
    c.FillEllipse(b.cx + 3, b.cy + b.ry / 2 + 1, b.rx - 9, b.ry / 5, pal::Sand1);
}

void DrawFace(Canvas& c, const Body& b, const Pose& pose)
{
    int ex = b.cx + 5, ey = b.cy - b.ry / 3;
    if (pose.eyeOrbit >= 0) {
        const float a = kTau * static_cast<float>(pose.eyeOrbit) / 12.f;
        ex = b.cx + static_cast<int>(std::lround(std::cos(a) * 7.f));
        ey = b.cy + static_cast<int>(std::lround(std::sin(a) * 7.f));
    }
    for (int side : {-4, 4}) {
        if (pose.eyesClosed) {
            c.Line(ex + side - 2, ey + 1, ex + side + 2, ey + 1, pal::Ink);
            continue;
        }
        c.FillEllipse(ex + side, ey, 2, 3, pal::White);
        c.FillRect(ex + side + pose.lookX - 1 + (pose.lookX > 0 ? 1 : 0), ey + pose.lookY, 2, 2, pal::Ink);
    }
    if (pose.eyeOrbit < 0)
        c.Line(ex - 1, ey + 6, ex + 2, ey + 6, pal::Ink);
}

void DrawArm(Canvas& c, Point from, Point hand, const Tones& t)
{
    c.Line(from.x, from.y, hand.x, hand.y, t.dark, 3);
    c.Line(from.x, from.y, hand.x, hand.y, t.mid, 1);
    c.FillCircle(hand.x, hand.y, 2, t.mid);
}

void DrawBlade(Canvas& c, Point hilt, Point tip)
{
    const float len = std::max(1.f, std::hypot(static_cast<float>(tip.x - hilt.x), static_cast<float>(tip.y - hilt.y)));
    const float ux = (tip.x - hilt.x) / len, uy = (tip.y - hilt.y) / len;
    const Point guardA{hilt.x + static_cast<int>(std::lround(-uy * 4 + ux * 3)),
                       hilt.y + static_cast<int>(std::lround(ux * 4 + uy * 3))};
    const Point guardB{hilt.x + static_cast<int>(std::lround(uy * 4 + ux * 3)),
                       hilt.y + static_cast<int>(std::lround(-ux * 4 + uy * 3))};
    const Point bladeStart{hilt.x + static_cast<int>(std::lround(ux * 4)), hilt.y + static_cast<int>(std::lround(uy * 4))};
    c.Line(bladeStart.x, bladeStart.y, tip.x, tip.y, pal::Stone1, 3);
    c.Line(bladeStart.x, bladeStart.y - 1, tip.x, tip.y - 1, pal::Stone2, 1);
    c.Line(bladeStart.x, bladeStart.y, tip.x, tip.y, pal::White, 1);
    c.Line(guardA.x, guardA.y, guardB.x, guardB.y, pal::Lantern0, 2);
    c.Line(hilt.x, hilt.y, hilt.x - static_cast<int>(std::lround(ux * 3)), hilt.y - static_cast<int>(std::lround(uy * 3)),
           pal::Wood1, 2);
}

void DrawGlow(Canvas& c, const Body& b, int glow)
{
    Canvas halo(Cell().width, Cell().height);
    for (int ring = glow; ring >= 1; ring--)
        halo.FillEllipse(b.cx, b.cy, b.rx + 4 + ring * 3, b.ry + 4 + ring * 3,
                         pal::Lantern1.WithAlpha(static_cast<std::uint8_t>(40 + 10 * (glow - ring))));
    c.Blit(halo, 0, 0);
}

// Each part gets its own dark outline so an arm in front of the body reads.
void Layer(Canvas& cell, const std::function<void(Canvas&)>& draw)
{
    Canvas layer(Cell().width, Cell().height);
    draw(layer);
    layer.Outline(pal::Ink);
    cell.Blit(layer, 0, 0);
}

void DrawCreature(Canvas& cell, const Tones& t, const Pose& pose)
{
    const Body b = BodyOf(pose);
    if (pose.glow > 0)
        DrawGlow(cell, b, pose.glow);
    if (pose.arms)
        Layer(cell, [&](Canvas& c) { DrawArm(c, Shoulder(b, false), pose.backHand, t); });
    Layer(cell, [&](Canvas& c) {
        DrawFeet(c, pose, t);
        DrawFronds(c, b, pose, t);
        DrawBlob(c, b, t);
    });
    DrawFace(cell, b, pose);
    if (pose.blade)
        Layer(cell, [&](Canvas& c) { DrawBlade(c, pose.hilt, pose.tip); });
    if (pose.arms)
        Layer(cell, [&](Canvas& c) { DrawArm(c, Shoulder(b, true), pose.frontHand, t); });
}

int Round(float v) { return static_cast<int>(std::lround(v)); }

void RestingHands(Pose& pose, int swing)
{
    const Body b = BodyOf(pose);
    pose.arms = true;
    pose.backHand = {b.cx - 16, b.cy + 12 - swing};
    pose.frontHand = {b.cx + 16, b.cy + 12 + swing};
}

Pose Idle(int f, int n)
{
    const float a = kTau * f / n;
    Pose p;
    p.squash = Round(std::sin(a) * 1.4f);
    p.sway = Round(std::sin(a) * 2.f);
    p.eyesClosed = f == 20 || f == 21;
    p.lookX = f > 10 && f < 16 ? -1 : 1;
    RestingHands(p, Round(std::sin(a) * 1.5f));
    return p;
}

Pose Run(int f, int n)
{
    const float a = kTau * f / n;
    Pose p;
    p.dy = -Round(std::fabs(std::sin(a)) * 3.f);
    p.squash = p.dy == 0 ? 1 : 0;
    p.shiftFront = Round(std::cos(a) * 5.f);
    p.shiftBack = -p.shiftFront;
    p.liftFront = std::max(0, Round(std::sin(a) * 3.f));
    p.liftBack = std::max(0, Round(-std::sin(a) * 3.f));
    p.sway = -3;
    p.lookX = 2;
    const Body b = BodyOf(p);
    p.arms = true;
    p.frontHand = {b.cx + 15 - p.shiftFront, b.cy + 11};
    p.backHand = {b.cx - 15 - p.shiftBack, b.cy + 11};
    return p;
}

Pose FirstJump(int f, int /*n*/)
{
    Pose p;
    if (f < 2) {
        p.squash = 3 - f;
    } else if (f < 6) {
        p.squash = -3;
        p.dy = -2 * (f - 1);
        p.liftBack = p.liftFront = f - 1;
    } else {
        p.squash = 1;
        p.dy = -8;
        p.liftBack = p.liftFront = 4;
    }
    p.sway = p.squash < 0 ? 3 : 0;
    p.lookY = -1;
    const Body b = BodyOf(p);
    p.arms = true;
    p.backHand = {b.cx - 11, b.cy - 14 + f};
    p.frontHand = {b.cx + 13, b.cy - 16 + f};
    return p;
}

Pose SecondJump(int f, int /*n*/)
{
    Pose p;
    p.squash = 3;
    p.dy = -6;
    p.liftBack = p.liftFront = 5;
    p.eyeOrbit = (f + 9) % 12;  // a forward flip
    const Body b = BodyOf(p);
    const float a = kTau * f / 12.f;
    p.arms = true;
    p.frontHand = {b.cx + Round(std::cos(a) * 16.f), b.cy + Round(std::sin(a) * 16.f)};
    p.backHand = {b.cx - Round(std::cos(a) * 16.f), b.cy - Round(std::sin(a) * 16.f)};
    return p;
}

Pose Fall(int f, int /*n*/)
{
    Pose p;
    p.squash = -2;
    p.dy = -4;
    p.liftBack = f % 4 < 2 ? 2 : 0;
    p.liftFront = f % 4 < 2 ? 0 : 2;
    p.sway = f % 2 ? 3 : -3;
    p.lookY = 1;
    const Body b = BodyOf(p);
    const int flap = (f % 4 < 2) ? 2 : -2;
    p.arms = true;
    p.backHand = {b.cx - 14, b.cy - 14 + flap};
    p.frontHand = {b.cx + 14, b.cy - 14 - flap};
    return p;
}

// The substance takes hold: shaking, glowing, buds that grow into arms.
Pose GrowArms(int f, int n)
{
    Pose p;
    const bool shaking = f >= 4 && f < 40;
    p.dx = shaking ? (f % 2 ? 1 : -1) : 0;
    p.glow = f < 40 ? 1 + (f / 3) % 3 : 0;
    p.eyesClosed = shaking;
    const float grow = std::clamp((f - 8) / 28.f, 0.f, 1.f);
    const Body b = BodyOf(p);
    if (grow > 0.f) {
        p.arms = true;
        p.backHand = {b.cx - 8 - Round(6 * grow), b.cy + 1 + Round(7 * grow)};
        p.frontHand = {b.cx + 8 + Round(6 * grow), b.cy + 1 + Round(7 * grow)};
    }
    if (f >= 40) {  // a proud flex
        p.squash = f < 43 ? 2 : -1;
        p.lookY = -1;
        p.backHand = {b.cx - 15, b.cy - 14 - (f % 2)};
        p.frontHand = {b.cx + 15, b.cy - 14 - ((f + 1) % 2)};
    }
    (void)n;
    return p;
}

Pose Special(int f, int n)
{
    Pose p;
    const float a = kTau * f / n;
    p.dy = Round(std::sin(a) * 1.2f);
    p.squash = 1;
    p.eyesClosed = true;
    p.glow = 1 + Round((std::sin(a) + 1.f));
    const Body b = BodyOf(p);
    p.arms = true;
    p.backHand = {b.cx + 2, b.cy - 6 + p.dy};
    p.frontHand = {b.cx + 5, b.cy - 6 + p.dy};
    return p;
}

struct Reach {
    int x0, y0, x1, y1;
};

// The game's reach of a combo step in right-facing cell pixels, rounded
// inwards so the blade never leaves it. Facing left the game's shapes are
// not mirror images, so the left rows use their own shapes mirrored into
// right-facing coordinates (x' = cell width - x), and the drawing is
// flipped afterwards.
Reach CellReach(int step, bool left)
{
    const CellGeometry& cell = Cell();
    const AssetEntry& body = *FindAsset(kHitboxPicture);
    const BodyRect r = SwingReach(step, !left, static_cast<float>(body.width), static_cast<float>(body.height));
    float x0 = cell.boxLeft + r.left / kPlayerScale, x1 = cell.boxLeft + (r.left + r.width) / kPlayerScale;
    const float y0 = cell.boxTop + r.top / kPlayerScale, y1 = cell.boxTop + (r.top + r.height) / kPlayerScale;
    if (left) {
        const float mirrored = static_cast<float>(cell.width) - x1;
        x1 = static_cast<float>(cell.width) - x0;
        x0 = mirrored;
    }
    return {static_cast<int>(std::ceil(x0)), static_cast<int>(std::ceil(y0)), static_cast<int>(std::floor(x1)),
            static_cast<int>(std::floor(y1))};
}

// The slam's hand rises no higher than this above the body's centre: an
// arm longer than the body would not read as the creature's own.
constexpr int kSlamReach = 22;

// A shape that stands off the body (the left slam's) is reached at its near
// side, so the arm stretches no further than a lunge.
int HiltX(const Reach& r, int wanted)
{
    return std::max(r.x0 + 4, std::min(wanted, Cell().centreX + 24));
}

// The blade while the swing is live, kept 2 px inside the shape.
void Strike(Pose& p, int step, const Reach& r, float s)
{
    const int cy = (r.y0 + r.y1) / 2, cx = (r.x0 + r.x1) / 2;
    switch (step) {
    case 0:  // thrust: the arm lunges, the body stays over its box
        p.squash = -1;
        p.hilt = {r.x0 + 4, cy};
        p.tip = {r.x0 + 4 + Round(30 + (r.x1 - r.x0 - 10 - 30) * std::min(1.f, s * 2.f)), cy};
        break;
    case 1:  // low spinning sweep across the body
        p.squash = -1;
        p.lookX = s < 0.5f ? -2 : 2;
        p.hilt = {r.x1 - 4, r.y1 - 6};
        p.tip = {r.x0 + 4, r.y1 - 4 - Round(4 * s)};
        break;
    case 2:  // rising cut, straight up and down
        p.dy = s < 0.4f ? -3 : 0;
        p.hilt = {HiltX(r, cx - 4), r.y0 + 4 + Round(6 * s)};
        p.tip = {p.hilt.x + 6, r.y1 - 3};
        break;
    default:  // overhead slam, the blade falling forward
        p.dy = s < 0.3f ? -5 : 0;
        p.squash = s < 0.3f ? -2 : 3;
        p.hilt = {HiltX(r, cx), std::max(r.y0 + 3 + Round(8 * s), BodyOf(p).cy - kSlamReach)};
        p.tip = {std::min(r.x1 - 4, p.hilt.x + 12), r.y1 - 3};
        break;
    }
}

Pose Swing(int step, const Reach& reach, int f, int n)
{
    Pose p;
    p.lookX = 2;
    p.blade = true;
    p.arms = true;
    const float t = n > 1 ? static_cast<float>(f) / (n - 1) : 0.f;
    Body b = BodyOf(p);
    if (t < 0.3f) {  // wind-up: blade drawn back over the shoulder
        p.squash = 2;
        b = BodyOf(p);
        p.hilt = {b.cx - 6 - Round(t * 10), b.cy - 12};
        p.tip = step == 1 ? Point{p.hilt.x - 30, p.hilt.y + 16} : Point{p.hilt.x - 22, p.hilt.y - 26};
    } else if (t <= 0.75f) {
        Strike(p, step, reach, (t - 0.3f) / 0.45f);
        b = BodyOf(p);
    } else {  // follow-through: the blade sinks and comes back
        const float s = (t - 0.75f) / 0.25f;
        b = BodyOf(p);
        p.hilt = {b.cx + 14 - Round(4 * s), b.cy + 6};
        p.tip = {p.hilt.x + 24 - Round(10 * s), std::min(Cell().baseline, p.hilt.y + 14 + Round(6 * s))};
    }
    p.frontHand = p.hilt;
    p.backHand = {b.cx - 16, b.cy + 10};
    return p;
}

Pose PoseFor(int row, int f, int n)
{
    switch (row) {
    case 0: case 1: return Idle(f, n);
    case 2: case 3: return Run(f, n);
    case 4: case 5: return FirstJump(f, n);
    case 6: case 7: return SecondJump(f, n);
    case 8: case 9: return Fall(f, n);
    case 10: return GrowArms(f, n);
    case 19: return Special(f, n);
    default: break;
    }
    const bool left = row >= 15;
    const int step = (row - 11) % 4;
    return Swing(step, CellReach(step, left), f, n);
}

// Odd rows face left (rows 1-9), and so do rows 15-18; row 10 and 19 face the viewer's right.
bool FacesLeft(int row)
{
    if (row >= 15 && row <= 18)
        return true;
    return row < 10 && row % 2 == 1;
}

void PaintPlayerCell(Canvas& cell, const Look& look, int row, int f, int n)
{
    Pose pose = PoseFor(row, f, n);
    if (!look.arms && row != 10) {
        pose.arms = false;
        pose.blade = false;
    }
    if (!FacesLeft(row)) {
        DrawCreature(cell, look.body, pose);
        return;
    }
    Canvas right(Cell().width, Cell().height);
    DrawCreature(right, look.body, pose);
    cell.Blit(right, 0, 0, true, true);
}

void PaintSheet(Canvas& canvas, const AssetEntry& e, const Look& look)
{
    paint::ForEachCell(canvas, e.cellWidth, e.cellHeight, e.framesPerRow,
                       [&](Canvas& cell, int row, int f, int n) { PaintPlayerCell(cell, look, row, f, n); });
}

constexpr Tones kCoral{pal::Rust1, pal::Coral, pal::CoralLight};

// The arms sheet and the five skins are one drawing: it is painted once, by
// whichever of them the generator reaches first, and the others recolour a
// copy of it.
struct ArmsDrawing {
    std::once_flag painted;
    Canvas canvas;
};

void RecolourBody(Canvas& canvas, const Tones& to)
{
    const std::array<Rgba, 3> from{kCoral.dark, kCoral.mid, kCoral.light};
    const std::array<Rgba, 3> into{to.dark, to.mid, to.light};
    for (int y = 0; y < canvas.Height(); y++)
        for (int x = 0; x < canvas.Width(); x++) {
            const Rgba c = canvas.Get(x, y);
            for (int i = 0; i < 3; i++)
                if (c == from[i]) {
                    canvas.Set(x, y, into[i]);
                    break;
                }
        }
}

Painter SkinPainter(std::shared_ptr<ArmsDrawing> drawing, Tones tones)
{
    return [drawing, tones](Canvas& canvas, const AssetEntry& e) {
        std::call_once(drawing->painted, [&] {
            drawing->canvas = Canvas(e.width, e.height);
            PaintSheet(drawing->canvas, e, {kCoral, true});
        });
        canvas = drawing->canvas;
        if (!(tones.mid == kCoral.mid))
            RecolourBody(canvas, tones);
    };
}
constexpr Tones kBrown{pal::Wood1, pal::Wood2, pal::Wood3};
constexpr Tones kPink{{176, 80, 120}, pal::Pink, {250, 198, 214}};
constexpr Tones kGreen{pal::Kelp1, pal::Kelp2, {176, 206, 112}};
constexpr Tones kGreenBlue{pal::Sea0, pal::Sea1, pal::Sea2};
constexpr Tones kViolet{pal::Night2, pal::Violet, {200, 156, 220}};

// ---- The opening cinematic -------------------------------------------------
// Clips of 515 x 83 drawn at scale 3 over the tutorial's shore: the clip's top
// left is the display sprite's, at (375, 584) in the world, so the sand line
// y = 760 is cell row 58 and the spot where play begins (the hitbox moved 200
// px left, body 445..532) is cell x 23..52.
constexpr int kClipGround = 58;
constexpr int kRestX = 38;

void DrawCreatureAt(Canvas& clip, const Tones& t, const Pose& pose, int x, int baseline)
{
    Canvas cell(Cell().width, Cell().height);
    DrawCreature(cell, t, pose);
    clip.Blit(cell, x - Cell().centreX, baseline - Cell().baseline);
}

// The sea reaches from x = edge to the right of the clip; its crest foams.
void DrawWave(Canvas& c, int edge, int crestY)
{
    if (edge >= c.Width())
        return;
    const std::array<Point, 5> water{{{edge, kClipGround + 2}, {edge + 10, crestY}, {c.Width(), crestY + 4},
                                      {c.Width(), c.Height()}, {edge, c.Height()}}};
    c.FillPolygon(water, pal::Sea1.WithAlpha(220));
    c.Line(edge, kClipGround + 2, edge + 10, crestY, pal::Foam, 2);
    c.Line(edge + 10, crestY, c.Width(), crestY + 4, pal::Sea2, 1);
    for (int x = edge + 14; x < c.Width(); x += 23)
        c.FillRect(x, crestY + 2 + (x / 23) % 3, 6, 1, pal::Foam);
}

void DrawDrops(Canvas& c, int cx, int f)
{
    for (int i = 0; i < 6; i++) {
        const float a = kTau * i / 6.f;
        const int r = 16 + (f % 4) * 4;
        c.FillRect(cx + Round(std::cos(a) * r), kClipGround - 22 + Round(std::sin(a) * r * 0.6f), 2, 2, pal::Sea2);
    }
}

// Beside the head: above it the clip has no room.
void DrawSign(Canvas& c, int x, const char* text)
{
    paint::DrawTextCentred(c, x, 2, text, pal::Lantern1, 2, true);
}

// Washed up: the sea rolls the curled-up creature onto the sand and goes.
void ClipWashUp(Canvas& c, int f)
{
    const int x = std::max(kRestX, 480 - f * 18);
    Pose p;
    p.squash = 4;
    p.eyesClosed = true;
    p.eyeOrbit = f < 24 ? (12 - f % 12) % 12 : -1;
    p.dy = f < 24 ? Round(std::sin(f * 0.8f) * 2.f) : 0;
    const int edge = f < 24 ? x - 14 : kRestX + (f - 24) * 30;
    DrawWave(c, edge, kClipGround - 10 + (f % 3));
    DrawCreatureAt(c, kCoral, p, x, kClipGround);
}

Pose Lying() { Pose p; p.squash = 4; p.eyesClosed = true; return p; }

void ClipWake(Canvas& c, int f)
{
    DrawWave(c, 400 + f * 3, kClipGround - 4);
    Pose p = Lying();
    p.squash = 4 - (f % 10 < 5 ? 0 : 1);
    p.eyesClosed = f < 12 || f == 16 || f == 17;
    p.lookY = 1;
    if (f >= 24)
        p.lookX = -1;
    DrawCreatureAt(c, kCoral, p, kRestX, kClipGround);
}

void ClipStand(Canvas& c, int f)
{
    Pose p;
    p.squash = std::max(0, 4 - f / 3);
    const bool shaking = f >= 13 && f < 24;
    p.dx = shaking ? (f % 2 ? 2 : -2) : 0;
    p.sway = shaking ? (f % 2 ? 3 : -3) : 0;
    p.eyesClosed = shaking;
    DrawCreatureAt(c, kCoral, p, kRestX, kClipGround);
    if (shaking)
        DrawDrops(c, kRestX, f);
}

void ClipLookAround(Canvas& c, int f)
{
    Pose p;
    p.lookX = f < 10 ? -2 : 2;
    p.dx = f < 10 ? -1 : 1;
    p.eyesClosed = f == 9;
    DrawCreatureAt(c, kCoral, p, kRestX, kClipGround);
    if (f >= 20)
        DrawSign(c, kRestX + 26, "?");
}

// Something glows far to the right: the substance.
void ClipNotice(Canvas& c, int f)
{
    for (int i = 0; i < 4; i++) {
        const int y = 10 + i * 14 + (f % 3);
        c.Line(c.Width() - 1, y, c.Width() - 40 - (f % 4) * 8, y + 2, pal::Lantern1.WithAlpha(160), 2);
    }
    Pose p;
    p.lookX = 2;
    p.lookY = -1;
    p.dy = f >= 2 && f < 5 ? -3 : 0;
    p.squash = f >= 5 && f < 7 ? 2 : 0;
    p.dx = f >= 10 ? 2 : 0;
    DrawCreatureAt(c, kCoral, p, kRestX, kClipGround);
    if (f >= 2)
        DrawSign(c, kRestX + 26, "!");
}

void PaintCinematic(Canvas& canvas, const AssetEntry& e)
{
    paint::ForEachCell(canvas, e.cellWidth, e.cellHeight, e.framesPerRow, [](Canvas& c, int clip, int f, int) {
        switch (clip) {
        case 0: ClipWashUp(c, f); break;
        case 1: ClipWake(c, f); break;
        case 2: ClipStand(c, f); break;
        case 3: ClipLookAround(c, f); break;
        default: ClipNotice(c, f); break;
        }
    });
}

// ---- The substance ------------------------------------------------------------
// It rests on the sand (the cell's bottom is world y 754) and hops in frames
// 6..24, the frames in which it cannot be taken.
void PaintSubstanceCell(Canvas& c, int f)
{
    const bool hopping = f >= 6 && f <= 24;
    const float t = hopping ? (f - 6) / 18.f : 0.f;
    const int lift = Round(std::sin(t * 3.1415927f) * 70.f);
    const int squash = (f == 6 || f == 25 || f == 26) ? 3 : (f == 7 || f == 24 ? -3 : 0);
    const int cx = 85, rx = 14 + squash, ry = 12 - squash;
    const int cy = 138 - ry - lift;
    const int pulse = (f % 6 < 3) ? f % 3 : 3 - f % 3;
    Canvas halo(c.Width(), c.Height());
    for (int ring = 3; ring >= 1; ring--)
        halo.FillEllipse(cx, cy, rx + 6 + ring * 5 + pulse * 2, ry + 6 + ring * 5 + pulse * 2,
                         pal::Lantern1.WithAlpha(static_cast<std::uint8_t>(30 + 14 * (3 - ring))));
    c.Blit(halo, 0, 0);
    if (lift > 0)
        c.FillEllipse(cx, 139, std::max(3, rx - lift / 8), 2, pal::Sea0.WithAlpha(150));
    Canvas blob(c.Width(), c.Height());
    blob.FillEllipse(cx, cy, rx, ry, pal::Lantern0);
    blob.FillEllipse(cx - 1, cy - 1, rx - 2, ry - 2, pal::Lantern1);
    blob.FillEllipse(cx - 5, cy - 5, 3, 2, pal::White);
    blob.FillRect(cx + 4, cy - 2, 2, 2, pal::Sea2);
    blob.Outline(pal::Ink);
    c.Blit(blob, 0, 0);
    for (int i = 0; i < 4; i++) {  // sparkles drifting up
        const int sx = cx - 30 + i * 20 + (i % 2) * 4;
        const int sy = cy - 20 - ((f * 3 + i * 17) % 40);
        c.FillRect(sx, sy, 1, 3, pal::White);
        c.FillRect(sx - 1, sy + 1, 3, 1, pal::White);
    }
}

// ---- Stills ---------------------------------------------------------------------
void PaintHitbox(Canvas& c, const AssetEntry&)
{
    c.FillRect(0, 0, c.Width(), c.Height(), pal::Coral.WithAlpha(96));
    c.StrokeRect(0, 0, c.Width(), c.Height(), pal::Rust0);
}

void PaintUpgradeNotice(Canvas& c, const AssetEntry&)
{
    c.FillRoundRect(8, 24, c.Width() - 16, c.Height() - 48, 12, pal::Wood0);
    c.FillRoundRect(12, 28, c.Width() - 24, c.Height() - 56, 10, pal::Wood2);
    c.FillRect(16, 32, c.Width() - 32, 6, pal::Wood3);
    for (int x : {4, c.Width() - 20})
        c.FillRoundRect(x, 8, 16, c.Height() - 16, 6, pal::Sand1);
    DrawBlade(c, {60, 110}, {120, 46});
    paint::DrawTextOutlined(c, 150, 48, "DAMAGE UP", pal::Lantern1, pal::Ink, 7);
}

}  // namespace

void RegisterPlayerArt(PainterRegistry& registry)
{
    const std::string dir = "Assets/Sprites/Player/";
    registry.Add(dir + "spriteSheetPlayerAllNoArms2.png",
                 [](Canvas& canvas, const AssetEntry& e) { PaintSheet(canvas, e, {kCoral, false}); });
    const auto arms = std::make_shared<ArmsDrawing>();
    registry.Add(dir + "spritesheetplayerAllFini.png", SkinPainter(arms, kCoral));
    registry.Add(dir + "spritesheetplayerBrun.png", SkinPainter(arms, kBrown));
    registry.Add(dir + "spritesheetplayerRose.png", SkinPainter(arms, kPink));
    registry.Add(dir + "spritesheetplayerVert.png", SkinPainter(arms, kGreen));
    registry.Add(dir + "spritesheetplayerVertBleu.png", SkinPainter(arms, kGreenBlue));
    registry.Add(dir + "spritesheetplayerViolet.png", SkinPainter(arms, kViolet));
    registry.Add(dir + "cinematicTuto1.png", PaintCinematic);
    registry.Add(dir + "SpriteSheetSubstanceJump.png", [](Canvas& canvas, const AssetEntry& e) {
        paint::ForEachCell(canvas, e.cellWidth, e.cellHeight, e.framesPerRow,
                           [](Canvas& cell, int, int f, int) { PaintSubstanceCell(cell, f); });
    });
    registry.Add(dir + "imageHitbox2.png", PaintHitbox);
    registry.Add("Assets/Sprites/HUD/UpgradeDamage.png", PaintUpgradeNotice);
}
