// The six spells thrown from the hand over enemies in a level, and the
// deck shown under the mouse. Run with the hitbox overlay: the bomb and
// every area a spell hurts with are outlined pink, enemies orange, so each
// screenshot says which spell is out and whether its enemy still stands.
#include "e2e_support.hpp"

#include <unistd.h>

namespace {

const sf::Color kSpellOutline{255, 105, 180};
const sf::Color kEnemyOutline{255, 140, 0};

bool Pink(const sf::Image& shot, int x, int y)
{
    return x >= 0 && y >= 0 && x < static_cast<int>(shot.getSize().x) && y < static_cast<int>(shot.getSize().y)
        && shot.getPixel(x, y) == kSpellOutline;
}

// Pink outlines `width` wide and `height` high (one off either way); one
// cut by the screen's bottom counts by what shows.
int CountBoxes(const sf::Image& shot, int width, int height)
{
    const int w = static_cast<int>(shot.getSize().x), h = static_cast<int>(shot.getSize().y);
    int boxes = 0;
    for (int y = 0; y < h; y++)
        for (int x = 0; x < w;) {
            if (!Pink(shot, x, y) || Pink(shot, x, y - 1)) {
                x++;
                continue;
            }
            const int left = x;
            while (Pink(shot, x, y))
                x++;
            int bottom = y;
            while (Pink(shot, left, bottom))
                bottom++;
            const int across = x - left, down = bottom - y;
            const bool cut = bottom == h && down < height;
            boxes += std::abs(across - width) <= 1 && (std::abs(down - height) <= 1 || cut);
        }
    return boxes;
}

long CountColour(const sf::Image& shot, sf::Color colour, sf::IntRect area)
{
    long n = 0;
    for (int y = area.top; y < area.top + area.height; y++)
        for (int x = area.left; x < area.left + area.width; x++)
            n += shot.getPixel(static_cast<unsigned>(x), static_cast<unsigned>(y)) == colour;
    return n;
}

struct SpellsFight : ::testing::Test {
    static inline std::filesystem::path folder;
    static inline GameRun run;
    static inline std::string report;
    static void SetUpTestSuite()
    {
        if (!HaveDisplay())
            return;
        folder = SuiteFolder("SpellsFight");
        ::setenv("TIDEWRACK_DEBUG_HITBOXES", "1", 1);
        run = RunGame({"--seed", "1", "--script", ScriptPath("spells_fight.script"), "--frames", "3830",
                       "--draw-every", "200", "--report", (folder / "report.json").string()},
                      folder);
        report = ReadWhole(folder / "report.json");
    }
    static void TearDownTestSuite() { RemoveSuiteFolderIfPassed(folder); }
    sf::Image Shot(const std::string& name) { return LoadScreenshot(folder / (name + ".png")); }
};

TEST_F(SpellsFight, EachSpellIsOutOverItsEnemyWithTheAreaItHurts)
{
    REQUIRE_DISPLAY();
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(CountBoxes(Shot("bomb_landed"), 50, 50), 1) << "the bomb lies on the floor";
    EXPECT_EQ(CountBoxes(Shot("bomb_flying"), 50, 50), 1);
    EXPECT_EQ(CountBoxes(Shot("spell_lightning"), 480, 657), 1);
    EXPECT_EQ(CountBoxes(Shot("spell_sword"), 117, 84), 1);
    EXPECT_EQ(CountBoxes(Shot("spell_anvil"), 420, 300), 1);
    EXPECT_EQ(CountBoxes(Shot("spell_tentacles"), 387, 225), 1);
    EXPECT_EQ(CountBoxes(Shot("spell_cross"), 75, 75), 4) << "four blades, and no box for the cross picture";
    EXPECT_EQ(CountBoxes(Shot("spell_burst"), 321, 258), 0) << "the burst itself hurts nothing";
    EXPECT_EQ(CountBoxes(Shot("spell_imps"), 81, 72), 4);
    // Each is out with an enemy in view: the first tank under the pier,
    // the rat on the next pier, the last pair on the floor.
    for (const char* name : {"spell_lightning", "spell_sword", "spell_anvil", "spell_tentacles", "spell_cross",
                             "spell_imps"})
        EXPECT_GT(CountColour(Shot(name), kEnemyOutline, {0, 0, 1920, 1080}), 500) << name;
}

TEST_F(SpellsFight, TheSpellsKillAndTheDeckCountsWhatWasPlayed)
{
    REQUIRE_DISPLAY();
    ASSERT_EQ(run.status, 0) << run.err;
    // The first tank stood under the player: the four spells on it end it.
    const sf::IntRect underPier{700, 650, 700, 250};
    EXPECT_GT(CountColour(Shot("spell_lightning"), kEnemyOutline, underPier), 500);
    EXPECT_EQ(CountColour(Shot("first_tank_dead"), kEnemyOutline, underPier), 0);
    EXPECT_EQ(ReportText(report, "scene"), "level");
    EXPECT_EQ(ReportNumber(report, "spentCards"), 6.0);
    EXPECT_EQ(ReportNumber(report, "mana"), 40.0) << "ten a throw";
    EXPECT_NE(report.find("\"hand\": ["), std::string::npos);
}

// The reserve fans out above the hand while the mouse rests on the deck
// icon, and goes when it leaves.
TEST_F(SpellsFight, TheDeckShowsUnderTheMouse)
{
    REQUIRE_DISPLAY();
    ASSERT_EQ(run.status, 0) << run.err;
    const sf::Image shown = Shot("deck_shown"), hidden = Shot("deck_hidden");
    const sf::IntRect reserve{200, 639, 700, 200};
    long differing = 0;
    for (int y = reserve.top; y < reserve.top + reserve.height; y++)
        for (int x = reserve.left; x < reserve.left + reserve.width; x++)
            differing += shown.getPixel(x, y) != hidden.getPixel(x, y);
    EXPECT_GT(differing, 40000) << "the reserve's cards cover that strip only while shown";
    // The hand is drawn either way.
    const sf::IntRect hand{50, 860, 440, 200};
    long same = 0;
    for (int y = hand.top; y < hand.top + hand.height; y++)
        for (int x = hand.left; x < hand.left + hand.width; x++)
            same += shown.getPixel(x, y) == hidden.getPixel(x, y);
    EXPECT_GT(same, hand.width * hand.height * 9 / 10);
}

}  // namespace
