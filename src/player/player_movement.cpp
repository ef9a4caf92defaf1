// One frame of the player: dash, upgrade notice, swings, walking, jumping,
// the floor line, climbing, diving, knockback and the slam, then the
// display sprite anchored on the hitbox.
#include "player/player.hpp"

#include "app/game.hpp"
#include "combat/bombs.hpp"
#include "engine/input.hpp"
#include "engine/layout_table.hpp"
#include "world/obstacles.hpp"

#include <algorithm>
#include <cmath>
#include <cstdio>

namespace {


constexpr float kDashSpeed = 3200.f;
constexpr float kDashFallSpeed = 500.f;
constexpr float kWalkSpeed = 1000.f;
constexpr float kAirWalkSpeed = kWalkSpeed * 2.f / 3.f;
constexpr float kJumpSpeed = -2000.f;
constexpr float kSecondJumpGate = -250.f;  // the rise must have slowed to this
constexpr float kCinematicFloor = 870.f;
constexpr float kFloor = 800.f;
constexpr float kFloorSnapX = 1.f;
constexpr float kFloorSnapY = -10.f;
constexpr float kDiveCeiling = 670.f;      // a dive starts only above this
constexpr float kClimbSpeed = -650.f;
constexpr float kThrowOffX = 1400.f;
constexpr float kThrowOffY = 800.f;
constexpr float kKnockbackDecayX = 0.94f;  // per frame, not per second
constexpr float kKnockbackDecayY = 0.98f;
constexpr float kSlamGravity = 1200.f;
constexpr float kFadeSpeed = 140.f;
constexpr float kNoticeTime = 3.f;
constexpr float kNoticeAlpha = 255.f;

bool KeyDown(const Game& game, int action)
{
    return game.input && IsActionDown(*game.input, action);
}

int Row(int row)
{
    return std::clamp(row, 0, PLAYER_ROW_COUNT - 1);
}

// The jump rows follow the jumps left: rows 4/5 rise from the first jump,
// 6/7 from the second. Holding a propeller spends a jump every frame, so
// the count can fall far below 0: that still rises as the last jump, not
// as whatever row lies further down the sheet.
int RisingRow(const Player& player, bool left)
{
    return Row((left ? 7 : 6) - 2 * std::max(player.jumpsLeft, 0));
}

int FallingRow(const Player& player)
{
    return player.facing == 1 ? ROW_FALL_LEFT : ROW_FALL_RIGHT;
}

int IdleRow(const Player& player)
{
    return player.facing != 0 ? ROW_IDLE_LEFT : ROW_IDLE_RIGHT;
}

void MoveHitbox(Player& player, float x, float y)
{
    player.hitbox.move(x, y);
}

// A dash's step is longer than half the body: one step could carry it so
// deep into a wall that the push-out would take the short way out, under
// or over the wall. Such a step is taken in parts, each pushed out.
void MoveAcross(Game& game, float dx)
{
    Player& p = game.player;
    const float part = p.hitbox.getGlobalBounds().width / 2.f;
    const int parts = part > 0.f ? static_cast<int>(std::ceil(std::abs(dx) / part)) : 1;
    if (parts <= 1) {
        MoveHitbox(p, dx, 0.f);
        return;
    }
    for (int i = 0; i < parts; i++) {
        MoveHitbox(p, dx / static_cast<float>(parts), 0.f);
        PushPlayerOutOfWalls(game.level, p);
    }
}

}  // namespace

void StepPlayerDash(Game& game, float dt)
{
    Player& p = game.player;
    if (KeyDown(game, ACTION_DASH) && p.moveState != STATE_DASH && p.dashReady == 1) {
        p.lastKey = ActionKey(ACTION_DASH);
        p.dashReady = 0;
        p.velocityY = kDashFallSpeed;
        p.moveState = STATE_DASH;
        p.dashTime = 0.f;
    }
    if (p.dashTime <= p.dashDuration && p.moveState == STATE_DASH) {
        // A left dash takes two steps a frame, so it covers the same ground in half the time.
        if (p.facing == 1) {
            MoveAcross(game, -kDashSpeed * dt);
            p.dashTime += dt;
        }
        if (p.dashTime <= p.dashDuration) {
            MoveAcross(game, (p.facing == 0 ? kDashSpeed : -kDashSpeed) * dt);
            p.velocityY = 0.f;
            p.dashTime += dt;
        }
    }
    if (p.dashTime >= p.dashDuration && p.moveState == STATE_DASH) {
        p.moveState = STATE_FALL;
        p.velocityY = kDashFallSpeed;
        p.currentAnim = IdleRow(p);
        p.dashTime = 0.f;
        p.dashCooldownTimer = 0.f;
    }
    if (p.dashReady == 0 && p.dashCooldown >= p.dashCooldownTimer)
        p.dashCooldownTimer += dt;
    if (p.dashCooldownTimer >= p.dashCooldown && p.dashReady == 0) {
        p.dashReady = 1;
        p.dashCooldownTimer = 0.f;
    }
}

