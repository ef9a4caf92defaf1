#include "ui/pause_menu.hpp"

#include "app/main_data.hpp"
#include "engine/layout_table.hpp"
#include "engine/window_picture.hpp"
#include "ui/volume_bar.hpp"

namespace {

std::string PauseFile(const char* name) { return std::string("Assets/Sprites/Menu/") + name; }

sf::Vector2f At(ScreenPoint point) { return {point.x, point.y}; }

void InitImage(MenuImage& image, Assets& assets, const char* name, ScreenPoint at, bool centred)
{
    InitMenuImage(image, assets, PauseFile(name), At(at), centred);
}

void InitButton(MenuButton& button, Assets& assets, const char* name, const char* hoverName, ScreenPoint at)
{
    InitMenuButton(button, assets, PauseFile(name), PauseFile(hoverName), At(at), false);
}

float CursorCentreX(const MenuButton& cursor) { return cursor.bounds.left + cursor.bounds.width / 2.f; }

}  // namespace

void InitPauseMenu(PauseMenu& pause, Menu& menu, MainData& main)
{
    Assets& assets = main.assets;
    pause.screen = PAUSE_MAIN;
    using namespace menu_layout;
    InitImage(pause.shadow, assets, "ScreenShadow.png", {}, false);
    InitImage(pause.pausePanel, assets, "PausePannel.png", kScreenCentre, true);
    InitImage(pause.controlsPanel, assets, "ControlsPannel.png", kScreenCentre, true);
    InitImage(pause.soundBar, assets, "SoundBar.png", kSoundBarCentre, true);
    InitImage(pause.volumeLabel, assets, "Volume.png", kVolumeLabel, false);
    CropToVisible(pause.pausePanel, assets, PauseFile("PausePannel.png"));
    CropToVisible(pause.controlsPanel, assets, PauseFile("ControlsPannel.png"));
    InitButton(pause.returnButton, assets, "Return.png", "Return.png", kBack);
    InitButton(pause.optionsButton, assets, "Options_01.png", "Options_02.png", kPauseOptions);
    InitButton(pause.controlsButton, assets, "Controls.png", "Controls.png", kPauseControls);
    InitButton(pause.menuButton, assets, "Return.png", "Return.png", kPauseMenuButton);
    InitMenuButton(pause.soundCursor, assets, PauseFile("SoundCursor.png"), PauseFile("SoundCursor.png"),
                   {0.f, 0.f}, true);
    PlaceVolumeCursor(pause.soundCursor, pause.soundBar, CursorCentreX(menu.soundCursor), pause.offset);
}

// Only Options has a lit picture; the others show the same one either way.
void UpdatePauseHover(PauseMenu& pause)
{
    if (pause.screen == PAUSE_MAIN) {
        for (MenuButton* button :
             {&pause.returnButton, &pause.optionsButton, &pause.controlsButton, &pause.menuButton})
            UpdateMenuButtonHover(*button, pause.mousePosition);
    } else {
        UpdateMenuButtonHover(pause.returnButton, pause.mousePosition);
    }
}

void UpdatePauseMenu(MainData& main, PauseMenu& pause)
{
    UpdatePauseHover(pause);
    const float volume = UpdateVolumeBar(pause.soundBar, pause.soundCursor, pause.mousePosition,
                                         IsButtonDown(main.input, kPointerButton), pause.offset);
    ApplyVolume(main.soundBank, volume);
}

// The software renderer spends a frame's time filling pixels: the frozen
// scene and its shadow, drawn again every frame, cost several times the
// one opaque picture of them that is drawn instead, unblended.
void DrawFrozenGame(MainData& main, PauseMenu& pause)
{
    sf::RenderWindow& window = main.window;
    if (pause.frozenTaken && pause.frozen && pause.frozen->getSize() == window.getSize()) {
        ShowWindowPicture(*pause.frozen, window);
        return;
    }
    DrawGame(main);
    window.draw(pause.shadow.sprite);
    if (!pause.frozen)
        pause.frozen = std::make_unique<sf::Texture>();
    pause.frozenTaken = TakeWindowPicture(*pause.frozen, window);
}

