#pragma once
// The enemy roster. For now it keeps the spawn points the level builder
// places, so levels carry their enemies' places until the kinds are built.
#include "enemies/enemy_table.hpp"

#include <SFML/Graphics/RenderTarget.hpp>
#include <SFML/System/Vector2.hpp>
#include <vector>

struct Game;


struct EnemySpawn {
    int kind = 0;
    sf::Vector2f position{};
};

struct Enemies {
    std::vector<EnemySpawn> spawns;
    int resetPending = 1;  // the level builder empties the roster before placing new enemies
};

void InitEnemies(Enemies& enemies);
void ResetEnemies(Enemies& enemies);
void AddArcher(Enemies& enemies, sf::Vector2f position);
void AddBird(Enemies& enemies, sf::Vector2f position);
void AddRat(Enemies& enemies, sf::Vector2f position);
void AddTank(Enemies& enemies, sf::Vector2f position);
void KillAllEnemies(Game& game);   // every enemy killed at a level switch
void CalmEnemies(Enemies& enemies);  // every enemy's aggro dropped
void UpdateEnemies(Game& game, float dt);
void DrawEnemies(Game& game, sf::RenderTarget& window);
void DrawDamageTexts(Game& game, sf::RenderTarget& window);
void DrawDeathScreen(Game& game, sf::RenderTarget& window);
void DeathScreenClick(Game& game);
void AddCoins(Game& game, sf::Vector2f position);  // four coins a call
void RemoveAllFood(Enemies& enemies);
