// Shots, coins, food, smoke and damage numbers; and every list staying
// bounded through a long level.
#include "enemy_test.hpp"
#include "world/level.hpp"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>

namespace {

using DropTest = EnemyTest;

TEST_F(DropTest, AnArrowPassingBesideTheBodyMissesAndOneThroughItHits)
{
    // The display sprite reaches 146 px above the body and 270 px left of it.
    player.sprite.setPosition(Body().left - kDisplayOffsetX, Body().top - kDisplayOffsetY);
    AddShot(enemies, {2700.f, Body().top - 40.f}, SHOT_ARROW, 0.f);
    bool crossedTheSprite = false;
    for (int n = 0; n < 60; ++n) {
        crossedTheSprite |= enemies.shots[0].sprite.getGlobalBounds().intersects(player.sprite.getGlobalBounds());
        UpdateShots(enemies, kFrame, *game);
    }
    EXPECT_TRUE(crossedTheSprite);
    EXPECT_EQ(player.health, 100);
    ASSERT_EQ(enemies.shots.size(), 1u);
    AddShot(enemies, {2900.f, Body().top + 80.f}, SHOT_ARROW, 0.f);
    for (int n = 0; n < 30; ++n)
        UpdateShots(enemies, kFrame, *game);
    EXPECT_EQ(player.health, 95);
    EXPECT_EQ(hud.healthText.getString(), "95/100");
    EXPECT_EQ(enemies.shots.size(), 1u);
}

TEST_F(DropTest, ShotsThatCanNeverComeBackAreDropped)
{
    AddShot(enemies, {3500.f, 300.f}, SHOT_ARROW, 0.f);           // flies off to the right
    AddShot(enemies, {3500.f, 900.f}, SHOT_BONE, -1.04719758f);    // arcs up, falls below the world
    AddShot(enemies, {3500.f, 100.f}, SHOT_BIRD, 3.1415927f);      // flies left, over the player's head
    int frames = 0;
    while (!enemies.shots.empty() && frames < 600) {
        UpdateShots(enemies, kFrame, *game);
        ++frames;
    }
    EXPECT_TRUE(enemies.shots.empty());
    EXPECT_GT(frames, 60) << "nothing is dropped while it may still be seen";
}

TEST_F(DropTest, AFlaskBreaksOnlyComingDownAndLeavesSmokeWhereItBroke)
{
    AddBlock({3600.f, 200.f, 300.f, 40.f});
    AddShot(enemies, {3580.f, 260.f}, SHOT_FLASK, -0.785398185f);  // up through the block
    for (int n = 0; n < 8; ++n)
        UpdateShots(enemies, kFrame, *game);
    ASSERT_EQ(enemies.shots.size(), 1u) << "rising through a block it does not break";
    EXPECT_TRUE(enemies.shots[0].sprite.getGlobalBounds().intersects(game->level.obstacles[0].hitbox));
    sf::FloatRect last;
    for (int n = 0; n < 300 && !enemies.shots.empty(); ++n) {
        last = enemies.shots[0].sprite.getGlobalBounds();
        UpdateShots(enemies, kFrame, *game);
    }
    ASSERT_TRUE(enemies.shots.empty());
    ASSERT_EQ(enemies.smokes.size(), 1u);
    EXPECT_EQ(enemies.smokes[0].sprite.getPosition(), sf::Vector2f(last.left - 198.f, last.top - 240.f));
    EXPECT_LT(last.top, 240.f) << "it came down on the block, not on the ground";
}

TEST_F(DropTest, SmokeHurtsOnceAQuarterSecondFromItsFirstSecondSixteenTimesAtMost)
{
    PlaceBody(3000.f, 300.f);
    AddSmoke(enemies, {3050.f, 500.f});
    int frames = 0;
    while (!enemies.smokes.empty() && frames < 1000) {
        UpdateSmokes(enemies, kFrame, *game);
        ++frames;
    }
    EXPECT_EQ(player.health, 100 - 16 * 3);
    EXPECT_GT(frames, 300) << "it lives past its 4.75 s of hits";

    player.health = 100;
    PlaceBody(9000.f, 300.f);
    AddSmoke(enemies, {3050.f, 500.f});
    for (int n = 0; n < 120; ++n)
        UpdateSmokes(enemies, kFrame, *game);  // two seconds away from it
    PlaceBody(3000.f, 300.f);
    UpdateSmokes(enemies, kFrame, *game);
    EXPECT_EQ(player.health, 100 - 5 * 3) << "the hits it owes, all at once";
}

TEST_F(DropTest, CoinsPopBounceOnceAFrameRestThenFlyToThePlayer)
{
    AddCoins(enemies, {5000.f, 400.f});
    ASSERT_EQ(enemies.coins.size(), 4u);
    for (const Coin& coin : enemies.coins) {
        EXPECT_GE(coin.angle, 10.f * 3.1415927f / 180.f - 1e-6f);
        EXPECT_LE(coin.angle, 169.f * 3.1415927f / 180.f + 1e-6f);
    }
    // Two blocks under one coin: landing on both is one bounce.
    enemies.coins.resize(1);
    Coin& coin = enemies.coins[0];
    coin.angle = 3.1415927f / 2.f;
    coin.fallSpeed = 10.f;
    AddBlock({4990.f, 440.f, 30.f, 60.f});
    AddBlock({5010.f, 440.f, 30.f, 60.f});
    UpdateCoins(enemies, kFrame, *game);
    EXPECT_EQ(coin.bounces, 1);
    EXPECT_EQ(coin.fallSpeed, 0.f);
    for (int n = 0; n < 60; ++n)
        UpdateCoins(enemies, kFrame, *game);
    EXPECT_EQ(coin.bounces, 2);
    const sf::Vector2f resting = coin.sprite.getPosition();
    UpdateCoins(enemies, kFrame, *game);
    EXPECT_EQ(coin.sprite.getPosition(), resting);
    // Two seconds old it flies to the player, through the blocks between.
    AddBlock({4000.f, 0.f, 100.f, 1000.f});
    game->hub.potionLevels[POTION_COIN] = 2;
    game->hub.questSelected[QUEST_COINS] = 1;
    for (int n = 0; n < 240 && !enemies.coins.empty(); ++n)
        UpdateCoins(enemies, kFrame, *game);
    EXPECT_TRUE(enemies.coins.empty());
    EXPECT_EQ(player.coins, 7);
    EXPECT_EQ(hud.coinText.getString(), "x 7");
    EXPECT_EQ(game->hub.tallies[TALLY_COINS], 1);
    EXPECT_EQ(game->hub.questCounters[QUEST_COINS], 1);
}

TEST_F(DropTest, FoodHealsInTheAirUpToTheMaximum)
{
    player.health = 90;
    AddFood(enemies, {Body().left, Body().top});
    UpdateFood(enemies, kFrame, *game);
    EXPECT_TRUE(enemies.food.empty());
    EXPECT_EQ(player.health, 100);
    EXPECT_EQ(hud.healthText.getString(), "100/100");
}

TEST_F(DropTest, DamageNumbersOfAnySizeSinkAndFadeForASecond)
{
    AddDamageText(enemies, {100.f, 100.f}, 1234567);
    EXPECT_EQ(enemies.damageTexts[0].text.getString(), "1234567");
    for (int n = 0; n < 32; ++n)
        UpdateDamageTexts(enemies, 1.f / 64.f);
    const sf::Text& number = enemies.damageTexts[0].text;
    EXPECT_EQ(number.getFillColor(), sf::Color(191, 42, 67, 127));
    EXPECT_EQ(number.getOutlineColor().a, 127);
    EXPECT_EQ(number.getPosition(), sf::Vector2f(100.f, 150.f));
    for (int n = 0; n < 32; ++n)
        UpdateDamageTexts(enemies, 1.f / 64.f);
    ASSERT_EQ(enemies.damageTexts.size(), 1u) << "at exactly 0 it is still there, transparent";
    EXPECT_EQ(enemies.damageTexts[0].text.getFillColor().a, 0);
    UpdateDamageTexts(enemies, 1.f / 64.f);
    EXPECT_TRUE(enemies.damageTexts.empty());
}

TEST_F(DropTest, PicturesAndFontsAreReadOnceHoweverManyThingsAreMade)
{
    const auto makeOneOfEach = [this] {
        AddArcher(enemies, {1000.f, 780.f});
        AddTank(enemies, {1000.f, 770.f});
        AddBird(enemies, {1000.f, 300.f});
        AddRat(enemies, {1000.f, 770.f});
        AddSkeletonRat(enemies, {1000.f, 770.f});
        for (int kind : {SHOT_ARROW, SHOT_BIRD, SHOT_FLASK, SHOT_BONE})
            AddShot(enemies, {1000.f, 300.f}, kind, 0.f);
        AddCoins(enemies, {1000.f, 300.f});
        AddFood(enemies, {1000.f, 300.f});
        AddBlood(enemies, {1000.f, 300.f}, 0);
        AddSmoke(enemies, {1000.f, 300.f});
        AddDamageText(enemies, {1000.f, 300.f}, 20);
        AddKillIcon(enemies, ENEMY_ARCHER);
        AddKillIcon(enemies, ENEMY_SKELETON_RAT);
    };
    makeOneOfEach();
    const int loads = assets->loads;
    for (int n = 0; n < 50; ++n)
        makeOneOfEach();
    EXPECT_EQ(assets->loads, loads);
    EXPECT_TRUE(assets->missing.empty());
}

// A whole level of enemies fighting a player who never dies: shots that
// miss, flasks, smoke and summons must not pile up.
TEST_F(DropTest, EveryListStaysBoundedThroughTenThousandFramesOfALevel)
{
    testing::internal::CaptureStdout();
    std::srand(3);
    game->level.rollBiome = 0;
    enemies.resetPending = 1;
    BuildLevel(game->level, *game);
    testing::internal::GetCapturedStdout();
    ASSERT_GT(Count(), 4);
    const int rats = CountKind(ENEMY_RAT);
    std::size_t most[4]{};
    for (int frame = 0; frame < 10000; ++frame) {
        if (frame % 1000 == 0)
            PlaceBody(1500.f + 1700.f * static_cast<float>(frame / 1000), 608.f);
        player.health = 100;
        UpdateEnemies(enemies, kFrame, *game);
        most[0] = std::max(most[0], enemies.shots.size());
        most[1] = std::max(most[1], enemies.smokes.size());
        most[2] = std::max(most[2], enemies.enemies.size());
        most[3] = std::max(most[3], enemies.bloods.size() + enemies.damageTexts.size() + enemies.coins.size());
    }
    EXPECT_EQ(game->deathScreen, 0);
    EXPECT_LT(most[0], 60u);
    EXPECT_LT(most[1], 12u);
    // Each rat summons only while fewer than six stand; its last pair may
    // bring the count past that.
    EXPECT_LE(CountKind(ENEMY_SKELETON_RAT), 5 + 2 * rats);
    EXPECT_LT(most[2], 30u);
    EXPECT_EQ(most[3], 0u) << "nothing was killed";
}

}  // namespace
