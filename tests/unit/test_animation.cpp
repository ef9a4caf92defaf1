#include "engine/animation.hpp"
#include "engine/strip_animation.hpp"
#include "world/obstacles.hpp"

#include <gtest/gtest.h>

namespace {

Animation Row(int frames, int fps)
{
    return CreateAnimation(frames, fps, {0, 50, 100, 50});
}

TEST(AnimationClock, AdvancesAtMostOneFramePerCallAndKeepsTheSurplus)
{
    sf::Sprite sprite;
    Animation row = Row(8, 10);
    StepAnimationLoop(row, 0.25f, 1, sprite);
    EXPECT_EQ(row.currentFrame, 1);
    EXPECT_NEAR(row.elapsed, 0.15f, 1e-5);
    StepAnimationLoop(row, 0.25f, 1, sprite);
    EXPECT_EQ(row.currentFrame, 2);
    EXPECT_NEAR(row.elapsed, 0.3f, 1e-5);
    // The surplus is spent on later calls even when they bring no time.
    StepAnimationLoop(row, 0.f, 1, sprite);
    EXPECT_EQ(row.currentFrame, 3);
    // Exactly one period is not enough: the change needs strictly more.
    Animation exact = Row(8, 4);
    StepAnimationLoop(exact, 0.25f, 1, sprite);
    EXPECT_EQ(exact.currentFrame, 0);
}

TEST(AnimationClock, LoopShowsEveryFrameThenWrapsWithinTheSameCall)
{
    sf::Sprite sprite;
    Animation row = Row(4, 10);
    std::vector<int> shown;
    for (int call = 0; call < 10; call++) {
        StepAnimationLoop(row, 0.065f, 1, sprite);
        shown.push_back(sprite.getTextureRect().left / 100);
    }
    // 0.065 s a call against 0.1 s a frame: each frame shows for one or two
    // calls, and the frame after the last is 0 within the same call.
    EXPECT_EQ(shown, (std::vector<int>{0, 1, 1, 2, 3, 3, 0, 1, 1, 2}));
    EXPECT_EQ(sprite.getTextureRect().top, 50);  // the row stays
    EXPECT_EQ(sprite.getTextureRect().width, 100);
}

TEST(AnimationClock, ZeroFpsNeverAdvances)
{
    sf::Sprite sprite;
    Animation still = Row(4, 0);
    for (int call = 0; call < 5; call++)
        StepAnimationLoop(still, 1.f, 1, sprite);
    EXPECT_EQ(still.currentFrame, 0);
}

TEST(AnimationOnce, PlaysWhileOpeningAndStopsOnTheLastFrame)
{
    Obstacle chest;
    sf::Sprite& sprite = chest.sprite;
    Animation opening = Row(4, 10);
    // Closed: time builds up but nothing moves.
    for (int call = 0; call < 5; call++)
        StepAnimationOnce(opening, 0.1f, 1, chest);
    EXPECT_EQ(opening.currentFrame, 0);
    chest.playOpen = 1;
    StepAnimationOnce(opening, 0.f, 1, chest);  // the built-up time advances at once
    EXPECT_EQ(opening.currentFrame, 1);
    for (int call = 0; call < 10; call++)
        StepAnimationOnce(opening, 0.11f, 1, chest);
    EXPECT_EQ(opening.currentFrame, 3);
    EXPECT_EQ(chest.playOpen, 0);
    EXPECT_EQ(sprite.getTextureRect().left, 300);
}

TEST(AnimationReward, FountainOpensHoldsAndRearms)
{
    Obstacle fountain;
    Animation idle = Row(3, 10);
    StepRewardAnimation(idle, 0.2f, 1, fountain);
    EXPECT_EQ(idle.currentFrame, 0) << "an unarmed fountain stands still";
    fountain.opening = 1;
    for (int call = 0; call < 4; call++)
        StepRewardAnimation(idle, 0.11f, 1, fountain);
    EXPECT_EQ(idle.currentFrame, 2);
    EXPECT_EQ(fountain.opening, 0);
    EXPECT_EQ(fountain.armed, 1);
    EXPECT_GT(fountain.rearmTimer, 9.f);
    // Ten seconds later it is ready again, back on its first frame.
    for (int call = 0; call < 110 && fountain.ready == 0; call++)
        StepRewardAnimation(idle, 0.1f, 1, fountain);
    EXPECT_EQ(fountain.ready, 1);
    EXPECT_EQ(fountain.rearmTimer, 0.f);
}

TEST(StripAnimation, FrameWindowsAreOpenBelowAndClosedAbove)
{
    StripAnimation strip{4, 2, 0, 0.1f, 0.f, 1, {0, 0, 30, 20}};
    EXPECT_EQ(StripFrame(strip), -1);  // before the first frame
    strip.timer = 0.1f;
    EXPECT_EQ(StripFrame(strip), 0);
    strip.timer = 0.35f;
    EXPECT_EQ(StripFrame(strip), 3);
    sf::Sprite sprite;
    ShowStripFrame(strip, sprite);
    EXPECT_EQ(sprite.getTextureRect(), sf::IntRect(90, 40, 30, 20));
    strip.timer = 0.5f;
    EXPECT_EQ(StripFrame(strip), -1);
}

}  // namespace
