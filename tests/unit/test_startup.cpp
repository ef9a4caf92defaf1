#include "app/main_data.hpp"
#include "engine/asset_manifest.hpp"

#include <gtest/gtest.h>
#include <memory>

namespace {

// The start-up list decodes the big pictures on every core; it must name
// what start-up really loads, no more, and leave no big picture to load
// one by one.
TEST(Startup, ThePreloadListMatchesWhatStartUpLoads)
{
    auto main = std::make_unique<MainData>();
    ASSERT_TRUE(FindAssetRoot(main->assets, ""));
    InitGame(*main);
    InitMenu(*main);
    InitPauseMenu(main->pauseMenu, main->menu, *main);
    for (const char* path : StartupPictures())
        EXPECT_TRUE(main->assets.textures.count(path)) << path << " is preloaded but start-up never uses it";
    for (const auto& [path, texture] : main->assets.textures) {
        const bool listed = std::find(StartupPictures().begin(), StartupPictures().end(), path) != StartupPictures().end();
        if (texture->getSize().x * texture->getSize().y >= 1'000'000u) {
            EXPECT_TRUE(listed) << path << " is loaded at start-up but not preloaded";
        }
    }
    EXPECT_TRUE(main->assets.missing.empty());
}

TEST(Startup, PreloadingGivesTheSamePicturesAndAreasAsLoadingOneByOne)
{
    Assets together, alone;
    ASSERT_TRUE(FindAssetRoot(together, ""));
    ASSERT_TRUE(FindAssetRoot(alone, ""));
    const char* const paths[] = {"Assets/Sprites/Menu/PausePannel.png", "Assets/Sprites/Maps/Layer3.png",
                                 "Assets/Sprites/NoSuchPicture.png"};
    testing::internal::CaptureStderr();
    PreloadPictures(together, paths);
    for (const char* path : paths)
        GetTexture(alone, path);
    const std::string said = testing::internal::GetCapturedStderr();
    for (const char* path : paths) {
        EXPECT_EQ(GetTexture(together, path).getSize(), GetTexture(alone, path).getSize()) << path;
        EXPECT_EQ(VisibleArea(together, path), VisibleArea(alone, path)) << path;
    }
    EXPECT_EQ(together.loads, 3) << "nothing loaded twice";
    EXPECT_EQ(together.missing.size(), 1u);
    const sf::IntRect panel = VisibleArea(together, "Assets/Sprites/Menu/PausePannel.png");
    EXPECT_GT(panel.width, 0);
    EXPECT_LE(panel.left + panel.width, 1480);
}

}  // namespace
