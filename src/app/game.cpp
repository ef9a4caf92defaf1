#include "app/game.hpp"

#include "app/loading.hpp"
#include "app/main_data.hpp"
#include "engine/input.hpp"

// Creates every game subsystem once; the level's init opens the cinematic.
void InitGame(MainData& main)
{
    Game& game = main.game;
    game.assets = &main.assets;
    game.input = &main.input;
    InitCamera(game.camera, game.level.cursorX);
    InitBackground(game.background, main.assets);
    InitPlayer(game);
    InitLevel(game.level, game);
    InitObstacles(game);
    InitEnemies(game.enemies, *game.assets);
    InitDeck(game.deck, game.assets);
    InitBoss(game.boss, *game.assets);
    InitHud(game.hud, *game.assets, game.player);
    InitBombs(game.bombs, game.assets);
    InitHub(game.hub, *game.assets);
    LoadLoadingScreen(game.loadingScreen, *game.assets);  // its pictures are read once, at start
    LoadDialogue(game.dialogue, *game.assets);
    game.loadingScreen.loadingActive = 0;
    game.inDressRoomZone = 0;
    game.skinAnimationCount = 0;
    game.skinAnimations.clear();
    main.startup = STARTUP_READY;  // built: start-up never builds it again
}

Scene CurrentScene(const Game& game)
{
    if (game.loadingScreen.loadingActive == 1)
        return SCENE_LOADING;
    if (game.deathScreen == 1)
        return SCENE_DEATH_SCREEN;
    if (game.hub.inHub == 1)
        return SCENE_HUB;
    if (game.hud.bossFight == 1)
        return game.boss.win.shown == 1 ? SCENE_WIN_SCREEN : SCENE_ARENA;  // the arena even from the tutorial's B
    if (game.player.frozen == 1)
        return SCENE_DOOR_TRANSITION;
    if (game.level.returnToHub == 1)
        return SCENE_TUTORIAL;
    return SCENE_LEVEL;
}

bool InLevelPlay(const Game& game)
{
    const Scene scene = CurrentScene(game);
    return scene != SCENE_HUB && scene != SCENE_TUTORIAL && scene != SCENE_LOADING;
}

const char* SceneName(Scene scene)
{
    switch (scene) {
    case SCENE_TUTORIAL: return "tutorial";
    case SCENE_LEVEL: return "level";
    case SCENE_DOOR_TRANSITION: return "door transition";
    case SCENE_HUB: return "hub";
    case SCENE_ARENA: return "arena";
    case SCENE_DEATH_SCREEN: return "death screen";
    case SCENE_WIN_SCREEN: return "win screen";
    case SCENE_LOADING: return "loading";
    }
    return "?";
}

void AnchorToView(MainData& main)
{
    Game& game = main.game;
    const sf::Vector2f centre = game.camera.view.getCenter();
    PlaceHud(game.hud, centre);
    UpdateParallax(game.background, centre, game.level.cursorX);
    AnchorPauseMenu(main.pauseMenu, centre);
    AnchorMenu(main.menu, centre);
}

// The camera follows the player; whatever is fixed to the screen follows
// the view it applied.
static void FollowPlayer(MainData& main, float dt)
{
    Game& game = main.game;
    const Player& player = game.player;
    if (UpdateCamera(game.camera, dt, player.sprite.getPosition(), player.hitbox.getGlobalBounds(), main.window))
        AnchorToView(main);
}

// The hub: a panel holds the player, the camera, the bombs and the dummy still.
static void UpdateHubFrame(MainData& main, float dt)
{
    Game& game = main.game;
    if (!AnyPanelOpen(game.hub)) {
        UpdatePlayer(dt, game);
        FollowPlayer(main, dt);
        UpdateBombs(game, dt);
        UpdateEnemies(game.enemies, dt, game);  // the training dummy
    }
    UpdateHub(game, dt);
    UpdateSkinAnimations(game, dt);
    UpdateDeck(game, dt);
}

void UpdateLevelElements(Game& game, float dt)
{
    Level& level = game.level;
    Player& player = game.player;
    const sf::FloatRect body = player.hitbox.getGlobalBounds();  // before the level pushes it
    CollideWithLevel(level, game);             // platforms hold it from above, walls from every side
    InteractWithLevel(level, dt, game, body);  // fountains, propellers, chests, doors; M and B ask
    KeepInsideMap(player, game.camera);        // nothing past the ends the camera shows
    SwitchLevel(level, game);                  // the level asked for, then a door's fade
    TakeSubstance(player, game, body);         // the tutorial's glowing substance
    ApplyLevelGravity(player, dt, body);
}

// The creature wonders about the glowing thing once the opening cinematic
// ends, once a game; leaving the tutorial takes the bubble away.
static void StepTutorialDialogue(Game& game, bool cinematicWasPlaying, float dt)
{
    Dialogue& dialogue = game.dialogue;
    if (cinematicWasPlaying && game.player.cinematicState == CINEMATIC_SUBSTANCE && dialogue.started == 0)
        InitDialogue(dialogue, game.player);
    if (dialogue.active == 1 && game.level.returnToHub != 1)
        DestroyDialogue(dialogue);
    UpdateDialogue(dialogue, dt, game.player);
}

