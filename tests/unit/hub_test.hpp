#pragma once
// The hub with the player standing in it, its dummy in the roster and the
// HUD up. The hub's pictures are put on only by the tests that look at them
// (DressHub): the rules work on the table's rectangles.
#include "app/loading.hpp"
#include "game_test.hpp"

struct HubTest : GameTest {
    static constexpr float kFrame = 1.f / 60.f;
    Hub& hub = game->hub;
    Player& player = game->player;
    Enemies& enemies = game->enemies;

    void SetUp() override
    {
        GameTest::SetUp();
        InitCamera(game->camera, 0);
        InitPlayer(*game);
        player.cinematicState = CINEMATIC_NONE;
        player.hasArms = 1;
        player.slamming = 0;
        InitEnemies(enemies, *assets);  // with the dummy
        InitDeck(game->deck);
        InitHud(game->hud, *assets, player);
        InitBombs(game->bombs);
        InitHub(hub, *assets);
        LoadLoadingScreen(game->loadingScreen, *assets);
        hub.dressed = 1;  // no loading screen on the way in
        EnterHub(*game);
        Hold(sf::Keyboard::F, false);
        Frame();  // F is up: the next press is a new one
    }
    // One hub frame, as the running game orders it.
    void Frame()
    {
        if (!AnyPanelOpen(hub)) {
            UpdatePlayer(kFrame, *game);
            UpdateEnemies(enemies, kFrame, *game);
        }
        UpdateHub(*game, kFrame);
        UpdateSkinAnimations(*game, kFrame);
    }
    void Frames(int n)
    {
        for (int i = 0; i < n; i++)
            Frame();
    }
    // The body standing on the floor at x (its middle), feet at `floor`.
    void StandAt(float x, float floor)
    {
        const sf::FloatRect body = player.hitbox.getGlobalBounds();
        player.hitbox.setPosition(x - body.width / 2.f, floor - body.height);
        player.velocityY = 0.f;
    }
    void StandIn(const HubRect& zone, float floor) { StandAt(zone.left + zone.width / 2.f, floor); }
    // A click at the middle of a panel rectangle (screen pixels).
    void Click(const HubRect& rect, sf::Mouse::Button button = sf::Mouse::Left)
    {
        HubClick(*game, button, static_cast<int>(rect.left + rect.width / 2.f),
                 static_cast<int>(rect.top + rect.height / 2.f));
    }
    // F pressed for one frame, then let go for one.
    void PressF()
    {
        Hold(sf::Keyboard::F);
        HubKeyPressed(*game, sf::Keyboard::F);
        Frame();
        Hold(sf::Keyboard::F, false);
        Frame();
    }
    void Open(int panel)
    {
        switch (panel) {
        case PANEL_SELLER: StandIn(kSellerZone, kHubGroundY); break;
        case PANEL_QUESTS: StandIn(kQuestZone, kHubWalls[0].top); break;
        case PANEL_CARDS: StandIn(kCardSelectorZone, kHubGroundY); break;
        }
        PressF();
        ASSERT_EQ(hub.panelOpen[static_cast<std::size_t>(panel)], 1) << "panel " << panel;
    }
    void GiveCoins(int coins) { ChangeCoins(game->hud, player, coins - player.coins); }
    // The loading screen runs to its end, and builds what it leads to.
    void FinishLoadingScreen()
    {
        while (game->loadingScreen.loadingActive == 1)
            UpdateLoading(*game, kFrame);
    }
};
