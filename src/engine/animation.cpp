#include "engine/animation.hpp"

#include "world/obstacles.hpp"

#include <cstdio>

Animation CreateAnimation(int frameCount, int fps, sf::IntRect firstFrame)
{
    Animation animation{};
    animation.frameCount = frameCount;
    animation.fps = fps;
    animation.firstFrame = firstFrame;
    return animation;
}

void ResetAnimation(Animation& animation)
{
    animation.currentFrame = 0;
}

constexpr float kFountainRearmTime = 10.f;  // seconds before a used fountain works again

static float FramePeriod(const Animation& animation)
{
    return 1.f / static_cast<float>(animation.fps);  // fps 0 gives infinity: the frame never changes
}

bool TakeFrame(Animation& animation)
{
    if (animation.elapsed > FramePeriod(animation)) {
        animation.elapsed -= FramePeriod(animation);
        animation.currentFrame++;
        return true;
    }
    return false;
}

bool TickFrameClock(Animation& animation, float dt)
{
    animation.elapsed += dt;
    return TakeFrame(animation);
}

void ShowAnimationFrame(const Animation& animation, sf::Sprite& sprite)
{
    const sf::IntRect& first = animation.firstFrame;
    if (animation.columns <= 0 || first.width <= 0) {
        sprite.setTextureRect(
            {first.left + animation.currentFrame * first.width, first.top, first.width, first.height});
        return;
    }
    const int cell = first.left / first.width + animation.currentFrame;
    sprite.setTextureRect({cell % animation.columns * first.width, first.top + cell / animation.columns * first.height,
                           first.width, first.height});
}

void StepAnimationLoop(Animation& animation, float dt, int /*mode*/, sf::Sprite& sprite)
{
    TickFrameClock(animation, dt);
    if (animation.currentFrame >= animation.frameCount)
        animation.currentFrame = 0;  // the last frame has had its full period
    ShowAnimationFrame(animation, sprite);
}

void StepAnimationOnce(Animation& animation, float dt, int /*mode*/, Obstacle& element)
{
    // Time gathers while the chest is shut: once it opens, a frame a call
    // until the gathered time is spent.
    animation.elapsed += dt;
    if (element.playOpen == 1)
        TakeFrame(animation);
    if (animation.currentFrame >= animation.frameCount - 1)
        element.playOpen = 0;
    ShowAnimationFrame(animation, element.sprite);
}

void StepRewardAnimation(Animation& animation, float dt, int /*mode*/, Obstacle& element)
{
    const int lastFrame = animation.frameCount - 1;
    animation.elapsed += dt;
    if ((element.armed == 1 || element.opening == 1) && animation.currentFrame != lastFrame)
        TakeFrame(animation);
    if (animation.currentFrame == lastFrame && element.opening == 1 && element.rearmTimer == 0.f) {
        element.rearmTimer = kFountainRearmTime;
        element.opening = 0;
        element.armed = 1;
    }
    if (element.rearmTimer >= 0.f && element.armed == 1) {
        element.rearmTimer -= dt;
        std::printf("%f\n", element.rearmTimer);  // the count-down is shown on standard output
    }
    if (element.rearmTimer < 0.f) {
        element.armed = 1;
        element.rearmTimer = 0.f;
        animation.currentFrame = 0;
        element.ready = 1;
    }
    ShowAnimationFrame(animation, element.sprite);
}
