// The deck: dealing, the hand's keys, the draw from the reserve down to an
// empty slot, the refill, the quest and tally counts, where the cards sit
// and when they are drawn, and the keys reaching it in every scene.
#include "app/main_data.hpp"
#include "app/run_report.hpp"
#include "enemy_test.hpp"
#include "engine/layout_table.hpp"

#include <SFML/Graphics/RenderTexture.hpp>
#include <algorithm>
#include <gtest/gtest.h>
#include <memory>

namespace {

struct DeckTest : EnemyTest {
    Deck& deck = game->deck;
    Bombs& bombs = game->bombs;

    void SetUp() override
    {
        EnemyTest::SetUp();
        std::srand(7);
        InitBombs(bombs, assets);
        InitDeck(deck, assets);
    }
    Card& CardAt(int i) { return deck.cards[static_cast<std::size_t>(i)]; }
    std::vector<int> Dealt() const
    {
        std::vector<int> kinds;
        for (const Card& card : deck.cards)
            kinds.push_back(card.dealtKind);
        std::sort(kinds.begin(), kinds.end());
        return kinds;
    }
};

TEST_F(DeckTest, FifteenCardsAreDealtAndEachHandKeyThrowsItsCard)
{
    ASSERT_EQ(deck.cardCount, 15);
    for (const Card& card : deck.cards) {
        EXPECT_GE(card.kind, SPELL_SWORD);
        EXPECT_LE(card.kind, SPELL_MESPER);
        EXPECT_EQ(card.dealtKind, card.kind);
        const SpellRect r = CardRect(card.kind);
        EXPECT_EQ(card.sprite.getTextureRect(), sf::IntRect(r.left, r.top, r.width, r.height));
    }
    const sf::Keyboard::Key keys[3] = {sf::Keyboard::A, sf::Keyboard::E, sf::Keyboard::C};
    for (int slot = 0; slot < 3; ++slot) {
        const int kind = CardAt(slot).kind;
        PlayCard(*game, keys[slot]);
        EXPECT_EQ(bombs.bombActive, 1);
        EXPECT_EQ(bombs.bombKind, kind) << "slot " << slot;
    }
    EXPECT_EQ(hud.mana, 70);
    PlayCard(*game, sf::Keyboard::Z);
    PlayCard(*game, sf::Keyboard::Q);
    EXPECT_EQ(hud.mana, 70) << "other keys play nothing";
    EXPECT_EQ(SpentCards(deck), 3);
}

TEST_F(DeckTest, PlaysDrawFromTheReserveUntilTheThirteenthEmptiesItsSlotAndARefillRestoresAll)
{
    const std::vector<int> dealt = Dealt();
    const sf::Keyboard::Key keys[3] = {sf::Keyboard::A, sf::Keyboard::E, sf::Keyboard::C};
    for (int play = 1; play <= 12; ++play) {
        PlayCard(*game, keys[play % 3]);
        for (int slot = 0; slot < 3; ++slot)
            EXPECT_NE(CardAt(slot).kind, SPELL_SPENT) << "play " << play << " slot " << slot;
        EXPECT_EQ(SpentCards(deck), play);
        EXPECT_EQ(Dealt(), dealt) << "cards are swapped, never lost or copied";
    }
    // The reserve is all spent: the thirteenth play leaves its slot empty,
    // and that slot's key then does nothing.
    PlayCard(*game, sf::Keyboard::A);
    EXPECT_EQ(CardAt(0).kind, SPELL_SPENT);
    EXPECT_EQ(SpentCards(deck), 13);
    DetonateBomb(bombs);
    const int mana = hud.mana;
    PlayCard(*game, sf::Keyboard::A);
    EXPECT_EQ(bombs.bombActive, 0);
    EXPECT_EQ(hud.mana, mana);
    PlayCard(*game, sf::Keyboard::E);
    PlayCard(*game, sf::Keyboard::C);
    EXPECT_EQ(SpentCards(deck), 15);

    const std::vector<int> handDealt{CardAt(0).dealtKind, CardAt(1).dealtKind, CardAt(2).dealtKind};
    RefillDeck(deck);
    EXPECT_EQ(SpentCards(deck), 0);
    for (int slot = 0; slot < 3; ++slot)
        EXPECT_EQ(CardAt(slot).kind, handDealt[static_cast<std::size_t>(slot)]) << "the hand keeps its order";
    PlayCard(*game, sf::Keyboard::A);
    EXPECT_EQ(bombs.bombActive, 1);
}

TEST_F(DeckTest, APlayCountsTheThrowQuestTwiceAndTheThirdSlotRaisesItsTally)
{
    Hub& hub = game->hub;
    PlayCard(*game, sf::Keyboard::A);
    EXPECT_EQ(hub.questCounters[QUEST_THROWS], 0) << "only while the quest is selected";
    hub.questSelected[QUEST_THROWS] = 1;
    PlayCard(*game, sf::Keyboard::A);
    EXPECT_EQ(hub.questCounters[QUEST_THROWS], 2);
    EXPECT_EQ(hub.tallies[TALLY_THIRD_SLOT_CARDS], 0);
    PlayCard(*game, sf::Keyboard::C);
    EXPECT_EQ(hub.questCounters[QUEST_THROWS], 4);
    EXPECT_EQ(hub.tallies[TALLY_THIRD_SLOT_CARDS], 1);
    PlayCard(*game, sf::Keyboard::E);
    EXPECT_EQ(hub.tallies[TALLY_THIRD_SLOT_CARDS], 1);
    EXPECT_EQ(hub.questCounters[QUEST_COINS], 0);
}

TEST_F(DeckTest, CardsFollowTheViewAndTheReserveShowsWhileTheMouseRestsOnTheIcon)
{
    game->camera.view.setCenter(5000.f, 300.f);
    const sf::Vector2f corner{5000.f - 960.f, 300.f - 540.f};
    UpdateDeck(*game, kFrame);
    for (int i = 0; i < 15; ++i) {
        const sf::Vector2f want = i < 3 ? corner + sf::Vector2f(50.f + 150.f * i, 850.f)
                                        : corner + sf::Vector2f(50.f + 50.f * i, 850.f - 211.f);
        EXPECT_EQ(CardAt(i).sprite.getPosition(), want) << "card " << i;
    }
    EXPECT_EQ(deck.showDeckSprite.getPosition(), corner + sf::Vector2f(60.f, 750.f));

    input.mouse = {100, 790};  // on the icon (120 x 90 from (60, 750) on screen)
    UpdateDeckHover(*game);
    EXPECT_EQ(deck.deckShown, 1);

    sf::RenderTexture target;
    ASSERT_TRUE(target.create(kScreenWidth, kScreenHeight));
    target.setView(game->camera.view);
    auto drawnAt = [&](sf::Vector2u screen) {
        target.clear(sf::Color::Transparent);
        DrawDeck(*game, target);
        target.display();
        return target.getTexture().copyToImage().getPixel(screen.x, screen.y).a != 0;
    };
    const sf::Vector2u reserve{50 + 50 * 14 + 110, 850 - 100};  // the last reserve card's right part
    const sf::Vector2u hand{50 + 150 + 72, 850 + 105};
    EXPECT_TRUE(drawnAt(reserve));
    input.mouse = {900, 500};
    UpdateDeckHover(*game);
    EXPECT_EQ(deck.deckShown, 0);
    EXPECT_FALSE(drawnAt(reserve));
    EXPECT_TRUE(drawnAt(hand));
    CardAt(1).kind = SPELL_SPENT;
    EXPECT_FALSE(drawnAt(hand)) << "a spent card is not drawn";
    CardAt(1).kind = CardAt(1).dealtKind;
    game->hub.inHub = 1;
    EXPECT_FALSE(drawnAt(hand)) << "no cards in the hub";
}

// The whole program's dispatch: the hand keys reach the deck in every
// level scene, the hub keeps them, a right click detonates everywhere, and
// leaving the hub refills the deck.
struct DeckDispatch : ::testing::Test {
    std::unique_ptr<MainData> main = std::make_unique<MainData>();
    Game& game = main->game;

