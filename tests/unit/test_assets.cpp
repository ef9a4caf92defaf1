// The asset manifest against the geometry the game's code assumes, and the
// generated Assets/ tree against the manifest. Runs in the build folder,
// where the `assets` target has written Assets/.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <set>
#include <string>
#include <vector>

#include <unistd.h>

#include "engine/asset_manifest.hpp"
#include "engine/assets.hpp"

namespace fs = std::filesystem;

namespace {

std::vector<unsigned char> ReadBytes(const fs::path& p) {
    std::ifstream f(p, std::ios::binary);
    return {std::istreambuf_iterator<char>(f), std::istreambuf_iterator<char>()};
}

std::uint32_t Be32(const std::vector<unsigned char>& b, std::size_t at) {
    return (std::uint32_t(b[at]) << 24) | (std::uint32_t(b[at + 1]) << 16) | (std::uint32_t(b[at + 2]) << 8) | b[at + 3];
}
std::uint32_t Le32(const std::vector<unsigned char>& b, std::size_t at) {
    return b[at] | (std::uint32_t(b[at + 1]) << 8) | (std::uint32_t(b[at + 2]) << 16) | (std::uint32_t(b[at + 3]) << 24);
}
std::uint16_t Le16(const std::vector<unsigned char>& b, std::size_t at) {
    return static_cast<std::uint16_t>(b[at] | (b[at + 1] << 8));
}

bool HaveGeneratedTree() { return fs::is_directory("Assets/Sprites") && fs::is_directory("Assets/Sounds"); }

// What the game's code cuts each sheet by: cell size and frames per row, as
// the game's animation tables use them. Written out here independently of
// the manifest so that a change on either side shows up.
struct SheetUse {
    const char* path;
    int cellWidth, cellHeight;
    std::vector<int> frames;  // per row, top row first
};

const std::vector<int> kPlayer = {27, 27, 16, 16, 10, 10, 12, 12, 12, 12, 49, 8, 11, 9, 15, 7, 11, 9, 15, 38};

const std::vector<SheetUse> kSheetUses = {
    {"Assets/Sprites/Player/spriteSheetPlayerAllNoArms2.png", 209, 116, kPlayer},
    {"Assets/Sprites/Player/spritesheetplayerAllFini.png", 209, 116, kPlayer},
    {"Assets/Sprites/Player/spritesheetplayerBrun.png", 209, 116, kPlayer},
    {"Assets/Sprites/Player/spritesheetplayerRose.png", 209, 116, kPlayer},
    {"Assets/Sprites/Player/spritesheetplayerVert.png", 209, 116, kPlayer},
    {"Assets/Sprites/Player/spritesheetplayerVertBleu.png", 209, 116, kPlayer},
    {"Assets/Sprites/Player/spritesheetplayerViolet.png", 209, 116, kPlayer},
    {"Assets/Sprites/Player/cinematicTuto1.png", 515, 83, {30, 30, 30, 30, 19}},
    {"Assets/Sprites/Player/SpriteSheetSubstanceJump.png", 170, 143, {36}},
    {"Assets/Sprites/Obstacle/porc thai.png", 324, 390, {5, 5, 5, 5, 5}},
    {"Assets/Sprites/Obstacle/helic.png", 294, 438, {6}},
    {"Assets/Sprites/Obstacle/Fountain.png", 219, 187, {30, 30}},
    {"Assets/Sprites/Obstacle/recompance.png", 519, 861, {8}},
    {"Assets/Sprites/Obstacle/SpriteSheetFlyingCrate.png", 369, 582, {3}},
    {"Assets/Sprites/Maps/SpritesheetForge.png", 324, 390, {5}},
    {"Assets/Sprites/Obstacle/SpritesheetStatue.png", 219, 187, {30, 35}},
    {"Assets/Sprites/Maps/FirstPlan/SpritesheetBouf.png", 584, 328, {18}},
    {"Assets/Sprites/Maps/SecondPlan/Boat.png", 474, 308, {5}},
    {"Assets/Sprites/Maps/SecondPlan/BlueParrot.png", 153, 153, {10}},
    {"Assets/Sprites/Maps/SecondPlan/GreenParrot.png", 153, 153, {10}},
    {"Assets/Sprites/Maps/SecondPlan/YellowParrot.png", 153, 153, {10}},
    {"Assets/Sprites/Bomb/Bomb.png", 75, 99, {21}},
    {"Assets/Sprites/Bomb/SpriteSheetSword.png", 117, 84, {15}},
    {"Assets/Sprites/Bomb/SpriteSheetXSword.png", 465, 384, {30}},
    {"Assets/Sprites/Bomb/SpriteSheetAnvil.png", 420, 300, {18}},
    {"Assets/Sprites/Bomb/SpriteSheetTentacles.png", 387, 225, {25}},
    {"Assets/Sprites/Bomb/SpriteSheetFoudre.png", 480, 657, {32}},
    {"Assets/Sprites/Bomb/SpriteSheetMesperExplosion.png", 321, 258, {33}},
    {"Assets/Sprites/Bomb/SpriteSheetMesperSolo.png", 81, 72, {8}},
    {"Assets/Sprites/Cards/TestCards.png", 145, 211, {6}},
    {"Assets/Sprites/Enemies/spriteSheetMonkey.png", 297, 261, {24, 24, 24, 24, 35, 35}},
    {"Assets/Sprites/Enemies/SpriteSheetMonkeyArm.png", 189, 186, {21, 21}},
    {"Assets/Sprites/Enemies/SpriteSheetTank.png", 157, 103, {48, 48, 29, 29, 29, 29, 34, 34}},
    {"Assets/Sprites/Enemies/BirdSpriteSheet.png", 210, 234, {22, 22, 22, 22}},
    {"Assets/Sprites/Enemies/RatSpriteSheet.png", 228, 165, {7, 7, 10, 10, 17, 17}},
    {"Assets/Sprites/Enemies/SpriteSheetSkeletonRat.png", 192, 93, {13, 13, 9, 9, 21, 21}},
    {"Assets/Sprites/Enemies/SpritesheetDummy.png", 273, 255, {10}},
    {"Assets/Sprites/Enemies/Fiole.png", 54, 42, {6}},
    {"Assets/Sprites/Enemies/Os.png", 39, 36, {4}},
    {"Assets/Sprites/Enemies/Blood.png", 87, 51, {10}},
    {"Assets/Sprites/Enemies/SmokeSpriteSheet.png", 132, 80, {45}},
    {"Assets/Sprites/Boss/SpriteSheetBoss.png", 348, 219,
     {21, 21, 46, 8, 46, 8, 11, 6, 10, 3, 11, 6, 10, 3, 32, 32, 42, 42, 22, 22, 46, 4, 46, 4, 21, 21, 25, 25}},
    {"Assets/Sprites/Boss/SpriteSheetSpinCauldron.png", 167, 90, {6, 36, 6, 36}},
    {"Assets/Sprites/Boss/SpriteSheetCarrotLaunch.png", 60, 153, {8, 8}},
    {"Assets/Sprites/Boss/SpriteSheetFallCarrot.png", 95, 197, {10}},
    {"Assets/Sprites/Boss/Warning.png", 30, 51, {4}},
    {"Assets/Sprites/Boss/SpriteSheetLave.png", 272, 192, {26, 16, 26, 16}},
    {"Assets/Sprites/Boss/SpriteSheetWind.png", 167, 82, {4, 4}},
    {"Assets/Sprites/Maps/Hub/BarAnimation.png", 258, 133, {23, 23}},
    {"Assets/Sprites/Maps/Hub/AnimationLaboratory.png", 230, 115, {28}},
    {"Assets/Sprites/Maps/Hub/FullSpriteSheetLabo.png", 426, 417, {16, 16, 20}},
    {"Assets/Sprites/Maps/Hub/FullSpriteSheetSubstance.png", 291, 348, {8, 8}},
    {"Assets/Sprites/Maps/Hub/AnimationSkins.png", 228, 213, {11}},
    {"Assets/Sprites/Load/PlayerRunLoading.png", 147, 126, {16}},
    {"Assets/Sprites/Load/Tresor.png", 357, 312, {38}},
};

// Still pictures whose size the code fixes by its placement.
struct StillUse {
    const char* path;
    int width, height;
};
const std::vector<StillUse> kStillUses = {
    {"Assets/Sprites/Menu/Wallpaper.png", 1920, 1080},       {"Assets/Sprites/Menu/Pannel.png", 1920, 1080},
    {"Assets/Sprites/Menu/ScreenShadow.png", 1920, 1080},    {"Assets/Sprites/WinScreen.png", 1920, 1080},
    {"Assets/Sprites/Hud/RedOverlay.png", 1920, 1080},       {"Assets/Sprites/Maps/Hub/LaboShop.png", 1920, 1080},
    {"Assets/Sprites/Maps/Hub/QuestPanel.png", 1920, 1080},  {"Assets/Sprites/Maps/Hub/RecapPannel.png", 1920, 1080},
    {"Assets/Sprites/Player/imageHitbox2.png", 87, 162},     {"Assets/Sprites/BackGround/PaternBoss.png", 1920, 1080},
    {"Assets/Sprites/Hud/HPBackBar.png", 344, 38},           {"Assets/Sprites/Hud/BossBackBar.png", 676, 38},
};

}  // namespace

