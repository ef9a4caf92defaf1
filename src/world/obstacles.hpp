#pragma once
// Everything a level is made of apart from its enemies: pattern pictures,
// invisible walls and ledges, doors, reward chests, propellers, crates.
#include "engine/animation.hpp"
#include "world/pattern_table.hpp"

#include <SFML/Graphics/RenderTarget.hpp>
#include <SFML/Graphics/Sprite.hpp>
#include <SFML/Graphics/VertexArray.hpp>

struct Game;
struct Level;

struct Obstacle {
    sf::Sprite sprite;       // main picture, and the animation's sprite
    bool hasSprite = false;  // false once a reward chest is taken
    sf::Sprite frontSprite;
    // The pieces of a sparse main or front picture (the cache's), drawn in
    // its sprite's place; null when the picture is drawn whole.
    const sf::VertexArray* pieces = nullptr;
    const sf::VertexArray* frontPieces = nullptr;
    sf::Sprite itemSprite;   // the reward above a chest
    bool hasItem = false;
    sf::Vector2f position{};
    sf::FloatRect hitbox{};  // empty for elements that do not collide
    int taken = 0;
    int hasFront = 0;
    int type = 0;
    float rearmTimer = 0.f;
    float itemAlpha = 0.f;
    int itemFaded = 0;
    int armed = 0;
    int tallBackground = 0;  // the picture hangs 947 px above `position`
    int opening = 0;
    int playOpen = 0;
    int ready = 0;
    int variant = 0;         // door: reward shown (0 plain); chest: its kind
    Animation animation{};
    Animation idleAnimation{};
    Animation activeAnimation{};
};

void InitObstacles(Game& game);
void InitObstacle(int type, int index, Level& level, Game& game);
void AddDoor(Level& level, Game& game, sf::Vector2f position);
void AddPlainDoor(Level& level, Game& game, sf::Vector2f position);
void AddFlyingCrate(Level& level, Game& game, sf::Vector2f position);
void AddReward(Level& level, Game& game, sf::Vector2f position);
void AddForge(Level& level, Game& game, sf::Vector2f position);
void AddFountain(Level& level, Game& game, sf::Vector2f position);
void AddWall(Level& level, Game& game, sf::Vector2f position);
struct Camera;
struct Player;

// The level's part of a frame, in the order the running game calls them.
// Platforms hold the body from above, walls from every side; the player's
// `onGround` is set again by a landing.
void CollideWithLevel(Level& level, Game& game);
// Fountains, propellers, chests and doors, with the body's bounds from
// before the collisions. The debug keys (M, B) and the tutorial's door only
// ask for a new level (`pendingSwitch`).
void InteractWithLevel(Level& level, float dt, Game& game, const sf::FloatRect& body);
// The map's two ends, where the camera stops, hold the body like walls.
void KeepInsideMap(Player& player, const Camera& camera);
// Builds the level asked for during the walk, then steps a door's fade and
// switches level at its black frame.
void SwitchLevel(Level& level, Game& game);
void TakeSubstance(Player& player, const Game& game, const sf::FloatRect& body);
void ApplyLevelGravity(Player& player, float dt, const sf::FloatRect& body);
// The level's walls push the body out (a long step is pushed out in parts).
void PushPlayerOutOfWalls(Level& level, Player& player);

void UpdateLevelAnimations(Game& game, float dt);
void DrawLevel(Level& level, sf::RenderTarget& window);
void DrawLevelFront(Level& level, sf::RenderTarget& window);
