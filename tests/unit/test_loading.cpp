// The loading screen, the pictures decoded behind it, and the tutorial's
// dialogue.
#include "app/loading.hpp"
#include "app/main_data.hpp"
#include "app/window.hpp"
#include "engine/asset_manifest.hpp"
#include "game_test.hpp"

#include <SFML/Graphics/RenderTexture.hpp>
#include <algorithm>
#include <gtest/gtest.h>
#include <memory>
#include <set>
#include <filesystem>
#include <unistd.h>

namespace {

constexpr float kFrame = 1.f / 60.f;

struct LoadingTest : GameTest {
    LoadingScreen& screen = game->loadingScreen;
    void SetUp() override
    {
        GameTest::SetUp();
        LoadLoadingScreen(screen, *assets);
    }
};

TEST_F(LoadingTest, TheScreenLastsThreeSecondsWhateverTheBarAndThenBuildsWhatFollows)
{
    StartLoading(*game, LOADING_NOTHING);
    ASSERT_EQ(screen.loadingActive, 1);
    EXPECT_EQ(CurrentScene(*game), SCENE_LOADING);
    int frames = 0;
    while (screen.loadingActive == 1 && frames < 1000) {
        UpdateLoading(*game, kFrame);
        frames++;
        const sf::FloatRect bar = screen.loadbar.getGlobalBounds();
        EXPECT_LE(bar.width, kLoadbarFull);
        if (bar.width > 0.f) {
            EXPECT_EQ(bar.left, 480.f);
            EXPECT_EQ(screen.runnerSprite.getPosition(), sf::Vector2f(bar.left + bar.width, bar.top + 25.f - 100.f))
                << "on the bar's end, 100 px over its middle";
        }
    }
    EXPECT_NEAR(static_cast<float>(frames) * kFrame, kLoadingSeconds, 1.5f * kFrame);
    EXPECT_EQ(screen.loadbar.getSize().x, kLoadbarFull) << "full well before the end";
    EXPECT_EQ(screen.elapsed, 0.f);
}

// The screen stays where the window looks, however the camera moved.
TEST_F(LoadingTest, TheScreenIsDrawnFromTheViewsCorner)
{
    StartLoading(*game, LOADING_NOTHING);
    for (int frame = 0; frame < 120; frame++)
        UpdateLoading(*game, kFrame);
    sf::RenderTexture target;
    ASSERT_TRUE(target.create(1920, 1080));
    sf::View view({0.f, 0.f, 1920.f, 1080.f});
    view.setCenter(7340.f, -2210.f);
    target.setView(view);
    target.clear(sf::Color::Red);
    DrawLoadingScreen(screen, target);
    target.display();
    const sf::Image shot = target.getTexture().copyToImage();
    EXPECT_EQ(shot.getPixel(5, 5), sf::Color::Black) << "the backdrop covers the screen";
    EXPECT_EQ(shot.getPixel(1915, 1075), sf::Color::Black);
    EXPECT_EQ(shot.getPixel(700, 835), sf::Color::White) << "the bar, its top-left at (480, 810)";
    EXPECT_EQ(shot.getPixel(470, 835), sf::Color::Black);
    long chest = 0;
    for (unsigned y = 500; y < 800; y++)
        for (unsigned x = 1550; x < 1860; x++)
            chest += shot.getPixel(x, y) != sf::Color::Black;
    EXPECT_GT(chest, 20000) << "the chest at the bar's far end";
    FinishDecoding(*assets);
}

// Pictures decoded behind the screen are the very pictures a frame would
// read, handed over in bands; asking for one early waits rather than
// reading it twice.
TEST_F(LoadingTest, PicturesDecodedBehindTheGameMatchPicturesReadAtOnce)
{
    Assets behind, atOnce;
    ASSERT_TRUE(FindAssetRoot(behind, ""));
    ASSERT_TRUE(FindAssetRoot(atOnce, ""));
    // A packed sheet goes up band by band while it is still being decoded.
    const std::vector<std::string> paths = {"Assets/Sprites/Maps/Hub/TestHub.png", "Assets/Sprites/Menu/Pannel.png",
                                            "Assets/Sprites/Maps/Background/Sun.png",
                                            "Assets/Sprites/Player/spritesheetplayerAllFini.png"};
    StartDecoding(behind, paths);
    EXPECT_TRUE(DecodingPending(behind));
    EXPECT_TRUE(behind.textures.empty());
    int calls = 0;
    while (!UploadDecodedPictures(behind, 4u << 20))
        calls++;
    EXPECT_GT(calls, 9) << "the 36 MB map goes up in bands";
    EXPECT_FALSE(DecodingPending(behind));
    EXPECT_EQ(behind.loads, 0);
    EXPECT_EQ(behind.loadsBehind, 4);
    for (const std::string& path : paths) {
        EXPECT_EQ(VisibleArea(behind, path), VisibleArea(atOnce, path)) << path;
        EXPECT_EQ(behind.cellsAreas.count(path), atOnce.cellsAreas.count(path)) << path;
        EXPECT_EQ(SheetCellsArea(behind, path), SheetCellsArea(atOnce, path)) << path;
        const sf::Image a = GetTexture(behind, path).copyToImage(), b = GetTexture(atOnce, path).copyToImage();
        ASSERT_EQ(a.getSize(), b.getSize()) << path;
        EXPECT_TRUE(std::equal(a.getPixelsPtr(), a.getPixelsPtr() + std::size_t{a.getSize().x} * a.getSize().y * 4,
                               b.getPixelsPtr()))
            << path;
    }
    EXPECT_EQ(behind.loads, 0) << "nothing read twice";

    Assets early;
    ASSERT_TRUE(FindAssetRoot(early, ""));
    StartDecoding(early, paths);
    EXPECT_EQ(GetTexture(early, paths[1]).getSize(), sf::Vector2u(1920, 1080));
    EXPECT_FALSE(DecodingPending(early));
    EXPECT_EQ(early.loads + early.loadsBehind, 4);
}

// A packed sheet cut short partway goes up band by band all the same until
// its end is found missing: then it is named once and shows nothing.
TEST_F(LoadingTest, APackedSheetCutShortIsNamedOnceAndShowsNothing)
{
    const std::string path = "Assets/Sprites/Player/spritesheetplayerBrun.png";
    ASSERT_TRUE(FindAsset(path)->packed);
    Assets whole;
    ASSERT_TRUE(FindAssetRoot(whole, ""));
    const auto root = std::filesystem::temp_directory_path() / ("tidewrack-cut-sheet-" + std::to_string(::getpid()));
    std::filesystem::create_directories((root / path).parent_path());
    const std::filesystem::path file = AssetPath(whole, path);
    std::filesystem::copy_file(file, root / path, std::filesystem::copy_options::overwrite_existing);
    std::filesystem::resize_file(root / path, std::filesystem::file_size(file) * 3 / 4);
    Assets cut;
    cut.root = root;
    testing::internal::CaptureStderr();
    StartDecoding(cut, {path});
    while (!UploadDecodedPictures(cut, 1u << 20)) {
    }
    const std::string said = testing::internal::GetCapturedStderr();
    std::filesystem::remove_all(root);
    EXPECT_EQ(GetTexture(cut, path).getSize(), sf::Vector2u());
    EXPECT_EQ(cut.missing.count(path), 1u);
    const std::string line = "Tidewrack: cannot read \"" + path + "\"";
    EXPECT_NE(said.find(line), std::string::npos) << said;
    EXPECT_EQ(said.find(line), said.rfind(line)) << "named once: " << said;
    EXPECT_EQ(said.find("libpng"), std::string::npos) << "only in the game's words: " << said;
}

// A picture let go of keeps its texture, empty, so the sprites that show it
// keep pointing at it; read again (behind a loading screen, or at once when
// asked for) it fills that same texture with the same pixels, and a sparse
// one keeps its pieces where they were.
TEST_F(LoadingTest, APictureLetGoOfComesBackIntoTheSameTexture)
{
    Assets cache;
    ASSERT_TRUE(FindAssetRoot(cache, ""));
    const std::string sheet = "Assets/Sprites/Boss/SpriteSheetLave.png";
    const std::string scenery = "Assets/Sprites/BackGround/Patern2 1.png";
    const sf::Texture* sheetTexture = &GetTexture(cache, sheet);
    const sf::Image before = sheetTexture->copyToImage();
    const sf::VertexArray* pieces = PicturePieces(cache, scenery);
    ASSERT_NE(pieces, nullptr);
    const std::size_t pieceVertices = pieces->getVertexCount();
    const sf::Vector2u scenerySize = GetTexture(cache, scenery).getSize();

    ReleasePictures(cache, {sheet, scenery, "Assets/Sprites/Menu/Pannel.png"});  // the last was never read
    EXPECT_EQ(sheetTexture->getSize(), sf::Vector2u());
    EXPECT_FALSE(cache.textures.count("Assets/Sprites/Menu/Pannel.png"));
    EXPECT_EQ(cache.loads, 2);

    StartDecoding(cache, {scenery});
    FinishDecoding(cache);
    EXPECT_EQ(&GetTexture(cache, scenery), cache.textures.at(scenery).get());
    EXPECT_EQ(GetTexture(cache, scenery).getSize(), scenerySize);
    EXPECT_EQ(PicturePieces(cache, scenery), pieces);
    EXPECT_EQ(pieces->getVertexCount(), pieceVertices);
    EXPECT_EQ(cache.loads, 2) << "decoded behind, not read in a frame";

    EXPECT_EQ(&GetTexture(cache, sheet), sheetTexture) << "asked for, it is read again at once";
    EXPECT_EQ(cache.loads, 3);
    const sf::Image after = sheetTexture->copyToImage();
    ASSERT_EQ(after.getSize(), before.getSize());
    EXPECT_TRUE(std::equal(after.getPixelsPtr(), after.getPixelsPtr() + std::size_t{after.getSize().x} * after.getSize().y * 4,
                           before.getPixelsPtr()));
}

// A run lets the arena's pictures go, the arena the run's scenery, the hub
// both and the tutorial's; none lets go of anything the place it leads to
// shows, and the arena nothing start-up read. No level shows the
// tutorial's beach: a run does not read it.
TEST(PictureReading, APlaceLetsGoOnlyOfWhatItDoesNotShow)
{
    const std::span<const char* const> startup = StartupPictures();
    for (int next : {LOADING_RUN, LOADING_ARENA, LOADING_HUB}) {
        const std::vector<std::string> shown = LoadingPictures(next);
        for (const std::string& path : PicturesLeftBehind(next)) {
            EXPECT_EQ(std::count(shown.begin(), shown.end(), path), 0) << path << " is shown where it leads";
            if (next == LOADING_ARENA) {
                EXPECT_EQ(std::count(startup.begin(), startup.end(), path), 0) << path << " was read at start-up";
            }
        }
    }
    const std::vector<std::string> byRun = PicturesLeftBehind(LOADING_RUN), byArena = PicturesLeftBehind(LOADING_ARENA);
    EXPECT_EQ(std::count(byRun.begin(), byRun.end(), "Assets/Sprites/Boss/SpriteSheetBoss.png"), 1);
    EXPECT_EQ(std::count(byArena.begin(), byArena.end(), "Assets/Sprites/BackGround/Patern3 1.png"), 1);
    EXPECT_EQ(std::count(byArena.begin(), byArena.end(), "Assets/Sprites/BackGround/PatternTutobg.png"), 0);
    EXPECT_EQ(std::count(byArena.begin(), byArena.end(), "Assets/Sprites/BackGround/PaternBoss.png"), 0);
    const std::vector<std::string> byHub = PicturesLeftBehind(LOADING_HUB);
    EXPECT_EQ(std::count(byHub.begin(), byHub.end(), "Assets/Sprites/Player/cinematicTuto1.png"), 1);
    EXPECT_EQ(std::count(byHub.begin(), byHub.end(), "Assets/Sprites/BackGround/PatternTutobg.png"), 1);
    EXPECT_EQ(std::count(byHub.begin(), byHub.end(), "Assets/Sprites/Player/spritesheetplayerAllFini.png"), 0);
    EXPECT_EQ(std::count(byHub.begin(), byHub.end(), "Assets/Sprites/Boss/SpriteSheetBoss.png"), 1);
    EXPECT_EQ(std::count(byHub.begin(), byHub.end(), "Assets/Sprites/BackGround/Patern3 1.png"), 1);
    EXPECT_EQ(std::set<std::string>(byHub.begin(), byHub.end()).size(), byHub.size()) << "each named once";
    const std::vector<std::string> run = LoadingPictures(LOADING_RUN);
    EXPECT_EQ(std::count(run.begin(), run.end(), "Assets/Sprites/BackGround/PatternTutobg.png"), 0);
    EXPECT_EQ(std::count(run.begin(), run.end(), "Assets/Sprites/BackGround/Patern3 1.png"), 1);
}

// No picture is ever read in a frame of play: each is read at start-up or
// decoded behind a loading screen before the place that shows it.
TEST(PictureReading, EveryPictureIsReadAtStartOrBehindALoadingScreen)
{
    auto main = std::make_unique<MainData>();
    ASSERT_TRUE(FindAssetRoot(main->assets, ""));
    InitGame(*main);
    InitMenu(*main);
    InitPauseMenu(main->pauseMenu, main->menu, *main);
    std::set<std::string> covered{kIconPicture};  // read when the window opens, before the menu
    for (const auto& [path, texture] : main->assets.textures)
        covered.insert(path);
    for (int next : {LOADING_RUN, LOADING_ARENA, LOADING_HUB})
        for (const std::string& path : LoadingPictures(next))
            covered.insert(path);
    for (const AssetEntry& entry : AllAssets()) {
        if (entry.kind == AssetKind::Picture) {
            EXPECT_TRUE(covered.count(entry.path)) << entry.path;
        }
    }
}

struct DialogueTest : GameTest {
    Dialogue& dialogue = game->dialogue;
    void SetUp() override
    {
        GameTest::SetUp();
        InitPlayer(*game);
        LoadDialogue(dialogue, *assets);
        InitDialogue(dialogue, game->player);
    }
    void Run(float seconds)
    {
        for (float t = 0.f; t < seconds - 1e-4f; t += kFrame)
            UpdateDialogue(dialogue, kFrame, game->player);
    }
    std::string Shown() const { return dialogue.text.getString(); }
};

TEST_F(DialogueTest, TheLineTypesACharacterEvery30MsAndThePromptFollowsTwoSecondsLater)
{
    EXPECT_EQ(std::string(kDialogueLine).size(), 51u);
    Run(0.31f);  // 19 frames: past 0.30 s, ten characters
    EXPECT_EQ(Shown(), std::string(kDialogueLine).substr(0, 10));
    Run(1.3f);
    EXPECT_EQ(Shown(), kDialogueLine);
    EXPECT_EQ(dialogue.prompt.getString(), "");
    Run(2.f);
    EXPECT_EQ(dialogue.prompt.getString(), kDialoguePrompt);
    const sf::FloatRect line = dialogue.text.getGlobalBounds();
    EXPECT_EQ(dialogue.prompt.getPosition(), sf::Vector2f(line.left, line.top + line.height));
    // Over the creature, whose body is under the line's middle.
    const sf::FloatRect body = game->player.hitbox.getGlobalBounds();
    EXPECT_NEAR(line.left + line.width / 2.f, body.left + body.width / 2.f, 2.f);
    EXPECT_LT(line.top + line.height, body.top);
}

TEST_F(DialogueTest, AClickCompletesTheLineTheNextDismissesItAndTheSlimeLeaves)
{
    Run(0.5f);
    DialogueClick(dialogue);
    EXPECT_EQ(dialogue.closing, 0) << "completing is not dismissing";
    Run(kFrame);
    EXPECT_EQ(Shown(), kDialogueLine);
    Run(1.9f);
    EXPECT_EQ(dialogue.prompt.getString(), "");
    Run(0.2f);
    EXPECT_EQ(dialogue.prompt.getString(), kDialoguePrompt) << "two seconds after the click";
    DialogueClick(dialogue);
    EXPECT_EQ(dialogue.closing, 1);
    Run(kFrame);
    EXPECT_EQ(Shown(), "");
    EXPECT_EQ(dialogue.active, 1);
    Run(0.2f);
    EXPECT_EQ(dialogue.active, 1) << "the slime is still on its way";
    DialogueClick(dialogue);  // sends it away at once
    Run(kFrame);
    EXPECT_EQ(dialogue.active, 0);
    EXPECT_EQ(dialogue.started, 1);
    DestroyDialogue(dialogue);  // the middle button, again and again: harmless
    DestroyDialogue(dialogue);
    DialogueClick(dialogue);
    EXPECT_EQ(dialogue.active, 0);
}

TEST_F(DialogueTest, UndisturbedTheSlimeSlidesOffTheScreenAndTheBubbleGoes)
{
    Run(3.6f);
    DialogueClick(dialogue);
    int frames = 0;
    while (dialogue.active == 1 && frames < 200) {
        UpdateDialogue(dialogue, kFrame, game->player);
        frames++;
    }
    EXPECT_EQ(dialogue.active, 0);
    EXPECT_NEAR(frames, (1920.f - 1440.f + 25.f) / (1000.f * kFrame), 2.f);
}

}  // namespace
