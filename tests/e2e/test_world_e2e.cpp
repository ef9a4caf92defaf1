#include "e2e_support.hpp"

namespace {

// The tutorial from the cinematic to the substance and its door, a first
// random level crossed for a while, then the debug key B to the arena.
TEST(WorldE2E, TutorialSubstanceDoorLevelAndArena)
{
    REQUIRE_DISPLAY();
    const auto folder = TestFolder();
    const GameRun run = RunGame({"--seed", "1", "--script", ScriptPath("world_tutorial.script"), "--frames", "3405",
                                 "--draw-every", "100"},
                                folder);
    ASSERT_EQ(run.status, 0) << run.err;
    // With arms the player's position is printed every frame: the substance was taken.
    EXPECT_NE(run.out.find("3855.000000"), std::string::npos);

    const sf::Image arena = LoadScreenshot(folder / "world_boss_arena.png");
    sf::Image picture = LoadAsset(std::string(TIDEWRACK_ASSETS) + "/Sprites/BackGround/PaternBoss.png");
    // The hand of cards covers the bottom-left corner in every level.
    for (unsigned y = 600; y < picture.getSize().y; y++)
        for (unsigned x = 0; x < 500; x++)
            picture.setPixel(x, y, sf::Color::Transparent);
    EXPECT_GT(MatchPicture(arena, picture, {0, 0}), 0.9);

    // The first level has its own ground where the tutorial had its cliff.
    const sf::Image door = LoadScreenshot(folder / "world_tutorial_door.png");
    const sf::Image start = LoadScreenshot(folder / "world_level_start.png");
    int differing = 0;
    for (unsigned y = 600; y < 1080; y += 20)
        for (unsigned x = 0; x < 1920; x += 20)
            differing += door.getPixel(x, y) != start.getPixel(x, y);
    EXPECT_GT(differing, 500);
}

}  // namespace
