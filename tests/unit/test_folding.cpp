// Folded pictures: the dress room's skins and the hub's own pictures are
// kept as their palette's indices while nothing shows them, and coloured
// back into the same textures, pixel for pixel, without reading a file.
#include "hub_test.hpp"

#include "engine/asset_manifest.hpp"

#include <SFML/Graphics/Image.hpp>
#include <algorithm>
#include <gtest/gtest.h>

namespace {

const std::string kViolet = "Assets/Sprites/Player/spritesheetplayerViolet.png";
const std::string kBrown = "Assets/Sprites/Player/spritesheetplayerBrun.png";

bool SamePixels(const sf::Image& a, const sf::Image& b)
{
    return a.getSize() == b.getSize()
        && std::equal(a.getPixelsPtr(), a.getPixelsPtr() + std::size_t{a.getSize().x} * a.getSize().y * 4,
                      b.getPixelsPtr());
}

// Every used cell of a packed sheet's texture against the sheet's file,
// a pixel in five across and down.
void ExpectCellsAsDrawn(Assets& assets, const std::string& path)
{
    const AssetEntry& sheet = *FindAsset(path);
    sf::Image drawn;
    ASSERT_TRUE(drawn.loadFromFile(AssetPath(assets, path).string()));
    const sf::Image kept = GetTexture(assets, path).copyToImage();
    for (int row = 0; row < sheet.rows; ++row)
        for (int frame = 0; frame < sheet.FramesInRow(row); frame += 4) {
            const sf::IntRect cell = SheetCell(assets, path, row, frame);
            for (int y = 0; y < cell.height; y += 5)
                for (int x = 0; x < cell.width; x += 5)
                    ASSERT_EQ(kept.getPixel(static_cast<unsigned>(cell.left + x), static_cast<unsigned>(cell.top + y)),
                              drawn.getPixel(static_cast<unsigned>(sheet.cellWidth * frame + x),
                                             static_cast<unsigned>(sheet.cellHeight * row + y)))
                        << path << " row " << row << " frame " << frame << " at " << x << ", " << y;
        }
}

// Decoded behind a loading screen, a skin stays folded: no texture until
// it is worn; asked for, it is coloured as its file draws it, reading no
// file; taken off, its texture empties again and comes back the same.
// Skins that differ only in their colours keep one set of indices.
TEST(FoldedPictures, ASkinStaysFoldedUntilWornAndComesBackAsItsFileDrawsIt)
{
    Assets assets;
    ASSERT_TRUE(FindAssetRoot(assets, ""));
    StartDecoding(assets, {kArmsSheet, kViolet, kBrown});
    FinishDecoding(assets);
    for (const std::string& skin : {std::string(kArmsSheet), kViolet, kBrown}) {
        ASSERT_TRUE(assets.folds.count(skin)) << skin;
        EXPECT_EQ(assets.textures.at(skin)->getSize(), sf::Vector2u()) << skin << " is not worn";
    }
    EXPECT_EQ(assets.folds.at(kViolet).indices, assets.folds.at(kArmsSheet).indices) << "the same drawing";

    const sf::Texture* violet = &GetTexture(assets, kViolet);
    EXPECT_EQ(assets.loads, 0) << "coloured from its fold, no file read";
    ExpectCellsAsDrawn(assets, kViolet);
    ExpectCellsAsDrawn(assets, kBrown);
    const sf::Image worn = violet->copyToImage();

    // A picture without a fold keeps its texture.
    const std::string panel = "Assets/Sprites/Menu/Pannel.png";
    const sf::Vector2u panelSize = GetTexture(assets, panel).getSize();
    FoldPictures(assets, {kViolet, panel});
    EXPECT_EQ(violet->getSize(), sf::Vector2u());
    EXPECT_EQ(GetTexture(assets, panel).getSize(), panelSize);
    const int loads = assets.loads;
    UnfoldPictures(assets, {kViolet, kBrown});
    EXPECT_EQ(&GetTexture(assets, kViolet), violet) << "into the texture the sprites point at";
    EXPECT_TRUE(SamePixels(violet->copyToImage(), worn));
    EXPECT_EQ(assets.loads, loads);
}

// A file cut short is named once and shows nothing, folded or not.
TEST(FoldedPictures, AFoldedSheetCutShortIsNamedAndShowsNothing)
{
    const std::filesystem::path root = std::filesystem::temp_directory_path() / "tidewrack_folded_cut";
    const std::filesystem::path folder = root / "Assets/Sprites/Player";
    std::filesystem::create_directories(folder);
    Assets original;
    ASSERT_TRUE(FindAssetRoot(original, ""));
    const std::uintmax_t size = std::filesystem::file_size(AssetPath(original, kViolet));
    std::filesystem::copy_file(AssetPath(original, kViolet), folder / "spritesheetplayerViolet.png",
                               std::filesystem::copy_options::overwrite_existing);
    std::filesystem::resize_file(folder / "spritesheetplayerViolet.png", size / 2);

    Assets assets;
    assets.root = root;
    testing::internal::CaptureStderr();
    StartDecoding(assets, {kViolet});
    FinishDecoding(assets);
    const std::string said = testing::internal::GetCapturedStderr();
    EXPECT_EQ(GetTexture(assets, kViolet).getSize(), sf::Vector2u());
    EXPECT_FALSE(assets.folds.count(kViolet));
    EXPECT_EQ(std::count(said.begin(), said.end(), '\n'), 1) << said;
    EXPECT_NE(said.find(kViolet), std::string::npos);
    std::filesystem::remove_all(root);
}

// Off on a run, the hub's own pictures are folded; back in the hub they are
// coloured again in the same textures, reading no file, and the run's
// scenery goes (the next run's loading screen reads it again).
TEST_F(HubTest, TheHubsOwnPicturesFoldForARunAndComeBackWithoutAFileRead)
{
    DressHub(hub, *assets);
    const std::string scenery = "Assets/Sprites/BackGround/Patern3 1.png";
    GetTexture(*assets, scenery);
    std::vector<std::pair<const sf::Texture*, sf::Image>> before;
    for (const std::string& path : HubOwnPictures())
        before.emplace_back(&GetTexture(*assets, path), GetTexture(*assets, path).copyToImage());

    LeaveHub(*game);
    FinishDecoding(*assets);
    for (const std::string& path : HubOwnPictures()) {
        if (FindAsset(path)->folded) {
            EXPECT_EQ(assets->textures.at(path)->getSize(), sf::Vector2u()) << path;
        }
    }
    const int loads = assets->loads;
    game->loadingScreen.loadingActive = 0;
    EnterHub(*game);
    EXPECT_EQ(assets->loads, loads) << "no file read on the way in";
    EXPECT_TRUE(assets->released.count(scenery));
    const std::vector<std::string> own = HubOwnPictures();
    for (std::size_t i = 0; i < own.size(); ++i) {
        EXPECT_EQ(assets->textures.at(own[i]).get(), before[i].first) << own[i];
        EXPECT_TRUE(SamePixels(before[i].first->copyToImage(), before[i].second)) << own[i];
    }
}

}  // namespace
