// The monkey archer: paces past the player and turns 300 px beyond, jumps
// the gaps ahead of its feet, and every 1.5 s draws its bow at the player.
// Its arm is the roster entry right after its body.
#include "enemies/enemies.hpp"

#include "app/game.hpp"
#include "enemies/enemy_common.hpp"
#include "engine/collision.hpp"
#include "engine/sound_bank.hpp"

#include <cmath>
#include <numbers>

namespace {

constexpr float kWalkSpeed = 400.f;
constexpr float kTurnBeyond = 300.f;   // it turns this far past the player
constexpr int kActiveFrames = 15;      // frames of its rows while it hunts
constexpr int kJumpFrames = 35;
constexpr int kJumpLoopStart = 12;
constexpr int kLandedFrames = 24;
constexpr float kJumpSpeed = -600.f;
constexpr float kBowWait = 1.5f;       // seconds between arrows
constexpr int kBowFrames = 21;
constexpr int kBowReleaseFrame = 9;    // the arrow leaves at this frame of the draw
const sf::Vector2f kProbeRight{200.f, 225.f};  // the probe against the body's top-left
const sf::Vector2f kProbeLeft{0.f, 225.f};

void FaceLeft(Enemy& body, Enemy& arm)
{
    arm.armOffset.x = kArcherArmOffsetLeftX;
    if (body.jumping == 1)
        return;
    arm.anim.row = ARM_ROW_AIM_LEFT;
    arm.sprite.setOrigin(kArcherArmPivotLeftX, kArcherArmPivotY);
    body.anim.loopStart = 0;
}

void FaceRight(Enemy& body, Enemy& arm)
{
    arm.armOffset.x = kArcherArmOffsetRightX;
    if (body.jumping == 1)
        return;
    arm.anim.row = ARM_ROW_AIM_RIGHT;
    arm.sprite.setOrigin(0.f, kArcherArmPivotY);
    body.anim.loopStart = 0;
}

// Left or right at full pace; it turns once it has walked 300 px past the
// player (or when the player stands near the level's left end).
float Pace(Enemy& body, Enemy& arm, const sf::FloatRect& archer, const sf::FloatRect& player, float dt)
{
    const bool nearLeftEnd = player.left - kTurnBeyond < 0.f;
    if (body.facingRight == 0) {
        body.anim.row = body.jumping == 1 ? ARCHER_ROW_AIR_LEFT : ARCHER_ROW_WALK_LEFT;
        FaceLeft(body, arm);
        const bool passed = body.jumping == 0 && archer.left + archer.width < player.left - kTurnBeyond;
        if (passed || nearLeftEnd)
            body.facingRight = 1;
        return -kWalkSpeed * dt;
    }
    body.anim.row = body.jumping == 1 ? ARCHER_ROW_AIR_RIGHT : ARCHER_ROW_WALK_RIGHT;
    FaceRight(body, arm);
    if (body.jumping == 0 && player.left + player.width + kTurnBeyond < archer.left)
        body.facingRight = 0;
    return kWalkSpeed * dt;
}

// The bow waits 1.5 s on its first frame, then draws; at frame 9 the arrow
// leaves from the arm's middle towards the player's body.
void DrawBow(Enemies& enemies, Enemy& body, Enemy& arm, const sf::FloatRect& player)
{
    if (body.actionTimer <= kBowWait) {
        arm.anim.timer = 0.f;
        return;
    }
    arm.anim.frameCount = kBowFrames;
    if (arm.anim.timer < static_cast<float>(kBowReleaseFrame) * arm.anim.frameTime)
        return;
    const sf::Vector2f from = Centre(arm.sprite.getGlobalBounds());
    AddShot(enemies, from, SHOT_ARROW, AimAtPlayer(from, player));
    PlayPistol();
    body.actionTimer = 0.f;
}

void Hunt(Enemies& enemies, Enemy& body, Enemy& arm, float dt, Game& game)
{
    const sf::FloatRect archer = body.sprite.getGlobalBounds();
    const sf::FloatRect player = PlayerBody(game);
    body.anim.frameCount = kActiveFrames;
    ArcherGroundProbe(body, game.level);
    body.actionTimer += dt;
    body.aggro = 1;
    const float moveX = Pace(body, arm, archer, player, dt);
    body.sprite.move(moveX, 0.f);
    // The arm turns about its shoulder; aiming left it is drawn turned over.
    const float aim = AimAtPlayer(arm.sprite.getPosition(), player) * 180.f / std::numbers::pi_v<float>;
    arm.sprite.setRotation(aim + (arm.anim.row == ARM_ROW_AIM_LEFT ? 180.f : 0.f));
    DrawBow(enemies, body, arm, player);
}

}  // namespace

// The probe under the front of the feet: no block under it while walking
// means a gap ahead, and the archer jumps; back on a block it lands.
void ArcherGroundProbe(Enemy& body, const Level& level)
{
    const sf::FloatRect archer = body.sprite.getGlobalBounds();
    const sf::Vector2f at = body.facingRight == 1 ? kProbeRight : kProbeLeft;
    body.checkGroundHb.setPosition(archer.left + at.x, archer.top + at.y);
    const sf::FloatRect probe = body.checkGroundHb.getGlobalBounds();
    bool grounded = false;
    for (const Obstacle& block : level.obstacles)
        if (IsBlock(block) && (RectsOverlap(probe, block.hitbox) || probe.top + probe.height > kEnemyGroundY))
            grounded = true;
    if (body.jumping == 0 && !grounded) {
        body.jumping = 1;
        body.velocityY = kJumpSpeed;
        body.anim.frameCount = kJumpFrames;
        body.anim.loopStart = kJumpLoopStart;
        body.anim.timer = 0.f;
    } else if (body.jumping == 1 && grounded) {
        body.jumping = 0;
        body.anim.frameCount = kLandedFrames;
        body.anim.loopStart = 0;
        body.anim.row = body.facingRight == 1 ? ARCHER_ROW_WALK_RIGHT : ARCHER_ROW_WALK_LEFT;
    }
}

void UpdateArcher(Enemies& enemies, int index, float dt, Game& game)
{
    if (index + 1 >= static_cast<int>(enemies.enemies.size()))
        return;  // never without its arm
    Enemy& body = enemies.enemies[static_cast<std::size_t>(index)];
    Enemy& arm = enemies.enemies[static_cast<std::size_t>(index) + 1];
    if (StepStun(body, dt))
        return;
    const sf::FloatRect archer = body.sprite.getGlobalBounds();
    if (PlayerDistance(PlayerBody(game), archer) < kArcherWakeDistance || body.aggro == 1)
        Hunt(enemies, body, arm, dt, game);
    AnimateEnemy(body, dt);
    AnimateEnemy(arm, dt);
}
