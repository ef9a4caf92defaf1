// Attack 5: four pieces of food lobbed from the pot at the player, one after
// another; the attack is over once all four have left the screen.
#include "boss/boss_attacks.hpp"

#include "app/game.hpp"
#include "enemies/enemy_common.hpp"
#include "engine/assets.hpp"
#include "engine/layout_table.hpp"
#include "engine/sound_bank.hpp"

namespace {

using namespace boss_food;

void SpawnFood(Boss& boss)
{
    FoodAttack& food = boss.food;
    food.foodCount = kCount;
    food.foods.assign(static_cast<std::size_t>(kCount), {});
    food.foodVelocities.assign(food.foods.size(), {});
    for (std::size_t i = 0; i < food.foods.size(); ++i) {
        sf::Sprite& piece = food.foods[i];
        piece = sf::Sprite(GetTexture(*boss.assets, kPictures[i]));
        const sf::FloatRect local = piece.getLocalBounds();
        piece.setOrigin(local.width / 2.f, local.height / 2.f);
        piece.setScale(kScale, kScale);
    }
    food.foodThrown = 0;
    food.foodGone = 0;
    food.foodTimer = kFirstThrow;
}

// The next piece, lobbed: aimed at the middle of the player's body, and lifted.
void ThrowNext(Boss& boss, const Game& game)
{
    FoodAttack& food = boss.food;
    const sf::Vector2f target = Centre(PlayerBody(game));
    const sf::Vector2f from = boss.bossHitbox.getPosition();
    food.foodVelocities[static_cast<std::size_t>(food.foodThrown)] = {target.x - from.x, target.y - from.y - kLift};
    food.foodThrown += 1;
    food.foodTimer = kBetween;
    PlayKnife();
}

bool OffScreen(const sf::FloatRect& box)
{
    return box.top > static_cast<float>(kScreenHeight) || box.top + box.height < 0.f || box.left + box.width < 0.f
        || box.left > static_cast<float>(kScreenWidth);
}

}  // namespace

void StartFood(Boss& boss, Game& game)
{
    SpawnFood(boss);
    for (sf::Sprite& piece : boss.food.foods)
        piece.setPosition(boss.bossSprite.getPosition());
    const bool left = FacesLeft(boss.bossHitbox.getPosition().x, game);
    StartBossStrip(boss, BossRowOf(left ? BOSS_ROW_FOOD_LEFT : BOSS_ROW_FOOD_RIGHT).strip);
    boss.food.running = 1;
}

void StepFood(Boss& boss, float dt, Game& game)
{
    FoodAttack& food = boss.food;
    food.foodTimer -= dt;
    if (food.foodTimer <= 0.f && food.foodThrown < static_cast<int>(food.foods.size()))
        ThrowNext(boss, game);
    for (int i = 0; i < food.foodThrown; ++i) {
        sf::Vector2f& velocity = food.foodVelocities[static_cast<std::size_t>(i)];
        velocity.y += kBossGravity * dt;
        sf::Sprite& piece = food.foods[static_cast<std::size_t>(i)];
        piece.move(velocity * dt);
        piece.rotate(kSpinDegrees);
    }
    food.foodGone = 0;
    for (const sf::Sprite& piece : food.foods)
        food.foodGone += OffScreen(piece.getGlobalBounds()) ? 1 : 0;
    if (food.foodGone >= food.foodCount && food.foodTimer <= -kEndAfter)
        FinishAttack(boss);
}

void EndFood(Boss& boss)
{
    FoodAttack& food = boss.food;
    if (food.running == 0)
        return;
    food.running = 0;
    food.foods.clear();
    food.foodVelocities.clear();
    food.foodCount = food.foodThrown = food.foodGone = 0;
    food.foodTimer = 0.f;
}
