#include "ui/menu.hpp"

#include "app/main_data.hpp"
#include "engine/layout_table.hpp"
#include "ui/volume_bar.hpp"

#include <string>
#include <vector>

namespace {

const std::string kMenuFolder = "Assets/Sprites/Menu/";

std::string MenuFile(const char* name) { return kMenuFolder + name; }

// The buttons of each screen, in the order they are tested.
std::vector<MenuButton*> ScreenButtons(Menu& menu)
{
    switch (menu.screen) {
    case MENU_MAIN: return {&menu.playButton, &menu.quitButton, &menu.optionsButton, &menu.creditsButton};
    case MENU_OPTIONS: return {&menu.returnButton, &menu.controlsButton};
    case MENU_CREDITS: return {&menu.creditsReturnButton};
    case MENU_CONTROLS: return {&menu.returnButton};
    default: return {};
    }
}

sf::Vector2f At(ScreenPoint point) { return {point.x, point.y}; }

void InitButton(MenuButton& button, Assets& assets, const char* name, const char* hoverName, ScreenPoint at)
{
    InitMenuButton(button, assets, MenuFile(name), MenuFile(hoverName), At(at), false);
}

}  // namespace

void InitMenu(MainData& main)
{
    Menu& menu = main.menu;
    Assets& assets = main.assets;
    menu.screen = MENU_MAIN;
    InitSoundBank(main.soundBank, assets);
    using namespace menu_layout;
    InitMenuImage(menu.wallpaper, assets, MenuFile("Wallpaper.png"), {0.f, 0.f}, false);
    InitMenuImage(menu.optionsPanel, assets, MenuFile("Pannel.png"), At(kScreenCentre), true);
    InitMenuImage(menu.creditsPanel, assets, MenuFile("CreditsPannel.png"), At(kScreenCentre), true);
    InitMenuImage(menu.soundBar, assets, MenuFile("SoundBar.png"), At(kSoundBarCentre), true);
    InitMenuImage(menu.controlsPanel, assets, MenuFile("ControlsPannel.png"), At(kScreenCentre), true);
    InitMenuImage(menu.volumeLabel, assets, MenuFile("Volume.png"), At(kVolumeLabel), false);
    CropToVisible(menu.optionsPanel, assets, MenuFile("Pannel.png"));
    CropToVisible(menu.creditsPanel, assets, MenuFile("CreditsPannel.png"));
    CropToVisible(menu.controlsPanel, assets, MenuFile("ControlsPannel.png"));
    InitButton(menu.playButton, assets, "Play_01.png", "Play_02.png", kPlay);
    InitButton(menu.quitButton, assets, "Quit_01.png", "Quit_02.png", kQuit);
    InitButton(menu.optionsButton, assets, "Options_01.png", "Options_02.png", kOptions);
    InitButton(menu.creditsButton, assets, "Credits_01.png", "Credits_02.png", kCredits);
    InitMenuButton(menu.soundCursor, assets, MenuFile("SoundCursor.png"), MenuFile("SoundCursor.png"),
                   {0.f, 0.f}, true);
    const sf::FloatRect& bar = menu.soundBar.bounds;
    PlaceVolumeCursor(menu.soundCursor, menu.soundBar, bar.left + bar.width - kVolumeStop, {0.f, 0.f});
    InitButton(menu.returnButton, assets, "Return.png", "Return.png", kBack);
    InitButton(menu.creditsReturnButton, assets, "Return.png", "Return.png", kBack);
    InitButton(menu.controlsButton, assets, "Controls.png", "Controls.png", kControlsButton);
    ApplyVolume(main.soundBank, VolumeFromCursor(menu.soundBar, menu.soundCursor));
    main.soundBank.menuMusic.play();
}

void UpdateMenuHover(Menu& menu)
{
    for (MenuButton* button : ScreenButtons(menu))
        UpdateMenuButtonHover(*button, menu.mousePosition);
}

void UpdateMenu(MainData& main)
{
    Menu& menu = main.menu;
    UpdateMenuHover(menu);
    // The bar answers on every screen, shown or not.
    const float volume = UpdateVolumeBar(menu.soundBar, menu.soundCursor, menu.mousePosition,
                                         IsButtonDown(main.input, kPointerButton), menu.offset);
    ApplyVolume(main.soundBank, volume);
}

