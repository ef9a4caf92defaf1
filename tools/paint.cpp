#include "paint.hpp"

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace paint {

Rgba Mix(Rgba a, Rgba b, float t) {
    t = std::clamp(t, 0.0f, 1.0f);
    auto lerp = [t](int x, int y) { return static_cast<std::uint8_t>(std::lround(x + (y - x) * t)); };
    return {lerp(a.r, b.r), lerp(a.g, b.g), lerp(a.b, b.b), lerp(a.a, b.a)};
}

Rgba Shade(Rgba c, float factor) {
    auto s = [factor](int v) { return static_cast<std::uint8_t>(std::clamp<long>(std::lround(v * factor), 0, 255)); };
    return {s(c.r), s(c.g), s(c.b), c.a};
}

Canvas::Canvas(int width, int height, Rgba fill)
    : width_(std::max(0, width)), height_(std::max(0, height)),
      pixels_(static_cast<std::size_t>(width_) * static_cast<std::size_t>(height_), fill) {}

void Canvas::Blend(int x, int y, Rgba c) {
    if (!Contains(x, y) || c.a == 0) return;
    Rgba& d = pixels_[Index(x, y)];
    if (c.a == 255 || d.a == 0) {
        d = c;
        return;
    }
    // Porter-Duff "over" in integers.
    const int sa = c.a, da = d.a * (255 - sa) / 255, oa = sa + da;
    auto ch = [&](int s, int t) { return static_cast<std::uint8_t>((s * sa + t * da + oa / 2) / oa); };
    d = {ch(c.r, d.r), ch(c.g, d.g), ch(c.b, d.b), static_cast<std::uint8_t>(oa)};
}

void Canvas::Clear(Rgba c) { std::fill(pixels_.begin(), pixels_.end(), c); }

void Canvas::FillRect(int x, int y, int w, int h, Rgba c) {
    const int x0 = std::max(0, x), y0 = std::max(0, y);
    const int x1 = std::min(width_, x + w), y1 = std::min(height_, y + h);
    for (int yy = y0; yy < y1; ++yy)
        std::fill(pixels_.begin() + Index(x0, yy), pixels_.begin() + Index(x0, yy) + std::max(0, x1 - x0), c);
}

void Canvas::BlendRect(int x, int y, int w, int h, Rgba c) {
    const int x0 = std::max(0, x), y0 = std::max(0, y);
    const int x1 = std::min(width_, x + w), y1 = std::min(height_, y + h);
    for (int yy = y0; yy < y1; ++yy)
        for (int xx = x0; xx < x1; ++xx) Blend(xx, yy, c);
}

void Canvas::StrokeRect(int x, int y, int w, int h, Rgba c, int t) {
    FillRect(x, y, w, t, c);
    FillRect(x, y + h - t, w, t, c);
    FillRect(x, y, t, h, c);
    FillRect(x + w - t, y, t, h, c);
}

void Canvas::Line(int x0, int y0, int x1, int y1, Rgba c, int thickness) {
    // Bresenham; thickness draws a square brush.
    const int dx = std::abs(x1 - x0), sx = x0 < x1 ? 1 : -1;
    const int dy = -std::abs(y1 - y0), sy = y0 < y1 ? 1 : -1;
    int err = dx + dy;
    const int lo = -(thickness - 1) / 2;
    for (;;) {
        if (thickness <= 1)
            Set(x0, y0, c);
        else
            FillRect(x0 + lo, y0 + lo, thickness, thickness, c);
        if (x0 == x1 && y0 == y1) break;
        const int e2 = 2 * err;
        if (e2 >= dy) { err += dy; x0 += sx; }
        if (e2 <= dx) { err += dx; y0 += sy; }
    }
}

void Canvas::FillEllipse(int cx, int cy, int rx, int ry, Rgba c) {
    if (rx < 0 || ry < 0) return;
    const double rx2 = (rx + 0.5) * (rx + 0.5), ry2 = (ry + 0.5) * (ry + 0.5);
    for (int y = -ry; y <= ry; ++y) {
        const int half = static_cast<int>(std::floor(std::sqrt(std::max(0.0, rx2 * (1.0 - y * y / ry2)))));
        FillRect(cx - half, cy + y, 2 * half + 1, 1, c);
    }
}

void Canvas::StrokeEllipse(int cx, int cy, int rx, int ry, Rgba c) {
    if (rx < 0 || ry < 0) return;
    const double rx2 = (rx + 0.5) * (rx + 0.5), ry2 = (ry + 0.5) * (ry + 0.5);
    auto inside = [&](int x, int y) { return x * x / rx2 + y * y / ry2 <= 1.0; };
    for (int y = -ry; y <= ry; ++y)
        for (int x = -rx; x <= rx; ++x)
            if (inside(x, y) && (!inside(x - 1, y) || !inside(x + 1, y) || !inside(x, y - 1) || !inside(x, y + 1)))
                Set(cx + x, cy + y, c);
}

void Canvas::FillCircle(int cx, int cy, int r, Rgba c) { FillEllipse(cx, cy, r, r, c); }
void Canvas::StrokeCircle(int cx, int cy, int r, Rgba c) { StrokeEllipse(cx, cy, r, r, c); }

void Canvas::FillPolygon(std::span<const Point> pts, Rgba c) {
    if (pts.size() < 3) return;
    int ymin = pts[0].y, ymax = pts[0].y;
    for (const Point& p : pts) { ymin = std::min(ymin, p.y); ymax = std::max(ymax, p.y); }
    ymin = std::max(ymin, 0);
    ymax = std::min(ymax, height_ - 1);
    std::vector<double> xs;
    for (int y = ymin; y <= ymax; ++y) {
        xs.clear();
        const double sy = y + 0.5;
        for (std::size_t i = 0; i < pts.size(); ++i) {
            const Point a = pts[i], b = pts[(i + 1) % pts.size()];
            if ((a.y <= sy && b.y > sy) || (b.y <= sy && a.y > sy))
                xs.push_back(a.x + (sy - a.y) * (b.x - a.x) / static_cast<double>(b.y - a.y));
        }
        std::sort(xs.begin(), xs.end());
        for (std::size_t i = 0; i + 1 < xs.size(); i += 2) {
            const int x0 = static_cast<int>(std::ceil(xs[i] - 0.5)), x1 = static_cast<int>(std::ceil(xs[i + 1] - 0.5));
            FillRect(x0, y, x1 - x0, 1, c);
        }
    }
}

void Canvas::FillRoundRect(int x, int y, int w, int h, int r, Rgba c) {
    r = std::min({r, w / 2, h / 2});
    FillRect(x + r, y, w - 2 * r, h, c);
    FillRect(x, y + r, w, h - 2 * r, c);
    FillCircle(x + r, y + r, r, c);
    FillCircle(x + w - 1 - r, y + r, r, c);
    FillCircle(x + r, y + h - 1 - r, r, c);
    FillCircle(x + w - 1 - r, y + h - 1 - r, r, c);
}

namespace {
constexpr int kBayer[4][4] = {{0, 8, 2, 10}, {12, 4, 14, 6}, {3, 11, 1, 9}, {15, 7, 13, 5}};
}

void Canvas::DitherRect(int x, int y, int w, int h, Rgba c, int level) {
    const int x0 = std::max(0, x), y0 = std::max(0, y);
    const int x1 = std::min(width_, x + w), y1 = std::min(height_, y + h);
    for (int yy = y0; yy < y1; ++yy)
        for (int xx = x0; xx < x1; ++xx)
            if (kBayer[yy & 3][xx & 3] < level) Blend(xx, yy, c);
}

void Canvas::GradientRect(int x, int y, int w, int h, std::span<const Rgba> bands) {
    if (bands.empty() || h <= 0) return;
    if (bands.size() == 1) { FillRect(x, y, w, h, bands[0]); return; }
    const int steps = static_cast<int>(bands.size()) - 1;
    for (int yy = 0; yy < h; ++yy) {
        // Position along the bands in 16ths, dithered between neighbours.
        const int pos = yy * steps * 16 / std::max(1, h - 1);
        const int band = std::min(steps - 1, pos / 16);
        const int frac = pos - band * 16;
        const int py = y + yy;
        if (py < 0 || py >= height_) continue;
        for (int xx = std::max(0, x); xx < std::min(width_, x + w); ++xx)
            Set(xx, py, kBayer[py & 3][xx & 3] < frac ? bands[band + 1] : bands[band]);
    }
}

void Canvas::Outline(Rgba ink, int x, int y, int w, int h) {
    const int x0 = std::max(0, x), y0 = std::max(0, y);
    const int x1 = std::min(width_, x + w), y1 = std::min(height_, y + h);
    std::vector<std::uint8_t> solid(static_cast<std::size_t>(std::max(0, x1 - x0)) * std::max(0, y1 - y0));
    auto at = [&](int xx, int yy) -> std::uint8_t& { return solid[static_cast<std::size_t>(yy - y0) * (x1 - x0) + (xx - x0)]; };
    for (int yy = y0; yy < y1; ++yy)
        for (int xx = x0; xx < x1; ++xx) at(xx, yy) = Get(xx, yy).a >= 128;
    for (int yy = y0; yy < y1; ++yy)
        for (int xx = x0; xx < x1; ++xx) {
            if (at(xx, yy) || Get(xx, yy).a >= 128) continue;
            const bool near = (xx > x0 && at(xx - 1, yy)) || (xx + 1 < x1 && at(xx + 1, yy)) ||
                              (yy > y0 && at(xx, yy - 1)) || (yy + 1 < y1 && at(xx, yy + 1));
            if (near) Set(xx, yy, ink);
        }
}

void Canvas::Recolour(Rgba from, Rgba to, int x, int y, int w, int h) {
    for (int yy = std::max(0, y); yy < std::min(height_, y + h); ++yy)
        for (int xx = std::max(0, x); xx < std::min(width_, x + w); ++xx)
            if (pixels_[Index(xx, yy)] == from) pixels_[Index(xx, yy)] = to;
}

void Canvas::Blit(const Canvas& src, int dx, int dy, bool blend, bool flipX) {
    for (int y = 0; y < src.Height(); ++y) {
        const int ty = dy + y;
        if (ty < 0 || ty >= height_) continue;
        for (int x = 0; x < src.Width(); ++x) {
            const Rgba c = src.Get(flipX ? src.Width() - 1 - x : x, y);
            if (blend) Blend(dx + x, ty, c); else Set(dx + x, ty, c);
        }
    }
}

void Canvas::BlitScaled(const Canvas& src, int dx, int dy, int scale, bool blend) {
    for (int y = 0; y < src.Height(); ++y)
        for (int x = 0; x < src.Width(); ++x) {
            const Rgba c = src.Get(x, y);
            if (blend) BlendRect(dx + x * scale, dy + y * scale, scale, scale, c);
            else FillRect(dx + x * scale, dy + y * scale, scale, scale, c);
        }
}

Canvas Canvas::Crop(int x, int y, int w, int h) const {
    Canvas out(w, h);
    for (int yy = 0; yy < h; ++yy)
        for (int xx = 0; xx < w; ++xx) out.Set(xx, yy, Get(x + xx, y + yy));
    return out;
}

// ---------------------------------------------------------------------------
// The pixel font. Each glyph is seven rows of five columns, '#' lit.
namespace {
struct Glyph {
    char ch;
    const char* rows[7];
};

constexpr Glyph kGlyphs[] = {
    {' ', {".....", ".....", ".....", ".....", ".....", ".....", "....."}},
    {'!', {"..#..", "..#..", "..#..", "..#..", "..#..", ".....", "..#.."}},
    {'"', {".#.#.", ".#.#.", ".....", ".....", ".....", ".....", "....."}},
    {'#', {".#.#.", ".#.#.", "#####", ".#.#.", "#####", ".#.#.", ".#.#."}},
    {'$', {"..#..", ".####", "#.#..", ".###.", "..#.#", "####.", "..#.."}},
    {'%', {"##...", "##..#", "...#.", "..#..", ".#...", "#..##", "...##"}},
    {'&', {".##..", "#..#.", "#.#..", ".#...", "#.#.#", "#..#.", ".##.#"}},
    {'\'', {"..#..", "..#..", ".....", ".....", ".....", ".....", "....."}},
    {'(', {"...#.", "..#..", ".#...", ".#...", ".#...", "..#..", "...#."}},
    {')', {".#...", "..#..", "...#.", "...#.", "...#.", "..#..", ".#..."}},
    {'*', {".....", "..#..", "#.#.#", ".###.", "#.#.#", "..#..", "....."}},
    {'+', {".....", "..#..", "..#..", "#####", "..#..", "..#..", "....."}},
    {',', {".....", ".....", ".....", ".....", ".##..", "..#..", ".#..."}},
    {'-', {".....", ".....", ".....", "#####", ".....", ".....", "....."}},
    {'.', {".....", ".....", ".....", ".....", ".....", ".##..", ".##.."}},
    {'/', {".....", "....#", "...#.", "..#..", ".#...", "#....", "....."}},
    {'0', {".###.", "#...#", "#..##", "#.#.#", "##..#", "#...#", ".###."}},
    {'1', {"..#..", ".##..", "..#..", "..#..", "..#..", "..#..", ".###."}},
    {'2', {".###.", "#...#", "....#", "...#.", "..#..", ".#...", "#####"}},
    {'3', {"#####", "...#.", "..#..", "...#.", "....#", "#...#", ".###."}},
    {'4', {"...#.", "..##.", ".#.#.", "#..#.", "#####", "...#.", "...#."}},
    {'5', {"#####", "#....", "####.", "....#", "....#", "#...#", ".###."}},
    {'6', {"..##.", ".#...", "#....", "####.", "#...#", "#...#", ".###."}},
    {'7', {"#####", "....#", "...#.", "..#..", ".#...", ".#...", ".#..."}},
    {'8', {".###.", "#...#", "#...#", ".###.", "#...#", "#...#", ".###."}},
    {'9', {".###.", "#...#", "#...#", ".####", "....#", "...#.", ".##.."}},
    {':', {".....", ".##..", ".##..", ".....", ".##..", ".##..", "....."}},
    {';', {".....", ".##..", ".##..", ".....", ".##..", "..#..", ".#..."}},
    {'<', {"...#.", "..#..", ".#...", "#....", ".#...", "..#..", "...#."}},
    {'=', {".....", ".....", "#####", ".....", "#####", ".....", "....."}},
    {'>', {".#...", "..#..", "...#.", "....#", "...#.", "..#..", ".#..."}},
    {'?', {".###.", "#...#", "....#", "...#.", "..#..", ".....", "..#.."}},
    {'@', {".###.", "#...#", "....#", ".##.#", "#.#.#", "#.#.#", ".###."}},
    {'A', {".###.", "#...#", "#...#", "#####", "#...#", "#...#", "#...#"}},
    {'B', {"####.", "#...#", "#...#", "####.", "#...#", "#...#", "####."}},
    {'C', {".###.", "#...#", "#....", "#....", "#....", "#...#", ".###."}},
    {'D', {"###..", "#..#.", "#...#", "#...#", "#...#", "#..#.", "###.."}},
    {'E', {"#####", "#....", "#....", "####.", "#....", "#....", "#####"}},
    {'F', {"#####", "#....", "#....", "####.", "#....", "#....", "#...."}},
    {'G', {".###.", "#...#", "#....", "#.###", "#...#", "#...#", ".####"}},
    {'H', {"#...#", "#...#", "#...#", "#####", "#...#", "#...#", "#...#"}},
    {'I', {".###.", "..#..", "..#..", "..#..", "..#..", "..#..", ".###."}},
    {'J', {"..###", "...#.", "...#.", "...#.", "...#.", "#..#.", ".##.."}},
    {'K', {"#...#", "#..#.", "#.#..", "##...", "#.#..", "#..#.", "#...#"}},
    {'L', {"#....", "#....", "#....", "#....", "#....", "#....", "#####"}},
    {'M', {"#...#", "##.##", "#.#.#", "#.#.#", "#...#", "#...#", "#...#"}},
    {'N', {"#...#", "#...#", "##..#", "#.#.#", "#..##", "#...#", "#...#"}},
    {'O', {".###.", "#...#", "#...#", "#...#", "#...#", "#...#", ".###."}},
    {'P', {"####.", "#...#", "#...#", "####.", "#....", "#....", "#...."}},
    {'Q', {".###.", "#...#", "#...#", "#...#", "#.#.#", "#..#.", ".##.#"}},
    {'R', {"####.", "#...#", "#...#", "####.", "#.#..", "#..#.", "#...#"}},
    {'S', {".####", "#....", "#....", ".###.", "....#", "....#", "####."}},
    {'T', {"#####", "..#..", "..#..", "..#..", "..#..", "..#..", "..#.."}},
    {'U', {"#...#", "#...#", "#...#", "#...#", "#...#", "#...#", ".###."}},
    {'V', {"#...#", "#...#", "#...#", "#...#", "#...#", ".#.#.", "..#.."}},
    {'W', {"#...#", "#...#", "#...#", "#.#.#", "#.#.#", "#.#.#", ".#.#."}},
    {'X', {"#...#", "#...#", ".#.#.", "..#..", ".#.#.", "#...#", "#...#"}},
    {'Y', {"#...#", "#...#", ".#.#.", "..#..", "..#..", "..#..", "..#.."}},
    {'Z', {"#####", "....#", "...#.", "..#..", ".#...", "#....", "#####"}},
    {'[', {".###.", ".#...", ".#...", ".#...", ".#...", ".#...", ".###."}},
    {'\\', {".....", "#....", ".#...", "..#..", "...#.", "....#", "....."}},
    {']', {".###.", "...#.", "...#.", "...#.", "...#.", "...#.", ".###."}},
    {'^', {"..#..", ".#.#.", "#...#", ".....", ".....", ".....", "....."}},
    {'_', {".....", ".....", ".....", ".....", ".....", ".....", "#####"}},
    {'`', {".#...", "..#..", ".....", ".....", ".....", ".....", "....."}},
    {'a', {".....", ".....", ".###.", "....#", ".####", "#...#", ".####"}},
    {'b', {"#....", "#....", "#.##.", "##..#", "#...#", "#...#", "####."}},
    {'c', {".....", ".....", ".###.", "#....", "#....", "#...#", ".###."}},
    {'d', {"....#", "....#", ".##.#", "#..##", "#...#", "#...#", ".####"}},
    {'e', {".....", ".....", ".###.", "#...#", "#####", "#....", ".###."}},
    {'f', {"..##.", ".#..#", ".#...", "###..", ".#...", ".#...", ".#..."}},
    {'g', {".....", ".####", "#...#", "#...#", ".####", "....#", ".###."}},
    {'h', {"#....", "#....", "#.##.", "##..#", "#...#", "#...#", "#...#"}},
    {'i', {"..#..", ".....", ".##..", "..#..", "..#..", "..#..", ".###."}},
    {'j', {"...#.", ".....", "..##.", "...#.", "...#.", "#..#.", ".##.."}},
    {'k', {"#....", "#....", "#..#.", "#.#..", "##...", "#.#..", "#..#."}},
    {'l', {".##..", "..#..", "..#..", "..#..", "..#..", "..#..", ".###."}},
    {'m', {".....", ".....", "##.#.", "#.#.#", "#.#.#", "#...#", "#...#"}},
    {'n', {".....", ".....", "#.##.", "##..#", "#...#", "#...#", "#...#"}},
    {'o', {".....", ".....", ".###.", "#...#", "#...#", "#...#", ".###."}},
    {'p', {".....", ".....", "####.", "#...#", "####.", "#....", "#...."}},
    {'q', {".....", ".....", ".##.#", "#..##", ".####", "....#", "....#"}},
    {'r', {".....", ".....", "#.##.", "##..#", "#....", "#....", "#...."}},
    {'s', {".....", ".....", ".####", "#....", ".###.", "....#", "####."}},
    {'t', {".#...", ".#...", "###..", ".#...", ".#...", ".#..#", "..##."}},
    {'u', {".....", ".....", "#...#", "#...#", "#...#", "#..##", ".##.#"}},
    {'v', {".....", ".....", "#...#", "#...#", "#...#", ".#.#.", "..#.."}},
    {'w', {".....", ".....", "#...#", "#...#", "#.#.#", "#.#.#", ".#.#."}},
    {'x', {".....", ".....", "#...#", ".#.#.", "..#..", ".#.#.", "#...#"}},
    {'y', {".....", ".....", "#...#", "#...#", ".####", "....#", ".###."}},
    {'z', {".....", ".....", "#####", "...#.", "..#..", ".#...", "#####"}},
    {'{', {"...#.", "..#..", "..#..", ".#...", "..#..", "..#..", "...#."}},
    {'|', {"..#..", "..#..", "..#..", "..#..", "..#..", "..#..", "..#.."}},
    {'}', {".#...", "..#..", "..#..", "...#.", "..#..", "..#..", ".#..."}},
    {'~', {".....", ".....", ".#...", "#.#.#", "...#.", ".....", "....."}},
};

constexpr Glyph kMissing = {'?', {"#####", "#...#", "#...#", "#...#", "#...#", "#...#", "#####"}};

const Glyph& FindGlyph(char c) {
    for (const Glyph& g : kGlyphs)
        if (g.ch == c) return g;
    return kMissing;
}
}  // namespace

int TextWidth(std::string_view text, int scale) {
    int best = 0, line = 0;
    for (char c : text) {
        if (c == '\n') { best = std::max(best, line); line = 0; continue; }
        ++line;
    }
    best = std::max(best, line);
    return best == 0 ? 0 : (best * kGlyphAdvance - 1) * scale;
}

void DrawText(Canvas& canvas, int x, int y, std::string_view text, Rgba colour, int scale) {
    int cx = x, cy = y;
    for (char c : text) {
        if (c == '\n') { cx = x; cy += kLineHeight * scale; continue; }
        const Glyph& g = FindGlyph(c);
        for (int r = 0; r < kGlyphHeight; ++r)
            for (int col = 0; col < kGlyphWidth; ++col)
                if (g.rows[r][col] == '#') canvas.FillRect(cx + col * scale, cy + r * scale, scale, scale, colour);
        cx += kGlyphAdvance * scale;
    }
}

void DrawTextOutlined(Canvas& canvas, int x, int y, std::string_view text, Rgba colour, Rgba outline, int scale) {
    // Drop shadow one font pixel down-right, then the outline ring, then the text.
    DrawText(canvas, x + scale, y + 2 * scale, text, outline, scale);
    for (int oy = -1; oy <= 1; ++oy)
        for (int ox = -1; ox <= 1; ++ox)
            if (ox || oy) DrawText(canvas, x + ox * scale, y + oy * scale, text, outline, scale);
    DrawText(canvas, x, y, text, colour, scale);
}

void DrawTextCentred(Canvas& canvas, int cx, int y, std::string_view text, Rgba colour, int scale, bool outlined,
                     Rgba outline) {
    // Each line is centred on its own.
    std::size_t start = 0;
    int line = 0;
    while (start <= text.size()) {
        std::size_t end = text.find('\n', start);
        if (end == std::string_view::npos) end = text.size();
        const std::string_view part = text.substr(start, end - start);
        const int x = cx - TextWidth(part, scale) / 2;
        const int ly = y + line * kLineHeight * scale;
        if (outlined) DrawTextOutlined(canvas, x, ly, part, colour, outline, scale);
        else DrawText(canvas, x, ly, part, colour, scale);
        start = end + 1;
        ++line;
    }
}

void ForEachCell(Canvas& sheet, int cellWidth, int cellHeight, std::span<const int> framesPerRow,
                 const std::function<void(Canvas& cell, int row, int frame, int framesInRow)>& draw) {
    for (int row = 0; row < static_cast<int>(framesPerRow.size()); ++row)
        for (int f = 0; f < framesPerRow[row]; ++f) {
            Canvas cell(cellWidth, cellHeight);
            draw(cell, row, f, framesPerRow[row]);
            sheet.Blit(cell, f * cellWidth, row * cellHeight, /*blend=*/false);
        }
}

std::uint32_t Rng::Next() {
    state_ ^= state_ << 13;
    state_ ^= state_ >> 17;
    state_ ^= state_ << 5;
    return state_;
}

int Rng::Range(int lo, int hi) {
    if (hi <= lo) return lo;
    return lo + static_cast<int>(Next() % static_cast<std::uint32_t>(hi - lo + 1));
}

float Rng::Unit() { return static_cast<float>(Next() >> 8) / 16777216.0f; }

}  // namespace paint
