#include "combat/bombs.hpp"

void InitBombs(Bombs& bombs)
{
    bombs.bombCount = 0;
    bombs.bombActive = 0;
    bombs.bombHb.setSize({kBombBoxSize, kBombBoxSize});
    bombs.bombHb.setOrigin(kBombBoxSize / 2.f, kBombBoxSize / 2.f);
}

void UpdateBombs(Game&, float) {}
void DrawBombs(Game&, sf::RenderTarget&) {}
void DetonateBomb(Bombs&) {}

void RemoveAllBombs(Bombs& bombs)
{
    bombs.bombCount = 0;
    bombs.bombActive = 0;
}
