// Pictures of the main menu and the pause menu: the wallpaper, driftwood
// buttons with their labels drawn in, parchment panels in driftwood frames
// lashed with rope, the volume bar and the key bindings and credits.
//
// Positions on the screen that the pictures must line up with (the layout
// table's menu_layout):
// - the buttons Play, Options, Credits and Quit share the centre line
//   x = 258 of the wallpaper's signpost;
// - the back place (kBack), the size of Return.png, where the Return button
//   sits: the full-screen panels paint the same plaque there (they are drawn
//   over the Return button), and the pause menu's panels mark its invisible
//   area.
#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include "art.hpp"
#include "engine/key_table.hpp"
#include "engine/layout_table.hpp"

using paint::Canvas;
using paint::Point;
using paint::Rgba;
namespace pal = paint::pal;

namespace {

// The BACK plaque is the size of the Return button it stands for, at its place.
constexpr int kBackX = static_cast<int>(menu_layout::kBack.x), kBackY = static_cast<int>(menu_layout::kBack.y);
const AssetEntry& ReturnButton() { return *FindAsset("Assets/Sprites/Menu/Return.png"); }

// A panel centred on the screen puts a screen point at this place in its picture.
Point OnCentredPanel(const Canvas& panel, int x, int y)
{
    return {x - (kScreenWidth - panel.Width()) / 2, y - (kScreenHeight - panel.Height()) / 2};
}

// ---- Materials -------------------------------------------------------------

// A driftwood plank: rounded ends, light on the top edge, grain, knots and
// a dark outline. bright lifts every tone one step (hovered buttons).
void Plank(Canvas& c, int x, int y, int w, int h, std::uint32_t seed, bool bright = false) {
    const Rgba dark = bright ? pal::Wood1 : pal::Wood0;
    const Rgba mid = bright ? pal::Wood3 : pal::Wood2;
    const Rgba light = bright ? pal::Sand1 : pal::Wood3;
    const Rgba shade = bright ? pal::Wood2 : pal::Wood1;
    const int r = std::min(8, h / 3);
    c.FillRoundRect(x, y, w, h, r, mid);
    // Light from the top left: a lit top band, a shaded bottom band.
    c.FillRect(x + r / 2, y + 1, w - r, std::max(1, h / 8), light);
    c.FillRect(x + r / 2, y + h - std::max(2, h / 6), w - r, std::max(2, h / 6) - 1, shade);
    paint::Rng rng(seed);
    // Grain: long wavy lines along the plank.
    const int lines = std::max(2, h / 9);
    for (int i = 0; i < lines; ++i) {
        int gy = y + 3 + (h - 6) * (i + 1) / (lines + 1);
        int gx = x + r + rng.Range(0, 12);
        const int end = x + w - r - rng.Range(0, 12);
        while (gx < end) {
            const int run = rng.Range(12, 40);
            c.FillRect(gx, gy, std::min(run, end - gx), 1, shade);
            gx += run + rng.Range(2, 10);
            gy += rng.Range(-1, 1);
            gy = std::clamp(gy, y + 2, y + h - 3);
        }
    }
    // A knot or two.
    const int knots = std::max(1, w / 180);
    for (int i = 0; i < knots; ++i) {
        const int kx = x + rng.Range(w / 6, w - w / 6), ky = y + rng.Range(h / 3, std::max(h / 3, h - h / 3));
        c.FillEllipse(kx, ky, 5, 3, shade);
        c.FillEllipse(kx, ky, 2, 1, dark);
    }
    // Outline, drawn on the plank's edge pixels.
    Canvas mask(w, h);
    mask.FillRoundRect(0, 0, w, h, r, pal::White);
    for (int yy = 0; yy < h; ++yy)
        for (int xx = 0; xx < w; ++xx) {
            if (mask.Get(xx, yy).a == 0) continue;
            if (mask.Get(xx - 1, yy).a == 0 || mask.Get(xx + 1, yy).a == 0 || mask.Get(xx, yy - 1).a == 0 ||
                mask.Get(xx, yy + 1).a == 0)
                c.Set(x + xx, y + yy, pal::Ink);
        }
}

// A nail head.
void Nail(Canvas& c, int x, int y) {
    c.FillRect(x - 1, y - 1, 4, 4, pal::Ink);
    c.FillRect(x, y, 2, 2, pal::Stone1);
    c.Set(x, y, pal::Stone2);
}

// A rope lashing: a band of diagonal twists across a plank end.
void Lashing(Canvas& c, int x, int y, int w, int h) {
    for (int yy = 0; yy < h; ++yy)
        for (int xx = 0; xx < w; ++xx) {
            const int d = (xx + yy) % 6;
            c.Set(x + xx, y + yy, d < 2 ? pal::Sand0 : (d < 5 ? pal::Sand1 : pal::Sand2));
        }
    c.StrokeRect(x - 1, y - 1, w + 2, h + 2, pal::Ink);
}

// A vertical rope of twisted strands.
void Rope(Canvas& c, int x, int y0, int y1, int width = 6) {
    for (int y = y0; y < y1; ++y)
        for (int i = 0; i < width; ++i) {
            const int d = (i + y) % 5;
            c.Set(x + i, y, d < 2 ? pal::Sand0 : (d < 4 ? pal::Sand1 : pal::Sand2));
        }
    c.FillRect(x - 1, y0, 1, y1 - y0, pal::Ink);
    c.FillRect(x + width, y0, 1, y1 - y0, pal::Ink);
}

// Parchment: warm paper with mottling, darker, burnt-looking edges.
void Parchment(Canvas& c, int x, int y, int w, int h, std::uint32_t seed) {
    c.FillRect(x, y, w, h, pal::Sand2);
    paint::Rng rng(seed);
    // Mottling: soft dithered blotches.
    for (int i = 0; i < w * h / 6000 + 4; ++i) {
        const int bx = x + rng.Range(0, w), by = y + rng.Range(0, h), br = rng.Range(10, 40);
        for (int yy = -br; yy <= br; ++yy)
            for (int xx = -br; xx <= br; ++xx)
                if (xx * xx + yy * yy <= br * br && ((bx + xx + by + yy) & 1) && ((by + yy) & 1) &&
                    c.Contains(bx + xx, by + yy) && bx + xx >= x && bx + xx < x + w && by + yy >= y && by + yy < y + h)
                    c.Set(bx + xx, by + yy, pal::Bone);
    }
    // Edges darken towards the border in dithered steps.
    for (int yy = 0; yy < h; ++yy)
        for (int xx = 0; xx < w; ++xx) {
            const int d = std::min({xx, yy, w - 1 - xx, h - 1 - yy});
            if (d >= 18) continue;
            const int level = 16 - d * 16 / 18;
            static constexpr int bayer[4][4] = {{0, 8, 2, 10}, {12, 4, 14, 6}, {3, 11, 1, 9}, {15, 7, 13, 5}};
            if (bayer[(y + yy) & 3][(x + xx) & 3] < level) c.Set(x + xx, y + yy, d < 5 ? pal::Sand0 : pal::Sand1);
        }
}

// A parchment board in a driftwood frame lashed with rope at the corners.
void Board(Canvas& c, int x, int y, int w, int h, std::uint32_t seed) {
    const int t = 34;  // frame plank thickness
    // Drop shadow.
    c.BlendRect(x + 10, y + 12, w, h, pal::Ink.WithAlpha(110));
    Parchment(c, x + t - 6, y + t - 6, w - 2 * t + 12, h - 2 * t + 12, seed);
    // Top and bottom planks overhang the sides, like a lashed raft.
    Plank(c, x + t - 10, y + 8, w - 2 * t + 20, t - 8, seed + 1);
    Plank(c, x + t - 10, y + h - t, w - 2 * t + 20, t - 8, seed + 2);
    Plank(c, x + 4, y, t - 8, h, seed + 3);
    Plank(c, x + w - t + 4, y, t - 8, h, seed + 4);
    for (int cx : {x + 4, x + w - t + 4})
        for (int cy : {y + 10, y + h - t - 2}) Lashing(c, cx - 3, cy, t - 2, 28);
    // Nails along the top and bottom planks.
    for (int nx = x + t + 40; nx < x + w - t - 20; nx += 160) {
        Nail(c, nx, y + 20);
        Nail(c, nx, y + h - t + 12);
    }
}

// Outlined pixel lettering with a soft drop shadow.
void Label(Canvas& c, int cx, int y, const std::string& text, int scale, Rgba fill, Rgba outline = pal::Ink) {
    paint::DrawTextCentred(c, cx, y, text, fill, scale, true, outline);
}

// A driftwood button with its word, as a player would see it on a sign.
void Button(Canvas& c, const std::string& text, int scale, bool hover, std::uint32_t seed) {
    const int w = c.Width(), h = c.Height();
    Plank(c, 4, 6, w - 8, h - 14, seed, hover);
    // Rope lashed around both ends, where the sign is tied to its post.
    Lashing(c, 16, 2, 14, h - 6);
    Lashing(c, w - 30, 2, 14, h - 6);
    const int th = paint::kGlyphHeight * scale;
    const int ty = 6 + (h - 14 - th) / 2;
    if (hover) {
        // A lantern glow behind the word.
        c.DitherRect(40, ty - scale, w - 80, th + 2 * scale, pal::Lantern0.WithAlpha(255), 6);
        Label(c, w / 2, ty, text, scale, pal::Lantern1, pal::Ink);
    } else {
        Label(c, w / 2, ty, text, scale, pal::Bone, pal::Ink);
    }
}

// A small plank with a left-pointing arrow and a four-letter word.
Canvas ArrowPlaque(const char* word) {
    const int w = ReturnButton().width, h = ReturnButton().height;
    Canvas p(w, h);
    Plank(p, 2, 4, w - 4, h - 8, 77);
    const Point arrow[] = {{12, 35}, {24, 25}, {24, 45}};
    p.FillPolygon(arrow, pal::Lantern1);
    paint::DrawTextOutlined(p, 32, 25, word, pal::Bone, pal::Ink, 3);
    return p;
}

// The BACK plaque the panels paint where the back area is.
void BackPlaque(Canvas& c, int x, int y) {
    c.Blit(ArrowPlaque("BACK"), x, y);
    // Ropes it hangs from.
    Rope(c, x + 14, y - 24, y + 6, 5);
    Rope(c, x + ReturnButton().width - 19, y - 24, y + 6, 5);
}

// ---- Pictures -----------------------------------------------------------------

void Wallpaper(Canvas& c) {
    const int w = c.Width();
    // Sunset sky: night purple at the top down to coral and lantern yellow.
    const Rgba sky[] = {pal::Night0, pal::Night1, pal::Night2, pal::Rust1, pal::Coral, pal::CoralLight, pal::Lantern0};
    const int horizon = 620;
    c.GradientRect(0, 0, w, horizon, sky);
    paint::Rng rng(5);
    // Stars in the high sky.
    for (int i = 0; i < 140; ++i) {
        const int sx = rng.Range(0, w - 1), sy = rng.Range(0, 260);
        c.Set(sx, sy, rng.Range(0, 3) ? pal::Night2 : pal::Bone);
    }
    // Long flat clouds lit from below.
    for (int i = 0; i < 9; ++i) {
        const int cx = rng.Range(300, w), cy = rng.Range(250, 520), cw = rng.Range(120, 380);
        c.FillEllipse(cx, cy, cw, 7, pal::Night2);
        c.FillEllipse(cx + 10, cy + 4, cw - 20, 4, pal::CoralLight);
    }
    // The sun, half sunk, with bands cut through it.
    const int sunX = 1280, sunY = horizon;
    c.FillCircle(sunX, sunY, 150, pal::Lantern0);
    c.FillCircle(sunX, sunY, 132, pal::Lantern1);
    for (int b = 0; b < 5; ++b) c.Recolour(pal::Lantern1, pal::Lantern0, sunX - 160, sunY - 24 - b * 20, 320, 5 - b);
    // The sea: deep bands darkening towards the shore, a road of light.
    const Rgba sea[] = {pal::Sea1, pal::Sea0, pal::Deep1, pal::Deep0};
    c.GradientRect(0, horizon, w, 340, sea);
    for (int y = horizon + 2; y < horizon + 340; y += 6) {
        const int spread = 40 + (y - horizon) * 2;
        for (int i = 0; i < 5; ++i) {
            const int lx = sunX + rng.Range(-spread, spread), lw = rng.Range(8, 40);
            c.FillRect(lx, y, lw, 2, (y - horizon) < 120 ? pal::Lantern1 : pal::Sea2);
        }
        for (int i = 0; i < 6; ++i) c.FillRect(rng.Range(0, w), y, rng.Range(10, 50), 1, pal::Sea2);
    }
    // The wreck on the right: a broken hull on its side and a leaning mast.
    const Point hull[] = {{1450, 900}, {1530, 780}, {1800, 760}, {w, 720}, {w, 930}, {1500, 940}};
    c.FillPolygon(hull, pal::Wood0);
    for (int y = 790; y < 930; y += 18) c.Line(1520, y + 8, w, y - 20, pal::Wood1, 2);
    c.Line(1700, 770, 1610, 360, pal::Wood0, 12);
    c.Line(1650, 520, 1790, 470, pal::Wood0, 6);
    const Point sail[] = {{1640, 420}, {1780, 480}, {1700, 650}};
    c.FillPolygon(sail, pal::Sand0);
    c.Line(1700, 650, 1640, 420, pal::Wood0, 2);
    // Beach in the foreground, with foam at its edge and a tide pool.
    const int h = c.Height();
    const Point beach[] = {{0, 900}, {500, 880}, {1000, 930}, {1500, 950}, {w, 940}, {w, h}, {0, h}};
    c.FillPolygon(beach, pal::Sand1);
    const Point beachLight[] = {{0, 930}, {600, 915}, {1200, 960}, {w, 975}, {w, h}, {0, h}};
    c.FillPolygon(beachLight, pal::Sand2);
    for (int x = 0; x < w; x += 3) {
        const int fy = 900 + static_cast<int>(8 * std::sin(x / 60.0)) + (x < 1000 ? (x * 30 / 1000) : 30 + (x - 1000) * 15 / 920);
        c.FillRect(x, fy - 3, 3, 3, pal::Foam);
    }
    c.FillEllipse(1100, 1020, 120, 22, pal::Sea0);
    c.FillEllipse(1100, 1018, 100, 15, pal::Sea1);
    for (int i = 0; i < 60; ++i) c.Set(rng.Range(0, w), rng.Range(960, h - 1), pal::Sand0);
    // The signpost the buttons hang on, on the left.
    c.FillRect(244, 300, 28, 780, pal::Wood1);
    c.FillRect(244, 300, 8, 780, pal::Wood2);
    c.StrokeRect(243, 299, 30, 782, pal::Ink);
    // The title on a weathered board at the top left.
    Board(c, 40, 60, 760, 230, 9);
    Label(c, 420, 112, "TIDEWRACK", 11, pal::Coral, pal::Ink);
    paint::DrawTextCentred(c, 420, 210, "a tale of the low tide", pal::Wood1, 3);
}

// The full-screen panel frame: a board in the middle, margins clear, the
// BACK plaque hanging under it at the back area.
void FullPanel(Canvas& c, std::uint32_t seed) {
    Board(c, 230, 120, 1460, 740, seed);
    BackPlaque(c, kBackX, kBackY);
}

void CreditsText(Canvas& c) {
    const int cx = c.Width() / 2;
    Label(c, cx, 170, "CREDITS", 7, pal::Coral, pal::Ink);
    const char* lines[] = {
        "TIDEWRACK - art, sound and music made in code by the team",
        "",
        "Made with:",
        "SFML 2.5 - zlib/png licence",
        "libpng - PNG Reference Library licence",
        "zlib - zlib licence",
        "GoogleTest - BSD 3-clause licence",
        "",
        "Fonts, under the SIL Open Font License 1.1:",
        "DotGothic16 - Fontworks",
        "Sixtyfour - Jens Kutilek",
        "League Spartan - The League of Moveable Type",
        "Blankenburg - Ralf Ellerbrock",
    };
    int y = 260;
    for (const char* line : lines) {
        if (*line) paint::DrawTextCentred(c, cx, y, line, pal::Wood0, 3);
        y += 38;
    }
}

// The key caps of a row of the key table: "Q / D".
std::string CapOf(const ControlsRow& row) {
    std::string cap;
    for (int action : row.actions) {
        if (action < 0) break;
        if (!cap.empty()) cap += " / ";
        cap += BindingOf(action).label;
    }
    return cap;
}

constexpr int kCapHeight = 44;
constexpr int kCapGap = 8;

// A key cap with its label (at least `least` wide); returns its width.
int KeyCap(Canvas& c, int x, int y, const std::string& label, int least = 0) {
    const int w = std::max(least, paint::TextWidth(label, 3) + 24);
    c.FillRoundRect(x, y, w, kCapHeight, 6, pal::Bone);
    c.FillRect(x + 3, y + 36, w - 6, 6, pal::Sand1);
    c.StrokeRect(x, y, w, kCapHeight, pal::Wood0, 2);
    paint::DrawText(c, x + 12, y + 10, label, pal::Wood0, 3);
    return w;
}

// A square arrow key with its arrow painted on; `name` is SFML's ("Left").
int ArrowCap(Canvas& c, int x, int y, const std::string& name) {
    const int direction = name == "Left" ? PAD_LEFT : name == "Up" ? PAD_UP : name == "Down" ? PAD_DOWN : PAD_RIGHT;
    KeyCap(c, x, y, "", kCapHeight);
    const int cx = x + 22, cy = y + 19;
    // The arrow points right; the other directions turn it.
    const auto at = [&](int along, int across) -> Point {
        switch (direction) {
        case PAD_LEFT: return {cx - along, cy + across};
        case PAD_UP: return {cx + across, cy - along};
        case PAD_DOWN: return {cx + across, cy + along};
        default: return {cx + along, cy + across};
        }
    };
    const Point head[] = {at(10, 0), at(0, -9), at(0, 9)};
    c.FillPolygon(head, pal::Wood0);
    const Point shaft[] = {at(-10, -3), at(0, -3), at(0, 3), at(-10, 3)};
    c.FillPolygon(shaft, pal::Wood0);
    return kCapHeight;
}

// A gamepad's control, dark as a pad's buttons are: the face buttons as a
// diamond with the one pressed lit, the d-pad as a cross with its arms lit,
// the others by their short names.
int PadCap(Canvas& c, int x, int y, const std::vector<int>& controls) {
    const auto has = [&](int control) { return std::find(controls.begin(), controls.end(), control) != controls.end(); };
    const int control = controls.front();
    const bool face = control >= PAD_SOUTH && control <= PAD_NORTH;
    const bool dpad = control >= PAD_LEFT;
    std::string label = PadLabel(control);
    if (control == PAD_LEFT_STICK_PRESS) label = "L3";
    if (control == PAD_RIGHT_STICK_PRESS) label = "R3";
    const int w = face || dpad ? kCapHeight : paint::TextWidth(label, 3) + 24;
    c.FillRoundRect(x, y, w, kCapHeight, 12, pal::Stone0);
    c.StrokeRect(x, y, w, kCapHeight, pal::Ink, 2);
    const int cx = x + w / 2, cy = y + kCapHeight / 2;
    if (face) {
        const Point spots[] = {{cx, cy + 11}, {cx + 11, cy}, {cx - 11, cy}, {cx, cy - 11}};  // south, east, west, north
        for (int i = 0; i < 4; ++i) {
            const bool lit = has(PAD_SOUTH + i);
            c.FillCircle(spots[i].x, spots[i].y, 6, lit ? pal::Lantern1 : pal::Stone1);
            if (!lit) c.FillCircle(spots[i].x, spots[i].y, 3, pal::Stone0);
        }
    } else if (dpad) {
        c.FillRect(cx - 5, cy - 16, 10, 32, pal::Stone1);
        c.FillRect(cx - 16, cy - 5, 32, 10, pal::Stone1);
        if (has(PAD_LEFT)) c.FillRect(cx - 16, cy - 5, 11, 10, pal::Lantern1);
        if (has(PAD_RIGHT)) c.FillRect(cx + 5, cy - 5, 11, 10, pal::Lantern1);
        if (has(PAD_UP)) c.FillRect(cx - 5, cy - 16, 10, 11, pal::Lantern1);
        if (has(PAD_DOWN)) c.FillRect(cx - 5, cy + 5, 10, 11, pal::Lantern1);
    } else {
        paint::DrawText(c, x + 12, y + 10, label, pal::Lantern1, 3);
    }
    return w;
}

// The real bindings, painted from the key table the game reads: the key,
// the arrow key that does the same, the gamepad's control, what they do.
void ControlsText(Canvas& c) {
    const int w = c.Width();
    Label(c, w / 2, 60, "CONTROLS", 6, pal::Coral, pal::Ink);
    constexpr int kColumnX[] = {90, 760};
    int rowInColumn[] = {0, 0};
    for (const ControlsRow& row : ControlsRows()) {
        int x = kColumnX[row.column];
        const int y = 150 + rowInColumn[row.column]++ * 72;
        x += KeyCap(c, x, y, CapOf(row)) + kCapGap;
        std::vector<int> pad;
        for (int action : row.actions) {
            if (action < 0) break;
            const KeyBinding& binding = BindingOf(action);
            if (binding.alternate) x += ArrowCap(c, x, y, binding.alternate) + kCapGap / 2;
            if (binding.pad != PAD_NONE) pad.push_back(binding.pad);
        }
        x += kCapGap;
        const bool oneGlyph = !pad.empty() && (pad.front() >= PAD_LEFT || pad.front() <= PAD_NORTH);
        if (oneGlyph) {
            x += PadCap(c, x, y, pad) + kCapGap;
        } else {
            for (int control : pad) x += PadCap(c, x, y, {control}) + kCapGap / 2;
        }
        paint::DrawText(c, x + 10, y + 10, row.does, pal::Ink, 3);
    }
    // Under the right column: how the letters are read on other keyboards.
    const int noteY = 150 + rowInColumn[1] * 72 + 8;
    paint::DrawText(c, kColumnX[1], noteY, "Letters as on a French keyboard: others", pal::Wood1, 2);
    paint::DrawText(c, kColumnX[1], noteY + 22, "use the same places (QWERTY: A/D walk, W climbs).", pal::Wood1, 2);
}

void Shadow(Canvas& c) {
    // A dark veil, deeper towards the corners, in a few flat alpha steps.
    const int w = c.Width(), h = c.Height();
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            const double dx = (x - w / 2.0) / (w / 2.0), dy = (y - h / 2.0) / (h / 2.0);
            const double d = std::min(1.0, std::sqrt(dx * dx + dy * dy) / 1.2);
            const int step = static_cast<int>(d * 6);
            c.Set(x, y, pal::Ink.WithAlpha(static_cast<std::uint8_t>(130 + step * 15)));
        }
}

