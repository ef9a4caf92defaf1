#pragma once
// The boss's six attacks, each with its start (from ChooseAttack), its step
// (each frame while it runs) and its clean-up, and what they share.
#include "boss/boss.hpp"

// ---- Shared by the boss and its attacks (boss_anim.cpp) --------------------
// A strip from the table, from its first frame.
void StartStrip(StripAnimation& anim, const BossStrip& strip, const sf::IntRect& cell);
void StartBossStrip(Boss& boss, const BossStrip& strip);
// Shows the strip's current frame of `sheet` on the sprite (nothing for a
// spent strip or a row the sheet does not have).
void ShowCell(sf::Sprite& sprite, Assets& assets, const char* sheet, const StripAnimation& anim);
// An attack's strip: timer += dt and the frame shown; past its end a loop
// starts again from loopStart, a one-shot strip is spent (nothing shows).
void StepAttackStrip(StripAnimation& anim, sf::Sprite& sprite, float dt, Assets& assets, const char* sheet);
// A sprite of an attack: its picture, cut to its first cell, origin at the
// cell's centre.
void SetupAttackSprite(sf::Sprite& sprite, Assets& assets, const char* sheet, float scale);
void SetupShape(sf::RectangleShape& shape, const BossShape& size, sf::Color fill);
// The side rule: the boss faces left when `x` (its sprite's or its box's,
// as each attack says) is at or right of the player's body centre.
bool FacesLeft(float x, const Game& game);
// The attack is over: its clean-up, then back to walking.
void FinishAttack(Boss& boss);

// A one-shot strip that has run out shows this row, which no sheet has.
inline constexpr int kSpentStripRow = 20;

// ---- Attack 0 (boss_cauldron.cpp) ------------------------------------------
void StartCauldron(Boss& boss, Game& game);
void StepCauldron(Boss& boss, float dt, Game& game);
void EndCauldron(Boss& boss);

// ---- Attack 2 (boss_carrots.cpp) -------------------------------------------
// The launch timer's value once the launched carrot has left the screen.
inline constexpr float kRainPhase = 999999.f;
void StartCarrots(Boss& boss, Game& game);
void StepCarrots(Boss& boss, float dt, Game& game);
void EndCarrots(Boss& boss);
// The carrots are falling now: they hurt.
bool CarrotsFalling(const CarrotAttack& carrots);
bool CarrotsRaining(const CarrotAttack& carrots);

// ---- Attack 3 (boss_fire.cpp) ----------------------------------------------
void StartFire(Boss& boss, Game& game);
void StepFire(Boss& boss, float dt, Game& game);
void EndFire(Boss& boss);

// ---- Attack 4 (boss_shock_wave.cpp) ----------------------------------------
// The jump delay's value once the boss is in the air.
inline constexpr float kJumped = 999999.f;
void StartShockWave(Boss& boss, Game& game);
void StepShockWave(Boss& boss, float dt, Game& game);
void EndShockWave(Boss& boss);

// ---- Attack 5 (boss_food.cpp) ----------------------------------------------
void StartFood(Boss& boss, Game& game);
void StepFood(Boss& boss, float dt, Game& game);
void EndFood(Boss& boss);

// ---- Attack 6 (boss_melee.cpp) ---------------------------------------------
void StartMelee(Boss& boss, Game& game);
void StepMelee(Boss& boss, float dt, Game& game);
void EndMelee(Boss& boss);
