// Drawing the roster and its lists, the damage numbers and the death
// screen, and outlining them for the hitbox overlay.
#include "enemies/enemies.hpp"

#include "app/game.hpp"
#include "engine/collision.hpp"
#include "engine/draw_in_view.hpp"

#include <algorithm>

namespace {

const sf::Color kEnemyOutline{255, 140, 0};   // orange: what hits are measured by
const sf::Color kProbeOutline{0, 255, 255};   // cyan: the archer's ground probe
const sf::Color kShotOutline = sf::Color::White;
const sf::Color kDropOutline{80, 160, 255};   // blue: coins and food
const sf::Color kSmokeOutline{190, 120, 255}; // lilac: where smoke hurts


}  // namespace

// Level play shows every enemy but the dummy; the hub only the dummy; the
// tutorial none.
void DrawEnemies(const Game& game, sf::RenderTarget& window)
{
    const Enemies& enemies = game.enemies;
    const bool levelPlay = InLevelPlay(game);
    const sf::FloatRect area = ViewArea(window);
    if (levelPlay) {
        for (const Coin& coin : enemies.coins)
            DrawInView(window, area, coin.sprite);
        for (const Food& food : enemies.food)
            DrawInView(window, area, food.sprite);
    }
    for (const Enemy& enemy : enemies.enemies) {
        const bool dummy = enemy.kind == ENEMY_DUMMY;
        if ((levelPlay && !dummy) || (game.hub.inHub == 1 && dummy))
            DrawInView(window, area, enemy.sprite);
    }
    for (const Blood& blood : enemies.bloods)
        DrawInView(window, area, blood.sprite);
    if (levelPlay)
        for (const Shot& shot : enemies.shots)
            DrawInView(window, area, shot.sprite);
    for (const Smoke& smoke : enemies.smokes)
        DrawInView(window, area, smoke.sprite);
}

void DrawDamageTexts(const Game& game, sf::RenderTarget& window)
{
    const sf::FloatRect area = ViewArea(window);
    for (const DamageText& number : game.enemies.damageTexts)
        DrawInView(window, area, number.text);
}

void DrawDeathScreen(const Game& game, sf::RenderTarget& window)
{
    if (game.deathScreen != 1)
        return;
    const Enemies& enemies = game.enemies;
    window.draw(enemies.panelSprite);
    const int shown = std::min(enemies.shownKills, static_cast<int>(enemies.killIcons.size()));
    for (int n = 0; n < shown; ++n)
        window.draw(enemies.killIcons[static_cast<std::size_t>(n)].sprite);
    window.draw(enemies.killText);
}

void DrawEnemyHitboxes(const Enemies& enemies, sf::RenderTarget& window)
{
    for (const Enemy& enemy : enemies.enemies) {
        if (enemy.kind == ENEMY_DUMMY)
            continue;  // the hub's, not shown in a level
        OutlineBox(window, EnemyBounds(enemy), kEnemyOutline);
        if (enemy.kind == ENEMY_ARCHER)
            OutlineBox(window, enemy.checkGroundHb.getGlobalBounds(), kProbeOutline);
    }
    for (const Shot& shot : enemies.shots)
        OutlineBox(window, shot.sprite.getGlobalBounds(), kShotOutline);
    for (const Coin& coin : enemies.coins)
        OutlineBox(window, coin.sprite.getGlobalBounds(), kDropOutline);
    for (const Food& food : enemies.food)
        OutlineBox(window, food.sprite.getGlobalBounds(), kDropOutline);
    for (const Smoke& smoke : enemies.smokes)
        OutlineBox(window, smoke.sprite.getGlobalBounds(), kSmokeOutline);
}
