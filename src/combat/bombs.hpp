#pragma once
// Thrown spell bombs and their detonations.
#include <SFML/Graphics/RenderTarget.hpp>

struct Game;
struct Enemies;
struct Player;
struct Hud;
struct Hub;

struct Bombs {
    int bombCount = 0;
};

void InitBombs(Bombs& bombs);
void UpdateBombs(Game& game, float dt);
void DrawBombs(Game& game, sf::RenderTarget& window);
void DetonateBomb(Bombs& bombs);
void RemoveAllBombs(Bombs& bombs);
// The player's swing against the roster; 1 when an enemy was hit.
int MeleeStrike(Enemies& enemies, Player& player, Hud& hud, Hub& hub);
