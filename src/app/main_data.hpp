#pragma once
// The one record of the program: the window, the event being dispatched,
// the frame clock, the shared services and every mode's state.
#include "app/game.hpp"
#include "app/recording.hpp"
#include "app/window.hpp"
#include "engine/assets.hpp"
#include "engine/input.hpp"
#include "engine/sound_bank.hpp"
#include "ui/menu.hpp"
#include "ui/pause_menu.hpp"

#include <SFML/Graphics/RenderWindow.hpp>
#include <SFML/System/Clock.hpp>

enum StartupStep { STARTUP_FIRST_FRAME, STARTUP_DECODING, STARTUP_READY };

struct MainData {
    sf::RenderWindow window;
    sf::Event event{};  // the handlers read the event being dispatched from here
    sf::Clock clock;
    Assets assets;      // before the bank: its buffers outlive the bank's players
    Input input;
    SoundBank soundBank;
    Menu menu;
    Game game;
    PauseMenu pauseMenu;
    bool open = false;    // closing only marks this: the frame still updates and draws
    float fixedDt = 0.f;  // > 0 replaces the clock's frame time (scripted runs)
    float frameDt = 0.f;  // > 0 replaces it for this frame only (a replay's recorded time)
    WindowState windowState;
    Recording recording;  // --record: what the player does, as a script
    // Start-up: the first menu frame shows before the game's big pictures
    // are decoded; they are decoded behind the menu and the game is built
    // once they are all in (STARTUP_READY).
    int startup = STARTUP_FIRST_FRAME;

    MainData() = default;
    MainData(const MainData&) = delete;
    MainData& operator=(const MainData&) = delete;
};

// Opens the window and builds the menus; the game itself is built behind
// the menu (UpdateMain) or by FinishStartup.
void InitMain(MainData& main, unsigned seed);
// Waits for the pictures still being decoded and builds the game, once.
// Leaving the menu before start-up is over calls it.
void FinishStartup(MainData& main);
void CloseWindow(MainData& main);
void PollEvents(MainData& main);
// Every event the game hears goes through here, whether the window, a
// script or a gamepad made it: it is recorded, fed to the input record and
// dispatched. A click elsewhere than the pointer first moves it there; a
// release happens where the pointer is.
void TakeEvent(MainData& main, sf::Event event);
void DispatchEvent(MainData& main);  // dispatches `main.event`
void OnKeyPressed(MainData& main);
void OnMouseButtonPressed(MainData& main);
void OnMouseMoved(MainData& main);
void OnLostFocus(MainData& main);
// The gamepads present before the window opened: they send no connection.
void ConnectPresentPads(MainData& main);
// What the gamepad sees of the game now: menus and panels take the pointer.
PadView CurrentPadView(MainData& main);
void UpdateMain(MainData& main);
void RenderMain(MainData& main);  // clear and draw the mode, without display
void DrawMain(MainData& main);
void DestroyMain(MainData& main);
