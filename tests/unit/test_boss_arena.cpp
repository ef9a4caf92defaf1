// The end of the fight as the whole program runs it: the win screen after
// the boss's death and coins, its click to the hub, and every way out of
// the arena ending the fight.
#include "app/main_data.hpp"
#include "app/run_report.hpp"
#include "boss/boss_attacks.hpp"
#include "program_test.hpp"

#include <gtest/gtest.h>
#include <memory>

namespace {

constexpr float kFrame = 1.f / 60.f;

struct ArenaTest : ::testing::Test {
    std::unique_ptr<MainData> main = std::make_unique<MainData>();
    Game& game = main->game;
    Boss& boss = game.boss;

    void SetUp() override
    {
        ASSERT_TRUE(BuildProgram(*main, kFrame));
        game.player.cinematicState = CINEMATIC_NONE;
        game.player.hasArms = 1;
        game.level.returnToHub = 0;
        ResetLevel(game.level);
        BuildBossLevel(game.level, game);
        game.player.hitbox.setPosition(300.f, 598.f);
        game.mode = MODE_GAME;
    }
    void Frames(int n)
    {
        testing::internal::CaptureStdout();  // the player's place, printed every frame
        for (int k = 0; k < n; ++k)
            UpdateMain(*main);
        testing::internal::GetCapturedStdout();
    }
    void Send(sf::Event event)
    {
        main->event = event;
        FeedInput(main->input, event);
        DispatchEvent(*main);
    }
    void Click(sf::Mouse::Button button)
    {
        sf::Event press{};
        press.type = sf::Event::MouseButtonPressed;
        press.mouseButton = {button, 960, 540};
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
    // In the middle of an attack, with a spell entry out.
    void Fight()
    {
        Frames(30);
        boss.walkTimer = 0.f;
        Frames(1);
        ASSERT_EQ(boss.bossState, BOSS_ATTACK);
        game.bombs.explosions.emplace_back();
        game.bombs.explosionCount = 1;
    }
    // The fight is over and stays over.
    void ExpectFightOver()
    {
        EXPECT_EQ(game.hud.bossFight, 0);
        EXPECT_EQ(boss.bossActive, 0);
        EXPECT_FALSE(boss.cauldron.running || boss.carrots.running || boss.fire.running || boss.wave.running
                     || boss.food.running || boss.melee.running);
        EXPECT_FALSE(BossCanBeHit(game));
        const float time = boss.fightTime;
        const sf::Vector2f at = boss.bossSprite.getPosition();
        Frames(30);
        EXPECT_EQ(boss.fightTime, time) << "no boss update after the arena";
        EXPECT_EQ(boss.bossSprite.getPosition(), at);
        EXPECT_NE(CurrentScene(game), SCENE_ARENA);
    }
};

TEST_F(ArenaTest, TheBeatenBossLeadsToTheWinScreenAndItsClickToTheHub)
{
    Fight();
    game.player.coins = 7;
    game.enemies.runKills = 12;
    ChangeBossHealth(game.hud, -5000, boss);
    Frames(1);
    EXPECT_EQ(game.enemies.coins.size(), 200u);
    int frames = 1;
    for (; CurrentScene(game) != SCENE_WIN_SCREEN && frames < 600; ++frames)
        Frames(1);
    EXPECT_GE(frames * kFrame, 25 * 0.125f) << "the death row has played";
    EXPECT_LT(frames * kFrame, kWinLatest);
    EXPECT_TRUE(game.enemies.coins.empty()) << "every coin collected before it";
    EXPECT_EQ(game.enemies.runCoins, 200 * 3);
    EXPECT_EQ(game.player.coins, 7 + 200 * 3);
    const sf::Vector2f centre = game.camera.view.getCenter();
    EXPECT_EQ(game.player.winSprite.getPosition(), centre);
    EXPECT_EQ(boss.win.kills.getString(), "KILLS 12");
    EXPECT_EQ(boss.win.coins.getString(), "COINS 600");
    const sf::FloatRect panel{centre.x - 960.f + kWinPanelLeft, centre.y - 540.f + kWinPanelTop, kWinPanelWidth,
                              kWinPanelHeight};
    for (const sf::Text* line : {&boss.win.kills, &boss.win.coins}) {
        const sf::FloatRect box = line->getGlobalBounds();
        EXPECT_TRUE(panel.contains(box.left, box.top) && panel.contains(box.left + box.width, box.top + box.height));
    }
    Click(sf::Mouse::Left);
    EXPECT_EQ(CurrentScene(game), SCENE_WIN_SCREEN) << "a click the moment it shows is a swing's";
    Frames(30);
    game.player.health = 40;
    Click(sf::Mouse::Left);
    EXPECT_EQ(game.hub.inHub, 1);
    EXPECT_EQ(game.player.health, 100);
    EXPECT_EQ(game.player.coins, 607) << "coins kept";
    EXPECT_EQ(game.enemies.runKills, 0) << "a new run counts afresh";
    EXPECT_TRUE(game.bombs.explosions.empty());
    ExpectFightOver();
}

TEST_F(ArenaTest, DyingEndsTheFightAtTheDeathScreensClick)
{
    Fight();
    game.player.health = 0;
    Frames(1);
    ASSERT_EQ(game.deathScreen, 1);
    const float health = static_cast<float>(game.hud.bossHealth);
    Frames(60);
    EXPECT_EQ(static_cast<float>(game.hud.bossHealth), health);
    sf::Event press{};
    press.type = sf::Event::MouseButtonPressed;
    press.mouseButton = {sf::Mouse::Left, 870 + 80, 880 + 80};  // on the button
    Send(press);
    ASSERT_EQ(game.deathScreen, 0);
    EXPECT_TRUE(game.bombs.explosions.empty());
    ExpectFightOver();
}

TEST_F(ArenaTest, TheDebugRebuildEndsTheFight)
{
    Fight();
    Key(sf::Keyboard::M, true);
    Frames(1);
    Key(sf::Keyboard::M, false);
    EXPECT_EQ(CurrentScene(game), SCENE_LEVEL);
    ExpectFightOver();
}

TEST_F(ArenaTest, TheMiddleButtonEndsTheFight)
{
    Fight();
    Click(sf::Mouse::Middle);
    EXPECT_EQ(game.mode, MODE_MENU);
    game.mode = MODE_GAME;  // played again: the run is over, the player in the hub
    ExpectFightOver();
    EXPECT_EQ(game.hub.inHub, 1);
}

TEST_F(ArenaTest, TheRunReportTellsTheBossesHealthStateAndAttack)
{
    Fight();
    ChangeBossHealth(game.hud, -250, boss);
    const std::string json = RunReportJson(*main, {});
    EXPECT_NE(json.find("\"boss\": {\"fight\": true, \"health\": 750, \"state\": \"attack\", \"attack\": \""
                        + std::string(AttackName(boss.attackKind)) + "\""),
              std::string::npos)
        << json;
    EXPECT_NE(json.find("\"attacks\": [{\"attack\": "), std::string::npos) << json;
}

// Every picture the boss and its attacks show was read at start-up: no
// frame of the fight reads a file.
TEST_F(ArenaTest, NoFrameOfTheFightReadsAFile)
{
    const int loads = main->assets.loads;
    void (*const starts[])(Boss&, Game&) = {StartCauldron, StartCarrots, StartFire, StartShockWave, StartFood,
                                            StartMelee};
    for (auto start : starts) {
        CleanUpAttack(boss);
        boss.bossState = BOSS_ATTACK;
        start(boss, game);
        for (int frame = 0; frame < 400; ++frame) {
            game.player.health = 100;  // the death screen is not the boss's
            Frames(1);
        }
    }
    ChangeBossHealth(game.hud, -5000, boss);
    Frames(400);
    EXPECT_EQ(CurrentScene(game), SCENE_WIN_SCREEN);
    EXPECT_EQ(main->assets.loads, loads);
}

// The win screen's count: kills the player made in the run, not the
// enemies a level switch clears away.
TEST_F(ArenaTest, TheRunCountsThePlayersKillsOnly)
{
    Enemies& enemies = game.enemies;
    enemies.runKills = 0;
    AddRat(enemies, {500.f, 600.f});
    KillEnemy(enemies, 0);
    EXPECT_EQ(enemies.runKills, 1);
    AddRat(enemies, {500.f, 600.f});
    AddTank(enemies, {900.f, 600.f});
    KillAllEnemies(game);
    EXPECT_EQ(enemies.runKills, 1);
}

}  // namespace
