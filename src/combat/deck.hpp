#pragma once
// The deck of fifteen spell cards: the first three are the hand, played on
// A, E and C; the rest is the reserve a played card is replaced from.
// Played cards stay spent until the deck is refilled (the statue, leaving
// the hub).
#include "combat/spell_table.hpp"

#include <SFML/Graphics/RenderTarget.hpp>
#include <SFML/Graphics/Sprite.hpp>
#include <array>
#include <vector>

struct Assets;
struct Game;

struct Card {
    sf::Sprite sprite;  // its spell's card; a spent card keeps it but is not drawn
    int kind = 0;       // SPELL_SWORD .. SPELL_MESPER, or SPELL_SPENT
    int dealtKind = 0;  // what it was dealt as; a refill restores it
};

struct Deck {
    std::vector<Card> cards;     // 0, 1, 2: the hand; 3 and on: the reserve
    int cardCount = 0;           // always cards.size(): 15
    sf::Sprite showDeckSprite;   // the icon above the hand
    int deckShown = 0;           // 1 while the mouse rests on the icon: the reserve is drawn
};

inline constexpr int kDeckSize = 15;
inline constexpr int kHandSize = 3;

// Deals fifteen cards of random kinds. Without a cache (a test's deck) the
// cards have no picture.
void InitDeck(Deck& deck, Assets* assets = nullptr);
// Places the hand, the reserve and the icon from the view's top-left.
void UpdateDeck(Game& game, float dt);
// Hand, then the reserve while the mouse is on the icon, then the icon;
// nothing in the hub.
void DrawDeck(Game& game, sf::RenderTarget& window);
// A key of the hand (A, E, C) plays its card: the bomb out bursts, the
// card's spell is thrown towards the mouse, and the card is swapped for a
// random unspent one of the reserve (the slot stays empty when none is
// left). A spent slot and any other key do nothing.
void PlayCard(Game& game, int key);
// The mouse moved: is it on the deck icon?
void UpdateDeckHover(Game& game);
// Every card back to the kind it was dealt; the hand keeps its order.
void RefillDeck(Deck& deck);
// Puts these card kinds in the hand's slots (A, E, C), as if dealt so: a
// script's shortcut, like its warp, so that a scripted fight plays the
// spells it means whatever the draws.
void SetHand(Deck& deck, const std::array<int, kHandSize>& kinds);
// The number of spent cards.
int SpentCards(const Deck& deck);
