#pragma once
// A level: one horizontal strip of world assembled from hand-made patterns
// laid end to end, rebuilt in place each time.
#include "world/obstacles.hpp"

#include <SFML/Graphics/RectangleShape.hpp>
#include <vector>

struct Game;

// A new level asked for during the walk over the elements, built after it.
enum LevelSwitch {
    LEVEL_SWITCH_NONE = 0,
    LEVEL_SWITCH_REBUILD,     // M: a new random level
    LEVEL_SWITCH_BOSS_ARENA,  // B: the boss arena
    LEVEL_SWITCH_TO_HUB,      // the tutorial's door
};

struct Level {
    int obstacleCount = 0;
    int cursorX = 0;       // where the next pattern starts; after building, the length
    int entryHeight = 0;   // step heights of 249 px: y = 719 − 249 × h
    int exitHeight = 0;
    int fadeAlpha = 0;
    int rewardKind = 0;    // chosen at the door that opened this level; 0 = draw one
    int levelNumber = 0;   // random levels built since start, never reset
    int returnToHub = 0;   // the tutorial's door leads to the hub
    int rollBiome = 0;
    int biome = 0;         // 1 = biome 1 (fort), 0 = biome 2 (wreck)
    sf::RectangleShape fadeRect;  // the screen's size, black, centred on the view
    int debugHitboxes = 0;        // TIDEWRACK_DEBUG_HITBOXES=1: outline every hitbox
    int pendingSwitch = LEVEL_SWITCH_NONE;
    std::vector<Obstacle> obstacles;
};

// The fade switches level once its alpha reaches this: 125 frames of 2.
inline constexpr int kFadeSwitchAlpha = 250;
// The doors of the fourth random level lead to the boss arena.
inline constexpr int kBossLevelNumber = 4;

void InitLevel(Level& level, Game& game);
void ResetLevel(Level& level);
void BuildLevel(Level& level, Game& game);
void BuildTutorialLevel(Level& level, Game& game);
void BuildBossLevel(Level& level, Game& game);
// The fourth level's door, once the loading screen is over: the arena.
void OpenArena(Game& game);
void AddPattern(Level& level, Game& game, int x, int id);
void StepLevelFade(Level& level, sf::Vector2f viewCentre);
// Before a pattern places enemies: the roster is emptied once if it asks for it.
void ClearEnemiesBeforeSpawning(Game& game);
// Decorative walls between two step heights at a pattern boundary.
void AddStepWalls(Level& level, Game& game, int boundary, int fromHeight, int toHeight);
// Drawn over the level and the player: the door's fade.
void DrawLevelFade(Level& level, sf::RenderTarget& window);
// With TIDEWRACK_DEBUG_HITBOXES=1: every hitbox outlined, over everything.
void DrawHitboxOverlay(Game& game, sf::RenderTarget& window);
