// The game as a desktop program: any window size letterboxed, the window's
// toggle, focus, the arrow keys and keys by place, and gamepads.
#include "app/main_data.hpp"
#include "app/run_options.hpp"
#include "engine/gamepad_table.hpp"
#include "engine/layout_table.hpp"
#include "ui/volume_bar.hpp"
#include "program_test.hpp"

#include <SFML/Graphics/Image.hpp>
#include <SFML/Graphics/Texture.hpp>
#include <SFML/Window/VideoMode.hpp>
#include <gtest/gtest.h>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <unistd.h>
#include <memory>
#include <set>
#include <string>

namespace {

constexpr float kFrame = 1.f / 60.f;

// A whole program record, built as start-up builds it, without a window.
struct Program : ::testing::Test {
    std::unique_ptr<MainData> main = std::make_unique<MainData>();
    Game& game = main->game;

    void SetUp() override
    {
        ASSERT_TRUE(BuildProgram(*main, kFrame));
        ApplyLetterbox(*main, {kScreenWidth, kScreenHeight});
    }
    void Take(sf::Event event) { TakeEvent(*main, event); }
    // What the window would send, as the game hears it.
    void FromTheWindow(sf::Event event) { TakeEvent(*main, FromWindow(main->input, event)); }
    void Key(sf::Keyboard::Key key, bool down)
    {
        sf::Event event{};
        event.type = down ? sf::Event::KeyPressed : sf::Event::KeyReleased;
        event.key.code = key;
        Take(event);
    }
    void Pad(sf::Event::EventType type, unsigned number, float position = 0.f)
    {
        sf::Event event{};
        event.type = type;
        if (type == sf::Event::JoystickMoved)
            event.joystickMove = {0, static_cast<sf::Joystick::Axis>(number), position};
        else if (type == sf::Event::JoystickConnected || type == sf::Event::JoystickDisconnected)
            event.joystickConnect = {0};
        else
            event.joystickButton = {0, number};
        Take(event);
    }
    void PadButton(int control, bool down)
    {
        Pad(down ? sf::Event::JoystickButtonPressed : sf::Event::JoystickButtonReleased,
            static_cast<unsigned>(PadLayoutOf(main->input.pads[0].make).buttons[control]));
    }
    void Frames(int count)
    {
        testing::internal::CaptureStdout();  // the player prints its place every frame
        for (int i = 0; i < count; i++)
            UpdateMain(*main);
        testing::internal::GetCapturedStdout();
    }
    void StandInALevel()
    {
        Player& player = game.player;
        player.cinematicState = CINEMATIC_NONE;
        player.hasArms = 1;
        player.slamming = 0;
        game.level.returnToHub = 0;
        game.level.rollBiome = 1;
        ResetLevel(game.level);
        testing::internal::CaptureStdout();
        BuildLevel(game.level, game);
        testing::internal::GetCapturedStdout();
        player.hitbox.setPosition(3000.f, 598.f);
        game.mode = MODE_GAME;
    }
    sf::Vector2i Centre(const MenuButton& button) const
    {
        const sf::Vector2f centre = BoundsCentre(button.bounds);
        return {static_cast<int>(centre.x), static_cast<int>(centre.y)};
    }
};

sf::Event WindowMouse(sf::Event::EventType type, sf::Vector2i at)
{
    sf::Event event{};
    event.type = type;
    if (type == sf::Event::MouseMoved)
        event.mouseMove = {at.x, at.y};
    else
        event.mouseButton = {sf::Mouse::Left, at.x, at.y};
    return event;
}

// ---- Any window size --------------------------------------------------------

TEST(Letterbox, FitsTheCanvasCentredAndKeepsWholeScalesWhereTheyNearlyFill)
{
    struct Case {
        sf::Vector2u window;
        sf::IntRect shown;
    };
    for (const Case& c : {Case{{1920, 1080}, {0, 0, 1920, 1080}},
                          Case{{3840, 2160}, {0, 0, 3840, 2160}},        // twice, exactly
                          Case{{2560, 1440}, {0, 0, 2560, 1440}},        // 4/3: no whole scale fills it
                          Case{{2048, 1152}, {64, 36, 1920, 1080}},      // 1 loses under a tenth: crisp
                          Case{{1920, 1200}, {0, 60, 1920, 1080}},       // 16:10: bars above and below
                          Case{{1024, 768}, {0, 96, 1024, 576}},         // 4:3, smaller
                          Case{{1366, 768}, {0, 0, 1365, 768}},
                          Case{{3000, 1000}, {611, 0, 1778, 1000}},      // wide: bars left and right
                          Case{{0, 0}, {0, 0, 1, 1}}}) {
        EXPECT_EQ(FitLetterbox(c.window).shown, c.shown) << c.window.x << " x " << c.window.y;
    }
    const Letterbox box = FitLetterbox({2048, 1152});
    const sf::FloatRect viewport = LetterboxViewport(box);
    EXPECT_FLOAT_EQ(viewport.left * 2048, 64.f);
    EXPECT_FLOAT_EQ(viewport.height * 1152, 1080.f);
}

TEST(Letterbox, WindowAndCanvasPixelsMapBothWays)
{
    for (const sf::Vector2u window : {sf::Vector2u(1920, 1080), sf::Vector2u(3840, 2160), sf::Vector2u(2560, 1440),
                                      sf::Vector2u(1920, 1200), sf::Vector2u(2048, 1152)}) {
        const Letterbox box = FitLetterbox(window);
        for (const sf::Vector2i canvas : {sf::Vector2i(0, 0), sf::Vector2i(1919, 1079), sf::Vector2i(258, 610),
                                          sf::Vector2i(960, 918)})
            EXPECT_EQ(WindowToCanvas(box, CanvasToWindow(box, canvas)), canvas) << window.x << " x " << window.y;
    }
    const Letterbox small = FitLetterbox({1024, 768});
    EXPECT_EQ(WindowToCanvas(small, {0, 96}), sf::Vector2i(0, 0));
    EXPECT_EQ(WindowToCanvas(small, {1023, 671}), sf::Vector2i(1919, 1079));
    EXPECT_LT(WindowToCanvas(small, {10, 40}).y, 0) << "the bar above is outside the canvas";
}

// A real click where the window shows a button reaches that button, and the
// volume's drag follows the mouse in canvas pixels, whatever the window.
TEST_F(Program, AClickWhereAButtonShowsLandsOnItAtEverySize)
{
    for (const sf::Vector2u size : {sf::Vector2u(1366, 768), sf::Vector2u(2560, 1440), sf::Vector2u(1000, 700),
                                    sf::Vector2u(3840, 2400)}) {
        sf::Event resized{};
        resized.type = sf::Event::Resized;
        resized.size = {size.x, size.y};
        Take(resized);
        EXPECT_EQ(game.camera.view.getViewport(), LetterboxViewport(FitLetterbox(size)));
        main->menu.screen = MENU_MAIN;
        const sf::Vector2i options = CanvasToWindow(main->input.letterbox, Centre(main->menu.optionsButton));
        FromTheWindow(WindowMouse(sf::Event::MouseMoved, options));
        Frames(1);
        FromTheWindow(WindowMouse(sf::Event::MouseButtonPressed, options));
        FromTheWindow(WindowMouse(sf::Event::MouseButtonReleased, options));
        EXPECT_EQ(main->menu.screen, MENU_OPTIONS) << size.x << " x " << size.y;

        // Grab the volume's grip and drag it to the canvas's x = 1000.
        const sf::Vector2i grip = CanvasToWindow(main->input.letterbox, Centre(main->menu.soundCursor));
        FromTheWindow(WindowMouse(sf::Event::MouseMoved, grip));
        Frames(1);
        FromTheWindow(WindowMouse(sf::Event::MouseButtonPressed, grip));
        FromTheWindow(WindowMouse(sf::Event::MouseMoved, CanvasToWindow(main->input.letterbox, {1000, 433})));
        Frames(1);
        FromTheWindow(WindowMouse(sf::Event::MouseButtonReleased, grip));
        EXPECT_NEAR(BoundsCentre(main->menu.soundCursor.bounds).x, 1000.f, 2.f) << size.x << " x " << size.y;
        main->menu.screen = MENU_MAIN;
        PlaceVolumeCursor(main->menu.soundCursor, main->menu.soundBar, 1400.f, main->menu.offset);
    }
}

TEST_F(Program, TheSwordAimsWhereTheCanvasShowsTheMouse)
{
    StandInALevel();
    SetLetterbox(main->input, {2560, 1440});
    FromTheWindow(WindowMouse(sf::Event::MouseMoved, {1300, 700}));  // right of the window's middle: 975 on the canvas
    EXPECT_EQ(MousePosition(main->input), sf::Vector2i(975, 525));
    Frames(1);
    EXPECT_EQ(game.player.aimRight, 1);
    SetLetterbox(main->input, {1024, 768});
    FromTheWindow(WindowMouse(sf::Event::MouseMoved, {500, 400}));  // left of the canvas's middle
    Frames(1);
    EXPECT_EQ(game.player.aimRight, 0);
}

TEST(Window, ANewWindowLeavesTheDisplayRoom)
{
    EXPECT_EQ(WindowedSize({2560, 1440}), sf::Vector2u(1920, 1080));
    EXPECT_EQ(WindowedSize({1920, 1080}), sf::Vector2u(1280, 720));
    EXPECT_EQ(WindowedSize({1366, 768}), sf::Vector2u(960, 540));
    EXPECT_EQ(WindowedSize({800, 600}), sf::Vector2u(640, 360));
    EXPECT_EQ(WindowedSize({300, 200}), sf::Vector2u(640, 360)) << "never smaller than a third";
}

// ---- The toggle, on a real window ---------------------------------------------

sf::Color PixelAt(const sf::RenderWindow& window, sf::Vector2i at)
{
    sf::Texture frame;
    frame.create(window.getSize().x, window.getSize().y);
    frame.update(window);
    return frame.copyToImage().getPixel(static_cast<unsigned>(at.x), static_cast<unsigned>(at.y));
}

TEST(Window, TheToggleKeepsTheGameAndItsPictures)
{
    auto main = std::make_unique<MainData>();
    ASSERT_TRUE(FindAssetRoot(main->assets, ""));
    main->windowState.frameLimit = 0;
    testing::internal::CaptureStdout();
    InitMain(*main, 5);
    const sf::Vector2u display{sf::VideoMode::getDesktopMode().width, sf::VideoMode::getDesktopMode().height};
    EXPECT_EQ(main->window.getSize(), display) << "borderless on the whole display";
    main->game.mode = MODE_PAUSE;
    main->game.player.hitbox.setPosition(1234.f, 456.f);
    main->pauseMenu.screen = PAUSE_OPTIONS;
    const sf::Texture* wallpaper = main->menu.wallpaper.texture;
    const sf::Image expected = wallpaper->copyToImage();

    const auto press = [&](sf::Keyboard::Key key) {
        sf::Event event{};
        event.type = sf::Event::KeyPressed;
        event.key.code = key;
        TakeEvent(*main, event);
    };
    press(sf::Keyboard::F11);
    ASSERT_TRUE(main->window.isOpen());
    EXPECT_FALSE(main->windowState.fullscreen);
    EXPECT_EQ(main->window.getSize(), WindowedSize(display));
    EXPECT_EQ(main->input.letterbox.window, WindowedSize(display));
    EXPECT_EQ(main->window.getView().getViewport(), LetterboxViewport(main->input.letterbox));
    EXPECT_EQ(main->game.mode, MODE_PAUSE);
    EXPECT_EQ(main->pauseMenu.screen, PAUSE_OPTIONS);
    EXPECT_EQ(main->game.player.hitbox.getPosition(), sf::Vector2f(1234.f, 456.f));

    // The same picture still draws: the menu's wallpaper where the canvas shows it.
    main->game.mode = MODE_MENU;
    main->menu.screen = MENU_CREDITS;
    RenderMain(*main);
    const sf::Vector2i corner{20, 20};  // the credits panel leaves the wallpaper's corner free
    EXPECT_EQ(PixelAt(main->window, CanvasToWindow(main->input.letterbox, corner)),
              expected.getPixel(20, 20));
    EXPECT_EQ(main->menu.wallpaper.texture, wallpaper);

    // Alt+Enter goes back; Enter alone does nothing to the window.
    press(sf::Keyboard::Enter);
    EXPECT_FALSE(main->windowState.fullscreen);
    press(sf::Keyboard::LAlt);
    press(sf::Keyboard::Enter);
    EXPECT_TRUE(main->windowState.fullscreen);
    EXPECT_EQ(main->window.getSize(), display);
    EXPECT_FALSE(IsKeyDown(main->input, sf::Keyboard::LAlt)) << "the old window took the Alt key's release with it";
    RenderMain(*main);
    EXPECT_EQ(PixelAt(main->window, CanvasToWindow(main->input.letterbox, corner)), expected.getPixel(20, 20));
    DestroyMain(*main);
    testing::internal::GetCapturedStdout();
}

// ---- Focus ----------------------------------------------------------------------

TEST_F(Program, LosingFocusInPlayPausesAndLetsGoOfEverything)
{
    StandInALevel();
    Key(sf::Keyboard::D, true);
    Take(WindowMouse(sf::Event::MouseButtonPressed, {1500, 500}));
    Pad(sf::Event::JoystickConnected, 0);
    Pad(sf::Event::JoystickMoved, sf::Joystick::X, -100.f);  // the stick walks left too
    ASSERT_TRUE(IsActionDown(main->input, ACTION_WALK_RIGHT));
    ASSERT_TRUE(IsActionDown(main->input, ACTION_WALK_LEFT));
    sf::Event lost{};
    lost.type = sf::Event::LostFocus;
    Take(lost);
    EXPECT_EQ(game.mode, MODE_PAUSE);
    for (int action = 0; action < ACTION_COUNT; action++)
        EXPECT_FALSE(IsActionDown(main->input, action)) << "action " << action;
    // Back in the window, the pause waits for its own button, and the
    // stick still held does not walk once play resumes.
    sf::Event gained{};
    gained.type = sf::Event::GainedFocus;
    Take(gained);
    Frames(1);
    EXPECT_EQ(game.mode, MODE_PAUSE);
    game.mode = MODE_GAME;
    Frames(1);
    EXPECT_FALSE(IsActionDown(main->input, ACTION_WALK_LEFT));
    Pad(sf::Event::JoystickMoved, sf::Joystick::X, 0.f);
    Pad(sf::Event::JoystickMoved, sf::Joystick::X, -100.f);
    EXPECT_TRUE(IsActionDown(main->input, ACTION_WALK_LEFT)) << "pushed again, it walks";

    game.mode = MODE_MENU;
    Take(lost);
    EXPECT_EQ(game.mode, MODE_MENU) << "only play pauses";
}

// ---- Keys -------------------------------------------------------------------------

TEST_F(Program, TheArrowKeysDoWhatTheirLettersDo)
{
    int alternates = 0;
    for (const KeyBinding& binding : KeyBindings()) {
        if (!binding.alternate)
            continue;
        alternates++;
        const sf::Keyboard::Key arrow = AlternateKey(binding.action);
        ASSERT_NE(arrow, sf::Keyboard::Unknown) << binding.alternate;
        EXPECT_TRUE(IsActionKey(binding.action, arrow));
        Key(arrow, true);
        EXPECT_TRUE(IsActionDown(main->input, binding.action)) << binding.alternate;
        Key(arrow, false);
        EXPECT_FALSE(IsActionDown(main->input, binding.action));
    }
    EXPECT_EQ(alternates, 4) << "left, right, up and down";
    EXPECT_TRUE(IsActionKey(ACTION_CLIMB, sf::Keyboard::Up));
    EXPECT_TRUE(IsActionKey(ACTION_DIVE, sf::Keyboard::Down));

    StandInALevel();
    Frames(5);
    float x = game.player.hitbox.getPosition().x;
    Key(sf::Keyboard::Right, true);
    Frames(10);
    Key(sf::Keyboard::Right, false);
    EXPECT_GT(game.player.hitbox.getPosition().x, x + 100.f) << "right walks right";
    x = game.player.hitbox.getPosition().x;
    Key(sf::Keyboard::Left, true);
    Frames(10);
    Key(sf::Keyboard::Left, false);
    EXPECT_LT(game.player.hitbox.getPosition().x, x - 100.f) << "left walks left";
}

// What a US keyboard gives at each place, as the X server would say it.
sf::Keyboard::Key Qwerty(const char* place)
{
    for (const KeyPlace& key : KeyPlaces())
        if (std::string(key.place) == place)
            return *KeyFromName(key.qwerty);
    return sf::Keyboard::Unknown;
}

TEST(KeyPlaces, AQwertyPlayerFindsTheKeysInTheSamePlaces)
{
    const KeyPlaceMap qwerty = MapKeyPlaces(Qwerty);
    EXPECT_EQ(qwerty[sf::Keyboard::A], sf::Keyboard::Q) << "A walks left";
    EXPECT_EQ(qwerty[sf::Keyboard::D], sf::Keyboard::D);
    EXPECT_EQ(qwerty[sf::Keyboard::W], sf::Keyboard::Z) << "W climbs";
    EXPECT_EQ(qwerty[sf::Keyboard::Q], sf::Keyboard::A) << "Q plays the first card";
    EXPECT_EQ(qwerty[sf::Keyboard::Z], sf::Keyboard::W);
    EXPECT_EQ(qwerty[sf::Keyboard::Semicolon], sf::Keyboard::M);
    EXPECT_EQ(qwerty[sf::Keyboard::M], sf::Keyboard::Comma);
    EXPECT_EQ(qwerty[sf::Keyboard::Space], sf::Keyboard::Space);
    EXPECT_EQ(qwerty[sf::Keyboard::Left], sf::Keyboard::Left) << "the arrows sit alike everywhere";
    // No two keys become one.
    std::set<int> heard;
    for (int key = 0; key < sf::Keyboard::KeyCount; key++)
        EXPECT_TRUE(heard.insert(qwerty[static_cast<std::size_t>(key)]).second) << KeyName(static_cast<sf::Keyboard::Key>(key));
    // A French layout gives every key its own name.
    const KeyPlaceMap french = MapKeyPlaces([](const char* place) {
        for (const KeyPlace& key : KeyPlaces())
            if (std::string(key.place) == place)
                return *KeyFromName(key.name);
        return sf::Keyboard::Unknown;
    });
    EXPECT_EQ(french, SameKeys());
    // A layout that gives nothing SFML knows at a place leaves the rest alone.
    const KeyPlaceMap partial = MapKeyPlaces([](const char* place) {
        return std::string(place) == "AC10" ? sf::Keyboard::Unknown : Qwerty(place);
    });
    EXPECT_EQ(partial[sf::Keyboard::A], sf::Keyboard::Q);
    EXPECT_EQ(partial[sf::Keyboard::Semicolon], sf::Keyboard::Semicolon);
}

TEST_F(Program, KeysFromTheWindowAreHeardByPlace)
{
    main->input.places = MapKeyPlaces(Qwerty);
    StandInALevel();
    sf::Event press{};
    press.type = sf::Event::KeyPressed;
    press.key.code = sf::Keyboard::A;  // what SFML says for a QWERTY player's left hand
    FromTheWindow(press);
    EXPECT_TRUE(IsActionDown(main->input, ACTION_WALK_LEFT));
    EXPECT_FALSE(IsActionDown(main->input, ACTION_CARD_1));
    // A script speaks in the game's own keys: nothing is moved.
    Key(sf::Keyboard::A, true);
    EXPECT_TRUE(IsKeyDown(main->input, sf::Keyboard::A));
}

// The X server of ./check (Xvfb) has a US keyboard.
TEST(KeyPlaces, TheXServerSaysWhatEachPlaceGives)
{
    const KeyPlaceMap read = ReadKeyPlaces();
    if (read == SameKeys())
        GTEST_SKIP() << "this display has a French keyboard, or no keyboard map to read";
    if (read[sf::Keyboard::A] != sf::Keyboard::Q)
        GTEST_SKIP() << "this display's keyboard is neither French nor US";
    EXPECT_EQ(read, MapKeyPlaces(Qwerty));
}

// ---- Gamepads -----------------------------------------------------------------------

TEST_F(Program, InPlayEachPadControlIsItsActionsKeyOrButton)
{
    StandInALevel();
    Pad(sf::Event::JoystickConnected, 0);
    Frames(1);  // play mode: the pad's controls are actions now
    for (const KeyBinding& binding : KeyBindings()) {
        if (binding.pad == PAD_NONE || binding.pad >= PAD_LEFT || binding.action == ACTION_PAUSE)
            continue;
        if (binding.pad == PAD_LT || binding.pad == PAD_RT)
            Pad(sf::Event::JoystickMoved, binding.pad == PAD_LT ? sf::Joystick::Z : sf::Joystick::R, 100.f);
        else
            PadButton(binding.pad, true);
        EXPECT_TRUE(IsActionDown(main->input, binding.action)) << PadLabel(binding.pad);
        if (binding.pad == PAD_LT || binding.pad == PAD_RT)
            Pad(sf::Event::JoystickMoved, binding.pad == PAD_LT ? sf::Joystick::Z : sf::Joystick::R, -100.f);
        else
            PadButton(binding.pad, false);
        EXPECT_FALSE(IsActionDown(main->input, binding.action)) << PadLabel(binding.pad);
    }
    // The stick leans past half to walk and lets go below 40, so it does not flicker.
    Pad(sf::Event::JoystickMoved, sf::Joystick::X, -60.f);
    EXPECT_TRUE(IsActionDown(main->input, ACTION_WALK_LEFT));
    Pad(sf::Event::JoystickMoved, sf::Joystick::X, -45.f);
    EXPECT_TRUE(IsActionDown(main->input, ACTION_WALK_LEFT));
    Pad(sf::Event::JoystickMoved, sf::Joystick::X, -30.f);
    EXPECT_FALSE(IsActionDown(main->input, ACTION_WALK_LEFT));
    Pad(sf::Event::JoystickMoved, sf::Joystick::X, 45.f);
    EXPECT_FALSE(IsActionDown(main->input, ACTION_WALK_RIGHT));
    Pad(sf::Event::JoystickMoved, sf::Joystick::PovY, -100.f);  // the d-pad's up climbs
    EXPECT_TRUE(IsActionDown(main->input, ACTION_CLIMB));
    Pad(sf::Event::JoystickMoved, sf::Joystick::PovY, 100.f);
    EXPECT_FALSE(IsActionDown(main->input, ACTION_CLIMB));
    EXPECT_TRUE(IsActionDown(main->input, ACTION_DIVE));
    Pad(sf::Event::JoystickMoved, sf::Joystick::PovY, 0.f);
    // Start pauses, through the keyboard's own dispatch.
    PadButton(PAD_START, true);
    EXPECT_EQ(game.mode, MODE_PAUSE);
}

TEST_F(Program, APlayStationPadIsReadByItsOwnNumbers)
{
    StandInALevel();
    Pad(sf::Event::JoystickConnected, 0);
    SetPadMake(main->input, 0, 0x054c);
    Frames(1);
    Pad(sf::Event::JoystickButtonPressed, 3);  // square, on the west
    EXPECT_TRUE(IsActionDown(main->input, ACTION_SWING));
    Pad(sf::Event::JoystickButtonReleased, 3);
    Pad(sf::Event::JoystickButtonPressed, 2);  // triangle, on the north
    EXPECT_TRUE(IsActionDown(main->input, ACTION_INTERACT));
    EXPECT_FALSE(IsActionDown(main->input, ACTION_SWING));
}

TEST_F(Program, InTheMenusTheDpadStepsBetweenButtonsAndSouthClicks)
{
    Pad(sf::Event::JoystickConnected, 0);
    Take(WindowMouse(sf::Event::MouseMoved, {1700, 100}));
    // Off every button, the first step goes to the nearest one (Play), then down.
    Pad(sf::Event::JoystickMoved, sf::Joystick::PovY, 100.f);
    EXPECT_EQ(MousePosition(main->input), Centre(main->menu.playButton));
    Pad(sf::Event::JoystickMoved, sf::Joystick::PovY, 0.f);
    Pad(sf::Event::JoystickMoved, sf::Joystick::PovY, 100.f);
    EXPECT_EQ(MousePosition(main->input), Centre(main->menu.optionsButton));
    Frames(1);
    PadButton(PAD_SOUTH, true);
    EXPECT_TRUE(IsButtonDown(main->input, kPointerButton)) << "south is the pointer's button";
    EXPECT_EQ(main->menu.screen, MENU_OPTIONS);
    PadButton(PAD_SOUTH, false);
    EXPECT_FALSE(IsButtonDown(main->input, kPointerButton));
    EXPECT_EQ(main->input.keys[sf::Keyboard::Space], false) << "in a menu south is no jump";

    // The stick moves the pointer freely: the volume's grip can be dragged.
    const sf::Vector2i grip = Centre(main->menu.soundCursor);
    Take(WindowMouse(sf::Event::MouseMoved, grip));
    Frames(1);
    PadButton(PAD_SOUTH, true);
    Pad(sf::Event::JoystickMoved, sf::Joystick::X, -100.f);
    Frames(30);  // half a second at full tilt
    Pad(sf::Event::JoystickMoved, sf::Joystick::X, 0.f);
    PadButton(PAD_SOUTH, false);
    EXPECT_NEAR(MousePosition(main->input).x, grip.x - kPadPointerSpeed / 2.f, 2.f);
    EXPECT_NEAR(BoundsCentre(main->menu.soundCursor.bounds).x, MousePosition(main->input).x, 21.f);
}

// South resumes the game from the pause; held on, it must not jump, and
// the first press after is a jump again.
TEST_F(Program, WhatResumesTheGameIsNotTakenIntoIt)
{
    StandInALevel();
    game.mode = MODE_PAUSE;
    main->pauseMenu.screen = PAUSE_MAIN;
    Pad(sf::Event::JoystickConnected, 0);
    Take(WindowMouse(sf::Event::MouseMoved, Centre(main->pauseMenu.returnButton)));
    Frames(1);
    PadButton(PAD_SOUTH, true);
    ASSERT_EQ(game.mode, MODE_GAME);
    Frames(1);
    EXPECT_FALSE(IsActionDown(main->input, ACTION_JUMP));
    EXPECT_FALSE(IsActionDown(main->input, ACTION_SWING));
    PadButton(PAD_SOUTH, false);
    PadButton(PAD_SOUTH, true);
    EXPECT_TRUE(IsActionDown(main->input, ACTION_JUMP));
    // Unplugged with a button held: the game hears it let go.
    Pad(sf::Event::JoystickDisconnected, 0);
    EXPECT_FALSE(IsActionDown(main->input, ACTION_JUMP));
    EXPECT_FALSE(main->input.pads[0].connected);
    // Plugged in again, it plays at once.
    Pad(sf::Event::JoystickConnected, 0);
    PadButton(PAD_EAST, true);
    EXPECT_TRUE(IsActionDown(main->input, ACTION_DASH));
}

// Over the running game (a hub panel, the death screen) south and the
// d-pad drive the pointer, and the other controls keep their actions: start
// still pauses, north still interacts.
TEST_F(Program, OverTheDeathScreenThePointerAndTheActionsShareThePad)
{
    StandInALevel();
    game.deathScreen = 1;
    Pad(sf::Event::JoystickConnected, 0);
    Frames(1);
    PadButton(PAD_NORTH, true);
    EXPECT_TRUE(IsActionDown(main->input, ACTION_INTERACT));
    PadButton(PAD_NORTH, false);
    Pad(sf::Event::JoystickMoved, sf::Joystick::PovY, 100.f);
    EXPECT_EQ(MousePosition(main->input), Centre(main->menu.returnButton)) << "the d-pad goes to its button";
    EXPECT_FALSE(IsActionDown(main->input, ACTION_DIVE));
    PadButton(PAD_SOUTH, true);
    EXPECT_TRUE(IsButtonDown(main->input, kPointerButton));
    EXPECT_FALSE(IsActionDown(main->input, ACTION_JUMP));
    PadButton(PAD_SOUTH, false);
    PadButton(PAD_START, true);
    EXPECT_EQ(game.mode, MODE_PAUSE);
    // In the menus start is nothing: Escape would close the game.
    PadButton(PAD_START, false);
    game.mode = MODE_MENU;
    Frames(1);
    PadButton(PAD_START, true);
    EXPECT_TRUE(main->open);
}

TEST_F(Program, InPlayTheStickAimsTheSwordFromThePlayer)
{
    StandInALevel();
    Pad(sf::Event::JoystickConnected, 0);
    Take(WindowMouse(sf::Event::MouseMoved, {100, 500}));  // the mouse left of the middle
    Frames(1);
    Pad(sf::Event::JoystickMoved, sf::Joystick::X, 80.f);
    Pad(sf::Event::JoystickMoved, sf::Joystick::Y, -60.f);
    Frames(1);
    Pad(sf::Event::JoystickMoved, sf::Joystick::X, 0.f);
    Pad(sf::Event::JoystickMoved, sf::Joystick::Y, 0.f);
    Frames(1);
    EXPECT_GE(MousePosition(main->input).x, kScreenHalfWidth) << "aimed right, up";
    EXPECT_EQ(game.player.aimRight, 1);
    const PadView view = CurrentPadView(*main);
    const sf::Vector2f way = sf::Vector2f(MousePosition(main->input)) - view.aimFrom;
    EXPECT_LT(way.y, 0.f);
    // The mouse moved by hand takes the pointer back.
    FromTheWindow(WindowMouse(sf::Event::MouseMoved, {200, 500}));
    Frames(1);
    EXPECT_EQ(MousePosition(main->input), sf::Vector2i(200, 500));
    EXPECT_EQ(game.player.aimRight, 0);
}

// ---- Replays ------------------------------------------------------------------------

TEST(Script, EveryLineAReplayWritesReadsBackTheSame)
{
    const char* const lines[] = {"0 seed 4294967295", "3 key Left down", "3 key LShift up", "4 mouse -5 1200",
                                 "5 click right 10 20", "6 release middle", "7 focus lost", "7 focus gained",
                                 "8 pad 2 connect", "8 pad 7 disconnect", "9 pad 0 button 31 down",
                                 "9 pad 1 axis PovY -100", "9 pad 1 axis Z 33.25", "10 dt 0.016712345",
                                 "11 warp 100.5 -20", "11 goto door", "12 resize 1366 768", "13 screenshot a.png",
                                 "14 quit"};
    for (const char* text : lines) {
        std::istringstream in(text);
        std::vector<ScriptLine> script;
        std::string error;
        ASSERT_TRUE(ParseScript(in, script, error)) << text << ": " << error;
        ASSERT_EQ(script.size(), 1u);
        const std::string written = ScriptLineText(script[0]);
        std::istringstream again(written);
        std::vector<ScriptLine> reread;
        ASSERT_TRUE(ParseScript(again, reread, error)) << written;
        EXPECT_EQ(ScriptLineText(reread[0]), written);
        if (script[0].action == SCRIPT_DT)
            EXPECT_EQ(reread[0].dt, script[0].dt) << "a frame's time comes back to the bit";
        else
            EXPECT_EQ(written, text);
    }
}

TEST(Script, BadLinesOfTheNewVerbsAreNamed)
{
    for (const char* bad : {"1 pad 8 connect", "1 pad 0 button 32 down", "1 pad 0 axis W 3", "1 pad 0 axis X 101",
                            "1 pad 0 wobble", "1 dt 0", "1 dt -1", "1 dt 4000", "2 seed 5", "1 resize 0 5", "1 focus away"}) {
        std::istringstream text(std::string("0 quit\n") + bad + "\n");
        std::vector<ScriptLine> script;
        std::string error;
        EXPECT_FALSE(ParseScript(text, script, error)) << bad;
        EXPECT_NE(error.find("line 2"), std::string::npos) << error;
    }
}

TEST(RunOptions, AReplaysSeedAndTimesAreTakenUnlessTheCommandSaysOtherwise)
{
    const std::filesystem::path file
        = std::filesystem::temp_directory_path() / ("tidewrack-replay-" + std::to_string(::getpid()) + ".script");
    std::ofstream(file) << "0 seed 77\n0 dt 0.02\n1 dt 0.03\n";
    const std::string path = file.string();
    const auto parse = [](std::vector<const char*> args) {
        RunOptions options;
        std::string error;
        EXPECT_TRUE(ParseRunOptions(static_cast<int>(args.size()), args.data(), options, error)) << error;
        return options;
    };
    const RunOptions replay = parse({"t", "--script", path.c_str(), "--windowed", "--record", "/tmp/r.script"});
    EXPECT_EQ(replay.seed, 77u);
    EXPECT_TRUE(replay.scriptTimed);
    EXPECT_TRUE(replay.windowed);
    EXPECT_EQ(replay.record, "/tmp/r.script");
    EXPECT_EQ(parse({"t", "--seed", "5", "--script", path.c_str()}).seed, 5u);
    EXPECT_EQ(parse({"t", "--script", path.c_str(), "--seed", "5"}).seed, 5u);
    EXPECT_FALSE(parse({"t"}).windowed);
    std::filesystem::remove(file);
}

// What the game hears is written as it is heard: a gamepad as its keys, the
// window's own events not at all, and each frame's time.
TEST_F(Program, ARecordingHoldsWhatTheGameHeard)
{
    const std::filesystem::path file
        = std::filesystem::temp_directory_path() / ("tidewrack-record-" + std::to_string(::getpid()) + ".script");
    ASSERT_TRUE(StartRecording(main->recording, file.string(), 12));
    StandInALevel();
    main->recording.frame = 3;
    Pad(sf::Event::JoystickConnected, 0);
    Frames(1);
    PadButton(PAD_SOUTH, true);
    Take(WindowMouse(sf::Event::MouseButtonPressed, {40, 50}));
    sf::Event resized{};
    resized.type = sf::Event::Resized;
    resized.size = {800, 600};
    Take(resized);
    main->frameDt = 0.25f;
    main->recording.frame = 4;
    Frames(1);
    ASSERT_TRUE(StopRecording(main->recording));
    std::ifstream in(file);
    std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    std::filesystem::remove(file);
    EXPECT_EQ(text, "# A Tidewrack replay: play it with --script\n"
                    "0 seed 12\n"
                    "3 dt 0.016666668\n"
                    "3 key Space down\n"
                    "3 mouse 40 50\n"
                    "3 click left 40 50\n"
                    "4 dt 0.25\n"
                    "4 quit\n");
}

}  // namespace
