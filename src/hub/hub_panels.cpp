// The hub's four panels: the seller's potions, the quest board, the card
// selector and the recap board. Each is shaped once and re-placed from the
// view's top-left when it opens; clicks land on rectangles of the hub
// table, in world coordinates.
#include "hub/hub.hpp"

#include "app/game.hpp"
#include "engine/assets.hpp"
#include "engine/collision.hpp"
#include "engine/input.hpp"
#include "engine/layout_table.hpp"

#include <algorithm>
#include <numeric>
#include <string>

namespace {

constexpr const char* kPriceFont = "Assets/Fonts/PiratesBay.ttf";
constexpr const char* kRecapFont = "Assets/Fonts/PixelPirate.ttf";
constexpr int kPotionHealth = 15;   // maximum health a health potion adds
constexpr float kPickedOutline = 2.f;
const sf::Color kPickedColour = sf::Color::Red;
const sf::Color kQuestOpenColour = sf::Color::Black;
const sf::Color kQuestDoneColour = sf::Color::Green;
const sf::Color kQuestClaimedColour = sf::Color::White;
constexpr sf::Uint8 kQuestWashAlpha = 60;  // a done quest's note is washed in its button's colour
// The number plaques of the recap board: as wide as the room before the
// next icon on the same row, 60 to 180 px, starting 10 px before the number.
constexpr float kPlaqueMinWidth = 60.f, kPlaqueMaxWidth = 180.f, kPlaqueLead = 10.f, kPlaqueHeight = 92.f;

sf::Vector2f TopLeft(sf::Vector2f viewCentre)
{
    return viewCentre - sf::Vector2f{kScreenHalfWidth, kScreenHalfHeight};
}

sf::Vector2f Plus(sf::Vector2f corner, float x, float y) { return corner + sf::Vector2f{x, y}; }

sf::RectangleShape Button(float width, float height, sf::Color fill = sf::Color::Transparent)
{
    sf::RectangleShape shape({width, height});
    shape.setFillColor(fill);
    shape.setOutlineColor(kPickedColour);
    return shape;
}

sf::RectangleShape Button(const HubRect& rect, sf::Color fill = sf::Color::Transparent)
{
    return Button(rect.width, rect.height, fill);
}

void Place(sf::Transformable& piece, sf::Vector2f corner, const HubRect& rect)
{
    piece.setPosition(Plus(corner, rect.left, rect.top));
}

int PotionCount(const Hub& hub)
{
    return std::accumulate(hub.potionLevels.begin(), hub.potionLevels.end(), 0);
}

// The room a tally's number has on its plaque before the next icon.
float RecapNumberRoom(int tally)
{
    const HubRect icon = RecapIconRect(tally);
    const float x = icon.Right() + kRecapIcons[static_cast<std::size_t>(tally)].textGap;
    const float y = RecapTextY(tally);
    float room = kPlaqueMaxWidth;
    for (int other = 0; other < kTallyCount; other++) {
        const HubRect o = RecapIconRect(other);
        if (other != tally && o.left > x && o.top < y + kPlaqueHeight - 2.f && o.Bottom() > y)
            room = std::min(room, o.left - x - 4.f);
    }
    return std::max(kPlaqueMinWidth, room) - 2.f * kPlaqueLead;
}

// A number shrinks to its plaque rather than spill over the next icon.
void FitNumber(sf::Text& text, int value, float room)
{
    text.setString(std::to_string(value));
    text.setScale(1.f, 1.f);
    const float width = text.getLocalBounds().left + text.getLocalBounds().width;
    if (width > room && width > 0.f)
        text.setScale(room / width, room / width);
}

// ---- Clicks ---------------------------------------------------------------------

void BuyPotion(Game& game, int kind)
{
    Hub& hub = game.hub;
    Player& player = game.player;
    const int level = hub.potionLevels[static_cast<std::size_t>(kind)];
    const int price = PotionPrice(level);
    if (level >= kPotionMaxLevel || price >= player.coins)
        return;
    ChangeCoins(game.hud, player, -price);
    if (kind == POTION_HEALTH) {
        // Maximum health grows and the health with it (a full bar stays full).
        player.bonusHealth += kPotionHealth;
        RaiseMaxHealth(game.hud, player, kPotionHealth);
    }
    hub.potionLevels[static_cast<std::size_t>(kind)] += 1;
    const sf::Vector2f corner = TopLeft(game.camera.view.getCenter());
    const HubPoint slot = PotionIconPlace(kind, level);
    AddPotion(hub, Plus(corner, slot.x, slot.y));
}

void SellerClick(Game& game, sf::Vector2i point, bool left)
{
    Hub& hub = game.hub;
    if (left && PointInShape(point, hub.sellerQuit))
        hub.panelOpen[PANEL_SELLER] = 0;
    for (int kind = 0; kind < POTION_KIND_COUNT; kind++)
        if (left && PointInShape(point, hub.buyButtons[static_cast<std::size_t>(kind)])) {
            BuyPotion(game, kind);
            OpenSeller(hub, game.camera.view.getCenter());  // refreshed prices and shelves; nothing read
        }
}

void SelectQuest(Hub& hub, int quest, sf::Vector2f corner)
{
    hub.questSelected.fill(0);
    hub.questSelected[static_cast<std::size_t>(quest)] = 1;
    hub.questButtons[static_cast<std::size_t>(quest)].setOutlineThickness(kPickedOutline);
    const HubPoint marker = QuestSelectionPlace(quest);
    hub.questSelection.setPosition(Plus(corner, marker.x, marker.y));
}

void QuestClick(Game& game, sf::Vector2i point, bool left)
{
    Hub& hub = game.hub;
    if (left && PointInShape(point, hub.questQuit))
        hub.panelOpen[PANEL_QUESTS] = 0;
    const sf::Vector2f corner = TopLeft(game.camera.view.getCenter());
    for (int q = 0; q < QUEST_COUNT; q++) {
        sf::RectangleShape& button = hub.questButtons[static_cast<std::size_t>(q)];
        if (!PointInShape(point, button)) {
            button.setOutlineThickness(0.f);
            continue;
        }
        if (hub.questSelected[static_cast<std::size_t>(q)] == 1 && hub.questDone[static_cast<std::size_t>(q)] == 1)
            button.setFillColor(kQuestClaimedColour);
        else if (hub.questDone[static_cast<std::size_t>(q)] == 0)
            SelectQuest(hub, q, corner);
    }
}

void PlaceCardMarker(Hub& hub, sf::Vector2f corner)
{
    const HubPoint marker = CardSelectionPlace(hub.chosenSpell);
    hub.cardSelection.setPosition(Plus(corner, marker.x, marker.y));
}

void CardClick(Game& game, sf::Vector2i point, bool left)
{
    Hub& hub = game.hub;
    if (left && PointInShape(point, hub.cardSelectorQuit))
        hub.panelOpen[PANEL_CARDS] = 0;
    for (int i = 0; i < kSpellChoices; i++) {
        sf::RectangleShape& button = hub.selectorButtons[static_cast<std::size_t>(i)];
        if (left && PointInShape(point, button)) {
            hub.spellChosen = 1;
            hub.chosenSpell = i;
            button.setOutlineThickness(kPickedOutline);
            PlaceCardMarker(hub, TopLeft(game.camera.view.getCenter()));
        } else {
            button.setOutlineThickness(0.f);
        }
    }
}

void RecapClick(Game& game, sf::Vector2i point)
{
    if (PointInShape(point, game.hub.recapQuit))  // any button
        game.hub.panelOpen[PANEL_RECAP] = 0;
}

}  // namespace

