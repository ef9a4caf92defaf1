#include "engine/collision.hpp"

#include "player/player.hpp"

#include <cstdlib>

bool RectsOverlap(const sf::FloatRect& a, const sf::FloatRect& b)
{
    return b.left + b.width >= a.left && a.left + a.width >= b.left
        && b.top + b.height >= a.top && a.top + a.height >= b.top;
}

bool RectOverlapsSprite(const sf::FloatRect& rect, const sf::Sprite& sprite)
{
    return RectsOverlap(rect, sprite.getGlobalBounds());
}

static bool PointInRect(sf::Vector2i point, const sf::FloatRect& rect)
{
    const float x = static_cast<float>(point.x);
    const float y = static_cast<float>(point.y);
    return rect.left <= x && x <= rect.left + rect.width && rect.top <= y && y <= rect.top + rect.height;
}

bool PointInShape(sf::Vector2i point, const sf::RectangleShape& shape)
{
    return PointInRect(point, shape.getGlobalBounds());
}

bool PointInSprite(sf::Vector2i point, const sf::Sprite& sprite)
{
    return PointInRect(point, sprite.getGlobalBounds());
}

// Centre distance over the half extents, in whole percent. Two empty
// rectangles have no extent to compare: treat them as centred.
static int PenetrationRatio(float centreA, float centreB, int half)
{
    if (half == 0)
        return 0;
    return std::abs(static_cast<int>(centreA - centreB)) * 100 / half;
}

PushOut ComputePushOut(const sf::FloatRect& a, const sf::FloatRect& b, sf::Vector2f bCentre,
                       float aSideX, float aSideY)
{
    PushOut result;
    result.position = {b.left, b.top};
    const int halfW = static_cast<int>(a.width / 2.f + b.width / 2.f);
    const int halfH = static_cast<int>(a.height / 2.f + b.height / 2.f);
    const int ratioX = PenetrationRatio(a.left + a.width / 2.f, bCentre.x, halfW);
    const int ratioY = PenetrationRatio(a.top + a.height / 2.f, bCentre.y, halfH);
    if (ratioX > ratioY) {
        result.position.x = aSideX > b.left ? a.left - b.width : a.left + a.width;
    } else {
        result.vertical = true;
        result.landed = aSideY > b.top;
        result.position.y = result.landed ? a.top - b.height : a.top + a.height;
    }
    return result;
}

void ResolvePlayerAgainstObstacle(const sf::FloatRect& obstacle, Player& player)
{
    const sf::FloatRect body = player.hitbox.getGlobalBounds();
    if (RectsOverlap(obstacle, body)) {
        if (player.slamming == 1) {
            player.moveState = STATE_FALL;
            player.diving = 1;
        }
        // The ratios measure from a centre pulled 20 px up and left.
        const sf::Vector2f inset{body.left + (body.width - 20.f) / 2.f, body.top + (body.height - 20.f) / 2.f};
        const PushOut push = ComputePushOut(obstacle, body, inset, obstacle.left + obstacle.width / 2.f, obstacle.top);
        player.onGround = push.vertical ? 1 : 0;  // a bump from below counts as ground too
        player.knockbackY = 0.f;
        player.hitbox.setPosition(push.position);
    }
    if (player.onGround == 1) {
        player.climbing = 0;
        player.airborne = 0;
        player.diving = 0;
        player.velocityY = 1.f;
        player.jumpsLeft = 2;
    }
}

bool ResolveSpriteAgainstRect(const sf::FloatRect& fixed, sf::Sprite& moving, sf::Vector2f offset)
{
    sf::FloatRect body = moving.getGlobalBounds();
    if (!RectsOverlap(fixed, body))
        return false;
    body.left -= offset.x;
    body.top -= offset.y;
    const sf::Vector2f centre{body.left + body.width / 2.f, body.top + body.height / 2.f};
    const PushOut push = ComputePushOut(fixed, body, centre, fixed.left + fixed.width / 2.f,
                                        fixed.top + fixed.height / 2.f);
    moving.setPosition(push.position);
    return push.landed;
}

bool ResolveEnemyAgainstRect(const sf::FloatRect& fixed, sf::Transformable& body, const sf::FloatRect& bounds)
{
    if (!RectsOverlap(fixed, bounds))
        return false;
    const sf::Vector2f centre{bounds.left + bounds.width / 2.f, bounds.top + bounds.height / 2.f};
    const PushOut push = ComputePushOut(fixed, bounds, centre, fixed.left, fixed.top);
    // The body's origin is its top-left, so its position is its bounds' corner.
    body.setPosition(push.position);
    return push.vertical;
}

bool HitboxOverlayWanted()
{
    const char* wanted = std::getenv("TIDEWRACK_DEBUG_HITBOXES");
    return wanted && wanted[0] == '1';
}

void OutlineBox(sf::RenderTarget& window, const sf::FloatRect& box, sf::Color colour, float thickness)
{
    sf::RectangleShape shape({box.width, box.height});
    shape.setPosition(box.left, box.top);
    shape.setFillColor(sf::Color::Transparent);
    shape.setOutlineColor(colour);
    shape.setOutlineThickness(-thickness);
    window.draw(shape);
}
