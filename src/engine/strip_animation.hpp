#pragma once
// The strip animation held by value by bombs, enemies, shots, effects, the
// boss, the hub's decor and the loading screen. Frame f shows while
// frameTime × f < timer ≤ frameTime × (f + 1); each owner decides what
// happens past the last frame.
#include <SFML/Graphics/Rect.hpp>
#include <SFML/Graphics/Sprite.hpp>

struct StripAnimation {
    int frameCount = 0;
    int row = 0;
    int loopStart = 0;
    float frameTime = 0.f;
    float timer = 0.f;
    int looping = 0;
    sf::IntRect frameRect{};  // the first cell; width and height are the cell size
};

// The frame the timer falls in, or -1 before the first and past the last.
int StripFrame(const StripAnimation& strip);
// Sets the sprite's rectangle to that frame (nothing outside the strip).
void ShowStripFrame(const StripAnimation& strip, sf::Sprite& sprite);
