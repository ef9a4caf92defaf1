#pragma once
// What every kind, shot and drop measures the world by.
#include "enemies/enemies.hpp"

#include <SFML/Graphics/Rect.hpp>

struct Game;
struct Level;
struct Obstacle;

// The player's body: the 87 x 162 box that moves and collides. The display
// sprite is mostly transparent and sits far left of it, so nothing hits or
// aims at that.
sf::FloatRect PlayerBody(const Game& game);

// Horizontal distance between the player's and an enemy's left edges,
// whole pixels: how kinds decide whether the player is near.
int PlayerDistance(const sf::FloatRect& player, const sf::FloatRect& enemy);

// The level's blocks: its elements that have a collision box.
bool IsBlock(const Obstacle& element);

sf::Vector2f Centre(const sf::FloatRect& box);

// The angle from a point to the centre of the player's body.
float AimAtPlayer(sf::Vector2f from, const sf::FloatRect& player);

// A stunned enemy only counts its stun down (it neither moves, attacks nor
// animates). True while it is stunned.
bool StepStun(Enemy& enemy, float dt);

// Sets a texture from the enemies' cache (nothing without one, as in a
// test that builds a roster by hand).
void SetPicture(const Enemies& enemies, sf::Sprite& sprite, const char* path);

// A strip of `frames` cells of the sheet's cell size, on `row`.
StripAnimation SheetStrip(const char* sheet, int frames, float frameTime, int row, int looping);

// The archer's probe ahead of its feet: it jumps a gap, lands on a block.
void ArcherGroundProbe(Enemy& body, const Level& level);
