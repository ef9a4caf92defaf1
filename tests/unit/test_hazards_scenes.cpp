// Leaving every scene by the middle button at any frame and playing on, and
// the window losing and taking back the keyboard in every scene, on a whole
// program record driven through the same dispatch as real events.
#include "app/main_data.hpp"
#include "app/places.hpp"
#include "boss/boss_attacks.hpp"
#include "hub/hub_table.hpp"
#include "program_test.hpp"

#include <gtest/gtest.h>
#include <functional>
#include <memory>

namespace {

constexpr float kFrame = 1.f / 60.f;
constexpr int kPatience = 3000;  // frames a scene may take to hand over before the test gives up

struct SceneHazards : ::testing::Test {
    std::unique_ptr<MainData> main = std::make_unique<MainData>();
    Game& game = main->game;

    void SetUp() override
    {
        ASSERT_TRUE(BuildProgram(*main, kFrame));
    }
    void Frames(int n)
    {
        testing::internal::CaptureStdout();  // the player's place, printed every frame
        for (int k = 0; k < n; ++k)
            UpdateMain(*main);
        testing::internal::GetCapturedStdout();
    }
    // Frames until `done` holds; false if it never did.
    bool FramesUntil(const std::function<bool()>& done)
    {
        for (int k = 0; k < kPatience; ++k) {
            if (done())
                return true;
            Frames(1);
        }
        return done();
    }
    void Send(sf::Event event)
    {
        main->event = event;
        FeedInput(main->input, event);
        DispatchEvent(*main);
    }
    void MoveMouse(sf::Vector2i at)
    {
        sf::Event move{};
        move.type = sf::Event::MouseMoved;
        move.mouseMove = {at.x, at.y};
        Send(move);
    }
    void Click(sf::Mouse::Button button, sf::Vector2i at)
    {
        MoveMouse(at);
        sf::Event press{};
        press.type = sf::Event::MouseButtonPressed;
        press.mouseButton = {button, at.x, at.y};
        Send(press);
        press.type = sf::Event::MouseButtonReleased;
        Send(press);
    }
    // A button of a menu: the mouse rests on it for a frame, then clicks.
    void ClickButton(const MenuButton& button)
    {
        const sf::Vector2i at{static_cast<int>(button.bounds.left + button.bounds.width / 2.f),
                              static_cast<int>(button.bounds.top + button.bounds.height / 2.f)};
        MoveMouse(at);
        UpdateMain(*main);
        Click(sf::Mouse::Left, at);
    }
    void Key(sf::Keyboard::Key key, bool down)
    {
        sf::Event event{};
        event.type = down ? sf::Event::KeyPressed : sf::Event::KeyReleased;
        event.key.code = key;
        Send(event);
    }
    void Focus(bool gained)
    {
        sf::Event event{};
        event.type = gained ? sf::Event::GainedFocus : sf::Event::LostFocus;
        Send(event);
    }
    void Play()
    {
        ASSERT_EQ(game.mode, MODE_MENU);
        ClickButton(main->menu.playButton);
        ASSERT_EQ(game.mode, MODE_GAME);
    }
    // The middle button, then Play: the game taken up where it was left.
    void LeaveAndPlayAgain()
    {
        Click(sf::Mouse::Middle, {960, 540});
        ASSERT_EQ(game.mode, MODE_MENU);
        EXPECT_TRUE(game.enemies.enemies.empty());
        EXPECT_EQ(game.dialogue.active, 0);
        Play();
    }
    void Interact()
    {
        Key(sf::Keyboard::F, true);
        Frames(2);
        Key(sf::Keyboard::F, false);
        Frames(1);
    }
    void GoTo(const char* place) { ASSERT_TRUE(GoToPlace(game, place)) << place << " in the " << Here(); }
    std::string Here() const { return SceneName(CurrentScene(game)); }
    bool Loading() const { return game.loadingScreen.loadingActive == 1; }

