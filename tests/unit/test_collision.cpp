#include "engine/collision.hpp"
#include "player/player.hpp"

#include <gtest/gtest.h>

namespace {

sf::Sprite Body(float left, float top, int width, int height)
{
    sf::Sprite body;
    body.setTextureRect({0, 0, width, height});  // bounds without a texture
    body.setPosition(left, top);
    return body;
}

TEST(Overlap, TouchingEdgesCountAndGapsDoNot)
{
    const sf::FloatRect a{0, 0, 10, 10};
    EXPECT_TRUE(RectsOverlap(a, {10, 0, 5, 5}));   // shares the right edge
    EXPECT_TRUE(RectsOverlap(a, {0, 10, 5, 5}));   // shares the bottom edge
    EXPECT_TRUE(RectsOverlap(a, {-5, -5, 5, 5}));  // shares a corner
    EXPECT_FALSE(RectsOverlap(a, {10.5f, 0, 5, 5}));
    EXPECT_FALSE(RectsOverlap(a, {0, -5.5f, 5, 5}));
    EXPECT_TRUE(RectOverlapsSprite(a, Body(10, 10, 3, 3)));
}

TEST(Overlap, PointTestsIncludeEdges)
{
    sf::RectangleShape shape({20, 10});
    shape.setPosition(100, 50);
    EXPECT_TRUE(PointInShape({100, 50}, shape));
    EXPECT_TRUE(PointInShape({120, 60}, shape));
    EXPECT_FALSE(PointInShape({121, 60}, shape));
    EXPECT_TRUE(PointInSprite({5, 5}, Body(0, 0, 5, 5)));
    EXPECT_FALSE(PointInSprite({6, 0}, Body(0, 0, 5, 5)));
}

TEST(PushOut, TheSmallerOverlapDecidesTheAxis)
{
    const sf::FloatRect wall{100, 0, 100, 1000};
    // Reaching 10 px into a tall wall from the left: pushed back sideways.
    const sf::FloatRect fromLeft{10, 500, 100, 100};
    PushOut push = ComputePushOut(wall, fromLeft, {60, 550}, 150, 0);
    EXPECT_FALSE(push.vertical);
    EXPECT_EQ(push.position, sf::Vector2f(0, 500));
    // The same body on the wall's right side goes to its right edge.
    push = ComputePushOut(wall, {190, 500, 100, 100}, {240, 550}, 150, 0);
    EXPECT_EQ(push.position, sf::Vector2f(200, 500));
}

TEST(PushOut, TiesAndCentredBodiesGoVerticallyUpOnlyWhenStrictlyAbove)
{
    const sf::FloatRect block{0, 0, 100, 100};
    // Equal ratios (a corner overlap of a same-size body) push vertically.
    PushOut push = ComputePushOut(block, {50, 50, 100, 100}, {100, 100}, 50, 50);
    EXPECT_TRUE(push.vertical);
    // Exactly centred: both ratios 0; the body is above only if A's side is strictly greater.
    push = ComputePushOut(block, {0, 0, 100, 100}, {50, 50}, 50, 0);
    EXPECT_TRUE(push.vertical);
    EXPECT_FALSE(push.landed);
    EXPECT_EQ(push.position.y, 100);  // under the block
    push = ComputePushOut(block, {0, -1, 100, 100}, {50, 49}, 50, 0);
    EXPECT_TRUE(push.landed);
    EXPECT_EQ(push.position, sf::Vector2f(0, -100));  // keeps its x
}

TEST(PushOut, EmptyRectanglesDoNotDivideByZero)
{
    PushOut push = ComputePushOut({5, 5, 0, 0}, {5, 5, 0, 0}, {5, 5}, 5, 5);
    EXPECT_TRUE(push.vertical);
}

TEST(PlayerPush, LandingOnAPlatformRestoresTheJumps)
{
    Player player;
    player.hitbox = Body(500, 600, 87, 162);  // feet at 762, 2 px into a floor at 760
    player.velocityY = 900;
    player.jumpsLeft = 0;
    player.airborne = player.diving = player.climbing = 1;
    player.slamming = 0;
    ResolvePlayerAgainstObstacle({0, 760, 2000, 650}, player);
    EXPECT_EQ(player.hitbox.getPosition(), sf::Vector2f(500, 760 - 162));
    EXPECT_EQ(player.onGround, 1);
    EXPECT_EQ(player.velocityY, 1.f);
    EXPECT_EQ(player.jumpsLeft, 2);
    EXPECT_EQ(player.airborne + player.diving + player.climbing, 0);
}

TEST(PlayerPush, WallsPushSidewaysAndSlamsTurnIntoDives)
{
    Player player;
    player.hitbox = Body(950, 300, 87, 162);  // 37 px into a wall's left side
    player.slamming = 1;
    player.onGround = 0;
    player.knockbackY = 300;
    ResolvePlayerAgainstObstacle({1000, 0, 200, 1000}, player);
    EXPECT_EQ(player.hitbox.getPosition(), sf::Vector2f(1000 - 87, 300));
    EXPECT_EQ(player.onGround, 0);
    EXPECT_EQ(player.knockbackY, 0.f);
    EXPECT_EQ(player.moveState, 23);
    EXPECT_EQ(player.diving, 1);
    // Ground found earlier in the frame still counts when nothing overlaps.
    player.onGround = 1;
    player.velocityY = 400;
    ResolvePlayerAgainstObstacle({5000, 0, 10, 10}, player);
    EXPECT_EQ(player.velocityY, 1.f);
}

TEST(SpritePush, TheFramesMotionIsTakenBackBeforeThePush)
{
    sf::Sprite walker = Body(100, 95, 50, 100);  // moved 10 px down into a floor at 190
    const bool landed = ResolveSpriteAgainstRect({0, 190, 1000, 50}, walker, {0, 10});
    EXPECT_TRUE(landed);
    EXPECT_EQ(walker.getPosition(), sf::Vector2f(100, 90));
    sf::Sprite far = Body(0, 0, 10, 10);
    EXPECT_FALSE(ResolveSpriteAgainstRect({500, 500, 10, 10}, far, {0, 0}));
    EXPECT_EQ(far.getPosition(), sf::Vector2f(0, 0));
}

TEST(EnemyPush, SidesComeFromTheLeftAndTopEdgesAndTheResultIsTheAxis)
{
    // A tank's rectangle 30 px into a wall whose left edge is right of the
    // tank's: pushed back left, and the push was not vertical.
    sf::RectangleShape tank({200, 100});
    tank.setPosition(830, 500);
    EXPECT_FALSE(ResolveEnemyAgainstRect({1000, 0, 50, 1000}, tank, tank.getGlobalBounds()));
    EXPECT_EQ(tank.getPosition(), sf::Vector2f(800, 500));
    // A bird's sprite sinking 5 px into a floor: put back on top, vertical.
    sf::Sprite bird = Body(100, 405, 40, 100);
    EXPECT_TRUE(ResolveEnemyAgainstRect({0, 500, 1000, 50}, bird, bird.getGlobalBounds()));
    EXPECT_EQ(bird.getPosition(), sf::Vector2f(100, 400));
    // A wide obstacle starting left of the body: "A lies right of B" is
    // false by the left edges even though its centre is to the right.
    sf::Sprite rat = Body(100, 0, 50, 400);
    ResolveEnemyAgainstRect({90, 100, 300, 100}, rat, rat.getGlobalBounds());
    EXPECT_EQ(rat.getPosition(), sf::Vector2f(390, 0));
    sf::Sprite away = Body(0, 0, 10, 10);
    EXPECT_FALSE(ResolveEnemyAgainstRect({500, 500, 5, 5}, away, away.getGlobalBounds()));
}

}  // namespace

namespace {

// The player's centre is taken 10 px up and left of its true centre (a
// 20 px inset) while the sums use the full size: a body hanging past an
// obstacle's lower right corner ties and goes under it, where its true
// centre would have pushed it out sideways.
TEST(PlayerPush, TheCentreInsetDecidesACloseCorner)
{
    Player player;
    player.hitbox = Body(1120, 596, 87, 162);
    player.slamming = 0;
    ResolvePlayerAgainstObstacle({1000, 500, 200, 200}, player);
    EXPECT_EQ(player.hitbox.getPosition(), sf::Vector2f(1120, 700));
    EXPECT_EQ(player.onGround, 1) << "a bump from below counts as ground";
}

}  // namespace
