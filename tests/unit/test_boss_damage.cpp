// The damage exchange: what the boss and its attacks do to the player's
// body, and what the player's spells and sword do to the boss.
#include "boss_test.hpp"

#include "combat/spell_table.hpp"

namespace {

int Lost(const Player& player) { return 100 - player.health; }

// It hurts the body, never the display sprite around it.
TEST_F(BossTest, ItHurtsThePlayersBodyNotItsPicture)
{
    Stand(Box().left - 300.f);
    player.sprite.setPosition(Box().left - 100.f, 400.f);  // the picture reaches into the boss
    BossHurtsPlayer(boss, kFrame, *game);
    EXPECT_EQ(Lost(player), 0);
    Stand(Box().left + 10.f);
    BossHurtsPlayer(boss, kFrame, *game);
    EXPECT_EQ(Lost(player), 5);
    EXPECT_EQ(boss.hurtCooldown, 0.75f);
    BossHurtsPlayer(boss, kFrame, *game);
    EXPECT_EQ(Lost(player), 5) << "not again before the cooldown";
}

TEST_F(BossTest, AttacksHurtOnlyWhileTheyAreLive)
{
    // The fire: nothing before it is lit, wherever its box was made.
    Stand(Box().left - 400.f);
    Start(BOSS_ATTACK_FIRE);
    for (float t = 0.f; boss.fire.fireLit == 0; t += kFrame) {
        if (t < 1.f)
            player.hitbox.setPosition(0.f, 0.f);
        else
            Stand(Box().left - 400.f);
        Frames(1);
    }
    EXPECT_EQ(Lost(player), 5) << "only from the frame it is lit";
    Frames(60);
    EXPECT_GE(Lost(player), 5 + 40) << "5 every 0.1 s (or every seventh frame) in the fire";
    EXPECT_LE(Lost(player), 5 + 50);
    // The cleaver: one blow a swing, from halfway through it.
    player.health = 100;
    CleanUpAttack(boss);
    Stand(Box().left - 60.f);  // in front, not touching
    Start(BOSS_ATTACK_MELEE);
    RunToEnd(kFrame, 1.1f);
    EXPECT_EQ(Lost(player), 0);
    RunToEnd(kFrame, 5.f);
    EXPECT_EQ(Lost(player), 30) << "the cooldown outlasts the swing";
    // The carrots: their boxes hurt only once they fall.
    player.health = 100;
    Start(BOSS_ATTACK_CARROTS);
    boss.hurtCooldown = 0.f;
    player.hitbox.setPosition(0.f, 0.f);
    while (!CarrotsFalling(boss.carrots) && boss.bossState == BOSS_ATTACK) {
        Frames(1);
        boss.hurtCooldown = 0.f;
    }
    EXPECT_EQ(Lost(player), 0);
}

// Spells against the boss, removals anywhere in the list: the pass reads
// the count again after each, skips no entry and touches no removed one.
TEST_F(BossTest, SpellsHitTheBossAndAreUsedUpInTheirPlaceInTheList)
{
    const sf::FloatRect box = Box();
    const sf::Vector2f on{box.left + 10.f, box.top + 10.f};
    const auto add = [&](int kind, sf::Vector2f at, sf::Vector2f size) -> Explosion& {
        Explosion& entry = game->bombs.explosions.emplace_back();
        entry.kind = kind;
        entry.sprite.setTextureRect({0, 0, static_cast<int>(size.x), static_cast<int>(size.y)});
        entry.sprite.setPosition(at);
        entry.hitbox.setSize(size);
        entry.hitbox.setPosition(at);
        entry.anim.frameTime = kSpellFrameTime;
        entry.anim.frameCount = 15;
        return entry;
    };
    add(SPELL_SWORD, on, {117.f, 84.f});                     // used up: 50
    add(SPELL_SWORD, {100.f, 100.f}, {117.f, 84.f});         // stays
    add(SPELL_SWORD, on, {117.f, 84.f});                     // used up: 50
    Explosion& cross = add(SPELL_XSWORD, {100.f, 100.f}, {465.f, 384.f});
    cross.anim.frameCount = 30;
    cross.anim.timer = 30 * kSpellFrameTime;                 // played out: removed
    add(SPELL_ANVIL, on, {420.f, 300.f}).anvilFall = 100.f;  // used up: 50 + 7
    Explosion& tentacles = add(SPELL_TENTACLES, on, {387.f, 225.f});
    tentacles.age = 1.2f;
    tentacles.ticksDone = 1;                                 // one tick of 10, stays
    Explosion& blade = add(SPELL_XSWORD_BLADE, {100.f, 100.f}, {75.f, 75.f});
    blade.age = 0.5f;
    blade.anchorX = 120.f;
    blade.anchorY = 100.f;                                   // home: removed, no damage
    Explosion& imp = add(SPELL_MESPER, {box.left - 40.f, box.top}, {81.f, 72.f});
    imp.anim.frameCount = 8;                                 // an imp at the boss: 30
    Explosion& burst = add(SPELL_MESPER, on, {321.f, 258.f});
    burst.anim.frameCount = SpellFrames(SpellDetonation(SPELL_MESPER));  // not yet imps: stays
    add(SPELL_SWORD, on, {117.f, 84.f});                     // the last, used up: 50

    SpellsHitBoss(boss, kFrame, *game);
    std::vector<int> left;
    for (const Explosion& entry : game->bombs.explosions)
        left.push_back(entry.kind);
    EXPECT_EQ(left, (std::vector<int>{SPELL_SWORD, SPELL_TENTACLES, SPELL_MESPER}));
    EXPECT_EQ(game->bombs.explosionCount, 3);
    EXPECT_EQ(game->bombs.explosions[1].ticksDone, 2);
    EXPECT_EQ(hud.bossHealth, 1000 - 50 - 50 - 57 - 10 - 30 - 50);
}

TEST_F(BossTest, LightningTicksWhileItHoldsTheBossAndAgesTwiceAsFast)
{
    Explosion& bolt = game->bombs.explosions.emplace_back();
    bolt.kind = SPELL_FOUDRE;
    bolt.hitbox.setSize({480.f, 657.f});
    bolt.hitbox.setPosition(Box().left, 100.f);
    bolt.age = 1.f - kFrame / 2.f;
    SpellsHitBoss(boss, kFrame, *game);
    EXPECT_EQ(hud.bossHealth, 990);
    EXPECT_EQ(bolt.ticksDone, 1);
    SpellsHitBoss(boss, kFrame, *game);
    EXPECT_EQ(hud.bossHealth, 990) << "one tick a second";
    bolt.hitbox.setPosition(0.f, 0.f);
    bolt.age = 2.5f;
    SpellsHitBoss(boss, kFrame, *game);
    EXPECT_EQ(hud.bossHealth, 990) << "only while it holds the boss";
}

TEST_F(BossTest, AnArmedSwingHitsTheBossOnceAndHealthStopsAtZero)
{
    player.attackShape.setSize({100.f, 100.f});
    player.attackShape.setPosition(Box().left - 50.f, Box().top + 50.f);
    MeleeHitsBoss(boss, *game);
    EXPECT_EQ(hud.bossHealth, 1000) << "not armed";
    player.hitArmed = 1;
    MeleeHitsBoss(boss, *game);
    EXPECT_EQ(hud.bossHealth, 980);
    EXPECT_EQ(player.hitArmed, 0);
    MeleeHitsBoss(boss, *game);
    EXPECT_EQ(hud.bossHealth, 980);
    ChangeBossHealth(hud, -5000, boss);
    EXPECT_EQ(hud.bossHealth, 0);
    EXPECT_EQ(boss.bossActive, 0);
    EXPECT_FALSE(BossCanBeHit(*game));
}

}  // namespace
