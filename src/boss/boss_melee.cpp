// Attack 6: the big cook winds up his cleaver and brings it down in front
// of him; the blow lands halfway through the swing.
#include "boss/boss_attacks.hpp"

#include "app/game.hpp"
#include "engine/sound_bank.hpp"

namespace {

using namespace boss_melee;

const sf::Color kMeleeFill{0, 255, 0, 128};

}  // namespace

void StartMelee(Boss& boss, Game& game)
{
    MeleeAttack& melee = boss.melee;
    const bool left = FacesLeft(boss.bossSprite.getPosition().x, game);
    boss.facing = left ? 0 : 1;
    StartBossStrip(boss, BossRowOf(left ? BOSS_ROW_MELEE_LEFT : BOSS_ROW_MELEE_RIGHT).strip);
    SetupShape(melee.meleeHitbox, kHitbox, kMeleeFill);
    // Beside the box's front edge, at its middle: placed once, the cooks stand still.
    const sf::FloatRect b = BossBounds(boss);
    const float y = b.top + b.height / 2.f;
    melee.meleeHitbox.setPosition(left ? b.left - kHitbox.width / 2.f : b.left + b.width + kHitbox.width / 2.f, y);
    melee.meleeTimer = kTime;
    melee.meleeActive = 0;
    melee.running = 1;
}

void StepMelee(Boss& boss, float dt, Game&)
{
    MeleeAttack& melee = boss.melee;
    melee.meleeTimer -= dt;
    if (melee.meleeTimer <= kLiveAt && melee.meleeActive == 0) {
        melee.meleeActive = 1;
        PlaySwordCenter();
    }
    if (melee.meleeTimer <= 0.f)
        FinishAttack(boss);
}

void EndMelee(Boss& boss)
{
    MeleeAttack& melee = boss.melee;
    if (melee.running == 0)
        return;
    melee.running = 0;
    melee.meleeActive = 0;
    melee.meleeTimer = 0.f;
}
