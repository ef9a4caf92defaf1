// The hub's panels, each a full-screen picture drawn at the view's top-left:
// the laboratory's shop (four potion rows, each with its shelf, buy button
// and price tag), the quest board (its panel, the three quest notes and the
// marker drawn between them), the card selector (background, the six spell
// cards and the marker under them) and the recap board. Parchment on
// driftwood like the menus; every word is in the picture.
//
// Each clickable area of the hub table is painted exactly where it is: the
// buy buttons, the price tags under the price texts, the quest notes under
// the quest buttons, the spell cards under the spell buttons and a BACK
// sign filling each quit area.
#include <algorithm>
#include <array>
#include <cmath>
#include <string>

#include "art_hub_kit.hpp"

namespace hub_art {

// ---- Spell icons (small pixels, about 60 x 60 around the centre) ----------------

namespace {

void Sword(Canvas& c, Point hilt, Point tip) {
    c.Line(hilt.x, hilt.y, tip.x, tip.y, pal::Stone1, 5);
    c.Line(hilt.x - 1, hilt.y - 1, tip.x - 1, tip.y - 1, pal::Stone2, 2);
    c.Line(hilt.x, hilt.y, tip.x, tip.y, pal::White, 1);
    const int dx = tip.x - hilt.x, dy = tip.y - hilt.y;
    const float len = std::max(1.f, std::hypot(static_cast<float>(dx), static_cast<float>(dy)));
    const int gx = static_cast<int>(-dy * 7 / len), gy = static_cast<int>(dx * 7 / len);
    c.Line(hilt.x - gx, hilt.y - gy, hilt.x + gx, hilt.y + gy, pal::Lantern0, 3);
    const int bx = hilt.x - static_cast<int>(dx * 9 / len), by = hilt.y - static_cast<int>(dy * 9 / len);
    c.Line(hilt.x, hilt.y, bx, by, pal::Wood1, 3);
    c.FillCircle(bx, by, 2, pal::Lantern0);
}

}  // namespace

void SpellIcon(Canvas& c, int kind, int cx, int cy) {
    Canvas icon(70, 70);
    const int x = 35, y = 35;
    switch (kind) {
    case 0:  // a flying sword, streaks behind it
        for (int k = 0; k < 3; ++k) icon.Line(x - 26 + k * 4, y + 8 + k * 6, x - 12 + k * 4, y + 2 + k * 6, pal::Sea2, 1);
        Sword(icon, {x - 16, y + 16}, {x + 22, y - 22});
        break;
    case 1:  // two blades crossed
        Sword(icon, {x - 18, y + 18}, {x + 20, y - 20});
        Sword(icon, {x + 18, y + 18}, {x - 20, y - 20});
        break;
    case 2: {  // an anvil falling
        for (int k = 0; k < 3; ++k) icon.FillRect(x - 16 + k * 14, y - 30, 2, 10, pal::Sea2);
        const Point body[] = {{x - 26, y - 14}, {x + 16, y - 14}, {x + 26, y - 8}, {x + 12, y - 4}, {x + 8, y + 6},
                              {x + 16, y + 18}, {x - 16, y + 18}, {x - 8, y + 6}, {x - 12, y - 4}, {x - 20, y - 6}};
        icon.FillPolygon(body, pal::Stone0);
        icon.FillRect(x - 24, y - 14, 42, 3, pal::Stone2);
        icon.FillRect(x - 8, y - 4, 4, 10, pal::Stone1);
        icon.FillRect(x - 16, y + 15, 32, 3, Mix(pal::Stone0, pal::Ink, 0.5f));
        break;
    }
    case 3:  // tentacles out of the ground
        icon.FillRect(x - 30, y + 22, 60, 6, pal::Sand0);
        for (int k = 0; k < 3; ++k) {
            const int bx = x - 18 + k * 18, h = 34 + (k % 2) * 10;
            for (int t = 0; t < h; ++t) {
                const int sx = bx + static_cast<int>(std::sin(t * 0.18f + k) * 5.f);
                const int wdt = std::max(2, 7 - t / 7);
                icon.FillRect(sx - wdt / 2, y + 22 - t, wdt, 1, t % 6 < 3 ? pal::Violet : pal::Night2);
                if (t % 7 == 3) icon.Set(sx + wdt / 2, y + 22 - t, pal::Pink);
            }
        }
        break;
    case 4: {  // a bolt from a cloud
        icon.FillEllipse(x - 8, y - 24, 14, 7, pal::Stone1);
        icon.FillEllipse(x + 8, y - 26, 12, 8, pal::Stone2);
        const Point bolt[] = {{x - 2, y - 18}, {x + 10, y - 18}, {x + 2, y - 2}, {x + 12, y - 2}, {x - 10, y + 28},
                              {x - 4, y + 6}, {x - 12, y + 6}};
        icon.FillPolygon(bolt, pal::Lantern1);
        icon.Line(x + 8, y - 17, x + 1, y - 3, pal::White);
        break;
    }
    default: {  // a burst of little imps
        icon.FillCircle(x, y, 6, pal::Lantern1);
        for (int k = 0; k < 3; ++k) {
            const float a = 6.2831853f * k / 3.f - 1.5f;
            const int ix = x + static_cast<int>(std::cos(a) * 18.f), iy = y + static_cast<int>(std::sin(a) * 18.f);
            icon.FillCircle(ix, iy, 7, k == 1 ? pal::Violet : pal::Coral);
            icon.FillRect(ix - 6, iy - 10, 3, 4, pal::Rust0);  // horns
            icon.FillRect(ix + 4, iy - 10, 3, 4, pal::Rust0);
            icon.FillRect(ix - 12, iy - 2, 5, 3, pal::Night2);  // wings
            icon.FillRect(ix + 8, iy - 2, 5, 3, pal::Night2);
            icon.FillRect(ix - 3, iy - 2, 2, 2, pal::White);
            icon.FillRect(ix + 2, iy - 2, 2, 2, pal::White);
        }
        break;
    }
    }
    icon.Outline(pal::Ink);
    c.Blit(icon, cx - x, cy - y);
}

namespace {

HubRect Offset(const HubRect& r, float dx, float dy) { return {r.left - dx, r.top - dy, r.width, r.height}; }

// The BACK sign filling a quit area.
void QuitSign(Canvas& c, const HubRect& r, std::uint32_t seed) {
    BackSign(c, Px(r.left), Px(r.top), Px(r.width), Px(r.height), "BACK", seed);
}

// A dark wooden plaque a white number reads on.
void NumberPlaque(Canvas& c, int x, int y, int w, int h) {
    c.BlendRect(x + 4, y + 6, w, h, pal::Ink.WithAlpha(90));
    c.FillRoundRect(x - 2, y - 2, w + 4, h + 4, 6, pal::Ink);
    c.FillRoundRect(x, y, w, h, 5, pal::Wood0);
    c.FillRect(x + 4, y + 3, w - 8, 3, pal::Wood1);
    c.FillRect(x + 4, y + h - 6, w - 8, 2, Mix(pal::Wood0, pal::Ink, 0.5f));
}

// ---- The laboratory's shop ---------------------------------------------------------

struct PotionKind {
    const char* name;
    const char* effect;
};
constexpr std::array<PotionKind, kPotionKinds> kPotionNames{{
    {"LIFE", "+15 health"},
    {"BLADE", "+20 sword damage"},
    {"SPELL", "+10 spell damage"},
    {"FORTUNE", "+2 for each coin"},
}};

void Shop(Canvas& c) {
    const HubRect quit = kSellerQuit;
    const int boardL = 240, boardR = 1700, boardT = 140, boardB = 940;
    Board(c, boardL, boardT, boardR - boardL, boardB - boardT, 201);
    Label(c, 820, 196, "THE ALCHEMIST'S SHOP", 6, pal::Coral);
    Ink(c, 820, 258, "a potion a day keeps the crabs away", 2, pal::Wood1);
    const int rowTop = Px(kPotionShelfFirst.y);
    Ink(c, 440, rowTop - 44, "POTION", 3);
    Ink(c, Px(kPotionShelfFirst.x + kPotionSlotStep * kPotionMaxLevel / 2), rowTop - 44, "ON THE SHELF", 3);
    Ink(c, Px(PriceTextPlace(0).x) + 70, rowTop - 44, "PRICE", 3);
    for (int k = 0; k < kPotionKinds; ++k) {
        const HubPoint slot0 = PotionIconPlace(k, 0);
        const int iconH = FindAsset(kPotionSheet)->height;
        const int shelfY = Px(slot0.y) + iconH + 2;
        // The kind: a flask in its colour, its name and what it does.
        Canvas small(24, 34);
        Flask(small, 2, 1, PotionTones(k), 0.75f);
        small.Outline(pal::Ink);
        c.BlitScaled(small, 290, Px(slot0.y) - 4, 3, true);
        paint::DrawText(c, 376, Px(slot0.y) + 16, kPotionNames[static_cast<std::size_t>(k)].name, pal::Wood0, 4);
        paint::DrawText(c, 376, Px(slot0.y) + 60, kPotionNames[static_cast<std::size_t>(k)].effect, pal::Wood1, 2);
        // The shelf and its eight places, faintly ringed, filled left to right.
        const int shelfL = Px(slot0.x) - 10, shelfR = Px(PotionIconPlace(k, kPotionMaxLevel - 1).x) + 70;
        c.BlendRect(shelfL, Px(slot0.y) - 6, shelfR - shelfL, iconH + 8, pal::Sand0.WithAlpha(70));
        for (int s = 0; s < kPotionMaxLevel; ++s) {
            const HubPoint p = PotionIconPlace(k, s);
            c.StrokeEllipse(Px(p.x) + 30, shelfY - 4, 22, 5, pal::Sand0);
        }
        DriftPlank(c, shelfL, shelfY, shelfR - shelfL, 12, 210 + k);
        // The buy button: a driftwood square with its word.
        const HubRect b = BuyButtonRect(k);
        const int bx = Px(b.left), by = Px(b.top), bs = Px(b.width);
        c.BlendRect(bx + 4, by + 6, bs, bs, pal::Ink.WithAlpha(100));
        DriftPlank(c, bx, by, bs, bs, 220 + k, true);
        c.StrokeRect(bx + 4, by + 4, bs - 8, bs - 8, pal::Lantern0);
        Label(c, bx + bs / 2, by + bs / 2 - 10, "BUY", 3, pal::Bone);
        // The price tag under the price text, a coin after it.
        const HubPoint t = PriceTextPlace(k);
        NumberPlaque(c, Px(t.x) - 16, Px(t.y) + 6, 190, 100);
        Coin(c, Px(t.x) + 150, Px(t.y) + 56, 16);
    }
    QuitSign(c, quit, 231);
}

void PotionIcon(Canvas& c) {
    PaintSmall(c, [](Canvas& s) {
        Flask(s, 0, 0, {pal::Kelp0, pal::Kelp2, Rgba{176, 206, 112, 255}}, 0.7f);
        s.Outline(pal::Ink);
    });
}

// ---- The quest board ------------------------------------------------------------

struct Quest {
    const char* verb;
    const char* what;
    const char* hint;
};
constexpr std::array<Quest, kQuestCount> kQuests{{
    {"COLLECT", "COINS", "pick them up in a run"},
    {"THROW", "SPELLS", "each card counts twice"},
    {"DEFEAT", "FOES", "any kind, in a level"},
}};

void QuestPanel(Canvas& c) {
    Board(c, 230, 40, 1480, 920, 301);
    Label(c, 946, 96, "QUEST BOARD", 6, pal::Coral);
    // Pins where the notes hang, and faint marks of old notes torn off.
    for (int q = 0; q < kQuestCount; ++q) {
        const HubRect b = QuestButtonRect(q);
        c.BlendRect(Px(b.left) + 20, Px(b.top) + 20, Px(b.width), Px(b.height), pal::Sand0.WithAlpha(60));
    }
    Ink(c, 946, 160, "pick one quest at a time", 2, pal::Wood1);
    QuitSign(c, kQuestQuit, 311);
}

// The three notes, over the marker: a nail, the goal's icon, the number
// and the words.
void QuestNotes(Canvas& c) {
    for (int q = 0; q < kQuestCount; ++q) {
        const HubRect b = QuestButtonRect(q);
        // Inset a little, so the marker's glow shows all round the selected one.
        const int x = Px(b.left) + 8, y = Px(b.top) + 8, w = Px(b.width) - 16, h = Px(b.height) - 16;
        c.BlendRect(x + 8, y + 10, w, h, pal::Ink.WithAlpha(110));
        Parchment(c, x, y, w, h, 321 + q, pal::Bone);
        c.StrokeRect(x, y, w, h, pal::Sand0, 2);
        Nail(c, x + w / 2 - 1, y + 14);
        const int cx = x + w / 2;
        // The goal's icon.
        Canvas icon(60, 60);
        if (q == 0) {
            for (int k = 0; k < 5; ++k) Coin(icon, 18 + (k % 3) * 12, 40 - (k / 3) * 12, 9);
        } else if (q == 1) {
            SpellIcon(icon, 4, 30, 30);
        } else {
            icon.FillCircle(30, 26, 16, pal::Bone);
            icon.FillRect(20, 36, 20, 10, pal::Bone);
            icon.FillRect(21, 22, 7, 7, pal::Ink);
            icon.FillRect(33, 22, 7, 7, pal::Ink);
            icon.FillRect(28, 32, 4, 4, pal::Ink);
            for (int k = 0; k < 4; ++k) icon.FillRect(22 + k * 5, 40, 2, 6, pal::Ink);
            icon.Outline(pal::Ink);
        }
        c.BlitScaled(icon, cx - 90, y + 36, 3, true);
        Ink(c, cx, y + 232, kQuests[static_cast<std::size_t>(q)].verb, 5, pal::Wood1);
        Label(c, cx, y + 298, std::to_string(kQuestTargets[static_cast<std::size_t>(q)]), 14, pal::Coral);
        Ink(c, cx, y + 452, kQuests[static_cast<std::size_t>(q)].what, 7, pal::Wood0);
        Ink(c, cx, y + 534, kQuests[static_cast<std::size_t>(q)].hint, 2, pal::Wood1);
        // A wax seal at the foot.
        c.FillCircle(cx, y + h - 60, 24, pal::Rust0);
        c.FillCircle(cx - 2, y + h - 62, 20, pal::Rust1);
        c.FillCircle(cx - 2, y + h - 62, 10, pal::Coral);
        paint::DrawTextCentred(c, cx - 2, y + h - 69, std::to_string(q + 1), pal::Rust0, 2);
    }
}

// A glowing frame of lantern light with a rope along it.
void GlowFrame(Canvas& c, int thickness) {
    const int w = c.Width(), h = c.Height();
    for (int k = 0; k < thickness; ++k) {
        const std::uint8_t a = static_cast<std::uint8_t>(k < 3 ? 255 : 230 - k * 160 / thickness);
        c.StrokeRect(k, k, w - 2 * k, h - 2 * k, (k < 3 ? pal::Lantern1 : pal::Lantern0).WithAlpha(a));
    }
    for (int i = 0; i < w; ++i) {
        if ((i / 4) % 2 == 0) {
            c.Set(i, 1, pal::White);
            c.Set(w - 1 - i, h - 2, pal::White);
        }
    }
    for (int i = 0; i < h; ++i)
        if ((i / 4) % 2 == 0) {
            c.Set(1, i, pal::White);
            c.Set(w - 2, h - 1 - i, pal::White);
        }
    // Sparkles at the corners.
    for (Point p : {Point{6, 6}, Point{w - 7, 6}, Point{6, h - 7}, Point{w - 7, h - 7}}) {
        c.FillRect(p.x - 1, p.y - 5, 3, 11, pal::White);
        c.FillRect(p.x - 5, p.y - 1, 11, 3, pal::White);
    }
}

// ---- The card selector ---------------------------------------------------------

constexpr std::array<const char*, kSpellChoices> kSpellNames{"SWORD", "CROSS", "ANVIL", "TENTACLES", "LIGHTNING", "IMPS"};

void CardSelectorBackground(Canvas& c) {
    Board(c, 420, 50, 1300, 940, 401);
    Label(c, Px(kCardSelectorArea.left + kCardSelectorArea.width / 2), 92, "CHOOSE YOUR SPELL", 5, pal::Coral);
    // The side note: how to try the chosen spell.
    const int nx = Px(kCardSelectorQuit.left) - 110, ny = Px(kCardSelectorQuit.Bottom()) + 60;
    Ink(c, nx + 160, ny, "TRY IT HERE", 3);
    for (int k = 0; k < 3; ++k) {
        const int kx = nx + 40 + k * 86, ky = ny + 50;
        c.FillRoundRect(kx, ky, 62, 62, 8, pal::Bone);
        c.FillRect(kx + 4, ky + 52, 54, 8, pal::Sand1);
        c.StrokeRect(kx, ky, 62, 62, pal::Wood0, 2);
        paint::DrawTextCentred(c, kx + 31, ky + 14, std::string(1, "AEC"[k]), pal::Wood0, 5);
    }
    Ink(c, nx + 160, ny + 140, "throw it", 3, pal::Wood1);
    Ink(c, nx + 160, ny + 176, "RIGHT CLICK", 3);
    Ink(c, nx + 160, ny + 212, "sets it off", 3, pal::Wood1);
    Ink(c, Px(kCardSelectorArea.left + kCardSelectorArea.width / 2), Px(kCardSelectorArea.Bottom()) + 16,
        "choosing a spell starts the quests over", 2, pal::Wood1);
    QuitSign(c, kCardSelectorQuit, 411);
}

void SpellCards(Canvas& c) {
    for (int i = 0; i < kSpellChoices; ++i) {
        const HubRect b = Offset(SpellButtonRect(i), kCardSelectorsAt.x, kCardSelectorsAt.y);
        const int x = Px(b.left) + 3, y = Px(b.top) + 3, w = Px(b.width) - 6, h = Px(b.height) - 6;
        // A card: a driftwood frame, a sea-blue window with the spell, its name.
        c.BlendRect(x + 6, y + 8, w, h, pal::Ink.WithAlpha(110));
        c.FillRoundRect(x - 2, y - 2, w + 4, h + 4, 12, pal::Ink);
        c.FillRoundRect(x, y, w, h, 10, pal::Wood2);
        c.FillRect(x + 8, y + 3, w - 16, 4, pal::Wood3);
        c.FillRect(x + 8, y + h - 8, w - 16, 4, pal::Wood1);
        const int wx = x + 16, wy = y + 18, ww = w - 32, wh = h - 104;
        c.FillRect(wx - 3, wy - 3, ww + 6, wh + 6, pal::Ink);
        const Rgba sky[] = {pal::Deep0, pal::Deep1, pal::Sea0};
        c.GradientRect(wx, wy, ww, wh, sky);
        Canvas icon(70, 70);
        SpellIcon(icon, i, 35, 35);
        c.BlitScaled(icon, wx + ww / 2 - 105, wy + wh / 2 - 105, 3, true);
        Parchment(c, x + 12, y + h - 78, w - 24, 62, 420 + i, pal::Bone);
        // Names longer than five letters are inked smaller (reading a fixed
        // index would run past "IMPS").
        const std::string name = kSpellNames[static_cast<std::size_t>(i)];
        Ink(c, x + w / 2, y + h - 58, name.c_str(), name.size() > 5 ? 3 : 4);
        for (Point p : {Point{x + 10, y + 10}, Point{x + w - 12, y + 10}}) Nail(c, p.x, p.y);
    }
}

// ---- The recap board --------------------------------------------------------------

void RecapPanel(Canvas& c) {
    Board(c, 230, 40, 1660, 820, 501);
    Label(c, 600, 96, "TALLIES", 6, pal::Coral);
    Ink(c, 600, 150, "what your spells have done", 2, pal::Wood1);
    // A framed slot under each icon, a dark plaque under each number.
    for (int i = 0; i < kTallyCount; ++i) {
        const HubRect r = RecapIconRect(i);
        c.BlendRect(Px(r.left) - 6, Px(r.top) - 6, Px(r.width) + 12, Px(r.height) + 12, pal::Sand0.WithAlpha(70));
        c.StrokeRect(Px(r.left) - 6, Px(r.top) - 6, Px(r.width) + 12, Px(r.height) + 12, pal::Sand0, 2);
    }
    for (int i = 0; i < kTallyCount; ++i) {
        const HubRect r = RecapIconRect(i);
        const int tx = Px(r.Right() + kRecapIcons[static_cast<std::size_t>(i)].textGap), ty = Px(RecapTextY(i));
        // As wide as the room before the next icon on the same row allows.
        int room = 180;
        for (int j = 0; j < kTallyCount; ++j) {
            const HubRect o = RecapIconRect(j);
            if (j != i && o.left > tx && o.top < ty + 90 && o.Bottom() > ty) room = std::min(room, Px(o.left) - tx - 4);
        }
        NumberPlaque(c, tx - 10, ty - 4, std::max(60, room), 92);
    }
    // The BACK plaque where the menus' panel has it, inside the quit area.
    BackSign(c, 898, 883, 124, 70, "BACK", 511);
    RopeDown(c, 912, 859, 889, 5);
    RopeDown(c, 1003, 859, 889, 5);
}

}  // namespace

void RegisterHubPanelArt(PainterRegistry& registry) {
    registry.Add(kShopSheet, [](Canvas& c, const AssetEntry&) { Shop(c); });
    registry.Add(kPotionSheet, [](Canvas& c, const AssetEntry&) { PotionIcon(c); });
    registry.Add(kQuestPanelSheet, [](Canvas& c, const AssetEntry&) { QuestPanel(c); });
    registry.Add(kQuestBarsSheet, [](Canvas& c, const AssetEntry&) { QuestNotes(c); });
    registry.Add(kQuestSelectionSheet, [](Canvas& c, const AssetEntry&) { GlowFrame(c, 18); });
    registry.Add(kCardSelectorBackgroundSheet, [](Canvas& c, const AssetEntry&) { CardSelectorBackground(c); });
    registry.Add(kCardSelectorsSheet, [](Canvas& c, const AssetEntry&) { SpellCards(c); });
    registry.Add(kCardSelectionSheet, [](Canvas& c, const AssetEntry&) { GlowFrame(c, 20); });
    registry.Add(kRecapPanelSheet, [](Canvas& c, const AssetEntry&) { RecapPanel(c); });
}

}  // namespace hub_art
