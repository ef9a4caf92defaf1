#include "app/main_data.hpp"
#include "engine/asset_manifest.hpp"
#include "engine/layout_table.hpp"

#include <cstdlib>
#include <string_view>
#include <vector>

namespace {

// Pixels handed from the decoding threads to the cache in one menu frame:
// a few milliseconds of copying, so the menu keeps its pace meanwhile.
constexpr std::size_t kStartupUploadBytes = 8u << 20;

// The start-up pictures the menus show: decoded before the first frame.
// The rest (the player, the boss, the first level's scenery) are decoded
// behind the menu.
bool IsMenuPicture(std::string_view path)
{
    return path.starts_with("Assets/Sprites/Menu/");
}

std::vector<const char*> MenuPictures()
{
    std::vector<const char*> paths;
    for (const char* path : StartupPictures())
        if (IsMenuPicture(path))
            paths.push_back(path);
    return paths;
}

std::vector<std::string> GamePictures()
{
    std::vector<std::string> paths;
    for (const char* path : StartupPictures())
        if (!IsMenuPicture(path))
            paths.emplace_back(path);
    return paths;
}

// One step of start-up a frame: the first menu frame shows at once, the
// next starts the decoding, the menu frames after it upload a band each
// until every picture is in and the game can be built without waiting.
// Leaving the menu earlier (Play) waits for the rest.
void StepStartup(MainData& main)
{
    switch (main.startup) {
    case STARTUP_FIRST_FRAME:
        if (main.game.mode != MODE_MENU) {
            FinishStartup(main);
            return;
        }
        main.startup = STARTUP_DECODING;
        break;
    case STARTUP_DECODING:
        if (!DecodingPending(main.assets))
            StartDecoding(main.assets, GamePictures());
        if (main.game.mode != MODE_MENU || UploadDecodedPictures(main.assets, kStartupUploadBytes))
            FinishStartup(main);
        break;
    default: break;
    }
}

}  // namespace

void InitMain(MainData& main, unsigned seed)
{
    std::srand(seed);  // the one random stream of the game
    OpenWindow(main);
    main.input.places = ReadKeyPlaces();
    main.open = true;
    main.game.mode = MODE_MENU;
    main.clock.restart();
    main.startup = STARTUP_FIRST_FRAME;
    PreloadPictures(main.assets, MenuPictures());  // on every core, before the menus ask for them
    InitMenu(main);
    InitPauseMenu(main.pauseMenu, main.menu, main);
    InitCamera(main.game.camera, 0);  // the screen's view for the menu; the game's init sets it again
    ApplyLetterbox(main, main.window.getSize());
}

void FinishStartup(MainData& main)
{
    if (main.startup == STARTUP_READY)
        return;
    if (!DecodingPending(main.assets))
        StartDecoding(main.assets, GamePictures());  // nothing is started twice: cached pictures are skipped
    FinishDecoding(main.assets);
    InitGame(main);  // the whole game is built once, every big picture in the cache
    main.startup = STARTUP_READY;
    ApplyLetterbox(main, main.window.getSize());  // the camera's view exists now
    main.clock.restart();  // the wait is start-up's: the game's next frame does not take it for time played
}

void CloseWindow(MainData& main)
{
    main.open = false;
}

// The window's events, as the game hears them. The keyboard's layout is
// read again whenever the window comes back: it may have changed meanwhile.
void PollEvents(MainData& main)
{
    sf::Event raw{};
    while (main.window.pollEvent(raw)) {
        if (raw.type == sf::Event::GainedFocus)
            main.input.places = ReadKeyPlaces();
        TakeEvent(main, FromWindow(main.input, raw));
        if (raw.type == sf::Event::JoystickConnected)
            SetPadMake(main.input, raw.joystickConnect.joystickId,
                       sf::Joystick::getIdentification(raw.joystickConnect.joystickId).vendorId);
    }
}

void ConnectPresentPads(MainData& main)
{
    for (unsigned pad = 0; pad < sf::Joystick::Count; pad++)
        if (sf::Joystick::isConnected(pad)) {
            sf::Event connect{};
            connect.type = sf::Event::JoystickConnected;
            connect.joystickConnect.joystickId = pad;
            TakeEvent(main, connect);
            SetPadMake(main.input, pad, sf::Joystick::getIdentification(pad).vendorId);
        }
}

static bool IsPadEvent(const sf::Event& event)
{
    return event.type >= sf::Event::JoystickButtonPressed && event.type <= sf::Event::JoystickDisconnected;
}

