// The combat painters' shared kit (see art_combat_kit.hpp).
#include "art_combat_kit.hpp"

#include <algorithm>
#include <array>

namespace combat_art {

namespace {

// Opaque pixels of a layer, as a mask.
std::vector<std::uint8_t> SolidMask(const Canvas& layer)
{
    std::vector<std::uint8_t> solid(layer.Pixels().size());
    for (std::size_t i = 0; i < solid.size(); i++)
        solid[i] = layer.Pixels()[i].a >= 128;
    return solid;
}

}  // namespace

void RimShade(Canvas& layer, const Tones& t, int lit, int shade)
{
    const int w = layer.Width(), h = layer.Height();
    const std::vector<std::uint8_t> solid = SolidMask(layer);
    auto in = [&](int x, int y) { return x >= 0 && y >= 0 && x < w && y < h && solid[y * w + x]; };
    for (int y = 0; y < h; y++)
        for (int x = 0; x < w; x++) {
            if (!(layer.Get(x, y) == t.mid))
                continue;
            bool light = false, dark = false;
            for (int k = 1; k <= lit && !light; k++)
                light = !in(x - k, y - k);
            for (int k = 1; k <= shade && !light && !dark; k++)
                dark = !in(x + k, y + k);
            if (light)
                layer.Set(x, y, t.light);
            else if (dark)
                layer.Set(x, y, t.dark);
        }
}

void InkOutline(Canvas& layer, int thickness)
{
    for (int i = 0; i < thickness; i++)
        layer.Outline(pal::Ink);
}

void Halo(Canvas& target, const Canvas& layer, int radius, Rgba colour)
{
    const int w = layer.Width(), h = layer.Height();
    std::vector<std::uint8_t> grown = SolidMask(layer), next(grown.size());
    // Alternate cross and square steps: the grown shape comes out round.
    for (int step = 0; step < radius; step++) {
        const bool square = step % 2 == 1;
        for (int y = 0; y < h; y++)
            for (int x = 0; x < w; x++) {
                std::uint8_t v = grown[y * w + x];
                for (int dy = -1; dy <= 1 && !v; dy++)
                    for (int dx = -1; dx <= 1 && !v; dx++) {
                        if ((dx && dy && !square) || x + dx < 0 || y + dy < 0 || x + dx >= w || y + dy >= h)
                            continue;
                        v = grown[(y + dy) * w + x + dx];
                    }
                next[y * w + x] = v;
            }
        grown.swap(next);
    }
    for (int y = 0; y < h; y++)
        for (int x = 0; x < w; x++)
            if (grown[y * w + x])
                target.Blend(x, y, colour);
}

void Part(Canvas& target, const std::function<void(Canvas&)>& draw, int outline)
{
    Canvas layer(target.Width(), target.Height());
    draw(layer);
    InkOutline(layer, outline);
    target.Blit(layer, 0, 0);
}

void SoftEllipse(Canvas& c, int cx, int cy, int rx, int ry, Rgba colour)
{
    if (rx < 0 || ry < 0)
        return;
    const double rx2 = (rx + 0.5) * (rx + 0.5), ry2 = (ry + 0.5) * (ry + 0.5);
    for (int y = -ry; y <= ry; y++)
        for (int x = -rx; x <= rx; x++)
            if (x * x / rx2 + y * y / ry2 <= 1.0)
                c.Blend(cx + x, cy + y, colour);
}

void SoftCircle(Canvas& c, int cx, int cy, int r, Rgba colour) { SoftEllipse(c, cx, cy, r, r, colour); }

void BlitFaded(Canvas& target, const Canvas& layer, int alpha)
{
    for (int y = 0; y < layer.Height(); y++)
        for (int x = 0; x < layer.Width(); x++) {
            Rgba px = layer.Get(x, y);
            if (px.a == 0)
                continue;
            px.a = static_cast<std::uint8_t>(px.a * std::clamp(alpha, 0, 255) / 255);
            target.Blend(x, y, px);
        }
}

void Silhouette(Canvas& layer, Rgba colour)
{
    for (Rgba& px : layer.Pixels())
        if (px.a)
            px = colour.WithAlpha(static_cast<std::uint8_t>(px.a * colour.a / 255));
}

void Dissolve(Canvas& layer, int level)
{
    static constexpr int kBayer[4][4] = {{0, 8, 2, 10}, {12, 4, 14, 6}, {3, 11, 1, 9}, {15, 7, 13, 5}};
    for (int y = 0; y < layer.Height(); y++)
        for (int x = 0; x < layer.Width(); x++)
            if (kBayer[y & 3][x & 3] < level)
                layer.Set(x, y, pal::Clear);
}

void DrawBillows(Canvas& c, const std::vector<Billow>& billows, int outline, int dissolve)
{
    if (billows.empty())
        return;
    float top = 1e9f, bottom = -1e9f, left = 1e9f, right = -1e9f;
    for (const Billow& b : billows) {
        top = std::min(top, b.y - b.r), bottom = std::max(bottom, b.y + b.r);
        left = std::min(left, b.x - b.r), right = std::max(right, b.x + b.r);
    }
    Canvas layer(c.Width(), c.Height());
    const int x0 = std::max(0, static_cast<int>(left) - 1), x1 = std::min(c.Width(), static_cast<int>(right) + 2);
    const int y0 = std::max(0, static_cast<int>(top) - 1), y1 = std::min(c.Height(), static_cast<int>(bottom) + 2);
    for (int y = y0; y < y1; y++)
        for (int x = x0; x < x1; x++) {
            // The front-most billow under the pixel decides its tone.
            for (auto it = billows.rbegin(); it != billows.rend(); ++it) {
                const float dx = (x + 0.5f - it->x) / it->r, dy = (y + 0.5f - it->y) / it->r;
                const float d2 = dx * dx + dy * dy;
                if (it->r < 0.5f || d2 > 1.f)
                    continue;
                // A lit crescent on the top left, a shadowed one on the bottom right.
                const V2 l = it->light;
                const float lx = dx + l.x * 0.34f, ly = dy + l.y * 0.34f;
                const float sx = dx - l.x * 0.37f, sy = dy - l.y * 0.37f;
                const float low = (y - top) / std::max(1.f, bottom - top);
                const Tones& t = *it->tones;
                Rgba tone = t.mid;
                if (lx * lx + ly * ly > 0.86f && dx * l.x + dy * l.y > 0.f)
                    tone = t.light;
                else if (sx * sx + sy * sy > 1.1f || (low > 0.8f && dy > 0.4f && (x + y) % 2 == 0))
                    tone = t.dark;
                layer.Set(x, y, tone);
                break;
            }
        }
    InkOutline(layer, outline);
    Dissolve(layer, dissolve);
    c.Blit(layer, 0, 0);
}

void DrawCloud(Canvas& c, const std::vector<Billow>& billows)
{
    if (billows.empty())
        return;
    const Tones& t = *billows.front().tones;
    Canvas layer(c.Width(), c.Height());
    float top = 1e9f, bottom = -1e9f;
    for (const Billow& b : billows) {
        layer.FillCircle(Round(b.x), Round(b.y), Round(b.r), t.mid);
        top = std::min(top, b.y - b.r), bottom = std::max(bottom, b.y + b.r);
    }
    RimShade(layer, t, 3, 2);
    // The underside in shadow, dithered into the body above it.
    for (int y = std::max(0, static_cast<int>(top)); y < std::min(c.Height(), static_cast<int>(bottom) + 1); y++) {
        const float low = (y - top) / std::max(1.f, bottom - top);
        for (int x = 0; x < c.Width(); x++)
            if (layer.Get(x, y) == t.mid && (low > 0.8f || (low > 0.66f && (x + y) % 2 == 0)))
                layer.Set(x, y, t.dark);
    }
    // Each billow's upper-left edge catches the light where it lies over the mass.
    for (std::size_t i = 1; i < billows.size(); i++) {
        const Billow& b = billows[i];
        for (float a = 3.3f; a < 4.9f; a += 0.5f / std::max(4.f, b.r)) {
            for (float d : {b.r - 1.f, b.r - 2.f}) {
                const int x = Round(b.x + std::cos(a) * d), y = Round(b.y + std::sin(a) * d);
                if (layer.Get(x, y) == t.mid || layer.Get(x, y) == t.dark)
                    layer.Set(x, y, t.light);
            }
        }
    }
    InkOutline(layer);
    c.Blit(layer, 0, 0);
}

void StarFlash(Canvas& c, int cx, int cy, int radius, Rgba rays, int turn)
{
    for (int k = 0; k < 12; k++) {
        const V2 d = Dir(kTau * k / 12.f + turn * 0.13f);
        const float len = radius * (k % 2 ? 0.55f : 1.f);
        const V2 a = V2{static_cast<float>(cx), static_cast<float>(cy)} + d * (radius * 0.25f), b = a + d * len;
        c.Line(Round(a.x), Round(a.y), Round(b.x), Round(b.y), k % 2 ? rays : pal::White, radius >= 16 ? 2 : 1);
    }
    c.FillCircle(cx, cy, std::max(1, radius / 4), rays);
    c.FillCircle(cx, cy, std::max(1, radius / 6), pal::White);
}

void Glint(Canvas& c, int x, int y, int arm, Rgba colour)
{
    c.FillRect(x - arm, y, 2 * arm + 1, 1, colour);
    c.FillRect(x, y - arm, 1, 2 * arm + 1, colour);
    if (arm >= 2)
        c.FillRect(x - 1, y - 1, 3, 3, colour);
    c.Set(x, y, pal::White);
}

// ---- Sword ---------------------------------------------------------------------

void DrawSword(Canvas& c, V2 hilt, V2 dir, float length, float width)
{
    const float n = std::max(0.001f, std::hypot(dir.x, dir.y));
    const V2 u = dir * (1.f / n), v = Side(u);
    // The light comes from the top left: the half of the blade facing it is bright.
    const V2 toLight = (v.x + v.y) < 0.f ? v : v * -1.f;
    const float hw = width / 2.f, gt = std::max(1.5f, width * 0.28f);
    const V2 base = hilt + u * gt;
    const float tipLen = std::min(length * 0.3f, hw * 2.4f);
    const V2 shoulder = base + u * (length - tipLen), tip = base + u * length;

    const std::array<Point, 5> blade{P(base + v * hw), P(shoulder + v * hw), P(tip),
                                     P(shoulder - v * hw), P(base - v * hw)};
    c.FillPolygon(blade, pal::Stone1);
    const std::array<Point, 5> litHalf{P(base + toLight * hw), P(shoulder + toLight * hw), P(tip), P(shoulder),
                                       P(base)};
    c.FillPolygon(litHalf, pal::Stone2);
    if (width >= 6.f) {  // the fuller and the bright edge
        const V2 f0 = base + u * 2.f, f1 = base + u * (length * 0.62f);
        c.Line(Round(f0.x), Round(f0.y), Round(f1.x), Round(f1.y), pal::Stone0);
        const V2 e0 = base + toLight * (hw - 1.f), e1 = shoulder + toLight * (hw - 1.f);
        c.Line(Round(e0.x), Round(e0.y), Round(e1.x), Round(e1.y), pal::White);
    }

    const float gh = width * 1.6f;
    const std::array<Point, 4> guard{P(hilt + v * gh - u * gt), P(hilt + v * gh + u * gt), P(hilt - v * gh + u * gt),
                                     P(hilt - v * gh - u * gt)};
    c.FillPolygon(guard, pal::Lantern0);
    const V2 litU = (u.x + u.y) < 0.f ? u : u * -1.f;
    const V2 g0 = hilt + v * gh + litU * (gt - 1.f), g1 = hilt - v * gh + litU * (gt - 1.f);
    c.Line(Round(g0.x), Round(g0.y), Round(g1.x), Round(g1.y), pal::Lantern1);
    for (float s : {1.f, -1.f}) {
        const Point knob = P(hilt + v * (gh * s));
        c.FillCircle(knob.x, knob.y, std::max(1, Round(gt)), pal::Lantern0);
    }

    const float gl = std::max(4.f, width * 1.25f), gw = std::max(1.f, hw * 0.45f);
    const V2 g2 = hilt - u * gt, g3 = hilt - u * (gt + gl);
    const std::array<Point, 4> grip{P(g2 + v * gw), P(g3 + v * gw), P(g3 - v * gw), P(g2 - v * gw)};
    c.FillPolygon(grip, pal::Wood1);
    for (float s = 2.f; s < gl; s += 3.f) {  // the leather wrap
        const V2 a = g2 - u * s + v * gw, b = g2 - u * (s + 1.f) - v * gw;
        c.Line(Round(a.x), Round(a.y), Round(b.x), Round(b.y), pal::Wood2);
    }
    const float pr = std::max(1.5f, width * 0.42f);
    const Point pommel = P(g3 - u * (pr * 0.7f));
    c.FillCircle(pommel.x, pommel.y, Round(pr), pal::Lantern0);
    c.Set(pommel.x - Round(pr / 2.f), pommel.y - Round(pr / 2.f), pal::Lantern1);
}

// ---- Anvil -----------------------------------------------------------------------

namespace {

// The anvil's outline in the unit box, horn tip first, clockwise.
constexpr std::array<V2, 27> kAnvilShape{{
    {0.00f, 0.21f}, {0.10f, 0.13f}, {0.22f, 0.09f}, {0.29f, 0.05f}, {0.97f, 0.05f}, {1.00f, 0.08f},
    {1.00f, 0.30f}, {0.92f, 0.34f}, {0.76f, 0.37f}, {0.69f, 0.46f}, {0.68f, 0.62f}, {0.73f, 0.70f},
    {0.86f, 0.74f}, {0.91f, 0.80f}, {0.91f, 1.00f}, {0.66f, 1.00f}, {0.61f, 0.92f}, {0.39f, 0.92f},
    {0.34f, 1.00f}, {0.09f, 1.00f}, {0.09f, 0.80f}, {0.14f, 0.74f}, {0.27f, 0.70f}, {0.32f, 0.62f},
    {0.31f, 0.46f}, {0.25f, 0.37f}, {0.07f, 0.27f},
}};

}  // namespace

namespace {

// An anchor stamped into the iron: sunk lines with a lit lower edge.
void StampAnchor(Canvas& c, int cx, int cy, int size)
{
    auto mark = [&](int dx, int dy, Rgba ink) {
        const int t = std::max(1, size / 12);
        c.Line(cx + dx, cy - size / 2 + dy, cx + dx, cy + size / 2 + dy, ink, t);
        c.Line(cx - size / 4 + dx, cy - size / 4 + dy, cx + size / 4 + dx, cy - size / 4 + dy, ink, t);
        c.StrokeCircle(cx + dx, cy - size / 2 - size / 8 + dy, std::max(1, size / 8), ink);
        for (int i = 0; i < 8; i++) {  // the arms, a smile of an arc
            const float a0 = kPi * (0.12f + 0.76f * i / 8.f), a1 = kPi * (0.12f + 0.76f * (i + 1) / 8.f);
            const float r = size * 0.42f;
            c.Line(cx + dx + Round(std::cos(a0) * r), cy + dy + Round(std::sin(a0) * r),
                   cx + dx + Round(std::cos(a1) * r), cy + dy + Round(std::sin(a1) * r), ink, t);
        }
    };
    mark(1, 1, pal::Stone2);
    mark(0, 0, pal::Stone0);
}

}  // namespace

void DrawAnvil(Canvas& c, int x, int y, int w, int h)
{
    auto at = [&](float fx, float fy) { return Point{x + Round(fx * w), y + Round(fy * h)}; };
    std::array<Point, kAnvilShape.size()> shape{};
    for (std::size_t i = 0; i < shape.size(); i++)
        shape[i] = at(kAnvilShape[i].x, kAnvilShape[i].y);
    c.FillPolygon(shape, pal::Stone1);
    RimShade(c, kAnvilIron, std::max(1, w / 140), std::max(2, w / 45));
    const bool big = w >= 150;

    // Iron is round: across each row of the body it is lit on the left and
    // turns away into shadow on the right, dithered between; low down,
    // away from the light, it darkens.
    const int order[4] = {0, 2, 3, 1};
    for (int yy = y; yy < y + h; yy++) {
        const float low = static_cast<float>(yy - y) / h;
        int xx = x;
        while (xx < x + w) {
            while (xx < x + w && c.Get(xx, yy).a == 0)
                xx++;
            const int left = xx;
            while (xx < x + w && c.Get(xx, yy).a != 0)
                xx++;
            const int right = xx;
            for (int px = left; px < right; px++) {
                if (!(c.Get(px, yy) == pal::Stone1))
                    continue;
                const float u = static_cast<float>(px - left) / std::max(1, right - left);
                const int dither = order[(px & 1) + (yy & 1) * 2];
                const float shadow = u + 0.35f * low;
                if (u < 0.1f || (u < 0.2f && dither < 2))
                    c.Set(px, yy, pal::Stone2);
                else if (shadow > 1.0f || (shadow > 0.82f && dither < 2) || (shadow > 0.7f && dither < 1))
                    c.Set(px, yy, pal::Stone0);
            }
        }
    }

    // The working face, seen from a little above: a bright plate with a
    // shadow under its overhang; the horn's crest catches the light.
    const int faceTop = y + Round(0.05f * h), faceH = std::max(2, Round(0.06f * h));
    const Point f0 = at(0.29f, 0.05f), f1 = at(0.97f, 0.05f);
    const std::array<Point, 5> face{f0, f1, Point{f1.x, faceTop + faceH}, Point{f0.x - faceH, faceTop + faceH},
                                    at(0.2f, 0.095f)};
    c.FillPolygon(face, pal::Stone2);
    c.FillRect(f0.x + 2, faceTop, f1.x - f0.x - 4, std::max(1, faceH / 4), pal::White);
    const Point h0 = at(0.02f, 0.20f), h1 = at(0.2f, 0.095f);
    c.Line(h0.x, h0.y, h1.x, h1.y, pal::Stone2, std::max(1, w / 100));
    const int under = faceTop + faceH;
    for (int yy = under; yy < under + std::max(2, h / 24); yy++)
        for (int xx = x; xx < x + w; xx++)
            if (c.Get(xx, yy) == pal::Stone1 || c.Get(xx, yy) == pal::Stone2)
                c.Set(xx, yy, pal::Stone0);
    const Point hole = at(0.84f, 0.055f);
    c.FillRect(hole.x, hole.y, std::max(2, w / 22), std::max(1, faceH / 2), pal::Ink);
    if (!big)
        return;

    StampAnchor(c, x + w / 2, y + Round(0.56f * h), std::max(8, w / 9));
    // Rust weeps down from the face's edge and creeps up from the floor.
    paint::Rng rng(0xA7F1u + static_cast<std::uint32_t>(w));
    auto rusty = [&](int px, int py) {
        const Rgba here = c.Get(px, py);
        return here == pal::Stone0 || here == pal::Stone1 || here == pal::Stone2;
    };
    const int order2[4] = {0, 2, 3, 1};
    for (int i = 0; i < 9; i++) {
        const int sx = x + Round((0.3f + 0.66f * rng.Unit()) * w), sw = rng.Range(3, 8);
        const int len = rng.Range(h / 10, h / 4);
        for (int dy = 0; dy < len; dy++)
            for (int dx = 0; dx < sw - dy * sw / (len + 1) / 2; dx++) {
                const int px = sx + dx, py = under + dy;
                const int level = 4 - dy * 4 / len;  // thinning out downwards
                if (rusty(px, py) && order2[(px & 1) + (py & 1) * 2] < level)
                    c.Set(px, py, dy < len / 3 ? pal::Wood2 : pal::Wood1);
            }
    }
    const int band = std::max(4, h / 30);
    for (int py = y + h - band; py < y + h; py++)
        for (int px = x; px < x + w; px++) {
            const int level = 1 + (py - (y + h - band)) * 3 / band;
            if (rusty(px, py) && order2[(px & 1) + (py & 1) * 2] < level && (px / 9 + py) % 5 != 0)
                c.Set(px, py, (px / 5) % 3 ? pal::Wood1 : pal::Wood2);
        }
    for (float fx : {0.12f, 0.68f}) {  // barnacles crusting the feet
        const Point b0 = at(fx, 0.86f), b1 = at(fx + 0.2f, 0.97f);
        world_art::Barnacles(c, b0.x, b0.y, b1.x - b0.x, b1.y - b0.y, rng.Next(), 14);
    }
}

// ---- Tentacle -------------------------------------------------------------------

V2 DrawTentacle(Canvas& c, V2 base, const TentacleShape& s, const Tones& t)
{
    const int n = std::max(2, Round(s.length));
    std::vector<V2> pts;
    std::vector<float> rad, heading;
    V2 p = base;
    float th = -kPi / 2.f;  // up
    for (int i = 0; i <= n; i++) {
        const float q = static_cast<float>(i) / n;
        pts.push_back(p);
        rad.push_back(s.radius * (1.f - 0.86f * q) + 0.6f);
        heading.push_back(th);
        // Curvature per unit of the tentacle's length: a sway that travels
        // up it with the phase, and a curl that tightens at the tip.
        const float k = s.bend * 2.2f * std::cos(s.phase + 2.6f * q) + s.curl * 7.f * q * q * q;
        th += k / n;
        p = p + Dir(th);
    }
    Canvas body(c.Width(), c.Height());
    for (int i = 0; i <= n; i++)
        body.FillCircle(Round(pts[i].x), Round(pts[i].y), Round(rad[i]), t.mid);
    RimShade(body, t, std::max(1, Round(s.radius / 5.f)), std::max(2, Round(s.radius / 2.5f)));
    for (int i = 0; i <= n * 4 / 5; i += 2) {  // a gloss along the lit side
        const V2 d = Dir(heading[i]);
        V2 toLight{d.y, -d.x};
        if (toLight.x + toLight.y > 0.f)
            toLight = toLight * -1.f;
        const V2 at = pts[i] + toLight * (rad[i] * 0.5f);
        if (rad[i] >= 4.f)
            body.FillRect(Round(at.x), Round(at.y), 2, 2, t.light);
    }
    // Suckers on the side the tip rolls towards.
    const float inner = s.curl >= 0.f ? 1.f : -1.f;
    int next = 2;
    for (int i = 0; i <= n * 9 / 10; i++) {
        if (i < next)
            continue;
        const V2 d = Dir(heading[i]);
        const V2 right{-d.y * inner, d.x * inner};
        const V2 at = pts[i] + right * (rad[i] * 0.6f);
        const int r = std::max(1, Round(rad[i] * 0.3f));
        body.FillCircle(Round(at.x), Round(at.y), r, pal::Pink);
        if (r >= 2)
            body.Set(Round(at.x), Round(at.y), t.dark);
        next = i + std::max(3, Round(rad[i] * 1.5f));
    }
    c.Blit(body, 0, 0);
    return pts.back();
}

// ---- Bolt -------------------------------------------------------------------------

std::vector<V2> BoltPath(paint::Rng& rng, V2 a, V2 b, int segments, float jitter)
{
    std::vector<V2> path{a};
    const V2 d = b - a;
    const float len = std::max(1.f, std::hypot(d.x, d.y));
    const V2 side{-d.y / len, d.x / len};
    for (int i = 1; i < segments; i++) {
        const float q = static_cast<float>(i) / segments;
        const float off = (rng.Unit() * 2.f - 1.f) * jitter;
        path.push_back(a + d * q + side * off);
    }
    path.push_back(b);
    return path;
}

void DrawBolt(Canvas& c, const std::vector<V2>& path, int width)
{
    Canvas glow(c.Width(), c.Height());
    for (std::size_t i = 0; i + 1 < path.size(); i++)
        glow.Line(Round(path[i].x), Round(path[i].y), Round(path[i + 1].x), Round(path[i + 1].y), pal::Lantern0,
                  width + 6);
    for (Rgba& px : glow.Pixels())
        if (px.a)
            px.a = 110;
    c.Blit(glow, 0, 0);
    for (std::size_t i = 0; i + 1 < path.size(); i++)
        c.Line(Round(path[i].x), Round(path[i].y), Round(path[i + 1].x), Round(path[i + 1].y), pal::Lantern1, width);
    for (std::size_t i = 0; i + 1 < path.size(); i++)
        c.Line(Round(path[i].x), Round(path[i].y), Round(path[i + 1].x), Round(path[i + 1].y), pal::White,
               std::max(1, width / 3));
}

// ---- Imp ----------------------------------------------------------------------------

namespace {

// A bat wing from the shoulder, raised by lift (-1 down .. 1 up): three
// fingers from the wrist, the skin scalloped between them.
void DrawWing(Canvas& c, V2 shoulder, float size, float lift, const Tones& t)
{
    // The wing drawn pointing back (-x), then turned up by the lift.
    static constexpr std::array<V2, 9> kWing{{{0.f, 0.f}, {-12.f, -9.f}, {-30.f, -6.f}, {-23.f, 0.f}, {-25.f, 8.f},
                                             {-16.f, 5.f}, {-14.f, 13.f}, {-7.f, 8.f}, {-1.f, 10.f}}};
    const float turn = 0.25f + 0.9f * lift;
    const float ca = std::cos(turn), sa = std::sin(turn);
    std::array<V2, 9> pts{};
    for (std::size_t i = 0; i < kWing.size(); i++) {
        const V2 p = kWing[i] * size;
        pts[i] = shoulder + V2{p.x * ca - p.y * sa, p.x * sa + p.y * ca};
    }
    std::array<Point, 9> skin{};
    for (std::size_t i = 0; i < pts.size(); i++)
        skin[i] = P(pts[i]);
    c.FillPolygon(skin, t.mid);
    const std::array<Point, 3> litPart{P(pts[0]), P(pts[1]), P(pts[2] + (pts[3] - pts[2]) * 0.4f)};
    c.FillPolygon(litPart, t.light);
    const int bone = std::max(1, Round(size));
    c.Line(skin[0].x, skin[0].y, skin[1].x, skin[1].y, t.dark, bone);
    for (int finger : {2, 4, 6})
        c.Line(skin[1].x, skin[1].y, skin[finger].x, skin[finger].y, t.dark, 1);
    c.FillRect(skin[1].x - 1, skin[1].y - 1, 2, 2, pal::Bone);  // the claw at the wrist
}

}  // namespace

void DrawImp(Canvas& c, V2 centre, float size, float flap)
{
    const float s = size;
    const float lift = std::sin(kTau * flap);
    const V2 body = centre + V2{0.f, static_cast<float>(Round(2.f * lift))};  // a down-beat lifts it
    const Tones backWing{pal::Ink, pal::Night0, pal::Night1};
    Part(c, [&](Canvas& l) { DrawWing(l, body + V2{6.f * s, -8.f * s}, s * 0.9f, std::sin(kTau * flap - 0.4f), backWing); });
    Part(c, [&](Canvas& l) {  // the tail, waving behind
        V2 prev = body + V2{-9.f * s, 6.f * s};
        V2 dir{-1.f, 0.f};
        for (int i = 1; i <= 12; i++) {
            const float q = i / 12.f;
            const V2 p = body + V2{-9.f * s - 22.f * s * q,
                                   6.f * s + 7.f * s * q * std::sin(kTau * (flap + q * 0.7f)) - 3.f * s * q};
            l.Line(Round(prev.x), Round(prev.y), Round(p.x), Round(p.y), pal::Rust1,
                   std::max(1, Round(2.f * s * (1.f - 0.5f * q))));
            dir = p - prev;
            prev = p;
        }
        const float len = std::max(0.01f, std::hypot(dir.x, dir.y));
        const V2 u = dir * (1.f / len), v = Side(u);
        const std::array<Point, 4> spade{P(prev - v * (3.5f * s)), P(prev + u * (5.f * s)), P(prev + v * (3.5f * s)),
                                         P(prev + u * (1.f * s))};
        l.FillPolygon(spade, pal::Rust1);
    });
    Part(c, [&](Canvas& l) {
        for (float fx : {-4.f, 5.f})  // little clawed feet
            l.FillEllipse(Round(body.x + fx * s), Round(body.y + 12.f * s), Round(2.5f * s), Round(1.5f * s), pal::Rust0);
        for (float hx : {-6.f, 4.f}) {  // horns swept back
            const std::array<Point, 3> horn{P(body + V2{hx * s - 3.f * s, -8.f * s}), P(body + V2{hx * s + 3.f * s, -9.f * s}),
                                            P(body + V2{hx * s - 3.f * s, -17.f * s})};
            l.FillPolygon(horn, pal::Bone);
            l.Line(horn[0].x, horn[0].y, horn[2].x, horn[2].y, pal::Sand1);
        }
        l.FillEllipse(Round(body.x), Round(body.y), Round(13.f * s), Round(12.f * s), kImpSkin.mid);
        RimShade(l, kImpSkin, std::max(1, Round(2.f * s)), std::max(2, Round(3.f * s)));
        l.FillEllipse(Round(body.x + 3.f * s), Round(body.y + 6.f * s), Round(6.f * s), Round(4.f * s), pal::Rust0);
        l.FillEllipse(Round(body.x + 3.f * s), Round(body.y + 5.f * s), Round(5.f * s), Round(3.f * s), pal::Coral);
    });
    // The face: glowing eyes under a scowl, a fanged grin.
    for (float ex : {3.f, 9.f}) {
        const int x = Round(body.x + ex * s), y = Round(body.y - 3.f * s);
        c.FillEllipse(x, y, std::max(1, Round(2.5f * s)), std::max(1, Round(3.f * s)), pal::Lantern1);
        c.FillRect(x + std::max(0, Round(0.5f * s)), y - Round(s), std::max(1, Round(1.5f * s)), std::max(2, Round(3.f * s)),
                   pal::Ink);
    }
    c.Line(Round(body.x + 0.f * s), Round(body.y - 9.f * s), Round(body.x + 6.f * s), Round(body.y - 6.f * s), pal::Ink,
           std::max(2, Round(1.5f * s)));
    c.Line(Round(body.x + 6.f * s), Round(body.y - 6.f * s), Round(body.x + 12.f * s), Round(body.y - 9.f * s), pal::Ink,
           std::max(2, Round(1.5f * s)));
    c.Line(Round(body.x + 3.f * s), Round(body.y + 3.f * s), Round(body.x + 11.f * s), Round(body.y + 2.f * s), pal::Ink,
           std::max(1, Round(s * 0.8f)));
    c.FillRect(Round(body.x + 8.f * s), Round(body.y + 3.f * s), std::max(1, Round(s)), std::max(1, Round(2.f * s)),
               pal::White);
    Part(c, [&](Canvas& l) { DrawWing(l, body + V2{-3.f * s, -6.f * s}, s * 1.1f, lift, kImpWing); });
}

// ---- Bomb ---------------------------------------------------------------------------

void DrawBomb(Canvas& c, V2 centre, float r, float angle, float spark)
{
    const V2 up = Dir(-kPi / 2.f + angle), side = Side(up) * -1.f;  // side: clockwise of up
    const V2 capBase = centre + up * (r - 3.f), capTop = centre + up * (r + 3.f);
    // The fuse curls off the cap; its end burns.
    const V2 f1 = capTop + up * 5.f + side * 3.f, f2 = f1 + up * 4.f + side * 6.f;
    Part(c, [&](Canvas& l) {
        l.Line(Round(capTop.x), Round(capTop.y), Round(f1.x), Round(f1.y), pal::Sand1, 2);
        l.Line(Round(f1.x), Round(f1.y), Round(f2.x), Round(f2.y), pal::Sand1, 2);
        l.Set(Round(f1.x), Round(f1.y), pal::Sand0);
        l.FillCircle(Round(centre.x), Round(centre.y), Round(r), kIron.mid);
        RimShade(l, kIron, 3, 4);
        for (float a = 3.5f; a < 4.6f; a += 0.04f) {  // a gleam along the lit shoulder
            const V2 g = centre + Dir(a) * (r - 4.f);
            l.FillRect(Round(g.x), Round(g.y), 2, 2, pal::Night2);
        }
        l.FillRect(Round(centre.x - r * 0.52f), Round(centre.y - r * 0.5f), 2, 2, pal::White);
        const std::array<Point, 4> cap{P(capBase + side * (r * 0.38f)), P(capTop + side * (r * 0.3f)),
                                       P(capTop - side * (r * 0.3f)), P(capBase - side * (r * 0.38f))};
        l.FillPolygon(cap, pal::Lantern0);
        l.Line(cap[1].x, cap[1].y, cap[2].x, cap[2].y, pal::Lantern1);
        l.Line(cap[0].x, cap[0].y, cap[3].x, cap[3].y, pal::Wood2);
    });
    // The rune: a ring with a three-pronged mark, turning with the ball.
    const float rr = r * 0.48f;
    Canvas rune(c.Width(), c.Height());
    rune.StrokeCircle(Round(centre.x), Round(centre.y), Round(rr), pal::Sea2);
    for (int i = 0; i < 3; i++) {
        const V2 d = Dir(angle + kTau * i / 3.f - kPi / 2.f);
        const V2 a = centre + d * (rr * 0.25f), b = centre + d * (rr * 0.8f);
        rune.Line(Round(a.x), Round(a.y), Round(b.x), Round(b.y), pal::Foam);
        const V2 hook = b + Dir(angle + kTau * i / 3.f) * (rr * 0.35f);
        rune.Line(Round(b.x), Round(b.y), Round(hook.x), Round(hook.y), pal::Sea2);
    }
    Halo(c, rune, 1, pal::Sea1.WithAlpha(150));
    c.Blit(rune, 0, 0);
    // The flame: a glint that flickers, embers shed behind.
    const V2 flame = f2 + up * 1.f;
    SoftCircle(c, Round(flame.x), Round(flame.y), 3 + Round(spark * 2.f), pal::Lantern0.WithAlpha(120));
    Glint(c, Round(flame.x), Round(flame.y), 2 + Round(spark * 2.f), pal::Lantern1);
    c.Set(Round(flame.x) + 1, Round(flame.y) - 1, pal::Coral);
}

}  // namespace combat_art
