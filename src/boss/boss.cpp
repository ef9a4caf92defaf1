#include "boss/boss.hpp"

#include "app/game.hpp"

void InitBoss(Boss& boss) { boss.bossActive = 0; }
void PlaceBoss(Game& game) { game.boss.bossActive = 1; }
void UpdateBoss(Game&, float) {}
void DrawBoss(Boss&, sf::RenderTarget&) {}

bool BossCanBeHit(const Game& game)
{
    return game.hud.bossFight == 1 && game.boss.bossActive == 1;
}

sf::FloatRect BossBounds(const Boss& boss)
{
    return boss.bossHitbox.getGlobalBounds();
}
