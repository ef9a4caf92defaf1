// The real game built with AddressSanitizer and UndefinedBehaviorSanitizer,
// through the busiest runs there are: a level fought through to a death and
// the hub, the whole loop from the menu to the boss beaten and back, and
// every menu and pause screen. Any report, a leak included, fails the run.
#include "e2e_support.hpp"

namespace {

TEST(Sanitized, AFightToTheDeathAndOnIsClean)
{
    REQUIRE_DISPLAY();
    REQUIRE_SANITIZED_GAME();
    const auto folder = TestFolder();
    const GameRun run = RunSanitizedGame(
        {"--seed", "1", "--script", ScriptPath("enemies_fight.script"), "--frames", "6001", "--draw-every", "50"},
        folder);
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_FALSE(SanitizerSpoke(run.err)) << run.err;
}

// Two runs from the hub, a death and a win between them, and Quit: nothing
// on standard error but SFML's word that the virtual display has no
// vertical sync.
TEST(Sanitized, TheWholeLoopIsCleanAndSaysNothing)
{
    REQUIRE_DISPLAY();
    REQUIRE_SANITIZED_GAME();
    const auto folder = TestFolder();
    const GameRun run = RunSanitizedGame(
        {"--seed", "1", "--script", ScriptPath("loop.script"), "--frames", "12000", "--draw-every", "100"}, folder);
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_FALSE(SanitizerSpoke(run.err)) << run.err;
    std::string said = run.err;
    const std::string vsync = "Setting vertical sync not supported\n";
    for (std::size_t at; (at = said.find(vsync)) != std::string::npos;)
        said.erase(at, vsync.size());
    EXPECT_EQ(said, "");
}

TEST(Sanitized, TheMenusAndThePauseAreClean)
{
    REQUIRE_DISPLAY();
    REQUIRE_SANITIZED_GAME();
    const auto folder = TestFolder();
    const GameRun run =
        RunSanitizedGame({"--seed", "1", "--script", ScriptPath("menu_walk.script"), "--draw-every", "8"}, folder);
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_FALSE(SanitizerSpoke(run.err)) << run.err;
}

}  // namespace
