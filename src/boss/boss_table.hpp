#pragma once
// The boss, "Gorsh & Quillet": the rows of its sheet, its body, its arena,
// what it hurts by, and the pictures and shapes of its attacks. Pure data:
// the game's boss code and the asset generator read the same numbers, so
// the cooks are painted where their box is and every attack's picture
// covers the shape that hurts. Cell sizes and frames per row of each sheet
// are the asset manifest's (one home for them); this table names the sheets.
//
// Positions are world pixels unless a name says "cell". A sprite drawn at
// scale s with its origin at its cell's centre puts cell pixel (cx, cy) at
// world position + ((cx - cellWidth / 2) * s, (cy - cellHeight / 2) * s).

// ---- The boss's sheet ----------------------------------------------------------
inline constexpr const char* kBossSheet = "Assets/Sprites/Boss/SpriteSheetBoss.png";

// One row per animation; of each pair the first faces left, the second right
// (the right row is the left row's mirror image).
enum BossRow {
    BOSS_ROW_WALK_LEFT = 0,  // also the stand, with its first frame only
    BOSS_ROW_WALK_RIGHT = 1,
    BOSS_ROW_MELEE_LEFT = 2,
    BOSS_ROW_MELEE_HOLD_LEFT = 3,
    BOSS_ROW_MELEE_RIGHT = 4,
    BOSS_ROW_MELEE_HOLD_RIGHT = 5,
    BOSS_ROW_JUMP_LEFT = 6,
    BOSS_ROW_FALL_LEFT = 7,
    BOSS_ROW_LAND_LEFT = 8,
    BOSS_ROW_GET_UP_LEFT = 9,
    BOSS_ROW_JUMP_RIGHT = 10,
    BOSS_ROW_FALL_RIGHT = 11,
    BOSS_ROW_LAND_RIGHT = 12,
    BOSS_ROW_GET_UP_RIGHT = 13,
    BOSS_ROW_CAULDRON_LEFT = 14,
    BOSS_ROW_CAULDRON_RIGHT = 15,
    BOSS_ROW_FIRE_LEFT = 16,
    BOSS_ROW_FIRE_RIGHT = 17,
    BOSS_ROW_CARROTS_LEFT = 18,
    BOSS_ROW_CARROTS_RIGHT = 19,
    BOSS_ROW_FOOD_LEFT = 20,
    BOSS_ROW_FOOD_HOLD_LEFT = 21,
    BOSS_ROW_FOOD_RIGHT = 22,
    BOSS_ROW_FOOD_HOLD_RIGHT = 23,
    BOSS_ROW_FETCH_LEFT = 24,  // after the throw its first frame alone, while the cauldron rolls
    BOSS_ROW_FETCH_RIGHT = 25,
    BOSS_ROW_DEATH_LEFT = 26,
    BOSS_ROW_DEATH_RIGHT = 27,
    BOSS_ROW_COUNT = 28,
};

// What a row does once its timer passes its last frame.
enum BossRowEnd {
    BOSS_END_LOOP,  // the timer goes back to loopStart's frame
    BOSS_END_HOLD,  // a loop whose loopStart is the frame count: the last frame stays
    BOSS_END_NEXT,  // another strip starts (next)
    BOSS_END_STAY,  // nothing changes: the row stays on its last frame until the attack moves on
};

// A strip as the boss's animation plays it.
struct BossStrip {
    int row = 0;
    int frames = 0;
    float frameTime = 0.f;  // seconds a frame
    int looping = 0;        // 1: past the last frame the timer goes back to loopStart
    int loopStart = 0;
};

struct BossRowInfo {
    int row = 0;
    const char* use = nullptr;  // what the cooks do in it
    int facing = 0;             // 0 left, 1 right
    int mirrorRow = 0;          // the same animation facing the other way
    BossStrip strip{};          // as an attack or the walk starts it
    BossRowEnd end = BOSS_END_LOOP;
    BossStrip next{};           // BOSS_END_NEXT: the strip that follows (its timer starts at 0)
};

// Every row, in row order (BossRowOf(r).row == r).
const BossRowInfo& BossRowOf(int row);  // row in 0 .. BOSS_ROW_COUNT - 1

