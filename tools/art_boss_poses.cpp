// The poses of every right-facing row of the boss sheet, frame by frame.
// The frames where something happens in the game are taken from the boss
// table's timings (a throw, a blow, the fire lighting), so the picture and
// the attack happen together.
#include <algorithm>
#include <cmath>

#include "art_boss_kit.hpp"

namespace boss_art {

namespace {

float Ease(float t)
{
    t = std::clamp(t, 0.f, 1.f);
    return t * t * (3.f - 2.f * t);
}

Point Lerp(Point a, Point b, float t)
{
    return {Round(a.x + (b.x - a.x) * t), Round(a.y + (b.y - a.y) * t)};
}

Point Add(Point a, Point b) { return {a.x + b.x, a.y + b.y}; }

// The frame of a row in which a moment `seconds` into it falls.
int FrameAt(int row, float seconds)
{
    return static_cast<int>(seconds / BossRowOf(row).strip.frameTime);
}

// A hand's place relative to the big cook's front shoulder at rest.
Point Front(int dx, int dy) { return Add(Rest().shoulderFront, {dx, dy}); }
Point Back(int dx, int dy) { return Add(Rest().shoulderBack, {dx, dy}); }
// A place relative to the small cook's seat in the pot.
Point Seat(int dx, int dy) { return Add(Rest().seat, {dx, dy}); }

// ---- Walking ------------------------------------------------------------------------------------------------
// Two steps a cycle; the planted foot slides back at the walk's speed, so
// it stays put on the floor while the boss moves.
void Steps(CookPose& p, float phase, float amount, float stride, int lift)
{
    auto foot = [&](float ph) {
        ph -= std::floor(ph);
        if (ph < 0.5f)
            return Point{Round(amount * stride * (1.f - 4.f * ph)), 0};
        const float s = (ph - 0.5f) * 2.f;
        return Point{Round(amount * stride * (-1.f + 2.f * s)), -Round(amount * lift * std::sin(kPi * s))};
    };
    p.footFront = foot(phase);
    p.footBack = foot(phase + 0.5f);
}

CookPose Walk(int f)
{
    CookPose p = StandPose();
    p.eyes = Eyes::Angry;
    if (f == 0)
        return p;
    // Frames 1-6 lead from the stand into the cycle that loops from frame 7.
    const int loopStart = BossRowOf(BOSS_ROW_WALK_RIGHT).strip.loopStart;
    const int cycle = BossRowOf(BOSS_ROW_WALK_RIGHT).strip.frames - loopStart;
    const float amount = f >= loopStart ? 1.f : static_cast<float>(f) / loopStart;
    const float phase = static_cast<float>(f - loopStart + cycle) / cycle;
    // The slide per frame at the walk's speed, in cell pixels, over half a cycle.
    const float slide = kBossWalkSpeed * BossRowOf(BOSS_ROW_WALK_RIGHT).strip.frameTime / kBossScale;
    Steps(p, phase, amount, slide * cycle / 4.f, 5);
    const float w = 2.f * kPi * phase;
    p.body.y = -Round(amount * 2.f * std::fabs(std::sin(w)));
    p.squash = std::fabs(std::sin(w)) < 0.3f ? 1 : 0;
    p.lean = 1;
    p.headDy = Round(amount * std::sin(w * 2.f - 1.f));
    p.handFront = Add(p.handFront, {Round(-5.f * amount * std::cos(w)), Round(-amount * std::sin(w))});
    p.handBack = Add(p.handBack, {Round(5.f * amount * std::cos(w)), 0});
    p.cleaverDeg = 55.f + 10.f * amount * std::cos(w);
    p.qShift = {0, Round(1.5f * std::sin(w * 2.f - 1.5f))};
    p.qHoldDeg = -70.f + 18.f * std::sin(w);
    p.qHatDeg = 6.f * std::sin(w - 1.f);
    p.hatDeg = -3.f * std::sin(w);
    p.qMouth = std::sin(w) > 0.f ? Mouth::Grin : Mouth::Shut;
    return p;
}

// Without the pot, the small cook on the shoulders, hurrying to the cauldron
// in quick short steps (one a frame).
CookPose Fetch(int f)
{
    CookPose p = StandPose();
    p.pot = PotAt::Gone;
    p.quillet = QuilletAt::Shoulders;
    p.qHold = QuilletHold::None;
    p.qHandFront = Add(Rest().shoulderSeat, {16, -12});  // pointing at the cauldron
    p.qHandBack = Add(Rest().shoulderSeat, {-6, -2});
    p.eyes = Eyes::Wide;
    p.mouth = Mouth::Oh;
    p.qMouth = Mouth::Open;
    if (f == 0) {
        // Waiting while it rolls: hands on the hips.
        p.handFront = Front(4, 18);
        p.eyes = Eyes::Open;
        p.mouth = Mouth::Grin;
        return p;
    }
    const int loopStart = BossRowOf(BOSS_ROW_FETCH_RIGHT).strip.loopStart;
    const int cycle = BossRowOf(BOSS_ROW_FETCH_RIGHT).strip.frames - loopStart;
    const float amount = f >= loopStart ? 1.f : static_cast<float>(f) / loopStart;
    const bool odd = (f % 2) == 1;
    const int stride = Round(4.f * amount);
    p.footFront = {odd ? stride : -stride, odd ? 0 : -Round(3 * amount)};
    p.footBack = {odd ? -stride : stride, odd ? -Round(3 * amount) : 0};
    p.body.y = odd ? -1 : 0;
    p.lean = 3;
    const float w = 2.f * kPi * static_cast<float>(f - loopStart) / cycle;
    // Arms pumping, the cleaver waving, sweat flying.
    p.handFront = Front(10 + (odd ? 4 : -2), 14 + Round(3.f * std::sin(w)));
    p.handBack = Back(odd ? -10 : 2, 18);
    p.cleaverDeg = odd ? 60.f : 95.f;
    p.sweat = f >= loopStart ? 1 + (f % 3 == 0) : 0;
    p.qShift = {0, odd ? -2 : 0};
    p.qHatDeg = odd ? -10.f : 4.f;
    p.hatDeg = odd ? 3.f : -2.f;
    return p;
}

// ---- The cleaver ---------------------------------------------------------------------------------------------
CookPose Melee(int f)
{
    CookPose p = StandPose();
    p.eyes = Eyes::Angry;
    const int blow = FrameAt(BOSS_ROW_MELEE_RIGHT, boss_melee::kTime - boss_melee::kLiveAt);  // frame 26-27
    const Point overhead = Front(-10, -25), behind = Front(-20, -17), bite = Front(30, 36);
    if (f < 9) {  // raise the cleaver overhead
        const float t = Ease(f / 8.f);
        p.handFront = Lerp(p.handFront, overhead, t);
        p.cleaverDeg = 55.f + (-120.f - 55.f) * t;
        p.lean = Round(-3.f * t);
        p.qMouth = Mouth::Open;
    } else if (f < blow - 6) {  // menace: hold it up, trembling
        p.handFront = Add(overhead, {0, (f % 2) ? -1 : 0});
        p.cleaverDeg = -120.f + ((f % 4) < 2 ? 3.f : -3.f);
        p.lean = -3;
        p.body.y = -1;
        p.qHold = QuilletHold::Ladle;
        p.qHandFront = Seat((f % 4) < 2 ? 12 : 14, (f % 4) < 2 ? -22 : -18);
        p.qHoldDeg = (f % 4) < 2 ? -100.f : -50.f;
        p.qMouth = (f % 4) < 2 ? Mouth::Open : Mouth::Grin;
    } else if (f < blow) {  // the wind-up: further back, up on the back foot
        const float t = Ease((f - (blow - 6)) / 5.f);
        p.handFront = Lerp(overhead, behind, t);
        p.cleaverDeg = -120.f - 45.f * t;
        p.lean = -3 - Round(4.f * t);
        p.squash = -1;
        p.footFront = {2, -Round(5.f * t)};
        p.mouth = Mouth::Shut;
        p.qEyes = Eyes::Wide;
        p.qMouth = Mouth::Oh;
    } else if (f < blow + 3) {  // the blow: the blade bites the floor in front
        p.handFront = bite;
        p.cleaverDeg = 15.f;
        p.lean = 7;
        p.squash = 2;
        p.body = {2, 2};
        p.footFront = {5, 0};
        p.mouth = Mouth::Open;
        p.impact = 3 - (f - blow);
        p.smear = f == blow;
        p.dust = f == blow ? 2 : 3;
        p.qShift = {2, f == blow ? 2 : -2};
        p.qHatShift = {0, f == blow ? -3 : -1};
        p.qEyes = Eyes::Wide;
        p.hatShift = {1, f == blow ? -2 : 0};
    } else {  // stuck: tugging at it
        const int k = f - (blow + 3);
        const bool pull = (k / 2) % 2 == 0;
        p.handFront = Add(bite, {pull ? -1 : 0, pull ? -1 : 0});
        p.cleaverDeg = pull ? 11.f : 16.f;
        p.lean = pull ? 2 : 5;
        p.squash = 1;
        p.body = {pull ? 0 : 2, 1};
        p.footFront = {5, 0};
        p.eyes = Eyes::Squint;
        p.sweat = k > 6 ? 1 + (k % 2) : 0;
        p.qMouth = (k % 3) == 0 ? Mouth::Open : Mouth::Grin;
        p.qEyes = Eyes::Closed;
        p.qHandFront = Seat(10, (k % 2) ? -20 : -16);  // laughing, waving the ladle
        p.qHoldDeg = (k % 2) ? -95.f : -60.f;
    }
    return p;
}

// Pulled free, then back to the stand.
CookPose MeleeHold(int f)
{
    CookPose p = StandPose();
    p.eyes = Eyes::Angry;
    const Point bite = Front(30, 36), up = Front(20, 10);
    if (f < 3) {
        const float t = (f + 1) / 3.f;
        p.handFront = Lerp(bite, up, t);
        p.cleaverDeg = 15.f - 60.f * t;
        p.lean = 5 - Round(6.f * t);
        p.body.y = -Round(2.f * t);
        p.footFront = {5, 0};
        if (f == 0)
            p.dust = 1;
    } else {
        const float t = Ease((f - 2) / 5.f);
        p.handFront = Lerp(up, StandPose().handFront, t);
        p.cleaverDeg = -45.f + 100.f * t;
        p.lean = -1 + Round(t);
        p.footFront = {Round(5.f * (1.f - t)), 0};
    }
    return p;
}

// ---- The jump and the belly-flop ---------------------------------------------------------------------------------
CookPose Jump(int f)
{
    CookPose p = StandPose();
    p.eyes = Eyes::Angry;
    p.mouth = Mouth::Grin;
    p.qHandFront = Seat(10, -4);  // holding on to the rim
    p.qHandBack = Seat(-12, -2);
    p.qHold = QuilletHold::None;
    p.qEyes = Eyes::Wide;
    p.qMouth = Mouth::Oh;
    const int spring = FrameAt(BOSS_ROW_JUMP_RIGHT, boss_wave::kJumpDelay);  // 7
    if (f < spring) {  // crouching, arms swung back
        const float t = Ease(static_cast<float>(f + 1) / spring);
        p.squash = Round(5.f * t);
        p.body.y = Round(5.f * t);
        p.handFront = Lerp(p.handFront, Front(-6, 22), t);
        p.cleaverDeg = 55.f + 60.f * t;
        p.footFront = {Round(2.f * t), 0};
        p.footBack = {-Round(2.f * t), 0};
        if (f == spring - 1)
            p.qShift = {0, 2};
        return p;
    }
    p.airborne = true;
    if (f == spring) {  // the spring: stretched, arms flung up
        p.squash = -3;
        p.body.y = -6;
        p.handFront = Front(10, -26);
        p.handBack = Back(-4, -26);
        p.cleaverDeg = -70.f;
        p.footFront = {2, -2};
        p.footBack = {-2, -1};
        p.qShift = {0, 3};
        p.hatShift = {0, -2};
        p.dust = 2;
        return p;
    }
    // Rising, legs tucked, arms and hats flapping.
    const int k = f - spring - 1;
    p.squash = 1;
    p.body.y = -4;
    p.footFront = {4, -10};
    p.footBack = {-3, -9};
    p.handFront = Front(12, -20 + k * 3);
    p.handBack = Back(-6, -18 - k * 3);
    p.cleaverDeg = -60.f + k * 15.f;
    p.hatShift = {0, -2 - (k % 2)};
    p.qHatShift = {-1, -2 - k};
    p.qHatDeg = -10.f * k;
    p.mouth = Mouth::Open;
    return p;
}

CookPose Fall(int f)
{
    CookPose p = StandPose();
    p.airborne = true;
    p.eyes = Eyes::Wide;
    p.mouth = Mouth::Open;
    p.qEyes = Eyes::Wide;
    p.qMouth = Mouth::Open;
    p.qHold = QuilletHold::None;
    p.footFront = {3, -3};
    p.footBack = {-2, -2};
    if (f < 2) {  // over the top: the belly turns down
        p.lean = 3 + 2 * f;
        p.body.y = -3 + f;
        p.handFront = Front(-2 + f * 2, -26);
        p.handBack = Back(-8, -22);
        p.cleaverDeg = -80.f + 20.f * f;
        p.qHandFront = Seat(6, -30);  // a hand on the hat
        p.qHandBack = Seat(-12, -4);
        return p;
    }
    // Coming down: arms flailing, hats lifted by the wind.
    const int k = (f - 2) % 4;
    const int flap = (k == 0 || k == 3) ? -4 : 4;
    p.lean = 6;
    p.body.y = -1;
    p.handFront = Front(2 + flap, -25 + flap / 2);
    p.handBack = Back(-10, -20 - flap);
    p.cleaverDeg = -60.f + flap * 6.f;
    p.hatShift = {0, -2 - (k % 2)};
    p.hatDeg = k < 2 ? -6.f : 3.f;
    p.qHandFront = Seat(6, -30 - (k % 2));
    p.qHandBack = Seat(-14 + (k % 2) * 2, -10);
    p.qHatShift = {0, -3 - (k % 2) * 2};
    p.qHatDeg = k < 2 ? 8.f : -6.f;
    p.footFront = {3, -3 + (k % 2)};
    return p;
}

CookPose Land(int f)
{
    CookPose p = StandPose();
    p.eyes = Eyes::Closed;
    p.mouth = Mouth::Open;
    p.qHold = QuilletHold::None;
    p.footBack = {-6, 0};
    p.footFront = {6, 0};
    p.handFront = Front(16, 30);
    p.handBack = Back(-14, 30);
    p.cleaverDeg = 40.f;
    // The flop and its bounces, then a wobble that loops while the waves run.
    static constexpr int kSquash[] = {8, 4, 6, 3, 5, 4, 5, 4, 3, 4};
    static constexpr int kDust[] = {4, 7, 8, 6, 4, 2, 1, 2, 1, 2};
    static constexpr int kRider[] = {-7, -10, -3, -5, 0, -1, 1, 0, -1, 0};
    p.squash = kSquash[f];
    p.body.y = kSquash[f] + 2;
    p.dust = kDust[f];
    p.qShift = {0, kRider[f]};
    p.qHatShift = {0, std::min(0, kRider[f] - 2)};
    p.qEyes = f < 5 ? Eyes::Wide : Eyes::Squint;
    p.qMouth = f < 5 ? Mouth::Oh : Mouth::Grin;
    p.qHandFront = Seat(12, -6 + kRider[f] / 2);
    p.qHandBack = Seat(-12, -4);
    p.hatShift = {0, f == 0 ? -3 : 0};
    if (f >= 5) {  // dazed
        p.eyes = Eyes::Squint;
        p.mouth = Mouth::Grin;
        p.stars = f;
    }
    return p;
}

CookPose GetUp(int f)
{
    CookPose p = StandPose();
    static constexpr int kSquash[] = {3, 1, 0};
    p.squash = kSquash[f];
    p.body.y = f == 2 ? -1 : kSquash[f];
    p.handFront = f == 0 ? Front(14, 28) : Lerp(Front(14, 28), StandPose().handFront, f / 2.f);
    p.cleaverDeg = 40.f + 7.f * f;
    p.footBack = {-6 + 3 * f, 0};
    p.footFront = {6 - 3 * f, 0};
    p.eyes = f == 0 ? Eyes::Squint : Eyes::Angry;
    p.sweat = f == 1 ? 2 : 0;
    return p;
}

// ---- The cauldron throw ------------------------------------------------------------------------------------------------
// Where the pot goes: off the back, round to the front, back for the
// swing, and down along the floor to where the game sends it off.
void SwingPot(CookPose& p, int f, int release)
{
    const Rig& r = Rest();
    const Point potRest = r.pot;
    const Point low{r.pot.x - 4, r.pot.y + 16};
    const Point front{r.belly.x + 26, r.belly.y - 4};
    const Point wound{r.pot.x - 10, r.pot.y + 18};
    const Point letGo = CauldronLetGo();
    Point pot;
    if (f < 15) {
        pot = Lerp(Add(potRest, {0, -4}), low, Ease((f - 11) / 3.f));
        p.lean = -2;
    } else if (f < 21) {
        const float t = Ease((f - 14) / 6.f);
        pot = Lerp(low, front, t);
        p.potInFront = t > 0.3f;
        p.lean = Round(-2.f + 4.f * t);
        p.potDeg = 20.f * t;
    } else if (f < release - 2) {
        const float t = Ease((f - 21) / static_cast<float>(release - 24));
        pot = Lerp(front, wound, t);
        p.potInFront = t < 0.5f;
        p.lean = 2 - Round(6.f * t);
        p.footFront = {0, -Round(4.f * t)};
        p.potDeg = 20.f - 40.f * t;
        p.mouth = Mouth::Shut;
        p.eyes = Eyes::Squint;
    } else if (f < release) {
        const float t = (f - (release - 3)) / 2.f;
        pot = Lerp(Add(wound, {30, 8}), letGo, t);
        p.potInFront = true;
        p.lean = 2 + Round(3.f * t);
        p.footFront = {Round(4.f * t), 0};
        p.potDeg = 40.f * t;
        p.mouth = Mouth::Open;
    }
    p.potCentre = pot;
    p.handFront = Add(pot, {kPotRadius - 2, -2});
    p.handBack = Add(pot, {-kPotRadius + 4, -8});
}

// Let go: the arms follow it, then the big one straightens.
void FollowThrough(CookPose& p, int f, int release)
{
    const Rig& r = Rest();
    const Point letGo = CauldronLetGo();
    p.pot = PotAt::Gone;
    const int last = BossRowOf(BOSS_ROW_CAULDRON_RIGHT).strip.frames - 1;
    const float t = Ease((f - release) / static_cast<float>(last - release));
    p.handFront = Lerp(Add(letGo, {14, -8}), Front(6, 18), t);
    p.handBack = Lerp(Add(letGo, {-2, -14}), StandPose().handBack, t);
    p.lean = 5 - Round(5.f * t);
    p.footFront = {4, 0};
    p.mouth = t < 0.5f ? Mouth::Open : Mouth::Grin;
    p.qHandFront = Add(r.shoulderSeat, {16, -12});
    p.qMouth = Mouth::Open;
}

// Quillet climbs onto the shoulders, Gorsh unhooks the pot, swings it round
// and bowls it along the floor, letting go as the game sends it off.
CookPose Cauldron(int f)
{
    CookPose p = StandPose();
    p.eyes = Eyes::Angry;
    const int release = FrameAt(BOSS_ROW_CAULDRON_RIGHT, boss_cauldron::kThrowDelay);  // 27
    const Rig& r = Rest();
    if (f < 3) {  // Quillet stands up in the pot
        p.qShift = {0, -3 * (f + 1)};
        p.qHold = QuilletHold::None;
        p.qHandFront = Seat(8, -14 - 3 * f);
        p.qHandBack = Seat(-8, -10);
        return p;
    }
    p.quillet = QuilletAt::Shoulders;
    p.qHold = QuilletHold::None;
    const Point hop[] = {{-16, -8}, {-7, -6}, {0, -1}};
    if (f < 6)
        p.qShift = hop[f - 3];
    p.qHandFront = Add(r.shoulderSeat, {12, -4});
    p.qHandBack = Add(r.shoulderSeat, {-8, -2});
    p.qMouth = Mouth::Open;
    if (f < 6)
        return p;
    // Reaching back for the pot.
    const Point potRest = r.pot;
    if (f < 11) {
        const float t = Ease((f - 5) / 5.f);
        p.handFront = Lerp(p.handFront, Add(potRest, {20, -8}), t);
        p.handBack = Lerp(p.handBack, Add(potRest, {-4, -16}), t);
        p.hold = GorshHold::None;
        p.lean = -Round(2.f * t);
        p.eyes = Eyes::Open;
        return p;
    }
    p.hold = GorshHold::None;
    if (f < release) {
        p.pot = PotAt::Held;
        SwingPot(p, f, release);
    } else {
        FollowThrough(p, f, release);
    }
    return p;
}

// ---- The fire breath -----------------------------------------------------------------------------------------------------
// The pepper: fished out of the pot, tossed, caught and chewed.
CookPose FirePepper(int f)
{
    CookPose p = StandPose();
    if (f < 6) {  // Quillet fishes a pepper out of the pot
        p.qHold = QuilletHold::Chili;
        p.qHoldDeg = -60.f;
        p.qHandFront = Lerp(Seat(6, 6), Seat(10, -22), Ease(f / 5.f));
        p.qShift = {0, f < 2 ? 3 : 0};
        p.eyes = Eyes::Open;
        p.qMouth = Mouth::Grin;
        return p;
    }
    if (f < 10) {  // tossed over to the big one, who opens wide
        p.qHold = QuilletHold::None;
        p.qHandFront = Seat(14, -18);
        const Point from = Seat(12, -26), to = MouthOf(p);
        const float t = (f - 5) / 4.f;
        p.chiliFlying = f < 9;
        p.chili = Add(Lerp(from, to, t), {0, -Round(10.f * std::sin(kPi * t))});
        p.mouth = Mouth::Open;
        p.eyes = Eyes::Wide;
        return p;
    }
    p.qHold = QuilletHold::None;
    // Chewing.
    p.mouth = (f % 2) ? Mouth::Chew : Mouth::Shut;
    p.eyes = (f % 3 == 0) ? Eyes::Closed : Eyes::Open;
    p.headDy = (f % 2) ? 1 : 0;
    return p;
}

// A hot pepper from the pot, tossed into Gorsh's mouth; he chews, reddens,
// steams, draws a breath and lets the fire out as the game lights it.
CookPose Fire(int f)
{
    CookPose p = StandPose();
    const int lit = FrameAt(BOSS_ROW_FIRE_RIGHT, boss_fire::kDelay - boss_fire::kLightAt);  // 34
    if (f < 16)
        return FirePepper(f);
    p.qHold = QuilletHold::None;
    if (f < 23) {  // it burns
        p.flush = 1;
        p.eyes = Eyes::Wide;
        p.mouth = Mouth::Shut;
        p.sweat = 1 + (f % 2);
        p.steam = f >= 19 ? 1 : 0;
        p.qEyes = Eyes::Wide;
        p.qMouth = Mouth::Oh;
        return p;
    }
    p.flush = 2;
    if (f < 29) {  // red as a lobster, shaking; Quillet covers his ears
        p.body.x = (f % 2) ? 1 : -1;
        p.eyes = Eyes::Squint;
        p.steam = 2 + (f % 2);
        p.qHandFront = Seat(8, -20);
        p.qHandBack = Seat(-4, -22);
        p.qEyes = Eyes::Closed;
        p.qShift = {0, 2};
        return p;
    }
    if (f < lit) {  // the breath in
        const float t = Ease((f - 28) / static_cast<float>(lit - 29));
        p.lean = -Round(5.f * t);
        p.squash = -Round(2.f * t);
        p.headDy = -Round(2.f * t);
        p.handFront = Add(p.handFront, {-Round(4.f * t), -Round(6.f * t)});
        p.steam = 3;
        p.eyes = Eyes::Closed;
        p.qHandFront = Seat(8, -20);
        p.qHandBack = Seat(-4, -22);
        p.qEyes = Eyes::Closed;
        p.qShift = {0, 3};
        return p;
    }
    // The breath out: the last frame holds while the fire burns.
    p.lean = 5;
    p.headDy = 2;
    p.body.x = (f % 2) ? 1 : 0;  // rumbling with it
    p.mouth = Mouth::Roar;
    p.eyes = Eyes::Angry;
    p.handFront = Add(p.handFront, {2, 2 - (f % 2)});
    p.qHandFront = Seat(8, -20);
    p.qHandBack = Seat(-4, -22);
    p.qEyes = Eyes::Squint;
    p.qShift = {-1, 2};
    p.qHatDeg = (f % 2) ? -8.f : -14.f;
    return p;
}

// ---- The carrot launch -----------------------------------------------------------------------------------------------------
CookPose Carrots(int f)
{
    CookPose p = StandPose();
    const int last = BossRowOf(BOSS_ROW_CARROTS_RIGHT).strip.frames - 1;
    if (f < 4) {  // Quillet dives into the pot
        p.qShift = {0, 4 + 4 * f};
        p.qHold = QuilletHold::None;
        p.qHandFront = Seat(6, 2);
        p.eyes = Eyes::Open;
        p.lean = -1;
        return p;
    }
    p.qHold = QuilletHold::Carrot;
    p.qHoldDeg = 0.f;
    if (f < 7) {  // and comes up hauling a giant carrot
        const float t = Ease((f - 3) / 3.f);
        p.qShift = {0, Round(14.f * (1.f - t))};
        p.qHandFront = Seat(10, Round(-4.f - 16.f * t));
        p.qHandBack = Seat(2, Round(-2.f - 14.f * t));
        p.qMouth = Mouth::Open;
        p.eyes = Eyes::Wide;
        return p;
    }
    // Hoisted overhead; its leaves fizz like a fuse, harder and harder.
    const float t = Ease((f - 6) / static_cast<float>(last - 6));
    p.qShift = {(f > 14 && f % 2) ? 1 : 0, -Round(2.f * t)};
    p.qHandFront = Seat(17, -22 - Round(4.f * t));
    p.qHandBack = Seat(11, -20 - Round(4.f * t));
    p.sparks = f >= 7 ? f : -1;
    p.qEyes = f > 14 ? Eyes::Squint : Eyes::Open;
    p.qMouth = Mouth::Grin;
    p.eyes = f > 12 ? Eyes::Squint : Eyes::Open;
    p.mouth = f > 12 ? Mouth::Grin : Mouth::Oh;
    if (f > 12) {  // the big one leans away from the fizzing
        p.lean = 2;
        p.body.x = (f % 2) ? 1 : 0;
        p.sweat = f > 16 ? 1 : 0;
    }
    if (f == last) {  // thrust up as it goes
        p.qHandFront = Seat(17, -32);
        p.qHandBack = Seat(12, -30);
        p.qShift = {0, -4};
        p.qMouth = Mouth::Open;
    }
    return p;
}

// ---- The food -------------------------------------------------------------------------------------------------------------
// Quillet rummages in the pot and lobs four pieces of food, one every
// throw interval, letting go in the frames the game throws them.
CookPose Food(int f)
{
    CookPose p = StandPose();
    p.qHold = QuilletHold::None;
    const int first = FrameAt(BOSS_ROW_FOOD_RIGHT, boss_food::kFirstThrow) + 1;  // hand empty from here
    const int every = FrameAt(BOSS_ROW_FOOD_RIGHT, boss_food::kBetween) + 1;     // 4 frames a throw
    const int gone = first + every * (boss_food::kCount - 1);
    p.eyes = Eyes::Squint;
    p.mouth = Mouth::Grin;
    if (f < 4) {  // rummaging
        static constexpr int kDip[] = {4, 9, 12, 9};
        p.qShift = {f % 2 ? 1 : -1, kDip[f]};
        p.qHandFront = Seat(4, 4);
        return p;
    }
    if (f < first - 2) {  // up with the first, winding up, taunting
        const float t = Ease((f - 4) / static_cast<float>(first - 7));
        p.qShift = {-Round(2.f * t), f < 6 ? 4 - 2 * (f - 4) : 0};
        p.qHold = QuilletHold::Food;
        p.qFood = 0;
        p.qHandFront = Lerp(Seat(10, -20), Seat(-4, -26), t);
        p.qMouth = (f % 4 < 2) ? Mouth::Grin : Mouth::Open;
        p.squash = f % 2;
        return p;
    }
    if (f < gone + 1) {
        const int k = (f - (first - 2)) / every, phase = (f - (first - 2)) % every;
        p.qFood = k;
        p.qMouth = Mouth::Open;
        p.squash = f % 2;
        switch (phase) {
        case 0:  // back, with the food
            p.qHold = QuilletHold::Food;
            p.qHandFront = Seat(-4, -26);
            p.qShift = {-2, 0};
            break;
        case 1:  // over the top
            p.qHold = QuilletHold::Food;
            p.qHandFront = Seat(8, -30);
            break;
        case 2:  // let go: the arm follows through, empty
            p.qHandFront = Seat(16, -14);
            p.qShift = {2, 0};
            break;
        default:  // into the pot for the next
            p.qHandFront = Seat(4, 4);
            p.qShift = {0, 3};
            break;
        }
        return p;
    }
    // All thrown: a belly laugh from both.
    const int k = f - gone;
    p.qHandFront = Seat(10, (k % 2) ? -14 : -18);
    p.qHandBack = Seat(-8, (k % 2) ? -16 : -12);
    p.qMouth = Mouth::Open;
    p.qEyes = Eyes::Closed;
    p.qShift = {0, (k % 2) ? -1 : 0};
    p.mouth = (k % 2) ? Mouth::Open : Mouth::Grin;
    p.eyes = Eyes::Closed;
    p.squash = (k % 3 == 0) ? 2 : 1;
    p.body.y = (k % 2) ? 1 : 0;
    p.handBack = Back(-6, 20 - (k % 2) * 2);
    return p;
}

CookPose FoodHold(int f)
{
    CookPose p = StandPose();
    p.eyes = f == 0 ? Eyes::Closed : Eyes::Angry;
    p.mouth = f == 0 ? Mouth::Open : Mouth::Grin;
    p.qHold = f < 2 ? QuilletHold::None : QuilletHold::Ladle;
    p.qMouth = f == 0 ? Mouth::Open : Mouth::Grin;
    p.squash = f == 0 ? 1 : 0;
    p.qShift = {0, f == 1 ? 2 : 0};
    if (f == 2)
        p.qHandFront = Seat(10, -6);
    return p;
}

// ---- Death -------------------------------------------------------------------------------------------------------------------
// Quillet thrown out backwards; Gorsh totters and sits down hard.
void DeathDown(CookPose& p, int f)
{
    p.hold = GorshHold::None;
    p.cleaverOnFloor = true;
    p.quillet = QuilletAt::Tumbling;
    p.qHatOnFloor = f >= 11;
    p.qHat = false;
    // Quillet flies out backwards and lands behind.
    static constexpr Point kTumble[] = {{-6, -22}, {-14, -24}, {-22, -14}, {-28, 6}, {-31, 34}, {-32, 62}};
    const int q = std::min(f - 8, 5);
    p.qShift = kTumble[q];
    p.qHandFront = Add(Seat(0, 0), Add(kTumble[q], {q % 2 ? 10 : 4, q % 2 ? -10 : 6}));
    p.qHandBack = Add(Seat(0, 0), Add(kTumble[q], {q % 2 ? -10 : -6, q % 2 ? 4 : -10}));
    if (f >= 14) {
        p.qEyes = Eyes::Dead;
        p.qMouth = Mouth::Open;
        p.qHandFront = Add(Seat(0, 0), Add(kTumble[5], {10, 4}));
        p.qHandBack = Add(Seat(0, 0), Add(kTumble[5], {-10, 2}));
    }
    if (f < 13) {  // tottering
        const int k = f - 8;
        p.lean = -6 + (k % 2) * 2;
        p.body = {-3, 1};
        p.handFront = Front(12, (k % 2) ? -20 : -12);
        p.handBack = Back(-12, (k % 2) ? -12 : -20);
        p.footFront = {(k % 2) ? 3 : -2, (k % 2) ? -3 : 0};
        p.hatDeg = -25.f;
        p.hatShift = {-4, -2};
        p.eyes = Eyes::Wide;
        return;
    }
    // Down on his backside.
    static constexpr int kSink[] = {8, 14, 12, 14, 15, 15};
    const int k = std::min(f - 13, 5);
    p.sitting = true;
    p.body = {-2, kSink[k]};
    p.squash = 3;
    p.lean = -2 + std::min(f - 13, 8);
    p.headDy = std::min(f - 13, 6);
    p.handFront = Front(10 + k, 30 + kSink[k] / 2);
    p.handBack = Back(-14, 30 + kSink[k] / 2);
    p.eyes = f >= 15 ? Eyes::Dead : Eyes::Wide;
    p.mouth = Mouth::Open;
    p.dust = f < 16 ? 4 - (f - 13) : 0;
    p.hat = f < 15;
    p.hatOnFloor = f >= 15;
    p.hatDeg = -35.f;
    p.hatShift = {-6, -4};
    if (f >= 17)
        p.stars = f;
}

// Struck, staggering, the small cook thrown out of the pot; the big one sits
// down hard and slumps, hats on the floor. The last frame stays.
CookPose Death(int f)
{
    CookPose p = StandPose();
    p.eyes = Eyes::Wide;
    p.mouth = Mouth::Oh;
    p.qEyes = Eyes::Wide;
    p.qMouth = Mouth::Oh;
    p.qHold = QuilletHold::None;
    if (f < 3) {  // struck
        p.lean = -3 - f;
        p.body.x = -f;
        p.handFront = Front(18, -6 - 4 * f);
        p.handBack = Back(-10, -10);
        p.cleaverDeg = -40.f - 20.f * f;
        p.hatShift = {-f, -f};
        p.hatDeg = -8.f * f;
        p.qShift = {0, -2 * f};
        p.qHandFront = Seat(8, -22);
        p.qHandBack = Seat(-10, -20);
        return p;
    }
    if (f < 8) {  // staggering back, the cleaver dropped
        const int k = f - 3;
        p.lean = -5 + (k % 2) * 3;
        p.body = {-3 + (k % 2), (k % 2)};
        p.footFront = {(k % 2) ? -4 : 2, (k % 2) ? 0 : -4};
        p.footBack = {(k % 2) ? -2 : -6, (k % 2) ? -3 : 0};
        p.hold = GorshHold::None;
        p.cleaverOnFloor = true;
        p.handFront = Front(16, (k % 2) ? -16 : -8);
        p.handBack = Back(-14, (k % 2) ? -8 : -16);
        p.hatDeg = -20.f;
        p.hatShift = {-3, -2};
        p.qShift = {(k % 2) - 2, -6 - k};
        p.qHandFront = Seat(10, -28);
        p.qHandBack = Seat(-12, -26);
        p.sweat = 2;
        return p;
    }
    DeathDown(p, f);
    return p;
}

}  // namespace

CookPose PoseFor(int row, int frame)
{
    switch (row) {
    case BOSS_ROW_WALK_RIGHT: return Walk(frame);
    case BOSS_ROW_MELEE_RIGHT: return Melee(frame);
    case BOSS_ROW_MELEE_HOLD_RIGHT: return MeleeHold(frame);
    case BOSS_ROW_JUMP_RIGHT: return Jump(frame);
    case BOSS_ROW_FALL_RIGHT: return Fall(frame);
    case BOSS_ROW_LAND_RIGHT: return Land(frame);
    case BOSS_ROW_GET_UP_RIGHT: return GetUp(frame);
    case BOSS_ROW_CAULDRON_RIGHT: return Cauldron(frame);
    case BOSS_ROW_FIRE_RIGHT: return Fire(frame);
    case BOSS_ROW_CARROTS_RIGHT: return Carrots(frame);
    case BOSS_ROW_FOOD_RIGHT: return Food(frame);
    case BOSS_ROW_FOOD_HOLD_RIGHT: return FoodHold(frame);
    case BOSS_ROW_FETCH_RIGHT: return Fetch(frame);
    case BOSS_ROW_DEATH_RIGHT: return Death(frame);
    default: return StandPose();
    }
}

}  // namespace boss_art
