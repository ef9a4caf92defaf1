#include "world/obstacles.hpp"

#include "app/game.hpp"
#include "app/loading.hpp"
#include "engine/assets.hpp"
#include "engine/collision.hpp"
#include "engine/draw_in_view.hpp"
#include "engine/input.hpp"
#include "engine/layout_table.hpp"
#include "world/level.hpp"

#include <algorithm>
#include <cstdio>
#include <cstdlib>

namespace {

constexpr int kPropellerHang = 400;       // the propeller's picture stands on its hitbox
constexpr float kFloorLine = 670.f;       // no gravity once the body's bottom reaches it
constexpr float kMaxFallSpeed = 8000.f;
constexpr float kGravity = 6500.f;
constexpr float kItemFadeRate = 90.f;     // alpha per second
constexpr float kItemSinkSpeed = 150.f;   // pixels per second
constexpr int kCoinCalls = 6;             // four coins a call: 24 coins
constexpr float kDamageBonus = 0.2f;
constexpr int kLifeBonus = 15;
const sf::Vector2f kLevelStart{100.f, 617.f};
const sf::Vector2f kBossArenaStart{100.f, 570.f};

bool IsDoor(int type) { return type == OBS_DOOR || type == OBS_PLAIN_DOOR; }

bool HasHitbox(const Obstacle& element) { return element.hitbox.width > 0.f && element.hitbox.height > 0.f; }

const sf::Texture& Texture(Game& game, const char* path) { return GetTexture(*game.assets, path); }

const char* PickPicture(const ObstacleKind& kind)
{
    if (!kind.pictures[1])
        return kind.pictures[0];
    return kind.pictures[std::rand() % 2 == 1 ? 1 : 0];
}

// Both rows of the fountain's sheet drive its one sprite.
void SetupFountain(Obstacle& element, const ObstacleKind& kind, Assets& assets, const char* sheet)
{
    constexpr int kIdleRow = 0, kActiveRow = 1;
    element.sprite.setScale(3.f, 3.f);
    element.ready = element.armed = element.opening = 0;
    element.rearmTimer = 0.f;
    element.idleAnimation =
        CreateAnimation(SheetFrames(assets, sheet, kIdleRow), kind.fps, SheetCell(assets, sheet, kIdleRow));
    element.activeAnimation =
        CreateAnimation(SheetFrames(assets, sheet, kActiveRow), kind.fps, SheetCell(assets, sheet, kActiveRow));
    ShowAnimationFrame(element.idleAnimation, element.sprite);
}

// The chest's kind: the door that opened the level chose it, else a draw.
void SetupReward(Obstacle& element, Level& level, Game& game)
{
    const int drawn = std::rand() % 4 + 1;
    element.variant = level.rewardKind == 0 ? drawn : level.rewardKind;
    element.itemSprite.setTexture(Texture(game, RewardItemPicture(element.variant)), true);
    element.itemSprite.setPosition(element.position);
    element.hasItem = true;
    element.itemAlpha = 255.f;
}

sf::Vector2f PicturePosition(const Obstacle& element, const ObstacleKind& kind)
{
    if (element.type == OBS_PROPELLER)
        return {element.hitbox.left, element.hitbox.top - kPropellerHang};
    return {element.position.x, element.position.y - static_cast<float>(kind.hangY)};
}

void AddElement(Level& level, Game& game, int type, sf::Vector2f position, bool checkEnemies)
{
    Obstacle& element = level.obstacles.emplace_back();
    element.type = type;
    element.position = position;
    InitObstacle(type, static_cast<int>(level.obstacles.size()) - 1, level, game);
    if (checkEnemies)
        ClearEnemiesBeforeSpawning(game);
    level.obstacleCount = static_cast<int>(level.obstacles.size());
}

}  // namespace

void InitObstacles(Game& game)
{
    game.level.rewardKind = 0;
}

