#pragma once
// Thrown spell bombs and their detonations.
#include <SFML/Graphics/RectangleShape.hpp>
#include <SFML/Graphics/RenderTarget.hpp>

struct Game;
struct Enemies;
struct Player;
struct Hud;
struct Hub;

// The bomb's box (tanks measure the bomb by it).
inline constexpr float kBombBoxSize = 50.f;

struct Bombs {
    int bombCount = 0;
    sf::RectangleShape bombHb;  // 50 x 50, origin at its centre
    int bombActive = 0;         // 1 while a bomb is out; a tank's shield can end it
};

void InitBombs(Bombs& bombs);
void UpdateBombs(Game& game, float dt);
void DrawBombs(Game& game, sf::RenderTarget& window);
void DetonateBomb(Bombs& bombs);
void RemoveAllBombs(Bombs& bombs);
// The player's swing against the roster; 1 when an enemy was hit.
int MeleeStrike(Enemies& enemies, Player& player, Hud& hud, Hub& hub);