void StepUpgradeFlash(Game& game, float dt)
{
    Player& p = game.player;
    if (p.upgradeFlash != 1 && !KeyDown(game, ACTION_REPLAY_NOTICE))
        return;
    p.upgradeFlashTimer -= dt;
    if (p.upgradeFlashTimer >= 0.f) {
        sf::Color colour = sf::Color::White;
        colour.a = static_cast<sf::Uint8>(std::clamp(static_cast<int>(p.upgradeAlpha), 0, 255));
        p.upgradeSprite.setColor(colour);
        p.upgradeAlpha -= kFadeSpeed * dt;
    }
    if (p.upgradeAlpha <= 0.f) {
        p.upgradeFlash = 0;
        p.upgradeFlashTimer = kNoticeTime;
        p.upgradeAlpha = kNoticeAlpha;
    }
}

namespace {

// The reach of this combo step, on the side the player aims at.
void PlaceSwing(Player& p)
{
    const sf::FloatRect body = p.hitbox.getGlobalBounds();
    const bool right = p.aimRight == 1;
    const BodyRect reach = SwingReach(p.comboStep, right, body.width, body.height);
    p.facing = right ? 0 : 1;
    p.attackShape.setSize({reach.width, reach.height});
    p.attackShape.setPosition(body.left + reach.left, body.top + reach.top);
    p.currentAnim = (right ? ROW_SWING_RIGHT : ROW_SWING_LEFT) + p.comboStep;
}

void EndSwing(Player& p)
{
    p.attacking = 0;
    p.attackShape.setPosition(0.f, 0.f);
    p.attackTimer = 0.f;
    // The last swing's row outlasts the swing: cut short by the timer, it
    // would restart forever under a held button instead of closing the chain.
    if (p.comboStep == kComboSteps - 1 && ShownAnimation(p).currentFrame > 0)
        p.comboStep = 0;
    p.currentAnim = IdleRow(p);
}

}  // namespace

void StepPlayerAttack(Game& game, float dt, sf::Vector2i mouse)
{
    Player& p = game.player;
    const sf::Vector2f shown = p.sprite.getPosition();
    std::printf("%f %f\n", shown.x, shown.y);
    if (p.attacking == 0)
        p.aimRight = mouse.x < kScreenHalfWidth ? 0 : 1;
    if (KeyDown(game, ACTION_SWING)) {
        p.moveX = 0.f;
        p.attacking = 1;
        PlaceSwing(p);
        p.moveState = STATE_SWING;
        p.velocityY /= 2.f;  // every held frame: a swing slows a fall
    } else {
        p.comboStep = 0;
    }
    MeleeStrike(game.enemies, p, game.hud, game.hub);
    if (p.attacking == 1)
        p.attackTimer += dt;
    // Not only while swinging: a row's loop sets the timer to the swing's
    // length, and this puts the reach away and the timer back to 0 before
    // the next swing starts.
    if (p.attackTimer >= p.attackDuration)
        EndSwing(p);
}

