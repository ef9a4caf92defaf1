#include "hub/hub.hpp"

#include "app/game.hpp"
#include "engine/layout_table.hpp"

void InitHub(Hub& hub)
{
    hub.inHub = 0;
    hub.panelOpen.fill(0);
}

bool AnyPanelOpen(const Hub& hub)
{
    for (long long open : hub.panelOpen)
        if (open == 1)
            return true;
    return false;
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

// Walking out of the hub: a fresh level, the player at its start, a full deck.
void LeaveHub(Game& game)
{
    RefillDeck(game.deck);
    ResetLevel(game.level);
    BuildLevel(game.level, game);
    ResetCamera(game.camera);
    SetCameraBounds(game.camera, game.level.cursorX, kLayerTop);
    game.player.hitbox.setPosition(50.f, 400.f);
    game.hub.inHub = 0;
}

// The hub's map is not built yet: arriving there walks straight on into
// the next level, so a run never ends in an empty place.
void UpdateHub(Game& game, float)
{
    if (game.hub.inHub == 1)
        LeaveHub(game);
}

void UpdateSkinAnimations(Game&, float) {}
void HubKeyPressed(Game&, int) {}
void HubClick(Game&, int, int, int) {}
void DrawHubMap(Game&, sf::RenderTarget&) {}
void DrawHubForeground(Game&, sf::RenderTarget&) {}
void DrawHubPanels(Game&, sf::RenderTarget&) {}
void DrawRecapBoard(Game&, sf::RenderTarget&) {}
