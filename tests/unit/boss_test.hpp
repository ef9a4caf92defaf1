#pragma once
// The arena built, the boss placed and standing on its floor, the player's
// body on the floor at a known place, for the boss's tests.
#include "boss/boss_attacks.hpp"
#include "game_test.hpp"

#include <functional>

struct BossTest : GameTest {
    static constexpr float kFrame = 1.f / 60.f;
    static constexpr float kFloorTop = 598.f;  // a standing body's top on the arena's floor
    Boss& boss = game->boss;
    Player& player = game->player;
    Hud& hud = game->hud;

    void SetUp() override
    {
        GameTest::SetUp();
        InitCamera(game->camera, 0);
        InitPlayer(*game);
        player.cinematicState = CINEMATIC_NONE;
        InitEnemies(game->enemies, *assets);
        ResetEnemies(game->enemies);
        InitHud(hud, *assets, player);
        InitBoss(boss, *assets);
        game->level.returnToHub = 0;
        game->hub.inHub = 0;
        ResetLevel(game->level);
        BuildBossLevel(game->level, *game);
        PutBoss(kBossStartX);
        Stand(300.f);
    }
    sf::FloatRect Body() const { return player.hitbox.getGlobalBounds(); }
    sf::FloatRect Box() const { return boss.bossHitbox.getGlobalBounds(); }
    // The player's body with its centre at x, standing on the floor (or its top at `top`).
    void Stand(float centreX, float top = kFloorTop)
    {
        player.hitbox.setPosition(centreX - Body().width / 2.f, top);
    }
    // The boss's box centred at x, resting on its ground line.
    void PutBoss(float x)
    {
        const float y = kBossGroundY - kBossHitboxHeight / 2.f - kBossHitboxOffsetY - 0.5f;
        boss.bossSprite.setPosition(x, y);
        boss.bossHitbox.setPosition(x, y + kBossHitboxOffsetY);
        boss.velocity = {};
    }
    void Start(int attack)
    {
        static const std::function<void(Boss&, Game&)> starts[] = {
            StartCauldron, nullptr, StartCarrots, StartFire, StartShockWave, StartFood, StartMelee};
        boss.walkTimer = -1.f;
        boss.bossState = BOSS_ATTACK;
        boss.attackKind = attack;
        boss.velocity.x = 0.f;
        starts[attack](boss, *game);
    }
    void Frames(int n, float dt = kFrame)
    {
        for (int k = 0; k < n; ++k)
            UpdateBoss(boss, dt, *game);
    }
    // Runs the attack under way to its end; the seconds it took (past the
    // limit: the limit and a bit).
    float RunToEnd(float dt, float limit)
    {
        float t = 0.f;
        while (boss.bossState == BOSS_ATTACK && t <= limit) {
            UpdateBoss(boss, dt, *game);
            t += dt;
        }
        return t;
    }
    bool AnyAttackRunning() const
    {
        return boss.cauldron.running || boss.carrots.running || boss.fire.running || boss.wave.running
            || boss.food.running || boss.melee.running;
    }
};
