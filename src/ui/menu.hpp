#pragma once
// The main menu: a wallpaper and four picture buttons, the options screen
// with the volume bar, the credits and the controls.
#include "ui/menu_element.hpp"

#include <vector>

struct MainData;

enum MenuScreen { MENU_MAIN = 0, MENU_OPTIONS = 1, MENU_CREDITS = 2, MENU_CONTROLS = 3 };

struct Menu {
    MenuImage wallpaper;
    MenuImage optionsPanel;
    MenuImage creditsPanel;
    MenuImage soundBar;
    MenuImage controlsPanel;
    MenuImage volumeLabel;
    MenuButton playButton;
    MenuButton quitButton;
    MenuButton optionsButton;
    MenuButton creditsButton;
    MenuButton soundCursor;
    MenuButton returnButton;         // options and controls screens
    MenuButton creditsReturnButton;  // credits screen
    MenuButton controlsButton;
    sf::Vector2f mousePosition{};
    sf::Vector2f offset{};  // the view's top-left corner at the last anchoring
    int screen = MENU_MAIN;
};

void InitMenu(MainData& main);
void UpdateMenu(MainData& main);
// The buttons of the screen shown light up from the stored mouse position.
void UpdateMenuHover(Menu& menu);
void DrawMenu(MainData& main);
void MenuMouseButtonPressed(MainData& main);
void MenuMouseMoved(const sf::Event::MouseMoveEvent& move, MainData& main);
void AnchorMenu(Menu& menu, sf::Vector2f viewCentre);
// The centres of the shown screen's buttons (and of the volume's grip on the
// options screen), in canvas pixels: the gamepad's d-pad steps between them.
std::vector<sf::Vector2f> MenuTargets(Menu& menu);
void DestroyMenu(MainData& main);
