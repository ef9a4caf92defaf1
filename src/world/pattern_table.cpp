// The pattern catalogue and the pictures of each element kind.
#include "world/pattern_table.hpp"

namespace {

#define SPRITES "Assets/Sprites/"

const ObstacleKind kKinds[] = {
    {OBS_BACKGROUND_1, {SPRITES "BackGround/Patern1 1.png", SPRITES "BackGround/Patern1 2.png"},
     SPRITES "BackGround/Patern1front.png", 0, 947},
    {OBS_BACKGROUND_2, {SPRITES "BackGround/Patern2 1.png", SPRITES "BackGround/Patern2 2.png"},
     SPRITES "BackGround/Patern2front.png", 0, 947},
    {OBS_BACKGROUND_3, {SPRITES "BackGround/Patern3 1.png", SPRITES "BackGround/Patern3 2.png"}, nullptr, 0, 947},
    {OBS_BACKGROUND_4, {SPRITES "BackGround/Patern4 1.png", SPRITES "BackGround/Patern4 2.png"}, nullptr, 0, 747},
    {OBS_BACKGROUND_5, {SPRITES "BackGround/Pattern 2_WO_1.png", SPRITES "BackGround/Pattern 2_WO_2.png"},
     SPRITES "BackGround/Paternbrick1front.png"},
    {OBS_BACKGROUND_6, {SPRITES "BackGround/Pattern 3_WO_1.png", SPRITES "BackGround/Pattern 3_WO_2.png"},
     SPRITES "BackGround/Paternbrick2front.png"},
    {OBS_BACKGROUND_7, {SPRITES "BackGround/Pattern 4_WO_1.png", SPRITES "BackGround/Pattern 4_WO_2.png"},
     SPRITES "BackGround/Paternbrick3front.png"},
    {OBS_DOOR, {kDoorSheet}, nullptr, 9},
    {OBS_PLAIN_DOOR, {kDoorSheet}, nullptr, 9},
    {OBS_PROPELLER, {SPRITES "Obstacle/helic.png"}, nullptr, 10},
    {OBS_FAN, {SPRITES "Obstacle/Fan1.png"}},
    {OBS_FOUNTAIN, {SPRITES "Obstacle/Fountain.png"}, nullptr, 12, 400},  // row 0 idle, row 1 active
    {OBS_WALL, {SPRITES "Obstacle/mur.png"}},
    {OBS_REWARD, {SPRITES "Obstacle/recompance.png"}, nullptr, 9, 100},
    {OBS_BACKGROUND_END, {SPRITES "BackGround/PatternFin.png"}, SPRITES "BackGround/PaternFrontEnd.png"},
    {OBS_BACKGROUND_BOSS, {SPRITES "BackGround/PaternBoss.png"}},
    {OBS_BACKGROUND_TUTORIAL, {SPRITES "BackGround/PatternTutobg.png"}, SPRITES "BackGround/PatternTutoFront.png"},
    {OBS_LEDGE, {}},
    {OBS_FLYING_CRATE, {SPRITES "Obstacle/SpriteSheetFlyingCrate.png"}, nullptr, 26},
    {OBS_FORGE, {SPRITES "Maps/SpritesheetForge.png"}, nullptr, 9},
};

const char* const kRewardItems[] = {
    SPRITES "Obstacle/carte.png",
    SPRITES "Obstacle/epe.png",
    SPRITES "Obstacle/coeur.png",
    SPRITES "Obstacle/coin.png",
};

constexpr PatternElement Background(int type) { return {type, false, {}}; }
constexpr PatternElement Background(int type, PatternBox floor) { return {type, true, floor}; }
constexpr PatternElement Wall(PatternBox box) { return {OBS_WALL, true, box}; }
constexpr PatternElement Ledge(PatternBox box) { return {OBS_LEDGE, true, box}; }
constexpr PatternElement Propeller(PatternBox box) { return {OBS_PROPELLER, true, box}; }
constexpr PatternElement Fan() { return {OBS_FAN, false, {}}; }

// Wreck (biome 2)
const PatternElement kElements0[] = {
    Background(OBS_BACKGROUND_1, {411, 506, 993, 50}),
    Fan(),
    Wall({2196, 506, 231, 150}),
};
const PatternSpawn kSpawns0[] = {{SPAWN_BIRD, 1579, 506}, {SPAWN_ARCHER, 702, 200}};

const PatternElement kElements1[] = {
    Background(OBS_BACKGROUND_2, {411, 506, 1344, 50}),
    Ledge({2166, 506, 1344, 50}),
    Wall({3921, 262, 642, 400}),
};
const PatternSpawn kSpawns1[] = {{SPAWN_TANK, 1228, 760}, {SPAWN_RAT, 2983, 506}};

const PatternElement kElements2[] = {
    Wall({0, 262, 642, 400}),
    Background(OBS_BACKGROUND_3, {1464, -5, 231, 100}),
    Wall({2517, 506, 1344, 150}),
    Ledge({3219, 135, 231, 100}),
    Ledge({2868, -357, 231, 100}),
    Ledge({3219, -849, 231, 100}),
    Wall({3921, -1222, 231, 2000}),
    Fan(),
};
const PatternSpawn kSpawns2[] = {{SPAWN_TANK, 1500, 506}, {SPAWN_RAT, 1500, 262}};
// One crate 420 px above each of the three ledges, in their order.
const PatternPoint kCrates2[] = {{3219, 135 - 420}, {2868, -357 - 420}, {3219, -849 - 420}};

const PatternElement kElements3[] = {
    Wall({0, 20, 1344, 650}),
    Wall({2196, 506, 231, 150}),
    Background(OBS_BACKGROUND_4, {2166, -101, 231, 100}),
    Wall({3249, 506, 231, 150}),
    Propeller({3219, 496, 291, 10}),
    Wall({3570, -714, 993, 1500}),
};
const PatternSpawn kSpawns3[] = {{SPAWN_BIRD, 1579, 760}, {SPAWN_BIRD, 2983, -470}};

// Fort (biome 1)
const PatternElement kElements4[] = {
    Background(OBS_BACKGROUND_5, {0, 760, 1344, 650}),
    Ledge({1113, 491, 291, 20}),
    Wall({1464, 491, 291, 400}),
    Wall({1815, 232, 291, 600}),
    Ledge({2166, 232, 291, 20}),
    Wall({2517, 760, 993, 650}),
    Ledge({3219, 506, 291, 20}),
    Wall({4272, 760, 291, 650}),
    Ledge({2196, -248, 231, 100}),
    Ledge({3249, -72, 231, 100}),
};

const PatternElement kElements5[] = {
    Background(OBS_BACKGROUND_6, {0, 760, 993, 650}),
    Wall({1113, 491, 642, 400}),
    Ledge({1464, -40, 291, 20}),
    Wall({1815, -40, 642, 800}),
    Ledge({2868, -40, 291, 20}),
    Wall({3219, 217, 642, 600}),
    Wall({3921, 760, 642, 650}),
    Ledge({2868, -560, 291, 100}),
};

const PatternElement kElements6[] = {
    Background(OBS_BACKGROUND_7, {0, 760, 642, 650}),
    Wall({762, 491, 642, 400}),
    Wall({1815, 491, 642, 400}),
    Wall({2868, 491, 291, 400}),
    Ledge({2868, 232, 642, 20}),
    Ledge({3219, 491, 291, 20}),
    Wall({3219, 760, 291, 650}),
    Ledge({3921, 262, 291, 20}),
    Wall({4272, 262, 291, 800}),
    Ledge({1464, -40, 291, 100}),
    Ledge({2517, -311, 291, 100}),
};

// Special patterns
const PatternElement kElementsEnd[] = {
    Background(OBS_BACKGROUND_END, {kEndPatternOverlap, 760, 3801, 650}),
};
const PatternElement kElementsBoss[] = {Background(OBS_BACKGROUND_BOSS)};
const PatternElement kElementsTutorial[] = {
    Background(OBS_BACKGROUND_TUTORIAL, {777, 480, 351, 50}),
    Wall({2858, 480, 331, 300}),
    Wall({4212, 187, 4212, 700}),
};

const Pattern kPatterns[] = {
    {0, OBS_BACKGROUND_1, 2481, 0, 1, false, false, {0, 452}, kElements0, kSpawns0, {}},
    {1, OBS_BACKGROUND_2, 4563, 0, 2, false, false, {0, 206}, kElements1, kSpawns1, {}},
    {2, OBS_BACKGROUND_3, 4212, 2, 8, false, false, {0, -1276}, kElements2, kSpawns2, kCrates2},
    {3, OBS_BACKGROUND_4, 4584, 3, 6, false, false, {0, -784}, kElements3, kSpawns3, {}},
    {4, OBS_BACKGROUND_5, 4563, 0, 0, false, false, {0, -655}, kElements4, {}, {}},
    {5, OBS_BACKGROUND_6, 4638, 0, 0, false, false, {0, -970}, kElements5, {}, {}},
    {6, OBS_BACKGROUND_7, 4563, 0, 2, false, false, {0, -702}, kElements6, {}, {}},
    {kPatternEnd, OBS_BACKGROUND_END, 3915, 0, 0, false, false, {0, 590}, kElementsEnd, {}, {}},
    {kPatternBoss, OBS_BACKGROUND_BOSS, 4584, 3, 6, false, true, {0, 0}, kElementsBoss, {}, {}},
    {kPatternTutorial, OBS_BACKGROUND_TUTORIAL, 8466, 0, 0, true, true, {0, -260}, kElementsTutorial, {}, {}},
};

#undef SPRITES

}  // namespace

const ObstacleKind* FindObstacleKind(int type)
{
    for (const ObstacleKind& kind : kKinds)
        if (kind.type == type)
            return &kind;
    return nullptr;
}

const char* RewardItemPicture(int kind)
{
    if (kind < REWARD_CARD || kind > REWARD_COINS)
        return nullptr;
    return kRewardItems[kind - REWARD_CARD];
}

const Pattern* FindPattern(int id)
{
    for (const Pattern& pattern : kPatterns)
        if (pattern.id == id)
            return &pattern;
    return nullptr;
}

std::span<const Pattern> AllPatterns() { return kPatterns; }