void InitObstacle(int type, int index, Level& level, Game& game)
{
    Obstacle& element = level.obstacles[static_cast<std::size_t>(index)];
    const ObstacleKind* kind = FindObstacleKind(type);
    element.type = type;
    element.pieces = element.frontPieces = nullptr;
    if (!kind)
        return;
    element.tallBackground = kind->hangY == 947 ? 1 : 0;
    element.hasFront = kind->front ? 1 : 0;
    if (kind->front) {
        ShowVisibleArea(element.frontSprite, *game.assets, kind->front);
        element.frontPieces = PicturePieces(*game.assets, kind->front);
        element.frontSprite.setPosition(element.position);
    }
    if (type == OBS_DOOR)
        element.variant = std::rand() % 4 + 1;
    if (type == OBS_REWARD)
        SetupReward(element, level, game);
    const char* picture = PickPicture(*kind);
    if (!picture)
        return;  // ledges are never seen
    // Still pictures (the patterns' huge backgrounds above all) are cut to
    // their visible part; sheets keep their whole frames.
    if (kind->fps > 0)
        element.sprite.setTexture(Texture(game, picture), true);
    else {
        ShowVisibleArea(element.sprite, *game.assets, picture);
        element.pieces = PicturePieces(*game.assets, picture);
    }
    element.sprite.setRotation(0.f);
    element.sprite.setPosition(PicturePosition(element, *kind));
    element.hasSprite = true;
    if (type == OBS_FOUNTAIN) {
        SetupFountain(element, *kind, *game.assets, picture);
    } else if (kind->fps > 0) {
        // Doors show their reward on their row; plain doors, and every
        // other sheet (a chest's variant is its kind), use row 0.
        const int row = IsDoor(type) ? element.variant : 0;
        element.animation = CreateAnimation(SheetFrames(*game.assets, picture, row), kind->fps,
                                            SheetCell(*game.assets, picture, row));
        ShowAnimationFrame(element.animation, element.sprite);
    }
}

void AddDoor(Level& level, Game& game, sf::Vector2f position) { AddElement(level, game, OBS_DOOR, position, true); }

void AddPlainDoor(Level& level, Game& game, sf::Vector2f position)
{
    AddElement(level, game, OBS_PLAIN_DOOR, position, true);
}

void AddFlyingCrate(Level& level, Game& game, sf::Vector2f position)
{
    AddElement(level, game, OBS_FLYING_CRATE, position, true);
    std::printf("FLYING_CRATE %f %f \n", position.x, position.y);
}

void AddReward(Level& level, Game& game, sf::Vector2f position)
{
    constexpr float kRewardShift = 200.f;
    AddElement(level, game, OBS_REWARD, {position.x - kRewardShift, position.y}, true);
}

void AddForge(Level& level, Game& game, sf::Vector2f position) { AddElement(level, game, OBS_FORGE, position, true); }

void AddFountain(Level& level, Game& game, sf::Vector2f position)
{
    AddElement(level, game, OBS_FOUNTAIN, position, true);
}

// Step walls mark a change of height; they show but do not collide.
void AddWall(Level& level, Game& game, sf::Vector2f position) { AddElement(level, game, OBS_WALL, position, false); }

// ---- The per-frame steps -------------------------------------------------

