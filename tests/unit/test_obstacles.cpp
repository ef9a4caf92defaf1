#include "game_test.hpp"
#include "world/level.hpp"
#include "app/loading.hpp"

#include <gtest/gtest.h>
#include <memory>

namespace {

constexpr float kFrame = 1.f / 60.f;

struct ObstacleTest : GameTest {
    Level& level = game->level;
    Player& player = game->player;

    void SetUp() override
    {
        GameTest::SetUp();
        InitPlayer(*game);
        InitLevel(level, *game);
        ResetLevel(level);
        level.returnToHub = 0;
        player.cinematicState = 0;
        player.slamming = 0;
        player.velocityY = 0.f;
    }
    Obstacle& AddBox(int type, sf::FloatRect hitbox)
    {
        Obstacle& element = level.obstacles.emplace_back();
        element.type = type;
        element.hitbox = hitbox;
        level.obstacleCount = static_cast<int>(level.obstacles.size());
        return element;
    }
    void Place(float x, float y) { player.hitbox.setPosition(x, y); }
    sf::Vector2f At() const { return player.hitbox.getPosition(); }
    float Height() const { return player.hitbox.getGlobalBounds().height; }
    void Update() { UpdateLevelElements(*game, kFrame); }
};

TEST_F(ObstacleTest, PlatformsHoldFromAboveAndLetThePlayerThroughGoingUp)
{
    AddBox(OBS_LEDGE, {1000.f, 500.f, 300.f, 20.f});
    Place(1100.f, 500.f - Height() + 10.f);
    player.velocityY = -300.f;  // jumping up through it
    Update();
    EXPECT_EQ(At(), sf::Vector2f(1100.f, 500.f - Height() + 10.f));
    EXPECT_EQ(player.onGround, 0);

    player.velocityY = 300.f;  // falling onto it
    Update();
    EXPECT_EQ(At(), sf::Vector2f(1100.f, 500.f - Height()));
    EXPECT_EQ(player.onGround, 1);
    EXPECT_EQ(player.jumpsLeft, 2);
}

TEST_F(ObstacleTest, WallsStopThePlayerFromEverySideWhateverItsSpeed)
{
    AddBox(OBS_WALL, {1000.f, 400.f, 300.f, 300.f});
    player.slamming = 1;
    player.velocityY = -2000.f;
    Place(1100.f, 690.f);  // from below
    Update();
    EXPECT_EQ(At().y, 700.f);
    Place(920.f, 450.f);  // from the left
    Update();
    EXPECT_EQ(At().x, 1000.f - player.hitbox.getGlobalBounds().width);
    Place(1295.f, 450.f);  // from the right
    Update();
    EXPECT_EQ(At().x, 1300.f);
}

TEST_F(ObstacleTest, DoorsChestsAndEmptyHitboxesNeverCollide)
{
    AddDoor(level, *game, {1000.f, 400.f});
    AddReward(level, *game, {1200.f, 0.f});
    AddWall(level, *game, {1000.f, 400.f});  // a step wall: decoration
    for (Obstacle& element : level.obstacles)
        if (element.type != OBS_WALL)
            element.hitbox = element.sprite.getGlobalBounds();
    Place(1100.f, 500.f);
    player.velocityY = 100.f;
    Update();
    EXPECT_EQ(At(), sf::Vector2f(1100.f, 500.f));
    EXPECT_EQ(player.onGround, 0);
}

TEST_F(ObstacleTest, AChestGivesItsRewardOnceThenItsItemFadesAway)
{
    level.rewardKind = REWARD_LIFE;
    AddReward(level, *game, {1200.f, 0.f});
    Obstacle& chest = level.obstacles[0];
    EXPECT_EQ(chest.position, sf::Vector2f(1000.f, 0.f));
    EXPECT_EQ(chest.variant, REWARD_LIFE);
    Place(1100.f, 598.f);
    Hold(sf::Keyboard::F);
    testing::internal::CaptureStdout();
    Update();
    Update();
    EXPECT_EQ(testing::internal::GetCapturedStdout(), "LIFE");
    EXPECT_EQ(player.bonusHealth, 15);
    EXPECT_EQ(game->hud.maxHealth, 115);
    EXPECT_FALSE(chest.hasSprite);
    EXPECT_EQ(chest.taken, 1);

    for (int frame = 0; frame < 200; ++frame) {
        Update();
        UpdateLevelAnimations(*game, kFrame);
    }
    EXPECT_EQ(chest.itemAlpha, 0.f);
    EXPECT_EQ(chest.itemFaded, 1);
    EXPECT_GT(chest.itemSprite.getPosition().y, 400.f);  // it sank while fading
    EXPECT_EQ(player.bonusHealth, 15);
}

TEST_F(ObstacleTest, TheDoorThatOpenedALevelChoosesItsChest)
{
    level.rewardKind = REWARD_DAMAGE;
    AddReward(level, *game, {1200.f, 0.f});
    EXPECT_EQ(level.obstacles[0].variant, REWARD_DAMAGE);
    level.rewardKind = 0;
    for (int i = 0; i < 20; ++i) {
        AddReward(level, *game, {1200.f, 0.f});
        EXPECT_GE(level.obstacles.back().variant, REWARD_CARD);
        EXPECT_LE(level.obstacles.back().variant, REWARD_COINS);
    }
}

TEST_F(ObstacleTest, ADoorFadesForA125FramesThenBuildsTheNextLevel)
{
    level.levelNumber = 1;
    AddDoor(level, *game, {1000.f, 400.f});
    const int shown = level.obstacles[0].variant;
    Place(1100.f, 598.f);
    Hold(sf::Keyboard::F);
    int frames = 0;
    testing::internal::CaptureStdout();
    while (level.levelNumber == 1 && frames < 400) {
        Update();
        Hold(sf::Keyboard::F, false);
        ++frames;
        if (level.levelNumber == 1) {
            EXPECT_EQ(player.frozen, 1);
            EXPECT_EQ(level.fadeAlpha, 2 * frames);
        }
    }
    testing::internal::GetCapturedStdout();
    EXPECT_EQ(frames, 125);
    EXPECT_EQ(level.fadeAlpha, 0);
    EXPECT_EQ(player.frozen, 0);
    EXPECT_EQ(level.rollBiome, 1);
    EXPECT_EQ(level.rewardKind, shown);
    EXPECT_EQ(At(), sf::Vector2f(100.f, 617.f));
    ASSERT_EQ(game->background.decorAnimations.size(), 1u);  // only the new statue
    EXPECT_EQ(game->background.decorAnimations[0].plane, 2);
}

TEST_F(ObstacleTest, ThePlainDoorsOfTheFourthLevelOpenTheBossArena)
{
    level.levelNumber = 4;
    AddPlainDoor(level, *game, {1000.f, 400.f});
    Place(1100.f, 598.f);
    Hold(sf::Keyboard::F);
    for (int frame = 0; frame < 125; ++frame)
        Update();
    EXPECT_EQ(game->loadingScreen.loadingActive, 1) << "the arena is built behind the loading screen";
    EXPECT_EQ(level.obstacleCount, 0);
    while (game->loadingScreen.loadingActive == 1)
        UpdateLoading(*game, 1.f / 60.f);
    ASSERT_EQ(level.obstacleCount, 1);
    EXPECT_EQ(level.obstacles[0].type, OBS_BACKGROUND_BOSS);
    EXPECT_EQ(game->hud.bossFight, 1);
    EXPECT_EQ(player.frozen, 0);
}

TEST_F(ObstacleTest, TheTutorialDoorLeadsStraightToTheHub)
{
    BuildTutorialLevel(level, *game);
    const Obstacle& door = level.obstacles.back();
    Place(door.position.x + 100.f, door.position.y + 100.f);
    Hold(sf::Keyboard::F);
    Update();
    EXPECT_EQ(game->hub.inHub, 1);
    EXPECT_EQ(level.obstacleCount, 0);
    EXPECT_EQ(level.returnToHub, 0);
    EXPECT_EQ(player.frozen, 0);
    EXPECT_EQ(At(), sf::Vector2f(kHubArrival.x, kHubArrival.y));
}

TEST_F(ObstacleTest, DebugKeyBOpensTheArena)
{
    AddBox(OBS_LEDGE, {1000.f, 500.f, 300.f, 20.f});
    Hold(sf::Keyboard::B);
    Update();
    ASSERT_EQ(level.obstacleCount, 1);
    EXPECT_EQ(level.obstacles[0].type, OBS_BACKGROUND_BOSS);
    EXPECT_EQ(At(), sf::Vector2f(100.f, 570.f));
}

TEST_F(ObstacleTest, PropellerSubstanceAndGravity)
{
    AddBox(OBS_PROPELLER, {1000.f, 496.f, 291.f, 10.f});
    Place(1100.f, 420.f);
    player.velocityY = -10.f;
    Hold(sf::Keyboard::Z);
    Update();
    EXPECT_EQ(player.climbing, 1);
    EXPECT_EQ(player.moveState, 22);
    EXPECT_EQ(player.climbMinX, 1000.f);
    EXPECT_EQ(player.climbMaxX, 1291.f);
    EXPECT_FLOAT_EQ(player.velocityY, -10.f + 6500.f * kFrame);  // in the air: gravity

    Hold(sf::Keyboard::Z, false);
    player.cinematicState = 33;
    player.substanceFrames = 0;
    const sf::Vector2f substance = player.substanceSprite.getPosition();
    Place(substance.x, substance.y);
    Hold(sf::Keyboard::F);
    Update();
    EXPECT_EQ(player.cinematicState, 0);
    EXPECT_EQ(player.armsSequence, 1);
    EXPECT_EQ(player.currentAnim, ROW_GROW_ARMS);
    // Whatever the player's own update shows meanwhile (the special pose
    // under O), the arms row is back before it steps again.
    Hold(sf::Keyboard::F, false);
    player.currentAnim = ROW_SPECIAL;
    Update();
    EXPECT_EQ(player.currentAnim, ROW_GROW_ARMS);
}

// Walking or dashing past either end of a level stops at the end.
TEST_F(ObstacleTest, TheMapsEndsHoldThePlayerWhereTheCameraStops)
{
    game->camera.maxX = 5000;
    Place(-300.f, 500.f);
    Update();
    EXPECT_FLOAT_EQ(At().x, 0.f);
    Place(4990.f, 500.f);
    Update();
    EXPECT_FLOAT_EQ(At().x + player.hitbox.getGlobalBounds().width, 5000.f);
    Place(2500.f, 500.f);
    Update();
    EXPECT_FLOAT_EQ(At().x, 2500.f) << "inside the level nothing moves it";
    // The arena's pattern moves the level's cursor far past the one screen
    // its camera shows: the screen's edge holds the body.
    ResetLevel(level);
    BuildBossLevel(level, *game);
    ASSERT_GT(level.cursorX, 4000);
    Place(2500.f, 500.f);
    Update();
    EXPECT_FLOAT_EQ(At().x + player.hitbox.getGlobalBounds().width, 1920.f);
}

}  // namespace

