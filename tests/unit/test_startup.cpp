#include "app/main_data.hpp"
#include "engine/animation.hpp"
#include "engine/asset_manifest.hpp"
#include "engine/draw_in_view.hpp"
#include "ui/menu_element.hpp"

#include <SFML/Graphics/Image.hpp>
#include <SFML/Graphics/RenderTexture.hpp>
#include <algorithm>
#include <filesystem>
#include <unistd.h>
#include <fstream>
#include <gtest/gtest.h>
#include <stdexcept>
#include <memory>
#include <set>

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

// The first menu frame shows before the game's big pictures are decoded;
// they are decoded behind the menu, and the game is built from the cache
// once they are all in. A Play clicked earlier waits for them.
struct StartupBehindTheMenu : ::testing::Test {
    std::unique_ptr<MainData> main = std::make_unique<MainData>();
    static constexpr const char* kBossSheet = "Assets/Sprites/Boss/SpriteSheetBoss.png";

    void SetUp() override
    {
        ASSERT_TRUE(FindAssetRoot(main->assets, ""));
        main->windowState.frameLimit = 0;
        main->fixedDt = 1.f / 60.f;
        testing::internal::CaptureStdout();
        InitMain(*main, 5);
    }
    void TearDown() override
    {
        DestroyMain(*main);
        testing::internal::GetCapturedStdout();
    }
    bool AllStartupPicturesCached() const
    {
        return std::all_of(StartupPictures().begin(), StartupPictures().end(),
                           [&](const char* path) { return main->assets.textures.count(path) == 1; });
    }
};

TEST_F(StartupBehindTheMenu, TheMenuComesFirstAndItsFramesBuildTheGameOnceEveryPictureIsIn)
{
    EXPECT_EQ(main->startup, STARTUP_FIRST_FRAME);
    EXPECT_EQ(main->window.getView().getSize(), sf::Vector2f(1920.f, 1080.f)) << "the menu drawn at the screen's scale";
    EXPECT_TRUE(main->assets.textures.count("Assets/Sprites/Menu/Wallpaper.png"));
    EXPECT_FALSE(main->assets.textures.count(kBossSheet)) << "the boss waits for the first menu frame";
    UpdateMain(*main);
    DrawMain(*main);
    UpdateMain(*main);
    EXPECT_EQ(main->startup, STARTUP_DECODING);
    EXPECT_TRUE(DecodingPending(main->assets));
    EXPECT_EQ(main->game.assets, nullptr) << "not built yet";

    FinishDecoding(main->assets);  // as if the menu had stayed long enough
    UpdateMain(*main);
    EXPECT_EQ(main->startup, STARTUP_READY);
    EXPECT_EQ(main->game.mode, MODE_MENU);
    EXPECT_TRUE(AllStartupPicturesCached());
    EXPECT_EQ(main->game.assets, &main->assets);
    EXPECT_GT(GetTexture(main->assets, kBossSheet).getSize().x, 0u);
    for (const char* path : StartupPictures())
        EXPECT_EQ(main->assets.missing.count(path), 0u) << path;
}

