#pragma once
// The hand-made patterns a level is assembled from, and the pictures of
// every kind of level element. Pure data: the level builder places the
// hitboxes from here and the asset generator paints the pictures from the
// same numbers, so every painted floor stands where its hitbox is.
#include <span>

// Element type codes (the level's obstacle types).
enum ObstacleType {
    OBS_BACKGROUND_1 = 1,
    OBS_BACKGROUND_2 = 2,
    OBS_BACKGROUND_3 = 3,
    OBS_BACKGROUND_4 = 4,
    OBS_BACKGROUND_5 = 5,
    OBS_BACKGROUND_6 = 6,
    OBS_BACKGROUND_7 = 7,
    OBS_DOOR = 8,
    OBS_PLAIN_DOOR = 9,
    OBS_PROPELLER = 11,
    OBS_FAN = 12,
    OBS_FOUNTAIN = 14,
    OBS_WALL = 15,
    OBS_REWARD = 16,
    OBS_BACKGROUND_END = 17,
    OBS_BACKGROUND_BOSS = 18,
    OBS_BACKGROUND_TUTORIAL = 19,
    OBS_LEDGE = 20,
    OBS_FLYING_CRATE = 21,
    OBS_FORGE = 22,
};

enum RewardKind { REWARD_CARD = 1, REWARD_DAMAGE = 2, REWARD_LIFE = 3, REWARD_COINS = 4 };

// What a kind of element shows. Pictures are full asset paths; the second
// variant is taken when rand() % 2 is 1. An animated picture is a sheet of
// the asset manifest, cut with its cells and frames per row.
struct ObstacleKind {
    int type = 0;
    const char* pictures[2] = {nullptr, nullptr};
    const char* front = nullptr;  // drawn at the position, again over the enemies
    int fps = 0;                  // 0: a still picture
    int hangY = 0;                // the main picture hangs this far above the position
};

// The kind of a type code, or nullptr for a code no element has.
const ObstacleKind* FindObstacleKind(int type);

// The reward items shown over a chest, by kind (1 to 4).
const char* RewardItemPicture(int kind);

// A rectangle whose left edge is measured from the pattern's x.
struct PatternBox {
    float left = 0.f, top = 0.f, width = 0.f, height = 0.f;
};

struct PatternElement {
    int type = 0;
    bool collides = false;  // false: an empty hitbox
    PatternBox hitbox{};
};

enum PatternEnemy { SPAWN_ARCHER, SPAWN_BIRD, SPAWN_RAT, SPAWN_TANK };

struct PatternSpawn {
    int enemy = 0;
    float x = 0.f, y = 0.f;  // x from the pattern's x
};

struct PatternPoint {
    float x = 0.f, y = 0.f;  // x from the pattern's x
};

struct Pattern {
    int id = 0;
    int backgroundType = 0;
    int width = 0;                   // how far it moves the level's cursor
    int entryHeight = 0, exitHeight = 0;
    bool keepsHeights = false;       // the tutorial leaves the step heights alone
    bool atOrigin = false;           // built at x = 0 wherever the cursor is
    PatternPoint background{};       // the background element's position
    std::span<const PatternElement> elements;  // in index order
    std::span<const PatternSpawn> spawns;
    std::span<const PatternPoint> crates;      // flying crates, added after the pattern
};

inline constexpr const char* kDoorSheet = "Assets/Sprites/Obstacle/porc thai.png";
// The tutorial's door, in world pixels: the tutorial is built at the origin.
inline constexpr float kTutorialDoorX = 7900.f, kTutorialDoorY = -160.f;

inline constexpr int kPatternEnd = 17;
inline constexpr int kPatternBoss = 18;
inline constexpr int kPatternTutorial = 19;
// The end pattern starts this far left of the cursor; its floor starts at the cursor.
inline constexpr int kEndPatternOverlap = 70;

// The pattern of an id, or nullptr for an id with no pattern.
const Pattern* FindPattern(int id);
std::span<const Pattern> AllPatterns();
