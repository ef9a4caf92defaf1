// Gorsh & Quillet, drawn from a pose: Gorsh, the big ogre cook with the
// cleaver and the cauldron strapped to his back, and Quillet, the small
// goblin cook who rides in the cauldron. Facing right; the sheet mirrors
// each frame for the left rows.
#include <algorithm>
#include <array>
#include <cmath>

#include "art_boss_kit.hpp"

namespace boss_art {

const Rig& Rest()
{
    static const Rig rig = [] {
        const BodyBox& b = Box();
        // c0: the box's middle line; every rest place is measured from it and
        // from the feet, so the cooks fill the box wherever the table puts it.
        const int c0 = b.centreX + 1, feet = b.feetY;
        Rig r;
        r.feetY = feet;
        r.hip = {c0 + 3, feet - 20};
        r.belly = {c0 + 2, feet - 43};
        r.bellyRx = 33;
        r.bellyRy = 26;
        r.head = {c0 + 18, feet - 73};
        r.shoulderFront = {c0 + 14, feet - 59};
        r.shoulderBack = {c0 - 8, feet - 61};
        r.footBack = {c0 - 10, feet};
        r.footFront = {c0 + 13, feet};
        r.pot = {c0 - 28, feet - 61};
        r.seat = {r.pot.x + 2, r.pot.y - 12};
        r.shoulderSeat = {c0 - 7, feet - 70};
        return r;
    }();
    return rig;
}

CookPose StandPose()
{
    const Rig& r = Rest();
    CookPose p;
    p.handFront = {r.shoulderFront.x + 16, r.shoulderFront.y + 19};
    p.handBack = {r.shoulderBack.x - 6, r.shoulderBack.y + 26};
    p.cleaverDeg = 55.f;
    p.qHandFront = {r.seat.x + 14, r.seat.y - 9};
    p.qHandBack = {r.seat.x - 10, r.seat.y - 6};
    p.qHoldDeg = -55.f;
    return p;
}

namespace {

constexpr int kUpperArm = 14;
constexpr int kForearm = 14;
constexpr int kSmallArm = 7;

Point Add(Point a, Point b) { return {a.x + b.x, a.y + b.y}; }

// The elbow of a two-bone arm reaching from shoulder to hand, bent
// downwards (or upwards); a hand out of reach is pulled in.
Point Elbow(Point s, Point& hand, int upper, int fore, bool bendUp = false)
{
    float dx = static_cast<float>(hand.x - s.x), dy = static_cast<float>(hand.y - s.y);
    float d = std::hypot(dx, dy);
    const float reach = upper + fore - 0.5f;
    if (d > reach) {
        dx *= reach / d;
        dy *= reach / d;
        d = reach;
        hand = {s.x + Round(dx), s.y + Round(dy)};
    }
    d = std::max(d, 1.f);
    const float a = std::atan2(dy, dx);
    const float cosB = std::clamp((upper * upper + d * d - fore * fore) / (2.f * upper * d), -1.f, 1.f);
    const float b = std::acos(cosB);
    const Point e1{s.x + Round(std::cos(a + b) * upper), s.y + Round(std::sin(a + b) * upper)};
    const Point e2{s.x + Round(std::cos(a - b) * upper), s.y + Round(std::sin(a - b) * upper)};
    const bool firstLower = e1.y >= e2.y;
    return (firstLower != bendUp) ? e1 : e2;
}

// Where the parts of Gorsh sit in this pose.
struct Frame {
    Point belly;
    int rx, ry;
    Point head, shoulderFront, shoulderBack, pot, hipBack, hipFront;
    Point footBack, footFront;
    Point seat;
};

Frame FrameOf(const CookPose& p)
{
    const Rig& r = Rest();
    Frame f;
    const int drop = p.body.y + 2 * p.squash;  // the upper body sinks as the belly squashes
    f.rx = r.bellyRx + p.squash;
    f.ry = r.bellyRy - p.squash;
    f.belly = {r.belly.x + p.body.x + p.lean / 3, r.belly.y + p.body.y + p.squash};
    f.head = {r.head.x + p.body.x + p.lean, r.head.y + drop + p.headDy};
    f.shoulderFront = {r.shoulderFront.x + p.body.x + p.lean * 2 / 3, r.shoulderFront.y + drop};
    f.shoulderBack = {r.shoulderBack.x + p.body.x + p.lean / 2, r.shoulderBack.y + drop};
    f.pot = {r.pot.x + p.body.x + p.lean / 2, r.pot.y + drop};
    f.hipBack = {r.hip.x - 9 + p.body.x, r.hip.y + p.body.y};
    f.hipFront = {r.hip.x + 8 + p.body.x, r.hip.y + p.body.y};
    f.footBack = Add(r.footBack, p.footBack);
    f.footFront = Add(r.footFront, p.footFront);
    f.seat = {r.seat.x + (f.pot.x - r.pot.x), r.seat.y + (f.pot.y - r.pot.y)};
    return f;
}

// ---- Gorsh ---------------------------------------------------------------------------------------------
// A boot whose sole's last row is y: the toe points forward.
void Boot(Canvas& c, Point at, bool near)
{
    const int x = at.x, y = at.y;
    const std::array<Point, 6> boot{{{x - 7, y}, {x + 10, y}, {x + 11, y - 3}, {x + 9, y - 6}, {x + 3, y - 8},
                                     {x - 6, y - 8}}};
    InkedPolygon(c, boot, near ? kBoot.mid : pal::Ink);
    if (near) {
        c.Line(x - 5, y - 7, x + 3, y - 7, kBoot.light);
        c.Line(x + 5, y - 5, x + 8, y - 4, kBoot.light);
        c.Line(x - 6, y - 1, x + 10, y - 1, pal::Ink);
    }
}

// A boot lying on its heel, sole to the front (sitting down).
void BootUp(Canvas& c, Point heel)
{
    const std::array<Point, 5> boot{{{heel.x - 4, heel.y}, {heel.x + 5, heel.y}, {heel.x + 6, heel.y - 13},
                                     {heel.x + 1, heel.y - 14}, {heel.x - 5, heel.y - 6}}};
    InkedPolygon(c, boot, kBoot.mid);
    c.Line(heel.x + 5, heel.y - 1, heel.x + 6, heel.y - 12, pal::Ink);
}

// Checked cook's trousers: the leg, then a check every few pixels.
void Leg(Canvas& c, Point hip, Point ankle)
{
    Limb(c, hip, ankle, 12, kTrousers);
    const int x0 = std::min(hip.x, ankle.x) - 6, x1 = std::max(hip.x, ankle.x) + 6;
    const int y0 = std::min(hip.y, ankle.y) - 6, y1 = std::max(hip.y, ankle.y) + 6;
    for (int y = y0; y <= y1; ++y)
        for (int x = x0; x <= x1; ++x)
            if ((x + 2 * y) % 6 == 0 && y % 3 == 0 && c.Get(x, y) == kTrousers.mid)
                c.Set(x, y, kTrousers.dark);
}

void Legs(Canvas& c, const CookPose& p, const Frame& f)
{
    if (p.sitting) {
        // Sat down hard: the legs stick out in front along the floor.
        const int floor = Rest().feetY;
        Limb(c, {f.hipBack.x + 2, floor - 8}, {f.hipBack.x + 20, floor - 6}, 12, kTrousers);
        BootUp(c, {f.hipBack.x + 24, floor});
        Limb(c, {f.hipFront.x, floor - 8}, {f.hipFront.x + 22, floor - 6}, 12, kTrousers);
        BootUp(c, {f.hipFront.x + 26, floor});
        return;
    }
    // The trouser leg ends above the sole's row: the boots alone stand on the floor.
    const Point ankleBack{f.footBack.x, f.footBack.y - 8}, ankleFront{f.footFront.x, f.footFront.y - 8};
    Leg(c, f.hipBack, ankleBack);
    Boot(c, f.footBack, false);
    Leg(c, f.hipFront, ankleFront);
    Boot(c, f.footFront, true);
}

// The belly: the jacket, the apron over its front, a skirt below.
void Belly(Canvas& c, const CookPose& p, const Frame& f)
{
    const Point b = f.belly;
    const int bottom = b.y + f.ry;
    const std::array<Point, 4> skirt{{{b.x - 4, bottom - 8}, {b.x + f.rx - 5, bottom - 8},
                                      {b.x + f.rx - 8, bottom + 6}, {b.x - 2, bottom + 6}}};
    if (!p.sitting)
        InkedPolygon(c, skirt, kApron.mid);
    c.Line(b.x - 1, bottom + 5, b.x + f.rx - 9, bottom + 5, kApron.dark);
    Ball(c, b.x, b.y, f.rx, f.ry, kJacket);
    ForEllipse(b.x, b.y, f.rx, f.ry, [&](int x, int y, float nx, float ny) {
        const float edge = -0.12f + 0.1f * ny;
        if (nx > edge && ny > -0.58f) {
            const bool seam = nx < edge + 2.f / f.rx || ny < -0.58f + 2.f / f.ry;
            c.Set(x, y, seam ? kApron.dark : ToneAt(kApron, nx, ny));
        }
    });
    // The apron's waist string, tied at the back.
    c.Line(b.x - f.rx + 6, b.y + 2, b.x - 3, b.y + 3, kApron.dark);
    c.Line(b.x - f.rx + 4, b.y + 3, b.x - f.rx + 1, b.y + 9, kApron.mid);
    // Stains, and two jacket buttons above the bib.
    c.FillRect(b.x + 12, b.y + 6, 2, 2, kApron.dark);
    c.FillRect(b.x + 6, b.y + 13, 3, 2, kApron.dark);
    for (int i = 0; i < 2; ++i) {
        const Point btn{b.x + 8 + i * 9, b.y - f.ry + 8 + i * 2};
        c.FillRect(btn.x, btn.y, 2, 2, pal::Sand0);
    }
}

void Strap(Canvas& c, const Frame& f)
{
    const Point from{f.pot.x + 16, f.pot.y - 16};
    const Point over{f.shoulderBack.x + 8, f.shoulderBack.y - 5};
    const Point to{f.belly.x + 2, f.belly.y + 4};
    Limb(c, from, over, 3, kWood);
    Limb(c, over, to, 3, kWood);
    c.FillRect(to.x - 1, to.y - 1, 3, 3, pal::Lantern0);  // the buckle
}

void Hat(Canvas& c, Point band, float deg, bool big)
{
    const float bx = static_cast<float>(band.x), by = static_cast<float>(band.y);
    auto at = [&](int dx, int dy) { return Rotate(bx + dx, by + dy, bx, by, deg); };
    // The puff: two or three lobes over a band; the small cook's is tall and flops back.
    const std::array<Point, 3> lobes = big ? std::array<Point, 3>{at(-6, -8), at(6, -9), at(0, -12)}
                                           : std::array<Point, 3>{at(-2, -7), at(-4, -13), at(-8, -17)};
    const int lr = big ? 8 : 5;
    for (const Point& l : lobes)
        c.FillCircle(l.x, l.y, lr + 1, pal::Ink);
    for (const Point& l : lobes)
        ForEllipse(l.x, l.y, lr, lr, [&](int x, int y, float nx, float ny) { c.Set(x, y, ToneAt(kJacket, nx, ny)); });
    // Creases between the lobes.
    const Point crease = big ? at(0, -6) : at(-3, -10);
    c.Line(crease.x, crease.y, crease.x + (big ? 0 : -1), crease.y - 4, kJacket.dark);
    const int hw = big ? 11 : 6, hh = big ? 5 : 4;
    const std::array<Point, 4> strip{{at(-hw, -hh), at(hw, -hh), at(hw, 1), at(-hw, 1)}};
    InkedPolygon(c, strip, kJacket.mid);
    const Point shade0 = at(-hw, 0), shade1 = at(hw, 0);
    c.Line(shade0.x, shade0.y, shade1.x, shade1.y, kJacket.dark);
    for (int i = -hw + 3; i < hw; i += 4) {
        const Point pleat = at(i, -hh + 1);
        c.Set(pleat.x, pleat.y, kJacket.dark);
        c.Set(pleat.x, pleat.y + 1, kJacket.dark);
    }
}

Tones SkinOf(int flush)
{
    if (flush >= 2)
        return {pal::Rust1, pal::Coral, pal::CoralLight};
    return kOgreSkin;
}

void Eye(Canvas& c, Point e, Eyes eyes, bool big)
{
    switch (eyes) {
    case Eyes::Closed:
        c.Line(e.x - 2, e.y, e.x + 2, e.y + 1, pal::Ink);
        return;
    case Eyes::Squint:
        c.Line(e.x - 2, e.y + 1, e.x + 2, e.y - 1, pal::Ink);
        c.Line(e.x - 2, e.y - 1, e.x + 2, e.y - 1, pal::Ink);
        return;
    case Eyes::Dead:
        c.Line(e.x - 2, e.y - 2, e.x + 2, e.y + 2, pal::Ink);
        c.Line(e.x - 2, e.y + 2, e.x + 2, e.y - 2, pal::Ink);
        return;
    case Eyes::Wide:
        c.FillEllipse(e.x, e.y, big ? 3 : 2, big ? 3 : 2, pal::Ink);
        c.FillEllipse(e.x, e.y, big ? 2 : 1, big ? 2 : 1, pal::White);
        c.Set(e.x + 1, e.y, pal::Ink);
        return;
    default:
        c.FillEllipse(e.x, e.y, 2, 2, pal::Ink);
        c.FillRect(e.x - 1, e.y - 1, 2, 2, pal::White);
        c.FillRect(e.x + 1, e.y - 1, 1, 2, pal::Ink);
        return;
    }
}

void Head(Canvas& c, const CookPose& p, const Frame& f)
{
    const Tones skin = SkinOf(p.flush);
    const Point h = f.head;
    Ball(c, h.x - 8, h.y + 1, 3, 4, skin);  // the ear
    c.Set(h.x - 8, h.y + 1, skin.dark);
    Ball(c, h.x, h.y, 13, 12, skin);
    // The underbite jaw, pushed forward; open mouths drop it.
    const int jawDrop = p.mouth == Mouth::Roar ? 4 : (p.mouth == Mouth::Open || p.mouth == Mouth::Oh ? 2 : 0);
    const int chew = p.mouth == Mouth::Chew ? 1 : 0;
    const Point jaw{h.x + 6 + chew, h.y + 7 + jawDrop};
    if (jawDrop > 0) {
        // The mouth's inside between head and jaw.
        c.FillEllipse(h.x + 7, h.y + 5 + jawDrop / 2, 6, 3 + jawDrop / 2, pal::Ink);
        c.FillEllipse(h.x + 7, h.y + 5 + jawDrop / 2, 5, 2 + jawDrop / 2, pal::Rust0);
        if (p.mouth == Mouth::Roar) {
            c.FillEllipse(h.x + 8, h.y + 6, 4, 3, pal::Lantern0);
            c.FillEllipse(h.x + 9, h.y + 6, 2, 2, pal::Lantern1);
        }
    }
    Ball(c, jaw.x, jaw.y, 8, 5, skin);
    // Tusks up from the jaw.
    const std::array<Point, 3> tusk{{{jaw.x + 3, jaw.y - 2}, {jaw.x + 6, jaw.y - 2}, {jaw.x + 5, jaw.y - 8}}};
    InkedPolygon(c, tusk, pal::Bone);
    const std::array<Point, 3> tusk2{{{jaw.x - 4, jaw.y - 2}, {jaw.x - 2, jaw.y - 2}, {jaw.x - 3, jaw.y - 6}}};
    InkedPolygon(c, tusk2, pal::Sand2);
    if (p.mouth == Mouth::Grin)
        c.Line(jaw.x - 6, jaw.y - 3, jaw.x + 2, jaw.y - 2, pal::Ink);
    else if (jawDrop == 0)
        c.Line(jaw.x - 5, jaw.y - 4, jaw.x + 2, jaw.y - 4, pal::Ink);
    // The nose, a bulb over the jaw; the eye under a heavy brow.
    Ball(c, h.x + 12, h.y - 1, 3, 3, skin);
    Eye(c, {h.x + 5, h.y - 4}, p.eyes, true);
    const int browTilt = p.eyes == Eyes::Angry ? 2 : (p.eyes == Eyes::Wide ? -2 : 0);
    c.Line(h.x + 1, h.y - 8 - browTilt, h.x + 9, h.y - 7 + browTilt, skin.dark, 2);
    c.Line(h.x + 1, h.y - 9 - browTilt, h.x + 9, h.y - 8 + browTilt, pal::Ink);
    if (p.flush == 1)
        c.FillEllipse(h.x + 2, h.y + 3, 3, 2, pal::Coral);  // red cheeks
    // Stubble on the jaw.
    for (int i = 0; i < 4; ++i)
        c.Set(jaw.x - 4 + i * 3, jaw.y + 2 + (i % 2), skin.dark);
    if (p.hat)
        Hat(c, {h.x - 1 + p.hatShift.x, h.y - 10 + p.hatShift.y}, p.hatDeg, true);
}

void Cleaver(Canvas& c, Point fist, float deg)
{
    const float a = deg * kPi / 180.f;
    const float ux = std::cos(a), uy = std::sin(a);
    const float ax = -uy, ay = ux;  // across: the edge leads a clockwise swing
    auto pt = [&](float along, float across) {
        return Point{Round(fist.x + ux * along + ax * across), Round(fist.y + uy * along + ay * across)};
    };
    Limb(c, pt(-3, 0), pt(8, 0), 3, kWood);
    const std::array<Point, 4> blade{{pt(7, -4), pt(32, -4), pt(32, 14), pt(9, 14)}};
    InkedPolygon(c, blade, kSteel.mid);
    // The spine dark, the edge bright, a hole to hang it by.
    const Point s0 = pt(8, -3), s1 = pt(31, -3);
    c.Line(s0.x, s0.y, s1.x, s1.y, kSteel.dark);
    const Point b0 = pt(9, 10), b1 = pt(31, 10);
    c.Line(b0.x, b0.y, b1.x, b1.y, kSteel.dark);  // the bevel
    const Point e0 = pt(10, 13), e1 = pt(31, 13);
    c.Line(e0.x, e0.y, e1.x, e1.y, kSteel.light);
    const Point hole = pt(27, 1);
    c.FillCircle(hole.x, hole.y, 1, pal::Ink);
    const Point shine = pt(14, 5);
    c.Set(shine.x, shine.y, kSteel.light);
    c.Set(shine.x + 1, shine.y, kSteel.light);
}

void Chili(Canvas& c, Point at, float deg)
{
    const Point tip = Rotate(at.x + 9.f, at.y + 3.f, static_cast<float>(at.x), static_cast<float>(at.y), deg);
    Limb(c, at, tip, 4, {pal::Rust0, pal::Rust1, pal::Coral});
    const Point stem = Rotate(at.x - 3.f, at.y - 1.f, static_cast<float>(at.x), static_cast<float>(at.y), deg);
    c.Line(at.x, at.y, stem.x, stem.y, pal::Kelp2, 2);
}

void Arm(Canvas& c, Point shoulder, Point hand, const Tones& skin)
{
    const Point elbow = Elbow(shoulder, hand, kUpperArm, kForearm);
    Limb(c, elbow, hand, 8, skin);
    Limb(c, shoulder, elbow, 10, kJacket);
    // The rolled sleeve's cuff.
    c.FillCircle(elbow.x, elbow.y, 4, pal::Ink);
    c.FillCircle(elbow.x, elbow.y, 3, kJacket.dark);
    Ball(c, hand.x, hand.y, 4, 4, skin);
}

// ---- Quillet -------------------------------------------------------------------------------------------------
struct Small {
    Point torso, head, shoulderFront, shoulderBack;
};

Small SmallOf(Point seat)
{
    Small s;
    s.torso = {seat.x + 1, seat.y - 7};
    s.head = {seat.x + 3, seat.y - 20};
    s.shoulderFront = {seat.x + 4, seat.y - 12};
    s.shoulderBack = {seat.x - 2, seat.y - 12};
    return s;
}

void SmallBody(Canvas& c, const CookPose& p, const Small& s)
{
    Ball(c, s.torso.x, s.torso.y, 5, 8, kJacket);
    // The neckerchief.
    const std::array<Point, 3> scarf{{{s.torso.x - 3, s.torso.y - 7}, {s.torso.x + 5, s.torso.y - 7},
                                      {s.torso.x + 3, s.torso.y - 2}}};
    InkedPolygon(c, scarf, pal::Coral);
    const Point h = s.head;
    // A long pointed ear behind, the head, a long nose in front.
    const std::array<Point, 3> ear{{{h.x - 3, h.y - 1}, {h.x - 11, h.y - 5}, {h.x - 4, h.y + 3}}};
    InkedPolygon(c, ear, kGoblinSkin.mid);
    c.Line(h.x - 4, h.y, h.x - 8, h.y - 3, kGoblinSkin.dark);
    Ball(c, h.x, h.y, 7, 7, kGoblinSkin);
    const std::array<Point, 3> nose{{{h.x + 5, h.y - 2}, {h.x + 14, h.y + 2}, {h.x + 5, h.y + 3}}};
    InkedPolygon(c, nose, kGoblinSkin.mid);
    c.Line(h.x + 6, h.y + 2, h.x + 12, h.y + 2, kGoblinSkin.dark);
    Eye(c, {h.x + 3, h.y - 2}, p.qEyes, false);
    // A thin curled moustache and the mouth under it.
    c.Line(h.x + 2, h.y + 4, h.x + 7, h.y + 4, pal::Wood0);
    c.Set(h.x + 1, h.y + 3, pal::Wood0);
    c.Set(h.x + 8, h.y + 3, pal::Wood0);
    switch (p.qMouth) {
    case Mouth::Open:
    case Mouth::Roar:
    case Mouth::Oh:
        c.FillRect(h.x + 3, h.y + 5, 3, 2, pal::Ink);
        break;
    case Mouth::Grin:
        c.Line(h.x + 2, h.y + 5, h.x + 5, h.y + 6, pal::Ink);
        break;
    default:
        c.Line(h.x + 3, h.y + 6, h.x + 5, h.y + 6, pal::Ink);
        break;
    }
    if (p.qHat)
        Hat(c, {h.x + p.qHatShift.x, h.y - 7 + p.qHatShift.y}, p.qHatDeg, false);
}

void SmallLegs(Canvas& c, Point seat)
{
    const Point knee{seat.x + 7, seat.y + 1}, foot{seat.x + 6, seat.y + 9};
    Limb(c, seat, knee, 5, kTrousers);
    Limb(c, knee, foot, 4, kTrousers);
    Ball(c, foot.x + 2, foot.y + 1, 3, 2, kBoot);
}

// A fizzing fuse: sparks spraying from a point, a new spray each phase.
void Sparks(Canvas& c, Point at, int phase)
{
    paint::Rng rng(static_cast<std::uint32_t>(phase * 7919 + 17));
    const int count = 8 + std::min(phase, 20);
    for (int i = 0; i < count; ++i) {
        const float a = rng.Unit() * 2.f * kPi;
        const float d = 2.f + rng.Unit() * (5.f + std::min(phase, 20) * 0.5f);
        const int x = at.x + Round(std::cos(a) * d), y = at.y + Round(std::sin(a) * d * 0.8f);
        c.Set(x, y, i % 3 == 0 ? pal::White : (i % 3 == 1 ? pal::Lantern1 : pal::Lantern0));
        if (i % 2 == 0)
            c.Set(x + 1, y, pal::Lantern0);
    }
    c.FillCircle(at.x, at.y, 3, pal::Lantern0);
    c.FillCircle(at.x, at.y, 1, pal::Lantern1);
    c.Set(at.x, at.y, pal::White);
}

void SmallHeld(Canvas& c, const CookPose& p, Point hand)
{
    switch (p.qHold) {
    case QuilletHold::Ladle: {
        const Point end = Rotate(hand.x + 14.f, static_cast<float>(hand.y), static_cast<float>(hand.x),
                                 static_cast<float>(hand.y), p.qHoldDeg);
        const Point back = Rotate(hand.x - 3.f, static_cast<float>(hand.y), static_cast<float>(hand.x),
                                  static_cast<float>(hand.y), p.qHoldDeg);
        Limb(c, back, end, 2, kSteel);
        Ball(c, end.x, end.y, 3, 3, kSteel);
        break;
    }
    case QuilletHold::Food:
        DrawFood(c, p.qFood, hand.x, hand.y - 8);
        break;
    case QuilletHold::Carrot: {
        const Point tip = Rotate(hand.x + 1.f, hand.y - 30.f, static_cast<float>(hand.x),
                                 static_cast<float>(hand.y), p.qHoldDeg);
        const Point top = Rotate(static_cast<float>(hand.x), hand.y + 8.f, static_cast<float>(hand.x),
                                 static_cast<float>(hand.y), p.qHoldDeg);
        DrawCarrot(c, tip, top, 14, p.sparks >= 0 ? p.sparks % 3 - 1 : 0, 0);
        if (p.sparks >= 0)
            Sparks(c, {top.x, top.y + 8}, p.sparks);
        break;
    }
    case QuilletHold::Match: {
        const Point end = Rotate(hand.x + 7.f, static_cast<float>(hand.y), static_cast<float>(hand.x),
                                 static_cast<float>(hand.y), p.qHoldDeg);
        c.Line(hand.x, hand.y, end.x, end.y, pal::Sand2);
        c.FillCircle(end.x, end.y, 2, pal::Lantern0);
        c.Set(end.x, end.y - 1, pal::Lantern1);
        break;
    }
    case QuilletHold::Chili:
        Chili(c, hand, p.qHoldDeg);
        break;
    default:
        break;
    }
}

void SmallArm(Canvas& c, Point shoulder, Point hand)
{
    const Point elbow = Elbow(shoulder, hand, kSmallArm, kSmallArm);
    Limb(c, shoulder, elbow, 4, kJacket);
    Limb(c, elbow, hand, 3, kGoblinSkin);
    Ball(c, hand.x, hand.y, 2, 2, kGoblinSkin);
}

// Quillet in the pot: what lies below its front rim is hidden by it.
void PotAndRider(Canvas& c, const CookPose& p, const Frame& f)
{
    DrawCauldron(c, f.pot.x, f.pot.y, 0.f, false);
    if (p.quillet != QuilletAt::InPot)
        return;
    const Point seat = Add(f.seat, p.qShift);
    const Small s = SmallOf(seat);
    Canvas rider(c.Width(), c.Height());
    Point back = p.qHandBack, front = p.qHandFront;
    const bool backIn = HiddenByPot(f.pot.x, f.pot.y, back.x, back.y);
    const bool frontIn = HiddenByPot(f.pot.x, f.pot.y, front.x, front.y);
    if (backIn)
        SmallArm(rider, s.shoulderBack, back);
    SmallBody(rider, p, s);
    if (frontIn)
        SmallArm(rider, s.shoulderFront, front);
    const int x0 = f.pot.x - 40, x1 = f.pot.x + 40;
    for (int y = std::max(0, f.pot.y - 110); y < std::min(c.Height(), f.pot.y + kPotRadius + 2); ++y)
        for (int x = std::max(0, x0); x < std::min(c.Width(), x1); ++x) {
            const Rgba px = rider.Get(x, y);
            if (px.a != 0 && !HiddenByPot(f.pot.x, f.pot.y, x, y))
                c.Set(x, y, px);
        }
    DrawCauldronLip(c, f.pot.x, f.pot.y);
    if (!backIn)
        SmallArm(c, s.shoulderBack, back);
    if (!frontIn) {
        SmallHeld(c, p, front);
        SmallArm(c, s.shoulderFront, front);
    }
}

// Quillet out of the pot: astride the big one's shoulders, or tumbling.
void RiderOut(Canvas& c, const CookPose& p, Point seat)
{
    const Small s = SmallOf(seat);
    SmallArm(c, s.shoulderBack, p.qHandBack);
    SmallLegs(c, seat);
    SmallBody(c, p, s);
    SmallHeld(c, p, p.qHandFront);
    SmallArm(c, s.shoulderFront, p.qHandFront);
}

// ---- Effects ---------------------------------------------------------------------------------------------------
void Shadow(Canvas& c, const CookPose& p)
{
    if (p.airborne)
        return;
    const Rig& r = Rest();
    const int cx = (r.footBack.x + r.footFront.x) / 2 + 2 + p.body.x;
    ForEllipse(cx, r.feetY + 2, 34 + p.squash, 3, [&](int x, int y, float, float) {
        if (c.Get(x, y).a == 0)
            c.Set(x, y, kShadow);
    });
}

void Dust(Canvas& c, int size)
{
    const Rig& r = Rest();
    for (int side : {-1, 1}) {
        const int x = Box().centreX + side * (36 + size * 2);
        Puff(c, x, r.feetY - size, size + 2, pal::Sand2, pal::Sand1);
        Puff(c, x + side * (size + 4), r.feetY - size / 2, size, pal::Bone, pal::Sand1);
    }
}

// The blow's smear: a pale arc along the cleaver's path.
void Smear(Canvas& c, Point shoulder)
{
    for (int deg = -120; deg <= 30; deg += 2) {
        const float a = deg * kPi / 180.f;
        for (int r = 40; r <= 48; ++r) {
            const int x = shoulder.x + Round(std::cos(a) * r), y = shoulder.y + Round(std::sin(a) * r);
            if (c.Get(x, y).a == 0)
                c.Set(x, y, (r == 40 || r == 48) ? pal::Stone2.WithAlpha(160) : pal::White.WithAlpha(150));
        }
    }
}

// Things lying on the floor (the death), behind the cooks.
void OnFloor(Canvas& c, const CookPose& p)
{
    const BodyBox& b = Box();
    if (p.cleaverOnFloor)
        Cleaver(c, {Round(b.right) + 8, b.feetY - 12}, 0.f);
    if (p.hatOnFloor)
        Hat(c, {Round(b.right) + 26, b.feetY - 11}, 100.f, true);
    if (p.qHatOnFloor)
        Hat(c, {Round(b.left) - 30, b.feetY - 4}, -80.f, false);
}

// The cleaver's bite: chips and a flash where its edge meets the floor.
void Impact(Canvas& c, const CookPose& p)
{
    const float a = p.cleaverDeg * kPi / 180.f;
    const Point edge{Round(p.handFront.x + std::cos(a) * 24.f - std::sin(a) * 14.f),
                     Round(p.handFront.y + std::sin(a) * 24.f + std::cos(a) * 14.f)};
    const int len = 3 + 3 * p.impact;
    for (int i = 0; i < 5; ++i) {
        const float ang = kPi * (1.1f + 0.2f * i);
        const Point tip{edge.x + Round(std::cos(ang) * len), edge.y + Round(std::sin(ang) * len)};
        const Point from{edge.x + Round(std::cos(ang) * len / 3), edge.y + Round(std::sin(ang) * len / 3)};
        c.Line(from.x, from.y, tip.x, tip.y, i % 2 ? pal::Lantern1 : pal::White);
    }
    for (int i = 0; i < 3; ++i)
        c.FillRect(edge.x - 8 + i * 7, edge.y - 4 - p.impact * (2 + i % 2) - i, 2, 2, pal::Wood2);
}

void Effects(Canvas& c, const CookPose& p, const Frame& f)
{
    if (p.impact > 0)
        Impact(c, p);
    if (p.chiliFlying)
        Chili(c, p.chili, static_cast<float>(p.chili.x * 9 % 360));
    if (p.dust > 0)
        Dust(c, p.dust);
    for (int i = 0; i < p.sweat; ++i) {
        const int x = f.head.x - 12 - i * 5, y = f.head.y - 8 + i * 4;
        c.FillCircle(x, y, 2, pal::Ink);
        c.FillCircle(x, y, 1, pal::Sea2);
        c.Set(x, y - 2, pal::Sea2);
    }
    for (int i = 0; i < p.steam; ++i)
        Puff(c, f.head.x - 12 - i * 4, f.head.y - 2 - i * 7, 2 + i, pal::Foam, pal::Stone2);
    if (p.stars >= 0) {
        // Dizzy stars circling the head.
        const Point centre{f.head.x - 1, f.head.y - 4};
        for (int i = 0; i < 3; ++i) {
            const float a = (p.stars * 50.f + i * 120.f) * kPi / 180.f;
            const int x = centre.x + Round(std::cos(a) * 19.f), y = centre.y + Round(std::sin(a) * 6.f);
            c.FillRect(x - 2, y - 1, 5, 3, pal::Ink);
            c.FillRect(x - 1, y - 2, 3, 5, pal::Ink);
            c.FillRect(x - 1, y, 3, 1, pal::Lantern1);
            c.FillRect(x, y - 1, 1, 3, pal::Lantern1);
            c.Set(x, y, pal::White);
        }
    }
}

void FrontArm(Canvas& c, const CookPose& p, const Frame& f, Point hand, const Tones& skin)
{
    if (p.hold == GorshHold::Cleaver)
        Cleaver(c, hand, p.cleaverDeg);
    Arm(c, f.shoulderFront, hand, skin);
    if (p.hold == GorshHold::Chili)
        Chili(c, {hand.x + 2, hand.y - 3}, -30.f);
    if (p.smear)
        Smear(c, f.shoulderFront);
}

}  // namespace

Point MouthOf(const CookPose& pose)
{
    const Frame f = FrameOf(pose);
    return {f.head.x + 12, f.head.y + 6};
}

void DrawCooks(Canvas& c, const CookPose& p)
{
    const Frame f = FrameOf(p);
    const Tones skin = SkinOf(p.flush);
    Shadow(c, p);
    OnFloor(c, p);
    Arm(c, f.shoulderBack, Point(p.handBack), skin);
    if (p.pot == PotAt::Back)
        PotAndRider(c, p, f);
    else if (p.pot == PotAt::Held && !p.potInFront)
        DrawCauldron(c, p.potCentre.x, p.potCentre.y, p.potDeg, false);
    Legs(c, p, f);
    Belly(c, p, f);
    if (p.pot == PotAt::Back)
        Strap(c, f);
    // A hand raised above the shoulder goes up behind the big head.
    Point hand = p.handFront;
    Elbow(f.shoulderFront, hand, kUpperArm, kForearm);
    const bool raised = hand.y < f.shoulderFront.y - 8 && hand.x < f.head.x + 16;
    // On the shoulders Quillet sits behind the big head.
    if (p.quillet == QuilletAt::Shoulders)
        RiderOut(c, p, Add(Add(Rest().shoulderSeat, {f.head.x - Rest().head.x, f.head.y - Rest().head.y}), p.qShift));
    if (raised)
        FrontArm(c, p, f, hand, skin);
    Head(c, p, f);
    if (p.quillet == QuilletAt::Tumbling)
        RiderOut(c, p, Add(Rest().seat, p.qShift));
    if (p.pot == PotAt::Held && p.potInFront)
        DrawCauldron(c, p.potCentre.x, p.potCentre.y, p.potDeg, false);
    if (!raised)
        FrontArm(c, p, f, hand, skin);
    Effects(c, p, f);
}

}  // namespace boss_art
