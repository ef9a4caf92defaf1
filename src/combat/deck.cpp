#include "combat/deck.hpp"

void InitDeck(Deck& deck) { deck.refills = 0; }
void UpdateDeck(Game&, float) {}
void DrawDeck(Game&, sf::RenderTarget&) {}
void PlayCard(Game&, int) {}
void UpdateDeckHover(Game&) {}
void RefillDeck(Deck& deck) { deck.refills++; }
