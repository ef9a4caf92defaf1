// The real game on displays and in windows of other sizes, and a recorded
// replay played back.
#include "e2e_support.hpp"
#include "engine/letterbox.hpp"

#include <algorithm>
#include <set>

namespace {

// Runs the game as a player would, on the clock's own time (no --fixed-dt),
// optionally through a command put before it (another virtual display).
GameRun RunAsPlayed(const std::vector<std::string>& args, const std::filesystem::path& folder,
                    const std::string& before = "")
{
    std::string command = "cd " + ShellQuote(folder.string()) + " && TIDEWRACK_STRICT_MANIFEST=1 " + before + " "
                        + ShellQuote(TIDEWRACK_BINARY);
    for (const std::string& arg : args)
        command += " " + ShellQuote(arg);
    command += " > " + ShellQuote((folder / "stdout.txt").string()) + " 2> " + ShellQuote((folder / "stderr.txt").string());
    GameRun run;
    for (int attempt = 1; attempt <= 3; attempt++) {  // only a refused X connection is tried again, and said
        const int raw = std::system(command.c_str());
        run.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
        run.out = ReadWhole(folder / "stdout.txt");
        run.err = ReadWhole(folder / "stderr.txt");
        const bool refused = run.err.find("Failed to open X11 display") != std::string::npos
                          || run.err.find("Xvfb failed to start") != std::string::npos;
        if (run.status == 0 || !refused)
            break;
        std::fprintf(stderr, "e2e: the game could not open the X display (attempt %d of 3)\n", attempt);
    }
    return run;
}

// The share of a picture's opaque pixels seen where a letterboxed window
// shows them: each window pixel inside the picture's place shows the canvas
// pixel under its centre.
double MatchLetterboxed(const sf::Image& shot, const sf::Image& picture, sf::Vector2i at, const Letterbox& box)
{
    const sf::Vector2i from = CanvasToWindow(box, at);
    const sf::Vector2i to = CanvasToWindow(box, at + sf::Vector2i(picture.getSize()));
    long opaque = 0, same = 0;
    for (int y = from.y; y < to.y; y++)
        for (int x = from.x; x < to.x; x++) {
            const sf::Vector2i c = WindowToCanvas(box, {x, y}) - at;
            if (c.x < 0 || c.y < 0 || c.x >= static_cast<int>(picture.getSize().x)
                || c.y >= static_cast<int>(picture.getSize().y) || x >= static_cast<int>(shot.getSize().x)
                || y >= static_cast<int>(shot.getSize().y))
                continue;
            const sf::Color want = picture.getPixel(static_cast<unsigned>(c.x), static_cast<unsigned>(c.y));
            if (want.a != 255)
                continue;
            opaque++;
            const sf::Color got = shot.getPixel(static_cast<unsigned>(x), static_cast<unsigned>(y));
            same += got.r == want.r && got.g == want.g && got.b == want.b;
        }
    return opaque ? static_cast<double>(same) / static_cast<double>(opaque) : 0.0;
}

sf::Image Menu(const std::string& name) { return LoadAsset(std::string(TIDEWRACK_ASSETS) + "/Sprites/Menu/" + name); }

sf::Vector2i CentredAt(const sf::Image& picture, sf::Vector2i centre)
{
    return {centre.x - static_cast<int>(picture.getSize().x) / 2, centre.y - static_cast<int>(picture.getSize().y) / 2};
}

// The menus walked on a display of another size: the window fills it, the
// canvas is letterboxed in it and every screen answers where it shows.
void WalkTheMenusOnADisplay(unsigned width, unsigned height)
{
    REQUIRE_DISPLAY();
    const auto folder = TestFolder();
    // A display of its own, numbered from the process's number so that two
    // such tests at once (ctest -j2, another checkout) rarely try the same.
    const std::string display = "xvfb-run -a -n " + std::to_string(100 + ::getpid() % 800) + " -s "
                              + ShellQuote("-screen 0 " + std::to_string(width) + "x" + std::to_string(height) + "x24");
    const GameRun run = RunAsPlayed({"--seed", "1", "--fixed-dt", "0.0166667", "--script",
                                     ScriptPath("menu_walk.script"), "--draw-every", "4"},
                                    folder, display);
    ASSERT_EQ(run.status, 0) << run.err;
    const Letterbox box = FitLetterbox({width, height});
    const sf::Image hovered = LoadScreenshot(folder / "main_play_hover.png");
    ASSERT_EQ(hovered.getSize(), sf::Vector2u(width, height)) << "borderless on the whole display";
    EXPECT_GT(MatchLetterboxed(hovered, Menu("Play_02.png"), {108, 370}, box), 0.9);
    EXPECT_GT(MatchLetterboxed(hovered, Menu("Quit_01.png"), {118, 855}, box), 0.9);
    const sf::Image cursor = Menu("SoundCursor.png");
    EXPECT_GT(MatchLetterboxed(LoadScreenshot(folder / "options_volume.png"), cursor, CentredAt(cursor, {1200, 433}), box),
              0.9)
        << "the drag moved the grip";
    const sf::Image controls = Menu("ControlsPannel.png");
    EXPECT_GT(MatchLetterboxed(LoadScreenshot(folder / "pause_controls.png"), controls, CentredAt(controls, {960, 540}), box),
              0.9);
    EXPECT_GT(MatchLetterboxed(LoadScreenshot(folder / "back_to_menu.png"), Menu("Quit_01.png"), {118, 855}, box), 0.9);
}

TEST(AnyDisplay, ASmallLaptopsDisplayShowsTheWholeCanvas) { WalkTheMenusOnADisplay(1366, 768); }

TEST(AnyDisplay, ALargeDisplayIsFilled) { WalkTheMenusOnADisplay(2560, 1440); }

TEST(AnyDisplay, AWindowOfAnySizeLetterboxesTheCanvas)
{
    REQUIRE_DISPLAY();
    const auto folder = TestFolder();
    std::ofstream(folder / "window.script") << "0 screenshot windowed.png\n"
                                               "2 resize 1000 700\n"
                                               "3 mouse 258 610\n"
                                               "5 click left 258 610\n"  // Options
                                               "6 release left\n"
                                               "8 screenshot options.png\n"
                                               "9 mouse 960 918\n"  // back
                                               "11 click left 960 918\n"
                                               "12 release left\n"
                                               "13 mouse 258 435\n"  // Play
                                               "15 click left 258 435\n"
                                               "16 release left\n"
                                               "20 screenshot game.png\n"
                                               "21 quit\n";
    const GameRun run = RunGame({"--windowed", "--script", (folder / "window.script").string()}, folder);
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(LoadScreenshot(folder / "windowed.png").getSize(), sf::Vector2u(1280, 720))
        << "two thirds of the canvas on a 1920 x 1080 display";
    const sf::Image options = LoadScreenshot(folder / "options.png");
    ASSERT_EQ(options.getSize(), sf::Vector2u(1000, 700));
    const Letterbox box = FitLetterbox({1000, 700});
    ASSERT_GT(box.shown.top, 0);
    const sf::Image game = LoadScreenshot(folder / "game.png");
    for (const sf::Vector2u bar : {sf::Vector2u(500, 5), sf::Vector2u(20, 695)}) {
        EXPECT_EQ(options.getPixel(bar.x, bar.y), sf::Color::Black) << "the bars are black";
        EXPECT_EQ(game.getPixel(bar.x, bar.y), sf::Color::Black) << "in play too, under the sky's own colour";
    }
    EXPECT_NE(game.getPixel(500, 350), sf::Color::Black);
    const sf::Image bar = Menu("SoundBar.png");
    EXPECT_GT(MatchLetterboxed(options, bar, CentredAt(bar, {960, 433}), box), 0.8) << "the options screen";
}

// The report without what was measured on the machine (times, memory).
std::string WithoutTiming(std::string report)
{
    const size_t at = report.find(", \"measured\"");
    return at == std::string::npos ? report : report.substr(0, at);
}

// A play recorded on the clock's own time, played back as fast as the
// machine draws, ends in the same place with the same picture. Every frame
// is drawn, as for a player (the frame limit waits in the drawing), in a
// window, which draws faster than the whole display.
TEST(Replay, ARecordedPlayPlaysBackToTheSameEnd)
{
    REQUIRE_DISPLAY();
    const auto folder = TestFolder();
    const GameRun played = RunAsPlayed({"--seed", "7", "--script", ScriptPath("replay_play.script"), "--record",
                                        "replay.script", "--report", "played.json", "--screenshot", "played.png",
                                        "--windowed"},
                                       folder);
    ASSERT_EQ(played.status, 0) << played.err;
    const std::string replay = ReadWhole(folder / "replay.script");
    EXPECT_NE(replay.find("\n0 seed 7\n"), std::string::npos);
    EXPECT_NE(replay.find("\n920 quit\n"), std::string::npos);
    std::set<std::string> times;
    std::istringstream lines(replay);
    for (std::string line; std::getline(lines, line);)
        if (line.find(" dt ") != std::string::npos)
            times.insert(line.substr(line.find(" dt ")));
    EXPECT_GT(times.size(), 1u) << "each frame's own time is written";

    const GameRun again = RunAsPlayed({"--script", "replay.script", "--report", "again.json", "--screenshot",
                                       "again.png", "--windowed"},
                                      folder);
    ASSERT_EQ(again.status, 0) << again.err;
    const std::string report = ReadWhole(folder / "played.json");
    EXPECT_EQ(ReportText(report, "mode"), "game");
    EXPECT_GT(ReportNumber(report, "x"), 700.0) << "the creature walked: the replay has something to repeat";
    EXPECT_EQ(WithoutTiming(ReadWhole(folder / "again.json")), WithoutTiming(report));
    const sf::Image first = LoadScreenshot(folder / "played.png");
    const sf::Image second = LoadScreenshot(folder / "again.png");
    ASSERT_EQ(first.getSize(), second.getSize());
    EXPECT_TRUE(std::equal(first.getPixelsPtr(), first.getPixelsPtr() + first.getSize().x * first.getSize().y * 4,
                           second.getPixelsPtr()))
        << "the same last picture";
}

}  // namespace
