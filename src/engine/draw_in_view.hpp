#pragma once
// Drawing only what the view shows. A picture wholly outside the target's
// view would cost a draw call, its vertices and its clipping for no pixel;
// lists of enemies, coins, level elements and decor skip those.
#include <SFML/Graphics/RenderTarget.hpp>
#include <SFML/Graphics/Sprite.hpp>
#include <SFML/Graphics/Text.hpp>

// The world rectangle the target's view shows (its rotation ignored: the
// game's views never turn).
sf::FloatRect ViewArea(const sf::RenderTarget& target);
// True when `bounds` (world coordinates) overlaps `area`, edges touching included.
bool Overlaps(const sf::FloatRect& area, const sf::FloatRect& bounds);
void DrawInView(sf::RenderTarget& target, const sf::FloatRect& area, const sf::Sprite& sprite);
void DrawInView(sf::RenderTarget& target, const sf::FloatRect& area, const sf::Text& text);
