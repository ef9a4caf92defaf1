#pragma once
// The walkable home map between runs: the seller's laboratory, the quest
// board, the card selector, the recap board and the dress room, the
// training dummy, the test range and the exit to the next run. Where
// everything stands is the hub table's.
#include "engine/strip_animation.hpp"
#include "hub/hub_table.hpp"
#include "hub/tally_table.hpp"

#include <SFML/Graphics/RectangleShape.hpp>
#include <SFML/Graphics/RenderTarget.hpp>
#include <SFML/Graphics/Sprite.hpp>
#include <SFML/Graphics/VertexArray.hpp>
#include <SFML/Graphics/Text.hpp>
#include <array>
#include <string>
#include <vector>

struct Assets;
struct Game;

// A decor piece of the hub, or a puff of the dress room.
struct HubDecor {
    sf::Sprite sprite;
    StripAnimation animation;
};

// The seller's potions, by what one more level of each raises.
enum PotionKind { POTION_HEALTH = 0, POTION_MELEE = 1, POTION_SPELL = 2, POTION_COIN = 3, POTION_KIND_COUNT = 4 };
// The quest board's quests, by what each counts.
enum QuestKind { QUEST_COINS = 0, QUEST_THROWS = 1, QUEST_KILLS = 2, QUEST_COUNT = 3 };
// The panels, in the order a click serves them; the dress room has a slot
// but no panel.
enum HubPanel { PANEL_SELLER = 0, PANEL_QUESTS = 1, PANEL_CARDS = 2, PANEL_RECAP = 3, PANEL_DRESS_ROOM = 4, PANEL_COUNT = 5 };

struct Hub {
    sf::Sprite hubMap;
    sf::Sprite dummySwords;
    sf::Sprite glowSubstance;
    sf::Sprite hubDetails;
    sf::Sprite rock;
    // Both are mostly holes: drawn as their pieces (the cache's), in the
    // sprites' places.
    const sf::VertexArray* hubDetailsPieces = nullptr;
    const sf::VertexArray* rockPieces = nullptr;
    int inHub = 0;  // 1 in the hub, 0 in a level
    std::vector<sf::RectangleShape> walls;  // never drawn
    int wallCount = 0;
    // Card selector.
    sf::Sprite cardSelectorBackground;
    sf::Sprite cardSelection;  // the marker on the picked spell
    sf::Sprite cardSelectors;
    sf::RectangleShape cardSelectorZone;
    sf::RectangleShape cardSelectorQuit;
    std::array<sf::RectangleShape, kSpellChoices> selectorButtons;
    int chosenSpell = 0;
    sf::RectangleShape cardSelectorArea;
    // Seller.
    sf::Sprite shopSprite;
    std::vector<sf::Sprite> potions;  // one per potion bought
    std::array<sf::Text, POTION_KIND_COUNT> priceTexts;
    std::array<sf::RectangleShape, POTION_KIND_COUNT> buyButtons;
    sf::RectangleShape sellerQuit;
    sf::RectangleShape sellerZone;
    std::array<int, POTION_KIND_COUNT> potionLevels{};  // potions bought of each kind, 0..8
    // Quest board.
    sf::Sprite questPanel;
    sf::Sprite questBars;
    sf::Sprite questSelection;  // the marker on the selected quest
    sf::RectangleShape questZone;
    sf::RectangleShape questQuit;
    std::array<sf::RectangleShape, QUEST_COUNT> questButtons;
    std::array<int, QUEST_COUNT> questCounters{};
    std::array<int, QUEST_COUNT> questSelected{};  // 0/1, at most one selected
    std::array<int, QUEST_COUNT> questDone{};
    sf::RectangleShape questArea;
    // The scoreboard and the dress room light up while the player stands there.
    sf::Sprite scoreboard;
    const sf::Texture* scoreboardTexture = nullptr;
    const sf::Texture* scoreboardLitTexture = nullptr;
    sf::Sprite dressRoom;
    const sf::Texture* dressRoomTexture = nullptr;
    const sf::Texture* dressRoomLitTexture = nullptr;
    std::array<long long, PANEL_COUNT> panelOpen{};
    sf::RectangleShape exitZone;
    int spellChosen = 0;  // a spell was picked: A, C and E throw it here
    std::array<HubDecor, HUB_DECOR_COUNT> decor;
    // Recap board.
    sf::Sprite recapPanel;
    const sf::Texture* birdTexture = nullptr;
    const sf::Texture* tankTexture = nullptr;
    const sf::Texture* monkeyTexture = nullptr;
    std::array<sf::Sprite, TALLY_COUNT> recapIcons;
    std::array<StripAnimation, TALLY_COUNT> recapIconAnims{};  // icons 2..6 move
    std::array<sf::Text, TALLY_COUNT> recapTexts;
    std::array<int, TALLY_COUNT> tallies{};
    sf::RectangleShape recapQuit;
    // Beyond the map's own record.
    const sf::Texture* potionTexture = nullptr;
    const sf::Texture* puffTexture = nullptr;
    int dressed = 0;        // its pictures are on its sprites (they are decoded on the first arrival)
    int interactHeld = 0;   // F was down at the end of the last hub frame: a panel or a skin wants a new press
    int runNumber = 0;      // runs started from the hub
    int debugHitboxes = 0;  // TIDEWRACK_DEBUG_HITBOXES=1: walls and zones outlined
};

