// Drawing the boss and what its running attack shows, the debug outlines,
// and the names the run report gives them.
#include "boss/boss_attacks.hpp"
#include "engine/collision.hpp"

namespace {

const sf::Color kBodyOutline{220, 20, 60};     // crimson
const sf::Color kAttackOutline{255, 105, 180}; // pink
const sf::Color kWaveOutline{0, 200, 170};     // teal

void DrawCarrots(const CarrotAttack& carrots, sf::RenderTarget& window)
{
    if (carrots.carrotLaunched == 1 && carrots.launchTimer <= 0.f)
        window.draw(carrots.carrotSprite);  // on its way up
    if (!CarrotsRaining(carrots))
        return;
    for (std::size_t i = 0; i < carrots.fallCarrots.size(); ++i) {
        window.draw(carrots.fallCarrots[i]);
        window.draw(carrots.warnings[i]);
    }
}

}  // namespace

void DrawBoss(const Boss& boss, sf::RenderTarget& window)
{
    window.draw(boss.bossSprite);
    switch (boss.attackKind) {
    case BOSS_ATTACK_CAULDRON:
        if (boss.cauldron.running == 1 && boss.cauldron.cauldronLaunched == 1)
            window.draw(boss.cauldron.cauldronSprite);
        break;
    case BOSS_ATTACK_CARROTS:
        if (boss.carrots.running == 1)
            DrawCarrots(boss.carrots, window);
        break;
    case BOSS_ATTACK_FIRE:
        if (boss.fire.running == 1 && boss.fire.fireLit == 1)
            window.draw(boss.fire.fireSprite);
        break;
    case BOSS_ATTACK_SHOCK_WAVE:
        if (boss.wave.running == 1 && boss.wave.waveActive == 1)
            for (const sf::Sprite& wave : boss.wave.shockWaves)
                window.draw(wave);
        break;
    case BOSS_ATTACK_FOOD:
        for (int i = 0; boss.food.running == 1 && i < boss.food.foodThrown; ++i)
            window.draw(boss.food.foods[static_cast<std::size_t>(i)]);
        break;
    default: break;
    }
}

void DrawBossHitboxes(const Boss& boss, sf::RenderTarget& window)
{
    OutlineBox(window, BossBounds(boss), kBodyOutline);
    if (boss.bossActive != 1)
        return;
    if (boss.cauldron.cauldronMoving == 1)
        OutlineBox(window, boss.cauldron.cannonballHitbox.getGlobalBounds(), kAttackOutline);
    if (CarrotsFalling(boss.carrots))
        for (const sf::RectangleShape& carrot : boss.carrots.carrotHitboxes)
            OutlineBox(window, carrot.getGlobalBounds(), kAttackOutline);
    if (boss.fire.fireLit == 1)
        OutlineBox(window, boss.fire.fireHitbox.getGlobalBounds(), kAttackOutline);
    if (boss.wave.waveActive == 1)
        for (const sf::Sprite& wave : boss.wave.shockWaves)
            OutlineBox(window, wave.getGlobalBounds(), kWaveOutline);
    for (const sf::Sprite& piece : boss.food.foods)
        OutlineBox(window, piece.getGlobalBounds(), kAttackOutline);
    if (boss.melee.running == 1)  // drawn before the blow lands too, where it will land
        OutlineBox(window, boss.melee.meleeHitbox.getGlobalBounds(), kAttackOutline);
}

const char* BossStateName(const Boss& boss)
{
    if (boss.bossActive != 1)
        return boss.deathStarted == 1 ? "dead" : "off";
    return boss.bossState == BOSS_ATTACK ? "attack" : "walk";
}

const char* BossAttackName(const Boss& boss)
{
    if (boss.bossActive != 1 || boss.bossState != BOSS_ATTACK)
        return "none";
    return AttackName(boss.attackKind);
}

const char* AttackName(int attack)
{
    switch (attack) {
    case BOSS_ATTACK_CAULDRON: return "cauldron";
    case BOSS_ATTACK_CARROTS: return "carrots";
    case BOSS_ATTACK_FIRE: return "fire";
    case BOSS_ATTACK_SHOCK_WAVE: return "shock wave";
    case BOSS_ATTACK_FOOD: return "food";
    case BOSS_ATTACK_MELEE: return "melee";
    default: return "none";
    }
}
