// The boss's drawing kit: where the cooks stand in a cell of their sheet
// (worked out from the boss table and the manifest), their colours, the pose
// every frame is drawn from, and the shaded, outlined shapes they are made of.
//
// Every frame is drawn facing right and mirrored for the left row, so the
// two sides are exact mirror images. The sprite's origin is its cell's
// centre and its body box hangs kBossHitboxOffsetY below it, so in a cell of
// the sheet the box covers
//   x: cellWidth / 2 - originX / scale .. + width / scale        (141 .. 207)
//   y: cellHeight / 2 + (offsetY - originY) / scale .. + height / scale  (69.5 .. 165.8)
// and the feet stand on its bottom row (165): the boss rests with the box's
// bottom on the ground line.
#pragma once

#include <cmath>
#include <functional>

#include "art.hpp"
#include "boss/boss_table.hpp"

namespace boss_art {

using paint::Canvas;
using paint::Point;
using paint::Rgba;
namespace pal = paint::pal;

inline int Round(float v) { return static_cast<int>(std::lround(v)); }
inline constexpr float kPi = 3.14159265f;

// ---- Where things are in a cell -----------------------------------------------------
struct BodyBox {
    int cellWidth = 0, cellHeight = 0;
    float left = 0.f, right = 0.f, top = 0.f, bottom = 0.f;  // the body box, cell pixels
    int feetY = 0;    // last row of the feet
    int centreX = 0;  // the box's middle column (its left half's last)
};
// The boss sheet's body box, from the table and the manifest's cell size.
const BodyBox& Box();

// Cell pixel (x, y) of a sprite drawn at scale with its origin at its cell's
// centre, for a world point relative to the sprite's position.
struct CellMap {
    float centreX, centreY, scale;
    float X(float worldDx) const { return centreX + worldDx / scale; }
    float Y(float worldDy) const { return centreY + worldDy / scale; }
};

// ---- Colours: three tones per material, lit from the top left ----------------------------
struct Tones {
    Rgba dark, mid, light;
};
inline constexpr Tones kOgreSkin{pal::Kelp1, pal::Kelp2, {176, 206, 112}};
inline constexpr Tones kGoblinSkin{pal::Sand0, pal::Sand1, pal::Sand2};
inline constexpr Tones kJacket{pal::Sand1, pal::Bone, pal::White};
inline constexpr Tones kApron{pal::Rust0, pal::Rust1, pal::Coral};
inline constexpr Tones kTrousers{pal::Stone0, pal::Stone1, pal::Stone2};
inline constexpr Tones kBoot{pal::Ink, pal::Wood0, pal::Wood1};
inline constexpr Tones kIron{pal::Ink, pal::Stone0, pal::Stone1};
inline constexpr Tones kSteel{pal::Stone1, pal::Stone2, pal::White};
inline constexpr Tones kWood{pal::Wood0, pal::Wood1, pal::Wood2};
inline constexpr Tones kCarrot{pal::Rust1, pal::Coral, pal::CoralLight};
inline constexpr Tones kLeaf{pal::Kelp0, pal::Kelp1, pal::Kelp2};
inline constexpr Tones kFlame{pal::Rust1, pal::Lantern0, pal::Lantern1};
inline constexpr Rgba kShadow{22, 16, 30, 90};

// ---- Shapes ----------------------------------------------------------------------------------
// Calls fn(x, y, nx, ny) for every pixel of the ellipse, with (nx, ny) the
// pixel's place in it (-1..1 each way).
void ForEllipse(int cx, int cy, int rx, int ry, const std::function<void(int, int, float, float)>& fn);
// The tone of a point of a rounded surface lit from the top left.
Rgba ToneAt(const Tones& t, float nx, float ny);
// An outlined, shaded ellipse.
void Ball(Canvas& c, int cx, int cy, int rx, int ry, const Tones& t);
// An outlined limb: a thick segment with a lit top edge.
void Limb(Canvas& c, Point a, Point b, int thickness, const Tones& t);
// An outlined polygon of one colour (the outline drawn by stamping it in ink
// one pixel each way first).
void InkedPolygon(Canvas& c, std::span<const Point> points, Rgba fill);
// Points rotated by degrees about (cx, cy).
Point Rotate(float x, float y, float cx, float cy, float degrees);

// ---- Props shared by the cooks and the attack pictures -----------------------------------
// The cauldron: a round-bottomed iron pot, mouth up at angle 0, turned
// clockwise by degrees; soup shows in its mouth. Something sitting in the
// upright pot is drawn after it, clipped by HiddenByPot, and the lip in
// front of the mouth over it (DrawCauldronLip).
inline constexpr int kPotRadius = 24;
// The thrown cauldron's cell: the floor's row in it (the game puts it on the
// ground line) and the pot's centre, over the middle of its hitbox.
struct CauldronCell {
    int width = 0, height = 0;
    float floorY = 0.f;
    Point body{};
};
const CauldronCell& ThrownCauldron();
// Where the pot's centre is in a boss cell as it leaves the hands: the game
// sends it off from the box's front edge, on the floor.
Point CauldronLetGo();
void DrawCauldron(Canvas& c, int cx, int cy, float degrees, bool soup);
void DrawCauldronLip(Canvas& c, int cx, int cy);
// Whether (x, y) is hidden by the upright pot's body in front of its mouth.
bool HiddenByPot(int cx, int cy, int x, int y);
// A food (kind 0..3) centred at (cx, cy); the game turns it in flight.
void DrawFood(Canvas& c, int kind, int cx, int cy);
inline constexpr int kFoodSize = 32;  // the food pictures' canvas, the manifest's
// A carrot from its tip to its top, width at the top; leaves beyond the top.
// spin shifts its grooves along it (a turning carrot).
void DrawCarrot(Canvas& c, Point tip, Point top, int width, int leafSway, int spin);
// A small puff of dust or smoke.
void Puff(Canvas& c, int cx, int cy, int r, Rgba fill, Rgba shade);
// A flame tongue from its base up to its tip.
void Flame(Canvas& c, Point base, Point tip, int width);

// ---- The cooks ---------------------------------------------------------------------------------
enum class Eyes { Open, Closed, Angry, Wide, Dead, Squint };
enum class Mouth { Shut, Grin, Open, Roar, Chew, Oh };
enum class GorshHold { None, Cleaver, Chili };
enum class QuilletHold { None, Ladle, Food, Carrot, Match, Chili };
enum class PotAt { Back, Held, Gone };
enum class QuilletAt { InPot, Shoulders, Tumbling };

// One frame of the two cooks, facing right. Offsets are cell pixels; hands
// and held things are absolute cell positions.
struct CookPose {
    // Gorsh, the big one.
    Point body{};           // torso and head shift (a bob, a crouch)
    int squash = 0;         // + a wider, lower belly; - taller
    int lean = 0;           // head and shoulders forward (+) or back (-)
    int headDy = 0;
    Point footBack{}, footFront{};  // x shift, and y (negative lifts the foot)
    bool sitting = false;   // the legs stretched out in front (the death)
    bool airborne = false;  // no shadow
    Point handBack{}, handFront{};
    GorshHold hold = GorshHold::Cleaver;
    float cleaverDeg = 100.f;  // the blade's direction from the fist (90 = straight down)
    Eyes eyes = Eyes::Open;
    Mouth mouth = Mouth::Shut;
    int flush = 0;          // 0..2: redder in the face (the hot pepper)
    bool hat = true;
    Point hatShift{};
    float hatDeg = 0.f;
    // The pot on his back, held, or gone (thrown).
    PotAt pot = PotAt::Back;
    Point potCentre{};      // when held
    float potDeg = 0.f;
    bool potInFront = false;
    // Quillet, the small one.
    QuilletAt quillet = QuilletAt::InPot;
    Point qShift{};         // from his seat
    Point qHandBack{}, qHandFront{};
    QuilletHold qHold = QuilletHold::Ladle;
    int qFood = 0;          // which food he holds
    float qHoldDeg = 0.f;
    Eyes qEyes = Eyes::Open;
    Mouth qMouth = Mouth::Grin;
    bool qHat = true;
    Point qHatShift{};
    float qHatDeg = 0.f;
    // Effects.
    int dust = 0;           // 0 none, else the dust clouds' size at the feet
    int sweat = 0;          // drops flying off the head
    int steam = 0;          // 0 none, 1..: puffs from the ears
    int stars = -1;         // >= 0: dizzy stars circling, at that phase
    int sparks = -1;        // >= 0: a fizzing fuse at the carrot's leaves, at that phase
    bool chiliFlying = false;  // the hot pepper on its way from the small cook to the big one's mouth
    Point chili{};
    bool cleaverOnFloor = false;  // dropped: lying in front (the death)
    bool hatOnFloor = false;
    bool qHatOnFloor = false;
    int impact = 0;
    bool smear = false;     // the blow's arc         // the cleaver's bite into the floor: 0 none, 1.. a burst, fading
};

// Rest places, worked out from the body box.
struct Rig {
    int feetY;
    Point hip;            // between the legs' tops
    Point belly;          // the belly's centre
    int bellyRx, bellyRy;
    Point head;
    Point shoulderBack, shoulderFront;
    Point footBack, footFront;  // rest places of the boots' toes' bottom
    Point pot;            // the pot's centre on the back
    Point seat;           // Quillet's hips in the pot
    Point shoulderSeat;   // Quillet's hips on the big one's shoulders
};
const Rig& Rest();

// The cooks' standing pose (pot on the back, cleaver down, Quillet in the pot).
CookPose StandPose();
// Where Gorsh's mouth is in a pose: the fire comes out of it.
Point MouthOf(const CookPose& pose);
void DrawCooks(Canvas& cell, const CookPose& pose);

// The pose of frame f of a right-facing row of the boss sheet.
CookPose PoseFor(int row, int frame);

// ---- Painters --------------------------------------------------------------------------------
void PaintBossSheet(Canvas& sheet, const AssetEntry& entry);
void RegisterBossPropArt(PainterRegistry& registry);
void PaintWinScreen(Canvas& c, const AssetEntry& entry);

}  // namespace boss_art