TEST_F(StartupBehindTheMenu, PlayBeforeTheDecodingEndsWaitsForItAndTheGameStartsWhole)
{
    UpdateMain(*main);
    UpdateMain(*main);
    main->game.mode = MODE_GAME;  // Play, clicked at once
    UpdateMain(*main);
    EXPECT_EQ(main->startup, STARTUP_READY);
    EXPECT_FALSE(DecodingPending(main->assets));
    EXPECT_TRUE(AllStartupPicturesCached());
    EXPECT_NE(main->game.player.texture, nullptr);
    EXPECT_EQ(CurrentScene(main->game), SCENE_TUTORIAL);
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

// The game decodes pictures itself; what reaches the screen must be what
// the file holds, translucent pixels included (the shadow is all of them).
TEST(PictureLoading, PixelsMatchTheFileExactly)
{
    Assets assets;
    ASSERT_TRUE(FindAssetRoot(assets, ""));
    for (const char* path : {"Assets/Sprites/Menu/ScreenShadow.png", "Assets/Sprites/Obstacle/porc thai.png"}) {
        sf::Image expected;
        ASSERT_TRUE(expected.loadFromFile(AssetPath(assets, path).string())) << path;
        const sf::Image shown = GetTexture(assets, path).copyToImage();
        ASSERT_EQ(shown.getSize(), expected.getSize()) << path;
        const size_t bytes = size_t{expected.getSize().x} * expected.getSize().y * 4;
        EXPECT_TRUE(std::equal(shown.getPixelsPtr(), shown.getPixelsPtr() + bytes, expected.getPixelsPtr())) << path;
    }
}

// A damaged file is named once and shows nothing; the game goes on.
TEST(PictureLoading, ABrokenFileIsNamedOnceAndShowsNothing)
{
    const auto root = std::filesystem::temp_directory_path() / ("tidewrack-broken-pictures-" + std::to_string(::getpid()));
    const std::string text = "Assets/Sprites/Menu/Wallpaper.png";
    const std::string cut = "Assets/Sprites/Menu/Pannel.png";
    std::filesystem::create_directories(root / "Assets/Sprites/Menu");
    std::ofstream(root / text) << "not a picture at all";
    {
        std::ifstream real(cut, std::ios::binary);
        std::string bytes((std::istreambuf_iterator<char>(real)), {});
        ASSERT_GT(bytes.size(), 1000u);
        std::ofstream(root / cut, std::ios::binary) << bytes.substr(0, bytes.size() / 2);
    }
    Assets assets;
    assets.strictManifest = true;
    assets.root = root;
    const char* const paths[] = {text.c_str(), cut.c_str()};
    testing::internal::CaptureStderr();
    PreloadPictures(assets, paths);
    for (const char* path : paths) {
        EXPECT_EQ(GetTexture(assets, path).getSize().x, 0u) << path;
        EXPECT_EQ(VisibleArea(assets, path), sf::IntRect()) << path;
    }
    const std::string said = testing::internal::GetCapturedStderr();
    EXPECT_EQ(assets.missing.size(), 2u);
    for (const std::string path : paths) {
        const std::string line = "cannot read \"" + path + "\"";
        EXPECT_NE(said.find(line), std::string::npos) << said;
        EXPECT_EQ(said.find(line), said.rfind(line)) << "named once: " << said;
    }
    std::filesystem::remove_all(root);
}

// A menu button whose picture is missing still answers where it stands,
// at the size the manifest gives the picture: without it, Quit could not
// be clicked and the game would never end by its menu.
TEST(PictureLoading, AButtonWhosePictureIsMissingStillAnswersWhereItStands)
{
    Assets assets;
    assets.strictManifest = true;
    assets.root = std::filesystem::temp_directory_path() / "tidewrack-no-assets-here";
    const std::string quit = "Assets/Sprites/Menu/Quit_01.png";
    testing::internal::CaptureStderr();
    MenuButton button;
    InitMenuButton(button, assets, quit, "Assets/Sprites/Menu/Quit_02.png", {100.f, 200.f}, false);
    testing::internal::GetCapturedStderr();
    const AssetEntry* entry = FindAsset(quit);
    ASSERT_NE(entry, nullptr);
    EXPECT_EQ(button.bounds, sf::FloatRect(100.f, 200.f, static_cast<float>(entry->width),
                                           static_cast<float>(entry->height)));
    UpdateMenuButtonHover(button, {110.f, 210.f});
    EXPECT_EQ(button.hovered, 1);
}

// A path the manifest does not list is a typo in the code: tests and debug
// builds stop on it at once; a player's game names it once and goes on.
TEST(PictureLoading, APathOutsideTheManifestFailsLoudly)
{
    Assets assets;
    ASSERT_TRUE(FindAssetRoot(assets, ""));
    assets.strictManifest = true;
    EXPECT_THROW(GetTexture(assets, "Assets/Sprites/Menu/wallpaper.png"), std::logic_error);
    EXPECT_THROW(SheetCell(assets, "Assets/Sprites/Nowhere.png", 1, 2), std::logic_error);
    EXPECT_EQ(SheetCell(assets, "Assets/Sprites/Obstacle/porc thai.png", 2, 3), sf::IntRect(972, 780, 324, 390));
    EXPECT_EQ(SheetFrames(assets, "Assets/Sprites/Obstacle/porc thai.png", 4), 5);

    assets.strictManifest = false;
    testing::internal::CaptureStderr();
    EXPECT_EQ(GetTexture(assets, "Assets/Sprites/Menu/wallpaper.png").getSize().x, 0u);
    EXPECT_EQ(SheetCell(assets, "Assets/Sprites/Menu/wallpaper.png"), sf::IntRect());
    const std::string said = testing::internal::GetCapturedStderr();
    const std::string line = "\"Assets/Sprites/Menu/wallpaper.png\" is not in the asset manifest";
    EXPECT_NE(said.find(line), std::string::npos) << said;
    EXPECT_EQ(said.find(line), said.rfind(line)) << "named once: " << said;
}

// Scenery files leave out their empty margins; the game still draws what
// they show exactly where the whole picture would put it.
TEST(PictureLoading, ATrimmedPictureIsDrawnInPlace)
{
    Assets assets;
    ASSERT_TRUE(FindAssetRoot(assets, ""));
    const std::string sun = "Assets/Sprites/Maps/Background/Sun.png";
    const sf::Vector2i at = ReadPictureOffset(AssetPath(assets, sun));
    EXPECT_GT(at.x, 0) << "the sun's file starts at its disc";
    EXPECT_GT(at.y, 0);
    const sf::IntRect inPicture = VisibleArea(assets, sun);
    const sf::IntRect inTexture = VisibleTextureArea(assets, sun);
    EXPECT_EQ(inPicture.left - inTexture.left, at.x);
    EXPECT_EQ(inPicture.top - inTexture.top, at.y);
    EXPECT_LE(inTexture.left + inTexture.width, static_cast<int>(GetTexture(assets, sun).getSize().x));

    sf::Sprite sprite;
    ShowVisibleArea(sprite, assets, sun);
    sprite.setPosition(100.f, -3240.f);
    const sf::FloatRect drawn = sprite.getGlobalBounds();
    EXPECT_FLOAT_EQ(drawn.left, 100.f + static_cast<float>(inPicture.left));
    EXPECT_FLOAT_EQ(drawn.top, -3240.f + static_cast<float>(inPicture.top));
    EXPECT_FLOAT_EQ(drawn.width, static_cast<float>(inPicture.width));

    EXPECT_EQ(ReadPictureOffset(AssetPath(assets, "Assets/Sprites/Menu/Wallpaper.png")), sf::Vector2i());
    EXPECT_EQ(ReadPictureOffset(AssetPath(assets, "Assets/Sounds/Sounds/Zap.wav")), sf::Vector2i());
    EXPECT_EQ(ReadPictureOffset(AssetPath(assets, "Assets/NoSuchFile.png")), sf::Vector2i());
}

}  // namespace

