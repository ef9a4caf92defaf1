#pragma once
// The enemy roster of the current level (and the hub's training dummy),
// with everything enemies throw or leave behind: shots, coins, food, blood,
// smoke, damage numbers, and the death screen that counts the kills.
#include "enemies/enemy_table.hpp"
#include "engine/strip_animation.hpp"

#include <SFML/Graphics/RectangleShape.hpp>
#include <SFML/Graphics/RenderTarget.hpp>
#include <SFML/Graphics/Sprite.hpp>
#include <SFML/Graphics/Text.hpp>
#include <SFML/System/Vector2.hpp>
#include <vector>

struct Assets;
struct Game;
struct Hub;

// One roster entry. An archer is two: its body, and its arm right after it.
struct Enemy {
    sf::RectangleShape hitbox;  // the tank's body (its place and its collision box)
    sf::Sprite sprite;
    StripAnimation anim;
    int kind = 0;
    int health = 0;             // dies when a hit leaves it below 1
    float velocityY = 0.f;      // pixels per second, positive downwards
    float actionTimer = 0.f;    // the kind's attack or walk clock
    float stunTimer = 0.f;
    float flashTimer = 0.f;     // seconds left of the red hit tint
    int stunned = 0;            // 1: the kind's behaviour is skipped
    int aggro = 0;              // 1 once the player was detected
    int falling = 0;            // 1 once it met a hole: ground no longer holds it
    int chargeHit = 0;          // tank: this charge already hurt the player
    int chargeDir = -1;         // tank: -1 none, 0 charging left, 1 right
    int facingRight = 0;        // archer
    int jumping = 0;            // archer
    sf::RectangleShape checkGroundHb;  // archer body: the probe ahead of its feet
    sf::Vector2f armOffset{};   // archer arm: its place against the body's bounds
    float phase = 0.f;          // bird: radians of its circling
    int hasThrown = 0;          // rat: this attack already threw its flask
    int canSummon = 0;          // rat: the next attack summons
    int depthOffset = 0;        // skeleton rat: lifts its ground line
};

struct Shot {
    sf::Sprite sprite;
    StripAnimation anim;
    float angle = 0.f;      // radians, direction of flight
    float fallSpeed = 0.f;  // pixels per frame, positive downwards
    int kind = 0;           // ShotKind
};

struct Coin {
    sf::Sprite sprite;
    float angle = 0.f;      // radians, direction of the pop
    float fallSpeed = 0.f;  // pixels per frame
    float age = 0.f;
    int bounces = 0;
};

struct Food {
    sf::Sprite sprite;
    float angle = 0.f;
    float fallSpeed = 0.f;
    int bounces = 0;
};

struct Blood {
    sf::Sprite sprite;
    StripAnimation anim;
    sf::Vector2f offset{};  // from its enemy's centre
    int enemyIndex = 0;     // the roster entry it follows
};

struct Smoke {
    sf::Sprite sprite;
    StripAnimation anim;
    float lifetime = 0.f;
    int ticks = 0;  // hits already dealt
};

struct DamageText {
    sf::Text text;
    float life = 1.f;  // 1 down to 0
};

struct KillIcon {
    int kind = 0;
    sf::Sprite sprite;
    StripAnimation anim;
};

struct Enemies {
    Assets* assets = nullptr;  // every picture and font comes from this cache
    std::vector<Enemy> enemies;
    std::vector<sf::RectangleShape> triggers;  // emptied with the others; nothing fills it yet
    std::vector<sf::RectangleShape> holes;     // pits: an enemy that meets one falls through the ground
    std::vector<Shot> shots;
    std::vector<Coin> coins;
    std::vector<Food> food;
    std::vector<KillIcon> killIcons;  // one per kill since the last reset, sorted by kind
    std::vector<DamageText> damageTexts;
    std::vector<Blood> bloods;
    std::vector<Smoke> smokes;
    sf::RectangleShape recapButton;  // the death screen's way to the hub
    sf::Sprite panelSprite;          // the death screen's background
    sf::Text killText;               // the death screen's count
    int shownKills = 0;              // icons revealed so far on the death screen
    float revealTimer = 0.f;
    int resetPending = 1;  // the level builder empties the roster before placing new enemies
    int runKills = 0;      // kills since the player last left the hub (the win screen's count)
    int runCoins = 0;      // coins collected since then
};