namespace {

TEST_F(ObstacleTest, ASlamFallsThroughPlatformsButNotWalls)
{
    AddBox(OBS_LEDGE, {1000.f, 500.f, 300.f, 20.f});
    player.slamming = 1;
    player.velocityY = 300.f;
    Place(1100.f, 500.f - Height() + 10.f);
    Update();
    EXPECT_EQ(At().y, 500.f - Height() + 10.f) << "the platform lets the slam through";
    EXPECT_EQ(player.onGround, 0);
    AddBox(OBS_WALL, {1000.f, 500.f, 300.f, 20.f});
    Update();
    EXPECT_EQ(At().y, 500.f - Height()) << "a wall holds it";
    EXPECT_EQ(player.moveState, STATE_FALL) << "a slam that meets something turns into a dive";
}

// The sword chest raises the damage and shows the notice; the card chest
// only names itself. Each gives once.
TEST_F(ObstacleTest, TheDamageAndCardChestsGiveOnce)
{
    level.rewardKind = REWARD_DAMAGE;
    AddReward(level, *game, {1200.f, 0.f});
    level.rewardKind = REWARD_CARD;
    AddReward(level, *game, {3200.f, 0.f});
    Hold(sf::Keyboard::F);
    testing::internal::CaptureStdout();
    Place(1100.f, 598.f);
    Update();
    Update();
    Place(3100.f, 598.f);
    Update();
    Update();
    EXPECT_EQ(testing::internal::GetCapturedStdout(), "DAMAGECARD");
    EXPECT_FLOAT_EQ(player.damageFactor, 1.2f);
    EXPECT_EQ(player.upgradeFlash, 1);
    EXPECT_EQ(player.bonusHealth, 0);
}

// Held M asks for a new level at every element of the walk; one is built,
// after the walk, whatever the level's length.
TEST_F(ObstacleTest, DebugRebuildsHappenOnceAFrameAfterTheWalk)
{
    level.rollBiome = 1;
    testing::internal::CaptureStdout();
    BuildLevel(level, *game);
    const int built = level.levelNumber;
    ASSERT_GT(level.obstacleCount, 10);
    Hold(sf::Keyboard::M);
    Update();
    Update();
    testing::internal::GetCapturedStdout();
    EXPECT_EQ(level.levelNumber, built + 2) << "one new level a frame";
    EXPECT_EQ(level.pendingSwitch, LEVEL_SWITCH_NONE);
    EXPECT_EQ(game->background.decorAnimations.size(), 1u) << "one statue";
}

// A left dash moves two steps a frame, each longer than half the body:
// taken in parts, it stops at a wall's side instead of sinking so deep that
// the push-out would put the body under the wall.
TEST_F(ObstacleTest, ADashStopsAtAWallFromEitherSide)
{
    AddBox(OBS_LEDGE, {0.f, 760.f, 4000.f, 650.f});
    AddBox(OBS_WALL, {1000.f, 506.f, 231.f, 150.f});
    for (const bool left : {true, false}) {
        const float startX = left ? 1231.f + 30.f : 1000.f - 87.f - 30.f;
        Place(startX, 598.f);
        player.facing = left ? 1 : 0;
        player.dashReady = 1;
        player.moveState = STATE_IDLE;
        Hold(sf::Keyboard::LShift);
        for (int frame = 0; frame < 10; ++frame) {
            UpdatePlayer(kFrame, *game);
            Update();
        }
        Hold(sf::Keyboard::LShift, false);
        const sf::FloatRect body = player.hitbox.getGlobalBounds();
        // Flush with the wall's side (the floor line's snap nudges a standing
        // body a pixel to the right each frame).
        if (left)
            EXPECT_NEAR(body.left, 1231.f, 3.f) << "at the wall's right side";
        else
            EXPECT_NEAR(body.left + body.width, 1000.f, 3.f) << "at the wall's left side";
        EXPECT_LT(body.top + body.height, 761.f) << "still standing on the floor, not under the wall";
        EXPECT_LT(body.top, 506.f + 150.f);
    }
}

}  // namespace
