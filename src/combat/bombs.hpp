#pragma once
// The thrown spell bomb and the entries its detonation turns into: flying
// swords, a cross of blades, anvils, tentacles, lightning and homing imps.
// Their kinds, pictures and damage boxes are the spell table's.
#include "combat/spell_table.hpp"
#include "engine/strip_animation.hpp"

#include <SFML/Graphics/RectangleShape.hpp>
#include <SFML/Graphics/RenderTarget.hpp>
#include <SFML/Graphics/Sprite.hpp>
#include <vector>

struct Game;
struct Enemies;
struct Player;
struct Hud;
struct Hub;

// One entry of a detonation. It holds its sprite and strip by value (the
// list moves its entries as it grows and shrinks).
struct Explosion {
    sf::RectangleShape hitbox;  // where it hurts (never drawn); unset for the cross picture and imps
    sf::Sprite sprite;
    StripAnimation anim;
    int kind = 0;               // SpellKind: 0..5, 6 for a cross blade
    float anvilSpeed = 0.f;     // anvil: falling speed, grown every frame
    float age = 0.f;            // tentacles, lightning, blades: seconds since made
    float anchorX = 0.f;        // blade: the point it flies back to
    float anchorY = 0.f;
    float anvilFall = 0.f;      // anvil: distance fallen (its damage grows with it)
    int ticksDone = 0;          // tentacles, lightning: damage ticks dealt
    int flipped = 0;            // imp: mirrored while it flies left
};

struct Bombs {
    sf::RectangleShape bombHb;  // 50 x 50, origin at its centre; tanks measure the bomb by it
    sf::Sprite bombSprite;
    StripAnimation bombAnim;
    int bombActive = 0;         // 1 while a bomb flies or lies waiting; a tank's shield can end it
    int bombKind = 0;
    float fallRamp = 0.f;       // 0 at the throw, grows to 1: the fall eases in
    float throwAngle = 0.f;     // radians
    float fallSpeed = 0.f;
    std::vector<Explosion> explosions;  // the live entries, oldest first
    int explosionCount = 0;             // always explosions.size()
};

void InitBombs(Bombs& bombs);
void UpdateBombs(Game& game, float dt);
void DrawBombs(Game& game, sf::RenderTarget& window);
void DetonateBomb(Bombs& bombs);
// Throws a bomb of spell `kind` from the player towards the mouse (window pixels).
void ThrowBomb(Game& game, int kind, sf::Vector2i mouse);
// Removes entry `index` (the later ones move down); nothing for an index
// outside the list.
void RemoveExplosion(Bombs& bombs, int index);
void RemoveAllBombs(Bombs& bombs);
// The player's swing against the roster; 1 when an enemy was hit.
int MeleeStrike(Enemies& enemies, Player& player, Hud& hud, Hub& hub);
