// Pictures of the level's props: the door and its reward signs, the reward
// chest and its four items, the propeller, crate, fountain, forge, statue
// and step wall.
//
// Props shown at x1 are painted at a third of their size and scaled up, so
// their pixels are as big as those of the characters drawn at x3. Every
// prop has a one-pixel dark outline and is lit from the top left.
#include <algorithm>
#include <cmath>
#include <string>

#include "art_world_kit.hpp"
#include "world/pattern_table.hpp"

namespace {

using namespace world_art;

constexpr int kPixel = 3;

// Paints a cell at a third of its size, then scales it up into the cell.
template <class Draw>
void PaintSmall(Canvas& cell, Draw draw) {
    Canvas small((cell.Width() + kPixel - 1) / kPixel, (cell.Height() + kPixel - 1) / kPixel);
    draw(small);
    cell.BlitScaled(small, 0, 0, kPixel, false);
}

// A lit box: light top and left edges, shaded right and bottom edges.
void Block(Canvas& c, int x, int y, int w, int h, Tones t) {
    c.FillRect(x, y, w, h, t.mid);
    c.FillRect(x, y, w, 1, t.light);
    c.FillRect(x, y, 1, h, t.light);
    c.FillRect(x + w - 1, y + 1, 1, h - 1, t.dark);
    c.FillRect(x + 1, y + h - 1, w - 1, 1, t.dark);
}

// A soft light laid over what is already painted.
void GlowCircle(Canvas& c, int cx, int cy, int r, Rgba light) {
    for (int y = -r; y <= r; ++y)
        for (int x = -r; x <= r; ++x)
            if (x * x + y * y <= r * r) c.Blend(cx + x, cy + y, light);
}

// Grain on wood: short dark streaks along the board.
void Grain(Canvas& c, int x, int y, int w, int h, Tones t, std::uint32_t seed, bool vertical) {
    paint::Rng rng(seed);
    for (int k = 0; k < (w * h) / 30; ++k) {
        const int gx = x + 1 + rng.Range(0, std::max(0, w - 3)), gy = y + 1 + rng.Range(0, std::max(0, h - 3));
        if (vertical) c.FillRect(gx, gy, 1, std::min(rng.Range(2, 5), y + h - 1 - gy), t.dark);
        else c.FillRect(gx, gy, std::min(rng.Range(2, 6), x + w - 1 - gx), 1, t.dark);
    }
}

// ---- Reward icons ------------------------------------------------------------
// Each drawn around (cx, cy) at about 24 x 24 small pixels, outlined.

void CardIcon(Canvas& c, int cx, int cy) {
    c.FillRect(cx - 8, cy - 11, 16, 22, pal::Sand1);
    c.FillRect(cx - 7, cy - 10, 14, 20, pal::Bone);
    c.FillRect(cx - 5, cy - 8, 10, 16, pal::Night1);
    c.FillRect(cx - 5, cy - 8, 10, 1, pal::Night2);
    // A spell rune glowing in the card's window.
    c.FillRect(cx - 1, cy - 5, 2, 10, pal::Violet);
    c.FillRect(cx - 3, cy - 1, 6, 2, pal::Violet);
    c.Set(cx - 1, cy - 5, pal::Pink);
    c.Set(cx - 3, cy - 1, pal::Pink);
    c.FillRect(cx + 6, cy - 10, 1, 20, pal::Sand0);
}

void SwordIcon(Canvas& c, int cx, int cy) {
    for (int i = 0; i < 16; ++i) {  // the blade, rising to the top right
        c.FillRect(cx - 4 + i, cy + 4 - i, 2, 2, pal::Stone2);
        c.Set(cx - 4 + i, cy + 4 - i, pal::White);
        c.Set(cx - 3 + i, cy + 6 - i, pal::Stone1);
    }
    c.Line(cx - 9, cy + 1, cx - 1, cy + 9, pal::Lantern0, 2);  // the guard
    c.Set(cx - 8, cy + 1, pal::Lantern1);
    c.Line(cx - 6, cy + 8, cx - 10, cy + 12, pal::Wood2, 2);   // the grip
    c.FillRect(cx - 12, cy + 12, 3, 3, pal::Lantern0);         // the pommel
}

void HeartIcon(Canvas& c, int cx, int cy) {
    c.FillCircle(cx - 5, cy - 4, 6, pal::Rust1);
    c.FillCircle(cx + 5, cy - 4, 6, pal::Rust1);
    const paint::Point tip[] = {{cx - 11, cy - 2}, {cx + 11, cy - 2}, {cx, cy + 11}};
    c.FillPolygon(tip, pal::Rust1);
    c.FillCircle(cx - 4, cy - 4, 5, pal::Coral);
    c.FillRect(cx - 8, cy - 7, 3, 2, pal::CoralLight);
    c.Set(cx - 8, cy - 5, pal::CoralLight);
}

void CoinsIcon(Canvas& c, int cx, int cy) {
    // A small stack and a coin on its edge.
    for (int k = 0; k < 4; ++k) {
        const int y = cy + 8 - k * 3;
        c.FillEllipse(cx - 3, y, 8, 3, pal::Lantern0);
        c.FillRect(cx - 11, y, 17, 1, pal::Sand0);
        c.FillEllipse(cx - 3, y - 1, 7, 2, pal::Lantern1);
    }
    c.FillEllipse(cx + 6, cy - 4, 6, 7, pal::Lantern0);
    c.FillEllipse(cx + 5, cy - 5, 4, 5, pal::Lantern1);
    c.FillRect(cx + 5, cy - 8, 1, 6, pal::Lantern0);
    c.Set(cx + 3, cy - 8, pal::White);
}

void RewardIcon(Canvas& c, int cx, int cy, int kind) {
    switch (kind) {
    case REWARD_CARD: CardIcon(c, cx, cy); break;
    case REWARD_DAMAGE: SwordIcon(c, cx, cy); break;
    case REWARD_LIFE: HeartIcon(c, cx, cy); break;
    case REWARD_COINS: CoinsIcon(c, cx, cy); break;
    default: break;
    }
}

// ---- The door ----------------------------------------------------------------

// The portal: three arms of sea light winding inward; each frame turns
// them a fifth of the way to the next arm, so the five frames loop.
void Portal(Canvas& c, int cx, int cy, int rx, int ry, int frame) {
    const Rgba depth[] = {pal::Deep0, pal::Deep1, pal::Sea0};
    for (int k = 0; k < 3; ++k) c.FillEllipse(cx, cy + k * 3, rx - k * 9, ry - k * 12, depth[k]);
    for (int arm = 0; arm < 3; ++arm)
        for (int step = 0; step < 40; ++step) {
            const double t = step / 40.0;
            const double a = 2 * kPi * (arm / 3.0 + frame / 15.0) + t * 5.0;
            const int x = cx + static_cast<int>(std::lround(std::cos(a) * rx * (1 - t)));
            const int y = cy + static_cast<int>(std::lround(std::sin(a) * ry * (1 - t)));
            c.Set(x, y, t < 0.3 ? pal::Sea1 : t < 0.7 ? pal::Sea2 : pal::Foam);
        }
    c.FillCircle(cx, cy, 3, pal::Foam);
    for (int m = 0; m < 6; ++m) {  // motes drifting up through the doorway
        const int my = cy + ry - 4 - ((frame * 5 + m * 11) % (2 * ry - 8));
        c.Set(cx - rx + 6 + (m * 13) % (2 * rx - 12), my, m % 2 ? pal::Foam : pal::Sea2);
    }
}

void Sign(Canvas& c, int cx, int row, int frame) {
    // A driftwood board pegged on the lintel, the reward burnt into it.
    c.FillRect(cx - 9, 34, 3, 3, pal::Wood1);  // pegs into the lintel
    c.FillRect(cx + 7, 34, 3, 3, pal::Wood1);
    Block(c, cx - 15, 7, 30, 28, kPaleWood);
    Grain(c, cx - 15, 7, 30, 28, kPaleWood, 71u, false);
    if (row > 0) {
        GlowCircle(c, cx, 21, 13, pal::Lantern1.WithAlpha(static_cast<std::uint8_t>(30 + (frame % 5) * 15)));
        RewardIcon(c, cx, 21, row);
    } else {
        c.FillRect(cx - 6, 19, 12, 4, pal::Sea1);  // a plain way on
        const paint::Point head[] = {{cx + 4, 15}, {cx + 10, 21}, {cx + 4, 27}};
        c.FillPolygon(head, pal::Sea1);
        c.FillRect(cx - 6, 19, 12, 1, pal::Sea2);
    }
}

void PaintDoorCell(Canvas& c, int row, int frame) {
    const int w = c.Width(), h = c.Height(), cx = w / 2;
    // An arch of stacked stone, a driftwood lintel, and the portal inside.
    c.FillRect(cx - 34, 46, 69, h - 46, pal::Deep0);
    Portal(c, cx, 88, 30, 40, frame);
    c.FillRect(cx - 34, h - 6, 69, 6, pal::Sea0);
    for (int side = -1; side <= 1; side += 2) {
        const int px = side < 0 ? cx - 46 : cx + 35;
        for (int y = 44, k = 0; y < h; y += 12, ++k)
            Block(c, px + (k % 2), y, 11, 12, kStone);
        for (int y = 50; y < h; y += 24) c.Set(px + 3 + (y % 5), y + 4, pal::Kelp1);  // weed in the joints
        // A lantern on each post, flickering out of step.
        const int flick = (frame + (side > 0 ? 2 : 0)) % 5;
        c.FillRect(px + 3, 58, 5, 7, pal::Ink);
        c.FillRect(px + 4, 59, 3, 5, flick < 2 ? pal::Lantern1 : pal::Lantern0);
        GlowCircle(c, px + 5, 61, 6 + (flick % 3 == 0), pal::Lantern1.WithAlpha(45));
    }
    Block(c, cx - 50, 36, 101, 10, kDriftwood);
    Grain(c, cx - 50, 36, 101, 10, kDriftwood, 72u, false);
    c.FillRect(cx - 52, 38, 4, 6, pal::Wood2);
    c.FillRect(cx + 49, 38, 4, 6, pal::Wood2);
    Sign(c, cx, row, frame);
    c.Outline(pal::Ink);
}

void PaintDoor(Canvas& sheet, const AssetEntry& e) {
    paint::ForEachCell(sheet, e.cellWidth, e.cellHeight, e.framesPerRow, [](Canvas& cell, int row, int frame, int) {
        PaintSmall(cell, [&](Canvas& c) { PaintDoorCell(c, row, frame); });
    });
}

// ---- The reward chest and its items -------------------------------------------

constexpr int kChestBottom = 286;  // small pixels: the cell's bottom, the floor
constexpr int kChestHalfWidth = 30;

void PaintChestCell(Canvas& c, int frame, int frames) {
    const int cx = c.Width() / 2, bottom = kChestBottom, top = bottom - 26;
    // The lid swings back on its hinge: its front face shortens and rises,
    // and the glow inside grows.
    const float open = static_cast<float>(frame) / static_cast<float>(frames - 1);
    const float angle = open * 2.0f;  // radians, a little past upright
    if (frame > 0) {
        const int reach = static_cast<int>(open * 90);
        const paint::Point beam[] = {{cx - 26, top}, {cx + 26, top}, {cx + 36, top - reach}, {cx - 36, top - reach}};
        c.FillPolygon(beam, pal::Lantern1.WithAlpha(static_cast<std::uint8_t>(40 + 60 * open)));
    }
    Block(c, cx - kChestHalfWidth, top, 2 * kChestHalfWidth, 26, kDriftwood);
    for (int k = 1; k < 3; ++k) c.FillRect(cx - kChestHalfWidth + 1, top + k * 8, 2 * kChestHalfWidth - 2, 1, pal::Wood0);
    Grain(c, cx - kChestHalfWidth, top, 2 * kChestHalfWidth, 26, kDriftwood, 81u, false);
    for (int side = -1; side <= 1; side += 2)  // brass corners
        c.FillRect(cx + side * (kChestHalfWidth - 3) - (side > 0 ? 2 : 0), top, 4, 26, pal::Lantern0);
    // The lid: a half-drum seen from the front, taller when shut.
    const int lidDepth = 14;
    const int face = static_cast<int>(std::lround(lidDepth * std::cos(angle)));
    if (frame > 0) c.FillRect(cx - kChestHalfWidth + 2, top - 2, 2 * kChestHalfWidth - 4, 3, pal::Lantern1);  // the light inside
    if (face > 0) {
        Block(c, cx - kChestHalfWidth - 1, top - face, 2 * kChestHalfWidth + 2, face + 1, kPaleWood);
        c.FillRect(cx - kChestHalfWidth, top - face, 2 * kChestHalfWidth, 1, pal::Wood3);
        c.FillRect(cx - 1 - kChestHalfWidth + 3, top - face, 3, face, pal::Lantern0);
        c.FillRect(cx + kChestHalfWidth - 4, top - face, 3, face, pal::Lantern0);
    } else {
        // Past upright the lid shows its dark underside behind the chest.
        const int under = -face + 2;
        c.FillRect(cx - kChestHalfWidth - 1, top - under - 2, 2 * kChestHalfWidth + 2, under + 2, pal::Wood1);
        c.FillRect(cx - kChestHalfWidth, top - under - 2, 2 * kChestHalfWidth, 1, pal::Wood2);
    }
    // The lock plate, dropped open once the lid lifts.
    c.FillRect(cx - 4, top - (face > 6 ? 4 : 0), 8, 9, pal::Lantern0);
    c.FillRect(cx - 3, top - (face > 6 ? 3 : -1), 6, 1, pal::Lantern1);
    c.FillRect(cx - 1, top + (face > 6 ? 0 : 4), 2, 3, pal::Ink);
    c.Outline(pal::Ink, 0, top - 30, c.Width(), bottom - top + 31);
}

void PaintChest(Canvas& sheet, const AssetEntry& e) {
    paint::ForEachCell(sheet, e.cellWidth, e.cellHeight, e.framesPerRow, [](Canvas& cell, int, int frame, int frames) {
        PaintSmall(cell, [&](Canvas& c) { PaintChestCell(c, frame, frames); });
    });
}

// The item floats over the chest's lid (its picture hangs 100 px lower than
// the chest's); the rest of the picture stays clear.
void PaintItem(Canvas& cell, int kind) {
    PaintSmall(cell, [kind](Canvas& c) {
        const int cx = c.Width() / 2, cy = 180;
        c.FillCircle(cx, cy, 20, pal::Lantern1.WithAlpha(40));
        c.FillCircle(cx, cy, 15, pal::Lantern1.WithAlpha(50));
        RewardIcon(c, cx, cy, kind);
        c.Outline(pal::Ink, cx - 18, cy - 18, 36, 36);
        for (int k = 0; k < 4; ++k)  // a few glints around it
            c.Set(cx - 17 + (k * 11) % 34, cy - 16 + (k * 23) % 32, pal::Lantern1);
    });
}

// ---- Propeller, crate, wall ------------------------------------------------

// Two blades turning half a turn over the strip, seen from the side: their
// reach is the cosine of the turn, the near blade lit, the far one shaded.
void Rotor(Canvas& c, int cx, int cy, int reach, int frame, int frames) {
    const double a = kPi * frame / frames;
    const int dx = static_cast<int>(std::lround(std::cos(a) * reach));
    const int tilt = static_cast<int>(std::lround(std::sin(a) * 2));
    c.Line(cx, cy, cx - dx, cy - tilt, pal::Rust0, 3);
    c.Line(cx, cy, cx + dx, cy + tilt, pal::Coral, 3);
    c.Line(cx, cy - 1, cx + dx, cy + tilt - 1, pal::CoralLight);
    c.FillRect(cx - 3, cy - 3, 7, 7, pal::Stone1);
    c.FillRect(cx - 2, cy - 2, 3, 2, pal::Stone2);
}

void PaintPropellerCell(Canvas& c, int frame, int frames) {
    const int w = c.Width(), cx = w / 2, stand = 400 / kPixel;
    // The stand sits on the hitbox; the post rises from it to the rotor.
    Block(c, 2, stand, w - 4, 7, kPaleWood);
    Block(c, 6, stand + 7, w - 12, 5, kDriftwood);
    c.FillRect(cx - 3, 18, 7, stand - 18, pal::Stone1);
    c.FillRect(cx - 3, 18, 2, stand - 18, pal::Stone2);
    c.FillRect(cx + 2, 18, 2, stand - 18, pal::Stone0);
    for (int y = 26; y < stand - 2; y += 12) {  // rungs to climb by, lashed with rope
        Block(c, cx - 10, y, 21, 3, kDriftwood);
        c.FillRect(cx - 4, y - 1, 2, 5, pal::Sand1);
    }
    c.FillRect(cx - 5, 14, 11, 5, pal::Stone0);
    Rotor(c, cx, 11, 40, frame, frames);
    // A flag on the post streams in the rotor's wind.
    c.FillRect(cx + 4, 30, 8 + frame % 2 * 2, 5, pal::Coral);
    c.FillRect(cx + 4, 30, 8 + frame % 2 * 2, 1, pal::CoralLight);
    c.Outline(pal::Ink);
}

void PaintPropeller(Canvas& sheet, const AssetEntry& e) {
    paint::ForEachCell(sheet, e.cellWidth, e.cellHeight, e.framesPerRow, [](Canvas& cell, int, int frame, int frames) {
        PaintSmall(cell, [&](Canvas& c) { PaintPropellerCell(c, frame, frames); });
    });
}

// The crate's top is the ledge the player lands on: 420 px below the
// picture's top, 231 px wide from its left edge. A patched balloon holds
// it up and a little screw at its side turns.
void PaintCrateCell(Canvas& c, int frame, int frames) {
    constexpr int kTop = 420 / kPixel, kWidth = 231 / kPixel;
    const int cx = kWidth / 2, sway = frame == 1 ? 1 : 0;
    for (int side = -1; side <= 1; side += 2)
        c.Line(cx + side * 22 + sway, 78, side < 0 ? 3 : kWidth - 4, kTop, pal::Sand0);
    c.FillEllipse(cx + sway, 44, 34, 36, pal::Rust1);
    c.FillEllipse(cx - 6 + sway, 38, 26, 28, pal::Coral);
    c.FillEllipse(cx - 14 + sway, 26, 8, 10, pal::CoralLight);
    for (int k = -1; k <= 1; ++k) c.Line(cx + sway + k * 14, 10, cx + sway + k * 20, 78, pal::Rust0);  // seams
    Block(c, cx + 8 + sway, 50, 12, 10, kSand);  // a sailcloth patch
    c.FillRect(cx + 10 + sway, 52, 8, 1, pal::Sand0);
    Block(c, cx - 8 + sway, 76, 17, 5, kDriftwood);  // the basket ring
    Block(c, 1, kTop, kWidth - 2, 34, kPaleWood);
    c.FillRect(2, kTop + 1, kWidth - 4, 2, pal::Wood3);
    for (int k = 1; k < 3; ++k) c.FillRect(2, kTop + k * 11, kWidth - 4, 1, pal::Wood1);
    c.Line(3, kTop + 3, kWidth - 4, kTop + 32, pal::Wood1, 2);  // the brace
    Grain(c, 1, kTop, kWidth - 2, 34, kPaleWood, 91u, false);
    // The screw: three blades seen from the side, a third of a turn a frame.
    const int sx = kWidth + 3, sy = kTop + 16;
    c.FillRect(kWidth - 1, sy - 1, 4, 3, pal::Stone1);
    for (int b = 0; b < 3; ++b) {
        const double a = 2 * kPi * (b + static_cast<double>(frame) / frames) / 3;
        c.Line(sx, sy, sx + static_cast<int>(std::lround(std::cos(a) * 2)), sy + static_cast<int>(std::lround(std::sin(a) * 9)),
               b == 0 ? pal::Stone2 : pal::Stone1, 2);
    }
    c.Outline(pal::Ink);
}

void PaintCrate(Canvas& sheet, const AssetEntry& e) {
    paint::ForEachCell(sheet, e.cellWidth, e.cellHeight, e.framesPerRow, [](Canvas& cell, int, int frame, int frames) {
        PaintSmall(cell, [&](Canvas& c) { PaintCrateCell(c, frame, frames); });
    });
}

// A step wall: a tarred post banded with iron, barnacles where the sea
// reaches it. Stacked walls meet end to end.
void PaintWall(Canvas& cell) {
    PaintSmall(cell, [](Canvas& c) {
        const int h = c.Height();
        Block(c, 1, 0, 6, h, kDriftwood);
        c.FillRect(2, 0, 1, h, pal::Wood2);
        for (int y = 10; y < h; y += 28) {
            c.FillRect(1, y, 6, 3, pal::Stone1);
            c.FillRect(1, y, 6, 1, pal::Stone2);
            c.Set(3, y + 1, pal::Stone0);
        }
        for (int y = 4; y < h; y += 13) c.Set(1 + (y % 3), y, pal::Bone);
        c.FillRect(0, 0, 1, h, pal::Ink);
        c.FillRect(7, 0, 1, h, pal::Ink);
    });
}

// ---- Fountain, forge, statue (shown at x3: painted at their own size) ----

void PaintFountain(Canvas& sheet, const AssetEntry& e) {
    paint::ForEachCell(sheet, e.cellWidth, e.cellHeight, e.framesPerRow, [](Canvas& c, int row, int frame, int frames) {
        const int w = c.Width(), h = c.Height(), cx = w / 2;
        // A stone basin fed by a fish-mouthed spout; pressed, it leaps.
        Block(c, cx - 50, h - 26, 100, 26, kStone);
        c.FillRect(cx - 46, h - 24, 92, 4, pal::Sea1);
        c.FillRect(cx - 46, h - 24, 92, 1, pal::Sea2);
        Block(c, cx - 8, h - 70, 16, 44, kStone);
        c.FillCircle(cx, h - 76, 9, pal::Stone1);
        c.FillCircle(cx - 3, h - 79, 4, pal::Stone2);
        c.Set(cx + 3, h - 78, pal::Ink);
        const float t = static_cast<float>(frame) / static_cast<float>(frames);
        const int jet = row == 1 ? static_cast<int>(60 * std::sin(t * kPi)) + 6 : 4 + frame % 3;
        c.FillRect(cx - 2, h - 86 - jet, 4, jet, pal::Sea2);
        c.FillRect(cx - 1, h - 86 - jet, 1, jet, pal::Foam);
        c.FillEllipse(cx, h - 86 - jet, 5, 3, pal::Foam);
        for (int d = 0; d < 4; ++d) {  // drops falling back into the basin
            const int fall = (frame * 3 + d * 7) % 40;
            c.FillRect(cx - 30 + d * 20, h - 66 + fall, 2, 2, pal::Sea2);
        }
        c.Outline(pal::Ink);
    });
}

void PaintForge(Canvas& sheet, const AssetEntry& e) {
    paint::ForEachCell(sheet, e.cellWidth, e.cellHeight, e.framesPerRow, [](Canvas& cell, int, int frame, int) {
        PaintSmall(cell, [frame](Canvas& c) {
            const int w = c.Width(), h = c.Height(), cx = w / 2;
            // A brick furnace with a hood, an anvil before it, the fire breathing.
            for (int y = 40, k = 0; y < h; y += 8, ++k)
                for (int x = 14 + (k % 2) * 6; x < w - 14; x += 12) Block(c, x, y, std::min(12, w - 14 - x), 8, kBrick);
            const paint::Point hood[] = {{cx - 40, 40}, {cx + 40, 40}, {cx + 14, 10}, {cx - 14, 10}};
            c.FillPolygon(hood, pal::Stone0);
            c.FillRect(cx - 14, 10, 28, 2, pal::Stone1);
            c.FillRoundRect(cx - 22, 62, 44, 34, 8, pal::Ink);
            const int breath = (frame * 2) % 5;
            c.FillEllipse(cx, 90, 18, 6 + breath, pal::Rust1);
            c.FillEllipse(cx, 92, 13, 4 + breath, pal::Lantern0);
            c.FillEllipse(cx - 2, 93, 6, 2 + breath / 2, pal::Lantern1);
            Block(c, cx - 20, h - 22, 40, 8, kStone);  // the anvil
            c.FillRect(cx - 8, h - 14, 16, 14, pal::Stone0);
            c.Outline(pal::Ink);
        });
    });
}

// A weathered sea god on a plinth: bearded, crowned, a trident at his side.
// Row 0 is the prayer (the runes, eyes and a halo light up), row 1 the
// glow going out again.
void PaintStatueCell(Canvas& c, int row, int frame, int frames) {
    const int w = c.Width(), h = c.Height(), cx = w / 2;
    const float t = static_cast<float>(frame) / static_cast<float>(std::max(1, frames - 1));
    const float lit = row == 0 ? std::min(1.f, t * 1.4f) : 1.f - t;
    const auto glow = [lit](int a) { return pal::Lantern1.WithAlpha(static_cast<std::uint8_t>(lit * static_cast<float>(a))); };
    if (lit > 0.05f) {
        c.FillCircle(cx, 46, 28 + static_cast<int>(lit * 10) + frame % 3, glow(40));
        c.FillCircle(cx, 46, 22 + static_cast<int>(lit * 6), glow(60));
    }
    // Plinth, with runes that fill with light.
    Block(c, cx - 46, h - 30, 92, 30, kStone);
    Block(c, cx - 52, h - 36, 104, 7, kStone);
    for (int k = 0; k < 5; ++k) {
        const int rx = cx - 34 + k * 16;
        const Rgba rune = Mix(pal::Stone0, pal::Lantern1, std::clamp(lit * 1.5f - k * 0.1f, 0.f, 1.f));
        c.FillRect(rx, h - 22, 2, 8, rune);
        c.FillRect(rx - 2, h - 18 + (k % 2) * 3, 6, 1, rune);
    }
    // The body: a robe falling in folds, arms raised before the chest.
    const paint::Point robe[] = {{cx - 24, h - 36}, {cx + 24, h - 36}, {cx + 18, 80}, {cx - 18, 80}};
    c.FillPolygon(robe, pal::Stone1);
    for (int f = -12; f <= 12; f += 8) c.Line(cx + f, 90, cx + f * 3 / 2, h - 38, pal::Stone0);
    c.FillRect(cx - 18, 80, 4, h - 116, pal::Stone2);
    c.FillEllipse(cx, 82, 22, 10, pal::Stone1);  // shoulders
    c.FillEllipse(cx - 6, 78, 12, 4, pal::Stone2);
    // The beard, long and wavy, over the chest.
    const paint::Point beard[] = {{cx - 12, 58}, {cx + 12, 58}, {cx + 8, 96}, {cx, 106}, {cx - 8, 96}};
    c.FillPolygon(beard, pal::Stone2);
    for (int y = 64; y < 100; y += 6) c.Line(cx - 6, y, cx + 6, y + 3, pal::Stone1);
    // Head and crown.
    c.FillCircle(cx, 48, 12, pal::Stone1);
    c.FillCircle(cx - 4, 44, 6, pal::Stone2);
    for (int k = -2; k <= 2; ++k) c.FillRect(cx + k * 5 - 1, 28 - (2 - std::abs(k)) * 2, 3, 8 + (2 - std::abs(k)) * 2, pal::Sand0);
    c.FillRect(cx - 12, 34, 25, 3, pal::Sand0);
    const Rgba eye = Mix(pal::Stone0, pal::Lantern1, lit);
    c.FillRect(cx - 6, 48, 4, 2, eye);
    c.FillRect(cx + 3, 48, 4, 2, eye);
    // The trident, held upright at his right.
    c.FillRect(cx + 30, 30, 3, h - 66, pal::Rust0);
    c.FillRect(cx + 30, 30, 1, h - 66, pal::Rust1);
    c.FillRect(cx + 22, 30, 19, 3, pal::Rust0);
    for (int p = 0; p < 3; ++p) c.FillRect(cx + 22 + p * 8, 18 + (p == 1 ? -4 : 0), 3, 12 + (p == 1 ? 4 : 0), pal::Rust1);
    c.FillRect(cx + 18, 96, 14, 7, pal::Stone1);  // the hand on the shaft
    // Weather: barnacles and kelp from the tides, cracks.
    paint::Rng rng(777);
    for (int k = 0; k < 14; ++k) c.Set(cx - 30 + rng.Range(0, 60), h - 60 + rng.Range(0, 24), pal::Bone);
    for (int k = 0; k < 6; ++k) c.FillRect(cx - 40 + k * 16, h - 38, 2, 3 + k % 3, pal::Kelp1);
    c.Line(cx - 10, 120, cx - 4, 140, pal::Stone0);
    c.Outline(pal::Ink);
    if (lit > 0.05f)  // light spilling from the eyes, over the outline
        c.FillRect(cx - 8, 47, 17, 4, glow(70));
}

void PaintStatue(Canvas& sheet, const AssetEntry& e) {
    paint::ForEachCell(sheet, e.cellWidth, e.cellHeight, e.framesPerRow,
                       [](Canvas& c, int row, int frame, int frames) { PaintStatueCell(c, row, frame, frames); });
}

}  // namespace