int PotionPrice(int level)
{
    return 10 * level + 10;
}

void InitHubPanels(Hub& hub, Assets& assets)
{
    for (int kind = 0; kind < POTION_KIND_COUNT; kind++) {
        hub.buyButtons[static_cast<std::size_t>(kind)] = Button(BuyButtonRect(kind));
        sf::Text& price = hub.priceTexts[static_cast<std::size_t>(kind)];
        price.setFont(GetFont(assets, kPriceFont));
        price.setCharacterSize(static_cast<unsigned>(kPriceTextSize));
        price.setFillColor(sf::Color::White);
    }
    hub.sellerQuit = Button(kSellerQuit, sf::Color::Red);
    hub.questQuit = Button(kQuestQuit, sf::Color::Red);
    hub.questArea = Button(kQuestArea);
    for (int q = 0; q < QUEST_COUNT; q++)
        hub.questButtons[static_cast<std::size_t>(q)] = Button(QuestButtonRect(q), kQuestOpenColour);
    hub.questCounters.fill(0);
    hub.questSelected.fill(0);
    hub.questDone.fill(0);
    hub.cardSelectorQuit = Button(kCardSelectorQuit, sf::Color::Red);
    hub.cardSelectorArea = Button(kCardSelectorArea);
    for (int i = 0; i < kSpellChoices; i++)
        hub.selectorButtons[static_cast<std::size_t>(i)] = Button(SpellButtonRect(i), sf::Color::Black);
    hub.recapQuit = Button(kRecapQuit);
    for (int i = 0; i < kTallyCount; i++) {
        const RecapIconInfo& info = kRecapIcons[static_cast<std::size_t>(i)];
        StripAnimation& anim = hub.recapIconAnims[static_cast<std::size_t>(i)];
        anim = StripAnimation{};
        anim.frameCount = info.frames;
        anim.row = info.row;
        anim.frameTime = info.frameTime;
        anim.looping = 1;
        anim.frameRect = {info.frameLeft, info.frameTop, info.frameWidth, info.frameHeight};
        sf::Text& text = hub.recapTexts[static_cast<std::size_t>(i)];
        text.setFont(GetFont(assets, kRecapFont));
        text.setCharacterSize(static_cast<unsigned>(kRecapTextSize));
        text.setFillColor(sf::Color::White);
    }
}