    void SetUp() override
    {
        ASSERT_TRUE(FindAssetRoot(main->assets, ""));
        main->assets.strictManifest = true;
        main->open = true;
        std::srand(7);
        InitGame(*main);
        game.mode = MODE_GAME;
    }
    void Send(sf::Event event)
    {
        main->event = event;
        FeedInput(main->input, event);
        DispatchEvent(*main);
    }
    void Key(sf::Keyboard::Key key)
    {
        sf::Event event{};
        event.type = sf::Event::KeyPressed;
        event.key.code = key;
        Send(event);
    }
    void RightClick()
    {
        sf::Event press{};
        press.type = sf::Event::MouseButtonPressed;
        press.mouseButton = {sf::Mouse::Right, 900, 500};
        Send(press);
    }
};

TEST_F(DeckDispatch, CardsPlayInTheTutorialTheDoorFadeAndTheDeathScreenNotInTheHub)
{
    ASSERT_EQ(CurrentScene(game), SCENE_TUTORIAL);
    Key(sf::Keyboard::A);
    EXPECT_EQ(game.bombs.bombActive, 1);
    EXPECT_EQ(SpentCards(game.deck), 1);

    game.level.returnToHub = 0;
    game.player.frozen = 1;
    ASSERT_EQ(CurrentScene(game), SCENE_DOOR_TRANSITION);
    Key(sf::Keyboard::E);
    EXPECT_EQ(SpentCards(game.deck), 2);
    EXPECT_FALSE(game.bombs.explosions.empty()) << "the bomb out burst";
    game.player.frozen = 0;

    game.deathScreen = 1;
    Key(sf::Keyboard::C);
    EXPECT_EQ(SpentCards(game.deck), 3);
    RightClick();
    EXPECT_EQ(game.bombs.bombActive, 0);
    game.deathScreen = 0;

    game.hub.inHub = 1;
    Key(sf::Keyboard::A);
    EXPECT_EQ(SpentCards(game.deck), 3) << "the hub's keys are its own";
    EXPECT_EQ(game.bombs.bombActive, 0);
    game.hub.inHub = 0;
    Key(sf::Keyboard::A);
    game.hub.inHub = 1;
    RightClick();
    EXPECT_EQ(game.bombs.bombActive, 0) << "a right click detonates in the hub too";

    testing::internal::CaptureStdout();
    LeaveHub(game);
    testing::internal::GetCapturedStdout();
    EXPECT_EQ(SpentCards(game.deck), 0) << "a new run starts with a full deck";
}

TEST_F(DeckDispatch, TheRunReportTellsTheHandTheSpentCardsTheManaAndTheLiveEntries)
{
    game.level.returnToHub = 0;
    for (int play = 0; play < 13; ++play)
        Key(sf::Keyboard::A);
    const std::string json = RunReportJson(*main, {});
    const auto name = [&](int slot) { return std::string("\"") + SpellName(game.deck.cards[slot].kind) + "\""; };
    EXPECT_NE(json.find("\"hand\": [\"spent\", " + name(1) + ", " + name(2) + "]"), std::string::npos) << json;
    EXPECT_NE(json.find("\"spentCards\": 13, \"mana\": 0, \"bombActive\": true, \"liveEntries\": "
                        + std::to_string(game.bombs.explosions.size())),
              std::string::npos)
        << json;
}

}  // namespace
