// The enemy painters' shared kit. Creatures shown at scale 1 are drawn on a
// low-resolution canvas and blown up three times, so their pixels have the
// same grain as the player's, the boss's and the tank's (which the game
// enlarges three times itself). Shapes take float coordinates in canvas
// pixels and fill the pixels whose centre they cover; parts are shaded in
// three tones lit from the top left and get a one-pixel dark outline.
#pragma once

#include <cmath>
#include <functional>
#include <initializer_list>

#include "art.hpp"

namespace enemy_art {

using paint::Canvas;
using paint::Rgba;
namespace pal = paint::pal;

constexpr float kPi = 3.14159265f;
constexpr float kTau = 6.2831853f;
constexpr int kGrain = 3;  // cell pixels per drawn pixel for the scale-1 creatures

struct V {
    float x = 0.f, y = 0.f;
};
inline V operator+(V a, V b) { return {a.x + b.x, a.y + b.y}; }
inline V operator-(V a, V b) { return {a.x - b.x, a.y - b.y}; }
inline V operator*(V a, float s) { return {a.x * s, a.y * s}; }
inline float Length(V a) { return std::hypot(a.x, a.y); }
inline V Lerp(V a, V b, float t) { return {a.x + (b.x - a.x) * t, a.y + (b.y - a.y) * t}; }
inline float Lerp(float a, float b, float t) { return a + (b - a) * t; }
// v turned by angle radians (positive turns clockwise on the screen).
inline V Turn(V v, float angle)
{
    const float c = std::cos(angle), s = std::sin(angle);
    return {v.x * c - v.y * s, v.x * s + v.y * c};
}
// A unit vector at angle radians from the +x axis.
inline V Dir(float angle) { return {std::cos(angle), std::sin(angle)}; }
inline float Clamp01(float t) { return t < 0.f ? 0.f : (t > 1.f ? 1.f : t); }
// Smooth 0..1 ease over t in 0..1.
inline float Ease(float t)
{
    t = Clamp01(t);
    return t * t * (3.f - 2.f * t);
}

struct Tones {
    Rgba dark, mid, light;
};

// Fills, by pixel centre.
void Disc(Canvas& c, V centre, float r, Rgba colour);
void Oval(Canvas& c, V centre, float rx, float ry, float angle, Rgba colour);
void Capsule(Canvas& c, V a, V b, float r, Rgba colour);            // a round-ended thick segment
void Cone(Canvas& c, V a, V b, float ra, float rb, Rgba colour);    // a capsule tapering from a to b
void Poly(Canvas& c, std::initializer_list<V> points, Rgba colour);
void PolyN(Canvas& c, const V* points, int count, Rgba colour);
// A chain of capsules through the points, its radius going from r0 to r1.
void Chain(Canvas& c, std::initializer_list<V> points, float r0, float r1, Rgba colour);
// A one-pixel line (no brush), for strings, whiskers and cracks.
void Thin(Canvas& c, V a, V b, Rgba colour);
void Dot(Canvas& c, V p, Rgba colour);
// A bone from a to b: a shaft with two knobs at each end, r wide.
void BoneShape(Canvas& c, V a, V b, float r, Rgba colour);
// A disc laid over what is there by its colour's alpha (smoke, glows).
void SoftDisc(Canvas& c, V centre, float r, Rgba colour);

// Repaints the opaque pixels of a part in three tones, lit from the top
// left: a dark crescent `shadow` pixels deep along the bottom-right edge, a
// light one `light` pixels deep along the top-left edge, mid between.
void Shade(Canvas& part, const Tones& tones, int shadow = 2, int light = 1);

// A drawing built back to front from parts: each part is drawn as a
// silhouette, shaded, outlined in ink and laid over what is there.
class Figure {
public:
    Figure(int width, int height) : canvas_(width, height) {}
    void Part(const Tones& tones, const std::function<void(Canvas&)>& shape, int shadow = 2, int light = 1,
              bool outline = true);
    // A part painted in its own colours (eyes, stripes), outlined.
    void Flat(const std::function<void(Canvas&)>& shape, bool outline = true);
    // Draws straight onto the figure (details over the parts).
    Canvas& Detail() { return canvas_; }
    const Canvas& Result() const { return canvas_; }

private:
    Canvas canvas_;
};

// The canvas mirrored left to right.
Canvas Mirrored(const Canvas& c);
// Copies a low-resolution drawing into a cell, each pixel becoming
// kGrain x kGrain, with the drawing's (0, 0) at (ox, oy) of the cell.
void Enlarge(Canvas& cell, const Canvas& low, int ox, int oy);
// Where the drawn pixels must start in a cell so that a cell line falls on
// the grain: ((line mod kGrain) + kGrain) mod kGrain.
int GrainOffset(int cellLine);

// The painters of the creatures' sheets, one file each; art_enemies.cpp
// registers them under the sheet names of the enemy table.
void PaintArcherBody(Canvas& sheet, const AssetEntry& entry);
void PaintArcherArm(Canvas& sheet, const AssetEntry& entry);
void PaintTank(Canvas& sheet, const AssetEntry& entry);
void PaintBird(Canvas& sheet, const AssetEntry& entry);
void PaintRat(Canvas& sheet, const AssetEntry& entry);
void PaintSkeletonRat(Canvas& sheet, const AssetEntry& entry);

}  // namespace enemy_art