namespace {

// The boss's sheet is drawn as a grid with most of its cells empty; the
// game keeps only the cells its rows use, each exactly as drawn, in a
// texture every graphics card takes.
TEST(PictureLoading, APackedSheetKeepsEveryUsedCellAsDrawn)
{
    Assets assets;
    ASSERT_TRUE(FindAssetRoot(assets, ""));
    const std::string path = "Assets/Sprites/Boss/SpriteSheetBoss.png";
    const AssetEntry& sheet = *FindAsset(path);
    ASSERT_TRUE(sheet.packed);
    EXPECT_EQ(sheet.PackedCellCount(), 594);
    EXPECT_LE(sheet.PackedWidth(), AssetEntry::kPackedSheetWidth);
    EXPECT_LE(sheet.PackedHeight(), AssetEntry::kPackedSheetWidth);
    const sf::Texture& texture = GetTexture(assets, path);
    ASSERT_EQ(texture.getSize(), sf::Vector2u(static_cast<unsigned>(sheet.PackedWidth()),
                                              static_cast<unsigned>(sheet.PackedHeight())));
    EXPECT_EQ(SheetCell(assets, path, 3, 8), sf::IntRect()) << "row 3 has 8 frames: a ninth is not kept";
    EXPECT_EQ(SheetCell(assets, path, 28, 0), sf::IntRect());

    sf::Image drawn;
    ASSERT_TRUE(drawn.loadFromFile(AssetPath(assets, path).string()));
    const sf::Image kept = texture.copyToImage();
    std::set<std::pair<int, int>> places;
    for (int row = 0; row < sheet.rows; ++row)
        for (int frame : {0, sheet.FramesInRow(row) / 2, sheet.FramesInRow(row) - 1}) {
            const sf::IntRect cell = SheetCell(assets, path, row, frame);
            places.insert({cell.left, cell.top});
            ASSERT_EQ(cell.width, sheet.cellWidth);
            for (int y = 0; y < cell.height; y += 3)
                for (int x = 0; x < cell.width; x += 3)
                    ASSERT_EQ(kept.getPixel(static_cast<unsigned>(cell.left + x), static_cast<unsigned>(cell.top + y)),
                              drawn.getPixel(static_cast<unsigned>(sheet.cellWidth * frame + x),
                                             static_cast<unsigned>(sheet.cellHeight * row + y)))
                        << "row " << row << " frame " << frame << " at " << x << ", " << y;
        }
    EXPECT_EQ(places.size(), 3u * 28u) << "no two cells share a place";
}

// The player's sheets are packed too: a row that reaches a texture line's
// end goes on at the next line's start, and the animation steps through
// it frame by frame onto the same cells SheetCell names, on every skin.
TEST(PictureLoading, ThePlayersAnimationsWalkTheirPackedRowsAcrossLineEnds)
{
    Assets assets;
    ASSERT_TRUE(FindAssetRoot(assets, ""));
    const std::string path = "Assets/Sprites/Player/spritesheetplayerAllFini.png";
    const AssetEntry& sheet = *FindAsset(path);
    ASSERT_TRUE(sheet.packed);
    EXPECT_EQ(GetTexture(assets, path).getSize(), sf::Vector2u(8151, 1044));
    int wrapped = 0;
    for (int row = 0; row < sheet.rows; ++row) {
        Animation animation = CreateAnimation(SheetFrames(assets, path, row), 1, SheetCell(assets, path, row));
        animation.columns = SheetColumns(assets, path);
        sf::Sprite sprite;
        for (int frame = 0; frame < animation.frameCount; ++frame) {
            animation.currentFrame = frame;
            ShowAnimationFrame(animation, sprite);
            ASSERT_EQ(sprite.getTextureRect(), SheetCell(assets, path, row, frame)) << "row " << row << " frame " << frame;
            wrapped += frame > 0 && sprite.getTextureRect().left == 0;
        }
    }
    EXPECT_GT(wrapped, 0) << "some row goes on at a next line";
    for (const AssetEntry& skin : AllAssets()) {
        if (!std::string_view(skin.path).starts_with("Assets/Sprites/Player/sprite"))
            continue;
        EXPECT_TRUE(skin.packed && skin.PackedColumns() == sheet.PackedColumns()
                    && std::equal(skin.framesPerRow.begin(), skin.framesPerRow.end(), sheet.framesPerRow.begin(),
                                  sheet.framesPerRow.end()))
            << skin.path << " is cut as the others";
    }
}

// A picture that is mostly holes keeps only its pieces that show anything,
// yet draws exactly as the whole file would: in its middle, at its edges
// (where pieces are cut short), and repeated sideways as a parallax layer.
// (Seen from whole pixels: at a half pixel, rounding may pick a texel's
// neighbour along a piece's edge, as it may along a sprite's.)
class SparsePicture : public testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(FindAssetRoot(assets, ""));
        ASSERT_TRUE(target.create(960, 540));
    }
    template <typename Paint>
    sf::Image Drawn(sf::Vector2f corner, Paint paint)
    {
        target.setView(sf::View(sf::FloatRect(corner, {960.f, 540.f})));
        target.clear(sf::Color(1, 2, 3));
        paint();
        target.display();
        return target.getTexture().copyToImage();
    }
    static bool Same(const sf::Image& a, const sf::Image& b)
    {
        const size_t bytes = size_t{a.getSize().x} * a.getSize().y * 4;
        return a.getSize() == b.getSize() && std::equal(a.getPixelsPtr(), a.getPixelsPtr() + bytes, b.getPixelsPtr());
    }
    Assets assets;
    sf::RenderTexture target;
};

