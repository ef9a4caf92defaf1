// The spell cards: six faces on one strip (each the spell's icon in a
// window of its own colour, its name under it), the deck icon and the recap
// board's card icon (card backs).
//
// A player picks a card from the hand in a glance, so the six differ three
// ways at once: the window's colour family, the icon's shape and the name.
#include <algorithm>
#include <array>
#include <cctype>
#include <string>

#include "art_combat_kit.hpp"

namespace combat_art {

namespace {

// Window colours by spell kind: teal, rust, sand, kelp, night, violet.
constexpr std::array<CardColours, kSpellCardKinds> kCardColours{{
    {pal::Sea0, pal::Sea1, pal::Sea2},
    {pal::Rust0, pal::Rust1, pal::Coral},
    {pal::Wood2, pal::Sand1, pal::Sand2},
    {pal::Kelp0, pal::Kelp1, pal::Kelp2},
    {pal::Ink, pal::Night0, pal::Deep1},
    {pal::Night1, pal::Violet, pal::Pink},
}};

void Stud(Canvas& c, int x, int y)
{
    c.FillCircle(x, y, 3, pal::Ink);
    c.FillCircle(x, y, 2, pal::Lantern0);
    c.Set(x - 1, y - 1, pal::Lantern1);
}

// The window's backdrop: its colour, darker low down, a soft light behind
// the icon.
void Window(Canvas& c, const Box& b, const CardColours& k)
{
    c.FillRect(b.x, b.y, b.w, b.h, k.mid);
    c.DitherRect(b.x, b.y + b.h * 2 / 3, b.w, b.h - b.h * 2 / 3, k.deep, 8);
    c.DitherRect(b.x, b.y + b.h * 5 / 6, b.w, b.h - b.h * 5 / 6, k.deep, 16);
    Canvas light(c.Width(), c.Height());
    light.FillCircle(b.x + b.w / 2, b.y + b.h / 2 - 4, b.w * 2 / 5, k.light);
    for (int y = b.y; y < b.y + b.h; y++)
        for (int x = b.x; x < b.x + b.w; x++) {
            const int dx = x - (b.x + b.w / 2), dy = y - (b.y + b.h / 2 - 4);
            const bool inner = dx * dx + dy * dy < (b.w / 4) * (b.w / 4);
            if (light.Get(x, y).a && (inner || (x + y) % 2 == 0))
                c.Set(x, y, k.light);
        }
    c.StrokeRect(b.x - 1, b.y - 1, b.w + 2, b.h + 2, pal::Ink);
    c.FillRect(b.x, b.y, b.w, 1, Shade(k.deep, 0.8f));  // the frame's shadow on it
    c.FillRect(b.x, b.y, 1, b.h, Shade(k.deep, 0.8f));
}

}  // namespace

Box DrawCardFrame(Canvas& c, int x, int y, int w, int h, const CardColours& colours)
{
    c.FillRoundRect(x, y, w, h, 9, pal::Ink);
    c.FillRoundRect(x + 1, y + 1, w - 2, h - 2, 8, pal::Wood2);
    c.FillRoundRect(x + 3, y + 3, w - 5, h - 5, 7, pal::Wood1);
    c.FillRect(x + 8, y + 2, w - 16, 1, pal::Wood3);  // lit top and left edges
    c.FillRect(x + 2, y + 8, 1, h - 16, pal::Wood3);
    paint::Rng rng(static_cast<std::uint32_t>(w * 31 + h));
    for (int i = 0; i < 6; i++) {  // grain along the frame
        const int gy = y + 4 + rng.Range(0, 2), gx = x + 10 + rng.Range(0, w - 40);
        c.FillRect(gx, gy, rng.Range(8, 20), 1, pal::Wood0);
        const int vy = y + 12 + rng.Range(0, h - 40), vx = x + (i % 2 ? 4 : w - 5);
        c.FillRect(vx, vy, 1, rng.Range(8, 24), pal::Wood0);
    }
    const int inset = 7;
    c.FillRect(x + inset, y + inset, w - 2 * inset, h - 2 * inset, pal::Sand2);
    c.StrokeRect(x + inset - 1, y + inset - 1, w - 2 * inset + 2, h - 2 * inset + 2, pal::Ink);
    c.DitherRect(x + inset, y + h - inset - 10, w - 2 * inset, 10, pal::Sand1, 6);
    const Box window{x + inset + 4, y + inset + 4, w - 2 * inset - 8, (h - 2 * inset) * 7 / 10};
    Window(c, window, colours);
    for (int sx : {x + 4, x + w - 5})
        for (int sy : {y + 4, y + h - 5})
            Stud(c, sx, sy);
    return window;
}

void DrawCardBack(Canvas& c, int x, int y, int w, int h)
{
    const CardColours sea{pal::Deep0, pal::Deep1, pal::Sea0};
    c.FillRoundRect(x, y, w, h, 9, pal::Ink);
    c.FillRoundRect(x + 1, y + 1, w - 2, h - 2, 8, pal::Wood2);
    c.FillRoundRect(x + 3, y + 3, w - 5, h - 5, 7, pal::Wood1);
    c.FillRect(x + 8, y + 2, w - 16, 1, pal::Wood3);
    c.FillRect(x + 2, y + 8, 1, h - 16, pal::Wood3);
    const int inset = std::max(5, w / 20);
    const Box b{x + inset, y + inset, w - 2 * inset, h - 2 * inset};
    c.FillRect(b.x, b.y, b.w, b.h, sea.mid);
    for (int wy = b.y + 6; wy < b.y + b.h - 2; wy += 9)  // rows of little waves
        for (int wx = b.x + ((wy / 9) % 2) * 5; wx < b.x + b.w - 6; wx += 10) {
            c.FillRect(wx, wy, 3, 1, sea.light);
            c.FillRect(wx + 3, wy - 1, 2, 1, sea.light);
        }
    c.StrokeRect(b.x - 1, b.y - 1, b.w + 2, b.h + 2, pal::Ink);
    c.StrokeRect(b.x + 2, b.y + 2, b.w - 4, b.h - 4, pal::Lantern0);
    // The bomb's rune in a brass ring, the same mark a thrown spell shows.
    const int cx = b.x + b.w / 2, cy = b.y + b.h / 2, r = std::min(b.w, b.h) * 3 / 10;
    c.FillCircle(cx, cy, r + 2, pal::Ink);
    c.FillCircle(cx, cy, r + 1, pal::Lantern0);
    c.FillCircle(cx, cy, r - 1, pal::Deep0);
    c.StrokeCircle(cx, cy, r - 1, pal::Wood2);
    const float rr = r * 0.62f;
    const int stroke = std::max(1, r / 14);
    for (int k = 0; k < stroke; k++)
        c.StrokeCircle(cx, cy, Round(rr) - k, pal::Sea2);
    for (int i = 0; i < 3; i++) {
        const V2 d = Dir(kTau * i / 3.f - kPi / 2.f);
        const V2 a = V2{static_cast<float>(cx), static_cast<float>(cy)} + d * (rr * 0.25f);
        const V2 e = V2{static_cast<float>(cx), static_cast<float>(cy)} + d * (rr * 0.8f);
        c.Line(Round(a.x), Round(a.y), Round(e.x), Round(e.y), pal::Foam, stroke);
        const V2 hook = e + Dir(kTau * i / 3.f) * (rr * 0.35f);
        c.Line(Round(e.x), Round(e.y), Round(hook.x), Round(hook.y), pal::Sea2, stroke);
    }
    for (int sx : {x + 4, x + w - 5})
        for (int sy : {y + 4, y + h - 5})
            Stud(c, sx, sy);
}

void DrawSpellIcon(Canvas& c, int kind, const Box& b)
{
    const float cx = b.x + b.w / 2.f, cy = b.y + b.h / 2.f;
    Canvas icon(c.Width(), c.Height());
    switch (kind) {
    case SPELL_SWORD: {
        DrawSword(icon, {b.x + b.w * 0.27f, b.y + b.h * 0.74f}, {1.f, -1.05f}, b.h * 0.6f, 11.f);
        InkOutline(icon);
        Halo(c, icon, 3, pal::Foam.WithAlpha(150));
        break;
    }
    case SPELL_XSWORD: {
        DrawSword(icon, {b.x + b.w * 0.26f, b.y + b.h * 0.76f}, {1.f, -1.1f}, b.h * 0.58f, 9.f);
        InkOutline(icon);
        Canvas other(c.Width(), c.Height());
        DrawSword(other, {b.x + b.w * 0.74f, b.y + b.h * 0.76f}, {-1.f, -1.1f}, b.h * 0.58f, 9.f);
        InkOutline(other);
        icon.Blit(other, 0, 0);
        Halo(c, icon, 3, pal::Lantern1.WithAlpha(140));
        Glint(c, Round(cx), Round(cy - b.h * 0.08f), 5, pal::Lantern1);
        break;
    }
    case SPELL_ANVIL: {
        for (int i = 0; i < 5; i++) {  // it falls: streaks above
            const int x = b.x + 22 + i * (b.w - 44) / 4;
            c.FillRect(x, b.y + 10 + (i % 2) * 6, 1, 22, pal::Wood2);
        }
        c.FillEllipse(Round(cx), b.y + b.h - 12, b.w * 2 / 5, 4, pal::Wood2);
        DrawAnvil(icon, b.x + 8, b.y + b.h * 2 / 5, b.w - 16, b.h * 9 / 20);
        InkOutline(icon);
        break;
    }
    case SPELL_TENTACLES: {
        const int floor = b.y + b.h - 16;
        const std::array<TentacleShape, 3> shapes{{{78.f, 9.f, 1.2f, 0.35f, -1.5f},
                                                   {100.f, 11.f, 2.4f, 0.3f, 1.2f},
                                                   {76.f, 9.f, 0.3f, 0.35f, 1.6f}}};
        const std::array<float, 3> xs{0.24f, 0.5f, 0.76f};
        for (int i = 0; i < 3; i++) {
            Canvas one(c.Width(), c.Height());
            DrawTentacle(one, {b.x + b.w * xs[i], floor + 4.f}, shapes[i]);
            one.FillRect(0, floor + 2, c.Width(), c.Height(), pal::Clear);
            InkOutline(one);
            icon.Blit(one, 0, 0);
        }
        icon.FillRect(0, floor + 2, c.Width(), c.Height(), pal::Clear);
        c.FillRect(b.x, floor + 1, b.w, b.y + b.h - floor - 1, pal::Sand1);
        c.FillRect(b.x, floor + 1, b.w, 2, pal::Sand2);
        c.FillEllipse(Round(cx), floor + 3, b.w * 2 / 5, 3, pal::Ink);
        break;
    }
    case SPELL_FOUDRE: {
        paint::Rng rng(9);
        const auto path = BoltPath(rng, {cx + 6.f, b.y + 34.f}, {cx - 4.f, b.y + b.h - 8.f}, 6, 12.f);
        DrawBolt(c, path, 5);
        DrawBolt(c, BoltPath(rng, path[3], {b.x + 18.f, b.y + b.h - 14.f}, 4, 6.f), 2);
        struct CloudPuff {
            float dx, dy, r;
        };
        const std::array<CloudPuff, 5> puffs{{{-34.f, 4.f, 14.f}, {-14.f, -4.f, 18.f}, {10.f, -6.f, 19.f},
                                              {32.f, 2.f, 14.f}, {0.f, 8.f, 16.f}}};
        static constexpr Tones kStorm{pal::Night0, pal::Night1, pal::Night2};
        std::vector<Billow> billows;
        for (const CloudPuff& p : puffs)
            billows.push_back({cx + p.dx, b.y + 26.f + p.dy, p.r, &kStorm});
        DrawCloud(c, billows);
        break;
    }
    default: {
        Canvas small(c.Width(), c.Height());
        DrawImp(small, {cx - 30.f, cy - 34.f}, 0.7f, 0.6f);
        DrawImp(small, {cx + 26.f, cy - 40.f}, 0.6f, 0.2f);
        Silhouette(small, pal::Night1);
        c.Blit(small, 0, 0);
        for (const V2& at : {V2{cx - 30.f, cy - 34.f}, V2{cx + 26.f, cy - 40.f}})  // their eyes glint
            for (float ex : {2.f, 6.f})
                c.FillRect(Round(at.x + ex), Round(at.y - 3.f), 2, 2, pal::Lantern1);
        DrawImp(icon, {cx + 4.f, cy + 16.f}, 1.75f, 0.1f);
        break;
    }
    }
    c.Blit(icon, 0, 0);
}

namespace {

void PaintCards(Canvas& sheet, const AssetEntry& e)
{
    for (int kind = 0; kind < kSpellCardKinds; kind++) {
        const SpellRect r = CardRect(kind);
        Canvas card(e.cellWidth, e.cellHeight);
        const Box window = DrawCardFrame(card, 0, 0, r.width, r.height, kCardColours[kind]);
        DrawSpellIcon(card, kind, window);
        std::string name = SpellName(kind);
        for (char& ch : name)
            ch = static_cast<char>(std::toupper(static_cast<unsigned char>(ch)));
        const int labelTop = window.y + window.h + 1, labelBottom = r.height - 8;
        paint::DrawTextCentred(card, r.width / 2, (labelTop + labelBottom) / 2 - paint::kGlyphHeight + 1, name,
                               pal::Wood0, 2);
        sheet.Blit(card, r.left, r.top, false);
    }
}

// Three card backs fanned out, as the deck sits above the hand.
void PaintDeckIcon(Canvas& c, const AssetEntry&)
{
    const int w = 56, h = 80;
    for (int i = 0; i < 3; i++)
        DrawCardBack(c, 12 + i * 20, 8 - i * 4, w, h);
}

// The recap board's count of cards played: a card back over another.
void PaintScoreboardCard(Canvas& c, const AssetEntry&)
{
    DrawCardBack(c, 14, 0, c.Width() - 14, c.Height() - 12);
    DrawCardBack(c, 0, 12, c.Width() - 14, c.Height() - 12);
}

}  // namespace

void RegisterCardArt(PainterRegistry& registry)
{
    registry.Add(kCardSheet, PaintCards);
    registry.Add(kDeckIcon, PaintDeckIcon);
    registry.Add(kCardScoreboardIcon, PaintScoreboardCard);
}

}  // namespace combat_art
