// A small CPU drawing kit for the asset generator: an RGBA canvas, the game's
// palette, shapes, shading helpers, blitting and a built-in pixel font.
// Everything is integer and deterministic: the same calls give the same bytes.
#pragma once

#include <cstdint>
#include <functional>
#include <span>
#include <string_view>
#include <vector>

namespace paint {

struct Rgba {
    std::uint8_t r = 0, g = 0, b = 0, a = 0;
    constexpr Rgba() = default;
    constexpr Rgba(std::uint8_t r_, std::uint8_t g_, std::uint8_t b_, std::uint8_t a_ = 255)
        : r(r_), g(g_), b(b_), a(a_) {}
    constexpr Rgba WithAlpha(std::uint8_t alpha) const { return {r, g, b, alpha}; }
    friend constexpr bool operator==(Rgba, Rgba) = default;
};

// The palette: about thirty colours for the whole game. Light comes from the
// top left; each material has a dark, a mid and a light tone.
namespace pal {
inline constexpr Rgba Clear{0, 0, 0, 0};
inline constexpr Rgba Ink{22, 16, 30};            // outlines, darkest shadow
inline constexpr Rgba Night0{40, 28, 58};         // night purples
inline constexpr Rgba Night1{70, 46, 94};
inline constexpr Rgba Night2{112, 76, 132};
inline constexpr Rgba Deep0{18, 36, 64};          // deep sea blues
inline constexpr Rgba Deep1{30, 64, 106};
inline constexpr Rgba Sea0{30, 100, 118};         // sea teals
inline constexpr Rgba Sea1{46, 144, 148};
inline constexpr Rgba Sea2{100, 196, 180};
inline constexpr Rgba Foam{204, 238, 226};
inline constexpr Rgba Sand0{150, 112, 70};        // sand, parchment and bone
inline constexpr Rgba Sand1{204, 166, 110};
inline constexpr Rgba Sand2{232, 206, 150};
inline constexpr Rgba Bone{246, 232, 196};
inline constexpr Rgba Wood0{54, 34, 28};          // driftwood browns
inline constexpr Rgba Wood1{92, 58, 38};
inline constexpr Rgba Wood2{136, 90, 54};
inline constexpr Rgba Wood3{180, 134, 84};
inline constexpr Rgba Rust0{104, 36, 34};         // rust and coral reds
inline constexpr Rgba Rust1{164, 56, 44};
inline constexpr Rgba Coral{226, 104, 80};
inline constexpr Rgba CoralLight{248, 164, 128};
inline constexpr Rgba Kelp0{28, 62, 40};          // kelp greens
inline constexpr Rgba Kelp1{58, 106, 52};
inline constexpr Rgba Kelp2{114, 158, 70};
inline constexpr Rgba Lantern0{230, 160, 46};     // lantern yellows
inline constexpr Rgba Lantern1{252, 224, 112};
inline constexpr Rgba Stone0{66, 68, 78};         // stone and iron greys
inline constexpr Rgba Stone1{112, 112, 120};
inline constexpr Rgba Stone2{166, 164, 158};
inline constexpr Rgba White{252, 250, 240};
inline constexpr Rgba Pink{232, 140, 170};        // skin tints
inline constexpr Rgba Violet{150, 92, 176};
}  // namespace pal

// Linear mix of two colours (t = 0 gives a, 1 gives b), alpha included.
Rgba Mix(Rgba a, Rgba b, float t);
// The colour with its red, green and blue scaled (shade < 1 darkens).
Rgba Shade(Rgba c, float factor);

struct Point {
    int x = 0, y = 0;
};

class Canvas {
public:
    Canvas() = default;
    Canvas(int width, int height, Rgba fill = pal::Clear);

    int Width() const { return width_; }
    int Height() const { return height_; }
    bool Contains(int x, int y) const { return x >= 0 && y >= 0 && x < width_ && y < height_; }

    // Pixels outside the canvas read as clear and ignore writes.
    Rgba Get(int x, int y) const { return Contains(x, y) ? pixels_[Index(x, y)] : pal::Clear; }
    void Set(int x, int y, Rgba c) {
        if (Contains(x, y)) pixels_[Index(x, y)] = c;
    }
    // Alpha-over: c drawn on top of what is there.
    void Blend(int x, int y, Rgba c);

