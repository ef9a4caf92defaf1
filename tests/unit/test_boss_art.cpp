// The boss's table against the manifest, and the generated boss pictures
// against the table: every frame the game plays shows something and moves,
// the left rows are the right rows' mirror images, the cooks stand on their
// box's bottom and fill it, and each attack's picture covers what hurts.
// Runs in the build folder, where the `assets` target has written Assets/.
#include <gtest/gtest.h>

#include <SFML/Graphics/Image.hpp>
#include <cmath>
#include <filesystem>
#include <map>
#include <string>
#include <vector>

#include "boss/boss_table.hpp"
#include "engine/asset_manifest.hpp"

namespace {

bool HaveGeneratedTree() { return std::filesystem::is_directory("Assets/Sprites/Boss"); }

// Each picture is decoded once for the whole run (the boss sheet is large).
const sf::Image& Picture(const std::string& path)
{
    static std::map<std::string, sf::Image> loaded;
    auto it = loaded.find(path);
    if (it == loaded.end()) {
        sf::Image image;
        EXPECT_TRUE(image.loadFromFile(path)) << path;
        it = loaded.emplace(path, image).first;
    }
    return it->second;
}

struct Cell {
    const sf::Image* image;
    int x0, y0, w, h;
    sf::Color At(int x, int y) const { return image->getPixel(x0 + x, y0 + y); }
};

Cell CellOf(const AssetEntry& e, int row, int frame)
{
    return {&Picture(e.path), frame * e.cellWidth, row * e.cellHeight, e.cellWidth, e.cellHeight};
}

int Opaque(const Cell& c, int x0, int y0, int x1, int y1)
{
    int n = 0;
    for (int y = std::max(0, y0); y < std::min(c.h, y1); ++y)
        for (int x = std::max(0, x0); x < std::min(c.w, x1); ++x)
            n += c.At(x, y).a == 255;
    return n;
}

bool Same(const Cell& a, const Cell& b)
{
    for (int y = 0; y < a.h; ++y)
        for (int x = 0; x < a.w; ++x)
            if (a.At(x, y) != b.At(x, y))
                return false;
    return true;
}

bool Mirrored(const Cell& a, const Cell& b)
{
    for (int y = 0; y < a.h; ++y)
        for (int x = 0; x < a.w; ++x)
            if (a.At(x, y) != b.At(a.w - 1 - x, y))
                return false;
    return true;
}

// A sheet's row pairs: each left row is its right row's mirror image.
struct Sheet {
    const char* path;
    std::vector<std::pair<int, int>> mirrored;  // (left row, right row)
};

std::vector<Sheet> BossSheets()
{
    std::vector<std::pair<int, int>> bossPairs;
    for (int r = 0; r < BOSS_ROW_COUNT; ++r)
        if (BossRowOf(r).facing == 0)
            bossPairs.push_back({r, BossRowOf(r).mirrorRow});
    namespace bc = boss_cauldron;
    namespace bf = boss_fire;
    return {
        {kBossSheet, bossPairs},
        {bc::kSheet, {{bc::kSpinLeft.row, bc::kSpinRight.row}, {bc::kStopLeft.row, bc::kStopRight.row}}},
        {boss_carrots::kLaunchSheet, {{0, 1}}},
        {boss_carrots::kFallSheet, {}},
        {boss_carrots::kWarningSheet, {}},
        {bf::kSheet, {{bf::kBurnLeft.row, bf::kBurnRight.row}, {bf::kDieLeft.row, bf::kDieRight.row}}},
        {boss_wave::kSheet, {{boss_wave::kLeft.row, boss_wave::kRight.row}}},
    };
}

// The body box in a cell of the boss sheet.
struct Box {
    float left, right, top, bottom;
};
Box BodyBoxInCell(const AssetEntry& e)
{
    const float left = e.cellWidth / 2.f + (kBossHitboxOffsetX - kBossHitboxOriginX) / kBossScale;
    const float top = e.cellHeight / 2.f + (kBossHitboxOffsetY - kBossHitboxOriginY) / kBossScale;
    return {left, left + kBossHitboxWidth / kBossScale, top, top + kBossHitboxHeight / kBossScale};
}

}  // namespace

