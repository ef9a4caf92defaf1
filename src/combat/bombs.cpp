#include "combat/bombs.hpp"

void InitBombs(Bombs& bombs) { bombs.bombCount = 0; }
void UpdateBombs(Game&, float) {}
void DrawBombs(Game&, sf::RenderTarget&) {}
void DetonateBomb(Bombs&) {}
void RemoveAllBombs(Bombs& bombs) { bombs.bombCount = 0; }
int MeleeStrike(Enemies&, Player&, Hud&, Hub&) { return 0; }
