// Pictures of the level's props: the door and its reward signs, the reward
// chest and its four items, the propeller, crate, fountain, forge, statue
// and step wall.
#include <algorithm>
#include <cmath>
#include <string>

#include "art_world_kit.hpp"
#include "world/pattern_table.hpp"

namespace {

using namespace world_art;
// ---- Props ---------------------------------------------------------------

// Small icons for the four rewards, drawn into a box of about s x s.
void RewardIcon(Canvas& c, int cx, int cy, int s, int kind) {
    switch (kind) {
    case REWARD_CARD:
        c.FillRoundRect(cx - s / 3, cy - s / 2, 2 * s / 3, s, s / 10, pal::Bone);
        c.StrokeRect(cx - s / 3, cy - s / 2, 2 * s / 3, s, pal::Ink, std::max(1, s / 24));
        c.FillCircle(cx, cy, s / 6, pal::Violet);
        c.FillCircle(cx - s / 20, cy - s / 20, s / 14, pal::Pink);
        break;
    case REWARD_DAMAGE:
        c.Line(cx - s / 3, cy + s / 3, cx + s / 3, cy - s / 3, pal::Stone2, std::max(2, s / 8));
        c.Line(cx - s / 3 + 2, cy + s / 3 - 4, cx + s / 3 - 2, cy - s / 3 - 2, pal::White, std::max(1, s / 24));
        c.Line(cx - s / 4, cy + s / 8, cx - s / 8, cy + s / 4, pal::Wood2, std::max(2, s / 8));
        c.Line(cx - s / 3, cy + s / 3, cx - s / 4, cy + s / 4, pal::Lantern0, std::max(2, s / 8));
        break;
    case REWARD_LIFE:
        c.FillCircle(cx - s / 5, cy - s / 8, s / 4, pal::Coral);
        c.FillCircle(cx + s / 5, cy - s / 8, s / 4, pal::Coral);
        {
            const paint::Point tri[] = {{cx - s / 2 + 2, cy - s / 20}, {cx + s / 2 - 2, cy - s / 20}, {cx, cy + s / 2}};
            c.FillPolygon(tri, pal::Coral);
        }
        c.FillCircle(cx - s / 4, cy - s / 5, s / 12, pal::CoralLight);
        break;
    case REWARD_COINS:
        c.FillCircle(cx, cy, s / 2 - 1, pal::Lantern0);
        c.FillCircle(cx - s / 16, cy - s / 16, s / 3, pal::Lantern1);
        c.FillRect(cx - s / 16, cy - s / 4, s / 8, s / 2, pal::Lantern0);
        break;
    default:
        break;
    }
}

void PaintDoor(Canvas& sheet, const AssetEntry& e) {
    paint::ForEachCell(sheet, e.cellWidth, e.cellHeight, e.framesPerRow, [](Canvas& c, int row, int frame, int) {
        const int w = c.Width(), h = c.Height();
        // The doorway: two posts and a lintel of driftwood, a glowing portal.
        const Rgba glow = Mix(pal::Sea2, pal::Foam, 0.2f * static_cast<float>(frame % 5));
        c.FillRect(60, 100, w - 120, h - 100, pal::Deep0);
        for (int r = 0; r < 5; ++r)
            c.FillEllipse(w / 2, 250 + ((frame * 14 + r * 30) % 140) - 40, 70 - r * 12, 90 - r * 16, Mix(pal::Sea0, glow, r / 4.f));
        Planks(c, 30, 90, 40, h - 90, kDriftwood, 7u);
        Planks(c, w - 70, 90, 40, h - 90, kDriftwood, 8u);
        Planks(c, 10, 60, w - 20, 40, kPaleWood, 9u);
        // The sign above shows the reward behind the door.
        c.FillRoundRect(w / 2 - 50, 0, 100, 70, 8, pal::Sand2);
        c.StrokeRect(w / 2 - 50, 0, 100, 70, pal::Ink, 2);
        if (row > 0) RewardIcon(c, w / 2, 35, 48, row);
        else c.FillCircle(w / 2, 35, 14, pal::Lantern0);
        // Lanterns on the posts flicker.
        const Rgba flame = frame % 2 ? pal::Lantern1 : pal::Lantern0;
        c.FillCircle(50, 130, 10 + frame % 3, flame);
        c.FillCircle(w - 50, 130, 10 + (frame + 1) % 3, flame);
    });
}

void PaintChest(Canvas& sheet, const AssetEntry& e) {
    paint::ForEachCell(sheet, e.cellWidth, e.cellHeight, e.framesPerRow, [](Canvas& c, int, int frame, int frames) {
        const int w = c.Width(), h = c.Height();
        const int bodyTop = h - 200, cx = w / 2;
        const float open = static_cast<float>(frame) / static_cast<float>(frames - 1);
        if (frame > 0) {  // light pours out as the lid rises
            const int rays = static_cast<int>(open * 420);
            const paint::Point beam[] = {{cx - 150, bodyTop}, {cx + 150, bodyTop}, {cx + 220, bodyTop - rays}, {cx - 220, bodyTop - rays}};
            c.FillPolygon(beam, pal::Lantern1.WithAlpha(static_cast<std::uint8_t>(60 + 80 * open)));
        }
        Planks(c, cx - 170, bodyTop, 340, 190, kDriftwood, 11u);
        c.FillRect(cx - 170, bodyTop + 60, 340, 14, pal::Lantern0);  // brass band
        c.FillRect(cx - 20, bodyTop + 50, 40, 40, pal::Lantern1);
        c.StrokeRect(cx - 20, bodyTop + 50, 40, 40, pal::Ink, 2);
        const int lidH = std::max(10, static_cast<int>(90 * (1.f - open)));
        const int lidTop = bodyTop - lidH - static_cast<int>(open * 60);
        Planks(c, cx - 176, lidTop, 352, lidH, kPaleWood, 12u);
    });
}

void PaintItem(Canvas& c, int kind) {
    // The icon floats over the chest's lid; the rest stays clear so the
    // player standing at the chest overlaps the item.
    const int cx = c.Width() / 2, cy = 380;
    c.FillCircle(cx, cy, 110, pal::Lantern1.WithAlpha(60));
    RewardIcon(c, cx, cy, 150, kind);
    c.Outline(pal::Ink, cx - 130, cy - 130, 260, 260);
}

void PaintPropeller(Canvas& sheet, const AssetEntry& e) {
    paint::ForEachCell(sheet, e.cellWidth, e.cellHeight, e.framesPerRow, [](Canvas& c, int, int frame, int frames) {
        const int w = c.Width(), cx = w / 2;
        Planks(c, 0, 400, w, 38, kPaleWood, 21u);  // the stand on the hitbox
        c.FillRect(cx - 8, 60, 16, 340, pal::Stone0);
        c.FillRect(cx - 4, 60, 4, 340, pal::Stone2);
        for (int y = 80; y < 400; y += 40) c.FillRect(cx - 20, y, 40, 6, pal::Wood2);  // rungs
        // Blades seen edge on: their length swings with the turn.
        const double a = 2.0 * kPi * frame / frames;
        const int span = static_cast<int>(std::abs(std::cos(a)) * 130) + 10;
        c.FillEllipse(cx - span / 2, 44, span / 2, 10, pal::Rust1);
        c.FillEllipse(cx + span / 2, 44, span / 2, 10, pal::Coral);
        c.FillCircle(cx, 44, 14, pal::Stone1);
        c.Outline(pal::Ink);
    });
}

void PaintCrate(Canvas& sheet, const AssetEntry& e) {
    paint::ForEachCell(sheet, e.cellWidth, e.cellHeight, e.framesPerRow, [](Canvas& c, int, int frame, int) {
        const int w = c.Width(), h = c.Height(), bob = (frame == 1 ? 6 : frame == 2 ? 3 : 0);
        // A crate lifted by a patched balloon.
        c.FillEllipse(w / 2, 150 + bob, 140, 140, pal::Coral);
        c.FillEllipse(w / 2 - 40, 110 + bob, 50, 60, pal::CoralLight);
        c.FillRect(w / 2 + 40, 180 + bob, 40, 30, pal::Sand1);
        for (int k = -1; k <= 1; k += 2) c.Line(w / 2 + k * 100, 250 + bob, w / 2 + k * 110, h - 200 + bob, pal::Sand0, 3);
        Planks(c, w / 2 - 130, h - 210 + bob, 260, 200, kPaleWood, 31u);
        c.Line(w / 2 - 130, h - 210 + bob, w / 2 + 130, h - 10 + bob, pal::Wood1, 8);
        c.Outline(pal::Ink);
    });
}

void PaintFountain(Canvas& sheet, const AssetEntry& e) {
    paint::ForEachCell(sheet, e.cellWidth, e.cellHeight, e.framesPerRow, [](Canvas& c, int row, int frame, int frames) {
        const int w = c.Width(), h = c.Height();
        c.FillRect(w / 2 - 60, h - 40, 120, 40, pal::Stone1);
        c.FillRect(w / 2 - 60, h - 40, 120, 6, pal::Stone2);
        const int jet = row == 1 ? 20 + (frames - 1 - std::abs(frame - frames / 2)) * 4 : 6 + (frame % 4);
        c.FillRect(w / 2 - 6, h - 40 - jet, 12, jet, pal::Sea2);
        c.FillEllipse(w / 2, h - 40 - jet, 14, 8, pal::Foam);
        c.Outline(pal::Ink);
    });
}

void PaintForge(Canvas& sheet, const AssetEntry& e) {
    paint::ForEachCell(sheet, e.cellWidth, e.cellHeight, e.framesPerRow, [](Canvas& c, int, int frame, int) {
        const int w = c.Width(), h = c.Height();
        Bricks(c, 40, 120, w - 80, h - 120, kBrick, 51u);
        c.FillRoundRect(w / 2 - 60, 220, 120, 100, 30, pal::Ink);
        c.FillEllipse(w / 2, 300, 50, 20 + frame * 3, pal::Lantern0);
        c.FillEllipse(w / 2, 305, 30, 10 + frame * 2, pal::Lantern1);
        c.Outline(pal::Ink);
    });
}

void PaintStatue(Canvas& sheet, const AssetEntry& e) {
    paint::ForEachCell(sheet, e.cellWidth, e.cellHeight, e.framesPerRow, [](Canvas& c, int row, int frame, int frames) {
        const int w = c.Width(), h = c.Height(), cx = w / 2;
        // A praying idol on a plinth; its eyes and a halo light up while the
        // player prays (row 0) and fade back (row 1).
        const float t = static_cast<float>(frame) / static_cast<float>(frames - 1);
        const float lit = row == 0 ? t : 1.f - t;
        if (lit > 0.f) c.FillCircle(cx, 60, 20 + static_cast<int>(lit * 30), pal::Lantern1.WithAlpha(static_cast<std::uint8_t>(lit * 140)));
        c.FillRect(cx - 50, h - 30, 100, 30, pal::Stone0);
        c.FillRect(cx - 50, h - 30, 100, 4, pal::Stone2);
        c.FillRoundRect(cx - 30, 70, 60, h - 100, 20, pal::Stone1);
        c.FillRect(cx - 30, 70, 8, h - 100, pal::Stone2);
        c.FillCircle(cx, 60, 26, pal::Stone1);
        c.FillCircle(cx - 8, 52, 10, pal::Stone2);
        const Rgba eye = Mix(pal::Stone0, pal::Lantern1, lit);
        c.FillRect(cx - 12, 56, 6, 4, eye);
        c.FillRect(cx + 6, 56, 6, 4, eye);
        c.FillRect(cx - 18, 110, 36, 10, pal::Stone0);  // folded hands
        c.Outline(pal::Ink);
    });
}

void PaintWall(Canvas& c) {
    c.FillRect(2, 0, 20, c.Height(), pal::Wood1);
    c.FillRect(4, 0, 4, c.Height(), pal::Wood3);
    for (int y = 20; y < c.Height(); y += 60) c.FillRect(2, y, 20, 6, pal::Stone0);  // iron bands
    c.StrokeRect(1, 0, 22, c.Height(), pal::Ink);
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
