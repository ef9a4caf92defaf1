// A level that fights back: the sword's combo kills a tank and a rat with
// its skeleton rats while they hurt the player (the HUD shows it), then
// the player dies, the death screen counts the kills and its button leads
// to the hub with full health. Run with the hitbox overlay: enemies are outlined
// orange, so what is alive in the view can be counted.
#include "e2e_support.hpp"

#include <sstream>
#include <unistd.h>

namespace {

const sf::Color kEnemyOutline{255, 140, 0};
const sf::Color kHealthRed{197, 0, 12};

long CountColour(const sf::Image& shot, sf::Color colour)
{
    long n = 0;
    for (unsigned y = 0; y < shot.getSize().y; y++)
        for (unsigned x = 0; x < shot.getSize().x; x++)
            n += shot.getPixel(x, y) == colour;
    return n;
}

// The health bar in the screen's top-left corner: its length in the row
// that shows most of it (above its numbers, wherever the shake put it),
// and the white segment of health just lost right after it.
struct HealthBar {
    int length = 0;
    int lost = 0;
};

HealthBar ReadHealthBar(const sf::Image& shot)
{
    HealthBar bar;
    int bestRow = 0, lastRed = 0;
    for (unsigned y = 60; y < 130; y++) {
        int red = 0, last = 0;
        for (unsigned x = 0; x < 700; x++)
            if (shot.getPixel(x, y) == kHealthRed) {
                red++;
                last = static_cast<int>(x);
            }
        if (red > bar.length) {
            bar.length = red;
            bestRow = static_cast<int>(y);
            lastRed = last;
        }
    }
    for (int x = lastRed + 1; x < 700 && shot.getPixel(x, bestRow) == sf::Color::White; x++)
        bar.lost++;
    return bar;
}

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

struct EnemiesFight : ::testing::Test {
    static inline std::filesystem::path folder;
    static inline GameRun run;
    static void SetUpTestSuite()
    {
        if (!HaveDisplay())
            return;
        folder = SuiteFolder("EnemiesFight");
        ::setenv("TIDEWRACK_DEBUG_HITBOXES", "1", 1);
        run = RunGame({"--seed", "1", "--script", ScriptPath("enemies_fight.script"), "--frames", "6001",
                       "--draw-every", "200", "--report", (folder / "report.json").string()},
                      folder);
    }
    static void TearDownTestSuite() { RemoveSuiteFolderIfPassed(folder); }
    sf::Image Shot(const std::string& name) { return LoadScreenshot(folder / (name + ".png")); }
};

TEST_F(EnemiesFight, TheComboKillsEnemiesThatHurtThePlayerAndTheHudShowsEachHit)
{
    REQUIRE_DISPLAY();
    ASSERT_EQ(run.status, 0) << run.err;
    const sf::Image tankStart = Shot("fight_tank_start"), tankEnd = Shot("fight_tank_end");
    const sf::Image ratStart = Shot("fight_rat_start"), ratEnd = Shot("fight_rat_end");
    EXPECT_GT(CountColour(tankStart, kEnemyOutline), 1000) << "the tank stands in view";
    EXPECT_EQ(CountColour(tankEnd, kEnemyOutline), 0) << "the tank is dead";
    EXPECT_GT(CountColour(ratStart, kEnemyOutline), 1000) << "the rat stands in view";
    EXPECT_EQ(CountColour(ratEnd, kEnemyOutline), 0) << "the rat and its skeletons are dead";
    EXPECT_EQ(ReadHealthBar(tankStart).length, 332);
    EXPECT_LT(ReadHealthBar(tankEnd).length, 332) << "the tank hurt the player";
    EXPECT_LT(ReadHealthBar(ratEnd).length, ReadHealthBar(ratStart).length) << "bones and smoke hurt the player";

    // The tank's first charge: the bar loses a fifth, the white segment
    // shows it for half a second, the screen flashes and clears.
    std::string hit, before;
    for (int frame = 2712; frame < 2740 && hit.empty(); frame += 3) {
        const std::string name = "hud_" + std::to_string(frame);
        (ReadHealthBar(Shot(name)).length < 332 ? hit : before) = name;
    }
    ASSERT_FALSE(hit.empty()) << "no hit between frames 2712 and 2739";
    ASSERT_FALSE(before.empty());
    const sf::Image atHit = Shot(hit), unhurt = Shot(before), later = Shot("hud_later");
    const HealthBar bar = ReadHealthBar(atHit);
    EXPECT_NEAR(bar.length, 266, 2) << "80 of 100";
    EXPECT_NEAR(bar.lost, 66, 2) << "the 20 just lost";
    EXPECT_NE(atHit.getPixel(1800, 20), unhurt.getPixel(1800, 20)) << "the overlay flashes";
    EXPECT_EQ(ReadHealthBar(later).length, bar.length);
    EXPECT_EQ(ReadHealthBar(later).lost, 0);
    EXPECT_EQ(later.getPixel(1800, 20), unhurt.getPixel(1800, 20)) << "the flash has faded";
}

TEST_F(EnemiesFight, DeathShowsTheKillsAndItsButtonLeadsOnWithFullHealth)
{
    REQUIRE_DISPLAY();
    ASSERT_EQ(run.status, 0) << run.err;
    const sf::Image panel = LoadAsset(std::string(TIDEWRACK_ASSETS) + "/Sprites/Menu/Pannel.png");
    const sf::Image death = Shot("death"), after = Shot("after_death");
    EXPECT_GT(MatchPicture(death, panel, {0, 0}), 0.6) << "the death screen's panel";
    // The kill icons stand on the board's left half, over the panel.
    long icons = 0;
    for (unsigned y = 250; y < 560; y++)
        for (unsigned x = 400; x < 900; x++)
            icons += death.getPixel(x, y) != panel.getPixel(x, y);
    EXPECT_GT(icons, 20000) << "the kills are shown";
    EXPECT_EQ(ReadHealthBar(death).length, 0) << "no HUD on the death screen";
    EXPECT_LT(MatchPicture(after, panel, {0, 0}), 0.3) << "the panel is gone";
    const std::string report = ReadWhole(folder / "report.json");
    EXPECT_EQ(ReportText(report, "scene"), "hub");
    EXPECT_EQ(ReportNumber(report, "health"), 100.0) << "full health";
    EXPECT_LT(LastPrintedX(run.out), 1000.0) << "at the hub's arrival point, on its left";
}

}  // namespace
