// The HUD's numbers: bars, the white segment, the overlay, the shake, the
// raised maximum and the boss bar; and one health value for player and HUD.
#include "enemy_test.hpp"
#include "world/level.hpp"

#include <gtest/gtest.h>

namespace {

struct HudTest : EnemyTest {
    float Right(const sf::RectangleShape& bar) const
    {
        return bar.getPosition().x - bar.getOrigin().x + bar.getSize().x;
    }
    float Left(const sf::RectangleShape& bar) const { return bar.getPosition().x - bar.getOrigin().x; }
    void Run(int steps)  // of 1/64 s
    {
        for (int n = 0; n < steps; ++n)
            UpdateHud(hud, 1.f / 64.f, *game);
    }
};

TEST_F(HudTest, AHitOfThirtyOnFullHealthShowsWhatWasLostForHalfASecond)
{
    const float fullRight = Right(hud.healthBar);
    ChangeHealth(hud, player, -30);
    EXPECT_EQ(player.health, 70);
    EXPECT_FLOAT_EQ(hud.healthBar.getSize().x, 232.4f);
    EXPECT_FLOAT_EQ(hud.damageBar.getSize().x, 99.6f);
    EXPECT_FLOAT_EQ(Left(hud.damageBar), Right(hud.healthBar));
    EXPECT_FLOAT_EQ(Right(hud.damageBar), fullRight);
    EXPECT_EQ(hud.healthText.getString(), "70/100");
    EXPECT_EQ(hud.overlayAlpha, 76);
    EXPECT_EQ(hud.shakeIntensity, 0.f);
    Run(31);
    EXPECT_GT(hud.damageBar.getSize().x, 0.f);
    EXPECT_GT(hud.overlayAlpha, 0);
    Run(33);
    EXPECT_EQ(hud.damageBar.getSize().x, 0.f);
    EXPECT_EQ(hud.overlayAlpha, 0);
}

TEST_F(HudTest, AHitBeyondWhatIsLeftStopsAtZeroAndShowsOnlyWhatWasLeft)
{
    player.health = 20;
    ChangeHealth(hud, player, -50);
    EXPECT_EQ(player.health, 0);
    EXPECT_EQ(hud.healthText.getString(), "0/100");
    EXPECT_EQ(hud.healthBar.getSize().x, 0.f);
    EXPECT_FLOAT_EQ(hud.damageBar.getSize().x, 20.f * 3.32f);
    ChangeHealth(hud, player, 500);
    EXPECT_EQ(player.health, 100);
}

TEST_F(HudTest, HalfHealthStartsTheShakeWhichMovesTheBarButNotItsNumbers)
{
    player.health = 61;
    ChangeHealth(hud, player, -10);
    EXPECT_EQ(hud.shakeIntensity, 0.f) << "51 of 100";
    ChangeHealth(hud, player, -1);
    EXPECT_EQ(hud.shakeIntensity, 10.f) << "50 of 100";
    const sf::Vector2f home = hud.healthBack.getPosition() + sf::Vector2f{2.f, 1.f};
    const sf::Vector2f text = hud.healthText.getPosition();
    game->camera.followX = 1;
    bool moved = false;
    for (int n = 0; n < 20; ++n) {
        UpdateHud(hud, 0.1f, *game);
        const sf::Vector2f offset = hud.healthBar.getPosition() - home;
        EXPECT_GE(offset.x, -4.f);
        EXPECT_LE(offset.x, 5.f);
        EXPECT_GE(offset.y, -4.f);
        EXPECT_LE(offset.y, 5.f);
        moved |= offset != sf::Vector2f{};
        EXPECT_EQ(hud.healthText.getPosition(), text);
    }
    EXPECT_TRUE(moved);
    EXPECT_NEAR(hud.shakeIntensity, 8.f, 1e-4);
    game->camera.followX = 0;
    const float intensity = hud.shakeIntensity;
    UpdateHud(hud, 0.1f, *game);
    EXPECT_EQ(hud.shakeIntensity, intensity) << "the bar shakes only while the camera follows";
}

TEST_F(HudTest, BelowAQuarterOfHealthTheOverlayNeverFadesUnder191)
{
    ChangeHealth(hud, player, -80);
    Run(128);
    EXPECT_EQ(hud.overlayAlpha, 191);
    ChangeHealth(hud, player, 10);  // 30 of 100
    Run(64);
    EXPECT_EQ(hud.overlayAlpha, 0);
}

TEST_F(HudTest, RaisingTheMaximumKeepsTheShareAndOneHealthValue)
{
    player.health = 50;
    RaiseMaxHealth(hud, player, 15);
    EXPECT_EQ(hud.maxHealth, 115);
    EXPECT_EQ(player.health, 57);
    EXPECT_EQ(hud.healthText.getString(), "57/115");
    // A change made straight to the player shows on the next frame.
    player.health = 40;
    UpdateHud(hud, kFrame, *game);
    EXPECT_EQ(hud.healthText.getString(), "40/115");
    EXPECT_FLOAT_EQ(hud.healthBar.getSize().x, 40.f * 332.f / 115.f);
    // A maximum below 1 draws an empty bar.
    hud.maxHealth = 0;
    RefreshHealth(hud, player);
    EXPECT_EQ(hud.healthBar.getSize().x, 0.f);
    EXPECT_EQ(hud.healthText.getString(), "0/0");
    ChangeHealth(hud, player, -5);
    EXPECT_EQ(hud.healthBar.getSize().x, 0.f);
    EXPECT_EQ(hud.damageBar.getSize().x, 0.f);
}

TEST_F(HudTest, ManaAndCoinsShowTheirValues)
{
    ChangeMana(hud, -30);
    EXPECT_EQ(hud.mana, 70);
    EXPECT_EQ(hud.manaText.getString(), "70/100");
    EXPECT_FLOAT_EQ(hud.manaBar.getSize().x, 232.4f);
    ChangeMana(hud, -100);
    EXPECT_EQ(hud.mana, 0);
    ChangeCoins(hud, player, 12);
    EXPECT_EQ(player.coins, 12);
    EXPECT_EQ(hud.coinText.getString(), "x 12");
}

TEST_F(HudTest, EverythingFollowsTheViewFromItsCorner)
{
    PlaceHud(hud, {5000.f, -200.f});
    const sf::FloatRect frame = hud.healthBack.getGlobalBounds();
    EXPECT_EQ(frame.left, 5000.f - 960.f + 75.f);
    EXPECT_EQ(frame.top, -200.f - 540.f + 75.f);
    EXPECT_EQ(hud.healthBar.getPosition(), hud.healthBack.getPosition() + sf::Vector2f(2.f, 1.f));
    EXPECT_EQ(hud.manaBack.getPosition().y, hud.healthBack.getPosition().y + frame.height);
    EXPECT_EQ(hud.redOverlay.getPosition(), sf::Vector2f(5000.f, -200.f));
    EXPECT_EQ(hud.purse.getGlobalBounds().left, 5000.f - 960.f + 75.f);
}

TEST_F(HudTest, TheBossBarNeverGoesBelowZeroAndGoesWhenTheArenaIsLeft)
{
    ShowBossBar(hud, 1000, "Gorsh & Quillet");
    EXPECT_EQ(hud.bossFight, 1);
    EXPECT_EQ(hud.bossHealthText.getString(), "1000/1000");
    EXPECT_EQ(hud.bossHealthBar.getSize().x, 664.f);
    ChangeBossHealth(hud, -250, game->boss);
    EXPECT_EQ(hud.bossHealthBar.getSize().x, 498.f);
    EXPECT_EQ(hud.bossDamageBar.getSize().x, 166.f);
    ChangeBossHealth(hud, -5000, game->boss);
    EXPECT_EQ(hud.bossHealth, 0);
    EXPECT_EQ(hud.bossHealthText.getString(), "0/1000");
    // A rebuild (the debug key, or any next level) leaves the arena.
    testing::internal::CaptureStdout();
    game->level.rollBiome = 0;
    BuildLevel(game->level, *game);
    testing::internal::GetCapturedStdout();
    EXPECT_EQ(hud.bossFight, 0);
}

}  // namespace
