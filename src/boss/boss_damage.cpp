// The damage exchange: the boss and its attacks hurt the player's body; the
// player's spells and sword hurt the boss through the boss bar.
#include "boss/boss_attacks.hpp"

#include "app/game.hpp"
#include "enemies/enemy_common.hpp"
#include "engine/collision.hpp"

#include <cmath>

namespace {

// ---- The boss hurts the player ----------------------------------------------

void Hurt(Boss& boss, Game& game, int source)
{
    const BossHurt& hurt = BossHurtOf(source);
    ChangeHealth(game.hud, game.player, -hurt.damage);
    boss.hurtCooldown = hurt.cooldown;
}

// The running attack's hit areas; each carrot may hit in the same frame,
// the other areas at most once a frame.
void AttackHits(Boss& boss, Game& game, const sf::FloatRect& body)
{
    switch (boss.attackKind) {
    case BOSS_ATTACK_CAULDRON:
        if (boss.cauldron.cauldronMoving == 1 && RectsOverlap(boss.cauldron.cannonballHitbox.getGlobalBounds(), body))
            Hurt(boss, game, BOSS_HURT_CAULDRON);
        break;
    case BOSS_ATTACK_CARROTS:
        if (CarrotsFalling(boss.carrots))
            for (const sf::RectangleShape& carrot : boss.carrots.carrotHitboxes)
                if (RectsOverlap(carrot.getGlobalBounds(), body))
                    Hurt(boss, game, BOSS_HURT_CARROT);
        break;
    case BOSS_ATTACK_FIRE:
        if (boss.fire.fireLit == 1 && RectsOverlap(boss.fire.fireHitbox.getGlobalBounds(), body))
            Hurt(boss, game, BOSS_HURT_FIRE);
        break;
    case BOSS_ATTACK_SHOCK_WAVE:
        for (const sf::Sprite& wave : boss.wave.shockWaves)
            if (boss.wave.waveActive == 1 && boss.hurtCooldown <= 0.f && RectsOverlap(wave.getGlobalBounds(), body))
                Hurt(boss, game, BOSS_HURT_WAVE);
        break;
    case BOSS_ATTACK_FOOD:
        for (const sf::Sprite& piece : boss.food.foods)  // held or thrown
            if (boss.hurtCooldown <= 0.f && RectsOverlap(piece.getGlobalBounds(), body))
                Hurt(boss, game, BOSS_HURT_FOOD);
        break;
    case BOSS_ATTACK_MELEE:
        if (boss.melee.meleeActive == 1 && RectsOverlap(boss.melee.meleeHitbox.getGlobalBounds(), body))
            Hurt(boss, game, BOSS_HURT_MELEE);
        break;
    default: break;
    }
}

// ---- The spells hurt the boss -------------------------------------------------

void HitBoss(Game& game, int damage)
{
    ChangeBossHealth(game.hud, -damage, game.boss);
}

// The entry is used up on the boss.
bool RemoveAndHit(Game& game, int index, int damage)
{
    RemoveExplosion(game.bombs, index);
    HitBoss(game, damage);
    return true;
}

// Tentacles: a tick each second while they hold the boss, counted on from
// the spell's own ticks, and one more each frame from their last second.
void TentacleTicks(Game& game, Explosion& entry)
{
    for (int t = 0; t < kBossTickCount; ++t)
        if (entry.age >= static_cast<float>(t + 1) && entry.ticksDone == t + 1) {
            HitBoss(game, kBossTickTaken);
            entry.ticksDone += 1;
        }
    if (entry.age >= kBossLastTick)
        HitBoss(game, kBossTickTaken);
}

void LightningTicks(Game& game, Explosion& entry)
{
    for (int t = 0; t < kBossTickCount; ++t)
        if (entry.age >= static_cast<float>(t + 1) && entry.ticksDone == t) {
            HitBoss(game, kBossTickTaken);
            entry.ticksDone += 1;
        }
    if (entry.age >= kBossLastTick)
        HitBoss(game, kBossTickTaken);
}

// An imp flies at the boss's box, mirrored while it flies left (turning
// round about its own place, not its corner).
void ChaseBoss(Explosion& imp, const sf::FloatRect& box, float dt)
{
    const sf::FloatRect from = imp.sprite.getGlobalBounds();
    const sf::Vector2f towards{box.left - from.left, box.top - from.top};
    const float angle = std::hypot(towards.x, towards.y) < 100000.f ? std::atan2(towards.y, towards.x) : 0.f;
    sf::Vector2f move{std::cos(angle) * kBossImpSpeed * dt, std::sin(angle) * kBossImpSpeed * dt};
    const sf::Vector2f scale = imp.sprite.getScale();
    if (move.x < 0.f && imp.flipped == 0) {
        imp.sprite.setScale(-std::abs(scale.x), scale.y);
        imp.flipped = 1;
        move.x += from.width;
    } else if (move.x > 0.f && imp.flipped == 1) {
        imp.sprite.setScale(std::abs(scale.x), scale.y);
        imp.flipped = 0;
        move.x -= from.width;
    }
    imp.sprite.move(move);
}

// Entry `index` against the boss; true when it was used up (removed).
bool SpellHitsBoss(Game& game, int index, float dt)
{
    Explosion& entry = game.bombs.explosions[static_cast<std::size_t>(index)];
    const sf::FloatRect box = BossBounds(game.boss);
    const StripAnimation& anim = entry.anim;
    switch (entry.kind) {
    case SPELL_SWORD:
        return RectsOverlap(entry.sprite.getGlobalBounds(), box) && RemoveAndHit(game, index, kBossSwordTaken);
    case SPELL_XSWORD:
        if (anim.timer < anim.frameTime * static_cast<float>(anim.frameCount))
            return false;
        RemoveExplosion(game.bombs, index);
        return true;
    case SPELL_XSWORD_BLADE: {
        entry.age += dt;
        if (entry.age < kXSwordBladeWait)
            return false;
        if (RectsOverlap(entry.hitbox.getGlobalBounds(), box))
            return RemoveAndHit(game, index, kBossBladeTaken);
        const sf::Vector2f at = entry.hitbox.getPosition();
        if (std::hypot(at.x - entry.anchorX, at.y - entry.anchorY) >= kXSwordBladeEndDistance)
            return false;
        RemoveExplosion(game.bombs, index);
        return true;
    }
    case SPELL_ANVIL:
        return RectsOverlap(entry.sprite.getGlobalBounds(), box)
            && RemoveAndHit(game, index, static_cast<int>(kBossAnvilTaken + entry.anvilFall * kBossAnvilTakenPerFall));
    case SPELL_TENTACLES:
        if (RectsOverlap(entry.hitbox.getGlobalBounds(), box))
            TentacleTicks(game, entry);
        return false;
    case SPELL_FOUDRE:
        entry.age += dt;
        if (RectsOverlap(entry.hitbox.getGlobalBounds(), box))
            LightningTicks(game, entry);
        return false;
    case SPELL_MESPER:
        if (anim.frameCount == SpellFrames(SpellDetonation(SPELL_MESPER)))
            return false;  // the burst: its imps are not out yet
        ChaseBoss(entry, box, dt);
        return RectsOverlap(entry.sprite.getGlobalBounds(), box) && RemoveAndHit(game, index, kBossImpTaken);
    default:
        return false;
    }
}

}  // namespace

