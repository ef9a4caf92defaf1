#include "engine/strip_animation.hpp"

int StripFrame(const StripAnimation& strip)
{
    for (int f = 0; f < strip.frameCount; f++)
        if (strip.frameTime * static_cast<float>(f) < strip.timer
            && strip.timer <= strip.frameTime * static_cast<float>(f + 1))
            return f;
    return -1;
}

void ShowStripFrame(const StripAnimation& strip, sf::Sprite& sprite)
{
    const int f = StripFrame(strip);
    if (f < 0)
        return;
    const sf::IntRect& cell = strip.frameRect;
    sprite.setTextureRect({cell.width * f, cell.height * strip.row, cell.width, cell.height});
}
