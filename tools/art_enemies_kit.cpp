// The enemy painters' shared kit: shapes by pixel centre, three-tone shading
// and the parts a figure is built from.
#include "art_enemies_kit.hpp"

#include <algorithm>
#include <vector>

namespace enemy_art {

namespace {

// Calls fill(x, y) for each pixel of the box [x0, x1] x [y0, y1] (floats,
// clipped to the canvas) whose centre passes inside(cx, cy).
template <typename Inside>
void FillWhere(Canvas& c, float x0, float y0, float x1, float y1, Rgba colour, Inside inside)
{
    const int ix0 = std::max(0, static_cast<int>(std::floor(x0)));
    const int iy0 = std::max(0, static_cast<int>(std::floor(y0)));
    const int ix1 = std::min(c.Width() - 1, static_cast<int>(std::ceil(x1)));
    const int iy1 = std::min(c.Height() - 1, static_cast<int>(std::ceil(y1)));
    for (int y = iy0; y <= iy1; ++y)
        for (int x = ix0; x <= ix1; ++x)
            if (inside(x + 0.5f, y + 0.5f))
                c.Set(x, y, colour);
}

float SegmentDistance(V p, V a, V b, float* along)
{
    const V ab = b - a;
    const float len2 = ab.x * ab.x + ab.y * ab.y;
    float t = len2 > 0.f ? ((p.x - a.x) * ab.x + (p.y - a.y) * ab.y) / len2 : 0.f;
    t = Clamp01(t);
    if (along)
        *along = t;
    return Length(p - (a + ab * t));
}

}  // namespace

void Disc(Canvas& c, V o, float r, Rgba colour)
{
    FillWhere(c, o.x - r, o.y - r, o.x + r, o.y + r, colour,
              [&](float x, float y) { return (x - o.x) * (x - o.x) + (y - o.y) * (y - o.y) <= r * r; });
}

void SoftDisc(Canvas& c, V o, float r, Rgba colour)
{
    const int x0 = std::max(0, static_cast<int>(std::floor(o.x - r)));
    const int y0 = std::max(0, static_cast<int>(std::floor(o.y - r)));
    const int x1 = std::min(c.Width() - 1, static_cast<int>(std::ceil(o.x + r)));
    const int y1 = std::min(c.Height() - 1, static_cast<int>(std::ceil(o.y + r)));
    for (int y = y0; y <= y1; ++y)
        for (int x = x0; x <= x1; ++x)
            if ((x + 0.5f - o.x) * (x + 0.5f - o.x) + (y + 0.5f - o.y) * (y + 0.5f - o.y) <= r * r)
                c.Blend(x, y, colour);
}

void Oval(Canvas& c, V o, float rx, float ry, float angle, Rgba colour)
{
    const float r = std::max(rx, ry);
    const float cs = std::cos(angle), sn = std::sin(angle);
    FillWhere(c, o.x - r, o.y - r, o.x + r, o.y + r, colour, [&](float x, float y) {
        const float dx = x - o.x, dy = y - o.y;
        const float u = dx * cs + dy * sn, v = -dx * sn + dy * cs;
        return (u * u) / (rx * rx) + (v * v) / (ry * ry) <= 1.f;
    });
}

void Capsule(Canvas& c, V a, V b, float r, Rgba colour) { Cone(c, a, b, r, r, colour); }

void Cone(Canvas& c, V a, V b, float ra, float rb, Rgba colour)
{
    const float r = std::max(ra, rb);
    FillWhere(c, std::min(a.x, b.x) - r, std::min(a.y, b.y) - r, std::max(a.x, b.x) + r, std::max(a.y, b.y) + r,
              colour, [&](float x, float y) {
                  float t = 0.f;
                  const float d = SegmentDistance({x, y}, a, b, &t);
                  return d <= Lerp(ra, rb, t);
              });
}

void PolyN(Canvas& c, const V* p, int n, Rgba colour)
{
    if (n < 3)
        return;
    float x0 = p[0].x, x1 = p[0].x, y0 = p[0].y, y1 = p[0].y;
    for (int i = 1; i < n; ++i) {
        x0 = std::min(x0, p[i].x), x1 = std::max(x1, p[i].x);
        y0 = std::min(y0, p[i].y), y1 = std::max(y1, p[i].y);
    }
    FillWhere(c, x0, y0, x1, y1, colour, [&](float x, float y) {
        bool in = false;
        for (int i = 0, j = n - 1; i < n; j = i++)
            if ((p[i].y > y) != (p[j].y > y) && x < (p[j].x - p[i].x) * (y - p[i].y) / (p[j].y - p[i].y) + p[i].x)
                in = !in;
        return in;
    });
}

void Poly(Canvas& c, std::initializer_list<V> points, Rgba colour)
{
    PolyN(c, points.begin(), static_cast<int>(points.size()), colour);
}

void Chain(Canvas& c, std::initializer_list<V> points, float r0, float r1, Rgba colour)
{
    const int n = static_cast<int>(points.size());
    if (n == 1)
        Disc(c, *points.begin(), r0, colour);
    for (int i = 0; i + 1 < n; ++i) {
        const float ra = Lerp(r0, r1, static_cast<float>(i) / (n - 1));
        const float rb = Lerp(r0, r1, static_cast<float>(i + 1) / (n - 1));
        Cone(c, points.begin()[i], points.begin()[i + 1], ra, rb, colour);
    }
}

void Thin(Canvas& c, V a, V b, Rgba colour)
{
    c.Line(static_cast<int>(std::floor(a.x)), static_cast<int>(std::floor(a.y)), static_cast<int>(std::floor(b.x)),
           static_cast<int>(std::floor(b.y)), colour);
}

void Dot(Canvas& c, V p, Rgba colour)
{
    c.Set(static_cast<int>(std::floor(p.x)), static_cast<int>(std::floor(p.y)), colour);
}

void BoneShape(Canvas& c, V a, V b, float r, Rgba colour)
{
    Capsule(c, a, b, r * 0.55f, colour);
    const V side = Turn(b - a, kPi / 2.f) * (r * 0.5f / std::max(Length(b - a), 0.01f));
    for (const V end : {a, b}) {
        Disc(c, end + side, r * 0.6f, colour);
        Disc(c, end - side, r * 0.6f, colour);
    }
}

void Shade(Canvas& part, const Tones& t, int shadow, int light)
{
    const int w = part.Width(), h = part.Height();
    std::vector<std::uint8_t> solid(static_cast<std::size_t>(w) * h);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            solid[static_cast<std::size_t>(y) * w + x] = part.Get(x, y).a >= 128;
    auto in = [&](int x, int y) {
        return x >= 0 && y >= 0 && x < w && y < h && solid[static_cast<std::size_t>(y) * w + x];
    };
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            if (!in(x, y))
                continue;
            bool dark = false, lit = false;
            for (int d = 1; d <= shadow && !dark; ++d)
                dark = !in(x + d, y + d) || !in(x, y + d) || (d == 1 && !in(x + 1, y));
            for (int d = 1; d <= light && !lit; ++d)
                lit = !in(x - d, y - d) || !in(x, y - d);
            part.Set(x, y, dark ? t.dark : (lit ? t.light : t.mid));
        }
}

void Figure::Part(const Tones& tones, const std::function<void(Canvas&)>& shape, int shadow, int light, bool outline)
{
    Canvas part(canvas_.Width(), canvas_.Height());
    shape(part);
    Shade(part, tones, shadow, light);
    if (outline)
        part.Outline(pal::Ink);
    canvas_.Blit(part, 0, 0);
}

void Figure::Flat(const std::function<void(Canvas&)>& shape, bool outline)
{
    Canvas part(canvas_.Width(), canvas_.Height());
    shape(part);
    if (outline)
        part.Outline(pal::Ink);
    canvas_.Blit(part, 0, 0);
}

Canvas Mirrored(const Canvas& c)
{
    Canvas out(c.Width(), c.Height());
    out.Blit(c, 0, 0, false, true);
    return out;
}

void Enlarge(Canvas& cell, const Canvas& low, int ox, int oy)
{
    cell.BlitScaled(low, ox, oy, kGrain, true);
}

int GrainOffset(int cellLine) { return ((cellLine % kGrain) + kGrain) % kGrain; }

}  // namespace enemy_art
