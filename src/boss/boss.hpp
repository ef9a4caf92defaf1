#pragma once
// The boss of the arena, "Gorsh & Quillet": two cooks, the small one riding
// the big one. They walk towards the player for a while, then run one of six
// attacks, and again; hurt through the HUD's boss bar, they fall, drop their
// coins, and the win screen ends the run. The numbers are the boss table's.
#include "boss/boss_table.hpp"
#include "engine/strip_animation.hpp"

#include <SFML/Graphics/Rect.hpp>
#include <SFML/Graphics/RectangleShape.hpp>
#include <SFML/Graphics/RenderTarget.hpp>
#include <SFML/Graphics/Sprite.hpp>
#include <SFML/Graphics/Text.hpp>
#include <SFML/System/Vector2.hpp>
#include <array>
#include <vector>

struct Assets;
struct Game;

enum BossState {
    BOSS_WALK = 0,    // walking, or choosing the next attack
    BOSS_ATTACK = 1,  // an attack runs
};

// Each attack's state. `running` is 1 from its start to its clean-up: a
// clean-up runs only for an attack that ran, and a second one does nothing.

// Attack 0: the cauldron bowled along the floor, then fetched.
struct CauldronAttack {
    float cauldronDelay = 0.f;         // time until the throw
    sf::Sprite cauldronSprite;
    sf::Vector2f cauldronVelocity{};
    sf::RectangleShape cannonballHitbox;
    StripAnimation cauldronAnim;
    int cauldronLaunched = 0;          // thrown: it rolls, and is drawn
    int cauldronMoving = 0;            // still rolling out: it hurts only then
    int bossFetching = 0;              // the fetch row has started
    int stopping = 0;                  // its spin has turned into the stop
    int running = 0;
};

// Attack 2: a carrot shot into the sky, then a rain of them under warnings.
struct CarrotAttack {
    float launchTimer = 0.f;           // counts down to the launch; kRainPhase once the carrot is gone
    sf::Sprite carrotSprite;           // the launched carrot
    StripAnimation launchAnim;
    int carrotLaunched = 0;
    std::vector<sf::Sprite> fallCarrots;
    std::vector<sf::RectangleShape> carrotHitboxes;
    sf::Vector2f carrotFall{};
    int carrotCount = 0;
    StripAnimation fallAnim;           // one strip for every falling carrot
    std::vector<sf::Sprite> warnings;
    float rainDelay = 0.f;             // the carrots fall once it is below 0
    StripAnimation warningAnim;        // one strip for every warning
    int running = 0;
};

// Attack 3: fire breathed onto the floor in front.
struct FireAttack {
    sf::Sprite fireSprite;
    sf::RectangleShape fireHitbox;
    float fireDelay = 0.f;
    float fireBurnTime = 0.f;
    float fireEndTimer = 0.f;
    int fireLit = 0;                   // it burns, and hurts, only while lit
    StripAnimation fireAnim;
    int running = 0;
};

// Attack 4: the jump whose landing sends a shock wave each way.
struct ShockWaveAttack {
    float jumpDelay = 0.f;             // crouching; kJumped once in the air
    float waveTime = 0.f;
    float waveEndDelay = 0.f;
    int rising = 0;                    // the jump row runs
    int landed = 0;                    // the landing has been handled
    int waveEnding = 0;                // the getting-up row is still to start
    std::array<sf::Sprite, 2> shockWaves;  // 0 runs left, 1 right
    float waveStepTimer = 0.f;         // the waves move in steps this far apart
    int waveActive = 0;                // they run: they hurt and are drawn only then
    StripAnimation windAnim;           // one strip for both, wave i on row i
    int running = 0;
};

// Attack 5: four pieces of food lobbed at the player.
struct FoodAttack {
    std::vector<sf::Sprite> foods;     // food i shows picture i
    std::vector<sf::Vector2f> foodVelocities;
    int foodCount = 0;
    int foodThrown = 0;
    float foodTimer = 0.f;
    int foodGone = 0;                  // foods wholly off the screen, this frame
    int running = 0;
};

// Attack 6: the cleaver blow in front.
struct MeleeAttack {
    sf::RectangleShape meleeHitbox;
    float meleeTimer = 0.f;
    int meleeActive = 0;               // the blow has landed: it hurts
    int running = 0;
};