void BossHurtsPlayer(Boss& boss, float dt, Game& game)
{
    boss.hurtCooldown -= dt;
    const sf::FloatRect body = PlayerBody(game);
    if (boss.hurtCooldown <= 0.f && RectsOverlap(BossBounds(boss), body))
        Hurt(boss, game, BOSS_HURT_CONTACT);
    if (boss.bossState == BOSS_ATTACK && boss.hurtCooldown <= 0.f)
        AttackHits(boss, game, body);
}

// Every entry in list order. A removal moves the later entries down and
// shortens the list: the count is read again, and the entry that took the
// removed one's place is handled next, once.
void SpellsHitBoss(Boss&, float dt, Game& game)
{
    for (int i = 0; i < static_cast<int>(game.bombs.explosions.size());)
        if (!SpellHitsBoss(game, i, dt))
            ++i;
    game.bombs.explosionCount = static_cast<int>(game.bombs.explosions.size());
}

// A flat strike of the combo, once per armed swing.
void MeleeHitsBoss(Boss& boss, Game& game)
{
    Player& player = game.player;
    if (player.hitArmed != 1 || !RectsOverlap(BossBounds(boss), player.attackShape.getGlobalBounds()))
        return;
    ChangeBossHealth(game.hud, -kBossMeleeTaken, boss);
    player.hitArmed = 0;
}
