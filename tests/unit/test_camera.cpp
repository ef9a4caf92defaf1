#include "app/main_data.hpp"

#include <gtest/gtest.h>
#include <memory>

namespace {

// A camera over a player body of the game's size, moved by hand.
struct CameraTest : ::testing::Test {
    std::unique_ptr<MainData> main = std::make_unique<MainData>();
    Game& game = main->game;
    Camera& camera = game.camera;

    void SetUp() override
    {
        InitCamera(camera, 0);
        SetCameraBounds(camera, 20000, -10000);
        game.player.hitbox.setTextureRect({0, 0, 87, 162});
        PutPlayer(500.f, 700.f);
        camera.lastTarget = game.player.sprite.getPosition();
    }
    // Puts the body's centre at (x, y), the display sprite anchored on it.
    void PutPlayer(float x, float y)
    {
        game.player.hitbox.setPosition(x - 43.5f, y - 81.f);
        game.player.sprite.setPosition(x - 43.5f - 270.f, y - 81.f - 146.f);
    }
    void Update()
    {
        UpdateCamera(camera, 1.f / 60.f, game.player.sprite.getPosition(), game.player.hitbox.getGlobalBounds(),
                     main->window);
    }
    sf::Vector2f Centre() const { return camera.view.getCenter(); }
};

TEST_F(CameraTest, StaysAtTheLeftAndBottomEdgesUntilThePlayerPassesTheMiddle)
{
    Update();
    EXPECT_EQ(Centre(), sf::Vector2f(960.f, 540.f));
    EXPECT_EQ(camera.followX, 0);
    PutPlayer(959.f, 700.f);
    Update();
    EXPECT_EQ(Centre().x, 960.f);
    EXPECT_EQ(main->window.getView().getCenter(), Centre());
}

TEST_F(CameraTest, TrailsBehindTheMotionWithinItsLimitThenCatchesUp)
{
    float x = 1000.f;
    PutPlayer(x, 700.f);
    Update();
    for (int i = 0; i < 40; i++) {
        x += 10.f;
        PutPlayer(x, 700.f);
        Update();
        EXPECT_LE(camera.lagX, 64.f);
    }
    EXPECT_EQ(camera.lagX, 64.f);
    EXPECT_EQ(Centre().x, x - 64.f);

    // Standing still: 5 % less per frame, then nothing below a pixel.
    Update();
    EXPECT_FLOAT_EQ(camera.lagX, 64.f * 0.95f);
    int frames = 1;
    while (camera.lagX != 0.f && frames < 200) {
        EXPECT_GE(camera.lagX, 0.95f);
        Update();
        frames++;
    }
    EXPECT_EQ(frames, 82);  // 64 × 0.95^n first below 1 at n = 82
    EXPECT_EQ(Centre().x, x);
}

TEST_F(CameraTest, ClampsAtTheRightEdgeAndANarrowMapKeepsItsRightEdge)
{
    SetCameraBounds(camera, 5000, -10000);
    PutPlayer(4900.f, 700.f);
    Update();
    EXPECT_EQ(Centre().x, 5000.f - 960.f);
    EXPECT_EQ(camera.followX, 0);

    SetCameraBounds(camera, 1500, -10000);  // narrower than the screen
    ResetCamera(camera);
    PutPlayer(700.f, 700.f);  // both edges hold: the right one wins
    Update();
    EXPECT_EQ(Centre().x, 1500.f - 960.f);
}

TEST_F(CameraTest, FollowsUpwardsButNeverAboveTheTopOrBelowTheGround)
{
    PutPlayer(500.f, -200.f);
    Update();
    EXPECT_EQ(camera.followY, 1);
    EXPECT_EQ(Centre().y, -200.f);

    SetCameraBounds(camera, 20000, -1290);
    PutPlayer(500.f, -2000.f);
    Update();
    EXPECT_EQ(Centre().y, -1290.f + 540.f);
    EXPECT_EQ(camera.followY, 0);

    PutPlayer(500.f, 900.f);
    camera.lastTarget = game.player.sprite.getPosition();
    camera.followY = 1;
    Update();
    EXPECT_EQ(Centre().y, 540.f);
    EXPECT_EQ(camera.followY, 0);
}

}  // namespace

namespace {

// Rising, the view trails below the player by up to 36 px; standing still
// it catches up by 5 % a frame.
TEST_F(CameraTest, TrailsBelowARisingPlayerWithinItsLimit)
{
    float y = 400.f;
    PutPlayer(500.f, y);
    Update();
    ASSERT_EQ(camera.followY, 1);
    for (int i = 0; i < 20; i++) {
        y -= 10.f;
        PutPlayer(500.f, y);
        Update();
        EXPECT_GE(camera.lagY, -36.f);
    }
    EXPECT_EQ(camera.lagY, -36.f);
    EXPECT_EQ(Centre().y, y + 36.f) << "the view lags below";
    Update();
    EXPECT_FLOAT_EQ(camera.lagY, -36.f * 0.95f);
    for (int i = 0; i < 200 && camera.lagY != 0.f; i++)
        Update();
    EXPECT_EQ(camera.lagY, 0.f);
    EXPECT_EQ(Centre().y, y);
}

}  // namespace