// Full-screen panels are cut to what they show: their transparent margins
// would cost a whole screen's fill for nothing.
void DressHubPanels(Hub& hub, Assets& assets)
{
    ShowVisibleArea(hub.shopSprite, assets, kShopSheet);
    ShowVisibleArea(hub.questPanel, assets, kQuestPanelSheet);
    ShowVisibleArea(hub.questBars, assets, kQuestBarsSheet);
    ShowVisibleArea(hub.cardSelectorBackground, assets, kCardSelectorBackgroundSheet);
    ShowVisibleArea(hub.recapPanel, assets, kRecapPanelSheet);
    hub.questSelection.setTexture(GetTexture(assets, kQuestSelectionSheet), true);
    hub.cardSelectors.setTexture(GetTexture(assets, kCardSelectorsSheet), true);
    hub.cardSelection.setTexture(GetTexture(assets, kCardSelectionSheet), true);
    hub.potionTexture = &GetTexture(assets, kPotionSheet);
    for (sf::Sprite& potion : hub.potions)
        potion.setTexture(*hub.potionTexture, true);
    hub.birdTexture = &GetTexture(assets, kRecapIcons[TALLY_BIRDS].sheet);
    hub.tankTexture = &GetTexture(assets, kRecapIcons[TALLY_TANKS].sheet);
    hub.monkeyTexture = &GetTexture(assets, kRecapIcons[TALLY_ARCHERS].sheet);
    for (int i = 0; i < kTallyCount; i++) {
        const RecapIconInfo& info = kRecapIcons[static_cast<std::size_t>(i)];
        sf::Sprite& icon = hub.recapIcons[static_cast<std::size_t>(i)];
        icon.setTexture(GetTexture(assets, info.sheet));
        icon.setTextureRect({info.frameLeft, info.frameTop, info.frameWidth, info.frameHeight});
        icon.setScale(info.scale, info.scale);
    }
}

void OpenSeller(Hub& hub, sf::Vector2f viewCentre)
{
    const sf::Vector2f corner = TopLeft(viewCentre);
    hub.shopSprite.setPosition(corner);
    for (int kind = 0; kind < POTION_KIND_COUNT; kind++) {
        const std::size_t k = static_cast<std::size_t>(kind);
        Place(hub.buyButtons[k], corner, BuyButtonRect(kind));
        const HubPoint at = PriceTextPlace(kind);
        hub.priceTexts[k].setString(std::to_string(PotionPrice(hub.potionLevels[k])));
        hub.priceTexts[k].setPosition(Plus(corner, at.x, at.y));
    }
    Place(hub.sellerQuit, corner, kSellerQuit);
    // The shelves fill from the left, kind by kind.
    hub.potions.resize(static_cast<std::size_t>(PotionCount(hub)));
    std::size_t icon = 0;
    for (int kind = 0; kind < POTION_KIND_COUNT; kind++)
        for (int slot = 0; slot < hub.potionLevels[static_cast<std::size_t>(kind)]; slot++, icon++) {
            const HubPoint at = PotionIconPlace(kind, slot);
            if (hub.potionTexture)
                hub.potions[icon].setTexture(*hub.potionTexture, true);
            hub.potions[icon].setPosition(Plus(corner, at.x, at.y));
        }
}