TEST_F(SparsePicture, KeepsFewerPixelsAndDrawsAsTheWholeFile)
{
    for (const std::string path : {"Assets/Sprites/Maps/Hub/Rocher.png", "Assets/Sprites/BackGround/Patern3 1.png"}) {
        const AssetEntry& entry = *FindAsset(path);
        ASSERT_TRUE(entry.sparse) << path;
        const sf::VertexArray* pieces = PicturePieces(assets, path);
        ASSERT_NE(pieces, nullptr) << path;
        const sf::Vector2u kept = GetTexture(assets, path).getSize();
        EXPECT_LT(double(kept.x) * kept.y, 0.7 * entry.width * entry.height) << path << ": its holes are not kept";
        sf::Texture whole;
        ASSERT_TRUE(whole.loadFromFile(AssetPath(assets, path).string()));
        sf::Sprite placed;
        ShowVisibleArea(placed, assets, path);
        sf::Sprite reference(whole, VisibleTextureArea(assets, path));
        reference.setOrigin(placed.getOrigin());
        for (const sf::Vector2f corner : {sf::Vector2f(static_cast<float>(entry.width) - 700.f, static_cast<float>(entry.height) - 400.f),
                                          sf::Vector2f(static_cast<float>(entry.width / 2), static_cast<float>(entry.height / 2))}) {
            const sf::Image expected = Drawn(corner, [&] { target.draw(reference); });
            const sf::Image shown = Drawn(corner, [&] { DrawInView(target, ViewArea(target), placed, pieces); });
            EXPECT_TRUE(Same(shown, expected)) << path << " seen from " << corner.x << ", " << corner.y;
        }
    }
    EXPECT_EQ(PicturePieces(assets, "Assets/Sprites/Menu/Wallpaper.png"), nullptr) << "a picture drawn whole";
}

