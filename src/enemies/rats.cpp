// The rat alchemist walks up to the player and alternates two attacks:
// raising a pair of skeleton rats (while fewer than six stand) and throwing
// a flask that breaks into smoke. Skeleton rats rise from the ground, walk
// at the player and throw bones from close by.
#include "enemies/enemies.hpp"

#include "app/game.hpp"
#include "enemies/enemy_common.hpp"

#include <algorithm>

namespace {

constexpr float kRatSpeed = 100.f;
constexpr int kRatStandDistance = 301;  // closer than this it stands and faces the player
constexpr float kRatWalkTime = 3.f;     // seconds of walking before each attack
constexpr int kRatWalkFrames = 10;
constexpr int kRatIdleFrames = 7;
constexpr int kThrowFrames = 17;
constexpr float kThrowFrameTime = 0.083f;
constexpr float kWalkFrameTime = 0.125f;
constexpr int kFlaskFrame = 6;           // the flask leaves after this frame
constexpr float kFlaskLeft = 3.92699075f;    // up and to the left
constexpr float kFlaskRight = -0.785398185f; // up and to the right
constexpr float kFlaskHandRight = 1.8f;  // throwing right, the flask starts at the width over this
constexpr float kSummonSpread = 100.f;
constexpr int kSkeletonLimit = 6;        // no summon once this many skeleton rats stand

constexpr float kSkeletonSpeed = 150.f;
constexpr int kSkeletonThrowDistance = 200;
constexpr int kSkeletonWalkFrames = 9;
constexpr int kSkeletonThrowFrames = 21;
constexpr float kBoneLeft = -2.09439516f;    // up-left
constexpr float kBoneRight = -1.04719758f;   // up-right

int SkeletonCount(const Enemies& enemies)
{
    return static_cast<int>(std::count_if(enemies.enemies.begin(), enemies.enemies.end(),
                                          [](const Enemy& e) { return e.kind == ENEMY_SKELETON_RAT; }));
}

void Walk(Enemy& rat, int dx, bool playerLeft, float dt)
{
    StripAnimation& anim = rat.anim;
    anim.frameCount = kRatWalkFrames;
    if (dx < kRatStandDistance) {
        anim.row = playerLeft ? RAT_ROW_IDLE_LEFT : RAT_ROW_IDLE_RIGHT;
        anim.frameCount = kRatIdleFrames;
    } else {
        anim.row = playerLeft ? RAT_ROW_WALK_LEFT : RAT_ROW_WALK_RIGHT;
        rat.sprite.move((playerLeft ? -kRatSpeed : kRatSpeed) * dt, 0.f);
    }
    if (rat.actionTimer + dt >= kRatWalkTime && rat.canSummon == 0) {
        anim.frameCount = kThrowFrames;
        anim.frameTime = kThrowFrameTime;
        anim.timer = 0.f;
        anim.row = playerLeft ? RAT_ROW_THROW_LEFT : RAT_ROW_THROW_RIGHT;
    }
}

// Two skeleton rats rise on either side of the rat's feet. The roster grows
// here: nothing of it is held across the call.
void Summon(Enemies& enemies, int index, const sf::FloatRect& box)
{
    const float feet = box.top + box.height;
    AddSkeletonRat(enemies, {box.left - kSummonSpread, feet});
    AddSkeletonRat(enemies, {box.left + kSummonSpread, feet});
    Enemy& rat = enemies.enemies[static_cast<std::size_t>(index)];
    rat.actionTimer = 0.f;
    rat.canSummon = 0;
}

void Throw(Enemies& enemies, Enemy& rat, const sf::FloatRect& box, float dt)
{
    StripAnimation& anim = rat.anim;
    if (anim.timer > static_cast<float>(kFlaskFrame) * anim.frameTime && rat.hasThrown == 0) {
        if (anim.row == RAT_ROW_THROW_LEFT)
            AddShot(enemies, {box.left, box.top}, SHOT_FLASK, kFlaskLeft);
        else
            AddShot(enemies, {box.left + box.width / kFlaskHandRight, box.top}, SHOT_FLASK, kFlaskRight);
        rat.hasThrown = 1;
    }
    if (anim.timer + dt < static_cast<float>(kThrowFrames) * anim.frameTime)
        return;
    rat.actionTimer = 0.f;
    anim.timer = 0.f;
    rat.hasThrown = 0;
    if (SkeletonCount(enemies) < kSkeletonLimit) {
        anim.frameTime = kWalkFrameTime;
        rat.canSummon = 1;
        anim.frameCount = kRatWalkFrames;
    }
}

void SkeletonThrow(Enemies& enemies, Enemy& skeleton, const sf::FloatRect& box, int dx, bool playerLeft)
{
    StripAnimation& anim = skeleton.anim;
    anim.frameCount = kSkeletonThrowFrames;
    anim.looping = 1;
    anim.row = playerLeft ? SKELETON_ROW_THROW_LEFT : SKELETON_ROW_THROW_RIGHT;
    if (anim.timer < static_cast<float>(anim.frameCount - 1) * anim.frameTime)
        return;
    const bool left = anim.row == SKELETON_ROW_THROW_LEFT;
    AddShot(enemies, {box.left, box.top}, SHOT_BONE, left ? kBoneLeft : kBoneRight);
    anim.timer = 0.f;
    if (dx > kSkeletonThrowDistance) {
        anim.frameCount = kSkeletonWalkFrames;
        anim.row = left ? SKELETON_ROW_WALK_RIGHT : SKELETON_ROW_WALK_LEFT;
    }
}

}  // namespace