TEST(BossTable, RowsAgreeWithTheManifest)
{
    const AssetEntry* sheet = FindAsset(kBossSheet);
    ASSERT_NE(sheet, nullptr);
    ASSERT_EQ(sheet->rows, BOSS_ROW_COUNT);
    for (int r = 0; r < BOSS_ROW_COUNT; ++r) {
        SCOPED_TRACE("row " + std::to_string(r));
        const BossRowInfo& info = BossRowOf(r);
        EXPECT_EQ(info.row, r);
        EXPECT_EQ(info.strip.row, r);
        EXPECT_EQ(info.strip.frames, sheet->FramesInRow(r));
        EXPECT_GT(info.strip.frameTime, 0.f);
        // Pairs face opposite ways and name each other.
        EXPECT_EQ(BossRowOf(info.mirrorRow).mirrorRow, r);
        EXPECT_NE(BossRowOf(info.mirrorRow).facing, info.facing);
        EXPECT_EQ(BossRowOf(info.mirrorRow).strip.frames, info.strip.frames);
        if (info.end == BOSS_END_HOLD) {
            EXPECT_EQ(info.strip.loopStart, info.strip.frames) << "a hold loops from past its last frame";
        }
        if (info.end == BOSS_END_LOOP) {
            EXPECT_LT(info.strip.loopStart, info.strip.frames);
        }
        if (info.end == BOSS_END_NEXT) {
            EXPECT_EQ(info.strip.looping, 0);
            EXPECT_LE(info.next.frames, sheet->FramesInRow(info.next.row)) << "the next strip shows frames it has";
        }
    }
    // The attack strips: each names a row its sheet has, with that row's frames.
    const std::vector<std::pair<const char*, BossStrip>> strips = {
        {boss_cauldron::kSheet, boss_cauldron::kSpinLeft},  {boss_cauldron::kSheet, boss_cauldron::kStopLeft},
        {boss_cauldron::kSheet, boss_cauldron::kSpinRight}, {boss_cauldron::kSheet, boss_cauldron::kStopRight},
        {boss_carrots::kLaunchSheet, boss_carrots::kLaunch}, {boss_carrots::kFallSheet, boss_carrots::kFall},
        {boss_carrots::kWarningSheet, boss_carrots::kWarning}, {boss_fire::kSheet, boss_fire::kBurnLeft},
        {boss_fire::kSheet, boss_fire::kDieLeft},            {boss_fire::kSheet, boss_fire::kBurnRight},
        {boss_fire::kSheet, boss_fire::kDieRight},           {boss_wave::kSheet, boss_wave::kLeft},
        {boss_wave::kSheet, boss_wave::kRight},
    };
    for (const auto& [path, strip] : strips) {
        const AssetEntry* e = FindAsset(path);
        ASSERT_NE(e, nullptr) << path;
        EXPECT_EQ(strip.frames, e->FramesInRow(strip.row)) << path << " row " << strip.row;
    }
    for (const char* food : boss_food::kPictures)
        EXPECT_NE(FindAsset(food), nullptr) << food;
}

// The moments the attacks act on fall inside the rows the art times them by:
// a row shortened under them would throw, strike or burn from a pose that
// no longer shows it.
TEST(BossTable, AttackMomentsFallInsideTheirRows)
{
    auto frameAt = [](int row, float seconds) { return static_cast<int>(seconds / BossRowOf(row).strip.frameTime); };
    for (int row : {BOSS_ROW_CAULDRON_LEFT, BOSS_ROW_CAULDRON_RIGHT})
        EXPECT_LT(frameAt(row, boss_cauldron::kThrowDelay), BossRowOf(row).strip.frames);
    for (int row : {BOSS_ROW_FIRE_LEFT, BOSS_ROW_FIRE_RIGHT})
        EXPECT_LT(frameAt(row, boss_fire::kDelay - boss_fire::kLightAt), BossRowOf(row).strip.frames);
    for (int row : {BOSS_ROW_MELEE_LEFT, BOSS_ROW_MELEE_RIGHT})
        EXPECT_LT(frameAt(row, boss_melee::kTime - boss_melee::kLiveAt), BossRowOf(row).strip.frames);
    for (int row : {BOSS_ROW_JUMP_LEFT, BOSS_ROW_JUMP_RIGHT})
        EXPECT_LT(frameAt(row, boss_wave::kJumpDelay), BossRowOf(row).strip.loopStart);
    const float lastThrow = boss_food::kFirstThrow + boss_food::kBetween * (boss_food::kCount - 1);
    for (int row : {BOSS_ROW_FOOD_LEFT, BOSS_ROW_FOOD_RIGHT})
        EXPECT_LT(frameAt(row, lastThrow) + 1, BossRowOf(row).strip.frames);
    // The carrot goes when the launch row has played through.
    for (int row : {BOSS_ROW_CARROTS_LEFT, BOSS_ROW_CARROTS_RIGHT})
        EXPECT_NEAR(BossRowOf(row).strip.frames * BossRowOf(row).strip.frameTime, boss_carrots::kLaunchTimer, 0.01f);
}