// The win screen: the run's kills and coins written over the player's
// picture of the victory (its winSprite).
struct WinScreen {
    int shown = 0;
    bool opaque = false;               // its picture hides all under it (found when it opens)
    float sinceDeath = 0.f;            // seconds since the cooks fell
    float shownFor = 0.f;
    sf::Text kills;
    sf::Text coins;
};

// An attack as it started, for the run report: which, and when (seconds of the fight).
struct BossAttackStart {
    int attack = 0;
    float at = 0.f;
};

struct Boss {
    Assets* assets = nullptr;          // every picture comes from this cache
    sf::Sprite bossSprite;             // origin at its cell's centre, scale 3
    sf::Vector2f velocity{};
    sf::RectangleShape bossHitbox;     // 198 x 289: what hits it and what it hits with
    int bossState = BOSS_WALK;
    int attackKind = 0;
    int lastAttack = -1;               // the attack before: never chosen twice in a row
    float walkTimer = 0.f;             // walking time left; below 0 through an attack
    int bossActive = 0;                // 1 from placement until the boss bar reaches 0
    int deathStarted = 0;              // the death row and the coins have been started
    float hurtCooldown = 0.f;          // before it can hurt the player again
    int facing = 0;                    // 0 left, 1 right; set by the attacks that need it
    CauldronAttack cauldron;
    CarrotAttack carrots;
    FireAttack fire;
    ShockWaveAttack wave;
    FoodAttack food;
    MeleeAttack melee;
    StripAnimation bossAnim;
    WinScreen win;
    float fightTime = 0.f;             // seconds since the arena was built
    std::vector<BossAttackStart> attackLog;  // this fight's attacks, in order
};

// Loads the boss's pictures (read at start-up, never in a frame of play).
void InitBoss(Boss& boss, Assets& assets);
// The arena's build: a new fight from any state.
void PlaceBoss(Game& game);
// A fight back to its start: the running attack cleaned up, the boss alive.
void ResetBoss(Boss& boss);
// Each frame of a level while the boss bar shows.
void UpdateBoss(Boss& boss, float dt, Game& game);
void DrawBoss(const Boss& boss, sf::RenderTarget& window);
// Leaving the arena, whichever way (the death and win screens' clicks, a
// rebuilt level, the middle button): the running attack is cleaned up, the
// boss bar hidden, and the boss no longer updates, draws, hurts or can be hurt.
void LeaveArena(Game& game);

// The walk-and-attack cycle.
void ChooseAttack(Boss& boss, Game& game);
void EndAttack(Boss& boss);
// Cleans up the attack named by attackKind, if it runs.
void CleanUpAttack(Boss& boss);
void AnimateBoss(Boss& boss, float dt);

// The damage exchange, in this order each frame.
void BossHurtsPlayer(Boss& boss, float dt, Game& game);
void SpellsHitBoss(Boss& boss, float dt, Game& game);
void MeleeHitsBoss(Boss& boss, Game& game);

// The centre x of the player's body, which the boss walks to, measures its
// distance by and turns towards (the body is also what it hurts).
float PlayerCentreX(const Game& game);

// The boss can be hurt and chased now: its fight is on and it is alive.
bool BossCanBeHit(const Game& game);
sf::FloatRect BossBounds(const Boss& boss);

// ---- The win screen (win_screen.cpp) ---------------------------------------
void InitWinScreen(WinScreen& win, Assets& assets);
// Counts the time since the death and opens the screen when it is due.
void UpdateWinScreen(Boss& boss, float dt, Game& game);
void DrawWinScreen(const Game& game, sf::RenderTarget& window);
// The win screen's picture is opaque and covers the whole view: nothing
// under it need be drawn.
bool WinScreenHidesArena(const Game& game, const sf::RenderTarget& window);
// A left click on the shown screen sends the player to the hub, as the death
// screen's button does. True when it did.
bool WinScreenClick(Game& game);

// ---- With TIDEWRACK_DEBUG_HITBOXES=1 (boss_draw.cpp) -----------------------
// The boss's body, its attacks' hit areas and the shock waves, outlined.
void DrawBossHitboxes(const Boss& boss, sf::RenderTarget& window);
// Names for the run report.
const char* BossStateName(const Boss& boss);
// The running attack's name ("none" while it walks or lies beaten).
const char* BossAttackName(const Boss& boss);
const char* AttackName(int attack);