TEST(AssetManifest, EntriesAreWellFormed) {
    std::set<std::string> seen;
    for (const AssetEntry& e : AllAssets()) {
        SCOPED_TRACE(e.path);
        EXPECT_TRUE(seen.insert(e.path).second) << "listed twice";
        EXPECT_EQ(std::string(e.path).rfind("Assets/", 0), 0u);
        EXPECT_NE(e.why, nullptr);
        if (e.kind == AssetKind::Picture) {
            EXPECT_GT(e.width, 0);
            EXPECT_GT(e.height, 0);
            EXPECT_LE(e.width, 16384) << "over the texture size limit";
            EXPECT_LE(e.height, 16384) << "over the texture size limit";
            EXPECT_EQ(e.rows, e.IsSheet() ? static_cast<int>(e.framesPerRow.size()) : 1);
            if (e.IsSheet()) {
                const int longest = *std::max_element(e.framesPerRow.begin(), e.framesPerRow.end());
                EXPECT_EQ(e.width, e.cellWidth * longest);
                EXPECT_EQ(e.height, e.cellHeight * e.rows);
                EXPECT_FALSE(e.tiled);
            }
        } else {
            EXPECT_EQ(e.width, 0);
            EXPECT_FALSE(e.tiled);
            EXPECT_EQ(e.kind == AssetKind::Font, e.source != nullptr && e.licence != nullptr);
        }
    }
    // Every folder the game reads has something in it.
    for (const char* prefix : {"Assets/Sprites/", "Assets/Fonts/", "Assets/Sounds/Musics/", "Assets/Sounds/Sounds/"})
        EXPECT_TRUE(std::any_of(AllAssets().begin(), AllAssets().end(),
                                [&](const AssetEntry& e) { return std::string(e.path).rfind(prefix, 0) == 0; }))
            << prefix;
}

