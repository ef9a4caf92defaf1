#pragma once
// The walkable home map between runs.
#include <SFML/Graphics/RenderTarget.hpp>
#include "engine/strip_animation.hpp"

#include <SFML/Graphics/Sprite.hpp>
#include <array>

struct Game;

// A decor piece of the hub, or a puff of the dress room.
struct HubDecor {
    sf::Sprite sprite;
    StripAnimation animation;
};

struct Hub {
    int inHub = 0;                    // 1 in the hub, 0 in a level
    std::array<long long, 5> panelOpen{};  // seller, quest board, card selector, recap board, dress room
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