namespace {

bool Pressed(const Game& game, int action) { return IsActionDown(*game.input, action); }

Obstacle& At(Level& level, int i) { return level.obstacles[static_cast<std::size_t>(i)]; }

// Platforms hold the player only from above; walls from every side.
void CollideElement(Player& player, const Obstacle& element)
{
    if (!HasHitbox(element))
        return;
    if (element.type == OBS_WALL) {
        ResolvePlayerAgainstObstacle(element.hitbox, player);
        return;
    }
    const bool oneWay = element.type != OBS_REWARD && element.type != OBS_DOOR;
    if (oneWay && player.velocityY >= 0.f && player.slamming == 0)
        ResolvePlayerAgainstObstacle(element.hitbox, player);
}

void UseFountain(Game& game, Obstacle& element, const sf::FloatRect& body)
{
    if (element.type != OBS_FOUNTAIN || !RectsOverlap(body, element.sprite.getGlobalBounds())
        || !Pressed(game, ACTION_INTERACT))
        return;
    if (element.ready == 0) {
        element.armed = 1;
        element.ready = 1;
    }
    if (element.ready == 1) {
        element.opening = 1;
        element.ready = 0;
    }
}

void StartClimb(Game& game, const Obstacle& element)
{
    Player& player = game.player;
    if (element.type != OBS_PROPELLER || !Pressed(game, ACTION_CLIMB)
        || !RectOverlapsSprite(element.hitbox, player.hitbox))
        return;
    player.airborne = 1;
    player.climbing = 1;
    player.moveState = STATE_JUMP;
    player.jumpsLeft -= 1;
    player.climbMinX = element.hitbox.left;
    player.climbMaxX = element.hitbox.left + element.hitbox.width;
    player.currentAnim = player.facing == 1 ? ROW_JUMP_LEFT : ROW_JUMP_RIGHT;
    player.climbTime = player.climbDuration;
}

// Each reward also names itself on standard output: the bare word, with
// no line end.
void GiveReward(Game& game, Obstacle& element)
{
    Player& player = game.player;
    switch (element.variant) {
    case REWARD_COINS: {
        const sf::FloatRect item = element.itemSprite.getGlobalBounds();
        const sf::Vector2f centre{item.left + item.width / 2.f, item.top + item.height / 2.f};
        for (int call = 0; call < kCoinCalls; ++call)
            AddCoins(game.enemies, centre);
        break;
    }
    case REWARD_DAMAGE:
        player.upgradeFlash = 1;
        player.damageFactor += kDamageBonus;
        std::printf("DAMAGE");
        break;
    case REWARD_CARD:
        std::printf("CARD");
        break;
    case REWARD_LIFE:
        player.bonusHealth += kLifeBonus;
        RaiseMaxHealth(game.hud, player, kLifeBonus);
        std::printf("LIFE");
        break;
    }
}

void OpenChest(Game& game, Obstacle& element, const sf::FloatRect& body, float dt)
{
    if (RectsOverlap(body, element.itemSprite.getGlobalBounds()) && Pressed(game, ACTION_INTERACT)
        && element.hasSprite) {
        element.taken = 1;
        element.itemAlpha = 255.f;
        element.playOpen = 1;
        element.hasSprite = false;
        GiveReward(game, element);
    }
    if (element.taken == 1 && element.itemAlpha >= 10.f) {
        element.itemAlpha -= kItemFadeRate * dt;
        element.itemSprite.setColor({255, 255, 255, static_cast<sf::Uint8>(static_cast<int>(element.itemAlpha))});
    } else if (element.itemAlpha < 20.f && element.itemFaded == 0) {
        element.itemAlpha = 0.f;
        element.itemFaded = 1;
    }
}

// The tutorial's door leads to the hub (asked for, done after the walk);
// any other door starts the fade to the next level.
void OpenDoor(Game& game, const Obstacle& element, const sf::FloatRect& body)
{
    Level& level = game.level;
    if (!IsDoor(element.type) || !Pressed(game, ACTION_INTERACT)
        || !RectsOverlap(body, element.sprite.getGlobalBounds()))
        return;
    if (level.returnToHub == 1) {
        level.pendingSwitch = LEVEL_SWITCH_TO_HUB;
        return;
    }
    CalmEnemies(game.enemies);
    game.player.frozen = 1;
    level.rewardKind = element.variant;
}

void GoToHub(Game& game)
{
    Level& level = game.level;
    ResetLevel(level);
    level.returnToHub = 0;
    EnterHub(game);
}

// The black frame of the fade: the old level goes, the next one is built.
void SwitchToNextLevel(Game& game, sf::Vector2f centre)
{
    Level& level = game.level;
    game.player.hitbox.setPosition(kLevelStart);
    ResetCamera(game.camera);
    level.fadeRect.setPosition(centre.x - kScreenWidth, centre.y - kScreenHeight);
    ResetLevel(level);
    if (level.levelNumber == kBossLevelNumber) {
        StartLoading(game, LOADING_ARENA);  // the arena is built behind the loading screen
    } else {
        ClearDecorAnimations(game.background);
        KillAllEnemies(game);
        RemoveAllFood(game.enemies);
        level.rollBiome = 1;
        BuildLevel(level, game);
    }
    level.fadeAlpha = 0;
    level.fadeRect.setFillColor(sf::Color::Transparent);
    game.player.frozen = 0;
}

void DebugRebuild(Game& game)
{
    ReadPlaceNow(game, LOADING_RUN);  // from the hub, which let the run's scenery go
    ResetLevel(game.level);
    game.level.rollBiome = 1;
    ClearDecorAnimations(game.background);  // one statue per level, however long M is held
    BuildLevel(game.level, game);
}

void DebugBossArena(Game& game)
{
    ReadPlaceNow(game, LOADING_ARENA);
    ResetLevel(game.level);
    BuildBossLevel(game.level, game);
    game.player.hitbox.setPosition(kBossArenaStart);
}

}  // namespace

void CollideWithLevel(Level& level, Game& game)
{
    game.player.onGround = 0;
    for (int i = 0; i < level.obstacleCount; ++i)
        CollideElement(game.player, At(level, i));
}

// Fountains, propellers, chests and doors, in the elements' order. The debug
// keys and the tutorial's door only ask for a new level: it is built once
// the walk is over, so no walk ever goes on over a level just replaced.
void InteractWithLevel(Level& level, float dt, Game& game, const sf::FloatRect& body)
{
    for (int i = 0; i < level.obstacleCount; ++i) {
        Obstacle& element = At(level, i);
        UseFountain(game, element, body);
        if (Pressed(game, ACTION_DEBUG_REBUILD))
            level.pendingSwitch = LEVEL_SWITCH_REBUILD;
        StartClimb(game, element);
        if (element.type == OBS_REWARD)
            OpenChest(game, element, body, dt);
        else if (Pressed(game, ACTION_DEBUG_ARENA))
            level.pendingSwitch = LEVEL_SWITCH_BOSS_ARENA;
        OpenDoor(game, element, body);
    }
}

