#pragma once
// Sprite-sheet row animation of the player and the level's elements: frame n
// of a row is the first frame's rectangle shifted right by n widths.
#include <SFML/Graphics/RenderTarget.hpp>
#include <SFML/Graphics/Sprite.hpp>

struct Obstacle;

struct Animation {
    sf::Sprite* sprite = nullptr;  // driven, not owned
    sf::IntRect firstFrame{};
    int currentFrame = 0;
    int frameCount = 0;
    int fps = 0;
    float elapsed = 0.f;  // seconds since the last frame change
};

Animation CreateAnimation(sf::Sprite* sprite, int frameCount, int fps, sf::IntRect firstFrame);
void DrawAnimation(const Animation& animation, sf::RenderTarget& window);
void ResetAnimation(Animation& animation);

// The frame clock every step shares: at most one frame per call, the
// surplus kept in `elapsed` for later calls. True when a frame advanced.
bool TickFrameClock(Animation& animation, float dt);
// The clock's second half, for steps that let time run while they hold
// their frame: takes a frame if a whole period has gone by.
bool TakeFrame(Animation& animation);
// Every step ends by showing the current frame, changed or not.
void ShowAnimationFrame(Animation& animation);

// `mode` is part of every step's signature; none of the element steps reads it.
void StepAnimationLoop(Animation& animation, float dt, int mode);
// A chest's opening plays once while `playOpen` is set and stops on its last frame.
void StepAnimationOnce(Animation& animation, float dt, int mode, Obstacle& element);
// A fountain opens, holds its last frame, then re-arms after ten seconds.
void StepRewardAnimation(Animation& animation, float dt, int mode, Obstacle& element);