void AddPotion(Hub& hub, sf::Vector2f position)
{
    hub.potions.resize(static_cast<std::size_t>(PotionCount(hub)));
    if (hub.potions.empty())
        return;
    sf::Sprite& potion = hub.potions.back();
    if (hub.potionTexture)
        potion.setTexture(*hub.potionTexture, true);
    potion.setPosition(position);
}

void OpenQuestBoard(Hub& hub, sf::Vector2f viewCentre)
{
    const sf::Vector2f corner = TopLeft(viewCentre);
    Place(hub.questArea, corner, kQuestArea);
    hub.questPanel.setPosition(corner);
    hub.questBars.setPosition(corner);
    const auto selected = std::find(hub.questSelected.begin(), hub.questSelected.end(), 1);
    if (selected != hub.questSelected.end()) {
        const HubPoint marker = QuestSelectionPlace(static_cast<int>(selected - hub.questSelected.begin()));
        hub.questSelection.setPosition(Plus(corner, marker.x, marker.y));
    }
    hub.questDone.fill(0);
    for (int q = 0; q < QUEST_COUNT; q++) {
        Place(hub.questButtons[static_cast<std::size_t>(q)], corner, QuestButtonRect(q));
        hub.questButtons[static_cast<std::size_t>(q)].setFillColor(kQuestOpenColour);
    }
    Place(hub.questQuit, corner, kQuestQuit);
}

// Choosing a spell starts the quests over.
void OpenCardSelector(Hub& hub, sf::Vector2f viewCentre)
{
    const sf::Vector2f corner = TopLeft(viewCentre);
    hub.cardSelectorBackground.setPosition(corner);
    hub.cardSelectors.setPosition(Plus(corner, kCardSelectorsAt.x, kCardSelectorsAt.y));
    Place(hub.cardSelectorArea, corner, kCardSelectorArea);
    hub.questCounters.fill(0);
    hub.questSelected.fill(0);
    for (int i = 0; i < kSpellChoices; i++)
        Place(hub.selectorButtons[static_cast<std::size_t>(i)], corner, SpellButtonRect(i));
    Place(hub.cardSelectorQuit, corner, kCardSelectorQuit);
    PlaceCardMarker(hub, corner);  // the view may have moved since the spell was picked
}

void OpenRecapBoard(Hub& hub, sf::Vector2f viewCentre)
{
    const sf::Vector2f corner = TopLeft(viewCentre);
    hub.recapPanel.setPosition(corner);
    for (int i = 0; i < kTallyCount; i++) {
        const std::size_t t = static_cast<std::size_t>(i);
        const HubRect icon = RecapIconRect(i);
        hub.recapIcons[t].setPosition(Plus(corner, icon.left, icon.top));
        FitNumber(hub.recapTexts[t], hub.tallies[t], RecapNumberRoom(i));
        hub.recapTexts[t].setPosition(Plus(corner, icon.Right() + kRecapIcons[t].textGap, RecapTextY(i)));
    }
    Place(hub.recapQuit, corner, kRecapQuit);
}

void HubClick(Game& game, int button, int x, int y)
{
    Hub& hub = game.hub;
    if (game.loadingScreen.loadingActive == 1)
        return;
    const sf::Vector2f centre = game.camera.view.getCenter();
    const sf::Vector2i point{static_cast<int>(static_cast<float>(x) + centre.x - kScreenHalfWidth),
                             static_cast<int>(static_cast<float>(y) + centre.y - kScreenHalfHeight)};
    const bool left = button == kPointerButton;
    if (hub.panelOpen[PANEL_SELLER] == 1)
        SellerClick(game, point, left);
    else if (hub.panelOpen[PANEL_QUESTS] == 1)
        QuestClick(game, point, left);
    else if (hub.panelOpen[PANEL_CARDS] == 1)
        CardClick(game, point, left);
    else if (hub.panelOpen[PANEL_RECAP] == 1)
        RecapClick(game, point);
}