void DrawMenu(MainData& main)
{
    Menu& menu = main.menu;
    sf::RenderTarget& window = main.window;
    window.draw(menu.wallpaper.sprite);
    switch (menu.screen) {
    case MENU_MAIN:
        for (MenuButton* button : ScreenButtons(menu))
            window.draw(button->sprite);
        break;
    case MENU_OPTIONS:
        window.draw(menu.returnButton.sprite);
        window.draw(menu.optionsPanel.sprite);
        window.draw(menu.volumeLabel.sprite);
        window.draw(menu.soundBar.sprite);
        window.draw(menu.soundCursor.sprite);
        window.draw(menu.controlsButton.sprite);
        break;
    case MENU_CREDITS:
        window.draw(menu.creditsReturnButton.sprite);
        window.draw(menu.creditsPanel.sprite);
        break;
    case MENU_CONTROLS:
        window.draw(menu.returnButton.sprite);
        window.draw(menu.controlsPanel.sprite);
        break;
    default:
        break;
    }
}

// Any button acts on the hovered element; the tests run in sequence on the
// hover flags of the last update.
void MenuMouseButtonPressed(MainData& main)
{
    Menu& menu = main.menu;
    switch (menu.screen) {
    case MENU_MAIN:
        if (menu.playButton.hovered) {
            main.soundBank.menuMusic.stop();
            main.soundBank.gameMusic.play();
            PauseMenu& pause = main.pauseMenu;
            PlaceVolumeCursor(pause.soundCursor, pause.soundBar,
                              menu.soundCursor.bounds.left + menu.soundCursor.bounds.width / 2.f, pause.offset);
            main.game.mode = MODE_GAME;
        }
        if (menu.quitButton.hovered)
            CloseWindow(main);
        if (menu.optionsButton.hovered)
            menu.screen = MENU_OPTIONS;
        if (menu.creditsButton.hovered)
            menu.screen = MENU_CREDITS;
        break;
    case MENU_OPTIONS:
        if (menu.returnButton.hovered)
            menu.screen = MENU_MAIN;
        if (menu.controlsButton.hovered)
            menu.screen = MENU_CONTROLS;
        break;
    case MENU_CREDITS:
        if (menu.creditsReturnButton.hovered)
            menu.screen = MENU_MAIN;
        break;
    case MENU_CONTROLS:
        if (menu.returnButton.hovered)
            menu.screen = MENU_OPTIONS;
        break;
    default:
        break;
    }
}

void MenuMouseMoved(const sf::Event::MouseMoveEvent& move, MainData& main)
{
    main.menu.mousePosition = {static_cast<float>(move.x), static_cast<float>(move.y)};
}

static void Anchor(MenuImage& image, sf::Vector2f offset) { image.sprite.setPosition(image.home + offset); }
static void Anchor(MenuButton& button, sf::Vector2f offset) { button.sprite.setPosition(button.home + offset); }

void AnchorMenu(Menu& menu, sf::Vector2f viewCentre)
{
    menu.offset = viewCentre - sf::Vector2f(kScreenHalfWidth, kScreenHalfHeight);
    for (MenuImage* image : {&menu.wallpaper, &menu.optionsPanel, &menu.creditsPanel, &menu.soundBar,
                             &menu.controlsPanel, &menu.volumeLabel})
        Anchor(*image, menu.offset);
    for (MenuButton* button : {&menu.playButton, &menu.quitButton, &menu.optionsButton, &menu.creditsButton,
                               &menu.returnButton, &menu.creditsReturnButton, &menu.controlsButton})
        Anchor(*button, menu.offset);
    // The cursor stays where its bounds say it is (as in the pause menu):
    // re-placed by its bounds' right edge less 134, it would be drawn 116 px
    // away from where a click takes it, and move with every re-anchoring.
    const sf::FloatRect& cursor = menu.soundCursor.bounds;
    PlaceVolumeCursor(menu.soundCursor, menu.soundBar, cursor.left + cursor.width / 2.f, menu.offset);
}

void DestroyMenu(MainData& main)
{
    main.menu = Menu{};
}

std::vector<sf::Vector2f> MenuTargets(Menu& menu)
{
    std::vector<sf::Vector2f> targets;
    for (const MenuButton* button : ScreenButtons(menu))
        targets.push_back(BoundsCentre(button->bounds));
    if (menu.screen == MENU_OPTIONS)
        targets.push_back(BoundsCentre(menu.soundCursor.bounds));
    return targets;
}
