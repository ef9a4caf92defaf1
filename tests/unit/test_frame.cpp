// The running game's frame as a whole: what runs in which scene, the
// hand-over between modes, the musics, and elements kept in growable lists.
#include "app/main_data.hpp"
#include "engine/layout_table.hpp"
#include "game_test.hpp"
#include "ui/volume_bar.hpp"
#include "program_test.hpp"

#include <SFML/Graphics/RenderTexture.hpp>
#include <gtest/gtest.h>
#include <memory>

namespace {

constexpr float kFrame = 1.f / 60.f;

// A whole program record, built as start-up builds it, without a window.
struct ProgramTest : ::testing::Test {
    std::unique_ptr<MainData> main = std::make_unique<MainData>();
    Game& game = main->game;

    void SetUp() override
    {
        ASSERT_TRUE(BuildProgram(*main));
    }
    void Send(sf::Event event)
    {
        main->event = event;
        FeedInput(main->input, event);
        DispatchEvent(*main);
    }
    void MoveMouse(int x, int y)
    {
        sf::Event move{};
        move.type = sf::Event::MouseMoved;
        move.mouseMove = {x, y};
        Send(move);
    }
    void Click(int x, int y)
    {
        MoveMouse(x, y);
        sf::Event press{};
        press.type = sf::Event::MouseButtonPressed;
        press.mouseButton = {sf::Mouse::Left, x, y};
        Send(press);
        press.type = sf::Event::MouseButtonReleased;
        Send(press);
    }
    void Key(sf::Keyboard::Key key, bool down)
    {
        sf::Event event{};
        event.type = down ? sf::Event::KeyPressed : sf::Event::KeyReleased;
        event.key.code = key;
        Send(event);
    }
    sf::Vector2i Middle(const MenuButton& button) const
    {
        return {static_cast<int>(button.bounds.left + button.bounds.width / 2.f),
                static_cast<int>(button.bounds.top + button.bounds.height / 2.f)};
    }
    // The player after the tutorial's opening, standing in a built level.
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
};

// On the death screen the world goes on (the player too) but the camera
// holds still.
TEST_F(ProgramTest, TheDeathScreenHoldsTheCameraButNotThePlayer)
{
    StandInALevel();
    testing::internal::CaptureStdout();
    for (int frame = 0; frame < 5; ++frame)
        UpdateMain(*main);
    const sf::Vector2f view = game.camera.view.getCenter();
    const float x = game.player.hitbox.getPosition().x;
    game.deathScreen = 1;
    main->input.keys[sf::Keyboard::D] = true;
    main->fixedDt = kFrame;
    for (int frame = 0; frame < 30; ++frame)
        UpdateMain(*main);
    testing::internal::GetCapturedStdout();
    EXPECT_GT(game.player.hitbox.getPosition().x, x + 100.f) << "the player walks on";
    EXPECT_EQ(game.camera.view.getCenter(), view) << "the camera stays";
    EXPECT_EQ(CurrentScene(game), SCENE_DEATH_SCREEN);
}

// Play starts the game's music; the pause leaves it playing; the pause's
// MENU button brings the menu's music back.
TEST_F(ProgramTest, TheMusicFollowsTheModes)
{
    SoundBank& bank = main->soundBank;
    EXPECT_EQ(bank.menuMusic.getStatus(), sf::Music::Playing);
    EXPECT_EQ(bank.gameMusic.getStatus(), sf::Music::Stopped);
    const sf::Vector2i play = Middle(main->menu.playButton);
    MoveMouse(play.x, play.y);
    UpdateMain(*main);
    Click(play.x, play.y);
    ASSERT_EQ(game.mode, MODE_GAME);
    EXPECT_EQ(bank.menuMusic.getStatus(), sf::Music::Stopped);
    EXPECT_EQ(bank.gameMusic.getStatus(), sf::Music::Playing);
    Key(sf::Keyboard::Escape, true);
    ASSERT_EQ(game.mode, MODE_PAUSE);
    EXPECT_EQ(bank.gameMusic.getStatus(), sf::Music::Playing) << "the game's music plays on through the pause";
    const sf::Vector2i menuButton = Middle(main->pauseMenu.menuButton);
    MoveMouse(menuButton.x, menuButton.y);
    UpdateMain(*main);
    Click(menuButton.x, menuButton.y);
    ASSERT_EQ(game.mode, MODE_MENU);
    EXPECT_EQ(bank.menuMusic.getStatus(), sf::Music::Playing);
    EXPECT_EQ(bank.gameMusic.getStatus(), sf::Music::Stopped);
}

// A menu hears the mouse only while it is the mode: the one entered takes
// the mouse where it is, so nothing is lit (or clicked) from a position
// left over from the last time it showed.
TEST_F(ProgramTest, AModeEnteredTakesTheMouseWhereItIsNow)
{
    const sf::Vector2i play = Middle(main->menu.playButton);
    MoveMouse(play.x, play.y);
    UpdateMain(*main);
    Click(play.x, play.y);
    ASSERT_EQ(game.mode, MODE_GAME);
    // A first pause, resumed by a click on its resume area...
    Key(sf::Keyboard::Escape, true);
    Key(sf::Keyboard::Escape, false);
    const sf::Vector2i resume = Middle(main->pauseMenu.returnButton);
    MoveMouse(resume.x, resume.y);
    UpdateMain(*main);
    Click(resume.x, resume.y);
    ASSERT_EQ(game.mode, MODE_GAME);
    // ...then, in the game, the mouse goes away before the next pause.
    MoveMouse(1700, 200);
    Key(sf::Keyboard::Escape, true);
    ASSERT_EQ(game.mode, MODE_PAUSE);
    EXPECT_EQ(main->pauseMenu.returnButton.hovered, 0) << "the resume area is not lit by an old position";
    Click(1700, 200);
    EXPECT_EQ(game.mode, MODE_PAUSE) << "a click away from it does not resume";
    // Back to the menu by the pause's MENU button: Play is not lit, and a
    // click right away where the mouse is starts nothing.
    const sf::Vector2i menuButton = Middle(main->pauseMenu.menuButton);
    MoveMouse(menuButton.x, menuButton.y);
    UpdateMain(*main);
    Click(menuButton.x, menuButton.y);
    ASSERT_EQ(game.mode, MODE_MENU);
    EXPECT_EQ(main->menu.playButton.hovered, 0);
    Click(menuButton.x, menuButton.y);
    EXPECT_EQ(game.mode, MODE_MENU);
}

// The pause's Options plank stands above the volume bar's click area: a
// click on its lower edge opens the options and leaves the volume alone.
TEST_F(ProgramTest, ThePausesOptionsPlankStaysClearOfTheVolumeBar)
{
    PauseMenu& pause = main->pauseMenu;
    EXPECT_LT(pause.optionsButton.bounds.top + pause.optionsButton.bounds.height, pause.soundBar.bounds.top);
    const float volume = VolumeFromCursor(pause.soundBar, pause.soundCursor);
    game.mode = MODE_PAUSE;
    const sf::FloatRect options = pause.optionsButton.bounds;
    const int x = static_cast<int>(options.left + 20.f), y = static_cast<int>(options.top + options.height - 1.f);
    MoveMouse(x, y);
    UpdateMain(*main);
    sf::Event press{};
    press.type = sf::Event::MouseButtonPressed;
    press.mouseButton = {sf::Mouse::Left, x, y};
    Send(press);
    UpdateMain(*main);  // the button is still held: a drag on the bar would move the volume now
    EXPECT_EQ(pause.screen, PAUSE_OPTIONS);
    EXPECT_FLOAT_EQ(VolumeFromCursor(pause.soundBar, pause.soundCursor), volume);
}

// Held past a stop, the cursor holds at the stop instead of jumping between
// the mouse and the stop every other frame.
TEST(VolumeBarHold, TheCursorHoldsAtTheStopWhenDraggedPastIt)
{
    MenuImage bar;
    bar.bounds = {317, 401, 1286, 64};
    MenuButton cursor;
    cursor.sprite.setTextureRect({0, 0, 36, 80});
    cursor.sprite.setOrigin(18, 40);
    const float stop = 317 + 1286 - kVolumeStop;
    PlaceVolumeCursor(cursor, bar, stop - 20.f, {0, 0});
    for (int frame = 0; frame < 6; ++frame) {
        UpdateVolumeBar(bar, cursor, {stop + 120.f, 430.f}, true, {0, 0});
        if (frame > 0) {
            EXPECT_FLOAT_EQ(cursor.bounds.left + 18.f, stop) << "frame " << frame;
        }
    }
    UpdateVolumeBar(bar, cursor, {317.f + 5.f, 430.f}, true, {0, 0});  // a click at the bar's far left
    EXPECT_FLOAT_EQ(cursor.bounds.left + 18.f, 317 + kVolumeStop);
}

// Elements of a level live in a growable list that moves them as it grows:
// each holds its own sprite and animation, so every one still animates and
// draws after many reallocations (run it under AddressSanitizer too).
struct GrowingList : GameTest {};

TEST_F(GrowingList, EveryElementStillAnimatesAndDrawsAfterTheListMoved)
{
    InitPlayer(*game);
    Level& level = game->level;
    ResetLevel(level);
    level.obstacles.shrink_to_fit();
    constexpr int kDoors = 40;
    std::size_t moves = 0;
    for (int i = 0; i < kDoors; ++i) {
        const std::size_t capacity = level.obstacles.capacity();
        AddDoor(level, *game, {static_cast<float>(i * 48), 100.f});
        moves += level.obstacles.capacity() != capacity;
    }
    ASSERT_GT(moves, 3u) << "the list moved its elements several times";
    for (int frame = 0; frame < 8; ++frame)
        UpdateLevelAnimations(*game, 1.f / 9.f + 0.001f);
    sf::RenderTexture target;
    ASSERT_TRUE(target.create(kScreenWidth, kScreenHeight));
    target.clear(sf::Color::Transparent);
    DrawLevel(level, target);
    target.display();
    const sf::Image shot = target.getTexture().copyToImage();
    for (int i = 0; i < kDoors; ++i) {
        const Obstacle& door = level.obstacles[static_cast<std::size_t>(i)];
        const sf::IntRect frame = door.sprite.getTextureRect();
        EXPECT_EQ(frame.left, door.animation.currentFrame * frame.width) << "door " << i;
        EXPECT_GT(door.animation.currentFrame, 0) << "door " << i << " animates";
        EXPECT_EQ(frame.top, door.variant * frame.height) << "its reward's row";
    }
    int drawn = 0;
    for (unsigned x = 0; x < kDoors * 48; x += 48)
        for (unsigned y = 100; y < 490; y += 4)
            if (shot.getPixel(x + 24, y).a != 0) {
                ++drawn;
                break;
            }
    EXPECT_GT(drawn, kDoors * 3 / 4) << "the doors are drawn where they stand";
}

}  // namespace