TEST(BossArt, EveryPlayedFrameShowsSomethingAndMoves)
{
    if (!HaveGeneratedTree())
        GTEST_SKIP() << "no Assets/ here";
    for (const Sheet& s : BossSheets()) {
        const AssetEntry* e = FindAsset(s.path);
        ASSERT_NE(e, nullptr) << s.path;
        for (int r = 0; r < e->rows; ++r)
            for (int f = 0; f < e->FramesInRow(r); ++f) {
                SCOPED_TRACE(std::string(s.path) + " row " + std::to_string(r) + " frame " + std::to_string(f));
                const Cell cell = CellOf(*e, r, f);
                EXPECT_GT(Opaque(cell, 0, 0, cell.w, cell.h), 40) << "(next to) empty";
                if (f > 0) {
                    EXPECT_FALSE(Same(cell, CellOf(*e, r, f - 1))) << "the same as the frame before";
                }
            }
    }
}

TEST(BossArt, LeftRowsMirrorTheRightRows)
{
    if (!HaveGeneratedTree())
        GTEST_SKIP() << "no Assets/ here";
    for (const Sheet& s : BossSheets()) {
        const AssetEntry* e = FindAsset(s.path);
        for (const auto& [left, right] : s.mirrored)
            for (int f = 0; f < e->FramesInRow(right); ++f)
                EXPECT_TRUE(Mirrored(CellOf(*e, left, f), CellOf(*e, right, f)))
                    << s.path << " rows " << left << "/" << right << " frame " << f;
    }
}

// Walking, the cooks' feet are on the box's bottom row and their body
// fills the box, so the box the game collides with is the boss one sees.
TEST(BossArt, TheCooksStandOnAndFillTheirBox)
{
    if (!HaveGeneratedTree())
        GTEST_SKIP() << "no Assets/ here";
    const AssetEntry* e = FindAsset(kBossSheet);
    const Box box = BodyBoxInCell(*e);
    const int feet = static_cast<int>(std::floor(box.bottom - 0.01f));
    const int x0 = static_cast<int>(std::ceil(box.left)), x1 = static_cast<int>(box.right);
    const int y0 = static_cast<int>(std::ceil(box.top)), y1 = feet + 1;
    for (int r : {BOSS_ROW_WALK_LEFT, BOSS_ROW_WALK_RIGHT, BOSS_ROW_FETCH_LEFT, BOSS_ROW_FETCH_RIGHT})
        for (int f = 0; f < e->FramesInRow(r); ++f) {
            SCOPED_TRACE("row " + std::to_string(r) + " frame " + std::to_string(f));
            const Cell cell = CellOf(*e, r, f);
            int lowest = -1;
            for (int y = 0; y < cell.h; ++y)
                if (Opaque(cell, 0, y, cell.w, y + 1) > 0)
                    lowest = y;
            EXPECT_EQ(lowest, feet) << "the feet's last row";
            const float filled = static_cast<float>(Opaque(cell, x0, y0, x1, y1)) / ((x1 - x0) * (y1 - y0));
            EXPECT_GT(filled, 0.6f);
            // The body reaches both sides of the box and its top.
            EXPECT_GT(Opaque(cell, x0, y0, x0 + 6, y1), 0);
            EXPECT_GT(Opaque(cell, x1 - 6, y0, x1, y1), 0);
            EXPECT_GT(Opaque(cell, x0, y0, x1, y0 + 6), 0);
        }
}

