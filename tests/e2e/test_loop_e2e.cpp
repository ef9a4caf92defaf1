// The whole loop played from the menu (tests/scripts/loop.script): the
// cinematic and its dialogue, the tutorial, the hub and its panels, a run
// that ends in a death, the hub again, a run through four doors to the
// arena, the boss beaten, its win screen and the hub once more, the menu
// and Quit. Checked by the run report at exit and by the
// screenshots of each stage.
#include "e2e_support.hpp"

namespace {

// The virtual display has no vertical sync; SFML says so once. Anything
// else on standard error is the game's and fails the run.
std::string ErrorsBeyondTheDisplay(std::string err)
{
    const std::string vsync = "Setting vertical sync not supported\n";
    for (size_t at = err.find(vsync); at != std::string::npos; at = err.find(vsync))
        err.erase(at, vsync.size());
    return err;
}

long Count(const sf::Image& shot, sf::Color colour, sf::IntRect area)
{
    long n = 0;
    for (int y = area.top; y < area.top + area.height; y++)
        for (int x = area.left; x < area.left + area.width; x++)
            n += shot.getPixel(static_cast<unsigned>(x), static_cast<unsigned>(y)) == colour;
    return n;
}

// Near-white pixels under the HUD: the dialogue's letters (the beach has
// a few glints of its own).
long WhitePixels(const sf::Image& shot)
{
    long n = 0;
    for (unsigned y = 150; y < 1000; y++)
        for (unsigned x = 0; x < 1920; x++) {
            const sf::Color c = shot.getPixel(x, y);
            n += c.r > 230 && c.g > 230 && c.b > 230;
        }
    return n;
}

std::string Asset(const std::string& path)
{
    return std::string(TIDEWRACK_ASSETS) + "/" + path;
}

struct WholeLoop : ::testing::Test {
    static inline std::filesystem::path folder;
    static inline GameRun run;
    static inline std::string report;
    static void SetUpTestSuite()
    {
        if (!HaveDisplay())
            return;
        folder = SuiteFolder("WholeLoop");
        run = RunGame({"--seed", "1", "--script", ScriptPath("loop.script"), "--frames", "12000", "--draw-every",
                       "100", "--report", (folder / "report.json").string()},
                      folder);
        report = ReadWhole(folder / "report.json");
    }
    static void TearDownTestSuite() { RemoveSuiteFolderIfPassed(folder); }
    sf::Image Shot(const std::string& name) { return LoadScreenshot(folder / (name + ".png")); }
};

// The run as a whole, and what the hub kept through it.
TEST_F(WholeLoop, PlaysFromTheMenuToQuitAndTheSecondRunBeatsTheBossWithWhatWasBought)
{
    REQUIRE_DISPLAY();
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(ErrorsBeyondTheDisplay(run.err), "");
    EXPECT_LT(ReportNumber(report, "frames"), 12000.0) << "Quit closed the window";
    EXPECT_EQ(ReportText(report, "mode"), "menu");
    EXPECT_EQ(ReportNumber(report, "filesReadDuringPlay"), 0.0) << "every picture was read at start or behind a loading screen";

    // The second run met the arena after its own four levels (the level
    // count starts again at each run: four doors, then the arena, or goto
    // fails), beat the boss and went back to the hub from its win screen.
    for (const char* place : {"tutorial", "hub", "loading", "level", "door transition", "death screen", "arena",
                              "win screen", "menu"})
        EXPECT_NE(report.find("\"" + std::string(place) + "\""), std::string::npos) << "never reached: " << place;
    EXPECT_EQ(ReportText(report, "scene"), "hub");
    EXPECT_EQ(ReportNumber(report, "run"), 2.0);
    EXPECT_EQ(ReportNumber(report, "levelNumber"), 4.0);
    EXPECT_NE(report.find("\"boss\": {\"fight\": false, \"health\": 0, \"state\": \"off\""), std::string::npos)
        << report;
    EXPECT_NE(report.find("\"potionLevels\": [1, 0, 0, 0]"), std::string::npos) << report;
    EXPECT_EQ(ReportNumber(report, "maxHealth"), 115.0);
    EXPECT_EQ(ReportNumber(report, "health"), 115.0) << "full health back in the hub";
    EXPECT_EQ(ReportNumber(report, "coins"), 602.0) << "12 collected, 10 paid, the boss's 200 of 3";
    EXPECT_EQ(ReportNumber(report, "skin"), 1.0);
    EXPECT_EQ(ReportNumber(report, "chosenSpell"), 0.0);
    EXPECT_NE(report.find("\"selected\": [1, 0, 0]"), std::string::npos) << report;
    EXPECT_NE(report.find("\"counters\": [204, 0, 0]"), std::string::npos) << "every coin for the coin quest: " << report;
    EXPECT_NE(report.find("\"tallies\": [1, 204, 0, 0, 0, 0, 0]"), std::string::npos) << report;
    EXPECT_NE(report.find("\"dialogueShown\": true"), std::string::npos);

    const sf::Image arena = Shot("arena"), picture = LoadAsset(Asset("Sprites/BackGround/PaternBoss.png"));
    EXPECT_GT(MatchPicture(arena, picture, {0, 0}), 0.8);
    EXPECT_EQ(Shot("boss_fight").getPixel(640, 987), sf::Color(197, 0, 12)) << "the boss bar, low, over the fight";
    EXPECT_GT(MatchPicture(Shot("win_screen"), LoadAsset(Asset("Sprites/WinScreen.png")), {0, 0}), 0.9);
    const sf::Image hub = Shot("hub_third");
    EXPECT_NE(hub.getPixel(100, 100), sf::Color::Black) << "the third arrival has no loading screen";
    EXPECT_NE(hub.getPixel(700, 987), sf::Color(197, 0, 12)) << "no boss bar in the hub";
    EXPECT_GT(MatchPicture(Shot("menu"), LoadAsset(Asset("Sprites/Menu/Wallpaper.png")), {0, 0}), 0.5);
}

// Each stage as it was seen: the dialogue typing, completed by a click and
// dismissed; the loading screens; the panels and what was picked on them.
TEST_F(WholeLoop, EveryStageShowsOnTheScreen)
{
    REQUIRE_DISPLAY();
    ASSERT_EQ(run.status, 0) << run.err;
    const long typing = WhitePixels(Shot("dialogue_typing"));
    const long line = WhitePixels(Shot("dialogue_line"));
    const long prompt = WhitePixels(Shot("dialogue_prompt"));
    EXPECT_GT(line, typing + 500) << "the click showed the whole line";
    EXPECT_GT(prompt, line) << "the prompt under it";
    EXPECT_LT(WhitePixels(Shot("dialogue_slime")), typing) << "dismissed";

    // The loading screens: black, a white bar from (480, 810), the runner and the chest.
    for (const char* name : {"hub_loading", "run1_loading", "run2_loading", "arena_loading"}) {
        const sf::Image shot = Shot(name);
        EXPECT_EQ(shot.getPixel(100, 100), sf::Color::Black) << name;
        EXPECT_EQ(shot.getPixel(482, 835), sf::Color::White) << name << ": the bar";
        EXPECT_GT(Count(shot, sf::Color::Black, {0, 0, 1920, 1080}), 1920L * 1080L * 8 / 10) << name;
    }

    const sf::Image shop = LoadAsset(Asset("Sprites/Maps/Hub/LaboShop.png"));
    EXPECT_GT(MatchPicture(Shot("seller_empty_purse"), shop, {0, 0}), 0.8);
    EXPECT_GT(MatchPicture(Shot("seller_bought"), shop, {0, 0}), 0.8);
    const sf::Image potion = LoadAsset(Asset("Sprites/Maps/Hub/LaboPotion.png"));
    EXPECT_GT(MatchPicture(Shot("seller_bought"), potion, {630, 379}), 0.95) << "on the life shelf's first slot";
    EXPECT_LT(MatchPicture(Shot("seller_empty_purse"), potion, {630, 379}), 0.5) << "nothing bought without coins";

    const sf::Image cards = LoadAsset(Asset("Sprites/Maps/Hub/CardsSelectors.png"));
    EXPECT_GT(MatchPicture(Shot("cards_picked"), cards, {567, 182}), 0.9);
    const sf::Image notes = LoadAsset(Asset("Sprites/Maps/Hub/BarQuests.png"));
    EXPECT_GT(MatchPicture(Shot("quests_picked"), notes, {0, 0}), 0.9);
    const sf::Image recap = LoadAsset(Asset("Sprites/Maps/Hub/RecapPannel.png"));
    EXPECT_GT(MatchPicture(Shot("recap_tallies"), recap, {0, 0}), 0.6);
    // The dress room's puff over the creature, gone by the test throw.
    long changed = 0;
    const sf::Image puff = Shot("dress_puff"), later = Shot("test_throw");
    for (unsigned y = 0; y < 1080; y += 4)
        for (unsigned x = 0; x < 1920; x += 4)
            changed += puff.getPixel(x, y) != later.getPixel(x, y);
    EXPECT_GT(changed, 100);
    const sf::Image death = LoadAsset(Asset("Sprites/Menu/Pannel.png"));
    EXPECT_GT(MatchPicture(Shot("death_screen"), death, {0, 0}), 0.6);
}

}  // namespace