// The camera shows nothing past the map's ends (the arena is one screen):
// they hold the body like walls, so the player can never walk out of sight.
void KeepInsideMap(Player& player, const Camera& camera)
{
    if (camera.maxX <= 0)
        return;
    const sf::FloatRect body = player.hitbox.getGlobalBounds();
    const float right = static_cast<float>(camera.maxX) - body.width;
    const float x = std::clamp(body.left, 0.f, std::max(right, 0.f));
    if (x != body.left)
        player.hitbox.move(x - body.left, 0.f);
}

void SwitchLevel(Level& level, Game& game)
{
    const int request = level.pendingSwitch;
    level.pendingSwitch = LEVEL_SWITCH_NONE;
    if (request == LEVEL_SWITCH_REBUILD)
        DebugRebuild(game);
    else if (request == LEVEL_SWITCH_BOSS_ARENA)
        DebugBossArena(game);
    else if (request == LEVEL_SWITCH_TO_HUB)
        GoToHub(game);
    // A door's fade steps once a frame, whichever door started it, so it
    // lasts 125 frames; its black frame builds the next level. The fade
    // covers what the player sees: the camera's view.
    if (game.player.frozen == 1) {
        const sf::Vector2f centre = game.camera.view.getCenter();
        StepLevelFade(level, centre);
        if (level.fadeAlpha >= kFadeSwitchAlpha)
            SwitchToNextLevel(game, centre);
    }
}

void TakeSubstance(Player& player, const Game& game, const sf::FloatRect& body)
{
    const bool rightMoment = player.substanceFrames < 6 || player.substanceFrames > 24;
    if (RectsOverlap(body, player.substanceSprite.getGlobalBounds()) && Pressed(game, ACTION_INTERACT)
        && player.cinematicState == CINEMATIC_SUBSTANCE && rightMoment && player.armsSequence == 0) {
        player.cinematicState = CINEMATIC_NONE;
        player.armsSequence = 1;
    }
    // The arms grow through to the end, whatever pose the player's own
    // update chose this frame (the special pose, a fall).
    if (player.armsSequence == 1)
        player.currentAnim = ROW_GROW_ARMS;
}

void ApplyLevelGravity(Player& player, float dt, const sf::FloatRect& body)
{
    if (body.top + body.height < kFloorLine && player.onGround == 0 && player.velocityY <= kMaxFallSpeed)
        player.velocityY += kGravity * dt;
}

void PushPlayerOutOfWalls(Level& level, Player& player)
{
    for (const Obstacle& element : level.obstacles)
        if (element.type == OBS_WALL && HasHitbox(element))
            ResolvePlayerAgainstObstacle(element.hitbox, player);
}

void UpdateLevelAnimations(Game& game, float dt)
{
    for (Obstacle& element : game.level.obstacles) {
        switch (element.type) {
        case OBS_PROPELLER:
        case OBS_DOOR:
        case OBS_FLYING_CRATE:
        case OBS_PLAIN_DOOR:
            StepAnimationLoop(element.animation, dt, 1, element.sprite);
            break;
        case OBS_REWARD:
            StepAnimationOnce(element.animation, dt, 1, element);
            break;
        case OBS_FOUNTAIN:
            StepRewardAnimation(element.ready == 1 ? element.activeAnimation : element.idleAnimation, dt, 1,
                                element);
            break;
        }
        if (element.taken == 1 && element.hasItem)
            element.itemSprite.move(0.f, kItemSinkSpeed * dt);
    }
}

void DrawLevel(Level& level, sf::RenderTarget& window)
{
    const sf::FloatRect area = ViewArea(window);
    for (Obstacle& element : level.obstacles) {
        const int type = element.type;
        if (element.hasSprite && type != OBS_PROPELLER)
            DrawInView(window, area, element.sprite, element.pieces);
        // A taken chest has no picture of its own but keeps playing its opening.
        const bool animated = type == OBS_PROPELLER || IsDoor(type) || type == OBS_REWARD || type == OBS_FLYING_CRATE;
        if (animated && element.animation.frameCount > 0)
            DrawInView(window, area, element.sprite);
        else if (element.hasFront == 1)
            DrawInView(window, area, element.frontSprite, element.frontPieces);
        else if (type == OBS_FOUNTAIN)
            DrawInView(window, area, element.sprite);
        if (element.hasItem && element.itemAlpha > 20.f)
            DrawInView(window, area, element.itemSprite);
    }
}

void DrawLevelFront(Level& level, sf::RenderTarget& window)
{
    const sf::FloatRect area = ViewArea(window);
    for (Obstacle& element : level.obstacles)
        if (element.hasFront == 1)
            DrawInView(window, area, element.frontSprite, element.frontPieces);
}