// A level: enemies move before the player; the player keeps updating under
// the death screen, only the camera stops.
static void UpdateLevelFrame(MainData& main, float dt)
{
    Game& game = main.game;
    UpdateEnemies(game.enemies, dt, game);
    const bool cinematicPlaying = game.player.cinematicState == CINEMATIC_PLAYING;
    UpdatePlayer(dt, game);
    StepTutorialDialogue(game, cinematicPlaying, dt);
    UpdateHud(game.hud, dt, game);
    UpdateLevelElements(game, dt);
    UpdateBombs(game, dt);
    if (game.deathScreen == 0)
        FollowPlayer(main, dt);
    UpdateLevelAnimations(game, dt);
    if (game.hud.bossFight == 1)
        UpdateBoss(game.boss, dt, game);
    UpdateBackground(game, dt);
    UpdateDeck(game, dt);
}

void UpdateGame(MainData& main, float dt)
{
    if (main.game.loadingScreen.loadingActive == 1)
        UpdateLoading(main.game, dt);  // the place behind the screen is held
    else if (main.game.hub.inHub == 1)
        UpdateHubFrame(main, dt);
    else
        UpdateLevelFrame(main, dt);
}

static void DrawHubFrame(MainData& main)
{
    Game& game = main.game;
    sf::RenderTarget& window = main.window;
    DrawHubMap(game, window);
    DrawPlayer(game, window);
    for (HubDecor& puff : game.skinAnimations)
        window.draw(puff.sprite);
    DrawBombs(game, window);
    DrawHubForeground(game, window);
    DrawSeller(game, window);  // each panel only while open
    DrawCardSelector(game, window);
    DrawQuestBoard(game, window);
    DrawEnemies(game, window);
    DrawDamageTexts(game, window);
    DrawRecapBoard(game, window);
    DrawHud(game.hud, window, game.hub);
    DrawHubHitboxes(game, window);
}

// Back to front. The door fade covers the level and the player but not the
// cards or the death screen.
static void DrawLevelFrame(MainData& main)
{
    Game& game = main.game;
    sf::RenderTarget& window = main.window;
    if (WinScreenHidesArena(game, window)) {
        DrawWinScreen(game, window);
        DrawHitboxOverlay(game, window);
        return;
    }
    DrawBackground(game, window);
    DrawLevel(game.level, window);
    DrawBackgroundFront(game, window);
    DrawEnemies(game, window);
    if (game.hud.bossFight == 1)
        DrawBoss(game.boss, window);
    DrawLevelFront(game.level, window);
    if (game.deathScreen == 0) {
        DrawPlayer(game, window);
        DrawBombs(game, window);
        DrawHud(game.hud, window, game.hub);
        DrawDamageTexts(game, window);
    }
    DrawDialogue(game.dialogue, window);
    DrawLevelFade(game.level, window);
    DrawDeck(game, window);
    DrawDeathScreen(game, window);
    DrawWinScreen(game, window);
    DrawHitboxOverlay(game, window);
}

// The loading screen's backdrop hides the whole place: nothing under it is
// drawn. The cards and the death screen stay above it.
static void DrawLoadingFrame(MainData& main)
{
    Game& game = main.game;
    DrawLoadingScreen(game.loadingScreen, main.window);
    if (game.hub.inHub != 1) {
        DrawDeck(game, main.window);
        DrawDeathScreen(game, main.window);
    }
}

void DrawGame(MainData& main)
{
    if (main.game.loadingScreen.loadingActive == 1)
        DrawLoadingFrame(main);
    else if (main.game.hub.inHub == 1)
        DrawHubFrame(main);
    else
        DrawLevelFrame(main);
}

void GameKeyPressed(MainData& main)
{
    if (main.game.hub.inHub == 1)
        HubKeyPressed(main.game, main.event.key.code);
    else
        PlayCard(main.game, main.event.key.code);
}

void GameMouseButtonPressed(MainData& main)
{
    Game& game = main.game;
    const sf::Event::MouseButtonEvent click = main.event.mouseButton;
    if (game.hub.inHub != 1) {
        if (game.dialogue.active == 1)
            DialogueClick(game.dialogue);
        DeathScreenClick(game, {click.x, click.y});
        if (IsActionButton(ACTION_SWING, click.button))
            WinScreenClick(game);
    } else {
        HubClick(game, click.button, click.x, click.y);
    }
    if (IsActionButton(ACTION_DETONATE, click.button))
        DetonateBomb(game.bombs);
    if (IsActionButton(ACTION_BACK_TO_MENU, click.button)) {
        // The menu ends a boss fight as it ends the enemies. The arena has
        // no door: a fight or a win screen left this way ends the run, and
        // Play takes the player up in the hub.
        if (game.hud.bossFight == 1 && game.deathScreen == 0)
            SendPlayerToHub(game);
        ResetEnemies(game.enemies);
        LeaveArena(game);
    }
}

void GameMouseMoved(MainData& main)
{
    UpdateDeckHover(main.game);
}

void DestroyGame(MainData& main)
{
    DestroyPlayer(main.game);
    DestroyHud(main.game.hud);
}
