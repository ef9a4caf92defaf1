// The loop: from the hub through four levels to the arena, a death, the
// death screen back to the hub, and again. What the hub keeps lasts; what
// a run is made of starts afresh.
#include "app/main_data.hpp"
#include "hub_test.hpp"

#include <gtest/gtest.h>
#include <memory>

namespace {

struct LoopTest : HubTest {
    // Walks into the exit and waits out the loading screen: the run's first level.
    void StartARun()
    {
        player.hitbox.setPosition(kHubExitZone.left + 10.f, kHubExitZone.top + 100.f);
        Frame();
        ASSERT_EQ(hub.inHub, 0);
        ASSERT_EQ(CurrentScene(*game), SCENE_LOADING);
        FinishLoadingScreen();
    }
    // A door's fade to its black frame, as the level's update steps it.
    void ThroughADoor()
    {
        player.frozen = 1;
        for (int frame = 0; frame < 200 && player.frozen == 1; frame++)
            SwitchLevel(game->level, *game);
    }
    void DieAndClickBack()
    {
        player.health = 0;
        UpdateEnemies(enemies, kFrame, *game);
        ASSERT_EQ(game->deathScreen, 1);
        const sf::Vector2f corner = ViewTopLeft(game->camera.view);
        const sf::FloatRect button = enemies.recapButton.getGlobalBounds();
        DeathScreenClick(*game, {static_cast<int>(button.left - corner.x) + 10, static_cast<int>(button.top - corner.y) + 10});
        ASSERT_EQ(hub.inHub, 1);
    }
};

TEST_F(LoopTest, EveryRunReachesTheArenaAfterFourLevelsAndTheHubKeepsWhatLasts)
{
    testing::internal::CaptureStdout();  // the levels name their biomes
    DressHub(hub, *assets);
    Open(PANEL_SELLER);
    GiveCoins(100);
    Click(BuyButtonRect(POTION_HEALTH));
    Click(kSellerQuit);
    hub.spellChosen = 1;
    hub.chosenSpell = 3;
    hub.questSelected = {1, 0, 0};
    hub.questCounters = {7, 0, 0};
    hub.tallies = {1, 2, 3, 4, 5, 6, 7};
    CycleSkin(*game);
    const auto kept = [&] {
        EXPECT_EQ(player.coins, 90);
        EXPECT_EQ(hub.potionLevels, (std::array<int, 4>{1, 0, 0, 0}));
        EXPECT_EQ(game->hud.maxHealth, 115);
        EXPECT_EQ(player.skinIndex, 1);
        EXPECT_EQ(player.hasArms, 1);
        EXPECT_EQ(hub.tallies, (std::array<int, 7>{1, 2, 3, 4, 5, 6, 7}));
        EXPECT_EQ(hub.chosenSpell, 3);
        EXPECT_EQ(hub.spellChosen, 1);
        EXPECT_EQ(hub.questSelected, (std::array<int, 3>{1, 0, 0}));
        EXPECT_EQ(hub.questCounters[QUEST_COINS], 7);
    };

    for (int run = 1; run <= 2; run++) {
        StartARun();
        EXPECT_EQ(hub.runNumber, run);
        EXPECT_EQ(game->level.levelNumber, 1) << "run " << run;
        EXPECT_EQ(CurrentScene(*game), SCENE_LEVEL);
        EXPECT_EQ(player.health, 115) << "a run starts with full health";
        EXPECT_EQ(LastDummyIndex(enemies), -1) << "the dummy stays home";
        for (int door = 1; door <= 4; door++)
            ThroughADoor();
        EXPECT_EQ(CurrentScene(*game), SCENE_LOADING) << "the fourth door opens the arena behind the loading screen";
        FinishLoadingScreen();
        EXPECT_EQ(CurrentScene(*game), SCENE_ARENA) << "run " << run;
        EXPECT_EQ(game->hud.bossFight, 1);
        player.health = 40;  // hurt in the arena
        DieAndClickBack();
        EXPECT_EQ(hub.runNumber, run);
        EXPECT_EQ(game->hud.bossFight, 0);
        EXPECT_EQ(player.health, 115);
        EXPECT_TRUE(game->level.obstacles.empty());
        EXPECT_EQ(game->bombs.bombActive, 0);
        EXPECT_EQ(game->bombs.explosionCount, 0);
        EXPECT_EQ(enemies.enemies.size(), 1u);
        EXPECT_EQ(LastDummyIndex(enemies), 0);
        kept();
        Frame();
    }
    testing::internal::GetCapturedStdout();
}

TEST_F(LoopTest, LeavingTheHubTakesItsBombsPuffsAndDecorAndEachRunBuildsOneStatue)
{
    testing::internal::CaptureStdout();
    AddSkinAnimation(*game);
    game->bombs.bombActive = 1;
    game->bombs.explosions.emplace_back();
    game->bombs.explosionCount = 1;
    AddDecorAnimation(game->background, *assets, {500.f, 200.f}, 5);  // a dead run's statue
    StartARun();
    EXPECT_EQ(game->bombs.bombActive, 0);
    EXPECT_EQ(game->bombs.explosionCount, 0);
    EXPECT_TRUE(game->skinAnimations.empty());
    ASSERT_EQ(game->background.decorAnimations.size(), 1u) << "only the new level's statue";
    EXPECT_GT(game->background.decorAnimations[0].sprite.getPosition().x, 500.f);
    testing::internal::GetCapturedStdout();
}

}  // namespace

