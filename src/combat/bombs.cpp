#include "combat/bombs.hpp"

void InitBombs(Bombs& bombs)
{
    bombs.bombActive = 0;
    bombs.bombHb.setSize({kBombBoxSize, kBombBoxSize});
    bombs.bombHb.setOrigin(kBombBoxSize / 2.f, kBombBoxSize / 2.f);
}

void UpdateBombs(Game&, float) {}
void DrawBombs(Game&, sf::RenderTarget&) {}
void DetonateBomb(Bombs&) {}
void ThrowBomb(Game&, int, sf::Vector2i) {}

void RemoveExplosion(Bombs& bombs, int index)
{
    if (index < 0 || index >= static_cast<int>(bombs.explosions.size()))
        return;
    bombs.explosions.erase(bombs.explosions.begin() + index);
    bombs.explosionCount = static_cast<int>(bombs.explosions.size());
}

void RemoveAllBombs(Bombs& bombs)
{
    bombs.explosions.clear();
    bombs.explosionCount = 0;
    bombs.bombActive = 0;
}
