// The hazards in the real game (tests/scripts/hazard_scenes.script): every
// scene on the way through the loop left by the middle button and played
// again, and losing the keyboard and taken back; a hand played to its last
// card with the mouse on the deck. The run ends in the hub after its second
// run, with nothing said on standard error; the sanitized game plays it
// without a report, leaks included.
#include "e2e_support.hpp"

namespace {

std::string Asset(const std::string& path)
{
    return std::string(TIDEWRACK_ASSETS) + "/" + path;
}

// The share of sampled pixels two screenshots have alike.
double Alike(const sf::Image& a, const sf::Image& b)
{
    long same = 0, all = 0;
    for (unsigned y = 0; y < a.getSize().y; y += 4)
        for (unsigned x = 0; x < a.getSize().x; x += 4, all++)
            same += a.getPixel(x, y) == b.getPixel(x, y);
    return all ? static_cast<double>(same) / static_cast<double>(all) : 0.0;
}

std::vector<std::string> HazardRun(const std::filesystem::path& folder)
{
    return {"--seed", "1", "--script", ScriptPath("hazard_scenes.script"), "--frames", "6500", "--draw-every", "100",
            "--report", (folder / "report.json").string()};
}

TEST(HazardsE2E, EverySceneLeftByTheMiddleButtonOrTheFocusPlaysOn)
{
    REQUIRE_DISPLAY();
    const std::filesystem::path folder = TestFolder();
    const GameRun run = RunGame(HazardRun(folder), folder);
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.err, "Setting vertical sync not supported\n") << "nothing but the display's own line";
    const std::string report = ReadWhole(folder / "report.json");
    EXPECT_EQ(ReportText(report, "mode"), "game");
    EXPECT_EQ(ReportText(report, "scene"), "hub") << "the death screen's button after the menu and the pause";
    EXPECT_EQ(ReportNumber(report, "run"), 2.0) << "the arena left by the menu ended the first run in the hub";
    EXPECT_NE(report.find("\"hand\": [\"spent\", \"spent\", \"spent\"], \"spentCards\": 15"), std::string::npos)
        << report;

    const auto shot = [&](const char* name) { return LoadScreenshot(folder / (std::string(name) + ".png")); };
    const sf::Image loading = shot("hub_loading");
    EXPECT_EQ(loading.getPixel(100, 100), sf::Color::Black) << "still loading after the menu and the pause";
    EXPECT_EQ(loading.getPixel(482, 835), sf::Color::White) << "its bar";
    EXPECT_GT(MatchPicture(shot("seller_again"), LoadAsset(Asset("Sprites/Maps/Hub/LaboShop.png")), {0, 0}), 0.8)
        << "the seller's panel still open after Play and the resume";
    EXPECT_GT(MatchPicture(shot("death_again"), LoadAsset(Asset("Sprites/Menu/Pannel.png")), {0, 0}), 0.6)
        << "the death screen after Play and the resume";
    // Both ways back (the arena left by the menu, the death screen's button)
    // put the player at the hub's arrival point.
    EXPECT_GT(Alike(shot("hub_after_arena"), shot("hub_after_death")), 0.9);
}

TEST(HazardsE2E, TheSanitizedGamePlaysTheSameRunClean)
{
    REQUIRE_DISPLAY();
    REQUIRE_SANITIZED_GAME();
    const std::filesystem::path folder = TestFolder();
    const GameRun run = RunSanitizedGame(HazardRun(folder), folder);
    EXPECT_EQ(run.status, 0);
    EXPECT_FALSE(SanitizerSpoke(run.err)) << run.err;
    EXPECT_EQ(ReportNumber(ReadWhole(folder / "report.json"), "run"), 2.0) << "the same way through the loop";
}

}  // namespace
