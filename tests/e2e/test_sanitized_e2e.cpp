// The real game built with AddressSanitizer and UndefinedBehaviorSanitizer,
// through the busiest runs there are: a level fought through to a death and
// the hub, and every menu and pause screen. Any report, a leak included,
// fails the run.
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
