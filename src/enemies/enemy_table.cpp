// Creation values of every enemy kind.
#include "enemies/enemy_table.hpp"

#include "hub/tally_table.hpp"

namespace {

#define ENEMIES "Assets/Sprites/Enemies/"

// kind, sheet, health, scale, frames, frame time, looping, row, timer, sprite x, sprite y, kill tally
const EnemyKindInfo kEnemyKinds[ENEMY_KIND_COUNT] = {
    {ENEMY_ARCHER, ENEMIES "spriteSheetMonkey.png", 100, 1.f, 24, 0.045f, 1, ARCHER_ROW_START, 0.f, 0.f, -261.f,
     TALLY_ARCHERS},
    // The arm is placed from the body's top-left (kArcherArmX, kArcherArmY).
    {ENEMY_ARCHER_ARM, ENEMIES "SpriteSheetMonkeyArm.png", 100, 1.f, 1, 0.045f, 0, ARM_ROW_AIM_RIGHT, 0.f, 0.f, 0.f},
    // The tank's sprite hangs off its box (kTankSprite*); the box stands on the spawn point.
    {ENEMY_TANK, ENEMIES "SpriteSheetTank.png", 150, 3.f, 48, 0.042f, 1, TANK_ROW_IDLE_LEFT, 0.f, 0.f,
     -kTankBoxHeight, TALLY_TANKS},
    {ENEMY_BIRD, ENEMIES "BirdSpriteSheet.png", 50, 1.f, 22, 0.045f, 1, BIRD_ROW_FLY_LEFT, 0.f, 0.f, -75.f,
     TALLY_BIRDS},
    {ENEMY_RAT, ENEMIES "RatSpriteSheet.png", 100, 1.f, 7, 0.125f, 1, RAT_ROW_IDLE_LEFT, 0.f, 0.f, -165.f,
     TALLY_RATS},
    // Also lifted by its depth offset.
    {ENEMY_SKELETON_RAT, ENEMIES "SpriteSheetSkeletonRat.png", 1, 1.f, 13, 0.083f, 0, SKELETON_ROW_RISE, 0.f, 0.f,
     -93.f, TALLY_SKELETON_RATS},
    // The dummy's timer starts past its last frame: it rests until hit.
    {ENEMY_DUMMY, ENEMIES "SpritesheetDummy.png", 1569325056, 1.f, 10, 0.083f, 0, 0, 10.f, 0.f, -75.f},
};

const ShotKindInfo kShotKinds[] = {
    {SHOT_ARROW, ENEMIES "Bullet.png", 0, 0.f},
    {SHOT_BIRD, ENEMIES "Bullet.png", 0, 0.f},
    {SHOT_FLASK, ENEMIES "Fiole.png", 4, 0.1f},
    {SHOT_BONE, ENEMIES "Os.png", 4, 0.05f},
};

}  // namespace

const ShotKindInfo* ShotInfo(int kind)
{
    for (const ShotKindInfo& info : kShotKinds)
        if (info.kind == kind)
            return &info;
    return nullptr;
}

const EnemyKindInfo& EnemyInfo(int kind)
{
    return kEnemyKinds[kind];
}
