#include "engine/asset_manifest.hpp"
#include "game_test.hpp"

#include <gtest/gtest.h>
#include <memory>

namespace {

constexpr float kFrame = 1.f / 60.f;

// A game holding a freshly made player, fed by an input record the test
// presses keys on. The sheets are read once for the whole suite.
struct PlayerTest : GameTest {
    Player& p = game->player;

    void SetUp() override
    {
        GameTest::SetUp();
        InitPlayer(*game);
    }
    // The player after the tutorial: arms grown, standing still.
    void GiveArms()
    {
        p.cinematicState = CINEMATIC_NONE;
        p.hasArms = 1;
        p.slamming = 0;
        p.velocityY = 0.f;
    }
    float ShownBottom() const { return p.sprite.getGlobalBounds().top + p.sprite.getGlobalBounds().height; }
    // Puts the display sprite's bottom at y, hitbox and sprite agreeing.
    void PlaceShownBottom(float y)
    {
        const float shownHeight = kPlayerScale * static_cast<float>(FindAsset(kNoArmsSheet)->cellHeight);
        p.hitbox.setPosition(600.f, y - shownHeight + kDisplayOffsetY);
        p.sprite.setPosition(600.f - kDisplayOffsetX, y - shownHeight);
    }
};

TEST_F(PlayerTest, StartsAsDescribedAndTheArtFitsTheBody)
{
    EXPECT_EQ(p.cinematicState, CINEMATIC_SUBSTANCE);
    EXPECT_EQ(p.facing, 20);
    EXPECT_EQ(p.jumpsLeft, 1);
    EXPECT_EQ(p.slamming, 1);
    EXPECT_EQ(p.currentAnim, 0);
    EXPECT_EQ(p.anims[10].frameCount, 49);
    EXPECT_EQ(p.anims[10].fps, 12);
    // The sheet is packed, 39 cells to a line: row 19 starts at its 288th used cell.
    EXPECT_EQ(p.anims[19].firstFrame, sf::IntRect(209 * (288 % 39), 116 * (288 / 39), 209, 116));
    EXPECT_EQ(p.anims[19].columns, 39);
    EXPECT_EQ(p.cinematicAnims[4].frameCount, 19);
    EXPECT_EQ(p.cinematicAnims[5].frameCount, 0);
    EXPECT_EQ(p.hitbox.getPosition(), sf::Vector2f(645.f, 730.f));
    // The body box the display art is drawn around.
    EXPECT_EQ(p.hitbox.getGlobalBounds().width, 87.f);
    EXPECT_EQ(p.hitbox.getGlobalBounds().height, 162.f);
    EXPECT_EQ(p.texture->getSize(), sf::Vector2u(209 * 39, 116 * 9)) << "326 cells, 39 to a line";
}

TEST_F(PlayerTest, TheCinematicChainsItsFiveClipsThenWaitsForTheSubstance)
{
    StartCinematic(*game);
    EXPECT_EQ(p.sprite.getTextureRect(), sf::IntRect(0, 0, 515, 83));
    int frames = 0;
    int lastClip = 0;
    while (p.cinematicState == CINEMATIC_PLAYING && frames < 2000) {
        StepPlayerAnimations(*game, kFrame);
        EXPECT_GE(p.cinematicClip, lastClip);
        lastClip = p.cinematicClip;
        frames++;
    }
    // 139 frames at 12 a second, then one more step to close.
    EXPECT_NEAR(frames, 139 * 5, 10);
    EXPECT_EQ(p.cinematicState, CINEMATIC_SUBSTANCE);
    EXPECT_EQ(p.hitbox.getPosition(), sf::Vector2f(445.f, 730.f));
    EXPECT_EQ(p.currentAnim, 0);
    EXPECT_EQ(p.sprite.getTexture(), p.texture);
    EXPECT_EQ(p.sprite.getTextureRect().width, 209);  // never the whole sheet
}

TEST_F(PlayerTest, AnimationsAdvanceOneFramePerCallAndOthersRestart)
{
    p.anims[2].currentFrame = 5;
    StepPlayerAnimations(*game, 1.f);  // a long frame still moves one frame
    EXPECT_EQ(p.anims[0].currentFrame, 1);
    EXPECT_EQ(p.anims[2].currentFrame, 0);
    EXPECT_EQ(p.sprite.getTextureRect(), sf::IntRect(209, 0, 209, 116));
}

TEST_F(PlayerTest, EveryRowEndCountsTheComboAndRearmsTheHit)
{
    GiveArms();
    Animation& swing = p.anims[11];
    p.currentAnim = 11;
    for (int expected : {1, 2, 3}) {
        p.hitArmed = 0;
        p.attacking = 1;
        swing.currentFrame = swing.frameCount - 1;
        swing.elapsed = 0.f;
        StepPlayerAnimation(swing, 0.1f, 0, p);
        EXPECT_EQ(p.comboStep, expected);
        EXPECT_EQ(p.hitArmed, 1);
        EXPECT_EQ(p.attacking, 0);
        EXPECT_FLOAT_EQ(p.attackTimer, 0.8f);
        EXPECT_EQ(swing.currentFrame, 0);
    }
    p.hitArmed = 0;
    swing.currentFrame = swing.frameCount - 1;
    StepPlayerAnimation(swing, 0.1f, 0, p);
    EXPECT_EQ(p.comboStep, 0);  // the fourth swing closes the chain unarmed
    EXPECT_EQ(p.hitArmed, 0);

    p.climbing = 1;  // a climb loops over its last frames
    Animation& fall = p.anims[8];
    fall.currentFrame = fall.frameCount - 1;
    StepPlayerAnimation(fall, 0.1f, 0, p);
    EXPECT_EQ(fall.currentFrame, 8);
}

TEST_F(PlayerTest, GrowingArmsEndsOnTheArmsSheet)
{
    p.cinematicState = CINEMATIC_NONE;
    p.armsSequence = 1;
    p.currentAnim = ROW_GROW_ARMS;
    int frames = 0;
    while (p.hasArms == 0 && frames < 1000) {
        StepPlayerAnimations(*game, kFrame);
        frames++;
    }
    EXPECT_NEAR(frames, 49 * 5, 6);
    EXPECT_EQ(p.armsSequence, 0);
    EXPECT_EQ(p.currentAnim, 0);
    EXPECT_EQ(p.texture, p.armsTexture);
    EXPECT_EQ(p.sprite.getTexture(), p.armsTexture);
    EXPECT_EQ(p.anims[ROW_GROW_ARMS].currentFrame, 0);
}

TEST_F(PlayerTest, TheSubstanceCountsItsFramesPerLoop)
{
    for (int i = 0; i < 5 * 10; i++)
        StepPlayerAnimations(*game, kFrame);
    EXPECT_EQ(p.substanceFrames, p.substanceAnim.currentFrame);
    p.armsSequence = 1;  // taken: it stops
    const int frozenAt = p.substanceFrames;
    for (int i = 0; i < 20; i++)
        StepPlayerAnimations(*game, kFrame);
    EXPECT_EQ(p.substanceFrames, frozenAt);
}

// Frames until the dash is over, and the distance it covered.
std::pair<int, float> RunDash(PlayerTest& t)
{
    const float start = t.p.hitbox.getPosition().x;
    t.Hold(sf::Keyboard::LShift);
    int frames = 0;
    do {
        StepPlayerDash(*t.game, kFrame);
        frames++;
    } while (t.p.moveState == 29 && frames < 100);
    t.Hold(sf::Keyboard::LShift, false);
    return {frames, t.p.hitbox.getPosition().x - start};
}

TEST_F(PlayerTest, DashRightAndLeftThenWaitThreeSeconds)
{
    p.facing = 0;
    auto [rightFrames, rightDistance] = RunDash(*this);
    EXPECT_EQ(p.moveState, 23);
    EXPECT_FLOAT_EQ(p.velocityY, 500.f);
    EXPECT_EQ(p.dashReady, 0);
    EXPECT_NEAR(rightDistance, 3200.f * 0.1f, 3200.f * kFrame + 1.f);

    // Not again until three seconds after it ended.
    int wait = 0;
    while (p.dashReady == 0 && wait < 1000) {
        Hold(sf::Keyboard::LShift);
        StepPlayerDash(*game, kFrame);
        EXPECT_NE(p.moveState, 29);
        wait++;
    }
    EXPECT_NEAR(wait * kFrame, 3.f, 2 * kFrame);

    p.facing = 1;
    p.moveState = 20;
    auto [leftFrames, leftDistance] = RunDash(*this);
    EXPECT_LT(leftDistance, 0.f);
    EXPECT_NEAR(-leftDistance, rightDistance, 3200.f * kFrame + 1.f);
    EXPECT_LE(leftFrames, (rightFrames + 1) / 2 + 1);  // two steps a frame
}

TEST_F(PlayerTest, DoubleJumpNeedsArmsAndASlowedRise)
{
    PlaceShownBottom(600.f);
    p.slamming = 0;
    Hold(sf::Keyboard::Space);
    StepPlayerMovement(*game, kFrame);
    EXPECT_FLOAT_EQ(p.velocityY, -2000.f);
    EXPECT_EQ(p.airborne, 1);
    p.jumpsLeft = 1;
    p.velocityY = -100.f;
    StepPlayerMovement(*game, kFrame);  // no arms: no jump in the air
    EXPECT_FLOAT_EQ(p.velocityY, -100.f);

    GiveArms();
    p.airborne = 1;
    p.facing = 0;
    p.velocityY = -251.f;
    StepPlayerMovement(*game, kFrame);
    EXPECT_FLOAT_EQ(p.velocityY, -251.f);
    p.velocityY = -250.f;
    StepPlayerMovement(*game, kFrame);
    EXPECT_FLOAT_EQ(p.velocityY, -2000.f);
    EXPECT_EQ(p.jumpsLeft, 0);
    EXPECT_EQ(p.currentAnim, 6);  // the second jump's row
    p.velocityY = 0.f;
    StepPlayerMovement(*game, kFrame);
    EXPECT_FLOAT_EQ(p.velocityY, 0.f);  // no third

    // A long climb spends a jump every frame the propeller is held; rising
    // after it shows the last jump's row, never a swing or the arms row.
    Hold(sf::Keyboard::Space, false);
    p.jumpsLeft = -40;
    p.velocityY = -650.f;
    StepPlayerMovement(*game, kFrame);
    EXPECT_EQ(p.currentAnim, 6);
}

TEST_F(PlayerTest, TheFloorLineSnapsUpAndRestoresTwoJumps)
{
    p.slamming = 0;
    p.cinematicState = CINEMATIC_NONE;
    PlaceShownBottom(800.f);
    p.velocityY = 300.f;
    p.airborne = 1;
    const sf::Vector2f before = p.hitbox.getPosition();
    StepPlayerMovement(*game, kFrame);
    EXPECT_EQ(p.jumpsLeft, 2);
    EXPECT_EQ(p.airborne, 0);
    EXPECT_FLOAT_EQ(p.velocityY, 0.f);
    EXPECT_NEAR(p.hitbox.getPosition().x - before.x, 1.f + kFrame, 1e-3);
    EXPECT_NEAR(p.hitbox.getPosition().y - before.y, -10.f, 1e-3);
    EXPECT_NEAR(p.sprite.getPosition().x, p.hitbox.getPosition().x - 270.f, 1e-3);

    PlaceShownBottom(799.f);  // above the line: no snap
    StepPlayerMovement(*game, kFrame);
    EXPECT_EQ(p.hitbox.getPosition().y, 799.f - 348.f + 146.f);

    p.cinematicState = CINEMATIC_PLAYING;  // the cinematic stands lower
    PlaceShownBottom(860.f);
    StepPlayerMovement(*game, kFrame);
    EXPECT_EQ(p.hitbox.getPosition().y, 860.f - 348.f + 146.f);
}

TEST_F(PlayerTest, WalkingPrefersDAndTheDiveNeedsHeightOutsideTheHub)
{
    p.slamming = 0;
    PlaceShownBottom(600.f);
    Hold(sf::Keyboard::D);
    Hold(sf::Keyboard::Q);
    StepPlayerMovement(*game, kFrame);
    EXPECT_EQ(p.facing, 0);
    EXPECT_EQ(p.currentAnim, 2);
    // The step, then this frame's input motion once more at the end of the frame.
    EXPECT_NEAR(p.hitbox.getPosition().x, 600.f + 1000.f * kFrame * (1.f + kFrame), 1e-3);
    Hold(sf::Keyboard::D, false);
    Hold(sf::Keyboard::Q, false);

    Hold(sf::Keyboard::S);
    PlaceShownBottom(670.f);
    StepPlayerMovement(*game, kFrame);
    EXPECT_EQ(p.diving, 0);
    game->hub.inHub = 1;
    PlaceShownBottom(500.f);
    StepPlayerMovement(*game, kFrame);
    EXPECT_EQ(p.diving, 0);
    game->hub.inHub = 0;
    PlaceShownBottom(500.f);
    StepPlayerMovement(*game, kFrame);
    EXPECT_EQ(p.diving, 1);
    EXPECT_EQ(p.slamming, 1);
    EXPECT_EQ(p.moveState, 23);
}

TEST_F(PlayerTest, KnockbackDecaysPerFrameWhateverTheFrameTime)
{
    p.slamming = 0;
    PlaceShownBottom(500.f);
    p.knockbackX = 100.f;
    p.knockbackY = 100.f;
    StepPlayerMovement(*game, 0.5f);
    EXPECT_FLOAT_EQ(p.knockbackX, 94.f);
    EXPECT_FLOAT_EQ(p.knockbackY, 98.f);
    EXPECT_NEAR(p.hitbox.getPosition().y, 500.f - 348.f + 146.f - 50.f, 1e-3);
}

TEST_F(PlayerTest, HeldButtonChainsTheFourSwingsAndReleaseRestartsIt)
{
    GiveArms();
    PlaceShownBottom(799.f);
    input.mouse = {1500, 500};
    input.buttons[sf::Mouse::Left] = true;
    std::vector<int> steps;
    for (int i = 0; i < 60 * 4; i++) {
        UpdatePlayer(kFrame, *game);
        if (p.attacking == 1 && (steps.empty() || steps.back() != p.comboStep))
            steps.push_back(p.comboStep);
    }
    ASSERT_GE(steps.size(), 5u);
    EXPECT_EQ(std::vector<int>(steps.begin(), steps.begin() + 5), (std::vector<int>{0, 1, 2, 3, 0}));
    EXPECT_EQ(p.facing, 0);

    // Released and pressed again aiming left: the first swing reaches out
    // 200 px to the left of the body's middle, 40 px thick.
    input.buttons[sf::Mouse::Left] = false;
    UpdatePlayer(kFrame, *game);
    EXPECT_EQ(p.comboStep, 0);
    while (p.attacking == 1)
        UpdatePlayer(kFrame, *game);
    input.buttons[sf::Mouse::Left] = true;
    input.mouse = {100, 500};
    UpdatePlayer(kFrame, *game);  // the idle row's loop left the timer full: this swing closes at once
    UpdatePlayer(kFrame, *game);
    const sf::FloatRect body = p.hitbox.getGlobalBounds();
    EXPECT_EQ(p.facing, 1);
    EXPECT_EQ(p.currentAnim, 15);
    const sf::FloatRect reach = p.attackShape.getGlobalBounds();
    EXPECT_NEAR(reach.left + reach.width - p.attackShape.getOutlineThickness(), body.left + body.width / 2.f - 40.f, 1e-3);
    EXPECT_NEAR(reach.width, 200.f + 2.f * p.attackShape.getOutlineThickness(), 1e-3);
    EXPECT_NEAR(reach.top, body.top + body.height / 2.f + 40.f - 75.f - p.attackShape.getOutlineThickness(), 1e-3);
    Hold(sf::Keyboard::D);  // swinging blocks walking
    const float x = p.hitbox.getPosition().x;
    UpdatePlayer(kFrame, *game);
    EXPECT_EQ(p.hitbox.getPosition().x, x);
}

TEST_F(PlayerTest, SixSkinChangesComeBackToTheArmsSheet)
{
    std::vector<const sf::Texture*> seen;
    for (int i = 0; i < 6; i++) {
        CycleSkin(*game);
        seen.push_back(p.texture);
        EXPECT_EQ(p.sprite.getTextureRect(), sf::IntRect(0, 0, 209, 116));
    }
    EXPECT_EQ(p.skinIndex, 0);
    EXPECT_EQ(p.texture, p.armsTexture);
    std::sort(seen.begin(), seen.end());
    EXPECT_EQ(std::unique(seen.begin(), seen.end()), seen.end());
}

TEST_F(PlayerTest, AFrozenPlayerDoesNotMove)
{
    p.frozen = 1;
    Hold(sf::Keyboard::D);
    UpdatePlayer(kFrame, *game);
    EXPECT_EQ(p.hitbox.getPosition(), sf::Vector2f(645.f, 730.f));
}

}  // namespace

