// Each kind's detection, timings and attacks, at their boundaries.
#include "enemy_test.hpp"

#include <gtest/gtest.h>

namespace {

// Timings are counted in steps of 1/64 s, which add up exactly.
constexpr float kStep = 1.f / 64.f;

struct KindTest : EnemyTest {
    void Steps(int i, int n)
    {
        for (int k = 0; k < n; ++k)
            Step(i, kStep);
    }
    int StepsUntilShots(int i, std::size_t shots, int limit)
    {
        for (int n = 1; n <= limit; ++n) {
            Step(i, kStep);
            if (enemies.shots.size() >= shots)
                return n;
        }
        return -1;
    }
};

TEST_F(KindTest, EachKindWakesJustInsideItsDistance)
{
    struct Case {
        void (*add)(Enemies&, sf::Vector2f);
        float distance;
    };
    for (const Case& c : {Case{AddArcher, 750.f}, Case{AddTank, 750.f}, Case{AddBird, 500.f}, Case{AddRat, 500.f}}) {
        ResetEnemies(enemies);
        c.add(enemies, {3000.f + c.distance, 770.f});
        Step(0);
        EXPECT_EQ(At(0).aggro, 0) << "kind " << At(0).kind;
        PlaceBody(3001.f, 608.f);
        Step(0);
        EXPECT_EQ(At(0).aggro, 1) << "kind " << At(0).kind;
        PlaceBody(3000.f, 608.f);
    }
}

TEST_F(KindTest, AStunnedEnemyFreezesOnItsFrameForAQuarterSecond)
{
    for (auto add : {AddArcher, AddTank, AddBird, AddRat, AddSkeletonRat}) {
        ResetEnemies(enemies);
        add(enemies, {3200.f, 770.f});
        Step(0);
        At(0).aggro = 1;
        At(0).stunned = 1;
        const sf::Vector2f place = At(0).sprite.getPosition();
        const sf::IntRect frame = At(0).sprite.getTextureRect();
        const float timer = At(0).anim.timer;
        for (int n = 0; n < 16; ++n)
            Step(0);  // 0.267 s: the stun ends in the 16th step, which is still lost
        EXPECT_EQ(At(0).stunned, 0) << "kind " << At(0).kind;
        EXPECT_EQ(At(0).sprite.getPosition(), place) << "kind " << At(0).kind;
        EXPECT_EQ(At(0).sprite.getTextureRect(), frame);
        EXPECT_EQ(At(0).anim.timer, timer);
        Step(0);
        EXPECT_NE(At(0).anim.timer, timer) << "kind " << At(0).kind;
    }
}

TEST_F(KindTest, TheArcherShootsEveryOneAndAHalfSecondsAtTheBody)
{
    AddArcher(enemies, {3300.f, 780.f});
    EXPECT_EQ(StepsUntilShots(0, 1, 200), 96 + 26);  // 1.5 s of waiting, then nine frames of the draw
    ASSERT_EQ(enemies.shots.size(), 1u);
    const Shot& arrow = enemies.shots[0];
    const sf::Vector2f from = arrow.sprite.getPosition();
    const sf::Vector2f body{Body().left + Body().width / 2.f, Body().top + Body().height / 2.f};
    EXPECT_NEAR(arrow.angle, std::atan2(body.y - from.y, body.x - from.x), 1e-4);
    EXPECT_EQ(At(0).actionTimer, 0.f);
    EXPECT_EQ(StepsUntilShots(0, 2, 200), 96 + 26);
}

TEST_F(KindTest, TheArcherJumpsAGapAheadAndLandsWhenItsProbeFindsABlock)
{
    AddBlock({3000.f, 500.f, 400.f, 50.f});
    AddArcher(enemies, {3050.f, 500.f});  // facing left, its probe over the block
    At(0).aggro = 1;
    Step(0);
    EXPECT_EQ(At(0).jumping, 0);
    At(0).sprite.setPosition(2940.f, 239.f);  // its front foot past the block's edge
    Step(0);
    EXPECT_EQ(At(0).jumping, 1);
    EXPECT_EQ(At(0).velocityY, -600.f);
    EXPECT_EQ(At(0).anim.frameCount, 35);
    EXPECT_EQ(At(0).anim.loopStart, 12);
    Step(0);
    EXPECT_EQ(At(0).anim.row, ARCHER_ROW_AIR_LEFT);
    EXPECT_EQ(At(0).anim.frameCount, 15) << "the jump's loop frames, 12 to 14";
    At(0).sprite.setPosition(3100.f, 239.f);
    Step(0);
    EXPECT_EQ(At(0).jumping, 0);
    EXPECT_EQ(At(0).anim.frameCount, 24);
}

TEST_F(KindTest, TheTankWindsUpThenChargesForASecondAndHurtsOnce)
{
    AddTank(enemies, {3100.f, 770.f});  // the player stands within reach on its left
    Step(0, kStep);
    EXPECT_EQ(At(0).chargeDir, 0);
    EXPECT_EQ(At(0).anim.row, TANK_ROW_CHARGE_LEFT);
    const float start = At(0).hitbox.getPosition().x;
    PlaceBody(2000.f, 608.f);  // whatever the player does now
    Steps(0, 95);              // 1.5 s of wind-up
    EXPECT_EQ(At(0).hitbox.getPosition().x, start);
    PlaceBody(2950.f, 608.f);  // back in its path
    Steps(0, 65);              // then a second at full speed, its last step included
    EXPECT_EQ(At(0).hitbox.getPosition().x, start - 65.f * 800.f * kStep);
    EXPECT_EQ(At(0).chargeDir, -1);
    EXPECT_EQ(player.health, 80) << "one hit per charge";
    EXPECT_EQ(hud.healthText.getString(), "80/100");
}

TEST_F(KindTest, ATankWaitsUnderAPlayerStandingAboveIt)
{
    AddTank(enemies, {3100.f, 770.f});
    PlaceBody(3150.f, 400.f);
    player.airborne = 0;
    Step(0);
    EXPECT_EQ(At(0).anim.row, TANK_ROW_IDLE_RIGHT);
    EXPECT_EQ(At(0).aggro, 0);
    player.airborne = 1;
    Step(0);
    EXPECT_EQ(At(0).aggro, 1);
}

TEST_F(KindTest, TheShieldRisesAgainstABombAndASecondTankSeesItGone)
{
    AddTank(enemies, {3400.f, 770.f});
    AddTank(enemies, {3450.f, 770.f});
    Bombs& bombs = game->bombs;
    InitBombs(bombs);
    bombs.bombActive = 1;
    bombs.bombHb.setPosition(3100.f, 650.f);  // in sight, out of reach
    Frames(1);
    EXPECT_EQ(At(0).anim.row, TANK_ROW_SHIELD_LEFT);
    EXPECT_EQ(At(0).anim.loopStart, 14);
    EXPECT_NEAR(At(0).anim.timer, 14 * 0.042f + kFrame, 1e-4);
    EXPECT_EQ(bombs.bombActive, 1);
    bombs.bombHb.setPosition(3350.f, 650.f);  // right before the first tank
    Frames(1);
    EXPECT_EQ(bombs.bombActive, 0);
    EXPECT_EQ(At(1).anim.row, TANK_ROW_WALK_LEFT) << "the second tank sees no bomb";
}

TEST_F(KindTest, TheBirdFiresAFanOfThreeAtMostEveryTwoAndAHalfSeconds)
{
    AddBird(enemies, {3300.f, 300.f});
    EXPECT_EQ(StepsUntilShots(0, 3, 400), 160 + 1 + 21);  // past 2.5 s, then seven frames of the attack
    ASSERT_EQ(enemies.shots.size(), 3u);
    EXPECT_NEAR(enemies.shots[1].angle - enemies.shots[0].angle, 0.31415927f, 1e-5);
    EXPECT_NEAR(enemies.shots[2].angle - enemies.shots[1].angle, 0.31415927f, 1e-5);
    const sf::Vector2f mouth = enemies.shots[1].sprite.getPosition();
    const sf::Vector2f body{Body().left + Body().width / 2.f, Body().top + Body().height / 2.f};
    EXPECT_NEAR(enemies.shots[1].angle, std::atan2(body.y - mouth.y, body.x - mouth.x), 1e-4);
    EXPECT_GE(StepsUntilShots(0, 6, 400), 161);
}

TEST_F(KindTest, TheRatSummonsFirstThenAlternatesWithFlasks)
{
    AddRat(enemies, {3200.f, 770.f});  // close enough to stand and face the player
    Steps(0, 192);
    EXPECT_EQ(Count(), 1);
    Step(0, kStep);  // past 3 s
    ASSERT_EQ(Count(), 3);
    const sf::FloatRect rat = At(0).sprite.getGlobalBounds();
    EXPECT_EQ(At(1).kind, ENEMY_SKELETON_RAT);
    EXPECT_EQ(At(1).sprite.getPosition(),
              sf::Vector2f(rat.left - 100.f, rat.top + rat.height - 93.f - static_cast<float>(At(1).depthOffset)));
    EXPECT_EQ(At(0).canSummon, 0);
    Steps(0, 223);  // 3 s of walking, then six frames of the throw
    EXPECT_TRUE(enemies.shots.empty());
    Step(0, kStep);
    ASSERT_EQ(enemies.shots.size(), 1u);
    EXPECT_EQ(enemies.shots[0].kind, SHOT_FLASK);
    EXPECT_NEAR(enemies.shots[0].angle, 3.92699075f, 1e-6) << "the player is to its left";
    Steps(0, 57);
    EXPECT_EQ(At(0).canSummon, 0);
    Step(0, kStep);  // the throw's seventeen frames are over
    EXPECT_EQ(At(0).canSummon, 1);
}

TEST_F(KindTest, RatsSummonOnlyWhileFewerThanSixSkeletonsStand)
{
    AddRat(enemies, {3200.f, 770.f});
    for (int n = 0; n < 5; ++n)
        AddSkeletonRat(enemies, {1000.f + 100.f * n, 770.f});
    At(0).aggro = 1;
    At(0).canSummon = 1;
    At(0).actionTimer = 3.f;
    Step(0, kStep);
    EXPECT_EQ(CountKind(ENEMY_SKELETON_RAT), 7) << "a pair can bring the count to seven";
    // The throw that ends with seven standing does not arm the next summon.
    At(0).actionTimer = 3.5f;
    At(0).anim.frameTime = 0.083f;
    At(0).anim.timer = 17 * 0.083f - kStep / 2.f;
    Step(0, kStep);
    EXPECT_EQ(At(0).actionTimer, 0.f);
    EXPECT_EQ(At(0).canSummon, 0);
}

// The roster grows while the walk is on the rat: it is summoning from a
// roster at full capacity, so the growth moves every entry (this test is
// also run under AddressSanitizer).
TEST_F(KindTest, ASummonFromAFullRosterKeepsTheWalkSound)
{
    AddArcher(enemies, {1000.f, 780.f});
    AddRat(enemies, {3200.f, 770.f});
    AddBird(enemies, {9000.f, 300.f});
    enemies.enemies.shrink_to_fit();
    ASSERT_EQ(enemies.enemies.capacity(), enemies.enemies.size());
    At(2).aggro = 1;
    At(2).canSummon = 1;
    At(2).actionTimer = 3.f;
    const float birdBefore = At(3).anim.timer;
    Frames(1);
    ASSERT_EQ(Kinds(), (std::vector<int>{ENEMY_ARCHER, ENEMY_ARCHER_ARM, ENEMY_RAT, ENEMY_BIRD, ENEMY_SKELETON_RAT,
                                         ENEMY_SKELETON_RAT}));
    EXPECT_EQ(At(2).actionTimer, 0.f);
    EXPECT_EQ(At(2).canSummon, 0);
    EXPECT_GT(At(3).anim.timer, birdBefore) << "the entry after the rat is still stepped";
    EXPECT_EQ(At(4).anim.timer, 0.f) << "a new skeleton starts next frame";
    Frames(1);
    EXPECT_GT(At(4).anim.timer, 0.f);
}

TEST_F(KindTest, ASkeletonRatRisesBeforeItMovesThenThrowsBonesFromClose)
{
    AddSkeletonRat(enemies, {3400.f, 770.f});
    const sf::Vector2f risen = At(0).sprite.getPosition();
    Steps(0, 64);  // its twelfth rising frame starts at 0.996 s
    EXPECT_EQ(At(0).aggro, 0);
    EXPECT_EQ(At(0).sprite.getPosition(), risen);
    Step(0, kStep);
    EXPECT_EQ(At(0).aggro, 1);
    EXPECT_LT(At(0).sprite.getPosition().x, risen.x) << "walking at the player";
    PlaceBody(At(0).sprite.getPosition().x - 150.f, 608.f);
    for (int n = 0; n < 200 && enemies.shots.empty(); ++n)
        Step(0, kStep);
    ASSERT_EQ(enemies.shots.size(), 1u);
    EXPECT_EQ(enemies.shots[0].kind, SHOT_BONE);
    EXPECT_NEAR(enemies.shots[0].angle, -2.09439516f, 1e-6);
}

}  // namespace
