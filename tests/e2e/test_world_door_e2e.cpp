#include "e2e_support.hpp"


namespace {

// Mean brightness (0..255) over a grid of the screenshot's pixels.
double MeanBrightness(const sf::Image& shot)
{
    double sum = 0.0;
    long count = 0;
    for (unsigned y = 0; y < shot.getSize().y; y += 8)
        for (unsigned x = 0; x < shot.getSize().x; x += 8) {
            const sf::Color c = shot.getPixel(x, y);
            sum += (c.r + c.g + c.b) / 3.0;
            count++;
        }
    return count ? sum / static_cast<double>(count) : 0.0;
}

int DifferingSamples(const sf::Image& a, const sf::Image& b)
{
    int differing = 0;
    for (unsigned y = 0; y < 1080; y += 20)
        for (unsigned x = 0; x < 1920; x += 20)
            differing += a.getPixel(x, y) != b.getPixel(x, y);
    return differing;
}

// A level's door: the screen fades to black over two seconds, the next
// level is built behind the black, and play goes on lit at its start.
TEST(WorldDoorE2E, DoorFadesToBlackAndOpensTheNextLevel)
{
    REQUIRE_DISPLAY();
    const auto folder = TestFolder();
    const GameRun run = RunGame({"--seed", "1", "--script", ScriptPath("world_door.script"), "--frames", "2902",
                                 "--draw-every", "100", "--report", (folder / "report.json").string()},
                                folder);
    ASSERT_EQ(run.status, 0) << run.err;

    const double start = MeanBrightness(LoadScreenshot(folder / "door_start.png"));
    const double middle = MeanBrightness(LoadScreenshot(folder / "door_middle.png"));
    const double late = MeanBrightness(LoadScreenshot(folder / "door_late.png"));
    const double end = MeanBrightness(LoadScreenshot(folder / "door_end.png"));
    ASSERT_GT(start, 40.0) << "the level before the door should be lit";
    EXPECT_LT(middle, 0.75 * start) << "halfway through, the fade has darkened the screen";
    EXPECT_LT(late, 0.3 * start) << "near its end the fade is almost black";
    EXPECT_GT(end, 0.6 * start) << "after the switch the next level is lit again";

    const sf::Image before = LoadScreenshot(folder / "door_start.png");
    const sf::Image next = LoadScreenshot(folder / "door_next_level.png");
    EXPECT_GT(DifferingSamples(before, next), 1500) << "the next level looks like the one left";
    // The player starts the next level at its left end, far from the door.
    const std::string report = ReadWhole(folder / "report.json");
    EXPECT_EQ(ReportText(report, "scene"), "level");
    EXPECT_EQ(ReportNumber(report, "levelNumber"), 2.0) << "the door built the second level";
    EXPECT_LT(ReportNumber(report, "x"), 1000.0);
}

}  // namespace
