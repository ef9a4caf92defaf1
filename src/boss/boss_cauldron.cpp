// Attack 0: the big cook takes the cauldron off his back and bowls it along
// the floor; it spins, bounces off the arena's sides, slows to a stop, and
// the cooks waddle over to fetch it.
#include "boss/boss_attacks.hpp"

#include "app/game.hpp"
#include "engine/sound_bank.hpp"

namespace {

using namespace boss_cauldron;

const sf::Color kCauldronFill{0, 0, 255, 128};

void Throw(Boss& boss)
{
    CauldronAttack& cauldron = boss.cauldron;
    const sf::FloatRect box = BossBounds(boss);
    const bool left = boss.facing == 0;
    cauldron.cauldronSprite.setPosition(left ? box.left : box.left + box.width, LaunchY());
    const sf::Vector2f at = cauldron.cauldronSprite.getPosition();
    cauldron.cannonballHitbox.setPosition(at.x + kHitboxOffsetX, at.y);
    cauldron.cauldronVelocity = {left ? -kThrowSpeed : kThrowSpeed, 0.f};
    StartStrip(cauldron.cauldronAnim, left ? kSpinLeft : kSpinRight, cauldron.cauldronAnim.frameRect);
    cauldron.cauldronLaunched = 1;
    cauldron.cauldronMoving = 1;
    PlayBumper();
}

// Friction, and the spin turning into the stop once slow enough.
void SlowDown(CauldronAttack& cauldron, float dt)
{
    float& vx = cauldron.cauldronVelocity.x;
    if (vx > 0.f)
        vx -= kSlowing * dt;
    if (vx < 0.f)
        vx += kSlowing * dt;
    if (vx > -kRestSpeed && vx < kRestSpeed) {
        vx = 0.f;
        cauldron.cauldronMoving = 0;
    }
    if (cauldron.stopping == 0 && vx > -kStoppingSpeed && vx < kStoppingSpeed) {
        cauldron.stopping = 1;
        const bool spunLeft = cauldron.cauldronAnim.row == kSpinLeft.row;
        StartStrip(cauldron.cauldronAnim, spunLeft ? kStopLeft : kStopRight, cauldron.cauldronAnim.frameRect);
    }
}

// Rolls on; it bounces off either side of the arena, always back inwards:
// thrown against a side from the cooks' hands it starts partly past it,
// and turning it round every frame would hold it there, out of reach.
void Roll(Boss& boss, float dt)
{
    CauldronAttack& cauldron = boss.cauldron;
    cauldron.cauldronSprite.move(cauldron.cauldronVelocity * dt);
    const sf::Vector2f at = cauldron.cauldronSprite.getPosition();
    cauldron.cannonballHitbox.setPosition(at.x + kHitboxOffsetX, at.y);
    const sf::FloatRect box = cauldron.cannonballHitbox.getGlobalBounds();
    float& vx = cauldron.cauldronVelocity.x;
    const float step = vx * dt;
    const bool outLeft = box.left + step < kBossArenaLeft && vx < 0.f;
    const bool outRight = box.left + box.width + step > kBossArenaRight && vx > 0.f;
    if (outLeft || outRight) {
        vx = -vx;
        PlayBumper();
    }
    StepAttackStrip(cauldron.cauldronAnim, cauldron.cauldronSprite, dt, *boss.assets, kSheet);
}

// Once it lies still the cooks walk over to it; close enough, it is theirs
// again. A cauldron resting against a side is reached once the cooks stand
// against that side (they can come no closer).
void Fetch(Boss& boss, float dt)
{
    CauldronAttack& cauldron = boss.cauldron;
    const float bossX = boss.bossHitbox.getPosition().x;
    const float potX = cauldron.cannonballHitbox.getPosition().x;
    const bool left = bossX > potX;
    if (cauldron.bossFetching == 0) {
        cauldron.bossFetching = 1;
        StartBossStrip(boss, BossRowOf(left ? BOSS_ROW_FETCH_LEFT : BOSS_ROW_FETCH_RIGHT).strip);
    }
    boss.bossSprite.move(left ? -kFetchSpeed * dt : kFetchSpeed * dt, 0.f);
    const sf::FloatRect box = BossBounds(boss);
    const bool againstSide = left ? box.left <= kBossArenaLeft : box.left + box.width >= kBossArenaRight;
    if ((bossX > potX - kFetchReach && bossX < potX + kFetchReach) || againstSide)
        FinishAttack(boss);
}

}  // namespace

void StartCauldron(Boss& boss, Game& game)
{
    CauldronAttack& cauldron = boss.cauldron;
    SetupAttackSprite(cauldron.cauldronSprite, *boss.assets, kSheet, kScale);
    SetupShape(cauldron.cannonballHitbox, kHitbox, kCauldronFill);
    const bool left = FacesLeft(boss.bossSprite.getPosition().x, game);
    boss.facing = left ? 0 : 1;
    StartBossStrip(boss, BossRowOf(left ? BOSS_ROW_CAULDRON_LEFT : BOSS_ROW_CAULDRON_RIGHT).strip);
    StartStrip(cauldron.cauldronAnim, left ? kSpinLeft : kSpinRight, cauldron.cauldronSprite.getTextureRect());
    cauldron.cauldronLaunched = cauldron.cauldronMoving = cauldron.bossFetching = cauldron.stopping = 0;
    cauldron.cauldronVelocity = {};
    cauldron.cauldronDelay = kThrowDelay;
    cauldron.running = 1;
}

void StepCauldron(Boss& boss, float dt, Game&)
{
    CauldronAttack& cauldron = boss.cauldron;
    if (cauldron.cauldronLaunched == 0) {
        cauldron.cauldronDelay -= dt;
        boss.velocity = {};
        if (cauldron.cauldronDelay <= 0.f)
            Throw(boss);
        return;
    }
    SlowDown(cauldron, dt);
    Roll(boss, dt);
    if (cauldron.cauldronMoving == 0)
        Fetch(boss, dt);
}

void EndCauldron(Boss& boss)
{
    CauldronAttack& cauldron = boss.cauldron;
    if (cauldron.running == 0)
        return;
    cauldron.running = 0;
    cauldron.cauldronVelocity = {};
    cauldron.cauldronLaunched = cauldron.cauldronMoving = cauldron.bossFetching = cauldron.stopping = 0;
}