PadView CurrentPadView(MainData& main)
{
    Game& game = main.game;
    PadView view;
    const Scene scene = CurrentScene(game);
    view.pointerMode = game.mode != MODE_GAME || scene == SCENE_DEATH_SCREEN || scene == SCENE_WIN_SCREEN
                    || AnyPanelOpen(game.hub);
    view.inPlay = game.mode == MODE_GAME;
    if (game.mode == MODE_MENU)
        view.targets = MenuTargets(main.menu);
    else if (game.mode == MODE_PAUSE)
        view.targets = PauseTargets(main.pauseMenu);
    else if (game.deathScreen == 1)
        view.targets = {BoundsCentre(main.menu.returnButton.bounds)};  // its button sits on the same plaque
    else if (scene == SCENE_WIN_SCREEN)
        view.targets = {sf::Vector2f{kScreenWidth / 2.f, kScreenHeight / 2.f}};  // a click anywhere leads on
    const sf::FloatRect body = game.player.hitbox.getGlobalBounds();
    view.aimFrom = sf::Vector2f{body.left + body.width / 2.f, body.top + body.height / 2.f}
                 - ViewTopLeft(game.camera.view);
    return view;
}

// In a menu the pad's pointer shows as the system's cursor (whose move
// comes back as the same canvas position); in play the aim stays unseen.
static void ShowPadPointer(MainData& main, const sf::Event& event)
{
    if (event.type == sf::Event::MouseMoved && main.input.pad.pointerMode && main.input.focused && main.window.isOpen())
        sf::Mouse::setPosition(CanvasToWindow(main.input.letterbox, {event.mouseMove.x, event.mouseMove.y}), main.window);
}

// The gamepads' state as keyboard and mouse events, through the same path.
static void SendPadEvents(MainData& main)
{
    for (const sf::Event& event : PadEvents(main.input, CurrentPadView(main))) {
        TakeEvent(main, event);
        ShowPadPointer(main, event);
    }
}

void TakeEvent(MainData& main, sf::Event event)
{
    if (event.type == sf::Event::MouseButtonPressed) {
        const sf::Vector2i at{event.mouseButton.x, event.mouseButton.y};
        if (MousePosition(main.input) != at) {  // a real mouse is at a place before it clicks there
            sf::Event move{};
            move.type = sf::Event::MouseMoved;
            move.mouseMove = {at.x, at.y};
            TakeEvent(main, move);
        }
    }
    if (event.type == sf::Event::MouseButtonReleased) {
        event.mouseButton.x = MousePosition(main.input).x;
        event.mouseButton.y = MousePosition(main.input).y;
    }
    RecordEvent(main.recording, event);
    main.event = event;
    FeedInput(main.input, event);
    DispatchEvent(main);
    if (IsPadEvent(event))
        SendPadEvents(main);
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

// Key releases, button releases, the wheel and the rest only feed the input
// state; they dispatch nothing. F11 and Alt+Enter belong to the window.
void DispatchEvent(MainData& main)
{
    const int modeBefore = main.game.mode;
    switch (main.event.type) {
    case sf::Event::Closed: CloseWindow(main); break;
    case sf::Event::KeyPressed:
        if (IsToggleKey(main.input, main.event.key.code))
            ToggleFullscreen(main);
        else
            OnKeyPressed(main);
        break;
    case sf::Event::MouseButtonPressed: OnMouseButtonPressed(main); break;
    case sf::Event::MouseMoved: OnMouseMoved(main); break;
    case sf::Event::Resized: ApplyLetterbox(main, {main.event.size.width, main.event.size.height}); break;
    case sf::Event::LostFocus: OnLostFocus(main); break;
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

// A player who turns to another window finds the game paused on coming
// back, with nothing held (the input record has let go of everything).
void OnLostFocus(MainData& main)
{
    if (main.game.mode == MODE_GAME)
        main.game.mode = MODE_PAUSE;
}

// The clock restarts every frame in every mode, so time spent in the menu
// or the pause never reaches the game.
void UpdateMain(MainData& main)
{
    float dt = main.clock.restart().asSeconds();
    if (main.fixedDt > 0.f)
        dt = main.fixedDt;
    if (main.frameDt > 0.f)
        dt = main.frameDt;
    main.frameDt = 0.f;
    RecordFrameTime(main.recording, dt);
    SendPadEvents(main);  // a change of mode since the last events lets go of what the pad held
    if (const std::optional<sf::Event> move = SteerPadPointer(main.input, dt, CurrentPadView(main))) {
        TakeEvent(main, *move);
        ShowPadPointer(main, *move);
    }
    StepStartup(main);
    if (main.game.mode != MODE_PAUSE)
        ForgetFrozenGame(main.pauseMenu);  // the game may change from now on
    switch (main.game.mode) {
    case MODE_MENU: UpdateMenu(main); break;
    case MODE_GAME: UpdateGame(main, dt); break;
    case MODE_PAUSE: UpdatePauseMenu(main, main.pauseMenu); break;
    default: break;
    }
}

void RenderMain(MainData& main)
{
    if (main.game.mode != MODE_MENU)
        FinishStartup(main);  // a game to draw
    main.window.clear(sf::Color::Black);
    switch (main.game.mode) {
    case MODE_MENU: DrawMenu(main); break;
    case MODE_GAME: DrawGame(main); break;
    case MODE_PAUSE:
        DrawFrozenGame(main, main.pauseMenu);  // the frozen game stays visible under the pause
        DrawPauseMenu(main, main.pauseMenu);
        break;
    default: break;
    }
    DrawLetterboxBars(main);
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
