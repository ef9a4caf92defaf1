#pragma once
// Axis-aligned overlap tests and the one push-out rule: a moving body that
// overlaps a fixed rectangle is snapped flush against the side it overlaps
// least (the axis with the larger centre-distance ratio).
#include <SFML/Graphics/Rect.hpp>
#include <SFML/Graphics/RenderTarget.hpp>
#include <SFML/Graphics/RectangleShape.hpp>
#include <SFML/Graphics/Sprite.hpp>
#include <SFML/Graphics/Transformable.hpp>

struct Player;

bool RectsOverlap(const sf::FloatRect& a, const sf::FloatRect& b);  // touching edges count
bool RectOverlapsSprite(const sf::FloatRect& rect, const sf::Sprite& sprite);
bool PointInShape(sf::Vector2i point, const sf::RectangleShape& shape);  // edges included
bool PointInSprite(sf::Vector2i point, const sf::Sprite& sprite);

struct PushOut {
    bool vertical = false;    // pushed up or down (else sideways)
    bool landed = false;      // pushed up onto the obstacle
    sf::Vector2f position{};  // the body's new top-left
};

// The shared rule, for an A and B already known to overlap. A is the
// obstacle, B the body (already shifted where a variant shifts it); `bCentre` is the centre the ratios use; A lies to the
// right of B when aSideX > B.left, below B when aSideY > B.top.
PushOut ComputePushOut(const sf::FloatRect& a, const sf::FloatRect& b, sf::Vector2f bCentre,
                       float aSideX, float aSideY);

// The player's hitbox against an obstacle: centre inset by 20 px, sides
// decided by the obstacle's centre x and its top; updates the landing fields.
void ResolvePlayerAgainstObstacle(const sf::FloatRect& obstacle, Player& player);

// An enemy's body (a sprite, or a tank's rectangle) against a fixed
// rectangle, sides decided by the two left and the two top edges. True when
// the push was vertical.
bool ResolveEnemyAgainstRect(const sf::FloatRect& fixed, sf::Transformable& body, const sf::FloatRect& bounds);

// A sprite against a fixed rectangle, its motion of this frame taken back
// first (`offset`). True when it was put on top of the rectangle.
bool ResolveSpriteAgainstRect(const sf::FloatRect& fixed, sf::Sprite& moving, sf::Vector2f offset);

// TIDEWRACK_DEBUG_HITBOXES=1 in the environment asks for every hitbox (and
// the swing's reach) to be outlined over the picture.
bool HitboxOverlayWanted();
// The overlay's outline of one box, drawn inside its edges.
inline constexpr float kOverlayOutline = 3.f;
void OutlineBox(sf::RenderTarget& window, const sf::FloatRect& box, sf::Color colour,
                float thickness = kOverlayOutline);
