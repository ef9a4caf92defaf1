#include "world/level.hpp"

#include "app/game.hpp"
#include "engine/collision.hpp"
#include "engine/layout_table.hpp"
#include "world/pattern_table.hpp"

#include <algorithm>
#include <cstdio>
#include <cstdlib>

namespace {

constexpr int kStepHeight = 249;   // one step of height, in pixels
constexpr int kStepBase = 719;     // wall y of height 0
constexpr int kStepWallInset = 12;
constexpr int kRandomLevelPatterns = 4;
constexpr int kBiome1Base = 4;     // biome 1's patterns are 4, 5, 6
constexpr int kDoorsFromLength = 3000;  // a shorter level gets no doors
// The end pattern's pieces, from the start of its floor.
const sf::Vector2f kEndDoors[] = {{3219.f, 370.f}, {3519.f, 370.f}};
const sf::Vector2f kEndReward{2748.f, 0.f};
constexpr float kStatueFromEnd = 2000.f;
constexpr float kStatueY = 200.f;
constexpr int kDecorStatue = 5;

void SpawnEnemy(Game& game, const PatternSpawn& spawn, float x)
{
    const sf::Vector2f at{x + spawn.x, spawn.y};
    switch (spawn.enemy) {
    case SPAWN_ARCHER: AddArcher(game.enemies, at); break;
    case SPAWN_BIRD: AddBird(game.enemies, at); break;
    case SPAWN_RAT: AddRat(game.enemies, at); break;
    case SPAWN_TANK: AddTank(game.enemies, at); break;
    }
}

// The pattern's walls, ledges and fans are painted into its background.
bool ShownOnItsOwn(int type)
{
    return type != OBS_WALL && type != OBS_LEDGE && type != OBS_FAN;
}

// Every element has its hitbox before it is initialised, so each picture
// stands on its hitbox: a propeller initialised first would have no place
// and be climbable but unseen.
void PlaceElements(Level& level, Game& game, const Pattern& pattern, float x)
{
    const std::size_t first = level.obstacles.size();
    for (const PatternElement& part : pattern.elements) {
        Obstacle& element = level.obstacles.emplace_back();
        element.type = part.type;
        if (part.type == pattern.backgroundType)
            element.position = {x + pattern.background.x, pattern.background.y};
        if (part.collides)
            element.hitbox = {x + part.hitbox.left, part.hitbox.top, part.hitbox.width, part.hitbox.height};
    }
    for (std::size_t k = 0; k < pattern.elements.size(); ++k) {
        const int index = static_cast<int>(first + k);
        InitObstacle(pattern.elements[k].type, index, level, game);
        if (!ShownOnItsOwn(pattern.elements[k].type))
            level.obstacles[first + k].hasSprite = false;
    }
}

void AddEndPieces(Level& level, Game& game, float floorX)
{
    if (floorX < kDoorsFromLength)
        return;
    for (const sf::Vector2f& door : kEndDoors) {
        const sf::Vector2f at{floorX + door.x, door.y};
        if (level.levelNumber == kBossLevelNumber)
            AddPlainDoor(level, game, at);  // the fourth level's doors lead to the arena
        else
            AddDoor(level, game, at);
    }
    AddReward(level, game, {floorX + kEndReward.x, kEndReward.y});
}

void OpenBossArena(Game& game)
{
    PlaceBoss(game);
    ShowBossBar(game.hud, kBossMaxHealth, kBossName);
    SetCameraBounds(game.camera, kScreenWidth, 0);  // one screen
    ResetCamera(game.camera);
}

}  // namespace

void ClearEnemiesBeforeSpawning(Game& game)
{
    if (game.enemies.resetPending == 1) {
        ResetEnemies(game.enemies);
        game.enemies.resetPending = 0;
    }
}

void InitLevel(Level& level, Game& game)
{
    ResetLevel(level);
    level.fadeRect.setSize({kScreenWidth, kScreenHeight});
    level.fadeRect.setOrigin(kScreenHalfWidth, kScreenHalfHeight);
    level.fadeRect.setFillColor(sf::Color::Transparent);
    level.fadeAlpha = 0;
    level.rollBiome = 0;
    level.debugHitboxes = HitboxOverlayWanted() ? 1 : 0;
    StartCinematic(game);
    BuildTutorialLevel(level, game);
}

void ResetLevel(Level& level)
{
    level.obstacles.clear();
    level.obstacleCount = 0;
    level.cursorX = 0;
}

