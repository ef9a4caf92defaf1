// The bomb's throw, flight and roll, and every spell's motion, damage and
// end, against a level in play with targets placed by hand.
#include "enemy_test.hpp"
#include "engine/layout_table.hpp"

#include <SFML/Graphics/RenderTexture.hpp>
#include <gtest/gtest.h>

namespace {

constexpr float kHuge = 1e6f;

sf::Vector2f V(SpellOffset o) { return {o.x, o.y}; }

struct SpellTest : EnemyTest {
    Bombs& bombs = game->bombs;

    void SetUp() override
    {
        EnemyTest::SetUp();
        InitBombs(bombs, assets);
        SetCameraBounds(game->camera, 10000, kLevelTopLimit);
    }
    sf::Vector2f BodyCentre() const
    {
        const sf::FloatRect b = Body();
        return {b.left + b.width / 2.f, b.top + b.height / 2.f};
    }
    // Window pixels of a world point.
    sf::Vector2i MouseAt(sf::Vector2f world) const
    {
        const sf::Vector2f at = world - ViewTopLeft(game->camera.view);
        return {static_cast<int>(at.x), static_cast<int>(at.y)};
    }
    void Run(int frames, float dt = kFrame)
    {
        for (int k = 0; k < frames; ++k)
            UpdateBombs(*game, dt);
    }
    // A tank whose box (200 x 135) has its top-left at `at`: what spells
    // measure it by. It only stands there (the enemies are not updated).
    int Tank(sf::Vector2f at, int health = static_cast<int>(kHuge))
    {
        AddTank(enemies, {0.f, 0.f});
        At(Count() - 1).hitbox.setPosition(at);
        At(Count() - 1).health = health;
        return Count() - 1;
    }
    Explosion& Entry(int i) { return bombs.explosions[static_cast<std::size_t>(i)]; }
    int Entries() const { return static_cast<int>(bombs.explosions.size()); }
    // The burst at `centre`, played out and split into its four imps.
    void Imps(sf::Vector2f centre)
    {
        AddDetonation(bombs, SPELL_MESPER, centre);
        Entry(Entries() - 1).anim.timer = 2.f;
        Run(1);
    }
    static sf::Vector2f Mid(const sf::FloatRect& r) { return {r.left + r.width / 2.f, r.top + r.height / 2.f}; }
};

TEST_F(SpellTest, ABombFliesFromTheBodyTowardsTheMouseLandsOnTheGroundLineRollsAndWaits)
{
    const sf::Vector2f start = BodyCentre();
    ThrowBomb(*game, SPELL_SWORD, MouseAt(start + sf::Vector2f{500.f, -500.f}));
    ASSERT_EQ(bombs.bombActive, 1);
    EXPECT_EQ(bombs.bombHb.getPosition(), start);
    EXPECT_EQ(Mid(bombs.bombSprite.getGlobalBounds()), start);
    EXPECT_NEAR(bombs.throwAngle, -std::numbers::pi_v<float> / 4.f, 1e-3f);
    EXPECT_EQ(hud.mana, 90);

    // Up and over, down onto the line: never below it.
    int frames = 0;
    while (bombs.bombHb.getPosition().y < kBombRestCentreY && frames < 600) {
        const float x = bombs.bombHb.getPosition().x;
        Run(1);
        frames++;
        EXPECT_GT(bombs.bombHb.getPosition().x, x);
        EXPECT_LE(bombs.bombHb.getGlobalBounds().top + bombs.bombHb.getGlobalBounds().height, kBombGroundY + 0.01f);
    }
    EXPECT_FLOAT_EQ(bombs.bombHb.getPosition().y, kBombRestCentreY);

    // It rolls on along the throw, a little less each frame, turning.
    const float speed = bombs.fallSpeed;
    ASSERT_GT(speed, 0.f);
    float x = bombs.bombHb.getPosition().x;
    Run(1);
    EXPECT_NEAR(bombs.bombHb.getPosition().x - x, (speed - 14.7f * kFrame) * std::cos(bombs.throwAngle), 1e-3f);
    EXPECT_FLOAT_EQ(bombs.bombHb.getRotation(), 10.f);
    float last = bombs.bombHb.getPosition().x;
    for (int k = 0; k < 120; ++k) {
        Run(1);
        EXPECT_GE(bombs.bombHb.getPosition().x, last) << "never rolls back";
        last = bombs.bombHb.getPosition().x;
    }
    EXPECT_EQ(bombs.fallSpeed, 0.f);

    // It lies still, waiting, as long as nobody detonates it.
    const sf::Vector2f resting = bombs.bombHb.getPosition();
    Run(3000);
    EXPECT_EQ(bombs.bombActive, 1);
    EXPECT_EQ(bombs.bombHb.getPosition(), resting);
    EXPECT_EQ(Entries(), 0);
    DetonateBomb(bombs);
    EXPECT_EQ(bombs.bombActive, 0);
    ASSERT_EQ(Entries(), 1);
    EXPECT_EQ(Mid(Entry(0).sprite.getGlobalBounds()), resting) << "centred where it lay";
    DetonateBomb(bombs);
    EXPECT_EQ(Entries(), 1) << "nothing out, nothing happens";
}

TEST_F(SpellTest, EachThrowCostsTenManaDownToNothingAndOnlyCardKindsAreThrown)
{
    for (int k = 0; k < 12; ++k) {
        DetonateBomb(bombs);
        ThrowBomb(*game, k % kSpellCardKinds, {0, 0});
    }
    EXPECT_EQ(hud.mana, 0);
    EXPECT_EQ(bombs.bombActive, 1) << "a throw at no mana still goes";
    DetonateBomb(bombs);
    ThrowBomb(*game, SPELL_SPENT, {0, 0});
    ThrowBomb(*game, SPELL_XSWORD_BLADE, {0, 0});
    EXPECT_EQ(bombs.bombActive, 0);
}

TEST_F(SpellTest, ATankCrushingTheBombLeavesNothingToDetonate)
{
    ThrowBomb(*game, SPELL_ANVIL, MouseAt(BodyCentre() + sf::Vector2f{300.f, 0.f}));
    Run(400);
    const sf::Vector2f bomb = bombs.bombHb.getPosition();
    const int tank = Tank({bomb.x + 40.f, kBombGroundY - 135.f});
    At(tank).aggro = 1;
    Frames(1);  // the enemies' update: the tank faces the player, the bomb right before it
    EXPECT_EQ(bombs.bombActive, 0);
    DetonateBomb(bombs);
    EXPECT_EQ(Entries(), 0);
}

TEST_F(SpellTest, TheSwordFliesRightAndEndsOnItsFirstHitOrPastTheLevel)
{
    Tank({3700.f, 700.f});
    AddDetonation(bombs, SPELL_SWORD, {3500.f, kBombRestCentreY});
    const float left = DamageArea(Entry(0)).left;
    Run(10);
    EXPECT_NEAR(DamageArea(Entry(0)).left - left, 400.f * 10 * kFrame, 0.01f);
    Run(60);
    EXPECT_EQ(Entries(), 0);
    EXPECT_EQ(At(0).health, kHuge - 50);

    // A miss flies on until it is a whole view past the level's end.
    AddDetonation(bombs, SPELL_SWORD, {9000.f, 300.f});
    Run(static_cast<int>((1000.f + 1920.f) / 400.f / kFrame) - 30);
    EXPECT_EQ(Entries(), 1);
    Run(60);
    EXPECT_EQ(Entries(), 0);
}

TEST_F(SpellTest, TheAnvilHitsHarderTheLongerItFellAndAMissFallsOutOfTheWorld)
{
    Tank({3400.f, 635.f});
    AddDetonation(bombs, SPELL_ANVIL, {3500.f, 300.f});
    float fall = 0.f, speed = 0.f;
    while (Entries() == 1) {
        fall = Entry(0).anvilFall;
        speed = Entry(0).anvilSpeed;
        Run(1);
    }
    const float landed = fall + (speed + 19.6f) * kFrame;
    EXPECT_GT(landed, 185.f);
    EXPECT_EQ(kHuge - At(0).health, static_cast<int>(50.f + landed * 0.07f));

    KillEnemy(enemies, 0);
    AddDetonation(bombs, SPELL_ANVIL, {3500.f, 300.f});
    int frames = 0;
    while (Entries() == 1 && frames < 600) {
        Run(1);
        frames++;
    }
    EXPECT_EQ(Entries(), 0);
    EXPECT_LT(frames, 90) << "gone once its top is below the world";
}

// Tentacles tick 10 every quarter second from 1 s to 4 s (13 ticks), the
// lightning at 1, 2, 3 s and as it ends (4 ticks): the same at 60 frames a
// second and in one frame of 5 s.
TEST_F(SpellTest, TentaclesAndLightningDealTheirTicksWhateverTheFrameLength)
{
    struct Case {
        int kind;
        int total;
    };
    for (const Case c : {Case{SPELL_TENTACLES, 130}, Case{SPELL_FOUDRE, 40}})
        for (const float dt : {kFrame, 5.f}) {
            SCOPED_TRACE(testing::Message() << "kind " << c.kind << " dt " << dt);
            const int tank = Tank({3400.f, 635.f});
            AddDetonation(bombs, c.kind, {3500.f, kBombRestCentreY});
            int frames = 0;
            while (Entries() > 0 && frames < 1000) {
                Run(1, dt);
                frames++;
            }
            EXPECT_EQ(kHuge - At(tank).health, c.total);
            if (dt == kFrame) {
                EXPECT_NEAR(frames, 240, 1);
            }
            KillEnemy(enemies, tank);
        }

    // Lightning stuns whoever survives a tick.
    const int tank = Tank({3400.f, 635.f});
    AddDetonation(bombs, SPELL_FOUDRE, {3500.f, kBombRestCentreY});
    Run(59);
    EXPECT_EQ(At(tank).stunned, 0);
    Run(2);
    EXPECT_EQ(At(tank).stunned, 1);
    EXPECT_EQ(kHuge - At(tank).health, 10);
}

TEST_F(SpellTest, TheCrossDrawsOnlyItselfAndItsBladesCloseInAndEnd)
{
    const sf::Vector2f c{3500.f, 500.f};
    AddDetonation(bombs, SPELL_XSWORD, c);
    ASSERT_EQ(Entries(), 5);
    EXPECT_EQ(Entry(0).kind, SPELL_XSWORD);
    EXPECT_EQ(Mid(Entry(0).sprite.getGlobalBounds()), c);
    for (int j = 0; j < 4; ++j) {
        EXPECT_EQ(Entry(1 + j).kind, SPELL_XSWORD_BLADE);
        const sf::Vector2f centre = Mid(DamageArea(Entry(1 + j)));
        EXPECT_EQ(centre, c + V(kXSwordBladeCentres[j])) << j;
    }

    // What is drawn is the cross's picture alone.
    sf::RenderTexture all, crossOnly;
    ASSERT_TRUE(all.create(600, 600) && crossOnly.create(600, 600));
    for (sf::RenderTexture* target : {&all, &crossOnly}) {
        target->setView(sf::View(c, {600.f, 600.f}));
        target->clear(sf::Color::Transparent);
    }
    DrawBombs(*game, all);
    crossOnly.draw(Entry(0).sprite);
    all.display();
    crossOnly.display();
    const sf::Image a = all.getTexture().copyToImage(), b = crossOnly.getTexture().copyToImage();
    EXPECT_TRUE(std::equal(a.getPixelsPtr(), a.getPixelsPtr() + 600 * 600 * 4, b.getPixelsPtr()));

    // The blades wait, fly straight in and end near the point; the picture
    // ends once played.
    Run(23);
    EXPECT_EQ(Mid(DamageArea(Entry(1))), c - sf::Vector2f(200.f, 200.f));
    Run(2);
    const sf::Vector2f moved = Mid(DamageArea(Entry(1))) - (c - sf::Vector2f{200.f, 200.f});
    EXPECT_NEAR(moved.x, moved.y, 1e-3f);
    EXPECT_GT(moved.x, 0.f);
    Run(36);
    EXPECT_EQ(Entries(), 1) << "the blades are gone";
    Run(25);
    EXPECT_EQ(Entries(), 0);

    // A blade hurts once and ends; one long frame lands every blade on the
    // point (none swings across it forever).
    Tank({c.x - 100.f, c.y - 67.f});
    AddDetonation(bombs, SPELL_XSWORD, c);
    Run(120);
    EXPECT_EQ(kHuge - At(0).health, 4 * 50);
    KillEnemy(enemies, 0);
    AddDetonation(bombs, SPELL_XSWORD, c);
    Run(1, 1.f);
    EXPECT_EQ(Entries(), 1);
    EXPECT_EQ(Entry(0).kind, SPELL_XSWORD);
}

TEST_F(SpellTest, TheBurstSplitsIntoFourImpsAtTheirPlacesThatHomeOnEnemies)
{
    const sf::Vector2f c{3500.f, 500.f};
    AddDetonation(bombs, SPELL_MESPER, c);
    Run(90);  // 33 frames of 0.045 s
    ASSERT_EQ(Entries(), 1) << "the burst plays out first";
    Run(1);
    ASSERT_EQ(Entries(), 4);
    for (int j = 0; j < 4; ++j) {
        const sf::FloatRect imp = Entry(j).sprite.getGlobalBounds();
        EXPECT_TRUE(IsMesperImp(Entry(j)));
        EXPECT_EQ(sf::Vector2f(imp.left, imp.top), c + V(kMesperImpOffsets[j]));
    }
    // With nothing to chase they fly right; with a tank to the left, they
    // turn to it (mirrored), and each hurts once.
    const float x = Entry(0).sprite.getPosition().x;
    Run(1);
    EXPECT_NEAR(Entry(0).sprite.getPosition().x - x, 200.f * kFrame, 1e-3f);
    Tank({2800.f, 400.f});
    Run(1);
    EXPECT_EQ(Entry(0).flipped, 1);
    EXPECT_EQ(Entry(0).sprite.getScale().x, -1.f);
    Run(600);
    EXPECT_EQ(Entries(), 0);
    EXPECT_EQ(kHuge - At(0).health, 4 * 30);
}

TEST_F(SpellTest, ImpsChaseOnlyWhatTheirDamageCanReach)
{
    const sf::Vector2f c{3500.f, 500.f};
    auto heading = [&](int i) {
        const sf::Vector2f before = Mid(Entry(i).sprite.getGlobalBounds());
        Run(1);
        const sf::Vector2f d = Mid(Entry(i).sprite.getGlobalBounds()) - before;
        return std::atan2(d.y, d.x);
    };
    auto towards = [&](int i, const sf::FloatRect& box) {
        const sf::Vector2f d = Mid(box) - Mid(Entry(i).sprite.getGlobalBounds());
        return std::atan2(d.y, d.x);
    };
    Imps(c);

    // An archer whose arm hangs near: the imp goes for the body.
    AddArcher(enemies, {5000.f, 780.f});
    At(1).sprite.setPosition(c.x + 200.f, c.y);
    float want = towards(0, EnemyBounds(At(0)));
    EXPECT_NEAR(heading(0), want, 0.01f);

    // A dummy far away wins over a rat next door.
    AddRat(enemies, {c.x - 300.f, 770.f});
    AddDummy(enemies, {c.x, 2000.f});
    want = towards(0, At(Count() - 1).sprite.getGlobalBounds());
    EXPECT_NEAR(heading(0), want, 0.01f);

    // In the hub, what the level left behind is not chased.
    KillEnemy(enemies, Count() - 1);
    game->hub.inHub = 1;
    EXPECT_NEAR(heading(0), 0.f, 1e-4f);
    game->hub.inHub = 0;

    // The boss, only while it can be hit.
    ResetEnemies(enemies);
    game->boss.bossHitbox.setSize({198.f, 289.f});
    game->boss.bossHitbox.setPosition(c.x, c.y + 800.f);
    game->hud.bossFight = 1;
    game->boss.bossActive = 0;
    EXPECT_NEAR(heading(0), 0.f, 1e-4f);
    game->boss.bossActive = 1;
    want = towards(0, BossBounds(game->boss));
    EXPECT_NEAR(heading(0), want, 0.01f);
}

// A removal in the walk never skips the next entry, never steps a removed
// one again, and the imps a burst splits into wait for the next frame.
TEST_F(SpellTest, RemovalsInTheWalkSkipAndRepeatNothing)
{
    auto dropBlades = [&] { bombs.explosions.erase(bombs.explosions.end() - 4, bombs.explosions.end()); };
    AddDetonation(bombs, SPELL_SWORD, {3000.f, 100.f});
    AddDetonation(bombs, SPELL_XSWORD, {3000.f, 300.f});
    dropBlades();
    AddDetonation(bombs, SPELL_SWORD, {3000.f, 500.f});
    AddDetonation(bombs, SPELL_MESPER, {3000.f, 700.f});
    AddDetonation(bombs, SPELL_XSWORD, {3000.f, 900.f});
    dropBlades();
    bombs.explosionCount = Entries();
    // sword, cross (played out), sword, burst (played out), cross (played out)
    ASSERT_EQ(Entries(), 5);
    Entry(1).anim.timer = 5.f;
    Entry(3).anim.timer = 5.f;
    Entry(4).anim.timer = 5.f;
    const float left0 = Entry(0).sprite.getPosition().x, left2 = Entry(2).sprite.getPosition().x;
    Run(1);
    ASSERT_EQ(Entries(), 6);
    EXPECT_EQ(Entry(0).kind, SPELL_SWORD);
    EXPECT_EQ(Entry(1).kind, SPELL_SWORD);
    EXPECT_NEAR(Entry(0).sprite.getPosition().x - left0, 400.f * kFrame, 1e-3f);
    EXPECT_NEAR(Entry(1).sprite.getPosition().x - left2, 400.f * kFrame, 1e-3f) << "stepped once";
    for (int j = 0; j < 4; ++j) {
        const sf::FloatRect imp = Entry(2 + j).sprite.getGlobalBounds();
        EXPECT_EQ(sf::Vector2f(imp.left, imp.top),
                  sf::Vector2f(3000.f, 700.f) + V(kMesperImpOffsets[j]));
    }
}

TEST_F(SpellTest, ThrowsAtNothingForTenThousandFramesLeaveNoEntriesBehind)
{
    SetCameraBounds(game->camera, 4000, kLevelTopLimit);
    std::size_t most = 0;
    for (int frame = 0; frame < 10000; ++frame) {
        if (frame % 30 == 0) {
            DetonateBomb(bombs);
            ThrowBomb(*game, (frame / 30) % kSpellCardKinds, MouseAt(BodyCentre() + sf::Vector2f{400.f, -200.f}));
        }
        Run(1);
        most = std::max(most, bombs.explosions.size());
    }
    EXPECT_LT(most, 120u);
    DetonateBomb(bombs);
    Run(60 * 60);
    EXPECT_EQ(Entries(), 0);
}

TEST_F(SpellTest, TheSwordOnAnArmHurtsItsArcherNeverTheArmAlone)
{
    AddArcher(enemies, {3000.f, 780.f});
    At(1).sprite.setPosition(5000.f, 200.f);
    const int arm = At(1).health;
    const sf::FloatRect hand = At(1).sprite.getGlobalBounds();
    player.attackShape.setSize({40.f, 40.f});
    player.attackShape.setPosition(hand.left + hand.width / 2.f, hand.top + hand.height / 2.f);
    player.hitArmed = 1;
    EXPECT_EQ(MeleeStrike(enemies, player, hud, game->hub), 1);
    ASSERT_EQ(Count(), 2);
    EXPECT_EQ(At(0).health, 80);
    EXPECT_EQ(At(1).health, arm);
}

}  // namespace