void SoundBar(Canvas& c) {
    const int w = c.Width(), h = c.Height();
    // The track: a taut rope between two bollards, over a dark groove.
    c.FillRoundRect(120, h / 2 - 9, w - 240, 18, 8, pal::Wood0);
    c.StrokeRect(120, h / 2 - 9, w - 240, 18, pal::Ink);
    for (int x = 124; x < w - 124; ++x)
        for (int i = 0; i < 8; ++i) {
            const int d = (x + i) % 6;
            c.Set(x, h / 2 - 4 + i, d < 2 ? pal::Sand0 : (d < 5 ? pal::Sand1 : pal::Sand2));
        }
    // Ticks every tenth of the range (134 px in from each end).
    for (int i = 0; i <= 10; ++i) {
        const int x = 134 + i * (w - 268 - 18) / 10 + 9;
        c.FillRect(x - 1, h / 2 + 10, 3, i % 5 == 0 ? 14 : 8, pal::Wood1);
    }
    // Bollards at both ends, where the cursor stops.
    for (int bx : {20, w - 120}) {
        Plank(c, bx, 6, 100, h - 12, 300 + bx);
        c.FillEllipse(bx + 50, h / 2, 22, 18, pal::Stone0);
        c.FillEllipse(bx + 48, h / 2 - 2, 18, 14, pal::Stone1);
        c.FillEllipse(bx + 44, h / 2 - 6, 6, 4, pal::Stone2);
    }
}