void RegisterWorldPropArt(PainterRegistry& registry) {
    registry.Add(FindObstacleKind(OBS_DOOR)->pictures[0], PaintDoor);
    registry.Add(FindObstacleKind(OBS_REWARD)->pictures[0], PaintChest);
    for (int kind = REWARD_CARD; kind <= REWARD_COINS; ++kind)
        registry.Add(RewardItemPicture(kind), [kind](Canvas& c, const AssetEntry&) { PaintItem(c, kind); });
    registry.Add(FindObstacleKind(OBS_PROPELLER)->pictures[0], PaintPropeller);
    registry.Add(FindObstacleKind(OBS_FAN)->pictures[0], [](Canvas&, const AssetEntry&) {});  // never seen
    registry.Add(FindObstacleKind(OBS_FOUNTAIN)->pictures[0], PaintFountain);
    registry.Add(FindObstacleKind(OBS_WALL)->pictures[0], [](Canvas& c, const AssetEntry&) { PaintWall(c); });
    registry.Add(FindObstacleKind(OBS_FLYING_CRATE)->pictures[0], PaintCrate);
    registry.Add(FindObstacleKind(OBS_FORGE)->pictures[0], PaintForge);
    registry.Add("Assets/Sprites/Obstacle/SpritesheetStatue.png", PaintStatue);
}