void AddPattern(Level& level, Game& game, int x, int id)
{
    const Pattern* pattern = FindPattern(id);
    if (!pattern)
        return;  // an empty slot
    const int cursorBefore = level.cursorX;
    const float left = pattern->atOrigin ? 0.f : static_cast<float>(x);
    PlaceElements(level, game, *pattern, left);
    ClearEnemiesBeforeSpawning(game);
    for (const PatternSpawn& spawn : pattern->spawns)
        SpawnEnemy(game, spawn, left);
    level.obstacleCount = static_cast<int>(level.obstacles.size());
    level.cursorX += pattern->width;
    if (!pattern->keepsHeights) {
        level.entryHeight = pattern->entryHeight;
        level.exitHeight = pattern->exitHeight;
    }
    for (const PatternPoint& crate : pattern->crates)
        AddFlyingCrate(level, game, {left + crate.x, crate.y});
    if (id == kPatternEnd)
        AddEndPieces(level, game, static_cast<float>(cursorBefore));
    if (id == kPatternBoss)
        OpenBossArena(game);
    if (id == kPatternTutorial) {
        AddDoor(level, game, {kTutorialDoorX, kTutorialDoorY});
        SetCameraBounds(game.camera, level.cursorX, kLevelTopLimit);
    }
}

void AddStepWalls(Level& level, Game& game, int boundary, int fromHeight, int toHeight)
{
    for (int h = std::min(fromHeight, toHeight) + 1; h <= std::max(fromHeight, toHeight); ++h)
        AddWall(level, game,
                {static_cast<float>(boundary - kStepWallInset), static_cast<float>(kStepBase - kStepHeight * h)});
}

// Four patterns of one biome, no pattern twice in a row, then the end.
void BuildLevel(Level& level, Game& game)
{
    LeaveArena(game);
    const int roll = std::rand() % 2;
    int base = 0;
    if (level.rollBiome == 1) {
        base = roll == 1 ? kBiome1Base : 0;
        level.biome = roll == 1 ? 1 : 0;
        std::printf(roll == 1 ? "BIOME 1\n" : "BIOME 2\n");
    }
    int last = std::rand() % 2;
    AddPattern(level, game, level.cursorX, base + last);
    int prevExit = level.exitHeight;
    level.levelNumber += 1;
    int boundary = level.cursorX;
    // The roll is taken off the first draw only: biome 1 may open on pattern 3.
    int candidate = std::rand() % 4 - roll;
    for (int placed = 1; placed < kRandomLevelPatterns;) {
        if (candidate == last) {
            candidate = std::rand() % 4;
            continue;
        }
        last = candidate;
        AddPattern(level, game, level.cursorX, base + candidate);
        placed += 1;
        AddStepWalls(level, game, boundary, prevExit, level.entryHeight);
        candidate = std::rand() % 4;
        boundary = level.cursorX;
        prevExit = level.exitHeight;
    }
    AddPattern(level, game, level.cursorX - kEndPatternOverlap, kPatternEnd);
    AddDecorAnimation(game.background, *game.assets,
                      {static_cast<float>(level.cursorX) - kStatueFromEnd, kStatueY}, kDecorStatue);
    AddStepWalls(level, game, boundary, prevExit, 0);
    SetCameraBounds(game.camera, level.cursorX, kLevelTopLimit);
}

void BuildTutorialLevel(Level& level, Game& game)
{
    AddPattern(level, game, level.cursorX, kPatternTutorial);
    level.returnToHub = 1;
}

void BuildBossLevel(Level& level, Game& game)
{
    AddPattern(level, game, level.cursorX, kPatternBoss);
}

void OpenArena(Game& game)
{
    ResetLevel(game.level);
    BuildBossLevel(game.level, game);  // the arena's build empties the roster itself
}

void StepLevelFade(Level& level, sf::Vector2f viewCentre)
{
    if (level.fadeAlpha >= 0 && level.fadeAlpha <= 255)
        level.fadeAlpha += 2;
    level.fadeRect.setPosition(viewCentre);
    level.fadeRect.setFillColor({0, 0, 0, static_cast<sf::Uint8>(level.fadeAlpha & 0xFF)});
}

namespace {

sf::Color DebugColour(int type)
{
    if (type == OBS_WALL)
        return sf::Color::Red;
    if (type == OBS_PROPELLER)
        return sf::Color::Magenta;
    return sf::Color::Green;  // platforms
}

}  // namespace

void DrawLevelFade(Level& level, sf::RenderTarget& window)
{
    if (level.fadeAlpha > 0)
        window.draw(level.fadeRect);
}

void DrawHitboxOverlay(Game& game, sf::RenderTarget& window)
{
    if (game.level.debugHitboxes != 1)
        return;
    for (const Obstacle& element : game.level.obstacles)
        if (element.hitbox.width > 0.f && element.hitbox.height > 0.f)
            OutlineBox(window, element.hitbox, DebugColour(element.type));
    OutlineBox(window, game.player.hitbox.getGlobalBounds(), sf::Color::Yellow);
    DrawEnemyHitboxes(game.enemies, window);
    DrawSpellHitboxes(game.bombs, window);
    if (game.hud.bossFight == 1)
        DrawBossHitboxes(game.boss, window);
}
