// The player in the real game: the opening cinematic, the walk to the
// substance, the arms, then a jump and double jump, a dash each way and the
// four swings, read back from the printed positions and the screenshots.
#include "e2e_support.hpp"

#include <cmath>
#include <unistd.h>

namespace {

std::vector<sf::Vector2f> Positions(const std::string& out)
{
    std::vector<sf::Vector2f> positions;
    std::istringstream lines(out);
    std::string line;
    while (std::getline(lines, line)) {
        float x = 0.f, y = 0.f;
        char rest = 0;
        if (std::sscanf(line.c_str(), "%f %f%c", &x, &y, &rest) == 2)
            positions.push_back({x, y});
    }
    return positions;
}

// Pixels of the creature's body colour.
long CreaturePixels(const sf::Image& shot)
{
    long count = 0;
    for (unsigned y = 0; y < shot.getSize().y; y += 2)
        for (unsigned x = 0; x < shot.getSize().x; x += 2) {
            const sf::Color c = shot.getPixel(x, y);
            count += c.r == 226 && c.g == 104 && c.b == 80;
        }
    return count;
}

long DifferentPixels(const sf::Image& a, const sf::Image& b)
{
    long count = 0;
    for (unsigned y = 0; y < a.getSize().y; y += 2)
        for (unsigned x = 0; x < a.getSize().x; x += 2)
            count += a.getPixel(x, y) != b.getPixel(x, y);
    return count;
}

struct PlayerStory : ::testing::Test {
    static inline std::filesystem::path folder;
    static inline GameRun run;
    static void SetUpTestSuite()
    {
        if (!HaveDisplay())
            return;
        folder = SuiteFolder("PlayerStory");
        std::filesystem::create_directories(folder / "shots");
        run = RunGame({"--seed", "1", "--script", ScriptPath("player_story.script"), "--draw-every", "20"}, folder);
    }
    static void TearDownTestSuite() { RemoveSuiteFolderIfPassed(folder); }
    sf::Image Shot(const std::string& name) { return LoadScreenshot(folder / "shots" / (name + ".png")); }
};

TEST_F(PlayerStory, TheCinematicPlaysOnTheShoreThenThePlayerStandsThere)
{
    REQUIRE_DISPLAY();
    ASSERT_EQ(run.status, 0) << run.err;
    std::vector<sf::Image> clips;
    for (int clip = 0; clip < 5; clip++) {
        clips.push_back(Shot("player_cinematic_" + std::to_string(clip)));
        EXPECT_GT(CreaturePixels(clips.back()), 100) << "clip " << clip;
    }
    for (int clip = 1; clip < 5; clip++)
        EXPECT_GT(DifferentPixels(clips[clip - 1], clips[clip]), 500) << "clip " << clip << " moves on";
    EXPECT_GT(CreaturePixels(Shot("player_substance")), 100);
}

TEST_F(PlayerStory, TheWalkCycleMovesFromFrameToFrame)
{
    REQUIRE_DISPLAY();
    const sf::Image a = Shot("player_walk_a"), b = Shot("player_walk_b"), c = Shot("player_walk_c");
    EXPECT_GT(DifferentPixels(a, b), 200);
    EXPECT_GT(DifferentPixels(b, c), 200);
}

// Once the arms have grown, every frame prints the display sprite's place.
TEST_F(PlayerStory, WithArmsThePlayerJumpsTwiceAndDashesBothWays)
{
    REQUIRE_DISPLAY();
    const std::vector<sf::Vector2f> at = Positions(run.out);
    ASSERT_GT(at.size(), 900u) << "the substance was not taken";
    int rises = 0;
    bool rising = false;
    float dashRight = 0.f, dashLeft = 0.f;
    for (std::size_t i = 1; i < at.size(); i++) {
        const sf::Vector2f step = at[i] - at[i - 1];
        if (step.y < -25.f && !rising)
            rises++;
        rising = step.y < -25.f;
        dashRight = std::max(dashRight, step.x);
        dashLeft = std::min(dashLeft, step.x);
    }
    EXPECT_EQ(rises, 2) << "one jump, one double jump";
    EXPECT_NEAR(dashRight, 3200.f / 60.f, 2.f);
    EXPECT_NEAR(dashLeft, -2.f * 3200.f / 60.f, 4.f) << "a left dash takes two steps a frame";
}

TEST_F(PlayerStory, TheFourSwingsEachShowTheirOwnPose)
{
    REQUIRE_DISPLAY();
    std::vector<sf::Image> swings;
    for (int i = 0; i < 4; i++)
        swings.push_back(Shot("player_swing_" + std::to_string(i)));
    for (int i = 1; i < 4; i++)
        EXPECT_GT(DifferentPixels(swings[i - 1], swings[i]), 100) << "swing " << i;
    EXPECT_GT(CreaturePixels(swings[3]), 100);
}

}  // namespace