// ---- The boss's sprite and body ----------------------------------------------------
inline constexpr float kBossScale = 3.f;  // the sprite; its origin is its cell's centre
// The body: a box smaller than the picture, the part that hurts and is hurt.
inline constexpr float kBossHitboxWidth = 198.f;
inline constexpr float kBossHitboxHeight = 289.f;
inline constexpr float kBossHitboxOriginX = 99.f;
inline constexpr float kBossHitboxOriginY = 144.f;
// The box rides this far below the sprite's position (its centre): the
// picture leaves room above the body for the hats and the small cook.
inline constexpr float kBossHitboxOffsetX = 0.f;
inline constexpr float kBossHitboxOffsetY = 24.f;

// ---- The arena -----------------------------------------------------------------------
inline constexpr float kBossGroundY = 750.f;  // the box's bottom rests here
inline constexpr float kBossArenaLeft = 0.f;  // the box never leaves left .. right
inline constexpr float kBossArenaRight = 1920.f;
inline constexpr float kBossStartX = 1440.f;  // the sprite's position when placed
inline constexpr float kBossStartY = 540.f;   // (it falls onto its ground line)
inline constexpr float kBossGravity = 981.f;  // px/s², on its vertical speed
inline constexpr int kBossMaxHealth = 1000;
inline constexpr const char* kBossName = "Gorsh & Quillet";

// ---- Walking ---------------------------------------------------------------------------
inline constexpr float kBossWalkSpeed = 50.f;      // px/s towards the player
inline constexpr float kBossWalkTime = 1.5f;       // seconds of walk between two attacks
inline constexpr float kBossStandDistance = 150.f; // a player centred closer than this: the boss stands
inline constexpr int kBossStandFrames = 1;         // the stand is the walk row's first frame
inline constexpr int kBossStandLoopStart = 0;
inline constexpr int kBossStandLooping = 0;

// ---- What hurts the player -------------------------------------------------------------
enum BossHurtSource {
    BOSS_HURT_CONTACT = 0,  // the boss's body
    BOSS_HURT_CAULDRON,
    BOSS_HURT_CARROT,
    BOSS_HURT_FIRE,
    BOSS_HURT_WAVE,
    BOSS_HURT_FOOD,
    BOSS_HURT_MELEE,
    BOSS_HURT_COUNT,
};

struct BossHurt {
    int source = 0;
    int damage = 0;       // health taken from the player
    float cooldown = 0.f; // seconds before the boss can hurt again
};
const BossHurt& BossHurtOf(int source);  // source in 0 .. BOSS_HURT_COUNT - 1

// Damage the player's attacks do to the boss (flat: no potion or spell bonus).
inline constexpr int kBossMeleeTaken = 20;  // a combo strike
inline constexpr int kBossSwordTaken = 50;  // a flying sword, which it stops
inline constexpr int kBossBladeTaken = 50;  // a cross blade flying back, which it stops
inline constexpr int kBossAnvilTaken = 50;  // an anvil, plus this much a pixel it fell:
inline constexpr float kBossAnvilTakenPerFall = 0.07f;
inline constexpr int kBossTickTaken = 10;   // a tick of tentacles or lightning
inline constexpr float kBossLastTick = 4.f; // ...and once more from this age on
inline constexpr int kBossTickCount = 3;    // ticks at ages 1, 2 and 3 s before the last
inline constexpr int kBossImpTaken = 30;    // an imp, which it stops
inline constexpr float kBossImpSpeed = 200.f;  // px/s an imp flies at it
inline constexpr int kBossCoinDrops = 50;   // four coins each: 200 coins at the death

// ---- Attacks ------------------------------------------------------------------------------
enum BossAttack {
    BOSS_ATTACK_CAULDRON = 0,
    BOSS_ATTACK_UNUSED = 1,  // a number only: never chosen
    BOSS_ATTACK_CARROTS = 2,
    BOSS_ATTACK_FIRE = 3,
    BOSS_ATTACK_SHOCK_WAVE = 4,
    BOSS_ATTACK_FOOD = 5,
    BOSS_ATTACK_MELEE = 6,
};

// ---- Choosing an attack ------------------------------------------------------------------
// By the whole horizontal distance from the boss's box to the player's body,
// either way: the last pair whose distance it reaches; an even draw takes
// the first attack of the pair, an odd one the second.
struct BossAttackPair {
    int fromDistance = 0;
    int even = 0;
    int odd = 0;
};
inline constexpr int kBossAttackPairCount = 4;
inline constexpr BossAttackPair kBossAttackPairs[kBossAttackPairCount] = {
    {0, BOSS_ATTACK_FIRE, BOSS_ATTACK_MELEE},              // close
    {320, BOSS_ATTACK_CARROTS, BOSS_ATTACK_FOOD},
    {640, BOSS_ATTACK_CAULDRON, BOSS_ATTACK_SHOCK_WAVE},
    {960, BOSS_ATTACK_CAULDRON, BOSS_ATTACK_FOOD},           // far
};

