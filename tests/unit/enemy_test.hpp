#pragma once
// A level in play with an empty roster, a player standing at a known place
// and the HUD on screen, for the enemies' tests.
#include "game_test.hpp"

#include <cmath>

struct EnemyTest : GameTest {
    static constexpr float kFrame = 1.f / 60.f;
    Enemies& enemies = game->enemies;
    Player& player = game->player;
    Hud& hud = game->hud;

    void SetUp() override
    {
        GameTest::SetUp();
        InitCamera(game->camera, game->level.cursorX);
        InitPlayer(*game);
        player.cinematicState = CINEMATIC_NONE;
        InitEnemies(enemies, *assets);
        ResetEnemies(enemies);  // the training dummy is the hub's
        InitHud(hud, *assets, player);
        game->level.returnToHub = 0;
        game->hub.inHub = 0;
        PlaceBody(3000.f, 608.f);
    }
    // The player's body with its top-left at (x, y); the view centred on it.
    void PlaceBody(float x, float y)
    {
        player.hitbox.setPosition(x, y);
        game->camera.view.setCenter(x, y);
    }
    sf::FloatRect Body() const { return player.hitbox.getGlobalBounds(); }
    Enemy& At(int i) { return enemies.enemies[static_cast<std::size_t>(i)]; }
    int Count() const { return static_cast<int>(enemies.enemies.size()); }
    std::vector<int> Kinds() const
    {
        std::vector<int> kinds;
        for (const Enemy& e : enemies.enemies)
            kinds.push_back(e.kind);
        return kinds;
    }
    void AddBlock(sf::FloatRect box)
    {
        Obstacle& block = game->level.obstacles.emplace_back();
        block.type = OBS_WALL;
        block.hitbox = box;
        game->level.obstacleCount = static_cast<int>(game->level.obstacles.size());
    }
    void Frames(int n, float dt = kFrame)
    {
        for (int k = 0; k < n; ++k)
            UpdateEnemies(enemies, dt, *game);
    }
    // One kind's step alone, without gravity or the lists.
    void Step(int i, float dt = kFrame)
    {
        switch (At(i).kind) {
        case ENEMY_ARCHER: UpdateArcher(enemies, i, dt, *game); break;
        case ENEMY_TANK: UpdateTank(enemies, i, dt, *game); break;
        case ENEMY_BIRD: UpdateBird(enemies, i, dt, *game); break;
        case ENEMY_RAT: UpdateRat(enemies, i, dt, *game); break;
        case ENEMY_SKELETON_RAT: UpdateSkeletonRat(enemies, i, dt, *game); break;
        }
    }
    int CountKind(int kind) const
    {
        int n = 0;
        for (const Enemy& e : enemies.enemies)
            n += e.kind == kind;
        return n;
    }
};
