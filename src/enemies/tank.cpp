// The armoured tank: walks at the player, raises its shield against a bomb
// that comes near (and crushes one right in front of it), and charges a
// player who comes within reach: 1.5 s of wind-up, then 1 s at full speed.
#include "enemies/enemies.hpp"

#include "app/game.hpp"
#include "enemies/enemy_common.hpp"
#include "engine/collision.hpp"

namespace {

constexpr float kWalkSpeed = 75.f;
constexpr float kChargeSpeed = 800.f;
constexpr float kWindUp = 1.5f;
constexpr float kChargeEnd = 2.5f;
constexpr int kChargeDamage = 20;
constexpr int kIdleFrames = 48;
constexpr int kWalkFrames = 29;
constexpr int kShieldFrames = 29;
constexpr int kShieldUpFrame = 14;     // the shield is up from this frame on
constexpr int kChargeFrames = 34;
constexpr int kChargeLoopStart = 30;
constexpr float kReach = 150.f;        // the player within this of its front starts a charge
constexpr float kBombSight = 600.f;    // a square this size ahead (and 200 up) raises the shield
constexpr float kBombSightRise = 200.f;
constexpr float kCrushWidth = 100.f;   // a bomb in this box before it is destroyed
constexpr float kCrushHeight = 200.f;
constexpr float kCrushRise = 100.f;

// Towards the player (dir -1 left, +1 right): the shield against a bomb in
// sight, else a walk; a player within reach starts a charge. The x motion
// of the step.
float Advance(Enemy& tank, const sf::FloatRect& box, const sf::FloatRect& player, int dir, Bombs& bombs, float dt)
{
    const bool left = dir < 0;
    const sf::FloatRect reach{left ? box.left - kReach : box.left + kReach, box.top, kReach, box.height};
    const sf::FloatRect sight{left ? box.left - kBombSight + box.width / 2.f : box.left + box.width / 2.f,
                              box.top - kBombSightRise, kBombSight, kBombSight};
    float moveX = 0.f;
    StripAnimation& anim = tank.anim;
    if (bombs.bombActive == 0 || !RectsOverlap(sight, bombs.bombHb.getGlobalBounds())) {
        anim.row = left ? TANK_ROW_WALK_LEFT : TANK_ROW_WALK_RIGHT;
        anim.frameCount = kWalkFrames;
        anim.loopStart = 0;
        moveX = static_cast<float>(dir) * kWalkSpeed * dt;
    } else {
        const int shieldRow = left ? TANK_ROW_SHIELD_LEFT : TANK_ROW_SHIELD_RIGHT;
        if (anim.row != shieldRow)
            anim.timer = kShieldUpFrame * anim.frameTime;
        anim.row = shieldRow;
        anim.frameCount = kShieldFrames;
        anim.loopStart = kShieldUpFrame;
        const sf::FloatRect crush{left ? box.left - kCrushWidth : box.left + kCrushWidth, box.top - kCrushRise,
                                  kCrushWidth, kCrushHeight};
        if (RectsOverlap(crush, bombs.bombHb.getGlobalBounds()))
            bombs.bombActive = 0;
    }
    if (RectsOverlap(reach, player)) {
        anim.row = left ? TANK_ROW_CHARGE_LEFT : TANK_ROW_CHARGE_RIGHT;
        anim.frameCount = kChargeFrames;
        anim.loopStart = kChargeLoopStart;
        anim.looping = 1;
        anim.timer = 0.f;
        tank.chargeDir = left ? 0 : 1;
    }
    return moveX;
}

// A charge runs its course whatever the player does, and hurts at most once.
void Charge(Enemy& tank, const sf::FloatRect& box, float dt, Game& game, float& moveX)
{
    tank.actionTimer += dt;
    if (tank.actionTimer > kWindUp) {
        moveX = (tank.chargeDir == 0 ? -kChargeSpeed : kChargeSpeed) * dt;
        if (tank.chargeHit == 0 && RectsOverlap(box, PlayerBody(game))) {
            ChangeHealth(game.hud, game.player, -kChargeDamage);
            tank.chargeHit = 1;
        }
    }
    if (tank.actionTimer > kChargeEnd) {
        tank.actionTimer = 0.f;
        tank.chargeDir = -1;
        tank.chargeHit = 0;
        tank.anim.timer = 0.f;
    }
}

void Hunt(Enemy& tank, const sf::FloatRect& box, const sf::FloatRect& player, float dt, Game& game)
{
    tank.aggro = 1;
    float moveX = 0.f;
    const bool playerLeft = player.left < box.left || box.top + box.height < player.top;
    if (playerLeft && tank.chargeDir == -1)
        moveX = Advance(tank, box, player, -1, game.bombs, dt);
    else if (box.left < player.left && tank.chargeDir == -1)
        moveX = Advance(tank, box, player, 1, game.bombs, dt);
    if (tank.chargeDir != -1)
        Charge(tank, box, dt, game, moveX);
    tank.hitbox.move(moveX, 0.f);
}

}  // namespace

void UpdateTank(Enemies& enemies, int index, float dt, Game& game)
{
    Enemy& tank = enemies.enemies[static_cast<std::size_t>(index)];
    if (StepStun(tank, dt))
        return;
    const sf::FloatRect box = tank.hitbox.getGlobalBounds();
    const sf::FloatRect player = PlayerBody(game);
    const bool playerAbove = box.top > player.top + player.height;
    if (playerAbove && game.player.airborne == 0 && tank.anim.loopStart != kChargeLoopStart) {
        // Out of reach on a ledge above: it waits, facing the player.
        tank.anim.loopStart = 0;
        tank.anim.frameCount = kIdleFrames;
        tank.anim.row = box.left <= player.left ? TANK_ROW_IDLE_RIGHT : TANK_ROW_IDLE_LEFT;
    } else if (PlayerDistance(player, box) < kTankWakeDistance || tank.aggro == 1) {
        Hunt(tank, box, player, dt, game);
    }
    tank.sprite.setPosition(box.left + kTankSpriteX, box.top + kTankSpriteY);
    AnimateEnemy(tank, dt);
}
