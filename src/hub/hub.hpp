#pragma once
// The walkable home map between runs.
#include <SFML/Graphics/RenderTarget.hpp>
#include "engine/strip_animation.hpp"
#include "hub/tally_table.hpp"

#include <SFML/Graphics/Sprite.hpp>
#include <array>

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

struct Hub {
    int inHub = 0;                    // 1 in the hub, 0 in a level
    std::array<long long, 5> panelOpen{};  // seller, quest board, card selector, recap board, dress room
    std::array<int, POTION_KIND_COUNT> potionLevels{};  // potions bought of each kind, 0..8
    std::array<int, QUEST_COUNT> questCounters{};
    std::array<int, QUEST_COUNT> questSelected{};        // 0/1, at most one selected
    std::array<int, TALLY_COUNT> tallies{};              // the recap board's numbers
};

void InitHub(Hub& hub);
void UpdateHub(Game& game, float dt);
void UpdateSkinAnimations(Game& game, float dt);
void LeaveHub(Game& game);
void HubKeyPressed(Game& game, int key);
void HubClick(Game& game, int button, int x, int y);
void DrawHubMap(Game& game, sf::RenderTarget& window);
void DrawHubForeground(Game& game, sf::RenderTarget& window);
void DrawHubPanels(Game& game, sf::RenderTarget& window);
void DrawRecapBoard(Game& game, sf::RenderTarget& window);
bool AnyPanelOpen(const Hub& hub);
// A coin picked up counts for the coin quest while that quest is selected.
void CountCoinQuest(Hub& hub);
// A spell thrown counts for the throw quest while that quest is selected.
void CountThrowQuest(Hub& hub);