// ---- Roster (enemies.cpp) --------------------------------------------------
void InitEnemies(Enemies& enemies, Assets& assets);
// Empties the roster and every list but the food and the blood.
void ResetEnemies(Enemies& enemies);
void AddHole(Enemies& enemies, const sf::FloatRect& rect);
void UpdateEnemies(Enemies& enemies, float dt, Game& game);
// The animation step every kind shares.
void AnimateEnemy(Enemy& enemy, float dt);
// A spell's area: every enemy under it is hurt (while a training dummy
// stands, only the dummy). Lightning (kindOfSource 4) stuns the survivors.
// 1 when at least one enemy was hit.
int HurtEnemiesInArea(Enemies& enemies, const sf::FloatRect& area, int kindOfSource, int damage, Hub& hub);
// Removes an enemy with its drops, kill icon and blood; an archer's body
// and arm always go together, whichever of the two is named. An index
// outside the roster does nothing.
void KillEnemy(Enemies& enemies, int index);
void KillAllEnemies(Game& game);     // a level switch
void CalmEnemies(Enemies& enemies);  // a door: every enemy forgets the player
// The body of the enemy at `index` (an arm's body is the entry before it).
int BodyIndex(const Enemies& enemies, int index);
// The last training dummy in the roster, or -1.
int LastDummyIndex(const Enemies& enemies);
// The box hits are measured by: the tank's body rectangle, else the sprite.
sf::FloatRect EnemyBounds(const Enemy& enemy);
// The red tint of a hit, and the training dummy's wobble.
void FlashEnemy(Enemy& enemy);

// ---- Kinds (enemy_spawn.cpp; behaviour in archer, tank, bird, rats) -------
void AddArcher(Enemies& enemies, sf::Vector2f position);
void AddBird(Enemies& enemies, sf::Vector2f position);
void AddTank(Enemies& enemies, sf::Vector2f position);
void AddRat(Enemies& enemies, sf::Vector2f position);
void AddSkeletonRat(Enemies& enemies, sf::Vector2f position);
void AddDummy(Enemies& enemies, sf::Vector2f position);
void UpdateArcher(Enemies& enemies, int index, float dt, Game& game);
void UpdateTank(Enemies& enemies, int index, float dt, Game& game);
void UpdateBird(Enemies& enemies, int index, float dt, Game& game);
void UpdateRat(Enemies& enemies, int index, float dt, Game& game);
void UpdateSkeletonRat(Enemies& enemies, int index, float dt, Game& game);

// ---- Shots (shots.cpp) -----------------------------------------------------
void AddShot(Enemies& enemies, sf::Vector2f start, int kind, float angle);
void UpdateShots(Enemies& enemies, float dt, Game& game);
void RemoveShot(Enemies& enemies, int index);

// ---- Drops (drops.cpp) -----------------------------------------------------
void AddCoins(Enemies& enemies, sf::Vector2f point);  // four coins a call
void UpdateCoins(Enemies& enemies, float dt, Game& game);
void RemoveCoin(Enemies& enemies, int index);
void AddFood(Enemies& enemies, sf::Vector2f point);
void UpdateFood(Enemies& enemies, float dt, Game& game);
void RemoveFood(Enemies& enemies, int index);
void RemoveAllFood(Enemies& enemies);

// ---- Effects (effects.cpp) -------------------------------------------------
void AddBlood(Enemies& enemies, sf::Vector2f point, int enemyIndex);
void UpdateBloods(Enemies& enemies, float dt);
void RemoveBlood(Enemies& enemies, int index);
void RemoveBloodsOf(Enemies& enemies, int enemyIndex);
void AddSmoke(Enemies& enemies, sf::Vector2f point);
void UpdateSmokes(Enemies& enemies, float dt, Game& game);
void RemoveSmoke(Enemies& enemies, int index);
void AddDamageText(Enemies& enemies, sf::Vector2f point, int damage);
void UpdateDamageTexts(Enemies& enemies, float dt);
void RemoveDamageText(Enemies& enemies, int index);

// ---- Death screen (death_screen.cpp) ---------------------------------------
void AddKillIcon(Enemies& enemies, int kind);
// The player died: the screen opens over the view centred on `viewCentre`.
void OpenDeathScreen(Enemies& enemies, sf::Vector2f viewCentre);
void UpdateDeathScreen(Enemies& enemies, float dt);
// A click at `click` (window pixels) on the screen's button sends the
// player to the hub with full health.
void DeathScreenClick(Game& game, sf::Vector2i click);
// The way back to the hub of the death screen and the win screen: the level
// and its enemies, bombs and boss fight gone, the player at the hub's door
// with full health and its coins, a new run's count started.
void SendPlayerToHub(Game& game);

// ---- Drawing (enemies_draw.cpp) --------------------------------------------
void DrawEnemies(const Game& game, sf::RenderTarget& window);
void DrawDamageTexts(const Game& game, sf::RenderTarget& window);
void DrawDeathScreen(const Game& game, sf::RenderTarget& window);
// With TIDEWRACK_DEBUG_HITBOXES=1: every enemy, shot and drop outlined.
void DrawEnemyHitboxes(const Enemies& enemies, sf::RenderTarget& window);