void SoundCursor(Canvas& c) {
    const int w = c.Width(), h = c.Height();
    // A brass grip with a lantern-yellow face.
    c.FillRoundRect(2, 2, w - 4, h - 4, 6, pal::Lantern0);
    c.FillRect(6, 6, 6, h - 12, pal::Lantern1);
    c.FillRect(w - 10, 8, 4, h - 16, pal::Rust1);
    for (int y = 20; y < h - 20; y += 8) c.FillRect(10, y, w - 20, 2, pal::Rust1);
    c.Outline(pal::Ink);
    c.StrokeRect(1, 1, w - 2, h - 2, pal::Ink);
}

}  // namespace

void RegisterMenuArt(PainterRegistry& registry) {
    registry.Add("Assets/Sprites/Menu/Wallpaper.png", [](Canvas& c, const AssetEntry&) { Wallpaper(c); });
    registry.Add("Assets/Sprites/Menu/Pannel.png", [](Canvas& c, const AssetEntry&) { FullPanel(c, 21); });
    registry.Add("Assets/Sprites/Menu/CreditsPannel.png", [](Canvas& c, const AssetEntry&) {
        FullPanel(c, 21);
        CreditsText(c);
    });
    registry.Add("Assets/Sprites/Menu/ControlsPannel.png", [](Canvas& c, const AssetEntry&) {
        // Placed centred on the screen, it carries the BACK plaque where the
        // pause menu's back area is.
        Board(c, 0, 0, c.Width(), c.Height() - 90, 23);
        ControlsText(c);
        const Point back = OnCentredPanel(c, kBackX, kBackY);
        BackPlaque(c, back.x, back.y);
    });
    registry.Add("Assets/Sprites/Menu/PausePannel.png", [](Canvas& c, const AssetEntry&) {
        Board(c, 0, 0, c.Width(), c.Height() - 90, 25);
        // Above the volume label the options screen draws at y = 202 (82 down the panel).
        Label(c, c.Width() / 2, 36, "PAUSED", 5, pal::Coral, pal::Ink);
        const Point back = OnCentredPanel(c, kBackX, kBackY);
        BackPlaque(c, back.x, back.y);
    });
    registry.Add("Assets/Sprites/Menu/ScreenShadow.png", [](Canvas& c, const AssetEntry&) { Shadow(c); });
    registry.Add("Assets/Sprites/Menu/SoundBar.png", [](Canvas& c, const AssetEntry&) { SoundBar(c); });
    registry.Add("Assets/Sprites/Menu/SoundCursor.png", [](Canvas& c, const AssetEntry&) { SoundCursor(c); });
    registry.Add("Assets/Sprites/Menu/Volume.png", [](Canvas& c, const AssetEntry&) { Button(c, "VOLUME", 8, false, 41); });
    // Seen only in the pause menu, as the way back to the main menu (the
    // main menu's panels cover it).
    registry.Add("Assets/Sprites/Menu/Return.png", [](Canvas& c, const AssetEntry&) { c.Blit(ArrowPlaque("MENU"), 0, 0); });
    registry.Add("Assets/Sprites/Menu/Controls.png", [](Canvas& c, const AssetEntry&) { Button(c, "CONTROLS", 8, false, 45); });
    struct Named {
        const char* name;
        const char* word;
        std::uint32_t seed;
    };
    for (const Named& b : {Named{"Play", "PLAY", 51}, Named{"Options", "OPTIONS", 53}, Named{"Credits", "CREDITS", 55},
                           Named{"Quit", "QUIT", 57}}) {
        const std::string base = std::string("Assets/Sprites/Menu/") + b.name;
        const std::string word = b.word;
        const std::uint32_t seed = b.seed;
        registry.Add(base + "_01.png", [word, seed](Canvas& c, const AssetEntry&) { Button(c, word, 9, false, seed); });
        registry.Add(base + "_02.png", [word, seed](Canvas& c, const AssetEntry&) { Button(c, word, 9, true, seed); });
    }
}