TEST(AssetManifest, LookupIsExactAndCaseSensitive) {
    ASSERT_NE(FindAsset("Assets/Sprites/Enemies/spriteSheetMonkey.png"), nullptr);
    EXPECT_EQ(FindAsset("Assets/Sprites/Enemies/SpriteSheetMonkey.png"), nullptr);
    ASSERT_NE(FindAsset("Assets/Sprites/HUD/UpgradeDamage.png"), nullptr);
    EXPECT_NE(FindAsset("Assets/Sprites/Hud/HPBackBar.png"), nullptr);
    EXPECT_EQ(FindAsset("Assets/Sprites/HUD/HPBackBar.png"), nullptr);
    EXPECT_NE(FindAsset("Assets/Sprites/BackGround/Patern1 1.png"), nullptr);
    EXPECT_NE(FindAsset("Assets/Sprites/Obstacle/porc thai.png"), nullptr);
    EXPECT_EQ(FindAsset("Assets/Sprites/BackGround/Patern1 1.png "), nullptr);
    EXPECT_EQ(FindAsset(""), nullptr);
    EXPECT_EQ(FindAsset("Assets/Sprites/Menu/Wallpaper"), nullptr);
    // The fifteen sound effects (Pistol.wav serves two of them) and both musics.
    int sounds = 0, musics = 0;
    for (const AssetEntry& e : AllAssets()) {
        sounds += e.kind == AssetKind::Sound;
        musics += e.kind == AssetKind::Music;
    }
    EXPECT_EQ(sounds, 14);
    EXPECT_EQ(musics, 2);
}