    // The tutorial played to its door, and the hub's first loading screen.
    void ThroughTheTutorial()
    {
        ASSERT_TRUE(FramesUntil([&] { return GoToPlace(game, "substance"); }));
        Key(sf::Keyboard::F, true);
        ASSERT_TRUE(FramesUntil([&] { return game.player.hasArms == 1; }));
        Key(sf::Keyboard::F, false);
        ASSERT_TRUE(FramesUntil([&] { return game.player.cinematicState == CINEMATIC_NONE; }));
        GoTo("door");
        Frames(1);
        Interact();
    }
    // From the hub through its exit and the loading screen into a level.
    void StartARun()
    {
        GoTo("exit");
        Frames(1);
        ASSERT_TRUE(Loading());
        ASSERT_TRUE(FramesUntil([&] { return !Loading(); }));
        ASSERT_EQ(CurrentScene(game), SCENE_LEVEL);
    }
    void OpenTheDoor()
    {
        GoTo("door");
        Frames(1);
        Interact();
        ASSERT_EQ(game.player.frozen, 1) << "the fade under way";
    }
    // The fade's black frame builds the next level and hands the body back.
    void FinishTheDoor()
    {
        ASSERT_TRUE(FramesUntil([&] { return game.player.frozen == 0 && !Loading(); })) << Here();
    }
    void Die()
    {
        ChangeHealth(game.hud, game.player, -10000);
        Frames(1);
        ASSERT_EQ(CurrentScene(game), SCENE_DEATH_SCREEN);
    }
    // The death screen's button, where the screen shows it.
    void ClickDeathButton()
    {
        const sf::FloatRect button = game.enemies.recapButton.getGlobalBounds();
        const sf::Vector2f corner = ViewTopLeft(game.camera.view);
        Click(sf::Mouse::Left, {static_cast<int>(button.left - corner.x + button.width / 2.f),
                                static_cast<int>(button.top - corner.y + button.height / 2.f)});
    }
    void OpenTheArena()
    {
        Key(sf::Keyboard::B, true);
        Frames(1);
        Key(sf::Keyboard::B, false);
        Frames(1);
        ASSERT_EQ(CurrentScene(game), SCENE_ARENA);
    }
    void StartAttack(int attack)
    {
        static const std::function<void(Boss&, Game&)> starts[] = {
            StartCauldron, nullptr, StartCarrots, StartFire, StartShockWave, StartFood, StartMelee};
        Boss& boss = game.boss;
        CleanUpAttack(boss);
        boss.walkTimer = -1.f;
        boss.bossState = BOSS_ATTACK;
        boss.attackKind = attack;
        starts[attack](boss, game);
    }
    void ExpectBackInTheHubAndOnToALevel()
    {
        ASSERT_TRUE(FramesUntil([&] { return CurrentScene(game) == SCENE_HUB; })) << Here();
        EXPECT_EQ(game.hud.bossFight, 0);
        EXPECT_EQ(game.boss.bossActive, 0);
        StartARun();
    }
};

// The tutorial (the cinematic, the dialogue, the walk), the hub's loading
// screen, the hub with each panel open, a run's loading screen, a level and
// every stage of a door's fade: after the menu and Play the game goes on
// from where it was, to the next scene.
TEST_F(SceneHazards, TheMiddleButtonAnywhereOnTheWayToALevelThenPlayGoesOn)
{
    Play();
    int played = 0;
    for (int frames : {1, 200, 500, 699, 700, 760, 900}) {
        Frames(frames - played);
        played = frames;
        LeaveAndPlayAgain();
        ASSERT_EQ(CurrentScene(game), SCENE_TUTORIAL) << "after frame " << frames;
    }
    ThroughTheTutorial();
    ASSERT_TRUE(Loading()) << "the hub's first loading screen";
    Frames(60);
    LeaveAndPlayAgain();
    ASSERT_TRUE(FramesUntil([&] { return CurrentScene(game) == SCENE_HUB; }));
    Frames(1);
    ASSERT_GE(LastDummyIndex(game.enemies), 0) << "the dummy stands again";

    const char* zones[] = {"seller", "quests", "cards", "recap", "dressroom"};
    const HubRect quits[] = {kSellerQuit, kQuestQuit, kCardSelectorQuit, kRecapQuit};
    for (int panel = 0; panel < PANEL_COUNT; ++panel) {
        GoTo(zones[panel]);
        Frames(30);
        Interact();
        if (panel != PANEL_DRESS_ROOM) {
            ASSERT_EQ(game.hub.panelOpen[static_cast<std::size_t>(panel)], 1) << zones[panel];
        }
        LeaveAndPlayAgain();
        ASSERT_EQ(CurrentScene(game), SCENE_HUB);
        Frames(5);
        if (panel != PANEL_DRESS_ROOM) {
            const HubRect quit = quits[panel];
            Click(sf::Mouse::Left, {static_cast<int>(quit.left + quit.width / 2.f),
                                    static_cast<int>(quit.top + quit.height / 2.f)});
        }
        Frames(5);
        ASSERT_FALSE(AnyPanelOpen(game.hub)) << zones[panel] << ": its way back still closes it";
    }

    GoTo("exit");
    Frames(90);
    ASSERT_TRUE(Loading());
    LeaveAndPlayAgain();
    ASSERT_TRUE(FramesUntil([&] { return !Loading(); }));
    ASSERT_EQ(CurrentScene(game), SCENE_LEVEL);
    ASSERT_FALSE(game.enemies.enemies.empty()) << "the level was built after the menu, with its enemies";

    LeaveAndPlayAgain();
    EXPECT_EQ(CurrentScene(game), SCENE_LEVEL);
    for (int frames : {0, 1, 60, 123, 124, 125}) {
        game.level.levelNumber = 1;  // never the fourth level: its doors lead to the arena
        OpenTheDoor();
        Frames(frames);
        LeaveAndPlayAgain();
        FinishTheDoor();
        EXPECT_EQ(CurrentScene(game), SCENE_LEVEL) << "a door left at frame " << frames;
        EXPECT_EQ(game.level.levelNumber, 2) << "a door left at frame " << frames;
        EXPECT_EQ(game.level.fadeAlpha, 0);
    }
}

// The death screen, the arena's loading screen, every attack of the boss
// at several of its frames, and the win screen: after the menu and Play
// the player can still go on to the hub and a new run.
TEST_F(SceneHazards, TheMiddleButtonOnTheDeathScreenInTheArenaAndOnTheWinScreenThenPlayGoesOn)
{
    game.player.cinematicState = CINEMATIC_NONE;
    game.player.hasArms = 1;
    game.mode = MODE_GAME;
    SendPlayerToHub(game);
    ASSERT_TRUE(FramesUntil([&] { return CurrentScene(game) == SCENE_HUB; }));
    StartARun();

    Die();
    Frames(40);
    LeaveAndPlayAgain();
    ASSERT_EQ(CurrentScene(game), SCENE_DEATH_SCREEN);
    Frames(5);
    ClickDeathButton();
    ExpectBackInTheHubAndOnToALevel();

    game.level.levelNumber = kBossLevelNumber;
    OpenTheDoor();
    ASSERT_TRUE(FramesUntil([&] { return Loading(); }));
    Frames(60);
    LeaveAndPlayAgain();
    ASSERT_TRUE(FramesUntil([&] { return !Loading(); }));
    ASSERT_EQ(CurrentScene(game), SCENE_ARENA) << "the arena built behind the loading screen";
    ASSERT_EQ(game.boss.bossActive, 1);

    for (int attack : {BOSS_ATTACK_CAULDRON, BOSS_ATTACK_CARROTS, BOSS_ATTACK_FIRE, BOSS_ATTACK_SHOCK_WAVE,
                       BOSS_ATTACK_FOOD, BOSS_ATTACK_MELEE})
        for (int frames : {0, 1, 45, 200}) {
            if (CurrentScene(game) != SCENE_ARENA)
                OpenTheArena();  // from the level the last one ended in
            StartAttack(attack);
            game.player.health = 100;
            Frames(frames);
            LeaveAndPlayAgain();
            SCOPED_TRACE("attack " + std::to_string(attack) + " left at frame " + std::to_string(frames));
            ExpectBackInTheHubAndOnToALevel();
        }

    OpenTheArena();
    ChangeBossHealth(game.hud, -5000, game.boss);
    ASSERT_TRUE(FramesUntil([&] { return CurrentScene(game) == SCENE_WIN_SCREEN; }));
    LeaveAndPlayAgain();
    ExpectBackInTheHubAndOnToALevel();
}

// What a scene shows that moves from frame to frame.
struct Moment {
    int scene = 0;
    float loading = 0.f;
    int fade = 0;
    sf::Vector2f body{};
    float fight = 0.f;
    bool operator==(const Moment&) const = default;
};

// The window losing the keyboard in every scene: the game pauses with
// nothing held and stays as it was; taken back, it waits for the resume
// button, then goes on from the same moment.
TEST_F(SceneHazards, LosingTheKeyboardInEverySceneHoldsItUntilResumed)
{
    const auto moment = [&] {
        return Moment{CurrentScene(game), game.loadingScreen.elapsed, game.level.fadeAlpha,
                      game.player.hitbox.getPosition(), game.boss.fightTime};
    };
    const auto loseAndTakeBack = [&](const char* where) {
        SCOPED_TRACE(where);
        Key(sf::Keyboard::D, true);
        const Moment before = moment();
        Focus(false);
        ASSERT_EQ(game.mode, MODE_PAUSE);
        EXPECT_FALSE(IsKeyDown(main->input, sf::Keyboard::D)) << "every key held counts as let go";
        Frames(20);
        Focus(true);
        Frames(20);
        EXPECT_EQ(game.mode, MODE_PAUSE) << "coming back waits for the resume button";
        EXPECT_EQ(moment(), before) << "nothing moved under the pause";
        ClickButton(main->pauseMenu.returnButton);
        ASSERT_EQ(game.mode, MODE_GAME);
        EXPECT_EQ(CurrentScene(game), before.scene);
    };

    Focus(false);
    EXPECT_EQ(game.mode, MODE_MENU) << "the menu stays the menu";
    Focus(true);
    Play();
    Frames(100);
    loseAndTakeBack("the cinematic");
    ThroughTheTutorial();
    Frames(30);
    loseAndTakeBack("the hub's loading screen");
    ASSERT_TRUE(FramesUntil([&] { return CurrentScene(game) == SCENE_HUB; }));
    GoTo("seller");
    Frames(30);
    Interact();
    ASSERT_TRUE(AnyPanelOpen(game.hub));
    loseAndTakeBack("the hub, the seller's panel open");
    EXPECT_TRUE(AnyPanelOpen(game.hub)) << "the resume click is not the panel's";
    Click(sf::Mouse::Left, {static_cast<int>(kSellerQuit.left + 10.f), static_cast<int>(kSellerQuit.top + 10.f)});
    GoTo("exit");
    Frames(30);
    loseAndTakeBack("a run's loading screen");
    ASSERT_TRUE(FramesUntil([&] { return !Loading(); }));
    Frames(30);
    loseAndTakeBack("a level");
    game.level.levelNumber = 1;
    OpenTheDoor();
    Frames(40);
    loseAndTakeBack("a door's fade");
    FinishTheDoor();
    Die();
    loseAndTakeBack("the death screen");
    ClickDeathButton();
    ASSERT_TRUE(FramesUntil([&] { return CurrentScene(game) == SCENE_HUB; }));
    StartARun();
    OpenTheArena();
    StartAttack(BOSS_ATTACK_FIRE);
    Frames(30);
    loseAndTakeBack("the arena, mid-attack");
    ChangeBossHealth(game.hud, -5000, game.boss);
    ASSERT_TRUE(FramesUntil([&] { return CurrentScene(game) == SCENE_WIN_SCREEN; }));
    loseAndTakeBack("the win screen");
}

}  // namespace
