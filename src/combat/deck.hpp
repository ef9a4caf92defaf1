#pragma once
// The deck of spell cards and the hand of three on A, E and C.
#include <SFML/Graphics/RenderTarget.hpp>

struct Game;

struct Deck {
    int refills = 0;  // times the statue refilled the deck
};

void InitDeck(Deck& deck);
void UpdateDeck(Game& game, float dt);
void DrawDeck(Game& game, sf::RenderTarget& window);
void PlayCard(Game& game, int key);
void UpdateDeckHover(Game& game);
void RefillDeck(Deck& deck);
