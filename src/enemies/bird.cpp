// The parrot: circles towards a point above and right of the player and,
// every 2.5 s at most, spits a fan of three shots at it.
#include "enemies/enemies.hpp"

#include "app/game.hpp"
#include "enemies/enemy_common.hpp"
#include "engine/sound_bank.hpp"

#include <cmath>

namespace {

constexpr float kCircleStep = 0.031415926535897934f;  // radians a frame
constexpr float kCircleSpeed = 600.f;
constexpr float kHomingSpeed = 450.f;
const sf::Vector2f kPerch{400.f, -400.f};  // where it heads, against the player's top-left
constexpr float kVolleyWait = 2.5f;
constexpr int kVolleyFrame = 7;            // the shots leave at this frame of the attack
constexpr float kVolleySpread = 0.31415927f;
constexpr float kMouthDrop = 1.25f;        // the shots start at the height over this

void Fly(Enemy& bird, const sf::FloatRect& box, const sf::FloatRect& player, float dt)
{
    const float toPerch = std::atan2(player.top + kPerch.y - box.top, player.left + kPerch.x - box.left);
    bird.phase += kCircleStep;
    bird.sprite.move(std::cos(bird.phase) * kCircleSpeed * dt, std::sin(bird.phase) * kCircleSpeed * dt);
    bird.sprite.move(std::cos(toPerch) * kHomingSpeed * dt, std::sin(toPerch) * kHomingSpeed * dt);
}

void Attack(Enemies& enemies, Enemy& bird, const sf::FloatRect& box, const sf::FloatRect& player)
{
    StripAnimation& anim = bird.anim;
    const bool playerRight = player.left > box.left;
    const bool playerLeft = player.left < box.left;
    if (playerRight && anim.row <= BIRD_ROW_FLY_RIGHT) {
        anim.row = BIRD_ROW_ATTACK_RIGHT;
        anim.looping = 0;
        anim.timer = 0.f;
    } else if (playerLeft && anim.row < BIRD_ROW_ATTACK_LEFT) {
        anim.row = BIRD_ROW_ATTACK_LEFT;
        anim.looping = 0;
        anim.timer = 0.f;
    }
    if (anim.timer < static_cast<float>(kVolleyFrame) * anim.frameTime)
        return;
    const sf::Vector2f mouth{box.left, box.top + box.height / kMouthDrop};
    const float aim = AimAtPlayer(mouth, player);
    for (float spread : {-kVolleySpread, 0.f, kVolleySpread})
        AddShot(enemies, mouth, SHOT_BIRD, aim + spread);
    PlayParrotShot();
    bird.actionTimer = 0.f;
}

void Face(Enemy& bird, const sf::FloatRect& box, const sf::FloatRect& player)
{
    StripAnimation& anim = bird.anim;
    if (player.left > box.left && anim.row == BIRD_ROW_FLY_LEFT) {
        anim.row = BIRD_ROW_FLY_RIGHT;
        anim.looping = 1;
    } else if (player.left < box.left && anim.row == BIRD_ROW_FLY_RIGHT) {
        anim.row = BIRD_ROW_FLY_LEFT;
        anim.looping = 1;
    }
}

}  // namespace

void UpdateBird(Enemies& enemies, int index, float dt, Game& game)
{
    Enemy& bird = enemies.enemies[static_cast<std::size_t>(index)];
    if (StepStun(bird, dt))
        return;
    const sf::FloatRect box = bird.sprite.getGlobalBounds();
    const sf::FloatRect player = PlayerBody(game);
    if (PlayerDistance(player, box) < kBirdWakeDistance || bird.aggro == 1) {
        bird.aggro = 1;
        Fly(bird, box, player, dt);
        bird.actionTimer += dt;
        if (bird.actionTimer > kVolleyWait)
            Attack(enemies, bird, box, player);
        Face(bird, box, player);
    }
    AnimateEnemy(bird, dt);  // asleep, it flaps in place
}
