#pragma once
// The one character the user controls: an invisible physics body (`hitbox`)
// that moves and collides, and a display sprite three times enlarged that is
// re-anchored on it every frame and animated from a 20-row sheet.
#include "engine/animation.hpp"
#include "player/player_table.hpp"

#include <SFML/Graphics/RectangleShape.hpp>
#include <SFML/Graphics/Sprite.hpp>
#include <SFML/Graphics/Texture.hpp>
#include <SFML/Graphics/View.hpp>
#include <array>

struct Game;

enum CinematicState { CINEMATIC_NONE = 0, CINEMATIC_PLAYING = 32, CINEMATIC_SUBSTANCE = 33 };

// What the player is doing, as `moveState` records it.
enum PlayerMoveState {
    STATE_IDLE = 20,
    STATE_RUN = 21,
    STATE_JUMP = 22,  // rising, or climbing a propeller
    STATE_FALL = 23,
    STATE_SWING = 24,
    STATE_DASH = 29,
};

struct Player {
    sf::Sprite sprite;           // display, scale 3, at hitbox top-left − (270, 146)
    sf::Sprite cinematicSprite;  // the clips are drawn through `sprite`
    sf::Sprite substanceSprite;  // waits in the tutorial until taken
    const sf::Texture* texture = nullptr;  // the display sheet
    sf::View view;               // the obstacles read its centre
    float moveX = 0.f;           // input motion this frame (read by the hub)
    float velocityY = 0.f;       // pixels per second, positive downwards
    float climbMinX = 0.f, climbMaxX = 0.f;
    sf::Sprite winSprite;
    sf::Sprite hitbox;           // the physics body
    const sf::Texture* cinematicTexture = nullptr;
    const sf::Texture* substanceTexture = nullptr;
    const sf::Texture* hitboxTexture = nullptr;
    const sf::Texture* winTexture = nullptr;
    const sf::Texture* armsTexture = nullptr;  // shown once the arms have grown; read at start
    sf::Sprite upgradeSprite;
    int upgradeFlash = 0;
    float upgradeFlashTimer = 3.f;
    float upgradeAlpha = 255.f;
    std::array<Animation, PLAYER_ROW_COUNT> anims{};
    Animation substanceAnim{};
    std::array<Animation, kCinematicClips> cinematicAnims{};
    int currentAnim = ROW_IDLE_RIGHT;  // the row of `anims` shown (the cinematic shows its clip)
    sf::RectangleShape attackShape;
    int dashReady = 1;
    int slamming = 1;
    int diving = 0;
    int airborne = 0;
    int hasArms = 0;
    int attacking = 0;
    int climbing = 0;
    int frozen = 0;       // the level transition holds the player still
    int hitArmed = 0;
    int armsSequence = 0;
    int onGround = 0;
    int forcedPose = 0;
    int debugShapes = 0;  // TIDEWRACK_DEBUG_HITBOXES=1: the swing's reach is drawn too
    int moveState = 0;    // 20 idle, 21 run/landed, 22 jump, 23 fall after dash/dive, 24 swing, 29 dash
    int aimRight = 0;
    int cinematicState = 0;  // 32 cinematic, 33 substance waiting, 0 play
    int cinematicClip = 0;
    int substanceFrames = 0;
    int skinIndex = 0;
    float knockbackX = 0.f, knockbackY = 0.f;
    float dashCooldownTimer = 0.f;
    float dashCooldown = 3.f;
    float dashTime = 0.f;
    float dashDuration = 0.1f;
    float attackTimer = 0.f;
    float attackDuration = 0.8f;
    float slamTime = 0.f;
    float slamDuration = 2.f;
    float climbTime = 0.f;
    float climbDuration = 2.5f;
    float damageFactor = 1.f;
    int lastKey = 0;
    int jumpsLeft = 1;
    int comboStep = 0;
    int facing = 20;      // 0 right, 1 left; 20 until the first horizontal key
    int health = 100;
    int bonusHealth = 0;
    int coins = 0;
};

void InitPlayer(Game& game);
// The animation the display sprite shows this frame: the cinematic's clip
// while it plays, else the current row.
Animation& ShownAnimation(Player& player);
void StartCinematic(Game& game);
void EndCinematic(Game& game);
void CycleSkin(Game& game);
void DrawPlayer(Game& game, sf::RenderTarget& window);
void DestroyPlayer(Game& game);

void UpdatePlayer(float dt, Game& game);

// One frame of play in parts, in the order UpdatePlayer runs them.
void StepPlayerAnimations(Game& game, float dt);
void StepPlayerDash(Game& game, float dt);
void StepUpgradeFlash(Game& game, float dt);
void StepPlayerAttack(Game& game, float dt, sf::Vector2i mouse);
void StepPlayerMovement(Game& game, float dt);

// The player's three animation steps (the shared frame clock plus the
// combo, substance and cinematic rules).
void StepPlayerAnimation(Animation& animation, float dt, int mode, Player& player);
void StepPlayerArmsAnimation(Animation& animation, float dt, int mode, Player& player);
void StepCinematicAnimation(Animation& animation, float dt, int mode, Player& player);
