// Creation values of every enemy kind.
#include "enemies/enemy_table.hpp"

namespace {

#define ENEMIES "Assets/Sprites/Enemies/"

// kind, sheet, health, scale, frames, frame time, looping, row, timer, sprite x, sprite y
const EnemyKindInfo kEnemyKinds[ENEMY_KIND_COUNT] = {
    {ENEMY_ARCHER, ENEMIES "spriteSheetMonkey.png", 100, 1.f, 24, 0.045f, 1, ARCHER_ROW_START, 0.f, 0.f, -261.f},
    // The arm is placed from the body's top-left (kArcherArmX, kArcherArmY).
    {ENEMY_ARCHER_ARM, ENEMIES "SpriteSheetMonkeyArm.png", 100, 1.f, 1, 0.045f, 0, ARM_ROW_AIM_RIGHT, 0.f, 0.f, 0.f},
    // The tank's sprite hangs off its box (kTankSprite*); the box stands on the spawn point.
    {ENEMY_TANK, ENEMIES "SpriteSheetTank.png", 150, 3.f, 48, 0.042f, 1, TANK_ROW_IDLE_LEFT, 0.f, 0.f,
     -kTankBoxHeight},
    {ENEMY_BIRD, ENEMIES "BirdSpriteSheet.png", 50, 1.f, 22, 0.045f, 1, BIRD_ROW_FLY_LEFT, 0.f, 0.f, -75.f},
    {ENEMY_RAT, ENEMIES "RatSpriteSheet.png", 100, 1.f, 7, 0.125f, 1, RAT_ROW_IDLE_LEFT, 0.f, 0.f, -165.f},
    // Also lifted by its depth offset.
    {ENEMY_SKELETON_RAT, ENEMIES "SpriteSheetSkeletonRat.png", 1, 1.f, 13, 0.083f, 0, SKELETON_ROW_RISE, 0.f, 0.f,
     -93.f},
    // The dummy's timer starts past its last frame: it rests until hit.
    {ENEMY_DUMMY, ENEMIES "SpritesheetDummy.png", 1569325056, 1.f, 10, 0.083f, 0, 0, 10.f, 0.f, -75.f},
};

}  // namespace

const EnemyKindInfo& EnemyInfo(int kind)
{
    return kEnemyKinds[kind];
}
