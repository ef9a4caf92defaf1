// The real game, driven through its menus by scripts on a virtual display.
#include "e2e_support.hpp"

namespace {


sf::Image MenuPicture(const std::string& name)
{
    return LoadAsset(std::string(TIDEWRACK_ASSETS) + "/Sprites/Menu/" + name);
}

// Where a centred picture's top-left lands when its centre is at `centre`.
sf::Vector2i Centred(const sf::Image& picture, sf::Vector2i centre)
{
    return {centre.x - static_cast<int>(picture.getSize().x) / 2, centre.y - static_cast<int>(picture.getSize().y) / 2};
}

TEST(MenuWalk, EveryScreenShowsItsPicturesAndQuitEndsCleanly)
{
    REQUIRE_DISPLAY();
    const auto folder = TestFolder();
    const GameRun run = RunGame({"--seed", "1", "--script", ScriptPath("menu_walk.script"), "--draw-every", "4"}, folder);
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.err.find("cannot read"), std::string::npos) << run.err;

    const sf::Image hovered = LoadScreenshot(folder / "main_play_hover.png");
    EXPECT_GT(MatchPicture(hovered, MenuPicture("Play_02.png"), {108, 370}), 0.95) << "Play lights up under the mouse";
    EXPECT_LT(MatchPicture(hovered, MenuPicture("Play_01.png"), {108, 370}), 0.9);
    EXPECT_GT(MatchPicture(hovered, MenuPicture("Quit_01.png"), {118, 855}), 0.95);

    const sf::Image bar = MenuPicture("SoundBar.png");
    const sf::Image cursor = MenuPicture("SoundCursor.png");
    const sf::Image options = LoadScreenshot(folder / "options.png");
    EXPECT_GT(MatchPicture(options, bar, Centred(bar, {960, 433})), 0.8);
    const int rightStop = 960 + static_cast<int>(bar.getSize().x) / 2 - 134;
    EXPECT_GT(MatchPicture(options, cursor, Centred(cursor, {rightStop, 433})), 0.95) << "full volume at start";
    const sf::Image moved = LoadScreenshot(folder / "options_volume.png");
    EXPECT_GT(MatchPicture(moved, cursor, Centred(cursor, {1200, 433})), 0.95) << "the drag moves the cursor";

    const sf::Image controls = MenuPicture("ControlsPannel.png");
    EXPECT_GT(MatchPicture(LoadScreenshot(folder / "controls.png"), controls, Centred(controls, {960, 540})), 0.95);
    const sf::Image credits = MenuPicture("CreditsPannel.png");
    EXPECT_GT(MatchPicture(LoadScreenshot(folder / "credits.png"), credits, Centred(credits, {960, 540})), 0.95);

    // The pause draws its panel over the frozen game, its cursor where the menu's was.
    const sf::Image pausePanel = MenuPicture("PausePannel.png");
    EXPECT_GT(MatchPicture(LoadScreenshot(folder / "pause.png"), pausePanel, Centred(pausePanel, {960, 540})), 0.8) << "its buttons cover part of it";
    const sf::Image pauseOptions = LoadScreenshot(folder / "pause_options.png");
    EXPECT_GT(MatchPicture(pauseOptions, cursor, Centred(cursor, {1200, 433})), 0.95);
    EXPECT_GT(MatchPicture(LoadScreenshot(folder / "pause_controls.png"), controls, Centred(controls, {960, 540})), 0.95);
    EXPECT_LT(MatchPicture(LoadScreenshot(folder / "resumed.png"), pausePanel, Centred(pausePanel, {960, 540})), 0.5)
        << "the invisible area resumes the game";
    const sf::Image back = LoadScreenshot(folder / "back_to_menu.png");
    EXPECT_GT(MatchPicture(back, MenuPicture("Quit_01.png"), {118, 855}), 0.95) << "the main screen again";
}

TEST(MenuWalk, EscapeInTheMenuClosesTheWindow)
{
    REQUIRE_DISPLAY();
    const auto folder = TestFolder();
    std::ofstream(folder / "escape.script") << "2 key Escape down\n";
    const GameRun run = RunGame({"--script", (folder / "escape.script").string(), "--frames", "600", "--report",
                                 (folder / "report.json").string()},
                                folder);
    EXPECT_EQ(run.status, 0) << run.err;
    // Closing only marks the window: the frame of the key still runs.
    EXPECT_EQ(ReportNumber(ReadWhole(folder / "report.json"), "frames"), 3.0) << "Escape closed the game";
}

TEST(MenuWalk, MiddleButtonInTheGameReturnsToTheMenu)
{
    REQUIRE_DISPLAY();
    const auto folder = TestFolder();
    std::ofstream(folder / "middle.script") << "0 mouse 258 435\n3 click left 258 435\n4 release left\n"
                                               "20 click middle 700 700\n21 release middle\n"
                                               "23 screenshot menu.png\n24 quit\n";
    const GameRun run = RunGame({"--script", (folder / "middle.script").string(), "--draw-every", "10"}, folder);
    ASSERT_EQ(run.status, 0) << run.err;
    const sf::Image menu = LoadScreenshot(folder / "menu.png");
    EXPECT_GT(MatchPicture(menu, MenuPicture("Options_01.png"), {18, 545}), 0.95);
}

TEST(CommandLine, BadInputIsNamedAndRefused)
{
    const auto folder = TestFolder();
    GameRun run = RunGame({"--frames", "zero"}, folder);
    EXPECT_EQ(run.status, 2);
    EXPECT_NE(run.err.find("--frames"), std::string::npos) << run.err;
    std::ofstream(folder / "bad.script") << "1 key D down\n2 jump\n";
    run = RunGame({"--script", (folder / "bad.script").string()}, folder);
    EXPECT_EQ(run.status, 2);
    EXPECT_NE(run.err.find("line 2"), std::string::npos) << run.err;
}

TEST(CommandLine, WithoutAnAssetsFolderTheGameSaysWhereItLooked)
{
    const auto folder = TestFolder();
    const auto lonely = folder / "tidewrack";
    std::filesystem::copy_file(TIDEWRACK_BINARY, lonely);
    const GameRun run = RunGame({"--frames", "1"}, folder, lonely.string());
    EXPECT_EQ(run.status, 1);
    EXPECT_NE(run.err.find("Assets"), std::string::npos) << run.err;
    EXPECT_NE(run.err.find(folder.string()), std::string::npos) << run.err;
}

// A link to the game (as a player's ~/bin would hold) leads to the real
// program, and the assets beside it.
TEST(CommandLine, StartedThroughALinkTheGameFindsItsAssets)
{
    const auto folder = TestFolder();
    std::filesystem::create_symlink(TIDEWRACK_BINARY, folder / "play-tidewrack");
    const GameRun run = RunGame({"--frames", "2"}, folder, "./play-tidewrack");
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.err.find("cannot read"), std::string::npos) << run.err;
}

}  // namespace