TEST(AssetManifest, SheetsMatchHowTheGameCutsThem) {
    for (const SheetUse& use : kSheetUses) {
        SCOPED_TRACE(use.path);
        const AssetEntry* e = FindAsset(use.path);
        ASSERT_NE(e, nullptr);
        EXPECT_EQ(e->cellWidth, use.cellWidth);
        EXPECT_EQ(e->cellHeight, use.cellHeight);
        ASSERT_EQ(e->rows, static_cast<int>(use.frames.size()));
        for (int r = 0; r < e->rows; ++r) EXPECT_EQ(e->FramesInRow(r), use.frames[r]) << "row " << r;
    }
    for (const StillUse& use : kStillUses) {
        SCOPED_TRACE(use.path);
        const AssetEntry* e = FindAsset(use.path);
        ASSERT_NE(e, nullptr);
        EXPECT_EQ(e->width, use.width);
        EXPECT_EQ(e->height, use.height);
    }
    // The volume bar: the cursor starts at the right stop, 134 px inside the
    // bar, and that must read as full volume.
    const AssetEntry* bar = FindAsset("Assets/Sprites/Menu/SoundBar.png");
    const AssetEntry* cursor = FindAsset("Assets/Sprites/Menu/SoundCursor.png");
    ASSERT_TRUE(bar && cursor);
    EXPECT_EQ((bar->width - 134 - cursor->width / 2 - 134) / 10, 100);
}

TEST(GeneratedAssets, EveryFileExistsWithItsGeometry) {
    if (!HaveGeneratedTree()) GTEST_SKIP() << "no Assets/ here: build the assets target and run from the build folder";
    for (const AssetEntry& e : AllAssets()) {
        SCOPED_TRACE(e.path);
        ASSERT_TRUE(fs::is_regular_file(e.path));
        const std::vector<unsigned char> b = ReadBytes(e.path);
        switch (e.kind) {
            case AssetKind::Picture: {
                ASSERT_GE(b.size(), 33u);
                EXPECT_EQ(std::string(b.begin() + 1, b.begin() + 4), "PNG");
                EXPECT_EQ(std::string(b.begin() + 12, b.begin() + 16), "IHDR");
                const int w = static_cast<int>(Be32(b, 16)), h = static_cast<int>(Be32(b, 20));
                const sf::Vector2i at = ReadPictureOffset(e.path);
                if (!e.trimmed) {
                    EXPECT_EQ(w, e.width);
                    EXPECT_EQ(h, e.height);
                    EXPECT_EQ(at, sf::Vector2i()) << "only trimmed pictures are offset";
                    break;
                }
                // A trimmed file is the part of its picture that shows anything.
                EXPECT_GE(at.x, 0);
                EXPECT_GE(at.y, 0);
                EXPECT_LE(at.x + w, e.width);
                EXPECT_LE(at.y + h, e.height);
                if (e.tiled) {
                    EXPECT_EQ(w, e.width) << "a tiled picture keeps its period";
                }
                break;
            }
            case AssetKind::Font: {
                ASSERT_GE(b.size(), 1000u);
                const std::uint32_t tag = Be32(b, 0);
                EXPECT_TRUE(tag == 0x00010000u || tag == 0x4F54544Fu) << "not a TrueType/OpenType font";
                fs::path licence = e.path;
                licence.replace_extension(".LICENSE.txt");
                EXPECT_TRUE(fs::is_regular_file(licence)) << "licence text missing beside the font";
                break;
            }
            case AssetKind::Sound:
            case AssetKind::Music: {
                ASSERT_GE(b.size(), 44u);
                EXPECT_EQ(std::string(b.begin(), b.begin() + 4), "RIFF");
                EXPECT_EQ(std::string(b.begin() + 8, b.begin() + 12), "WAVE");
                EXPECT_EQ(Le16(b, 20), 1) << "PCM";
                EXPECT_EQ(Le16(b, 34), 16) << "16-bit";
                const std::uint32_t rate = Le32(b, 24), channels = Le16(b, 22), bytes = Le32(b, 40);
                ASSERT_EQ(bytes + 44, b.size());
                const double seconds = bytes / (2.0 * channels * rate);
                if (e.kind == AssetKind::Music) EXPECT_GE(seconds, 30.0);
                else EXPECT_TRUE(seconds > 0.05 && seconds < 5.0) << seconds << " s";
                break;
            }
        }
    }
}