    void Clear(Rgba c = pal::Clear);
    void FillRect(int x, int y, int w, int h, Rgba c);   // replaces
    void BlendRect(int x, int y, int w, int h, Rgba c);  // alpha-over
    void StrokeRect(int x, int y, int w, int h, Rgba c, int thickness = 1);
    void Line(int x0, int y0, int x1, int y1, Rgba c, int thickness = 1);
    void FillCircle(int cx, int cy, int r, Rgba c);
    void StrokeCircle(int cx, int cy, int r, Rgba c);
    void FillEllipse(int cx, int cy, int rx, int ry, Rgba c);
    void StrokeEllipse(int cx, int cy, int rx, int ry, Rgba c);
    void FillPolygon(std::span<const Point> points, Rgba c);
    // Rounded box: a rectangle with its corners cut by radius r.
    void FillRoundRect(int x, int y, int w, int h, int r, Rgba c);

    // Ordered (4x4 Bayer) dither: pixels of the rectangle whose threshold is
    // under level/16 take colour c. level 0 draws nothing, 16 fills.
    void DitherRect(int x, int y, int w, int h, Rgba c, int level);
    // Vertical gradient from top to bottom colour through the given colours,
    // banded and dithered between bands so it stays in the palette.
    void GradientRect(int x, int y, int w, int h, std::span<const Rgba> bands);

    // A one-pixel outline of colour ink around every opaque pixel (alpha >=
    // 128) of the rectangle, drawn on the clear pixels next to it.
    void Outline(Rgba ink, int x, int y, int w, int h);
    void Outline(Rgba ink) { Outline(ink, 0, 0, width_, height_); }
    // Every pixel of colour from (exact match) in the rectangle becomes to.
    void Recolour(Rgba from, Rgba to, int x, int y, int w, int h);

    // Copies src with its top-left at (dx, dy); blend mixes by alpha,
    // otherwise pixels are replaced. flipX mirrors the source.
    void Blit(const Canvas& src, int dx, int dy, bool blend = true, bool flipX = false);
    // Copies a scaled-up src (each source pixel becomes scale x scale).
    void BlitScaled(const Canvas& src, int dx, int dy, int scale, bool blend = true);
    Canvas Crop(int x, int y, int w, int h) const;

    const std::vector<Rgba>& Pixels() const { return pixels_; }
    std::vector<Rgba>& Pixels() { return pixels_; }

private:
    std::size_t Index(int x, int y) const {
        return static_cast<std::size_t>(y) * static_cast<std::size_t>(width_) + static_cast<std::size_t>(x);
    }
    int width_ = 0;
    int height_ = 0;
    std::vector<Rgba> pixels_;
};

// The built-in pixel font: 5 x 7 glyphs on a 6 x 9 grid (printable ASCII;
// anything else draws as a box). Each font pixel becomes scale x scale.
inline constexpr int kGlyphWidth = 5;
inline constexpr int kGlyphHeight = 7;
inline constexpr int kGlyphAdvance = 6;
inline constexpr int kLineHeight = 9;

int TextWidth(std::string_view text, int scale = 1);
// Draws text with its top-left at (x, y); '\n' starts a new line.
void DrawText(Canvas& canvas, int x, int y, std::string_view text, Rgba colour, int scale = 1);
// Text with a one-font-pixel outline (drawn at scale) and a drop shadow.
void DrawTextOutlined(Canvas& canvas, int x, int y, std::string_view text, Rgba colour, Rgba outline,
                      int scale = 1);
// Text centred horizontally on cx.
void DrawTextCentred(Canvas& canvas, int cx, int y, std::string_view text, Rgba colour, int scale = 1,
                     bool outlined = false, Rgba outline = pal::Ink);

// Calls draw for every cell of a sheet laid out as rows of cells of the
// given size; the cell canvas starts clear and is copied back in place.
void ForEachCell(Canvas& sheet, int cellWidth, int cellHeight, std::span<const int> framesPerRow,
                 const std::function<void(Canvas& cell, int row, int frame, int framesInRow)>& draw);

// A small deterministic random stream for texture noise (xorshift).
class Rng {
public:
    explicit Rng(std::uint32_t seed) : state_(seed ? seed : 0x9E3779B9u) {}
    std::uint32_t Next();
    int Range(int lo, int hi);  // inclusive
    float Unit();               // [0, 1)
private:
    std::uint32_t state_;
};

}  // namespace paint