// What hurts in the game is painted: the rolling cauldron over its box, the
// fire over the floor where its box is, the falling carrot down to its box.
TEST(BossArt, AttackPicturesCoverWhatHurts)
{
    if (!HaveGeneratedTree())
        GTEST_SKIP() << "no Assets/ here";
    auto share = [](const Cell& cell, float left, float top, float width, float height) {
        const int x0 = static_cast<int>(std::ceil(left)), y0 = static_cast<int>(std::ceil(top));
        const int x1 = static_cast<int>(left + width), y1 = static_cast<int>(top + height);
        return static_cast<float>(Opaque(cell, x0, y0, x1, y1)) / std::max(1, (x1 - x0) * (std::min(y1, cell.h) - y0));
    };
    {  // the cauldron's box: at its position + (-30, 0), by its origin, at scale 3
        namespace bc = boss_cauldron;
        const AssetEntry* e = FindAsset(bc::kSheet);
        for (int f = 0; f < bc::kSpinRight.frames; ++f) {
            const Cell cell = CellOf(*e, bc::kSpinRight.row, f);
            const float left = cell.w / 2.f + (bc::kHitboxOffsetX - bc::kHitbox.originX) / bc::kScale;
            const float top = cell.h / 2.f - bc::kHitbox.originY / bc::kScale;
            EXPECT_GT(share(cell, left, top, bc::kHitbox.width / bc::kScale, bc::kHitbox.height / bc::kScale), 0.55f)
                << "cauldron frame " << f;
        }
    }
    {  // the fire's box on the floor: a third of its width in from its far edge, at y 722
        namespace bf = boss_fire;
        const AssetEntry* e = FindAsset(bf::kSheet);
        const float restSpriteY = kBossGroundY - kBossHitboxHeight / 2.f - kBossHitboxOffsetY - 0.5f;
        const float fireY = restSpriteY - bf::kRaiseY;
        for (int f = bf::kBurnRight.loopStart; f < bf::kBurnRight.frames; ++f) {
            const Cell cell = CellOf(*e, bf::kBurnRight.row, f);
            const float centreX = cell.w / 2.f + (cell.w / 2.f - cell.w * bf::kHitboxFromEdge);
            const float left = centreX - bf::kHitbox.originX / bf::kScale;
            const float top = cell.h / 2.f + (bf::kHitboxY - bf::kHitbox.originY - fireY) / bf::kScale;
            // Its upper half: the lower reaches below the ground line the flames stand on.
            EXPECT_GT(share(cell, left, top, bf::kHitbox.width / bf::kScale, bf::kHitbox.height / bf::kScale / 2.f),
                      0.5f)
                << "fire frame " << f;
        }
    }
    {  // the falling carrot's box hangs below its position by its own height
        namespace bk = boss_carrots;
        const AssetEntry* e = FindAsset(bk::kFallSheet);
        for (int f = 0; f < bk::kFall.frames; ++f) {
            const Cell cell = CellOf(*e, bk::kFall.row, f);
            const float left = cell.w / 2.f - bk::kHitbox.originX / bk::kFallScale;
            const float top = cell.h / 2.f + (bk::kHitbox.height - bk::kHitbox.originY) / bk::kFallScale;
            EXPECT_GT(share(cell, left, top, bk::kHitbox.width / bk::kFallScale, cell.h - top), 0.3f)
                << "carrot frame " << f;
        }
    }
}

// The four foods are four different things, and the win screen keeps a calm
// panel in the middle of its lower half for the run's kills and coins.
TEST(BossArt, FoodsDifferAndTheWinScreenLeavesRoomForTheRun)
{
    if (!HaveGeneratedTree())
        GTEST_SKIP() << "no Assets/ here";
    for (int i = 0; i < boss_food::kCount; ++i) {
        const AssetEntry* e = FindAsset(boss_food::kPictures[i]);
        ASSERT_NE(e, nullptr);
        const Cell food = CellOf(*e, 0, 0);
        EXPECT_GT(Opaque(food, 0, 0, food.w, food.h), food.w * food.h / 4) << e->path;
        for (int j = 0; j < i; ++j)
            EXPECT_FALSE(Same(food, CellOf(*FindAsset(boss_food::kPictures[j]), 0, 0))) << i << " and " << j;
    }
    const sf::Image& win = Picture("Assets/Sprites/WinScreen.png");
    ASSERT_EQ(win.getSize(), sf::Vector2u(1920, 1080));
    // The room: a quarter of the screen's width each side of the middle,
    // from two thirds down to near the bottom, all one colour.
    std::map<unsigned, int> colours;
    int samples = 0;
    for (unsigned y = 700; y < 1000; y += 7)
        for (unsigned x = 520; x < 1400; x += 11) {
            colours[win.getPixel(x, y).toInteger()]++;
            samples++;
        }
    int most = 0;
    for (const auto& [colour, count] : colours)
        most = std::max(most, count);
    EXPECT_GT(most, samples * 95 / 100) << "the room for the kills and coins is busy";
}
