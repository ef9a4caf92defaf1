#pragma once
// The thrown spell bomb and the entries its detonation turns into: flying
// swords, a cross of blades, anvils, tentacles, lightning and homing imps.
// Their kinds, pictures and damage boxes are the spell table's.
#include "combat/spell_table.hpp"
#include "engine/strip_animation.hpp"

#include <SFML/Graphics/RectangleShape.hpp>
#include <SFML/Graphics/RenderTarget.hpp>
#include <SFML/Graphics/Sprite.hpp>
#include <SFML/System/Vector2.hpp>
#include <vector>

struct Assets;
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
    Assets* assets = nullptr;           // every spell picture comes from this cache
};

// ---- The bomb (bombs.cpp) ----------------------------------------------------
// Reads every spell picture into the cache once, so no throw or detonation
// reads a file. Without a cache (a test's bombs) nothing has a picture.
void InitBombs(Bombs& bombs, Assets* assets = nullptr);
// Throws a bomb of `kind` (SPELL_SWORD .. SPELL_MESPER) from the centre of
// the player's body towards the mouse (`mouse` in window pixels): counts the
// throw for the quest board and costs 10 mana. A bomb still out bursts
// first (callers detonate it before). Any other kind throws nothing.
void ThrowBomb(Game& game, int kind, sf::Vector2i mouse);
// The bomb out, if any, bursts into its spell's entries where it is.
void DetonateBomb(Bombs& bombs);
// One frame: the bomb's flight and roll, then every entry's motion, damage
// and end.
void UpdateBombs(Game& game, float dt);
void DrawBombs(Game& game, sf::RenderTarget& window);
// With TIDEWRACK_DEBUG_HITBOXES=1: the bomb's box and every area a spell
// hurts with, outlined.
void DrawSpellHitboxes(const Bombs& bombs, sf::RenderTarget& window);
// Removes entry `index` (the later ones move down); nothing for an index
// outside the list.
void RemoveExplosion(Bombs& bombs, int index);
void RemoveAllBombs(Bombs& bombs);

// ---- The entries (explosions.cpp) --------------------------------------------
// Appends the entries a detonation of `kind` at `centre` makes: one, or
// for the cross its picture and then its four blades.
void AddDetonation(Bombs& bombs, int kind, sf::Vector2f centre);
// Every entry made before this frame takes its step; entries removed
// during the walk are never stepped again and none is skipped.
void UpdateExplosions(Game& game, float dt);
// What an entry hurts with: a blade's own box, else its picture's bounds.
sf::FloatRect DamageArea(const Explosion& entry);
// A burst's imp (kind 5 like the burst it split from).
bool IsMesperImp(const Explosion& entry);
// Whether the entry hurts anything (the cross picture and a burst do not).
bool DealsDamage(const Explosion& entry);

// ---- Shared by the bomb and its entries (bombs.cpp) ---------------------------
// A strip of the picture's sheet, from its first frame.
StripAnimation SpellStrip(const SpellPicture& picture);
// The sprite shows the picture's first frame, from the bombs' cache.
void ShowSpellPicture(const Bombs& bombs, sf::Sprite& sprite, const SpellPicture& picture);
// One frame of an entry's strip: on past its end from its loop start when
// it loops, else it keeps its last frame.
void AnimateExplosion(Explosion& entry, float dt);

// ---- The sword (melee.cpp) -----------------------------------------------------
// The player's swing against the roster; 1 when an enemy was hit.
int MeleeStrike(Enemies& enemies, Player& player, Hud& hud, Hub& hub);