// A rectangle shape placed by its origin.
struct BossShape {
    float width = 0.f, height = 0.f;
    float originX = 0.f, originY = 0.f;
};

// Attack 0: a cauldron bowled along the floor, then fetched back.
namespace boss_cauldron {
inline constexpr const char* kSheet = "Assets/Sprites/Boss/SpriteSheetSpinCauldron.png";
inline constexpr float kScale = 3.f;  // origin at its cell's centre
inline constexpr BossShape kHitbox{192.f, 162.f, 64.f, 54.f};
inline constexpr float kHitboxOffsetX = -30.f;  // the box sits at the cauldron's position + this
// Rolling left / right, and slowing to a stop each way (the stop holds its last frame).
inline constexpr BossStrip kSpinLeft{0, 6, 0.05f, 1, 0};
inline constexpr BossStrip kStopLeft{1, 36, 0.05f, 1, 36};
inline constexpr BossStrip kSpinRight{2, 6, 0.05f, 1, 0};
inline constexpr BossStrip kStopRight{3, 36, 0.05f, 1, 36};
inline constexpr float kThrowDelay = 2.25f;   // seconds of the throw row before it leaves the hands
inline constexpr float kThrowSpeed = 2000.f;  // px/s along the floor
inline constexpr float kSlowing = 250.f;      // px/s lost each second
inline constexpr float kStoppingSpeed = 450.f; // below this the spin turns into the stop
inline constexpr float kRestSpeed = 25.f;     // below this it lies still and stops hurting
inline constexpr float kFetchSpeed = 150.f;   // px/s the boss walks to fetch it
inline constexpr float kFetchReach = 50.f;    // the attack ends with the boss this close
// It leaves the hands at the box's front edge, on the floor: its y is the
// ground line - half its box - the boss box's offset.
inline constexpr float LaunchY() { return kBossGroundY - kHitbox.height / 2.f - kBossHitboxOffsetY; }
}  // namespace boss_cauldron

// Attack 2: a carrot shot into the sky that comes back as a rain.
namespace boss_carrots {
inline constexpr const char* kLaunchSheet = "Assets/Sprites/Boss/SpriteSheetCarrotLaunch.png";
inline constexpr float kLaunchScale = 2.f;
inline constexpr BossStrip kLaunch{0, 8, 0.0412f, 1, 0};
inline constexpr float kLaunchTimer = 3.667f;  // the launch row's length: it goes at the row's end
inline constexpr float kLaunchSpeed = 1000.f;  // px/s upwards
// Where the carrot leaves from, against the box's centre: the small cook
// holds it up behind the big one's head (the left row's side, and the right's).
inline constexpr float kLaunchLeftX = 25.f;
inline constexpr float kLaunchRightX = -50.f;
inline constexpr float kLaunchY = -75.f;
inline constexpr const char* kFallSheet = "Assets/Sprites/Boss/SpriteSheetFallCarrot.png";
inline constexpr float kFallScale = 2.f;
inline constexpr BossStrip kFall{0, 10, 0.05f, 1, 0};
inline constexpr BossShape kHitbox{40.f, 120.f, 10.f, 30.f};  // at the carrot's position + (0, its height)
inline constexpr float kFallSpeed = 1000.f;
inline constexpr int kFewest = 4;  // 4 carrots, or 5 on an odd draw; one slot of the screen each
inline constexpr const char* kWarningSheet = "Assets/Sprites/Boss/Warning.png";
inline constexpr float kWarningScale = 3.f;
inline constexpr BossStrip kWarning{0, 4, 0.25f, 1, 0};
inline constexpr float kWarningY = 540.f;  // above where each carrot comes down
inline constexpr float kRainDelay = 2.f;   // warnings alone, before the carrots fall
}  // namespace boss_carrots

