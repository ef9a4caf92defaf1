// The boss's walk and attack cycle: the choice of attack by distance, the
// walk, the physics that hold it in the arena, every attack's end, and its
// death from any moment of any attack.
#include "boss_test.hpp"

#include <cmath>
#include <cstdlib>
#include <set>

namespace {

// The player's body centre this whole distance (truncated) from the box.
void AtDistance(BossTest& t, float d) { t.Stand(t.boss.bossHitbox.getPosition().x + d); }

int Choose(BossTest& t, int last)
{
    t.boss.lastAttack = last;
    ChooseAttack(t.boss, *t.game);
    const int chosen = t.boss.attackKind;
    CleanUpAttack(t.boss);
    EndAttack(t.boss);
    return chosen;
}

TEST_F(BossTest, EachDistancePicksItsPairAndNeverTheLastAttack)
{
    struct Case {
        float d;
        int a, b;
    };
    const Case cases[] = {
        {0.f, 3, 6},       {319.9f, 3, 6},    {-319.9f, 3, 6},  {320.f, 2, 5},   {-320.f, 2, 5},
        {639.9f, 2, 5},    {-639.9f, 2, 5},   {640.f, 0, 4},    {-640.f, 0, 4},  {959.9f, 0, 4},
        {-959.9f, 0, 4},   {960.f, 0, 5},     {-960.f, 0, 5},   {1400.f, 0, 5},
    };
    for (const Case& c : cases) {
        AtDistance(*this, c.d);
        EXPECT_EQ(Choose(*this, c.a), c.b) << "d = " << c.d;
        EXPECT_EQ(Choose(*this, c.b), c.a) << "d = " << c.d;
        std::set<int> seen;
        for (unsigned seed = 1; seed < 40; ++seed) {
            std::srand(seed);
            seen.insert(Choose(*this, -1));
        }
        EXPECT_EQ(seen, (std::set<int>{c.a, c.b})) << "a first choice may be either, d = " << c.d;
    }
    // Standing next to the boss, the attacks alternate.
    AtDistance(*this, 100.f);
    int last = -1;
    for (int n = 0; n < 10; ++n) {
        const int now = Choose(*this, last);
        EXPECT_NE(now, last);
        last = now;
    }
}

TEST_F(BossTest, ItWalksToThePlayerAndStandsCloseBy)
{
    boss.walkTimer = 1.f;
    Stand(1800.f);
    Frames(1);
    EXPECT_EQ(boss.velocity.x, kBossWalkSpeed);
    EXPECT_EQ(boss.bossAnim.row, BOSS_ROW_WALK_RIGHT);
    EXPECT_EQ(boss.bossAnim.frameCount, 21);
    Stand(200.f);
    Frames(1);
    EXPECT_EQ(boss.velocity.x, -kBossWalkSpeed);
    EXPECT_EQ(boss.bossAnim.row, BOSS_ROW_WALK_LEFT);
    Stand(boss.bossHitbox.getPosition().x + 149.f);  // measured from the body's centre
    Frames(1);
    EXPECT_EQ(boss.velocity.x, 0.f);
    EXPECT_EQ(boss.bossAnim.row, BOSS_ROW_WALK_RIGHT);
    EXPECT_EQ(boss.bossAnim.frameCount, 1);
}

// The boss stays between the arena's sides and on its floor through whole
// fights, with the player anywhere and at both frame rates.
TEST_F(BossTest, ItNeverLeavesTheArenaAndRestsOnItsGroundLine)
{
    for (float dt : {1.f / 60.f, 1.f / 30.f})
        for (float playerX : {40.f, 700.f, 1300.f, 1880.f}) {
            std::srand(static_cast<unsigned>(playerX));
            PlaceBoss(*game);
            Stand(playerX);
            for (float t = 0.f; t < 90.f; t += dt) {
                player.health = 100;
                player.hitbox.setPosition(playerX + 400.f * std::sin(t / 3.f) - 43.5f, kFloorTop);
                UpdateBoss(boss, dt, *game);
                const sf::FloatRect box = Box();
                ASSERT_GE(box.left, 0.f);
                ASSERT_LE(box.left + box.width, 1920.f);
                ASSERT_LE(box.top + box.height, kBossGroundY + 0.01f);
                if (t > 1.f && boss.bossState == BOSS_WALK) {  // placed above the floor, it first falls onto it
                    ASSERT_NEAR(box.top + box.height, kBossGroundY, 0.01f) << "walking on the floor";
                }
            }
            EXPECT_GT(boss.attackLog.size(), 4u);
        }
}

// From wherever the player is (on the floor or high in the air), each
// attack is over within its own time, at 60 and at 30 frames a second.
TEST_F(BossTest, EveryAttackEndsWithinItsTime)
{
    // throw, roll to a stop, fetch across the arena; launch, flight, warnings,
    // fall; the breath; crouch, jump, waves, get up; four lobs; the blow.
    const std::pair<int, float> limits[] = {{0, 2.25f + 8.f + 13.f}, {2, 3.7f + 1.f + 2.f + 2.f},
                                            {3, 6.4f},                 {4, 0.9f + 2.1f + 2.2f + 0.8f},
                                            {5, 1.9f + 3.5f},          {6, 2.3f}};
    for (float dt : {1.f / 60.f, 1.f / 30.f})
        for (const auto& [attack, limit] : limits)
            for (float bossX : {150.f, 1000.f, 1800.f})
                for (float playerX : {0.f, 500.f, 1000.f, 1500.f, 1900.f})
                    for (float top : {kFloorTop, 100.f}) {
                        PlaceBoss(*game);
                        PutBoss(bossX);
                        Stand(playerX, top);
                        Start(attack);
                        EXPECT_LE(RunToEnd(dt, limit + 1.f), limit)
                            << "attack " << attack << " dt " << dt << " boss " << bossX << " player " << playerX;
                        EXPECT_FALSE(AnyAttackRunning());
                    }
}

// Killed at any moment of any attack, or in mid-air: it falls to the floor,
// its attack is cleaned up, it dies once and drops 200 coins once.
TEST_F(BossTest, KilledDuringAnyAttackItFallsAndDiesOnce)
{
    const std::pair<int, float> lengths[] = {{0, 20.f}, {2, 8.f}, {3, 6.2f}, {4, 5.f}, {5, 4.f}, {6, 2.3f}};
    for (const auto& [attack, length] : lengths)
        for (float at = 0.f; at < length; at += 0.25f) {
            PlaceBoss(*game);
            PutBoss(1200.f);
            Stand(attack == 0 ? 300.f : 1000.f);
            ResetEnemies(game->enemies);
            Start(attack);
            RunToEnd(kFrame, at);
            const bool inAir = Box().top + Box().height < kBossGroundY - 1.f;
            ChangeBossHealth(hud, -5000, boss);
            ASSERT_EQ(boss.bossActive, 0);
            Frames(1);
            ASSERT_EQ(game->enemies.coins.size(), 200u) << "attack " << attack << " at " << at;
            EXPECT_FALSE(AnyAttackRunning());
            EXPECT_EQ(boss.bossState, BOSS_WALK);
            Frames(240);
            EXPECT_EQ(game->enemies.coins.size(), 200u) << "the coins fall once";
            EXPECT_NEAR(Box().top + Box().height, kBossGroundY, 0.01f) << (inAir ? "fallen from the air" : "");
            EXPECT_TRUE(boss.bossAnim.row == BOSS_ROW_DEATH_LEFT || boss.bossAnim.row == BOSS_ROW_DEATH_RIGHT);
            EXPECT_EQ(StripFrame(boss.bossAnim), 24) << "the last frame of the death row holds";
            CleanUpAttack(boss);  // a second clean-up does nothing
            EXPECT_FALSE(AnyAttackRunning());
        }
}

TEST_F(BossTest, TheShockWavesStartWhenItLandsNotBeforeItJumps)
{
    Stand(600.f);
    Start(BOSS_ATTACK_SHOCK_WAVE);
    Frames(1);
    EXPECT_EQ(boss.wave.waveActive, 0) << "crouching on the floor is not a landing";
    EXPECT_EQ(Box().top + Box().height, kBossGroundY);
    float t = kFrame;
    while (boss.wave.waveActive == 0 && t < 5.f) {
        Frames(1);
        t += kFrame;
    }
    EXPECT_GT(t, 0.875f + 1.5f) << "after the crouch and a jump of about two seconds";
    EXPECT_EQ(boss.wave.landed, 1);
    EXPECT_EQ(boss.bossAnim.row, BOSS_ROW_LAND_LEFT);
    // The waves step every 0.025 s: at 60 frames a second every other frame.
    const float x = boss.wave.shockWaves[1].getPosition().x;
    Frames(2);
    EXPECT_NEAR(boss.wave.shockWaves[1].getPosition().x - x, 2000.f * kFrame, 0.01f);
}

// The first of five carrots to leave the bottom of the screen ends the
// rain there and then; a rain without carrots ends too.
TEST_F(BossTest, TheCarrotRainEndsCleanly)
{
    unsigned seed = 1;
    do {
        CleanUpAttack(boss);
        std::srand(seed++);
        Start(BOSS_ATTACK_CARROTS);
    } while (boss.carrots.carrotCount != 5);
    CarrotAttack& carrots = boss.carrots;
    for (std::size_t i = 0; i < 5; ++i) {
        const sf::FloatRect c = carrots.fallCarrots[i].getGlobalBounds();
        EXPECT_GE(c.left, 384.f * static_cast<float>(i)) << "carrot " << i << " in its slot";
        EXPECT_LE(c.left + c.width, 384.f * static_cast<float>(i + 1));
    }
    carrots.launchTimer = kRainPhase;
    carrots.rainDelay = 0.f;
    carrots.fallCarrots[0].setPosition(carrots.fallCarrots[0].getPosition().x, 1080.f + 190.f);
    Frames(1);
    EXPECT_EQ(boss.bossState, BOSS_WALK);
    EXPECT_EQ(carrots.running, 0);
    EXPECT_TRUE(carrots.fallCarrots.empty() && carrots.warnings.empty() && carrots.carrotHitboxes.empty());

    Start(BOSS_ATTACK_CARROTS);
    carrots.launchTimer = kRainPhase;
    carrots.rainDelay = 0.f;
    carrots.fallCarrots.clear();
    carrots.warnings.clear();
    carrots.carrotHitboxes.clear();
    Frames(1);
    EXPECT_EQ(boss.bossState, BOSS_WALK) << "nothing to fall: the rain ends";
}

TEST_F(BossTest, PlacingAgainStartsAFreshFightWithOneDecor)
{
    Start(BOSS_ATTACK_FOOD);
    ChangeBossHealth(hud, -5000, boss);
    Frames(2);
    for (int n = 0; n < 5; ++n) {  // the debug key held down
        ResetLevel(game->level);
        BuildBossLevel(game->level, *game);
    }
    EXPECT_EQ(game->background.decorAnimations.size(), 1u);
    EXPECT_EQ(boss.bossActive, 1);
    EXPECT_EQ(boss.deathStarted, 0);
    EXPECT_EQ(boss.bossState, BOSS_WALK);
    EXPECT_EQ(boss.walkTimer, kBossWalkTime);
    EXPECT_FALSE(AnyAttackRunning());
    EXPECT_EQ(hud.bossHealth, 1000);
    EXPECT_EQ(boss.bossSprite.getPosition(), sf::Vector2f(kBossStartX, kBossStartY));
}

}  // namespace