void UpdateRat(Enemies& enemies, int index, float dt, Game& game)
{
    if (StepStun(enemies.enemies[static_cast<std::size_t>(index)], dt))
        return;
    const sf::FloatRect box = enemies.enemies[static_cast<std::size_t>(index)].sprite.getGlobalBounds();
    const sf::FloatRect player = PlayerBody(game);
    const int dx = PlayerDistance(player, box);
    Enemy& rat = enemies.enemies[static_cast<std::size_t>(index)];
    if (dx < kRatWakeDistance || rat.aggro == 1) {
        rat.aggro = 1;
        rat.actionTimer += dt;
        const bool playerLeft = player.left <= box.left;
        if (rat.actionTimer <= kRatWalkTime)
            Walk(rat, dx, playerLeft, dt);
        else if (rat.canSummon == 1)
            Summon(enemies, index, box);  // `rat` is not used after this
        else
            Throw(enemies, rat, box, dt);
    }
    AnimateEnemy(enemies.enemies[static_cast<std::size_t>(index)], dt);
}

void UpdateSkeletonRat(Enemies& enemies, int index, float dt, Game& game)
{
    Enemy& skeleton = enemies.enemies[static_cast<std::size_t>(index)];
    if (StepStun(skeleton, dt))
        return;
    const sf::FloatRect box = skeleton.sprite.getGlobalBounds();
    const sf::FloatRect player = PlayerBody(game);
    const int dx = PlayerDistance(player, box);
    const bool playerLeft = player.left <= box.left;
    StripAnimation& anim = skeleton.anim;
    // It rises out of the ground before it does anything else.
    if (skeleton.aggro == 0 && anim.timer >= static_cast<float>(anim.frameCount - 1) * anim.frameTime) {
        skeleton.aggro = 1;
        anim.frameCount = kSkeletonWalkFrames;
        anim.looping = 1;
    }
    if (skeleton.aggro == 1) {
        if (dx < kSkeletonThrowDistance || anim.row == SKELETON_ROW_THROW_LEFT || anim.row == SKELETON_ROW_THROW_RIGHT) {
            SkeletonThrow(enemies, skeleton, box, dx, playerLeft);
        } else {
            anim.row = playerLeft ? SKELETON_ROW_WALK_LEFT : SKELETON_ROW_WALK_RIGHT;
            skeleton.sprite.move((playerLeft ? -kSkeletonSpeed : kSkeletonSpeed) * dt, 0.f);
        }
    }
    AnimateEnemy(skeleton, dt);
}
