// The roster: kills by every cause, area damage, blood, the dummy, the
// death screen and the melee strike.
#include "enemy_test.hpp"

#include <gtest/gtest.h>

namespace {

struct RosterTest : EnemyTest {
    // A tank, an archer, a rat, an archer and a bird, well apart.
    void Populate()
    {
        AddTank(enemies, {1000.f, 770.f});
        AddArcher(enemies, {2000.f, 780.f});
        AddRat(enemies, {3500.f, 770.f});
        AddArcher(enemies, {5000.f, 780.f});
        AddBird(enemies, {6500.f, 400.f});
    }
    // The player's reach over an entry's box, armed to strike.
    void Reach(const sf::FloatRect& box)
    {
        player.attackShape.setSize({40.f, 40.f});
        player.attackShape.setPosition(box.left + box.width / 2.f, box.top + box.height / 2.f);
        player.hitArmed = 1;
    }
};

TEST_F(RosterTest, AnArcherAndItsArmDieTogetherWhateverKillsThemAndTheOrderHolds)
{
    Populate();
    const std::vector<int> start{ENEMY_TANK, ENEMY_ARCHER, ENEMY_ARCHER_ARM, ENEMY_RAT,
                                 ENEMY_ARCHER, ENEMY_ARCHER_ARM, ENEMY_BIRD};
    ASSERT_EQ(Kinds(), start);

    // The first, by a spell.
    EXPECT_EQ(HurtEnemiesInArea(enemies, EnemyBounds(At(0)), 0, 1000, game->hub), 1);
    EXPECT_EQ(Kinds(), std::vector<int>(start.begin() + 1, start.end()));

    // A middle archer, by the sword on its arm only.
    At(1).sprite.setPosition(200.f, 200.f);  // the arm, away from its body
    At(1).health = 1;
    At(0).health = 20;
    Reach(At(1).sprite.getGlobalBounds());
    EXPECT_EQ(MeleeStrike(enemies, player, hud, game->hub), 1);
    EXPECT_EQ(Kinds(), (std::vector<int>{ENEMY_RAT, ENEMY_ARCHER, ENEMY_ARCHER_ARM, ENEMY_BIRD}));

    // The last archer falls through a hole: its arm goes below first.
    AddHole(enemies, EnemyBounds(At(1)));
    Frames(1);
    EXPECT_EQ(At(1).falling, 1);
    Frames(120);
    EXPECT_EQ(Kinds(), (std::vector<int>{ENEMY_RAT, ENEMY_BIRD}));

    // The last, by name; a name outside the roster does nothing.
    KillEnemy(enemies, 1);
    KillEnemy(enemies, 1);
    KillEnemy(enemies, -1);
    EXPECT_EQ(Kinds(), std::vector<int>{ENEMY_RAT});
    KillEnemy(enemies, 0);
    KillEnemy(enemies, 0);
    EXPECT_TRUE(enemies.enemies.empty());
    // Every death left one icon, arms none, sorted by kind.
    std::vector<int> icons;
    for (const KillIcon& icon : enemies.killIcons)
        icons.push_back(icon.kind);
    EXPECT_EQ(icons, (std::vector<int>{ENEMY_ARCHER, ENEMY_ARCHER, ENEMY_TANK, ENEMY_BIRD, ENEMY_RAT}));
}

TEST_F(RosterTest, AreaDamageTestsTheEnemyThatMovesIntoAKilledOnesPlace)
{
    AddArcher(enemies, {2000.f, 780.f});
    AddRat(enemies, {2100.f, 770.f});
    AddRat(enemies, {2200.f, 770.f});
    At(0).health = 30;
    const sf::FloatRect area{1900.f, 400.f, 800.f, 400.f};
    game->hub.potionLevels[POTION_SPELL] = 1;
    EXPECT_EQ(HurtEnemiesInArea(enemies, area, 4, 30, game->hub), 1);
    ASSERT_EQ(Kinds(), (std::vector<int>{ENEMY_RAT, ENEMY_RAT}));
    // 30 + 10 for the potion, to both rats behind the archer; lightning stuns them.
    EXPECT_EQ(At(0).health, 60);
    EXPECT_EQ(At(1).health, 60);
    EXPECT_EQ(At(0).stunned, 1);
    EXPECT_EQ(game->hub.tallies[TALLY_ARCHERS], 1);
    EXPECT_EQ(enemies.damageTexts.size(), 3u);
    EXPECT_EQ(enemies.coins.size(), 4u);
    EXPECT_EQ(enemies.food.size(), 1u);
    EXPECT_EQ(HurtEnemiesInArea(enemies, {0.f, 0.f, 10.f, 10.f}, 0, 30, game->hub), 0);
}

TEST_F(RosterTest, BloodFollowsItsOwnEnemyWhenAnEarlierOneDiesAndGoesWithIt)
{
    AddArcher(enemies, {1000.f, 780.f});
    AddRat(enemies, {2000.f, 770.f});
    AddRat(enemies, {2500.f, 770.f});
    AddBlood(enemies, {0.f, 0.f}, 0);
    AddBlood(enemies, {0.f, 0.f}, 2);
    AddBlood(enemies, {0.f, 0.f}, 3);
    KillEnemy(enemies, 0);  // the archer: two entries
    ASSERT_EQ(enemies.bloods.size(), 2u);
    EXPECT_EQ(enemies.bloods[0].enemyIndex, 0);
    EXPECT_EQ(enemies.bloods[1].enemyIndex, 1);
    At(1).sprite.setPosition(2600.f, 300.f);
    UpdateBloods(enemies, kFrame);
    const sf::FloatRect rat = At(1).sprite.getGlobalBounds();
    EXPECT_EQ(enemies.bloods[1].sprite.getPosition(),
              sf::Vector2f(rat.left + rat.width / 2.f, rat.top + rat.height / 2.f) + enemies.bloods[1].offset);
    KillEnemy(enemies, 1);
    EXPECT_EQ(enemies.bloods.size(), 1u);
}

TEST_F(RosterTest, WhileTheDummyStandsOnlyItIsHurtAndItNeverDies)
{
    AddRat(enemies, {3000.f, 770.f});
    AddDummy(enemies, {3000.f, 610.f});
    const sf::FloatRect both = At(1).sprite.getGlobalBounds();
    EXPECT_EQ(HurtEnemiesInArea(enemies, both, 0, 5000, game->hub), 1);
    EXPECT_EQ(At(0).health, 100);
    EXPECT_EQ(At(1).health, 1569325056 - 5000);
    EXPECT_EQ(At(1).anim.timer, 0.f);
    EXPECT_TRUE(enemies.bloods.empty());
    Reach(both);
    EXPECT_EQ(MeleeStrike(enemies, player, hud, game->hub), 1);
    EXPECT_EQ(At(0).health, 100);
    EXPECT_EQ(Count(), 2);
    KillEnemy(enemies, 1);
    EXPECT_TRUE(enemies.killIcons.empty());
    EXPECT_TRUE(enemies.coins.empty());
}

TEST_F(RosterTest, TheSwordStrikesOnceAnArmingWithItsDamageAndGivesMana)
{
    AddRat(enemies, {3000.f, 770.f});
    player.damageFactor = 1.2f;
    game->hub.potionLevels[POTION_MELEE] = 1;
    ChangeMana(hud, -50);
    Reach(At(0).sprite.getGlobalBounds());
    player.hitArmed = 0;
    EXPECT_EQ(MeleeStrike(enemies, player, hud, game->hub), 0);
    player.hitArmed = 1;
    EXPECT_EQ(MeleeStrike(enemies, player, hud, game->hub), 1);
    EXPECT_EQ(At(0).health, 100 - 44);
    EXPECT_EQ(At(0).flashTimer, 0.5f);
    EXPECT_EQ(player.hitArmed, 0);
    EXPECT_EQ(hud.mana, 57);  // 50, its whole part after 2.5 more, then 5
    EXPECT_EQ(enemies.bloods.size(), 1u);
    EXPECT_EQ(enemies.damageTexts[0].text.getString(), "44");
    player.hitArmed = 1;
    hud.mana = 99;
    MeleeStrike(enemies, player, hud, game->hub);
    EXPECT_EQ(hud.mana, 100);
    player.hitArmed = 1;
    MeleeStrike(enemies, player, hud, game->hub);
    EXPECT_TRUE(enemies.enemies.empty());
    EXPECT_EQ(game->hub.tallies[TALLY_RATS], 0) << "sword kills are not the spells' tally";
}

TEST_F(RosterTest, GravityIsPerFrameAndEachKindStopsOnItsGroundLine)
{
    AddRat(enemies, {3000.f, 300.f});
    AddArcher(enemies, {5000.f, 300.f});
    Frames(3, 0.f);
    EXPECT_EQ(At(0).sprite.getPosition().y, 300.f - 165.f) << "no time, no motion";
    EXPECT_FLOAT_EQ(At(0).velocityY, 3 * 9.8f);
    Frames(400);
    const sf::FloatRect rat = At(0).sprite.getGlobalBounds();
    const sf::FloatRect archer = At(1).sprite.getGlobalBounds();
    EXPECT_GT(rat.top + rat.height, 770.f);
    EXPECT_LT(rat.top + rat.height, 790.f);
    EXPECT_GT(archer.top + archer.height, 780.f);
    EXPECT_LT(archer.top + archer.height, 800.f);
    // A block under a rat holds it on its top.
    ResetEnemies(enemies);
    AddBlock({2900.f, 500.f, 600.f, 50.f});
    AddRat(enemies, {3000.f, 300.f});
    Frames(200);
    EXPECT_EQ(At(0).sprite.getGlobalBounds().top + 165.f, 500.f);
}

struct DeathTest : RosterTest {
    void Die()
    {
        KillEnemy(enemies, 0);
        player.health = 0;
        Frames(1);
    }
    void Click(sf::Vector2i at) { DeathScreenClick(*game, at); }
};

TEST_F(DeathTest, DeathFreezesTheLevelAndRevealsTheKillsOneByOne)
{
    AddRat(enemies, {2000.f, 770.f});
    AddBird(enemies, {2500.f, 400.f});
    AddArcher(enemies, {6000.f, 780.f});
    Die();
    ASSERT_EQ(game->deathScreen, 1);
    const sf::Vector2f frozen = At(0).sprite.getPosition();
    Frames(44);  // 0.75 s in all
    EXPECT_EQ(enemies.shownKills, 0);
    Frames(2);
    EXPECT_EQ(enemies.shownKills, 1);
    EXPECT_EQ(enemies.killText.getString(), "KILLS 1");
    EXPECT_EQ(At(0).sprite.getPosition(), frozen);
    Frames(60);
    EXPECT_EQ(enemies.shownKills, 1) << "one kill, one icon";
}

TEST_F(DeathTest, KillIconsLieInRowsAndALastArcherReadsNothingPastTheList)
{
    for (int n = 0; n < 20; ++n)
        AddKillIcon(enemies, ENEMY_BIRD);
    AddKillIcon(enemies, ENEMY_ARCHER);
    AddKillIcon(enemies, ENEMY_TANK);
    OpenDeathScreen(enemies, {960.f, 540.f});
    ASSERT_EQ(enemies.killIcons.front().kind, ENEMY_ARCHER);
    // The archer leaves 50 px more before the tank.
    const float archerStep = static_cast<float>(static_cast<int>(297.f / 6.f)) + 50.f;
    const float tankWidth = 157.f * 3.f;
    EXPECT_EQ(enemies.killIcons[1].sprite.getPosition().x, 625.f - tankWidth / 2.f + archerStep);
    // Birds go on the same row, then wrap 150 lower once x passes 754.
    float lowest = 0.f;
    for (const KillIcon& icon : enemies.killIcons)
        lowest = std::max(lowest, icon.sprite.getPosition().y);
    EXPECT_EQ(lowest, 550.f - 234.f + 150.f);
    enemies.killIcons.clear();
    AddKillIcon(enemies, ENEMY_ARCHER);
    OpenDeathScreen(enemies, {960.f, 540.f});
    EXPECT_EQ(enemies.killIcons[0].sprite.getPosition(), sf::Vector2f(500.f, 550.f - 261.f));
}

TEST_F(DeathTest, TheButtonSendsThePlayerToTheHubWithAnEmptyLevelAndFullHealth)
{
    AddTank(enemies, {3000.f, 770.f});
    AddRat(enemies, {4000.f, 770.f});
    AddShot(enemies, {100.f, 100.f}, SHOT_ARROW, 0.f);
    AddSmoke(enemies, {100.f, 100.f});
    AddBlock({0.f, 700.f, 5000.f, 50.f});
    ShowBossBar(hud, 1000, "Gorsh & Quillet");
    player.bonusHealth = 15;
    RaiseMaxHealth(hud, player, 15);
    Die();
    ASSERT_EQ(game->deathScreen, 1);
    const sf::Vector2f corner = game->camera.view.getCenter() - sf::Vector2f{960.f, 540.f};
    EXPECT_EQ(enemies.recapButton.getPosition(), corner + sf::Vector2f(870.f, 880.f));
    Click({860, 870});  // just outside
    EXPECT_EQ(game->deathScreen, 1);
    Click({870, 880});
    EXPECT_EQ(game->deathScreen, 0);
    EXPECT_EQ(game->hub.inHub, 1);
    EXPECT_EQ(player.hitbox.getPosition(), sf::Vector2f(kHubArrival.x, kHubArrival.y));
    EXPECT_EQ(player.health, 115);
    EXPECT_EQ(hud.healthText.getString(), "115/115");
    EXPECT_EQ(hud.bossFight, 0);
    EXPECT_TRUE(game->level.obstacles.empty());
    EXPECT_EQ(Kinds(), std::vector<int>{ENEMY_DUMMY});
    EXPECT_TRUE(enemies.shots.empty());
    EXPECT_TRUE(enemies.coins.empty());
    EXPECT_TRUE(enemies.smokes.empty());
    EXPECT_TRUE(enemies.killIcons.empty());
    Click({870, 880});
    EXPECT_EQ(Count(), 1) << "a second click, off the death screen, adds no dummy";
}

}  // namespace
