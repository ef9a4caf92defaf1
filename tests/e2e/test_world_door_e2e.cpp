#include "e2e_support.hpp"

#include <sstream>

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

// The last position the game printed for the player (x of "x y" lines).
double LastPrintedX(const std::string& out)
{
    std::istringstream lines(out);
    std::string line;
    double last = 1e9;
    while (std::getline(lines, line)) {
        double x = 0.0, y = 0.0;
        if (std::sscanf(line.c_str(), "%lf %lf", &x, &y) == 2)
            last = x;
    }
    return last;
}

// A level's door: the screen fades to black over two seconds, the next
// level is built behind the black, and play goes on lit at its start.
TEST(WorldDoorE2E, DoorFadesToBlackAndOpensTheNextLevel)
{
    REQUIRE_DISPLAY();
    const auto folder = TestFolder();
    const GameRun run = RunGame({"--seed", "1", "--script", ScriptPath("world_door.script"), "--frames", "2502",
                                 "--draw-every", "100"},
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
    EXPECT_LT(LastPrintedX(run.out), 1000.0);
}

}  // namespace