namespace {

void Walk(Game& game, float dt, int direction)
{
    Player& p = game.player;
    const float speed = p.airborne == 1 ? kAirWalkSpeed : kWalkSpeed;
    p.lastKey = ActionKey(direction > 0 ? ACTION_WALK_RIGHT : ACTION_WALK_LEFT);
    p.facing = direction > 0 ? 0 : 1;
    p.aimRight = direction > 0 ? 1 : 0;
    p.currentAnim = direction > 0 ? ROW_RUN_RIGHT : ROW_RUN_LEFT;
    p.moveState = STATE_RUN;
    p.moveX += direction * speed * dt;
    if (p.cinematicState != CINEMATIC_PLAYING)
        MoveHitbox(p, direction * speed * dt, 0.f);
}

// D is read first, so it wins when both keys are held.
void WalkOrIdle(Game& game, float dt)
{
    Player& p = game.player;
    if (KeyDown(game, ACTION_WALK_RIGHT) && p.moveState != STATE_SWING) {
        Walk(game, dt, 1);
    } else if (KeyDown(game, ACTION_WALK_LEFT) && p.moveState != STATE_SWING) {
        Walk(game, dt, -1);
    } else if (p.attacking == 0) {
        if (p.facing == 0)
            p.currentAnim = p.diving ? ROW_FALL_RIGHT : ROW_IDLE_RIGHT;
        else
            p.currentAnim = p.diving ? ROW_FALL_LEFT : ROW_IDLE_LEFT;
        p.moveState = STATE_IDLE;
    }
}

// Space is polled: held, it fires the second jump as soon as the rise has
// slowed enough. Without arms the player only jumps from the ground.
void Jump(Game& game)
{
    Player& p = game.player;
    if (!KeyDown(game, ACTION_JUMP) || p.jumpsLeft < 1 || p.velocityY < kSecondJumpGate)
        return;
    if (p.hasArms != 1 && p.airborne != 0)
        return;
    p.velocityY = kJumpSpeed;
    p.airborne = 1;
    p.moveState = STATE_JUMP;
    p.jumpsLeft--;
    if (p.hasArms == 1)
        p.currentAnim = RisingRow(p, p.facing == 1);
    else
        p.currentAnim = p.facing == 1 ? ROW_RUN_LEFT : ROW_RUN_RIGHT;
}

void LandOnFloor(Game& game, const sf::FloatRect& shown)
{
    Player& p = game.player;
    const float floor = p.cinematicState == CINEMATIC_PLAYING ? kCinematicFloor : kFloor;
    if (shown.top + shown.height < floor)
        return;
    p.moveX += kFloorSnapX;
    p.knockbackY = 0.f;
    p.moveState = STATE_RUN;
    p.jumpsLeft = 2;
    MoveHitbox(p, kFloorSnapX, kFloorSnapY);
    p.airborne = 0;
    p.diving = 0;
    p.slamming = 0;
    p.velocityY = 0.f;
}

void Climb(Player& p, float dt)
{
    if (p.climbing != 1 || p.climbTime <= 0.f)
        return;
    const sf::FloatRect body = p.hitbox.getGlobalBounds();
    // Slipping off either side of the propeller throws the player clear.
    if (p.climbMinX > body.left + body.width) {
        p.climbTime = 0.f;
        p.knockbackX = -kThrowOffX;
        p.knockbackY = kThrowOffY;
    }
    if (body.left > p.climbMaxX) {
        p.climbTime = 0.f;
        p.knockbackX = kThrowOffX;
        p.knockbackY = kThrowOffY;
    }
    p.currentAnim = FallingRow(p);
    p.velocityY = kClimbSpeed;
    p.climbTime -= dt;
}

void Dive(Game& game, const sf::FloatRect& shown)
{
    Player& p = game.player;
    if (!KeyDown(game, ACTION_DIVE) || game.hub.inHub == 1 || shown.top + shown.height >= kDiveCeiling)
        return;
    p.diving = 1;
    p.currentAnim = p.velocityY <= 0.f ? RisingRow(p, p.facing == 1) : FallingRow(p);
    p.moveState = STATE_FALL;
    p.slamming = 1;  // one-way platforms let a slam through
}

void Knockback(Player& p, float dt)
{
    if (p.knockbackX == 0.f && p.knockbackY == 0.f)
        return;
    MoveHitbox(p, p.knockbackX * dt, -p.knockbackY * dt);
    p.knockbackX *= kKnockbackDecayX;
    p.knockbackY *= kKnockbackDecayY;
}

void Slam(Player& p, float dt)
{
    if (p.slamming != 1)
        return;
    p.slamTime += dt;
    p.velocityY += kSlamGravity * dt;
    if (p.slamTime >= p.slamDuration) {
        p.slamming = 0;
        p.slamTime = 0.f;
    }
}

void AirbornePose(Player& p)
{
    if (p.airborne != 1)
        return;
    if (p.velocityY <= 0.f)
        p.currentAnim = RisingRow(p, p.facing == 1 && p.climbing != 1);
    else
        p.currentAnim = FallingRow(p);
}

void AnchorDisplay(Player& p)
{
    const sf::FloatRect body = p.hitbox.getGlobalBounds();
    p.sprite.setPosition(body.left - kDisplayOffsetX, body.top - kDisplayOffsetY);
    p.hitbox.setPosition(body.left, body.top);
}

}  // namespace

void StepPlayerMovement(Game& game, float dt)
{
    Player& p = game.player;
    const sf::FloatRect shown = p.sprite.getGlobalBounds();  // before this frame's motion
    p.moveX = 0.f;
    if (p.moveState != STATE_DASH && p.armsSequence != 1) {
        WalkOrIdle(game, dt);
        Jump(game);
        LandOnFloor(game, shown);
    }
    if (p.forcedPose == 1 || KeyDown(game, ACTION_SPECIAL_POSE))
        p.currentAnim = ROW_SPECIAL;
    Climb(p, dt);
    Dive(game, shown);
    Knockback(p, dt);
    Slam(p, dt);
    AirbornePose(p);
    if (p.cinematicState != CINEMATIC_PLAYING)
        MoveHitbox(p, p.moveX * dt, p.velocityY * dt);
    AnchorDisplay(p);
}

void UpdatePlayer(float dt, Game& game)
{
    Player& p = game.player;
    if (p.frozen != 0)
        return;
    const sf::Vector2i mouse = game.input ? MousePosition(*game.input) : sf::Vector2i{};
    StepPlayerAnimations(game, dt);
    StepPlayerDash(game, dt);
    StepUpgradeFlash(game, dt);
    if (p.hasArms == 1)
        StepPlayerAttack(game, dt, mouse);
    StepPlayerMovement(game, dt);
}
