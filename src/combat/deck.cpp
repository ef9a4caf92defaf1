// The deck: dealing, playing a card from the hand, the draw from the
// reserve, the refill, and the cards shown at the screen's bottom left.
#include "combat/deck.hpp"

#include "app/game.hpp"
#include "combat/bombs.hpp"
#include "engine/assets.hpp"
#include "engine/camera.hpp"
#include "engine/collision.hpp"
#include "engine/input.hpp"
#include "hub/hub.hpp"

#include <cstdlib>
#include <utility>

namespace {

// Screen places: the hand in a row, the reserve fanned out half-covered
// just above it, the icon over the first card.
constexpr float kHandX = 50.f;
constexpr float kHandY = 850.f;
constexpr float kHandStep = 150.f;
constexpr float kReserveStep = 50.f;
constexpr float kIconInset = 10.f;
constexpr float kIconAbove = 100.f;

constexpr int kHandKeys[kHandSize] = {ACTION_CARD_1, ACTION_CARD_2, ACTION_CARD_3};
// The hand's third slot counts on the recap board.
constexpr int kTalliedSlot = 2;

// The hand slot a key plays, or -1.
int SlotOf(int key)
{
    for (int slot = 0; slot < kHandSize; slot++)
        if (IsActionKey(kHandKeys[slot], static_cast<sf::Keyboard::Key>(key)))
            return slot;
    return -1;
}

bool Spent(const Card& card) { return card.kind == SPELL_SPENT; }

// A random unspent card of the reserve takes the slot's place, and the
// spent card goes to the reserve. One draw among the unspent cards: it
// ends at once, and nothing happens when every reserve card is spent.
void DrawFromReserve(Deck& deck, int slot)
{
    int unspent = 0;
    for (int j = kHandSize; j < deck.cardCount; j++)
        unspent += !Spent(deck.cards[static_cast<std::size_t>(j)]);
    if (unspent == 0)
        return;
    int pick = std::rand() % unspent;
    for (int j = kHandSize; j < deck.cardCount; j++) {
        if (Spent(deck.cards[static_cast<std::size_t>(j)]) || pick-- > 0)
            continue;
        std::swap(deck.cards[static_cast<std::size_t>(slot)], deck.cards[static_cast<std::size_t>(j)]);
        return;
    }
}

void ShowCard(Card& card, Assets* assets)
{
    if (assets)
        card.sprite.setTexture(GetTexture(*assets, kCardSheet));
    const SpellRect r = CardRect(card.dealtKind);
    card.sprite.setTextureRect({r.left, r.top, r.width, r.height});
}

}  // namespace

void InitDeck(Deck& deck, Assets* assets)
{
    deck.deckShown = 0;
    deck.cards.clear();
    for (int n = 0; n < kDeckSize; n++) {
        Card& card = deck.cards.emplace_back();
        card.kind = std::rand() % kSpellCardKinds;
        card.dealtKind = card.kind;
        ShowCard(card, assets);
    }
    deck.cardCount = static_cast<int>(deck.cards.size());
    if (assets)
        deck.showDeckSprite.setTexture(GetTexture(*assets, kDeckIcon), true);
}

void PlayCard(Game& game, int key)
{
    Deck& deck = game.deck;
    const int slot = SlotOf(key);
    if (slot < 0 || slot >= deck.cardCount)
        return;
    Card& card = deck.cards[static_cast<std::size_t>(slot)];
    if (Spent(card))
        return;
    CountThrowQuest(game.hub);
    if (slot == kTalliedSlot)
        game.hub.tallies[TALLY_THIRD_SLOT_CARDS] += 1;
    DetonateBomb(game.bombs);
    ThrowBomb(game, card.kind, game.input ? MousePosition(*game.input) : sf::Vector2i{});
    card.kind = SPELL_SPENT;
    DrawFromReserve(deck, slot);
}

void SetHand(Deck& deck, const std::array<int, kHandSize>& kinds)
{
    for (int slot = 0; slot < kHandSize && slot < deck.cardCount; slot++) {
        Card& card = deck.cards[static_cast<std::size_t>(slot)];
        card.kind = card.dealtKind = kinds[static_cast<std::size_t>(slot)];
        ShowCard(card, nullptr);  // the sheet is on the sprite already: only the cell changes
    }
}

void UpdateDeck(Game& game, float)
{
    Deck& deck = game.deck;
    const sf::Vector2f corner = ViewTopLeft(game.camera.view);
    for (int i = 0; i < deck.cardCount; i++) {
        Card& card = deck.cards[static_cast<std::size_t>(i)];
        const float step = i < kHandSize ? kHandStep : kReserveStep;
        const float above = i < kHandSize ? 0.f : card.sprite.getGlobalBounds().height;
        card.sprite.setPosition(corner.x + kHandX + step * static_cast<float>(i), corner.y + kHandY - above);
    }
    if (deck.cards.empty())
        return;
    const sf::FloatRect first = deck.cards.front().sprite.getGlobalBounds();
    deck.showDeckSprite.setPosition(first.left + kIconInset, first.top - kIconAbove);
}

void UpdateDeckHover(Game& game)
{
    Deck& deck = game.deck;
    const sf::Vector2f corner = ViewTopLeft(game.camera.view);
    const sf::Vector2i mouse = game.input ? MousePosition(*game.input) : sf::Vector2i{};
    const sf::Vector2i point{static_cast<int>(corner.x + static_cast<float>(mouse.x)),
                             static_cast<int>(corner.y + static_cast<float>(mouse.y))};
    deck.deckShown = PointInSprite(point, deck.showDeckSprite) ? 1 : 0;
}

void DrawDeck(Game& game, sf::RenderTarget& window)
{
    const Deck& deck = game.deck;
    if (game.hub.inHub == 1)
        return;
    for (int i = 0; i < deck.cardCount && i < kHandSize; i++)
        if (!Spent(deck.cards[static_cast<std::size_t>(i)]))
            window.draw(deck.cards[static_cast<std::size_t>(i)].sprite);
    if (deck.deckShown == 1)
        for (int i = kHandSize; i < deck.cardCount; i++)
            if (!Spent(deck.cards[static_cast<std::size_t>(i)]))
                window.draw(deck.cards[static_cast<std::size_t>(i)].sprite);
    window.draw(deck.showDeckSprite);
}

void RefillDeck(Deck& deck)
{
    for (Card& card : deck.cards)
        card.kind = card.dealtKind;
}

int SpentCards(const Deck& deck)
{
    int spent = 0;
    for (const Card& card : deck.cards)
        spent += Spent(card);
    return spent;
}
