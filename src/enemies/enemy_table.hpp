#pragma once
// What each kind of enemy is made with: its sheet, health, first animation,
// and where its picture and its body sit against its spawn point. Pure data:
// the roster creates enemies from here and the asset generator paints each
// sheet so that the creature stands where the game puts its box. Cell sizes
// are the asset manifest's (one home for them); this table names the sheet.

enum EnemyKind {
    ENEMY_ARCHER = 0,
    ENEMY_ARCHER_ARM = 1,
    ENEMY_TANK = 2,
    ENEMY_BIRD = 3,
    ENEMY_RAT = 4,
    ENEMY_SKELETON_RAT = 5,
    ENEMY_DUMMY = 6,
    ENEMY_KIND_COUNT = 7,
};

// Rows of each sheet, by what the creature does in them.
enum ArcherRow { ARCHER_ROW_START = 0, ARCHER_ROW_WALK_LEFT = 2, ARCHER_ROW_WALK_RIGHT = 3,
                 ARCHER_ROW_AIR_RIGHT = 4, ARCHER_ROW_AIR_LEFT = 5 };
enum ArcherArmRow { ARM_ROW_AIM_LEFT = 0, ARM_ROW_AIM_RIGHT = 1 };
enum TankRow { TANK_ROW_IDLE_LEFT = 0, TANK_ROW_IDLE_RIGHT = 1, TANK_ROW_WALK_LEFT = 2, TANK_ROW_WALK_RIGHT = 3,
               TANK_ROW_SHIELD_LEFT = 4, TANK_ROW_SHIELD_RIGHT = 5, TANK_ROW_CHARGE_LEFT = 6,
               TANK_ROW_CHARGE_RIGHT = 7 };
enum BirdRow { BIRD_ROW_FLY_LEFT = 0, BIRD_ROW_FLY_RIGHT = 1, BIRD_ROW_ATTACK_LEFT = 2, BIRD_ROW_ATTACK_RIGHT = 3 };
enum RatRow { RAT_ROW_IDLE_LEFT = 0, RAT_ROW_IDLE_RIGHT = 1, RAT_ROW_WALK_LEFT = 2, RAT_ROW_WALK_RIGHT = 3,
              RAT_ROW_THROW_LEFT = 4, RAT_ROW_THROW_RIGHT = 5 };
enum SkeletonRatRow { SKELETON_ROW_RISE = 0, SKELETON_ROW_WALK_LEFT = 2, SKELETON_ROW_WALK_RIGHT = 3,
                      SKELETON_ROW_THROW_LEFT = 4, SKELETON_ROW_THROW_RIGHT = 5 };

struct EnemyKindInfo {
    int kind = 0;
    const char* sheet = nullptr;  // the asset manifest's path
    int health = 0;
    float scale = 1.f;            // the sprite's scale (the tank is drawn three times enlarged)
    // The first animation: frames, seconds a frame, whether it loops, its
    // row and its starting timer.
    int frames = 0;
    float frameTime = 0.f;
    int looping = 0;
    int row = 0;
    float timer = 0.f;
    // The sprite's top-left against the spawn point (the tank's box's
    // top-left: its sprite hangs off the box).
    float spriteX = 0.f, spriteY = 0.f;
    // The hub's tally a spell kill of this kind raises (-1: none).
    int killTally = -1;
};

const EnemyKindInfo& EnemyInfo(int kind);  // kind in 0 .. ENEMY_KIND_COUNT - 1

// The archer: its arm is a second roster entry right after its body.
inline constexpr float kArcherArmX = 117.f;      // the arm's first place against the body's top-left
inline constexpr float kArcherArmY = 86.f;
inline constexpr float kArcherArmOffsetRightX = 117.f;  // where the arm rides while facing right
inline constexpr float kArcherArmOffsetLeftX = 150.f;   // ... and left (the arm's first offset)
inline constexpr float kArcherArmPivotLeftX = 189.f;    // the arm's origin aiming left (turned 180°)
inline constexpr float kArcherArmPivotY = 93.f;         // its origin's height, either way
inline constexpr float kArcherProbeWidth = 50.f;        // the probe ahead of the feet
inline constexpr float kArcherProbeHeight = 100.f;

// The tank's body is a rectangle of its own; the sprite hangs off it.
inline constexpr float kTankBoxWidth = 200.f;
inline constexpr float kTankBoxHeight = 135.f;
inline constexpr float kTankSpriteX = -132.f;  // the sprite's top-left against the box's
inline constexpr float kTankSpriteY = -135.f;

// A skeleton rat stands up to this many pixels higher than its ground line
// (a group reads as standing at different depths).
inline constexpr int kSkeletonDepthRange = 50;

// Ground lines of the enemies' feet (the archer's is lower).
inline constexpr float kEnemyGroundY = 770.f;
inline constexpr float kArcherGroundY = 780.f;
// The walkable top of the level floors. An enemy rests with its sprite's
// bottom on its ground line, below this floor: its feet are drawn as far
// above its cell's bottom as the ground line is below the floor.
inline constexpr float kLevelFloorY = 760.f;

// The hub's training dummy: where it is added (at game start and after the
// death screen), and the hub floor it is planted in (where the player's feet
// stand there).
inline constexpr float kDummySpawnX = 3000.f;
inline constexpr float kDummySpawnY = 610.f;
inline constexpr float kDummyFloorY = 720.f;

// The training dummy's place in the hub.
inline constexpr float kDummyHomeX = 3000.f;
inline constexpr float kDummyHomeY = 610.f;

// Kill icons on the death screen: the skeleton rat's walks on its row 2.
inline constexpr int kSkeletonIconRow = 2;
inline constexpr int kSkeletonIconFrames = 9;
inline constexpr float kSkeletonIconFrameTime = 0.1f;

// Detection: how close (in x) the player must come before a kind wakes.
inline constexpr int kArcherWakeDistance = 750;
inline constexpr int kTankWakeDistance = 750;
inline constexpr int kBirdWakeDistance = 500;
inline constexpr int kRatWakeDistance = 500;

// What enemies throw: the shot's kind is the thrower's kind.
enum ShotKind { SHOT_ARROW = 0, SHOT_BIRD = 3, SHOT_FLASK = 4, SHOT_BONE = 5 };

struct ShotKindInfo {
    int kind = 0;
    const char* picture = nullptr;
    int frames = 0;  // 0: the whole picture, not animated
    float frameTime = 0.f;
};

// nullptr for a code no shot has.
const ShotKindInfo* ShotInfo(int kind);

// Drops and effects.
inline constexpr const char* kCoinPicture = "Assets/Sprites/Enemies/Coin.png";
inline constexpr const char* kFoodPicture = "Assets/Sprites/Enemies/Food.png";
inline constexpr const char* kBloodSheet = "Assets/Sprites/Enemies/Blood.png";
inline constexpr int kBloodFrames = 10;
inline constexpr float kBloodFrameTime = 0.083f;
inline constexpr const char* kSmokeSheet = "Assets/Sprites/Enemies/SmokeSpriteSheet.png";
inline constexpr int kSmokeFrames = 31;       // while the cloud lives
inline constexpr int kSmokeFadeFrames = 45;   // once it fades out
inline constexpr int kSmokeLoopStart = 17;
inline constexpr float kSmokeFrameTime = 0.084f;
inline constexpr float kSmokeScale = 3.f;
inline constexpr int kFlaskFlightFrames = 4;  // then frames 4 and 5 break it
inline constexpr int kFlaskBreakFrames = 6;
