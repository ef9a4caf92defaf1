// The player's sword against the enemy roster.
#include "combat/bombs.hpp"

#include "enemies/enemies.hpp"
#include "enemies/enemy_common.hpp"
#include "engine/collision.hpp"
#include "hub/hub.hpp"
#include "player/player.hpp"
#include "ui/hud.hpp"

namespace {

constexpr float kBaseDamage = 20.f;      // times the player's damage factor
constexpr float kDamagePerPotion = 20.f;
constexpr float kManaKick = 2.5f;        // mana gained per strike: its whole part, then 5 more
constexpr int kManaPerStrike = 5;

// The first enemy the reach touches; while a training dummy stands, only
// it can be struck (measured by the last dummy's picture). -1 for none.
int FirstStruck(const Enemies& enemies, const sf::FloatRect& reach)
{
    const int dummy = LastDummyIndex(enemies);
    for (int i = 0; i < static_cast<int>(enemies.enemies.size()); ++i) {
        const Enemy& enemy = enemies.enemies[static_cast<std::size_t>(i)];
        if (dummy >= 0 && enemy.kind != ENEMY_DUMMY)
            continue;
        const sf::FloatRect box = dummy >= 0 ? enemies.enemies[static_cast<std::size_t>(dummy)].sprite.getGlobalBounds()
                                             : EnemyBounds(enemy);
        if (RectsOverlap(box, reach))
            return i;
    }
    return -1;
}

}  // namespace

int MeleeStrike(Enemies& enemies, Player& player, Hud& hud, Hub& hub)
{
    if (player.hitArmed != 1)
        return 0;
    const sf::FloatRect reach = player.attackShape.getGlobalBounds();
    const int struck = FirstStruck(enemies, reach);
    if (struck < 0)
        return 0;
    // A blow on an archer's arm hurts the archer: the two live and die together.
    const int target = BodyIndex(enemies, struck);
    Enemy& enemy = enemies.enemies[static_cast<std::size_t>(target)];
    if (enemy.kind == ENEMY_DUMMY)
        enemy.anim.timer = 0.f;
    else if (enemy.kind != ENEMY_SKELETON_RAT)
        AddBlood(enemies, Centre(reach), target);
    const int damage = static_cast<int>(kBaseDamage * player.damageFactor
                                        + kDamagePerPotion * static_cast<float>(hub.potionLevels[POTION_MELEE]));
    AddDamageText(enemies, Centre(EnemyBounds(enemy)), damage);
    FlashEnemy(enemy);
    enemy.health -= damage;
    hud.mana = static_cast<int>(static_cast<float>(hud.mana) + kManaKick);
    ChangeMana(hud, kManaPerStrike);  // never beyond the maximum
    if (enemy.health <= 0)
        KillEnemy(enemies, target);
    player.hitArmed = 0;
    return 1;
}