// ---- Map, zones, walls, exit (hub.cpp) -----------------------------------------
// Shapes the hub at game start and gives its texts their fonts (read now,
// they are small); its pictures come with DressHub.
void InitHub(Hub& hub, Assets& assets);
// The pictures only the hub shows (kept folded while a run is on).
std::vector<std::string> HubOwnPictures();
// Every picture the hub shows: its own, the recap's icons (the enemies'
// sheets) and the dress room's skins: what the first arrival's loading
// screen decodes.
std::vector<std::string> HubPictures();
// Puts the pictures on the sprites (read from the cache; in play they are
// decoded behind the first arrival's loading screen).
void DressHub(Hub& hub, Assets& assets);
// Every way into the hub (the tutorial's door, the death screen, the win
// screen) ends here: one arrival point, the camera on the hub, the dummy in
// place, no bombs. The first arrival shows the loading screen.
void EnterHub(Game& game);
void UpdateHub(Game& game, float dt);
// The exit: the dummy goes (only it), the deck is refilled, the test bombs,
// puffs and decor go, and the loading screen runs before the next level.
void LeaveHub(Game& game);
// The first level of a run, built when the loading screen ends.
void StartRun(Game& game);
void HubKeyPressed(Game& game, int key);
void AddSkinAnimation(Game& game);
void UpdateSkinAnimations(Game& game, float dt);
void DrawHubMap(Game& game, sf::RenderTarget& window);
void DrawHubForeground(Game& game, sf::RenderTarget& window);
// With TIDEWRACK_DEBUG_HITBOXES=1: walls red, zones yellow (lit: thicker), the exit blue.
void DrawHubHitboxes(const Game& game, sf::RenderTarget& window);
bool AnyPanelOpen(const Hub& hub);
// The zone areas the player is tested against (world rectangles).
sf::FloatRect HubZoneArea(const Hub& hub, int panel);

// ---- Panels (hub_panels.cpp) ----------------------------------------------------
// Each panel is shaped once (InitHubPanels) and only re-placed when opened,
// from the camera view's centre.
void InitHubPanels(Hub& hub, Assets& assets);
void DressHubPanels(Hub& hub, Assets& assets);
void OpenSeller(Hub& hub, sf::Vector2f viewCentre);
void OpenQuestBoard(Hub& hub, sf::Vector2f viewCentre);
void OpenCardSelector(Hub& hub, sf::Vector2f viewCentre);
void OpenRecapBoard(Hub& hub, sf::Vector2f viewCentre);
// The hub's mouse button: the first open panel serves the click.
void HubClick(Game& game, int button, int x, int y);
void AddPotion(Hub& hub, sf::Vector2f position);
void CheckQuests(Hub& hub);
// A coin picked up counts for the coin quest while that quest is selected.
void CountCoinQuest(Hub& hub);
// A spell thrown counts for the throw quest while that quest is selected.
void CountThrowQuest(Hub& hub);
void StepRecapIcons(Hub& hub, float dt);
void DrawSeller(Game& game, sf::RenderTarget& window);
void DrawCardSelector(Game& game, sf::RenderTarget& window);
void DrawQuestBoard(Game& game, sf::RenderTarget& window);
void DrawRecapBoard(Game& game, sf::RenderTarget& window);
// 10 coins for the first potion of a kind, 10 more for each one after.
int PotionPrice(int level);
