#include "app/main_data.hpp"
#include "engine/asset_manifest.hpp"
#include "engine/layout_table.hpp"

#include <cstdlib>

void InitMain(MainData& main, unsigned seed)
{
    std::srand(seed);  // the one random stream of the game
    main.window.create(sf::VideoMode(kScreenWidth, kScreenHeight, 32), "Tidewrack", sf::Style::None);
    main.window.setFramerateLimit(60);
    main.window.setVerticalSyncEnabled(true);
    main.open = true;
    main.game.mode = MODE_MENU;
    main.clock.restart();
    PreloadPictures(main.assets, StartupPictures());  // on every core, before the inits ask for them
    InitGame(main);  // the whole game is built once, while the menu shows
    InitMenu(main);
    InitPauseMenu(main.pauseMenu, main.menu, main);
}

void CloseWindow(MainData& main)
{
    main.open = false;
}

void PollEvents(MainData& main)
{
    while (main.window.pollEvent(main.event)) {
        FeedInput(main.input, main.event);
        DispatchEvent(main);
    }
}

// A menu only hears the mouse while it is the mode: the one just entered
// takes the mouse where it is now, and its buttons light up from there at
// once, so no click lands on a button lit by a position from long ago.
static void EnterMode(MainData& main)
{
    const sf::Vector2i live = MousePosition(main.input);
    const sf::Vector2f mouse{static_cast<float>(live.x), static_cast<float>(live.y)};
    if (main.game.mode == MODE_MENU) {
        main.menu.mousePosition = mouse;
        UpdateMenuHover(main.menu);
    } else if (main.game.mode == MODE_PAUSE) {
        main.pauseMenu.mousePosition = mouse;
        UpdatePauseHover(main.pauseMenu);
    }
}

// Key releases, button releases, the wheel, focus and the rest only feed
// the input state; they dispatch nothing.
void DispatchEvent(MainData& main)
{
    const int modeBefore = main.game.mode;
    switch (main.event.type) {
    case sf::Event::Closed: CloseWindow(main); break;
    case sf::Event::KeyPressed: OnKeyPressed(main); break;
    case sf::Event::MouseButtonPressed: OnMouseButtonPressed(main); break;
    case sf::Event::MouseMoved: OnMouseMoved(main); break;
    default: break;
    }
    if (main.game.mode != modeBefore)
        EnterMode(main);
}

void OnKeyPressed(MainData& main)
{
    const bool escape = IsActionKey(ACTION_PAUSE, main.event.key.code);
    switch (main.game.mode) {
    case MODE_MENU:
        if (escape)
            CloseWindow(main);
        break;
    case MODE_GAME:
        GameKeyPressed(main);  // Escape reaches the game before the pause begins
        if (escape)
            main.game.mode = MODE_PAUSE;
        break;
    default:
        break;  // the pause resumes only by its own button
    }
}

void OnMouseButtonPressed(MainData& main)
{
    const sf::Event::MouseButtonEvent click = main.event.mouseButton;
    const int modeBefore = main.game.mode;
    switch (main.game.mode) {
    case MODE_MENU: MenuMouseButtonPressed(main); break;
    case MODE_GAME: GameMouseButtonPressed(main); break;
    case MODE_PAUSE: PauseMouseButtonPressed(main); break;
    default: break;
    }
    // The middle button leads back to the menu from anywhere; the game is
    // kept, without its enemies and dialogue.
    if (IsActionButton(ACTION_BACK_TO_MENU, click.button)) {
        DestroyDialogue(main.game.dialogue);
        ResetEnemies(main.game.enemies);
        main.game.mode = MODE_MENU;
    }
    // The click that resumes or starts the game belongs to the menu: the
    // game, which polls the button, must not take it for a sword swing.
    if (modeBefore != MODE_GAME && main.game.mode == MODE_GAME)
        ForgetButton(main.input, click.button);
}

void OnMouseMoved(MainData& main)
{
    const sf::Event::MouseMoveEvent move = main.event.mouseMove;
    switch (main.game.mode) {
    case MODE_MENU: MenuMouseMoved(move, main); break;
    case MODE_GAME: GameMouseMoved(main); break;
    case MODE_PAUSE: PauseMouseMoved(move, main.pauseMenu); break;
    default: break;
    }
}

// The clock restarts every frame in every mode, so time spent in the menu
// or the pause never reaches the game.
void UpdateMain(MainData& main)
{
    float dt = main.clock.restart().asSeconds();
    if (main.fixedDt > 0.f)
        dt = main.fixedDt;
    switch (main.game.mode) {
    case MODE_MENU: UpdateMenu(main); break;
    case MODE_GAME: UpdateGame(main, dt); break;
    case MODE_PAUSE: UpdatePauseMenu(main, main.pauseMenu); break;
    default: break;
    }
}

void RenderMain(MainData& main)
{
    main.window.clear(sf::Color::Black);
    switch (main.game.mode) {
    case MODE_MENU: DrawMenu(main); break;
    case MODE_GAME: DrawGame(main); break;
    case MODE_PAUSE:
        DrawGame(main);  // the frozen game stays visible under the pause
        DrawPauseMenu(main, main.pauseMenu);
        break;
    default: break;
    }
}

void DrawMain(MainData& main)
{
    RenderMain(main);
    main.window.display();
}

void DestroyMain(MainData& main)
{
    DestroyGame(main);
    DestroyMenu(main);
    DestroyPauseMenu(main.pauseMenu);
    main.window.close();
    ReleaseSoundPlayers();
}
