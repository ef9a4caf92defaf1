#include "engine/draw_in_view.hpp"
#include "game_test.hpp"

#include <SFML/Graphics/RenderTexture.hpp>
#include <SFML/Graphics/RenderWindow.hpp>
#include <algorithm>

#include <gtest/gtest.h>
#include <memory>

namespace {

constexpr float kFrame = 1.f / 60.f;

struct BackgroundTest : GameTest {
    Background& background = game->background;

    void SetUp() override
    {
        GameTest::SetUp();
        InitBackground(background, *assets);
        game->level.cursorX = 10000;
    }
};

TEST_F(BackgroundTest, LayersLagBehindTheViewByTheirFactor)
{
    UpdateParallax(background, {960.f, 540.f}, 10000);
    EXPECT_EQ(background.layer1.getPosition(), sf::Vector2f(0.f, -3240.f));
    EXPECT_EQ(background.sky.getPosition(), sf::Vector2f(0.f, -3240.f));
    UpdateParallax(background, {2160.f, 540.f}, 10000);
    EXPECT_NEAR(background.layer1.getPosition().x, 1000.f, 0.01f);
    EXPECT_NEAR(background.sky.getPosition().x, 1194.03f, 0.01f);
    EXPECT_NEAR(background.layer3.getPosition().x, 1200.f / 1.1f, 0.01f);
    // A tiled layer is widened to still cover the whole view.
    const sf::FloatRect layer = background.layer1.getGlobalBounds();
    EXPECT_GE(layer.left + layer.width, 1200.f + 1920.f);
    UpdateParallax(background, {2160.f, 540.f}, 0);  // no level yet
    EXPECT_NEAR(background.layer1.getPosition().x, 1000.f, 0.01f);
}

// The far plane (the sky, the sun and the haze painted together once) shows
// exactly what the three drawn one by one would, wherever the camera and
// the layers' lag have gone; above the haze the three are drawn one by one.
TEST_F(BackgroundTest, TheFarPlaneShowsWhatTheSkySunAndHazeShowOneByOne)
{
    ClearDecorAnimations(background);
    sf::RenderTexture target;
    ASSERT_TRUE(target.create(1920, 1080));
    const auto shown = [&] {
        target.display();
        return target.getTexture().copyToImage();
    };
    const auto layer = [&](const sf::Sprite& sprite, const LayerPicture& picture) {
        if (picture.pieces)
            DrawRepeatedPieces(target, sprite, *picture.pieces, picture.period);
        else
            target.draw(sprite);
    };
    for (const sf::Vector2f centre : {sf::Vector2f(960.f, 540.f), sf::Vector2f(7000.f, 300.f), sf::Vector2f(21000.f, 700.f),
                                      sf::Vector2f(3000.f, -1500.f)}) {
        UpdateParallax(background, centre, 22268);
        target.setView(sf::View(centre, {1920.f, 1080.f}));
        DrawBackground(*game, target);
        const sf::Image together = shown();

        target.clear(sf::Color(49, 131, 194));
        target.draw(background.sky, sf::BlendNone);
        layer(background.sun, background.sunPicture);
        layer(background.layer5, background.layer5Picture);
        layer(background.layer4, background.layer4Picture);
        layer(background.layer3, background.layer3Picture);
        layer(background.layer2, background.layer2Picture);
        layer(background.layer1, background.layer1Picture);
        const sf::Image apart = shown();
        EXPECT_TRUE(std::equal(together.getPixelsPtr(), together.getPixelsPtr() + 1920 * 1080 * 4, apart.getPixelsPtr()))
            << "seen from " << centre.x << ", " << centre.y;
    }
    ASSERT_NE(background.farPlane, nullptr);
    EXPECT_TRUE(background.farPlane->painted);
    EXPECT_LE(background.farPlane->picture.getSize().y, 1700u) << "only the haze's rows";
}

// While the view stands still the layers are drawn once and kept: a frame
// shown from the kept picture is the frame drawn afresh, pixel for pixel,
// on a window whose pixels are not the world's; a view that moves is drawn
// afresh.
TEST_F(BackgroundTest, AStillViewShowsTheKeptBackdropPixelForPixel)
{
    ClearDecorAnimations(background);
    sf::RenderWindow window(sf::VideoMode(960, 540), "kept backdrop", sf::Style::None);
    const auto frame = [&](sf::Vector2f centre) {
        UpdateParallax(background, centre, 22268);
        window.setView(sf::View(centre, {1920.f, 1080.f}));
        DrawBackground(*game, window);
        sf::Texture shot;
        EXPECT_TRUE(shot.create(960, 540));
        shot.update(window);
        return shot.copyToImage();
    };
    const auto same = [](const sf::Image& a, const sf::Image& b) {
        return std::equal(a.getPixelsPtr(), a.getPixelsPtr() + 960 * 540 * 4, b.getPixelsPtr());
    };
    const sf::Vector2f still(4321.5f, 380.25f);
    const sf::Image fresh = frame(still);
    EXPECT_FALSE(background.kept && background.kept->taken) << "one frame alike is not yet a still view";
    frame(still);
    ASSERT_TRUE(background.kept && background.kept->taken);
    EXPECT_TRUE(same(frame(still), fresh));

    const sf::Image moved = frame(still + sf::Vector2f(7.f, 0.f));
    background.kept.reset();
    EXPECT_TRUE(same(moved, frame(still + sf::Vector2f(7.f, 0.f))));
    EXPECT_FALSE(same(moved, fresh));
}

TEST_F(BackgroundTest, InitAddsABoatAndAParrotThatAClearRemoves)
{
    ASSERT_EQ(background.decorCount, 2);
    EXPECT_EQ(background.decorAnimations[0].speed, 50);
    EXPECT_EQ(background.decorAnimations[1].speed, 500);
    ClearDecorAnimations(background);
    EXPECT_EQ(background.decorCount, 0);
    EXPECT_TRUE(background.decorAnimations.empty());
}

TEST_F(BackgroundTest, MovingDecorWrapsAroundTheLevelEitherWay)
{
    DecorAnimation& boat = background.decorAnimations[0];
    DecorAnimation& parrot = background.decorAnimations[1];
    parrot.direction = 1;
    parrot.sprite.setScale(1.f, 1.f);
    parrot.sprite.setPosition(9900.f, 200.f);  // about to leave on the right
    boat.direction = 0;
    boat.sprite.setScale(3.f, 3.f);
    boat.sprite.setPosition(-2.f * 1422.f - 1.f, 0.f);  // just gone on the left
    UpdateBackground(*game, kFrame);
    const sf::FloatRect p = parrot.sprite.getGlobalBounds();
    EXPECT_FLOAT_EQ(p.left, -153.f);
    EXPECT_NEAR(p.top, 200.f, 1.f);
    const sf::FloatRect b = boat.sprite.getGlobalBounds();
    EXPECT_FLOAT_EQ(b.left + b.width, 10000.f);
    for (int frame = 0; frame < 10; ++frame)
        UpdateBackground(*game, kFrame);
    EXPECT_LT(boat.sprite.getGlobalBounds().left, 10000.f - 1422.f);  // sails on leftwards
}

TEST_F(BackgroundTest, PrayingAtTheStatueKneelsRefillsAndReturns)
{
    ClearDecorAnimations(background);
    AddDecorAnimation(background, *assets, {3000.f, 200.f}, 5);
    DecorAnimation& statue = background.decorAnimations[0];
    game->player.hitbox.setPosition(3100.f, 598.f);
    for (int frame = 0; frame < 30; ++frame)
        UpdateBackground(*game, kFrame);
    EXPECT_EQ(statue.frameCount, 0);  // still until prayed at
    EXPECT_EQ(statue.elapsed, 0.f);

    InitDeck(game->deck);
    Card& card = game->deck.cards[0];
    card.kind = SPELL_SPENT;
    input.keys[sf::Keyboard::F] = true;
    UpdateBackground(*game, kFrame);
    input.keys[sf::Keyboard::F] = false;
    EXPECT_EQ(card.kind, card.dealtKind);  // refilled
    card.kind = SPELL_SPENT;
    EXPECT_EQ(statue.frameCount, 30);
    float t = 0.f;
    while (t < 1.6f) {
        UpdateBackground(*game, kFrame);
        t += kFrame;
        ASSERT_EQ(game->player.forcedPose, 1) << t;
    }
    for (int frame = 0; frame < 10; ++frame)
        UpdateBackground(*game, kFrame);
    EXPECT_EQ(game->player.forcedPose, 0);  // 28 frames of 0.06 s
    EXPECT_EQ(statue.row, 0);
    for (int frame = 0; frame < 10; ++frame)
        UpdateBackground(*game, kFrame);
    EXPECT_EQ(statue.row, 1);
    EXPECT_EQ(statue.frameCount, 35);
    for (int frame = 0; frame < 200; ++frame)
        UpdateBackground(*game, kFrame);
    EXPECT_EQ(statue.sprite.getTextureRect(), sf::IntRect(219 * 34, 187, 219, 187));  // rests on the last
    EXPECT_EQ(card.kind, SPELL_SPENT);  // one prayer, one refill
}

}  // namespace