namespace {

// Slipping off either side of a propeller throws the player clear, away
// from it; a climb that holds goes up at its speed.
TEST_F(PlayerTest, AClimbRisesAndThrowsThePlayerOffEitherSide)
{
    GiveArms();
    PlaceShownBottom(500.f);
    p.climbing = 1;
    p.climbTime = p.climbDuration;
    const float x = p.hitbox.getPosition().x;
    p.climbMinX = x - 100.f;
    p.climbMaxX = x + 200.f;
    StepPlayerMovement(*game, kFrame);
    EXPECT_FLOAT_EQ(p.velocityY, -650.f);
    EXPECT_LT(p.climbTime, p.climbDuration);
    EXPECT_EQ(p.knockbackX, 0.f);

    p.climbMinX = x + 200.f;  // the propeller is now right of the body
    p.climbMaxX = x + 500.f;
    StepPlayerMovement(*game, kFrame);
    EXPECT_LE(p.climbTime, 0.f) << "the climb ends";
    EXPECT_LT(p.knockbackX, 0.f) << "thrown to the left, away from it";
    EXPECT_GT(p.knockbackY, 0.f) << "and up";

    p.knockbackX = p.knockbackY = 0.f;
    p.climbTime = p.climbDuration;
    p.climbMinX = x - 600.f;  // now left of the body
    p.climbMaxX = x - 300.f;
    StepPlayerMovement(*game, kFrame);
    EXPECT_LE(p.climbTime, 0.f) << "the climb ends";
    EXPECT_GT(p.knockbackX, 0.f) << "thrown to the right";
}

// The damage-upgrade notice fades out in under two seconds, then waits at
// full strength for the next time.
TEST_F(PlayerTest, TheUpgradeNoticeFadesAndRearms)
{
    p.upgradeFlash = 1;
    for (int frame = 0; frame < 60; ++frame)
        StepUpgradeFlash(*game, kFrame);
    EXPECT_NEAR(p.upgradeAlpha, 255.f - 140.f, 1.f);
    EXPECT_NEAR(p.upgradeSprite.getColor().a, 255 - 140 + 2, 3);
    EXPECT_EQ(p.upgradeFlash, 1);
    for (int frame = 0; frame < 60; ++frame)
        StepUpgradeFlash(*game, kFrame);
    EXPECT_EQ(p.upgradeFlash, 0);
    EXPECT_EQ(p.upgradeAlpha, 255.f);
    EXPECT_EQ(p.upgradeFlashTimer, 3.f);
    const float alpha = p.upgradeAlpha;
    StepUpgradeFlash(*game, kFrame);  // nothing more until the next flash
    EXPECT_EQ(p.upgradeAlpha, alpha);
}

}  // namespace