// Attack 3: fire breathed onto the floor in front.
namespace boss_fire {
inline constexpr const char* kSheet = "Assets/Sprites/Boss/SpriteSheetLave.png";
inline constexpr float kScale = 3.f;
inline constexpr BossShape kHitbox{522.f, 96.f, 261.f, 48.f};
inline constexpr BossStrip kBurnLeft{0, 26, 0.067f, 1, 15};
inline constexpr BossStrip kDieLeft{1, 16, 0.05f, 0, 0};
inline constexpr BossStrip kBurnRight{2, 26, 0.067f, 1, 15};
inline constexpr BossStrip kDieRight{3, 16, 0.05f, 0, 0};
// The fire's position against the boss sprite's bounds: from its near edge
// in by half the boss's cell width less 10 (174 - 10), and 10 above its middle.
inline constexpr float kInsetX = 164.f;
inline constexpr float kRaiseY = 10.f;
// The box's centre: a third of the fire's width in from its far edge,
// and on the floor (its 96 px reach from 674 to 770).
inline constexpr float kHitboxY = 722.f;
inline constexpr float kHitboxFromEdge = 1.f / 3.f;
inline constexpr float kDelay = 2.8f;      // seconds of the breath row...
inline constexpr float kLightAt = 0.467f;  // ...lit once that many are left
inline constexpr float kBurnTime = 3.f;
}  // namespace boss_fire

// Attack 4: a jump whose belly-flop landing sends a shock wave each way.
namespace boss_wave {
inline constexpr const char* kSheet = "Assets/Sprites/Boss/SpriteSheetWind.png";
inline constexpr float kScale = 1.f;  // origin at half the whole texture's size
inline constexpr BossStrip kLeft{0, 4, 0.25f, 1, 0};
inline constexpr BossStrip kRight{1, 4, 0.25f, 1, 0};
inline constexpr float kY = 770.f;        // the waves' position: they run along the floor
inline constexpr float kStepTime = 0.025f; // they move in steps this far apart
inline constexpr float kSpeed = 2000.f;
inline constexpr float kWaveTime = 1.75f;  // from the landing, before the boss gets up
inline constexpr float kEndDelay = 0.375f;
inline constexpr float kJumpDelay = 0.875f;  // crouching before the jump
inline constexpr float kJumpSpeed = 1000.f;  // px/s upwards
// At the take-off the sprite is put at (the box's centre x, this - the box's
// height / 2): with the box 24 below the sprite, the box leaves from the floor.
inline constexpr float kJumpFromY = 726.f;
}  // namespace boss_wave

// Attack 5: four pieces of food lobbed at the player.
namespace boss_food {
inline constexpr const char* kPictures[4] = {"Assets/Sprites/Boss/Food/Food1.png", "Assets/Sprites/Boss/Food/Food2.png",
                                             "Assets/Sprites/Boss/Food/Food3.png",
                                             "Assets/Sprites/Boss/Food/Food4.png"};
inline constexpr int kCount = 4;
inline constexpr float kScale = 3.f;  // origin at the picture's centre
inline constexpr float kFirstThrow = 1.068f;  // seconds into the throw row
inline constexpr float kBetween = 0.267f;
inline constexpr float kLift = 500.f;       // px/s added upwards to the aim: a lob
inline constexpr float kSpinDegrees = 10.f; // turned each frame in flight
inline constexpr float kEndAfter = 1.2f;    // seconds past the last throw, all off screen
}  // namespace boss_food

// Attack 6: a cleaver blow in front of the boss.
namespace boss_melee {
inline constexpr BossShape kHitbox{200.f, 300.f, 100.f, 150.f};  // beside the box's front edge, at its middle
inline constexpr float kTime = 2.25f;
inline constexpr float kLiveAt = 1.125f;  // time left when the blow lands
}  // namespace boss_melee

// ---- The end of the run --------------------------------------------------------------------
// Once the cooks are down the win screen comes, when their death row has
// played and every coin they dropped has been collected, or this long after
// the death at the latest; it is centred on the view and a click on it
// (taken from kWinClickAfter on, so a swing in progress does not skip it)
// leads to the hub.
inline constexpr const char* kWinScreenPicture = "Assets/Sprites/WinScreen.png";
inline constexpr float kWinLatest = 6.f;
inline constexpr float kWinClickAfter = 0.5f;
// The picture leaves this panel dark (screen pixels) for the run's kills
// and coins, one line each, in light letters.
inline constexpr float kWinPanelLeft = 440.f;
inline constexpr float kWinPanelTop = 672.f;
inline constexpr float kWinPanelWidth = 1040.f;
inline constexpr float kWinPanelHeight = 360.f;
inline constexpr const char* kWinFont = "Assets/Fonts/PixelPirate.ttf";
inline constexpr unsigned kWinTextSize = 56;
inline constexpr float kWinTextOutline = 4.f;
