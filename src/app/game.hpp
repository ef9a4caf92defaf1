#pragma once
// The running game: every game subsystem's record, created once at start,
// and the per-frame orders of the hub and of a level.
#include "boss/boss.hpp"
#include "combat/bombs.hpp"
#include "combat/deck.hpp"
#include "enemies/enemies.hpp"
#include "engine/camera.hpp"
#include "hub/hub.hpp"
#include "player/player.hpp"
#include "ui/dialogue.hpp"
#include "ui/hud.hpp"
#include "ui/loading_screen.hpp"
#include "world/background.hpp"
#include "world/level.hpp"

#include <vector>

struct Assets;
struct Input;
struct MainData;

enum Mode { MODE_MENU = 0, MODE_GAME = 1, MODE_PAUSE = 2 };

// Where the running game is, read from the records' own flags.
enum Scene {
    SCENE_TUTORIAL,         // the first level, whose door leads to the hub
    SCENE_LEVEL,            // a random level
    SCENE_DOOR_TRANSITION,  // a door's fade to the next level
    SCENE_HUB,
    SCENE_ARENA,            // the boss's one-screen arena
    SCENE_DEATH_SCREEN,
    SCENE_WIN_SCREEN,       // the boss beaten: the run's end
    SCENE_LOADING,          // the loading screen, over a place held still
};

struct Game {
    Assets* assets = nullptr;      // the shared file cache
    const Input* input = nullptr;  // every key and mouse poll reads this
    Camera camera;
    Enemies enemies;
    int deathScreen = 0;
    int mode = MODE_MENU;          // read by all three dispatches of the main loop
    Player player;
    Deck deck;
    Hud hud;
    Level level;
    Bombs bombs;
    Dialogue dialogue;
    Background background;
    Hub hub;
    Boss boss;
    LoadingScreen loadingScreen;
    std::vector<HubDecor> skinAnimations;
    int inDressRoomZone = 0;
    int skinAnimationCount = 0;
};

Scene CurrentScene(const Game& game);
// A level that is not the tutorial (the arena and the death screen too):
// enemies fight, drops fall, the HUD shows health and mana.
bool InLevelPlay(const Game& game);
const char* SceneName(Scene scene);

void InitGame(MainData& main);
void UpdateGame(MainData& main, float dt);
void DrawGame(MainData& main);
void GameKeyPressed(MainData& main);
void GameMouseButtonPressed(MainData& main);
void GameMouseMoved(MainData& main);
void DestroyGame(MainData& main);

// The level's elements against the player, in their order of the frame.
void UpdateLevelElements(Game& game, float dt);
// The screen-fixed pieces (HUD, parallax, both menus) follow the view the
// camera has just applied.
void AnchorToView(MainData& main);