void ForgetFrozenGame(PauseMenu& pause)
{
    pause.frozenTaken = false;
}

void DrawPauseMenu(MainData& main, PauseMenu& pause)
{
    sf::RenderTarget& window = main.window;
    switch (pause.screen) {
    case PAUSE_MAIN:
        window.draw(pause.pausePanel.sprite);
        window.draw(pause.optionsButton.sprite);
        window.draw(pause.controlsButton.sprite);
        window.draw(pause.menuButton.sprite);
        break;
    case PAUSE_OPTIONS:
        window.draw(pause.pausePanel.sprite);
        window.draw(pause.volumeLabel.sprite);
        window.draw(pause.soundBar.sprite);
        window.draw(pause.soundCursor.sprite);
        break;
    case PAUSE_CONTROLS:
        window.draw(pause.controlsPanel.sprite);
        break;
    default:
        break;
    }
}

// Back to the main menu: the menu music again, the main menu's cursor where
// this one stands, its first screen.
static void QuitToMenu(MainData& main, PauseMenu& pause)
{
    main.soundBank.gameMusic.stop();
    main.soundBank.menuMusic.play();
    Menu& menu = main.menu;
    PlaceVolumeCursor(menu.soundCursor, menu.soundBar, CursorCentreX(pause.soundCursor), menu.offset);
    main.game.mode = MODE_MENU;
    menu.screen = MENU_MAIN;
    pause.controlsButton.hovered = 0;
}

void PauseMouseButtonPressed(MainData& main)
{
    PauseMenu& pause = main.pauseMenu;
    if (pause.screen != PAUSE_MAIN) {
        if (pause.returnButton.hovered) {
            pause.screen = PAUSE_MAIN;
            pause.returnButton.hovered = 0;
        }
        return;
    }
    if (pause.returnButton.hovered) {
        main.game.mode = MODE_GAME;
        pause.returnButton.hovered = 0;
    }
    if (pause.optionsButton.hovered) {
        pause.screen = PAUSE_OPTIONS;
        pause.optionsButton.hovered = 0;
    }
    if (pause.controlsButton.hovered) {
        pause.screen = PAUSE_CONTROLS;
        pause.controlsButton.hovered = 0;
    }
    if (pause.menuButton.hovered)
        QuitToMenu(main, pause);
}

void PauseMouseMoved(const sf::Event::MouseMoveEvent& move, PauseMenu& pause)
{
    pause.mousePosition = {static_cast<float>(move.x), static_cast<float>(move.y)};
}

void AnchorPauseMenu(PauseMenu& pause, sf::Vector2f viewCentre)
{
    pause.offset = viewCentre - sf::Vector2f(kScreenHalfWidth, kScreenHalfHeight);
    for (MenuImage* image : {&pause.pausePanel, &pause.shadow, &pause.controlsPanel, &pause.soundBar,
                             &pause.volumeLabel})
        image->sprite.setPosition(image->home + pause.offset);
    for (MenuButton* button : {&pause.optionsButton, &pause.controlsButton, &pause.menuButton})
        button->sprite.setPosition(button->home + pause.offset);
    PlaceVolumeCursor(pause.soundCursor, pause.soundBar, CursorCentreX(pause.soundCursor), pause.offset);
}

void DestroyPauseMenu(PauseMenu&) {}

std::vector<sf::Vector2f> PauseTargets(PauseMenu& pause)
{
    std::vector<sf::Vector2f> targets{BoundsCentre(pause.returnButton.bounds)};
    if (pause.screen == PAUSE_MAIN)
        for (const MenuButton* button : {&pause.optionsButton, &pause.controlsButton, &pause.menuButton})
            targets.push_back(BoundsCentre(button->bounds));
    if (pause.screen == PAUSE_OPTIONS)
        targets.push_back(BoundsCentre(pause.soundCursor.bounds));
    return targets;
}
