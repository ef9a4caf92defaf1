#include "boss/boss.hpp"

#include "app/game.hpp"

void InitBoss(Boss& boss) { boss.placed = 0; }
void PlaceBoss(Game& game) { game.boss.placed = 1; }
void UpdateBoss(Game&, float) {}
void DrawBoss(Boss&, sf::RenderTarget&) {}
