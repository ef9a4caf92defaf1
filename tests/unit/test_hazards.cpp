// The game's hazards on a level in play: an archer and its arm under every
// spell, entries removed during every list's walk, damage numbers of ten
// thousand and more, a deck played to its end, and a level of length 0.
#include "enemy_test.hpp"
#include "engine/layout_table.hpp"

#include <SFML/Graphics/RenderTexture.hpp>
#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <cmath>
#include <functional>

namespace {

struct HazardTest : EnemyTest {
    Bombs& bombs = game->bombs;

    void SetUp() override
    {
        EnemyTest::SetUp();
        InitBombs(bombs, assets);
        InitDeck(game->deck, assets);
        SetCameraBounds(game->camera, 10000, kLevelTopLimit);
    }
    static sf::Vector2f Mid(const sf::FloatRect& r) { return {r.left + r.width / 2.f, r.top + r.height / 2.f}; }
    // The pixels of a shot drawn on black that are not black, inside a world
    // area, the view's corner at `corner`.
    static long Lit(const sf::Image& shot, const sf::FloatRect& area, sf::Vector2f corner)
    {
        long lit = 0;
        const sf::Vector2u size = shot.getSize();
        for (int y = static_cast<int>(area.top - corner.y); y < static_cast<int>(area.top + area.height - corner.y); ++y)
            for (int x = static_cast<int>(area.left - corner.x); x < static_cast<int>(area.left + area.width - corner.x);
                 ++x)
                if (x >= 0 && y >= 0 && x < static_cast<int>(size.x) && y < static_cast<int>(size.y))
                    lit += shot.getPixel(static_cast<unsigned>(x), static_cast<unsigned>(y)) != sf::Color::Black;
        return lit;
    }
};

// Each spell through its own step kills an archer standing before another
// archer and a tank: its arm goes with it, the pair after it stays in order
// (the arm right after its body, still carried by it), and one archer is
// counted.
TEST_F(HazardTest, AnArcherKilledByEachSpellTakesItsArmAndTheNextPairStaysWhole)
{
    for (int kind : {SPELL_SWORD, SPELL_XSWORD, SPELL_ANVIL, SPELL_TENTACLES, SPELL_FOUDRE, SPELL_MESPER}) {
        SCOPED_TRACE("spell " + std::to_string(kind));
        ResetEnemies(enemies);
        bombs.explosions.clear();
        AddArcher(enemies, {3000.f, 780.f});
        AddArcher(enemies, {6000.f, 780.f});
        AddTank(enemies, {8000.f, 770.f});
        At(0).health = 1;
        At(2).health = At(4).health = 1000000;
        const sf::FloatRect target = EnemyBounds(At(0));
        sf::Vector2f at = Mid(target);
        if (kind == SPELL_SWORD)
            at.x = target.left - 100.f;  // it flies right, into the archer
        if (kind == SPELL_ANVIL)
            at.y = target.top - 300.f;   // it falls onto the archer
        AddDetonation(bombs, kind, at);
        for (int frame = 0; frame < 600 && Count() == 5; ++frame)
            UpdateBombs(*game, kFrame);
        ASSERT_EQ(Kinds(), (std::vector<int>{ENEMY_ARCHER, ENEMY_ARCHER_ARM, ENEMY_TANK}));
        ASSERT_EQ(enemies.killIcons.size(), 1u);
        EXPECT_EQ(enemies.killIcons[0].kind, ENEMY_ARCHER);
        for (const Blood& blood : enemies.bloods)
            EXPECT_LT(blood.enemyIndex, Count());
        for (int frame = 0; frame < 600 && !bombs.explosions.empty(); ++frame)
            UpdateBombs(*game, kFrame);  // what is left of the spell plays out on the survivors
        Frames(3);
        const sf::FloatRect body = EnemyBounds(At(0));
        const sf::Vector2f arm = At(1).sprite.getPosition();
        const sf::Vector2f carried{body.left + At(1).armOffset.x, body.top + At(1).armOffset.y};
        EXPECT_LT(std::hypot(arm.x - carried.x, arm.y - carried.y), 20.f)
            << "the arm after the dead pair follows its own body";
    }
}

// Two neighbours leaving a list in one frame, and one more further on: the
// entries between and after them are each stepped once, as they would be
// alone.
TEST_F(HazardTest, EveryListWalkStepsEachSurvivorOnceWhenItsNeighboursGo)
{
    const sf::Vector2f onBody = Mid(Body());
    const sf::Vector2f far{Body().left + 700.f, Body().top - 200.f};

    // Shots: two hit the body, one flies out of play, two fly on.
    const auto shots = [&](bool crowded) {
        enemies.shots.clear();
        if (crowded) {
            AddShot(enemies, onBody, SHOT_ARROW, 0.f);
            AddShot(enemies, onBody, SHOT_ARROW, 0.f);
        }
        AddShot(enemies, far, SHOT_ARROW, 0.f);
        if (crowded)
            AddShot(enemies, {far.x + 100000.f, far.y}, SHOT_ARROW, 0.f);
        AddShot(enemies, {far.x, far.y + 100.f}, SHOT_BONE, -1.f);
        UpdateShots(enemies, kFrame, *game);
        std::vector<sf::Vector2f> left;
        for (const Shot& shot : enemies.shots)
            left.push_back(shot.sprite.getPosition());
        return left;
    };
    EXPECT_EQ(shots(true), shots(false));

    // Coins: three rest on the body and are collected, two pop elsewhere.
    const auto coins = [&](bool crowded) {
        enemies.coins.clear();
        const auto add = [&](sf::Vector2f at, int bounces) {
            AddCoins(enemies, at);
            enemies.coins.resize(enemies.coins.size() - 3);  // one coin of the four
            enemies.coins.back().bounces = bounces;
            enemies.coins.back().angle = 1.f;  // the pop's random angle, made the same
        };
        if (crowded) {
            add(onBody, 2);
            add(onBody, 2);
        }
        add(far, 0);
        if (crowded)
            add(onBody, 2);
        add({far.x + 50.f, far.y}, 0);
        UpdateCoins(enemies, kFrame, *game);
        std::vector<sf::Vector2f> left;
        for (const Coin& coin : enemies.coins)
            left.push_back(coin.sprite.getPosition());
        return left;
    };
    const int purse = player.coins;
    const std::vector<sf::Vector2f> crowdedCoins = coins(true);
    EXPECT_GT(player.coins, purse) << "the three on the body were collected";
    EXPECT_EQ(crowdedCoins, coins(false));

    // Food: the same, eaten on the body.
    const auto food = [&](bool crowded) {
        enemies.food.clear();
        const auto add = [&](sf::Vector2f at) {
            AddFood(enemies, at);
            enemies.food.back().angle = 1.f;
        };
        if (crowded) {
            add(onBody);
            add(onBody);
        }
        add(far);
        if (crowded)
            add(onBody);
        add({far.x + 50.f, far.y});
        UpdateFood(enemies, kFrame, *game);
        std::vector<sf::Vector2f> left;
        for (const Food& piece : enemies.food)
            left.push_back(piece.sprite.getPosition());
        return left;
    };
    EXPECT_EQ(food(true), food(false));

    // Damage numbers: three at the end of their second, two sinking.
    const auto numbers = [&](bool crowded) {
        enemies.damageTexts.clear();
        const auto add = [&](float y, float life) {
            AddDamageText(enemies, {far.x, y}, 20);
            enemies.damageTexts.back().life = life;
        };
        if (crowded) {
            add(0.f, 0.001f);
            add(0.f, 0.001f);
        }
        add(100.f, 1.f);
        if (crowded)
            add(0.f, 0.001f);
        add(200.f, 0.5f);
        UpdateDamageTexts(enemies, kFrame);
        std::vector<sf::Vector2f> left;
        for (const DamageText& number : enemies.damageTexts)
            left.push_back(number.text.getPosition());
        return left;
    };
    EXPECT_EQ(numbers(true), numbers(false));

    // Splashes: two of an enemy that is gone and one played out; two follow the tank.
    AddTank(enemies, {far.x, 770.f});
    const auto bloods = [&](bool crowded) {
        enemies.bloods.clear();
        if (crowded) {
            AddBlood(enemies, far, 5);
            AddBlood(enemies, far, 5);
        }
        AddBlood(enemies, far, 0);
        if (crowded) {
            AddBlood(enemies, far, 0);
            enemies.bloods.back().anim.timer = 100.f;
        }
        AddBlood(enemies, far, 0);
        UpdateBloods(enemies, kFrame);
        std::vector<float> left;
        for (const Blood& blood : enemies.bloods)
            left.push_back(blood.anim.timer);
        return left;
    };
    EXPECT_EQ(bloods(true), bloods(false));
    EXPECT_EQ(bloods(true), (std::vector<float>{kFrame, kFrame}));

    // Smoke: three clouds at the end of their fade, two drifting on.
    const auto smokes = [&](bool crowded) {
        enemies.smokes.clear();
        const auto add = [&](bool ending) {
            AddSmoke(enemies, far);
            if (ending) {
                Smoke& cloud = enemies.smokes.back();
                cloud.lifetime = 10.f;
                cloud.anim.looping = 0;
                cloud.anim.frameCount = kSmokeFadeFrames;
                cloud.anim.timer = 100.f;
            }
        };
        if (crowded) {
            add(true);
            add(true);
        }
        add(false);
        if (crowded)
            add(true);
        add(false);
        UpdateSmokes(enemies, kFrame, *game);
        std::vector<float> left;
        for (const Smoke& cloud : enemies.smokes)
            left.push_back(cloud.lifetime);
        return left;
    };
    EXPECT_EQ(smokes(true), smokes(false));
    EXPECT_EQ(smokes(true).size(), 2u);
}

// Hits of ten thousand and more, by a spell and by the sword, and the
// largest number an int holds: each shows all its digits where it was
// dealt, sinks and fades, and goes after its second.
TEST_F(HazardTest, DamageNumbersOfTenThousandAndMoreAreDrawnWholeAndGoAfterTheirSecond)
{
    game->hub.potionLevels[POTION_SPELL] = 3;
    AddTank(enemies, {2000.f, 770.f});
    EXPECT_EQ(HurtEnemiesInArea(enemies, EnemyBounds(At(0)), SPELL_ANVIL, 10000, game->hub), 1);
    EXPECT_TRUE(enemies.enemies.empty()) << "the tank died of it";
    AddTank(enemies, {4000.f, 770.f});
    player.damageFactor = 5000.f;
    player.attackShape.setSize({40.f, 40.f});
    player.attackShape.setPosition(Mid(EnemyBounds(At(0))));
    player.hitArmed = 1;
    EXPECT_EQ(MeleeStrike(enemies, player, hud, game->hub), 1);
    AddDamageText(enemies, {3000.f, 400.f}, INT_MAX);
    ASSERT_EQ(enemies.damageTexts.size(), 3u);
    EXPECT_EQ(enemies.damageTexts[0].text.getString(), "10030");
    EXPECT_EQ(enemies.damageTexts[1].text.getString(), "100000");
    EXPECT_EQ(enemies.damageTexts[2].text.getString(), "2147483647");

    sf::RenderTexture target;
    ASSERT_TRUE(target.create(kScreenWidth * 3, kScreenHeight));
    sf::View view({0.f, 0.f, static_cast<float>(kScreenWidth) * 3.f, static_cast<float>(kScreenHeight)});
    view.move(1000.f, 0.f);
    target.setView(view);
    const auto drawn = [&] {
        target.clear(sf::Color::Black);
        DrawDamageTexts(*game, target);
        target.display();
        return target.getTexture().copyToImage();
    };
    const sf::Image shot = drawn();
    float lastWidth = 0.f;
    for (const DamageText& number : enemies.damageTexts) {
        const sf::FloatRect box = number.text.getGlobalBounds();
        EXPECT_GT(box.width, lastWidth) << "more digits, a wider number";
        lastWidth = box.width;
        EXPECT_GT(Lit(shot, box, {1000.f, 0.f}), static_cast<long>(box.width * box.height / 10.f))
            << number.text.getString().toAnsiString();
    }
    for (int frame = 0; frame < 30; ++frame)
        UpdateDamageTexts(enemies, kFrame);
    EXPECT_EQ(enemies.damageTexts.size(), 3u);
    drawn();
    for (int frame = 0; frame < 31; ++frame)
        UpdateDamageTexts(enemies, kFrame);
    EXPECT_TRUE(enemies.damageTexts.empty());
}

// Every card played and the keys pressed on: nothing is thrown, and the
// empty hand and the empty reserve under the mouse are drawn without a card.
TEST_F(HazardTest, AnEmptiedDeckThrowsNothingAndDrawsOnlyItsIcon)
{
    Deck& deck = game->deck;
    const sf::Keyboard::Key keys[] = {sf::Keyboard::A, sf::Keyboard::E, sf::Keyboard::C};
    for (int play = 0; play < 30; ++play) {
        PlayCard(*game, keys[play % 3]);
        DetonateBomb(bombs);
    }
    ASSERT_EQ(SpentCards(deck), deck.cardCount);
    const int explosions = static_cast<int>(bombs.explosions.size());
    for (sf::Keyboard::Key key : keys)
        PlayCard(*game, key);
    EXPECT_EQ(bombs.bombActive, 0);
    EXPECT_EQ(static_cast<int>(bombs.explosions.size()), explosions);

    sf::RenderTexture target;
    ASSERT_TRUE(target.create(kScreenWidth, kScreenHeight));
    target.setView(game->camera.view);
    const auto drawn = [&](const std::function<void()>& draw) {
        target.clear(sf::Color::Black);
        draw();
        target.display();
        return target.getTexture().copyToImage();
    };
    UpdateDeck(*game, kFrame);
    deck.deckShown = 1;  // the mouse on the icon
    const sf::Image hand = drawn([&] { DrawDeck(*game, target); });
    const sf::Image icon = drawn([&] { target.draw(deck.showDeckSprite); });
    EXPECT_TRUE(std::equal(hand.getPixelsPtr(), hand.getPixelsPtr() + kScreenWidth * kScreenHeight * 4,
                           icon.getPixelsPtr()));
    EXPECT_GT(Lit(icon, deck.showDeckSprite.getGlobalBounds(), ViewTopLeft(game->camera.view)), 0);
}

// A level with nothing in it: the map's ends, the camera, the parallax, the
// sailing decor and a spell flying off all keep to finite places, and the
// spell still ends.
TEST_F(HazardTest, ALevelOfLengthZeroKeepsEverythingFiniteAndEndsTheSpells)
{
    ResetLevel(game->level);
    ASSERT_EQ(game->level.cursorX, 0);
    SetCameraBounds(game->camera, game->level.cursorX, kLevelTopLimit);
    InitBackground(game->background, *assets);  // its boat sails over the level's length
    PlaceBody(300.f, 598.f);
    AddDetonation(bombs, SPELL_SWORD, Mid(Body()));
    AddDetonation(bombs, SPELL_MESPER, Mid(Body()));
    sf::RenderTexture target;
    ASSERT_TRUE(target.create(kScreenWidth, kScreenHeight));
    const auto finite = [](sf::Vector2f v) { return std::isfinite(v.x) && std::isfinite(v.y); };
    for (int frame = 0; frame < 60 * 20; ++frame) {
        UpdateLevelElements(*game, kFrame);
        UpdateCamera(game->camera, kFrame, player.sprite.getPosition(), Body(), target);
        UpdateParallax(game->background, game->camera.view.getCenter(), game->level.cursorX);
        UpdateBackground(*game, kFrame);
        UpdateBombs(*game, kFrame);
        ASSERT_TRUE(finite(player.hitbox.getPosition())) << "frame " << frame;
        ASSERT_TRUE(finite(game->camera.view.getCenter())) << "frame " << frame;
        ASSERT_TRUE(finite(game->background.layer1.getPosition())) << "frame " << frame;
        for (const DecorAnimation& decor : game->background.decorAnimations)
            ASSERT_TRUE(finite(decor.sprite.getPosition())) << "frame " << frame;
    }
    EXPECT_TRUE(bombs.explosions.empty()) << "the spells flew off the empty map and ended";
    target.clear();
    DrawBackground(*game, target);
    DrawLevel(game->level, target);
    DrawBackgroundFront(*game, target);
    DrawBombs(*game, target);
    target.display();
}

}  // namespace