TEST_F(SparsePicture, ALayersPiecesRepeatAsItsPictureDoes)
{
    const std::string path = "Assets/Sprites/Maps/Layer2.png";
    const AssetEntry& entry = *FindAsset(path);
    ASSERT_TRUE(entry.sparse && entry.tiled);
    const sf::VertexArray* pieces = PicturePieces(assets, path);
    ASSERT_NE(pieces, nullptr);
    sf::Texture whole;
    ASSERT_TRUE(whole.loadFromFile(AssetPath(assets, path).string()));
    whole.setRepeated(true);
    const sf::IntRect rows = VisibleTextureArea(assets, path);
    sf::Sprite reference(whole, {0, rows.top, 3 * entry.width, rows.height});
    sf::Sprite placed;
    ShowVisibleArea(placed, assets, path);
    placed.setTextureRect({0, 0, 3 * entry.width, rows.height});
    for (sf::Sprite* sprite : {&reference, &placed}) {
        sprite->setOrigin(0.f, static_cast<float>(-VisibleArea(assets, path).top));
        sprite->setPosition(-37.f, 0.f);
    }
    const float middle = static_cast<float>(VisibleArea(assets, path).top + rows.height / 2 - 270);
    for (const float x : {0.f, static_cast<float>(entry.width) - 480.f, 2.f * static_cast<float>(entry.width) + 100.f}) {
        const sf::Image expected = Drawn({x, middle}, [&] { target.draw(reference); });
        const sf::Image shown = Drawn({x, middle}, [&] { DrawRepeatedPieces(target, placed, *pieces, entry.width); });
        EXPECT_TRUE(Same(shown, expected)) << "seen from x " << x;
    }
}

}  // namespace
