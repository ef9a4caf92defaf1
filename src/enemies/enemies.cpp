#include "enemies/enemies.hpp"

#include "app/game.hpp"

void InitEnemies(Enemies& enemies)
{
    enemies.spawns.clear();
    enemies.resetPending = 1;
}

void ResetEnemies(Enemies& enemies)
{
    enemies.spawns.clear();
}

static void AddSpawn(Enemies& enemies, int kind, sf::Vector2f position)
{
    enemies.spawns.push_back({kind, position});
}

void AddArcher(Enemies& enemies, sf::Vector2f position) { AddSpawn(enemies, ENEMY_ARCHER, position); }
void AddBird(Enemies& enemies, sf::Vector2f position) { AddSpawn(enemies, ENEMY_BIRD, position); }
void AddRat(Enemies& enemies, sf::Vector2f position) { AddSpawn(enemies, ENEMY_RAT, position); }
void AddTank(Enemies& enemies, sf::Vector2f position) { AddSpawn(enemies, ENEMY_TANK, position); }

void KillAllEnemies(Game& game) { game.enemies.spawns.clear(); }
void CalmEnemies(Enemies&) {}
void UpdateEnemies(Game&, float) {}
void DrawEnemies(Game&, sf::RenderTarget&) {}
void DrawDamageTexts(Game&, sf::RenderTarget&) {}
void DrawDeathScreen(Game&, sf::RenderTarget&) {}
void DeathScreenClick(Game&) {}
void AddCoins(Game&, sf::Vector2f) {}
void RemoveAllFood(Enemies&) {}
