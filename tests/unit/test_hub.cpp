// The hub: its zones and F, the seller's prices and potions, the quest
// board and its check, the card selector, the recap board, the dress room,
// the floors and the exit.
#include "hub_test.hpp"

#include <gtest/gtest.h>

namespace {

TEST_F(HubTest, FOpensAZonesPanelOncePerPressAndNotAgainWhileHeldAfterClosing)
{
    StandIn(kSellerZone, kHubGroundY);
    Hold(sf::Keyboard::F);
    Frame();
    EXPECT_EQ(hub.panelOpen[PANEL_SELLER], 1);
    EXPECT_EQ(hub.decor[HUB_DECOR_SELLER].animation.row, kSellerServingRow);
    Click(kSellerQuit);
    EXPECT_EQ(hub.panelOpen[PANEL_SELLER], 0);
    Frames(30);  // F still held
    EXPECT_EQ(hub.panelOpen[PANEL_SELLER], 0);
    Hold(sf::Keyboard::F, false);
    Frame();
    Hold(sf::Keyboard::F);
    Frame();
    EXPECT_EQ(hub.panelOpen[PANEL_SELLER], 1) << "a new press opens it again";

    // Away from every zone F opens nothing and the places go dark.
    Click(kSellerQuit);
    StandAt(1600.f, kHubGroundY);
    Hold(sf::Keyboard::F, false);
    Frame();
    PressF();
    EXPECT_FALSE(AnyPanelOpen(hub));
    EXPECT_EQ(hub.decor[HUB_DECOR_SELLER].animation.row, kSellerIdleRow);
}

TEST_F(HubTest, ThePotionCostsTenMoreEachLevelAndSellsOnlyBelowTheCoinsUpToEight)
{
    Open(PANEL_SELLER);
    GiveCoins(10);
    Click(BuyButtonRect(POTION_MELEE));
    EXPECT_EQ(hub.potionLevels[POTION_MELEE], 0) << "a price equal to the coins is refused";
    EXPECT_EQ(player.coins, 10);

    GiveCoins(1000);
    const int loadsBefore = assets->loads;
    int paid = 0;
    for (int level = 0; level < kPotionMaxLevel + 2; level++)
        Click(BuyButtonRect(POTION_MELEE));
    for (int level = 0; level < kPotionMaxLevel; level++)
        paid += PotionPrice(level);
    EXPECT_EQ(hub.potionLevels[POTION_MELEE], kPotionMaxLevel);
    EXPECT_EQ(player.coins, 1000 - paid);
    EXPECT_EQ(hub.priceTexts[POTION_MELEE].getString(), "90");
    EXPECT_EQ(game->hud.coinText.getString(), "x " + std::to_string(1000 - paid));
    EXPECT_EQ(assets->loads, loadsBefore) << "the seller is rebuilt from what it holds";
    // The shelf fills from the left, one slot per level.
    ASSERT_EQ(hub.potions.size(), static_cast<std::size_t>(kPotionMaxLevel));
    const sf::Vector2f corner = ViewTopLeft(game->camera.view);
    const HubPoint last = PotionIconPlace(POTION_MELEE, kPotionMaxLevel - 1);
    EXPECT_EQ(hub.potions.back().getPosition(), corner + sf::Vector2f(last.x, last.y));
}

TEST_F(HubTest, PotionsRaiseHealthBladeSpellsAndCoinsForGood)
{
    Open(PANEL_SELLER);
    GiveCoins(200);
    for (int kind = 0; kind < POTION_KIND_COUNT; kind++)
        Click(BuyButtonRect(kind));
    Click(BuyButtonRect(POTION_COIN));
    EXPECT_EQ(player.health, 115);
    EXPECT_EQ(game->hud.maxHealth, 115);
    EXPECT_EQ(player.bonusHealth, 15);
    EXPECT_EQ(game->hud.healthText.getString(), "115/115");

    ResetEnemies(enemies);
    AddTank(enemies, {3000.f, 770.f});
    Enemy& tank = enemies.enemies[0];
    const int full = tank.health;
    HurtEnemiesInArea(enemies, EnemyBounds(tank), 0, 5, hub);
    EXPECT_EQ(tank.health, full - 5 - 10) << "one spell potion";
    player.attackShape.setSize({20.f, 20.f});
    player.attackShape.setPosition(EnemyBounds(tank).left + 10.f, EnemyBounds(tank).top + 10.f);
    player.hitArmed = 1;
    MeleeStrike(enemies, player, game->hud, hub);
    EXPECT_EQ(tank.health, full - 15 - (20 + 20)) << "one blade potion";

    const int coins = player.coins;
    const sf::FloatRect body = player.hitbox.getGlobalBounds();
    game->hub.inHub = 0;  // coins are picked up in a level
    AddCoins(enemies, {body.left + body.width / 2.f, body.top + body.height / 2.f});
    for (int frame = 0; frame < 600 && !enemies.coins.empty(); frame++)
        UpdateCoins(enemies, kFrame, *game);
    EXPECT_EQ(player.coins - coins, 4 * (3 + 2 * 2)) << "four coins, two fortune potions";
}

TEST_F(HubTest, QuestsAreCheckedBeforeTheBoardIsOpenedOneAFrameCoinsThenKillsThenThrows)
{
    hub.questCounters = {40, 20, 10};
    CheckQuests(hub);
    EXPECT_EQ(hub.questDone, (std::array<int, 3>{1, 0, 0}));
    EXPECT_EQ(hub.questButtons[QUEST_COINS].getFillColor(), sf::Color::Green);
    hub.questCounters[QUEST_COINS] = 0;
    CheckQuests(hub);
    EXPECT_EQ(hub.questDone, (std::array<int, 3>{1, 0, 1})) << "kills before throws";
    hub.questCounters[QUEST_KILLS] = 0;
    CheckQuests(hub);
    EXPECT_EQ(hub.questDone, (std::array<int, 3>{1, 1, 1}));

    // Opening the board clears the marks; the check sets them again.
    Open(PANEL_QUESTS);
    EXPECT_EQ(hub.questDone, (std::array<int, 3>{0, 1, 0}));
    EXPECT_EQ(hub.questButtons[QUEST_THROWS].getFillColor(), sf::Color::Green);
}

TEST_F(HubTest, AQuestIsPickedAloneAndADoneOneOnlyTurnsWhite)
{
    Open(PANEL_QUESTS);
    Click(QuestButtonRect(QUEST_KILLS));
    Click(QuestButtonRect(QUEST_COINS), sf::Mouse::Right);  // any button picks
    EXPECT_EQ(hub.questSelected, (std::array<int, 3>{1, 0, 0}));
    const sf::Vector2f corner = ViewTopLeft(game->camera.view);
    EXPECT_EQ(hub.questSelection.getPosition(), corner + sf::Vector2f(301.f, 183.f));
    EXPECT_EQ(hub.questButtons[QUEST_COINS].getOutlineThickness(), 2.f);
    EXPECT_EQ(hub.questButtons[QUEST_KILLS].getOutlineThickness(), 0.f);

    CountCoinQuest(hub);
    CountThrowQuest(hub);  // not the quest picked
    EXPECT_EQ(hub.questCounters, (std::array<int, 3>{1, 0, 0}));
    hub.questCounters[QUEST_COINS] = 40;
    Frame();
    Click(QuestButtonRect(QUEST_COINS));
    EXPECT_EQ(hub.questButtons[QUEST_COINS].getFillColor(), sf::Color::White);
    EXPECT_EQ(hub.questSelected, (std::array<int, 3>{1, 0, 0}));
    Click(kQuestQuit, sf::Mouse::Right);
    EXPECT_EQ(hub.panelOpen[PANEL_QUESTS], 1) << "the quit takes the left button";
    Click(kQuestQuit);
    EXPECT_EQ(hub.panelOpen[PANEL_QUESTS], 0);
}

TEST_F(HubTest, TheCardSelectorPicksTheSpellAndStartsTheQuestsOver)
{
    hub.questSelected = {0, 1, 0};
    hub.questCounters = {3, 12, 4};
    StandIn(kCardSelectorZone, kHubGroundY);
    HubKeyPressed(*game, sf::Keyboard::A);  // no spell yet: no throw
    EXPECT_EQ(game->bombs.bombActive, 0);
    PressF();
    ASSERT_EQ(hub.panelOpen[PANEL_CARDS], 1);
    EXPECT_EQ(hub.questSelected, (std::array<int, 3>{0, 0, 0}));
    EXPECT_EQ(hub.questCounters, (std::array<int, 3>{0, 0, 0}));
    EXPECT_EQ(hub.spellChosen, 0) << "the marker stays hidden";

    Click(SpellButtonRect(4), sf::Mouse::Right);
    EXPECT_EQ(hub.spellChosen, 0) << "a spell is picked with the left button";
    Click(SpellButtonRect(4));
    EXPECT_EQ(hub.spellChosen, 1);
    EXPECT_EQ(hub.chosenSpell, 4);
    const sf::Vector2f corner = ViewTopLeft(game->camera.view);
    EXPECT_EQ(hub.cardSelection.getPosition(), corner + sf::Vector2f(827.f, 536.f));
    EXPECT_EQ(hub.selectorButtons[4].getOutlineThickness(), 2.f);
    Click(kCardSelectorQuit);
    EXPECT_EQ(hub.panelOpen[PANEL_CARDS], 0);
}

TEST_F(HubTest, TheRecapBoardShowsTheTalliesAndAnyButtonOnBackClosesIt)
{
    DressHub(hub, *assets);
    hub.tallies = {3, 1234, 7, 0, 2, 99, 5};
    StandAt(kScoreboardAt.x + 200.f, kHubWalls[0].top);
    PressF();
    ASSERT_EQ(hub.panelOpen[PANEL_RECAP], 1);
    EXPECT_EQ(hub.scoreboard.getTexture(), hub.scoreboardLitTexture);
    const sf::Vector2f corner = ViewTopLeft(game->camera.view);
    for (int i = 0; i < kTallyCount; i++) {
        const sf::Text& text = hub.recapTexts[static_cast<std::size_t>(i)];
        EXPECT_EQ(text.getString(), std::to_string(hub.tallies[static_cast<std::size_t>(i)]));
        const HubRect icon = RecapIconRect(i);
        EXPECT_EQ(text.getPosition(), corner + sf::Vector2f(icon.Right() + kRecapIcons[static_cast<std::size_t>(i)].textGap,
                                                            RecapTextY(i)));
    }
    // A long number shrinks onto its plaque rather than over the next icon.
    const sf::FloatRect purseCount = hub.recapTexts[TALLY_COINS].getGlobalBounds();
    EXPECT_LT(purseCount.left + purseCount.width, corner.x + RecapIconRect(TALLY_BIRDS).left);
    const float before = hub.recapIcons[TALLY_TANKS].getTextureRect().left;
    Frames(10);
    EXPECT_NE(hub.recapIcons[TALLY_TANKS].getTextureRect().left, before) << "the icons walk";
    Click(kRecapQuit, sf::Mouse::Middle);
    EXPECT_EQ(hub.panelOpen[PANEL_RECAP], 0);
}

TEST_F(HubTest, EachPressOfFInTheDressRoomChangesTheSkinOnceWithOnePuff)
{
    DressHub(hub, *assets);
    StandAt(kDressRoomAt.x + 200.f, kHubWalls[6].top);
    Frame();
    ASSERT_EQ(game->inDressRoomZone, 1);
    for (int press = 1; press <= kSkinCount; press++) {
        PressF();
        EXPECT_EQ(player.skinIndex, press % kSkinCount);
        // Only the skin worn is coloured: the one taken off is folded.
        for (int skin = 0; skin < kSkinCount; skin++) {
            const auto found = assets->textures.find(kSkinSheets[skin]);
            const bool filled = found != assets->textures.end() && found->second->getSize() != sf::Vector2u();
            EXPECT_EQ(filled, skin == player.skinIndex) << "press " << press << ", skin " << skin;
        }
    }
    EXPECT_EQ(player.texture, &GetTexture(*assets, kSkinSheets[0])) << "six presses come back to the arms";
    EXPECT_EQ(game->skinAnimationCount, kSkinCount);

    // Held, the keyboard repeats the press: one skin, one puff.
    Hold(sf::Keyboard::F);
    for (int repeat = 0; repeat < 5; repeat++) {
        HubKeyPressed(*game, sf::Keyboard::F);
        Frame();
    }
    EXPECT_EQ(player.skinIndex, 1);
    EXPECT_EQ(game->skinAnimationCount, kSkinCount + 1);

    // Each puff stands over the body and goes once its 11 frames are over.
    const sf::FloatRect body = player.hitbox.getGlobalBounds();
    EXPECT_EQ(game->skinAnimations.back().sprite.getPosition(),
              sf::Vector2f(body.left + kSkinPuffOffset.x, body.top + kSkinPuffOffset.y));
    Frames(static_cast<int>(kSkinPuffFrames * kSkinPuffFrameTime / kFrame) + 2);
    EXPECT_EQ(game->skinAnimationCount, 0);
    EXPECT_TRUE(game->skinAnimations.empty());
}

TEST_F(HubTest, APanelHeldOpenOnTheUpperFloorBuildsNoFallSpeed)
{
    // In the air over the deck when the board opens: held, not falling.
    StandIn(kQuestZone, kHubWalls[0].top - 100.f);
    player.velocityY = 0.f;
    Hold(sf::Keyboard::F);
    Frame();
    ASSERT_EQ(hub.panelOpen[PANEL_QUESTS], 1);
    const sf::Vector2f held = player.hitbox.getPosition();
    Frames(600);
    EXPECT_EQ(player.velocityY, 0.f);
    EXPECT_EQ(player.hitbox.getPosition(), held);
    Click(kQuestQuit);
    Hold(sf::Keyboard::F, false);
    Frames(60);
    EXPECT_FLOAT_EQ(player.hitbox.getGlobalBounds().top + player.hitbox.getGlobalBounds().height, kHubWalls[0].top)
        << "it lands on the deck instead of falling through it";
}

TEST_F(HubTest, TheExitRemovesOnlyTheDummyRefillsTheDeckAndEndsTheHubsFrame)
{
    const auto leave = [this] {
        player.hitbox.setPosition(kHubExitZone.left + 10.f, kHubExitZone.top + 100.f);
        UpdateHub(*game, kFrame);
    };
    // With the dummy and a leftover tank: only the dummy goes, without a kill.
    AddTank(enemies, {1000.f, 770.f});
    std::swap(enemies.enemies[0], enemies.enemies[1]);  // the dummy is not the first entry
    game->deck.cards[0].kind = SPELL_SPENT;  // a card played in the hub
    AddSkinAnimation(*game);
    leave();
    EXPECT_EQ(hub.inHub, 0);
    EXPECT_EQ(SpentCards(game->deck), 0) << "the deck is refilled";
    ASSERT_EQ(enemies.enemies.size(), 1u);
    EXPECT_EQ(enemies.enemies[0].kind, ENEMY_TANK);
    EXPECT_TRUE(enemies.killIcons.empty());
    EXPECT_TRUE(enemies.coins.empty());
    EXPECT_EQ(game->skinAnimationCount, 0);
    EXPECT_EQ(player.hitbox.getPosition(), sf::Vector2f(50.f, 400.f)) << "no hub wall pushed it this frame";
    EXPECT_EQ(game->loadingScreen.loadingActive, 1);

    // No dummy: nothing is killed, not even the first enemy.
    EnterHub(*game);
    ResetEnemies(enemies);
    AddTank(enemies, {1000.f, 770.f});
    game->loadingScreen.loadingActive = 0;
    player.hitbox.setPosition(kHubExitZone.left + 10.f, kHubExitZone.top + 100.f);
    LeaveHub(*game);
    ASSERT_EQ(enemies.enemies.size(), 1u);
    EXPECT_EQ(enemies.enemies[0].kind, ENEMY_TANK);

    // An empty roster stays empty.
    EnterHub(*game);
    ResetEnemies(enemies);
    game->loadingScreen.loadingActive = 0;
    LeaveHub(*game);
    EXPECT_TRUE(enemies.enemies.empty());
    game->loadingScreen.loadingActive = 0;
    FinishDecoding(*assets);
}

TEST_F(HubTest, EveryWayInArrivesAtOnePlaceAndTheHubKeepsItsDummy)
{
    player.hitbox.setPosition(2000.f, -600.f);
    ResetEnemies(enemies);  // the middle button empties the roster on its way to the menu
    Frame();
    EXPECT_EQ(LastDummyIndex(enemies), 0);
    EnterHub(*game);
    EXPECT_EQ(player.hitbox.getPosition(), sf::Vector2f(kHubArrival.x, kHubArrival.y));
    EXPECT_EQ(enemies.enemies.size(), 1u) << "no second dummy";
    Frames(60);
    const sf::FloatRect body = player.hitbox.getGlobalBounds();
    EXPECT_FLOAT_EQ(body.top + body.height, kHubWalls[1].top) << "standing on the left block";
    for (const HubRect& wall : kHubWalls) {
        if (wall.left < body.left + body.width && body.left < wall.Right()) {
            EXPECT_FALSE(body.top < wall.Bottom() && wall.top < body.top + body.height);
        }
    }
}

}  // namespace
