// What a killed enemy drops: four coins that pop, bounce twice and rest,
// then fly to the player after two seconds; and one food that heals.
#include "enemies/enemies.hpp"

#include "app/game.hpp"
#include "enemies/enemy_common.hpp"
#include "engine/asset_manifest.hpp"
#include "engine/collision.hpp"

#include <cmath>
#include <cstdlib>
#include <numbers>

namespace {

constexpr int kCoinsPerDrop = 4;
constexpr float kDropGravity = 9.8f;     // added to the fall speed (pixels a frame) each second
constexpr float kPopSpeed = 200.f;
constexpr int kRestAfterBounces = 2;
constexpr float kDropFloor = 770.f;
constexpr float kFloorTest = 1.5f;       // heights below its top at which a drop meets the floor
constexpr float kFloorRest = 1.6f;       // heights above the floor it rests at
constexpr float kHomingAge = 2.f;
constexpr float kHomingSpeed = 1000.f;
constexpr int kCoinBaseValue = 3;
constexpr int kCoinValuePerPotion = 2;
constexpr int kFoodHealth = 15;

// 10° to 169°, upwards.
float PopAngle()
{
    return static_cast<float>(std::rand() % 160 + 10) * std::numbers::pi_v<float> / 180.f;
}

// A still picture at its whole size, placed at `point`.
void ShowDrop(const Enemies& enemies, sf::Sprite& sprite, const char* path, sf::Vector2f point)
{
    SetPicture(enemies, sprite, path);
    if (const AssetEntry* picture = FindAsset(path))
        sprite.setTextureRect({0, 0, picture->width, picture->height});
    sprite.setPosition(point);
}

// The pop: up and sideways, falling more and more; a landing on a block or
// on the floor line is one bounce, however many blocks it touched.
void Pop(sf::Sprite& sprite, float angle, float& fallSpeed, int& bounces, float dt, const Level& level)
{
    const sf::FloatRect before = sprite.getGlobalBounds();
    fallSpeed += kDropGravity * dt;
    const sf::Vector2f move{std::cos(angle) * (-kPopSpeed * dt), std::sin(angle) * (-kPopSpeed * dt) + fallSpeed};
    sprite.move(move);
    bool landed = false;
    for (const Obstacle& block : level.obstacles)
        if (IsBlock(block) && ResolveSpriteAgainstRect(block.hitbox, sprite, move))
            landed = true;
    if (before.top + kFloorTest * before.height > kDropFloor) {
        landed = true;
        sprite.setPosition(before.left, kDropFloor - kFloorRest * before.height);
    }
    if (landed) {
        fallSpeed = 0.f;
        bounces += 1;
    }
}

void CollectCoin(Enemies& enemies, int index, Game& game)
{
    RemoveCoin(enemies, index);
    const int value = kCoinValuePerPotion * game.hub.potionLevels[POTION_COIN] + kCoinBaseValue;
    ChangeCoins(game.hud, game.player, value);
    enemies.runCoins += value;
    CountCoinQuest(game.hub);
    game.hub.tallies[TALLY_COINS] += 1;
}

// One coin's step; true when it was collected.
bool StepCoin(Coin& coin, float dt, const Game& game, const sf::FloatRect& player)
{
    const sf::FloatRect box = coin.sprite.getGlobalBounds();
    coin.age += dt;
    if (coin.age >= kHomingAge) {
        // Straight at the player, through anything.
        const sf::Vector2f target = Centre(player);
        const float towards = std::atan2(target.y - box.top, target.x - box.left);
        coin.sprite.move(std::cos(towards) * kHomingSpeed * dt, std::sin(towards) * kHomingSpeed * dt);
        return RectsOverlap(box, player);
    }
    if (coin.bounces < kRestAfterBounces) {
        Pop(coin.sprite, coin.angle, coin.fallSpeed, coin.bounces, dt, game.level);
        return false;
    }
    return RectsOverlap(box, player);
}

}  // namespace

void AddCoins(Enemies& enemies, sf::Vector2f point)
{
    for (int n = 0; n < kCoinsPerDrop; ++n) {
        Coin& coin = enemies.coins.emplace_back();
        ShowDrop(enemies, coin.sprite, kCoinPicture, point);
        coin.angle = PopAngle();
        coin.fallSpeed = 0.f;
        coin.age = 0.f;
        coin.bounces = 0;
    }
}

void UpdateCoins(Enemies& enemies, float dt, Game& game)
{
    const sf::FloatRect player = PlayerBody(game);
    for (int i = 0; i < static_cast<int>(enemies.coins.size());) {
        if (StepCoin(enemies.coins[static_cast<std::size_t>(i)], dt, game, player))
            CollectCoin(enemies, i, game);
        else
            ++i;
    }
}

void RemoveCoin(Enemies& enemies, int index)
{
    if (index >= 0 && index < static_cast<int>(enemies.coins.size()))
        enemies.coins.erase(enemies.coins.begin() + index);
}

void AddFood(Enemies& enemies, sf::Vector2f point)
{
    Food& food = enemies.food.emplace_back();
    ShowDrop(enemies, food.sprite, kFoodPicture, point);
    food.angle = PopAngle();
    food.fallSpeed = 0.f;
    food.bounces = 0;
}

// Food can be eaten in the air; it never flies to the player.
void UpdateFood(Enemies& enemies, float dt, Game& game)
{
    const sf::FloatRect player = PlayerBody(game);
    for (int i = 0; i < static_cast<int>(enemies.food.size());) {
        Food& food = enemies.food[static_cast<std::size_t>(i)];
        if (food.bounces < kRestAfterBounces)
            Pop(food.sprite, food.angle, food.fallSpeed, food.bounces, dt, game.level);
        if (RectsOverlap(food.sprite.getGlobalBounds(), player)) {
            RemoveFood(enemies, i);
            ChangeHealth(game.hud, game.player, kFoodHealth);
        } else {
            ++i;
        }
    }
}

void RemoveFood(Enemies& enemies, int index)
{
    if (index >= 0 && index < static_cast<int>(enemies.food.size()))
        enemies.food.erase(enemies.food.begin() + index);
}

void RemoveAllFood(Enemies& enemies)
{
    enemies.food.clear();
}
