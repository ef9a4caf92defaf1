// The camera in the real game. The debug outline of the body's box shows
// where the view is: the box's place on screen against the world spot the
// script warped it to gives the view's edge.
#include "e2e_support.hpp"

#include <unistd.h>

namespace {

constexpr int kTutorialWidth = 8466;
constexpr int kBodyWidth = 87;
constexpr int kBodyHeight = 162;
constexpr int kTrailX = 64;
constexpr int kTrailY = 36;

// Top-left of the yellow body outline on screen.
sf::Vector2i BodyOnScreen(const sf::Image& shot)
{
    for (unsigned y = 0; y < shot.getSize().y; y++)
        for (unsigned x = 0; x < shot.getSize().x; x++)
            if (shot.getPixel(x, y) == sf::Color::Yellow)
                return {static_cast<int>(x), static_cast<int>(y)};
    ADD_FAILURE() << "no body outline on screen";
    return {-1, -1};
}

struct PlayerCamera : ::testing::Test {
    static inline std::filesystem::path folder;
    static inline GameRun run;
    static void SetUpTestSuite()
    {
        if (!HaveDisplay())
            return;
        folder = SuiteFolder("PlayerCamera");
        std::filesystem::create_directories(folder / "shots");
        ::setenv("TIDEWRACK_DEBUG_HITBOXES", "1", 1);
        run = RunGame({"--seed", "1", "--script", ScriptPath("player_camera.script"), "--draw-every", "60"}, folder);
    }
    static void TearDownTestSuite() { RemoveSuiteFolderIfPassed(folder); }
    sf::Vector2i Body(const std::string& name)
    {
        return BodyOnScreen(LoadScreenshot(folder / "shots" / ("camera_" + name + ".png")));
    }
};

// Near either end the view stops at the map's edge whatever the player's
// spot; in between it follows, trailing behind a walk.
TEST_F(PlayerCamera, TheViewFollowsAcrossAndStopsAtBothEnds)
{
    REQUIRE_DISPLAY();
    ASSERT_EQ(run.status, 0) << run.err;
    // Landing on the sand nudges the body one pixel right.
    EXPECT_NEAR(Body("left_a").x, 150, 1) << "the view's left edge is x = 0";
    EXPECT_NEAR(Body("left_b").x, 420, 1) << "still at x = 0 with the player further in";
    EXPECT_NEAR(Body("follow").x + kBodyWidth / 2.f, 960 + kTrailX, 2) << "centred on the walker, trailing by 64";
    const int viewLeft = kTutorialWidth - 1920;
    EXPECT_NEAR(7900 - Body("right_a").x, viewLeft, 1) << "the view's right edge is the map's end";
    EXPECT_NEAR(8150 - Body("right_b").x, viewLeft, 1);
}

TEST_F(PlayerCamera, TheViewFollowsUpAndStopsAtTheMapsTop)
{
    REQUIRE_DISPLAY();
    ASSERT_EQ(run.status, 0) << run.err;
    const int middle = 540 - kBodyHeight / 2;
    EXPECT_NEAR(Body("high").y, middle, kTrailY + 4) << "high in the sky the view is on the player";
    // Warped to y = -9900, 100 px under the top of a -10000 map, and two
    // frames of falling: the view's top stays at -10000.
    const int top = Body("top").y;
    EXPECT_GE(top, 100);
    EXPECT_LE(top, 140);
    EXPECT_NEAR(Body("falling").y, middle + kTrailY, 2) << "a fall drags the view's trail to its limit";
}

}  // namespace
