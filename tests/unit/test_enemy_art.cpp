// The generated enemy and HUD pictures agree with where the game puts them:
// creatures stand on the floor in every cell, every strip moves, left and
// right rows mirror each other, the tank fills its box, the archer's arm
// turns about its shoulder, and the HUD backs leave their bars a window.
#include <gtest/gtest.h>

#include <SFML/Graphics/Image.hpp>
#include <cmath>
#include <map>
#include <string>
#include <utility>
#include <vector>

#include "enemies/enemy_table.hpp"
#include "engine/asset_manifest.hpp"

namespace {

struct Sheet {
    const AssetEntry* entry = nullptr;
    sf::Image image;

    bool Opaque(int row, int frame, int x, int y) const
    {
        if (x < 0 || y < 0 || x >= entry->cellWidth || y >= entry->cellHeight)
            return false;
        return image.getPixel(frame * entry->cellWidth + x, row * entry->cellHeight + y).a != 0;
    }
    sf::Color Pixel(int row, int frame, int x, int y) const
    {
        return image.getPixel(frame * entry->cellWidth + x, row * entry->cellHeight + y);
    }
    // The lowest cell row holding anything, -1 for an empty cell.
    int Bottom(int row, int frame) const
    {
        for (int y = entry->cellHeight - 1; y >= 0; --y)
            for (int x = 0; x < entry->cellWidth; ++x)
                if (Opaque(row, frame, x, y))
                    return y;
        return -1;
    }
};

// Each sheet is read once for all the tests.
const Sheet& Load(const char* path)
{
    static std::map<std::string, Sheet> loaded;
    auto [it, added] = loaded.try_emplace(path);
    if (added) {
        it->second.entry = FindAsset(path);
        EXPECT_NE(it->second.entry, nullptr) << path;
        EXPECT_TRUE(it->second.image.loadFromFile(path)) << path;
    }
    return it->second;
}

// The cell row just above the floor, for a creature whose sprite's bottom
// rests on its ground line.
int FeetRow(const AssetEntry& e, float groundLine)
{
    return e.cellHeight - static_cast<int>(groundLine - kLevelFloorY) - 1;
}

bool CellsEqual(const Sheet& s, int rowA, int frameA, int rowB, int frameB)
{
    for (int y = 0; y < s.entry->cellHeight; ++y)
        for (int x = 0; x < s.entry->cellWidth; ++x)
            if (s.Pixel(rowA, frameA, x, y) != s.Pixel(rowB, frameB, x, y))
                return false;
    return true;
}

// Counts the pixels of row a that differ from row b mirrored so that cell
// column x meets column axis - x (out of the cell counts as clear).
int MirrorMismatches(const Sheet& s, int rowA, int rowB, int frame, int axis)
{
    int bad = 0;
    for (int y = 0; y < s.entry->cellHeight; ++y)
        for (int x = 0; x < s.entry->cellWidth; ++x) {
            const int mx = axis - x;
            const bool inside = mx >= 0 && mx < s.entry->cellWidth;
            const sf::Color a = s.Pixel(rowA, frame, x, y);
            const sf::Color b = inside ? s.Pixel(rowB, frame, mx, y) : sf::Color::Transparent;
            if (a.a == 0 && b.a == 0)
                continue;
            bad += a != b;
        }
    return bad;
}

const char* const kEnemySheets[] = {
    "Assets/Sprites/Enemies/spriteSheetMonkey.png", "Assets/Sprites/Enemies/SpriteSheetMonkeyArm.png",
    "Assets/Sprites/Enemies/SpriteSheetTank.png",   "Assets/Sprites/Enemies/BirdSpriteSheet.png",
    "Assets/Sprites/Enemies/RatSpriteSheet.png",    "Assets/Sprites/Enemies/SpriteSheetSkeletonRat.png",
    "Assets/Sprites/Enemies/SpritesheetDummy.png",  "Assets/Sprites/Enemies/Fiole.png",
    "Assets/Sprites/Enemies/Os.png",                "Assets/Sprites/Enemies/Blood.png",
    "Assets/Sprites/Enemies/SmokeSpriteSheet.png",
};

TEST(EnemyArt, EveryCellOfEveryStripShowsSomethingAndMoves)
{
    for (const char* path : kEnemySheets) {
        const Sheet& s = Load(path);
        ASSERT_NE(s.entry, nullptr);
        for (int row = 0; row < s.entry->rows; ++row)
            for (int f = 0; f < s.entry->FramesInRow(row); ++f) {
                EXPECT_GE(s.Bottom(row, f), 0) << path << " row " << row << " frame " << f << " is empty";
                if (f + 1 < s.entry->FramesInRow(row)) {
                    EXPECT_FALSE(CellsEqual(s, row, f, row, f + 1))
                        << path << " row " << row << ": frames " << f << " and " << f + 1 << " are the same";
                }
            }
    }
}

TEST(EnemyArt, WalkingKindsStandOnTheFloorInEveryCell)
{
    struct Standing {
        int kind;
        float groundLine;
        std::vector<int> rows;
    };
    const Standing kinds[] = {
        {ENEMY_ARCHER, kArcherGroundY, {ARCHER_ROW_START, 1, ARCHER_ROW_WALK_LEFT, ARCHER_ROW_WALK_RIGHT}},
        {ENEMY_RAT, kEnemyGroundY, {0, 1, 2, 3, 4, 5}},
        {ENEMY_SKELETON_RAT, kEnemyGroundY, {0, 1, 2, 3, 4, 5}},
    };
    for (const Standing& k : kinds) {
        const Sheet& s = Load(EnemyInfo(k.kind).sheet);
        ASSERT_NE(s.entry, nullptr);
        const int feet = FeetRow(*s.entry, k.groundLine);
        for (int row : k.rows)
            for (int f = 0; f < s.entry->FramesInRow(row); ++f)
                EXPECT_EQ(s.Bottom(row, f), feet) << EnemyInfo(k.kind).sheet << " row " << row << " frame " << f;
    }

    // The tank's sheet is enlarged and hangs off its box, whose bottom rests
    // on the ground line.
    const EnemyKindInfo& tank = EnemyInfo(ENEMY_TANK);
    const Sheet& t = Load(tank.sheet);
    ASSERT_NE(t.entry, nullptr);
    const float boxBottom = (kTankBoxHeight - kTankSpriteY) / tank.scale;
    const int tankFeet = static_cast<int>(std::lround(boxBottom - (kEnemyGroundY - kLevelFloorY) / tank.scale)) - 1;
    for (int row = 0; row < t.entry->rows; ++row)
        for (int f = 0; f < t.entry->FramesInRow(row); ++f)
            EXPECT_EQ(t.Bottom(row, f), tankFeet) << "tank row " << row << " frame " << f;

    // The dummy stands planted in the hub's floor, however it rocks.
    const EnemyKindInfo& dummy = EnemyInfo(ENEMY_DUMMY);
    const Sheet& d = Load(dummy.sheet);
    ASSERT_NE(d.entry, nullptr);
    const int dummyFeet = static_cast<int>(kDummyFloorY - (kDummySpawnY + dummy.spriteY)) - 1;
    for (int f = 0; f < d.entry->FramesInRow(0); ++f)
        EXPECT_EQ(d.Bottom(0, f), dummyFeet) << "dummy frame " << f;
}

TEST(EnemyArt, LeftAndRightRowsAreMirrorImages)
{
    struct Pair {
        int kind;
        int left, right;
    };
    const Pair pairs[] = {
        {ENEMY_ARCHER, ARCHER_ROW_START, 1},
        {ENEMY_ARCHER, ARCHER_ROW_WALK_LEFT, ARCHER_ROW_WALK_RIGHT},
        {ENEMY_ARCHER, ARCHER_ROW_AIR_LEFT, ARCHER_ROW_AIR_RIGHT},
        {ENEMY_ARCHER_ARM, ARM_ROW_AIM_LEFT, ARM_ROW_AIM_RIGHT},
        {ENEMY_TANK, TANK_ROW_IDLE_LEFT, TANK_ROW_IDLE_RIGHT},
        {ENEMY_TANK, TANK_ROW_WALK_LEFT, TANK_ROW_WALK_RIGHT},
        {ENEMY_TANK, TANK_ROW_SHIELD_LEFT, TANK_ROW_SHIELD_RIGHT},
        {ENEMY_TANK, TANK_ROW_CHARGE_LEFT, TANK_ROW_CHARGE_RIGHT},
        {ENEMY_BIRD, BIRD_ROW_FLY_LEFT, BIRD_ROW_FLY_RIGHT},
        {ENEMY_BIRD, BIRD_ROW_ATTACK_LEFT, BIRD_ROW_ATTACK_RIGHT},
        {ENEMY_RAT, RAT_ROW_IDLE_LEFT, RAT_ROW_IDLE_RIGHT},
        {ENEMY_RAT, RAT_ROW_WALK_LEFT, RAT_ROW_WALK_RIGHT},
        {ENEMY_RAT, RAT_ROW_THROW_LEFT, RAT_ROW_THROW_RIGHT},
        {ENEMY_SKELETON_RAT, SKELETON_ROW_RISE, 1},
        {ENEMY_SKELETON_RAT, SKELETON_ROW_WALK_LEFT, SKELETON_ROW_WALK_RIGHT},
        {ENEMY_SKELETON_RAT, SKELETON_ROW_THROW_LEFT, SKELETON_ROW_THROW_RIGHT},
    };
    for (const Pair& p : pairs) {
        const Sheet& s = Load(EnemyInfo(p.kind).sheet);
        ASSERT_NE(s.entry, nullptr);
        // The archer turns about the line between its arm's two offsets, so
        // its shoulder is at one of them either way; the rest about the cell.
        const int axis = p.kind == ENEMY_ARCHER
                             ? static_cast<int>(kArcherArmOffsetLeftX + kArcherArmOffsetRightX) - 1
                             : s.entry->cellWidth - 1;
        for (int f = 0; f < s.entry->FramesInRow(p.left); ++f)
            EXPECT_EQ(MirrorMismatches(s, p.left, p.right, f, axis), 0)
                << EnemyInfo(p.kind).sheet << " rows " << p.left << "/" << p.right << " frame " << f;
    }
}

TEST(EnemyArt, ArcherArmTurnsAboutTheShouldersOfTheBody)
{
    const Sheet& body = Load(EnemyInfo(ENEMY_ARCHER).sheet);
    const Sheet& arm = Load(EnemyInfo(ENEMY_ARCHER_ARM).sheet);
    ASSERT_NE(body.entry, nullptr);
    ASSERT_NE(arm.entry, nullptr);
    const int left = static_cast<int>(kArcherArmOffsetLeftX), right = static_cast<int>(kArcherArmOffsetRightX);
    const int y = static_cast<int>(kArcherArmY);
    // Walking, the arm rides at the left offset facing left and the right
    // one facing right; in the air the offsets swap. The idle archer faces
    // left with the arm's first offset.
    const std::pair<int, int> shoulders[] = {{ARCHER_ROW_START, left},   {ARCHER_ROW_WALK_LEFT, left},
                                             {ARCHER_ROW_WALK_RIGHT, right}, {ARCHER_ROW_AIR_RIGHT, left},
                                             {ARCHER_ROW_AIR_LEFT, right}};
    for (const auto& [row, x] : shoulders)
        for (int f = 0; f < body.entry->FramesInRow(row); ++f)
            EXPECT_TRUE(body.Opaque(row, f, x, y)) << "no shoulder under the arm: row " << row << " frame " << f;
    // The arm starts at its origin: (0, pivot) aiming right, the cell's
    // right edge aiming left.
    const int pivotY = static_cast<int>(kArcherArmPivotY);
    for (int f = 0; f < arm.entry->FramesInRow(ARM_ROW_AIM_RIGHT); ++f) {
        EXPECT_TRUE(arm.Opaque(ARM_ROW_AIM_RIGHT, f, 0, pivotY)) << "frame " << f;
        EXPECT_TRUE(arm.Opaque(ARM_ROW_AIM_LEFT, f, static_cast<int>(kArcherArmPivotLeftX) - 1, pivotY)) << "frame " << f;
    }
}

TEST(EnemyArt, TankFillsTheBoxItHangsFrom)
{
    const EnemyKindInfo& tank = EnemyInfo(ENEMY_TANK);
    const Sheet& s = Load(tank.sheet);
    ASSERT_NE(s.entry, nullptr);
    const float left = -kTankSpriteX / tank.scale, top = -kTankSpriteY / tank.scale;
    const float width = kTankBoxWidth / tank.scale, height = kTankBoxHeight / tank.scale;
    for (int row = 0; row < s.entry->rows; ++row)
        for (int f = 0; f < s.entry->FramesInRow(row); ++f) {
            // The box's middle half is the body, solid.
            int core = 0, solid = 0;
            for (int y = static_cast<int>(top + height / 4); y < static_cast<int>(top + height * 3 / 4); ++y)
                for (int x = static_cast<int>(left + width / 4); x < static_cast<int>(left + width * 3 / 4); ++x) {
                    ++core;
                    solid += s.Opaque(row, f, x, y);
                }
            EXPECT_GE(solid, core * 95 / 100) << "row " << row << " frame " << f;
            // The body reaches across the box at its middle height.
            const int y = static_cast<int>(top + height / 2);
            int first = -1, last = -1;
            for (int x = 0; x < s.entry->cellWidth; ++x)
                if (s.Opaque(row, f, x, y)) {
                    if (first < 0)
                        first = x;
                    last = x;
                }
            EXPECT_LE(first, static_cast<int>(left + width * 0.1f)) << "row " << row << " frame " << f;
            EXPECT_GE(last, static_cast<int>(left + width * 0.9f)) << "row " << row << " frame " << f;
        }
}

bool AnyOpaque(const Sheet& s, int row, int frame, int x0, int y0, int x1, int y1)
{
    for (int y = y0; y < y1; ++y)
        for (int x = x0; x < x1; ++x)
            if (s.Opaque(row, frame, x, y))
                return true;
    return false;
}

int Top(const Sheet& s, int row, int frame)
{
    for (int y = 0; y < s.entry->cellHeight; ++y)
        if (AnyOpaque(s, row, frame, 0, y, s.entry->cellWidth, y + 1))
            return y;
    return -1;
}

// Each attack shows in the frame the game acts on, where its shot leaves.
TEST(EnemyArt, AttacksShowWhenAndWhereTheGameShoots)
{
    // The parrot spits from the cell's left edge, four fifths down, at frame 7.
    const Sheet& bird = Load(EnemyInfo(ENEMY_BIRD).sheet);
    ASSERT_NE(bird.entry, nullptr);
    const int spitY = static_cast<int>(bird.entry->cellHeight / 1.25f);
    constexpr int kReach = 60;
    EXPECT_TRUE(AnyOpaque(bird, BIRD_ROW_ATTACK_LEFT, 7, 0, spitY - kReach, kReach, spitY + kReach));
    EXPECT_FALSE(AnyOpaque(bird, BIRD_ROW_ATTACK_LEFT, 0, 0, spitY - kReach, kReach, spitY + kReach));

    // The rat's flask leaves from the cell's top-left corner in frame 6:
    // its hand is up there then, and not while it stands.
    const Sheet& rat = Load(EnemyInfo(ENEMY_RAT).sheet);
    ASSERT_NE(rat.entry, nullptr);
    const int cornerW = rat.entry->cellWidth * 35 / 100, cornerH = rat.entry->cellHeight / 6;
    EXPECT_TRUE(AnyOpaque(rat, RAT_ROW_THROW_LEFT, 6, 0, 0, cornerW, cornerH));
    EXPECT_FALSE(AnyOpaque(rat, RAT_ROW_THROW_LEFT, 0, 0, 0, cornerW, cornerH));
    EXPECT_FALSE(AnyOpaque(rat, RAT_ROW_IDLE_LEFT, 0, 0, 0, cornerW, cornerH));

    // A skeleton rat starts down in the ground and has climbed out by the
    // end of its rise.
    const Sheet& skeleton = Load(EnemyInfo(ENEMY_SKELETON_RAT).sheet);
    ASSERT_NE(skeleton.entry, nullptr);
    const int standingTop = Top(skeleton, SKELETON_ROW_WALK_LEFT, 0);
    EXPECT_GT(Top(skeleton, SKELETON_ROW_RISE, 0), standingTop + 20);
    EXPECT_LE(Top(skeleton, SKELETON_ROW_RISE, skeleton.entry->FramesInRow(SKELETON_ROW_RISE) - 1), standingTop + 3);

    // The tank's shield stands in front of its box, up to the box's top,
    // from frame 14 of the shield rows; walking, nothing is there.
    const EnemyKindInfo& info = EnemyInfo(ENEMY_TANK);
    const Sheet& tank = Load(info.sheet);
    ASSERT_NE(tank.entry, nullptr);
    const int boxRight = static_cast<int>((kTankBoxWidth - kTankSpriteX) / info.scale);
    const int boxTop = static_cast<int>(-kTankSpriteY / info.scale);
    for (int f = 14; f < tank.entry->FramesInRow(TANK_ROW_SHIELD_RIGHT); ++f)
        EXPECT_TRUE(AnyOpaque(tank, TANK_ROW_SHIELD_RIGHT, f, boxRight + 3, boxTop + 1, boxRight + 14, boxTop + 2))
            << "frame " << f;
    for (int f = 0; f < tank.entry->FramesInRow(TANK_ROW_WALK_RIGHT); ++f)
        EXPECT_FALSE(AnyOpaque(tank, TANK_ROW_WALK_RIGHT, f, boxRight + 3, boxTop + 1, boxRight + 14, boxTop + 2))
            << "frame " << f;
}

TEST(HudArt, BarBacksLeaveTheirBarsADarkWindow)
{
    // The game draws a 30 px bar centred on its frame's centre moved (2, 1).
    for (const char* path : {"Assets/Sprites/Hud/HPBackBar.png", "Assets/Sprites/Hud/EnergyBackBar.png",
                             "Assets/Sprites/Hud/BossBackBar.png"}) {
        sf::Image back;
        ASSERT_TRUE(back.loadFromFile(path)) << path;
        const int w = static_cast<int>(back.getSize().x), h = static_cast<int>(back.getSize().y);
        const int barW = w - 12, barH = 30;
        const int wx = w / 2 + 2 - barW / 2, wy = h / 2 + 1 - barH / 2;
        for (int y = wy; y < wy + barH; ++y)
            for (int x = wx; x < wx + barW; ++x) {
                const sf::Color c = back.getPixel(x, y);
                ASSERT_EQ(c.a, 255) << path << " at " << x << ", " << y;
                ASSERT_LT(c.r + c.g + c.b, 3 * 90) << path << " at " << x << ", " << y;
            }
        // The frame closes round the window.
        for (int x = wx; x < wx + barW; x += 7) {
            EXPECT_EQ(back.getPixel(x, wy - 2).a, 255) << path;
            EXPECT_EQ(back.getPixel(x, wy + barH + 1).a, 255) << path;
        }
    }
}

TEST(HudArt, RedOverlayIsAVignetteNotATint)
{
    sf::Image red;
    ASSERT_TRUE(red.loadFromFile("Assets/Sprites/Hud/RedOverlay.png"));
    const int w = static_cast<int>(red.getSize().x), h = static_cast<int>(red.getSize().y);
    EXPECT_EQ(red.getPixel(w / 2, h / 2).a, 0);
    for (const auto& [x, y] : {std::pair{1, 1}, std::pair{w - 2, 1}, std::pair{1, h - 2}, std::pair{w - 2, h - 2}}) {
        EXPECT_GT(red.getPixel(x, y).a, 160);
        EXPECT_GT(red.getPixel(x, y).r, red.getPixel(x, y).g * 2);
    }
    // Averaged over a few pixels (the bands are dithered), the red deepens
    // from the middle out to the edge.
    auto alphaNear = [&](int x, int y) {
        int sum = 0;
        for (int dy = 0; dy < 12; ++dy)
            for (int dx = 0; dx < 12; ++dx)
                sum += red.getPixel(x + dx, y + dy).a;
        return sum / 144;
    };
    int previous = -1;
    for (int x = w / 2; x >= 0; x -= 96) {
        const int a = alphaNear(x, h / 2 - 6);
        EXPECT_GE(a, previous) << "at x " << x;
        previous = a;
    }
    EXPECT_GT(previous, 60);
}

}  // namespace
