// Attack 3: the big cook eats a hot pepper and breathes fire onto the floor
// in front of him; it burns for three seconds, then dies down.
#include "boss/boss_attacks.hpp"

#include "app/game.hpp"
#include "engine/sound_bank.hpp"

namespace {

using namespace boss_fire;

const sf::Color kFireFill{128, 0, 0, 128};

// In front of the cooks, and its box on the floor in the fire's far part.
// The box follows the fire as placed this frame (the fire's first frame
// would otherwise measure it where it was made, at the world's corner).
void PlaceFire(Boss& boss)
{
    FireAttack& fire = boss.fire;
    const sf::FloatRect b = boss.bossSprite.getGlobalBounds();
    const float y = b.top + b.height / 2.f - kRaiseY;
    const bool left = boss.facing == 0;
    fire.fireSprite.setPosition(left ? b.left + kInsetX : b.left + b.width - kInsetX, y);
    const sf::FloatRect f = fire.fireSprite.getGlobalBounds();
    const float third = f.width * kHitboxFromEdge;
    fire.fireHitbox.setPosition(left ? f.left + third : f.left + f.width - third, kHitboxY);
}

void Light(Boss& boss)
{
    FireAttack& fire = boss.fire;
    fire.fireLit = 1;
    StartStrip(fire.fireAnim, boss.facing == 0 ? kBurnLeft : kBurnRight, fire.fireAnim.frameRect);
    PlayExplosion();
}

}  // namespace

void StartFire(Boss& boss, Game& game)
{
    FireAttack& fire = boss.fire;
    SetupAttackSprite(fire.fireSprite, *boss.assets, kSheet, kScale);
    SetupShape(fire.fireHitbox, kHitbox, kFireFill);
    const bool left = FacesLeft(boss.bossSprite.getPosition().x, game);
    boss.facing = left ? 0 : 1;
    StartBossStrip(boss, BossRowOf(left ? BOSS_ROW_FIRE_LEFT : BOSS_ROW_FIRE_RIGHT).strip);
    StartStrip(fire.fireAnim, left ? kBurnLeft : kBurnRight, fire.fireSprite.getTextureRect());
    fire.fireLit = 0;
    fire.fireBurnTime = kBurnTime;
    fire.fireDelay = kDelay;
    fire.fireEndTimer = 0.f;
    fire.running = 1;
}

void StepFire(Boss& boss, float dt, Game&)
{
    FireAttack& fire = boss.fire;
    if (fire.fireLit == 0) {
        fire.fireDelay -= dt;
        if (fire.fireDelay < kLightAt)
            Light(boss);
    }
    if (fire.fireLit == 0)
        return;
    fire.fireBurnTime -= dt;
    StepAttackStrip(fire.fireAnim, fire.fireSprite, dt, *boss.assets, kSheet);
    PlaceFire(boss);
    if (fire.fireBurnTime >= 0.f)
        return;
    if (fire.fireEndTimer == 0.f)
        StartStrip(fire.fireAnim, boss.facing == 0 ? kDieLeft : kDieRight, fire.fireAnim.frameRect);
    if (fire.fireEndTimer >= fire.fireAnim.frameTime * static_cast<float>(fire.fireAnim.frameCount)) {
        FinishAttack(boss);
        return;
    }
    fire.fireEndTimer += dt;
}

void EndFire(Boss& boss)
{
    FireAttack& fire = boss.fire;
    if (fire.running == 0)
        return;
    fire.running = 0;
    fire.fireLit = 0;
    fire.fireBurnTime = fire.fireDelay = fire.fireEndTimer = 0.f;
}
