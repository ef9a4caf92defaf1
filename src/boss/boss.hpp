#pragma once
#include <SFML/Graphics/RenderTarget.hpp>

struct Game;

// The boss of the arena, "Gorsh & Quillet".
struct Boss {
    int placed = 0;
};

void InitBoss(Boss& boss);
void PlaceBoss(Game& game);
void UpdateBoss(Game& game, float dt);
void DrawBoss(Boss& boss, sf::RenderTarget& window);
