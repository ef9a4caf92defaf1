#include "app/main_data.hpp"
#include "app/run_options.hpp"
#include "ui/volume_bar.hpp"

#include <gtest/gtest.h>
#include <memory>
#include <sstream>
#include <thread>

namespace {

// A program record with no window: enough for the dispatch rules.
struct Dispatch : ::testing::Test {
    std::unique_ptr<MainData> main = std::make_unique<MainData>();
    void SetUp() override { main->open = true; }

    void Press(sf::Keyboard::Key key)
    {
        main->event = {};
        main->event.type = sf::Event::KeyPressed;
        main->event.key.code = key;
        DispatchEvent(*main);
    }
    void Click(sf::Mouse::Button button)
    {
        main->event = {};
        main->event.type = sf::Event::MouseButtonPressed;
        main->event.mouseButton = {button, 5, 5};
        DispatchEvent(*main);
    }
};

TEST_F(Dispatch, EscapeClosesTheMenuPausesTheGameAndDoesNothingInThePause)
{
    main->game.mode = MODE_MENU;
    Press(sf::Keyboard::Escape);
    EXPECT_FALSE(main->open);
    main->open = true;
    main->game.mode = MODE_GAME;
    Press(sf::Keyboard::Escape);
    EXPECT_EQ(main->game.mode, MODE_PAUSE);
    Press(sf::Keyboard::Escape);
    EXPECT_EQ(main->game.mode, MODE_PAUSE);
    EXPECT_TRUE(main->open);
    main->game.mode = MODE_MENU;
    Press(sf::Keyboard::Space);  // no other key does anything in the menu
    EXPECT_TRUE(main->open);
    EXPECT_EQ(main->game.mode, MODE_MENU);
}

// The click on the pause's resume area must not reach the game as a held
// button (the game would swing the sword); a click in the game does.
TEST_F(Dispatch, TheClickThatResumesIsNotASwing)
{
    const auto press = [&] {
        main->event = {};
        main->event.type = sf::Event::MouseButtonPressed;
        main->event.mouseButton = {sf::Mouse::Left, 960, 918};
        FeedInput(main->input, main->event);
        DispatchEvent(*main);
    };
    main->game.mode = MODE_PAUSE;
    main->pauseMenu.screen = 0;
    main->pauseMenu.returnButton.hovered = 1;
    press();
    EXPECT_EQ(main->game.mode, MODE_GAME);
    EXPECT_FALSE(IsButtonDown(main->input, sf::Mouse::Left));
    press();
    EXPECT_TRUE(IsButtonDown(main->input, sf::Mouse::Left));
}

TEST_F(Dispatch, MiddleButtonReturnsToTheMenuFromEveryModeAndEmptiesTheEnemies)
{
    for (int mode : {MODE_MENU, MODE_GAME, MODE_PAUSE}) {
        main->game.mode = mode;
        AddTank(main->game.enemies, {1, 2});
        main->game.dialogue.active = 1;
        Click(sf::Mouse::Middle);
        EXPECT_EQ(main->game.mode, MODE_MENU) << "from mode " << mode;
        EXPECT_TRUE(main->game.enemies.enemies.empty());
        EXPECT_EQ(main->game.dialogue.active, 0);
    }
    main->game.mode = MODE_GAME;
    Click(sf::Mouse::Right);
    EXPECT_EQ(main->game.mode, MODE_GAME);
}

TEST_F(Dispatch, UnknownModesDispatchNothingAndCloseStillWorks)
{
    main->game.mode = 7;
    Press(sf::Keyboard::Escape);
    Click(sf::Mouse::Left);
    UpdateMain(*main);
    EXPECT_EQ(main->game.mode, 7);
    main->event = {};
    main->event.type = sf::Event::Closed;
    DispatchEvent(*main);
    EXPECT_FALSE(main->open);
}

// Time spent in the pause never reaches the game: the frame clock has
// started again inside the pause's own update. (Restarted there, it has run
// for less time than a clock started just before that update.)
TEST_F(Dispatch, TheClockRestartsEveryFrameWhateverTheMode)
{
    main->game.mode = MODE_PAUSE;
    std::this_thread::sleep_for(std::chrono::milliseconds(30));
    const sf::Clock aroundTheUpdate;
    UpdateMain(*main);
    const sf::Time sinceRestart = main->clock.getElapsedTime();
    EXPECT_LE(sinceRestart, aroundTheUpdate.getElapsedTime());
}

TEST(Input, EventsDriveThePolledState)
{
    Input input;
    sf::Event event{};
    event.type = sf::Event::KeyPressed;
    event.key.code = sf::Keyboard::D;
    FeedInput(input, event);
    EXPECT_TRUE(IsKeyDown(input, sf::Keyboard::D));
    event.type = sf::Event::MouseButtonPressed;
    event.mouseButton = {sf::Mouse::Left, 300, 400};
    FeedInput(input, event);
    EXPECT_TRUE(IsButtonDown(input, sf::Mouse::Left));
    EXPECT_EQ(MousePosition(input), sf::Vector2i(300, 400));
    event.type = sf::Event::LostFocus;  // releases made elsewhere never arrive
    FeedInput(input, event);
    EXPECT_FALSE(IsKeyDown(input, sf::Keyboard::D));
    EXPECT_FALSE(IsButtonDown(input, sf::Mouse::Left));
    EXPECT_FALSE(IsKeyDown(input, sf::Keyboard::Unknown));
}

TEST(VolumeBar, DragStopsInsideTheEndsAndAClickOnTheBarJumps)
{
    MenuImage bar;
    bar.bounds = {300, 400, 1286, 64};  // the bar's picture: 0 to 100 for a 36 px cursor
    MenuButton cursor;
    cursor.sprite.setTextureRect({0, 0, 36, 80});
    cursor.sprite.setOrigin(18, 40);
    const sf::Vector2f offset{2000, -500};  // the camera has scrolled away
    PlaceVolumeCursor(cursor, bar, 300 + 1286 - 134, offset);
    EXPECT_EQ(cursor.sprite.getPosition(), sf::Vector2f(3452, -68));
    EXPECT_EQ(cursor.bounds.left, 1434) << "bounds stay in window pixels";
    EXPECT_FLOAT_EQ(VolumeFromCursor(bar, cursor), 100.f);
    const auto centre = [&] { return cursor.bounds.left + 18; };
    // Dragging left: the cursor follows the mouse while it holds it...
    PlaceVolumeCursor(cursor, bar, 450, offset);
    UpdateVolumeBar(bar, cursor, {440, 430}, true, offset);
    EXPECT_FLOAT_EQ(centre(), 440);
    // ...overshoots the stop by one frame's motion, then is pulled back.
    UpdateVolumeBar(bar, cursor, {425, 430}, true, offset);
    EXPECT_FLOAT_EQ(centre(), 425);
    float volume = UpdateVolumeBar(bar, cursor, {420, 430}, true, offset);
    EXPECT_FLOAT_EQ(centre(), 300 + 134);
    EXPECT_EQ(volume, 0.f) << "the volume never goes below 0";
    // A click on the bar away from the cursor jumps it there, unclamped.
    volume = UpdateVolumeBar(bar, cursor, {1000, 420}, true, offset);
    EXPECT_FLOAT_EQ(centre(), 1000);
    EXPECT_FLOAT_EQ(volume, (982.f - 434) / 10);
    // Without the button nothing moves; a mouse off the cursor does not drag.
    UpdateVolumeBar(bar, cursor, {700, 420}, false, offset);
    UpdateVolumeBar(bar, cursor, {700, 300}, true, offset);
    EXPECT_FLOAT_EQ(centre(), 1000);
}

// The camera re-anchors both menus every frame it moves: the cursor must
// be drawn where it is clicked, and the volume must not drift.
TEST(VolumeBar, ReAnchoringKeepsTheCursorAndTheVolume)
{
    Menu menu;
    PauseMenu pause;
    for (MenuImage* bar : {&menu.soundBar, &pause.soundBar})
        bar->bounds = {317, 401, 1286, 64};
    for (MenuButton* cursor : {&menu.soundCursor, &pause.soundCursor}) {
        cursor->sprite.setTextureRect({0, 0, 36, 80});
        cursor->sprite.setOrigin(18, 40);
    }
    PlaceVolumeCursor(menu.soundCursor, menu.soundBar, 1000, {0, 0});
    PlaceVolumeCursor(pause.soundCursor, pause.soundBar, 1000, {0, 0});
    const float volume = VolumeFromCursor(menu.soundBar, menu.soundCursor);
    for (const sf::Vector2f centre : {sf::Vector2f(2160, 540), sf::Vector2f(9000, -1200), sf::Vector2f(960, 540)}) {
        AnchorMenu(menu, centre);
        AnchorPauseMenu(pause, centre);
        const sf::Vector2f offset = centre - sf::Vector2f(960, 540);
        EXPECT_EQ(menu.soundCursor.sprite.getPosition(), sf::Vector2f(1000, 433) + offset);
        EXPECT_EQ(pause.soundCursor.sprite.getPosition(), sf::Vector2f(1000, 433) + offset);
        EXPECT_FLOAT_EQ(VolumeFromCursor(menu.soundBar, menu.soundCursor), volume);
        EXPECT_FLOAT_EQ(VolumeFromCursor(pause.soundBar, pause.soundCursor), volume);
    }
}

TEST(VolumeBar, NeverAboveAHundred)
{
    MenuImage bar;
    bar.bounds = {0, 0, 5000, 10};
    MenuButton cursor;
    cursor.sprite.setTextureRect({0, 0, 10, 10});
    PlaceVolumeCursor(cursor, bar, 4000, {0, 0});
    EXPECT_EQ(VolumeFromCursor(bar, cursor), 100.f);
}

TEST(RunOptions, ReadsEveryOptionAndRejectsBadValues)
{
    const char* good[] = {"tidewrack", "--seed", "42", "--fixed-dt", "0.0166", "--frames", "10",
                          "--draw-every", "5", "--screenshot", "/tmp/x.png"};
    RunOptions options;
    std::string error;
    ASSERT_TRUE(ParseRunOptions(11, good, options, error)) << error;
    EXPECT_EQ(options.seed, 42u);
    EXPECT_FLOAT_EQ(options.fixedDt, 0.0166f);
    EXPECT_EQ(options.frames, 10);
    EXPECT_EQ(options.drawEvery, 5);
    EXPECT_EQ(options.screenshot, "/tmp/x.png");
    for (std::vector<const char*> bad : {std::vector<const char*>{"t", "--seed", "x"},
                                         {"t", "--frames", "0"},
                                         {"t", "--fixed-dt", "-1"},
                                         {"t", "--draw-every", "2.5"},
                                         {"t", "--script", "/no/such/file"},
                                         {"t", "--bogus", "1"},
                                         {"t", "--seed"}}) {
        RunOptions rejected;
        EXPECT_FALSE(ParseRunOptions(static_cast<int>(bad.size()), bad.data(), rejected, error)) << bad[1];
        EXPECT_FALSE(error.empty());
    }
}

TEST(Script, LinesBecomeEventsInFrameOrder)
{
    std::istringstream text("# walk right\n"
                            "5 key D down   # hold\n"
                            "\n"
                            "2 mouse 100 200\n"
                            "3 click left 10 20\n"
                            "4 release left\n"
                            "5 screenshot /tmp/a.png\n"
                            "7 warp 100.5 -20\n"
                            "8 hand imps sword lightning\n"
                            "9 quit\n");
    std::vector<ScriptLine> script;
    std::string error;
    ASSERT_TRUE(ParseScript(text, script, error)) << error;
    ASSERT_EQ(script.size(), 8u);
    EXPECT_EQ(script[0].frame, 2);
    EXPECT_EQ(script[0].event.type, sf::Event::MouseMoved);
    EXPECT_EQ(script[1].event.mouseButton.button, sf::Mouse::Left);
    EXPECT_EQ(script[1].event.mouseButton.y, 20);
    EXPECT_EQ(script[2].event.type, sf::Event::MouseButtonReleased);
    EXPECT_EQ(script[3].event.key.code, sf::Keyboard::D) << "file order is kept within a frame";
    EXPECT_EQ(script[4].action, SCRIPT_SCREENSHOT);
    EXPECT_EQ(script[5].action, SCRIPT_WARP);
    EXPECT_EQ(script[5].warp, sf::Vector2f(100.5f, -20.f));
    EXPECT_EQ(script[6].action, SCRIPT_HAND);
    EXPECT_EQ(script[6].hand, (std::array<int, 3>{SPELL_MESPER, SPELL_SWORD, SPELL_FOUDRE}));
    EXPECT_EQ(ScriptLineText(script[6]), "8 hand imps sword lightning") << "a recording writes it back as read";
    EXPECT_EQ(script[7].action, SCRIPT_QUIT);
    EXPECT_EQ(KeyFromName("LShift"), sf::Keyboard::LShift);
    EXPECT_EQ(KeyFromName("Pause"), sf::Keyboard::Pause);
}

TEST(Script, ABadLineIsNamedByNumber)
{
    for (const char* bad : {"1 key Shift down", "x quit", "1 click up 3 4", "1 key A sideways", "-1 quit",
                            "1 mouse 3", "1 teleport", "1 warp 3",
                            "1 hand sword cross", "1 hand sword cross fireball"}) {
        std::istringstream text(std::string("0 quit\n") + bad + "\n");
        std::vector<ScriptLine> script;
        std::string error;
        EXPECT_FALSE(ParseScript(text, script, error)) << bad;
        EXPECT_NE(error.find("line 2"), std::string::npos) << error;
    }
}

}  // namespace
