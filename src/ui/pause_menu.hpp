#pragma once
// The pause menu, drawn over the frozen game: options (its own copy of the
// volume bar, kept in step with the main menu's), controls, an invisible
// resume area and the way back to the main menu.
#include "ui/menu_element.hpp"

#include <SFML/Graphics/Texture.hpp>
#include <memory>

#include <vector>

struct MainData;
struct Menu;

enum PauseScreen { PAUSE_MAIN = 0, PAUSE_OPTIONS = 1, PAUSE_CONTROLS = 2 };

struct PauseMenu {
    MenuImage pausePanel;
    MenuImage shadow;
    MenuImage controlsPanel;
    MenuImage soundBar;
    MenuImage volumeLabel;
    MenuButton returnButton;  // never drawn: the panel's art shows the way back
    MenuButton optionsButton;
    MenuButton controlsButton;
    MenuButton menuButton;
    MenuButton soundCursor;
    sf::Vector2f mousePosition{};
    sf::Vector2f offset{};  // the view's top-left corner at the last anchoring
    int screen = PAUSE_MAIN;
    // The frozen game under its shadow, as the window showed it when the
    // pause was first drawn: later pause frames show this one picture.
    // Made at the first pause: a texture made before the window would set
    // up OpenGL's shared context ahead of it.
    std::unique_ptr<sf::Texture> frozen;
    bool frozenTaken = false;  // false: the next pause frame draws the game and takes it again
};

void InitPauseMenu(PauseMenu& pause, Menu& menu, MainData& main);
void UpdatePauseMenu(MainData& main, PauseMenu& pause);
// The buttons of the screen shown light up from the stored mouse position.
void UpdatePauseHover(PauseMenu& pause);
// The game under the pause's shadow: drawn once and kept, then shown from
// the kept picture. Anything that changes the game or the window's size
// calls ForgetFrozenGame.
void DrawFrozenGame(MainData& main, PauseMenu& pause);
void ForgetFrozenGame(PauseMenu& pause);
// The panel of the screen shown, over the frozen game.
void DrawPauseMenu(MainData& main, PauseMenu& pause);
void PauseMouseButtonPressed(MainData& main);
void PauseMouseMoved(const sf::Event::MouseMoveEvent& move, PauseMenu& pause);
void AnchorPauseMenu(PauseMenu& pause, sf::Vector2f viewCentre);
// As MenuTargets: the shown screen's buttons, the resume area included.
std::vector<sf::Vector2f> PauseTargets(PauseMenu& pause);
void DestroyPauseMenu(PauseMenu& pause);
