#pragma once
// The boss of the arena, "Gorsh & Quillet". (Its walk, attacks and death
// are being built; the spells read where it can be hit.)
#include <SFML/Graphics/Rect.hpp>
#include <SFML/Graphics/RectangleShape.hpp>
#include <SFML/Graphics/RenderTarget.hpp>

struct Game;

struct Boss {
    sf::RectangleShape bossHitbox;  // 198 x 289: what hits it and what it hits with
    int bossActive = 0;             // 1 from placement until the boss bar reaches 0
};

void InitBoss(Boss& boss);
void PlaceBoss(Game& game);
void UpdateBoss(Game& game, float dt);
void DrawBoss(Boss& boss, sf::RenderTarget& window);
// The boss can be hurt and chased now: its fight is on and it is alive.
bool BossCanBeHit(const Game& game);
sf::FloatRect BossBounds(const Boss& boss);