// One quest at most is marked a frame: coins first, then kills, then throws.
void CheckQuests(Hub& hub)
{
    const auto done = [&hub](int quest) {
        hub.questButtons[static_cast<std::size_t>(quest)].setFillColor(kQuestDoneColour);
        hub.questDone[static_cast<std::size_t>(quest)] = 1;
    };
    if (hub.questCounters[QUEST_COINS] >= kQuestTargets[QUEST_COINS])
        done(QUEST_COINS);
    else if (hub.questCounters[QUEST_KILLS] >= kQuestTargets[QUEST_KILLS])
        done(QUEST_KILLS);
    else if (hub.questCounters[QUEST_THROWS] >= kQuestTargets[QUEST_THROWS])
        done(QUEST_THROWS);
}

void CountCoinQuest(Hub& hub)
{
    if (hub.questSelected[QUEST_COINS] == 1)
        hub.questCounters[QUEST_COINS] += 1;
}

void CountThrowQuest(Hub& hub)
{
    if (hub.questSelected[QUEST_THROWS] == 1)
        hub.questCounters[QUEST_THROWS] += 1;
}

void StepRecapIcons(Hub& hub, float dt)
{
    for (int i = TALLY_BIRDS; i < kTallyCount; i++) {
        StripAnimation& anim = hub.recapIconAnims[static_cast<std::size_t>(i)];
        anim.timer += dt;
        ShowStripFrame(anim, hub.recapIcons[static_cast<std::size_t>(i)]);
        if (anim.timer > anim.frameTime * static_cast<float>(anim.frameCount))
            anim.timer = 0.f;
    }
}

void DrawSeller(Game& game, sf::RenderTarget& window)
{
    const Hub& hub = game.hub;
    if (hub.panelOpen[PANEL_SELLER] != 1)
        return;
    window.draw(hub.shopSprite);
    const std::size_t shown = std::min(hub.potions.size(), static_cast<std::size_t>(PotionCount(hub)));
    for (std::size_t i = 0; i < shown; i++)
        window.draw(hub.potions[i]);
    for (const sf::Text& price : hub.priceTexts)
        window.draw(price);
}

// A done quest's note is washed green (white once claimed): the buttons
// themselves are never drawn.
void DrawQuestBoard(Game& game, sf::RenderTarget& window)
{
    const Hub& hub = game.hub;
    if (hub.panelOpen[PANEL_QUESTS] != 1)
        return;
    window.draw(hub.questPanel);
    if (std::find(hub.questSelected.begin(), hub.questSelected.end(), 1) != hub.questSelected.end())
        window.draw(hub.questSelection);
    window.draw(hub.questBars);
    for (const sf::RectangleShape& button : hub.questButtons) {
        sf::Color colour = button.getFillColor();
        if (colour == kQuestOpenColour)
            continue;
        sf::RectangleShape wash = button;
        colour.a = kQuestWashAlpha;
        wash.setFillColor(colour);
        wash.setOutlineThickness(0.f);
        window.draw(wash);
    }
}

void DrawCardSelector(Game& game, sf::RenderTarget& window)
{
    const Hub& hub = game.hub;
    if (hub.panelOpen[PANEL_CARDS] != 1)
        return;
    window.draw(hub.cardSelectorBackground);
    if (hub.spellChosen == 1)  // no marker before a spell is picked
        window.draw(hub.cardSelection);
    window.draw(hub.cardSelectors);
}

void DrawRecapBoard(Game& game, sf::RenderTarget& window)
{
    const Hub& hub = game.hub;
    if (hub.panelOpen[PANEL_RECAP] != 1)
        return;
    window.draw(hub.recapPanel);
    for (int i = 0; i < kTallyCount; i++) {
        window.draw(hub.recapIcons[static_cast<std::size_t>(i)]);
        window.draw(hub.recapTexts[static_cast<std::size_t>(i)]);
    }
}