TEST(GeneratedAssets, SoundsAreAudibleAndMusicsLoopWithoutAClick) {
    if (!HaveGeneratedTree()) GTEST_SKIP() << "no Assets/ here";
    for (const AssetEntry& e : AllAssets()) {
        if (e.kind != AssetKind::Sound && e.kind != AssetKind::Music) continue;
        SCOPED_TRACE(e.path);
        const std::vector<unsigned char> b = ReadBytes(e.path);
        ASSERT_GT(b.size(), 48u);
        const std::size_t n = (b.size() - 44) / 2;
        auto sample = [&](std::size_t i) { return static_cast<std::int16_t>(Le16(b, 44 + 2 * i)); };
        int peak = 0;
        for (std::size_t i = 0; i < n; ++i) peak = std::max(peak, std::abs(int(sample(i))));
        EXPECT_GT(peak, 4000) << "too quiet to hear";
        EXPECT_LT(peak, 32767) << "clipped";
        // Effects start and end near silence; a music's last sample leads
        // smoothly into its first when it loops.
        if (e.kind == AssetKind::Sound) {
            EXPECT_LT(std::abs(int(sample(0))), 2000);
            EXPECT_LT(std::abs(int(sample(n - 1))), 500);
        } else {
            EXPECT_LT(std::abs(int(sample(n - 1)) - int(sample(0))), 1500);
        }
    }
}

TEST(GeneratedAssets, GeneratorIsDeterministic) {
    if (!HaveGeneratedTree()) GTEST_SKIP() << "no Assets/ here";
    const fs::path generator = "tools/tidewrack_assetgen";
    if (!fs::exists(generator)) GTEST_SKIP() << "generator not found at " << generator;
    const fs::path out = fs::temp_directory_path() / ("tidewrack_assets_" + std::to_string(::getpid()));
    fs::remove_all(out);
    // A second run of a sample of the tree (menus, a sheet, the sounds)
    // must give the same bytes as the build's run.
    const std::string cmd = generator.string() + " " + out.string() +
                            " --only Sprites/Menu/ --only Bomb/Bomb.png --only Sounds/Sounds/ > /dev/null";
    ASSERT_EQ(std::system(cmd.c_str()), 0);
    int compared = 0;
    for (const auto& f : fs::recursive_directory_iterator(out)) {
        if (!f.is_regular_file()) continue;
        const fs::path rel = fs::relative(f.path(), out);
        SCOPED_TRACE(rel.string());
        EXPECT_TRUE(ReadBytes(f.path()) == ReadBytes(fs::path("Assets") / rel)) << "differs between two runs";
        ++compared;
    }
    EXPECT_GT(compared, 20);
    fs::remove_all(out);
}
