// The combat painters' shared kit: the spells' objects (a sword, an anvil, a
// tentacle, a bolt, an imp, the bomb) drawn at any size, so the effect
// strips and the card icons show the same things, and the shading helpers
// they are built with.
#pragma once

#include <algorithm>
#include <cmath>
#include <functional>
#include <vector>

#include "art.hpp"
#include "art_world_kit.hpp"
#include "combat/spell_table.hpp"

namespace combat_art {

using paint::Canvas;
using paint::Point;
using paint::Rgba;
namespace pal = paint::pal;

constexpr float kPi = 3.14159265f;
constexpr float kTau = 6.2831853f;

inline int Round(float v) { return static_cast<int>(std::lround(v)); }

struct V2 {
    float x = 0.f, y = 0.f;
};
inline V2 operator+(V2 a, V2 b) { return {a.x + b.x, a.y + b.y}; }
inline V2 operator-(V2 a, V2 b) { return {a.x - b.x, a.y - b.y}; }
inline V2 operator*(V2 a, float s) { return {a.x * s, a.y * s}; }
inline Point P(V2 a) { return {Round(a.x), Round(a.y)}; }
inline V2 Dir(float angle) { return {std::cos(angle), std::sin(angle)}; }
// The side vector: the direction turned a quarter to the left on screen.
inline V2 Side(V2 d) { return {d.y, -d.x}; }

struct Tones {
    Rgba dark, mid, light;
};
constexpr Tones kIron{pal::Ink, pal::Night0, pal::Night1};
constexpr Tones kSteel{pal::Stone0, pal::Stone1, pal::Stone2};
constexpr Tones kBrass{pal::Wood2, pal::Lantern0, pal::Lantern1};
constexpr Tones kAnvilIron{pal::Stone0, pal::Stone1, pal::Stone2};
constexpr Tones kTentacle{pal::Night1, pal::Violet, {190, 132, 210}};
constexpr Tones kImpSkin{pal::Rust0, pal::Rust1, pal::Coral};
constexpr Tones kImpWing{pal::Ink, pal::Night1, pal::Night2};

// ---- Shading and layers ------------------------------------------------------

// Lights a shape of flat colour `mid` lit from the top left: its pixels
// within `lit` pixels of its top-left edge take the light tone, those within
// `shade` pixels of its bottom-right edge the dark one. Other colours stay.
void RimShade(Canvas& layer, const Tones& t, int lit = 2, int shade = 3);

// A one-pixel ink outline `thickness` times (big shapes get two).
void InkOutline(Canvas& layer, int thickness = 1);

// Paints the silhouette of layer grown by radius pixels, in colour, onto
// target: a glow or an aura under a shape.
void Halo(Canvas& target, const Canvas& layer, int radius, Rgba colour);

// Draws a part on its own clear layer the size of target, gives it an ink
// outline and lays it over target, so overlapping parts read apart.
void Part(Canvas& target, const std::function<void(Canvas&)>& draw, int outline = 1);

// A filled circle laid over what is there (FillCircle replaces pixels, so
// a see-through colour would cut a hole).
void SoftCircle(Canvas& c, int cx, int cy, int r, Rgba colour);
void SoftEllipse(Canvas& c, int cx, int cy, int rx, int ry, Rgba colour);

// Lays layer over target with its opacity scaled by alpha / 255 (fading).
void BlitFaded(Canvas& target, const Canvas& layer, int alpha);

// Every opaque pixel of layer turned into colour, its opacity kept (a
// flash of light or a shadow in the shape of a thing).
void Silhouette(Canvas& layer, Rgba colour);

// A flash of light: rays of alternating length around a white core.
void StarFlash(Canvas& c, int cx, int cy, int radius, Rgba rays, int turn = 0);

// A four-pointed glint.
void Glint(Canvas& c, int x, int y, int arm, Rgba colour);

// A cloud of round billows (smoke, a storm cloud, a puff of dust): one
// silhouette with one ink outline, each billow shaded as a ball lit from
// the top left where it lies in front of those before it, the cloud's
// underside darker. Later billows are in front.
struct Billow {
    float x = 0.f, y = 0.f, r = 0.f;
    const Tones* tones = nullptr;
    V2 light{-0.7071f, -0.7071f};  // towards the light that shades it
};
void DrawBillows(Canvas& c, const std::vector<Billow>& billows, int outline = 1, int dissolve = 0);

// A storm cloud from billows: one lumpy mass, its silhouette lit on the top
// left and its underside dark and flat-ish, the billows marked by lit arcs
// on their upper left. All billows take the first one's tones.
void DrawCloud(Canvas& c, const std::vector<Billow>& billows);

// Clears an ordered-dither share (level 0..16 of 16) of a layer's pixels:
// smoke thinning out, a thing fading in pixel steps.
void Dissolve(Canvas& layer, int level);

// ---- The spells' objects ------------------------------------------------------

// A sword from its hilt (the guard's centre) along dir: blade `length` long
// and `width` wide at the guard. Steel lit from the top left, a brass guard
// and pommel, a leather grip. No outline: the caller's layer gets it.
void DrawSword(Canvas& c, V2 hilt, V2 dir, float length, float width);

// The anvil filling the box (x, y, w, h), horn to the left: iron with a
// lit working face, rust streaks and barnacles. No outline.
void DrawAnvil(Canvas& c, int x, int y, int w, int h);

// A tentacle rising from base: `length` long, `radius` thick at its root,
// swaying with phase; bend sets how far it sways and curl how tightly its
// tip rolls (the sign gives the side). Shaded, suckers on its inner side, no
// outline. Returns the tip.
struct TentacleShape {
    float length = 100.f, radius = 10.f, phase = 0.f, bend = 1.f, curl = 2.f;
};
V2 DrawTentacle(Canvas& c, V2 base, const TentacleShape& shape, const Tones& t = kTentacle);

// A jagged path from a to b: segments of random sideways offsets.
std::vector<V2> BoltPath(paint::Rng& rng, V2 a, V2 b, int segments, float jitter);
// A lightning bolt along path: an amber glow, a yellow body, a white core;
// width is the body's width.
void DrawBolt(Canvas& c, const std::vector<V2>& path, int width);

// The imp, facing right, centred on centre at the given size (1: its sheet's
// cell); flap 0..1 runs once through a wing beat. Outlined part by part.
void DrawImp(Canvas& c, V2 centre, float size, float flap);

// The spell bomb: an iron ball of radius r with a glowing rune, a brass cap
// and a lit fuse, turned by angle (radians, clockwise); spark 0..1 flickers
// the fuse's flame. Outlined.
void DrawBomb(Canvas& c, V2 centre, float r, float angle, float spark);

// The imp's place in its cell (81 x 72): the burst draws its imps there too.
constexpr V2 kImpCentre{47.f, 38.f};

// ---- Frames of an effect -----------------------------------------------------------

// The middle of frame f's time on screen.
inline float FrameMid(int f) { return (static_cast<float>(f) + 0.5f) * kSpellFrameTime; }

// The row of the level's floor top in a frame of the given height centred
// on a bomb at rest (the floor is 15 px below the bomb's centre).
inline int FloorRow(int frameHeight)
{
    return Round(static_cast<float>(world_art::kFloorTop) - (kBombRestCentreY - static_cast<float>(frameHeight) / 2.f));
}

inline float Ease(float t)
{
    t = std::clamp(t, 0.f, 1.f);
    return t * t * (3.f - 2.f * t);
}

// Overshoots a little before it settles, as a thing that springs up does.
inline float EaseBack(float t)
{
    t = std::clamp(t, 0.f, 1.f);
    const float u = t - 1.f;
    return 1.f + u * u * (2.7f * u + 1.7f);
}

// Frame f of n of each strip (art_combat.cpp and art_combat_spells.cpp).
void PaintTentaclesFrame(Canvas& c, int f, int n);
void PaintLightningFrame(Canvas& c, int f, int n);
void PaintBurstFrame(Canvas& c, int f, int n);
void PaintImpFrame(Canvas& c, int f, int n);

// ---- Cards ----------------------------------------------------------------------

// The colours of a card's picture window, darkest first.
struct CardColours {
    Rgba deep, mid, light;
};
// A card: driftwood frame, brass studs, a picture window in the given
// colours (returned as x, y, w, h) and a parchment band under it for the name.
struct Box {
    int x = 0, y = 0, w = 0, h = 0;
};
Box DrawCardFrame(Canvas& c, int x, int y, int w, int h, const CardColours& colours);
// The back of a card: deep sea blue with a brass rune ring.
void DrawCardBack(Canvas& c, int x, int y, int w, int h);
// The icon of spell kind 0..5 inside box.
void DrawSpellIcon(Canvas& c, int kind, const Box& box);

// Registers the cards, the deck icon and the recap board's card icon.
void RegisterCardArt(PainterRegistry& registry);

}  // namespace combat_art