// ---- The running game's frame ---------------------------------------------------

namespace {

struct LoopFrameTest : ::testing::Test {
    static constexpr float kFrame = 1.f / 60.f;
    std::unique_ptr<MainData> main = std::make_unique<MainData>();
    Game& game = main->game;

    void SetUp() override
    {
        ASSERT_TRUE(FindAssetRoot(main->assets, ""));
        main->assets.strictManifest = true;
        InitGame(*main);
        game.mode = MODE_GAME;
    }
    void Frames(int n)
    {
        for (int i = 0; i < n; i++)
            UpdateGame(*main, kFrame);
    }
};

TEST_F(LoopFrameTest, TheDialogueStartsAsTheCinematicEndsOnceAGameAndGoesWithTheTutorial)
{
    int frames = 0;
    while (game.player.cinematicState == CINEMATIC_PLAYING && frames++ < 2000) {
        EXPECT_EQ(game.dialogue.active, 0);
        Frames(1);
    }
    EXPECT_EQ(game.dialogue.active, 1) << "in the frame the cinematic ended";
    DestroyDialogue(game.dialogue);  // the middle button
    StartCinematic(game);
    for (frames = 0; game.player.cinematicState == CINEMATIC_PLAYING && frames < 2000; frames++)
        Frames(1);
    EXPECT_EQ(game.dialogue.active, 0) << "never twice in one game";

    InitDialogue(game.dialogue, game.player);
    game.level.returnToHub = 0;  // through the tutorial's door
    Frames(1);
    EXPECT_EQ(game.dialogue.active, 0);
}

TEST_F(LoopFrameTest, TheLoadingScreenHoldsThePlaceBehindItUntilItEnds)
{
    game.player.cinematicState = CINEMATIC_NONE;
    game.level.returnToHub = 0;
    AddTank(game.enemies, {1400.f, 770.f});
    main->input.keys[sf::Keyboard::D] = true;
    StartLoading(game, LOADING_NOTHING);
    const sf::Vector2f body = game.player.hitbox.getPosition();
    const sf::Vector2f tank = game.enemies.enemies.back().hitbox.getPosition();
    Frames(170);
    EXPECT_EQ(game.player.hitbox.getPosition(), body);
    EXPECT_EQ(game.enemies.enemies.back().hitbox.getPosition(), tank);
    Frames(20);
    EXPECT_EQ(game.loadingScreen.loadingActive, 0);
    EXPECT_GT(game.player.hitbox.getPosition().x, body.x);
}

}  // namespace
