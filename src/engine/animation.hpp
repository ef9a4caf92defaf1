#pragma once
// Sprite-sheet row animation of the player and the level's elements: frame n
// of a row is the first frame's rectangle shifted right by n widths.
//
// How animated things are held, everywhere in the game: a list element
// (an obstacle, an enemy, a shot, a spell entry, a decor piece...) holds its
// sprite and its animation by value, and its textures come from the one
// file cache, whose textures never move. Nothing keeps a pointer or a
// reference into a growable list, or into its own record, across a change to
// the list: an animation names no sprite, the step is handed the sprite it
// drives. Lists are walked by index, and each subsystem says what happens to
// the walk when an element is removed under it.
#include <SFML/Graphics/RenderTarget.hpp>
#include <SFML/Graphics/Sprite.hpp>

struct Obstacle;

struct Animation {
    sf::IntRect firstFrame{};
    int currentFrame = 0;
    int frameCount = 0;
    int fps = 0;
    float elapsed = 0.f;  // seconds since the last frame change
    // A packed sheet's cells to a texture line (0: the row's frames go on
    // sideways): a row that reaches the line's end goes on at the next line's start.
    int columns = 0;
};

Animation CreateAnimation(int frameCount, int fps, sf::IntRect firstFrame);
void ResetAnimation(Animation& animation);

// The frame clock every step shares: at most one frame per call, the
// surplus kept in `elapsed` for later calls. True when a frame advanced.
bool TickFrameClock(Animation& animation, float dt);
// The clock's second half, for steps that let time run while they hold
// their frame: takes a frame if a whole period has gone by.
bool TakeFrame(Animation& animation);
// Every step ends by showing the current frame on its sprite, changed or not.
void ShowAnimationFrame(const Animation& animation, sf::Sprite& sprite);

// `mode` is part of every step's signature; none of the element steps reads it.
void StepAnimationLoop(Animation& animation, float dt, int mode, sf::Sprite& sprite);
// A chest's opening plays once while `playOpen` is set and stops on its last frame.
void StepAnimationOnce(Animation& animation, float dt, int mode, Obstacle& element);
// A fountain opens, holds its last frame, then re-arms after ten seconds.
void StepRewardAnimation(Animation& animation, float dt, int mode, Obstacle& element);
