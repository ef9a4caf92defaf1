#pragma once
// Everything a level is made of apart from its enemies: pattern pictures,
// invisible walls and ledges, doors, reward chests, propellers, crates.
#include "engine/animation.hpp"
#include "world/pattern_table.hpp"

#include <SFML/Graphics/RenderTarget.hpp>
#include <SFML/Graphics/Sprite.hpp>

struct Game;
struct Level;

struct Obstacle {
    sf::Sprite sprite;       // main picture, and the animation's sprite
    bool hasSprite = false;  // false once a reward chest is taken
    sf::Sprite frontSprite;
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
void UpdateObstacles(float dt, Game& game);
void UpdateLevelAnimations(Game& game, float dt);
void DrawLevel(Level& level, sf::RenderTarget& window);
void DrawLevelFront(Level& level, sf::RenderTarget& window);
