#pragma once
// The player's numbers that the game, the asset generator and the tests
// share: its sheets, the speed of each display row, where the display sprite
// sits against the body, the swings' reaches and the places it starts at.
// Pure data. Frame sizes and frames per row are the asset manifest's.

// Display rows of the player sheets.
enum PlayerRow {
    ROW_IDLE_RIGHT = 0,
    ROW_IDLE_LEFT = 1,
    ROW_RUN_RIGHT = 2,
    ROW_RUN_LEFT = 3,
    ROW_JUMP_RIGHT = 4,  // the first jump's rise; + 2 for the second
    ROW_JUMP_LEFT = 5,
    ROW_FALL_RIGHT = 8,
    ROW_FALL_LEFT = 9,
    ROW_GROW_ARMS = 10,
    ROW_SWING_RIGHT = 11,  // + combo step
    ROW_SWING_LEFT = 15,   // + combo step
    ROW_SPECIAL = 19,
    PLAYER_ROW_COUNT = 20,
};

inline constexpr const char* kNoArmsSheet = "Assets/Sprites/Player/spriteSheetPlayerAllNoArms2.png";
inline constexpr const char* kArmsSheet = "Assets/Sprites/Player/spritesheetplayerAllFini.png";
inline constexpr const char* kCinematicSheet = "Assets/Sprites/Player/cinematicTuto1.png";
inline constexpr const char* kSubstanceSheet = "Assets/Sprites/Player/SpriteSheetSubstanceJump.png";
inline constexpr const char* kHitboxPicture = "Assets/Sprites/Player/imageHitbox2.png";  // its size is the body's
inline constexpr const char* kWinPicture = "Assets/Sprites/WinScreen.png";
inline constexpr const char* kUpgradePicture = "Assets/Sprites/HUD/UpgradeDamage.png";
// The dress room walks through these; 0 is the plain arms sheet.
inline constexpr int kSkinCount = 6;
inline constexpr const char* kSkinSheets[kSkinCount] = {
    kArmsSheet,
    "Assets/Sprites/Player/spritesheetplayerBrun.png",
    "Assets/Sprites/Player/spritesheetplayerRose.png",
    "Assets/Sprites/Player/spritesheetplayerVert.png",
    "Assets/Sprites/Player/spritesheetplayerVertBleu.png",
    "Assets/Sprites/Player/spritesheetplayerViolet.png",
};

// Frames per second of each display row; the growing arms are slower.
inline constexpr int kPlayerRowFps = 18;
inline constexpr int kGrowArmsFps = 12;
inline constexpr int kCinematicFps = 12;
inline constexpr int kCinematicClips = 7;  // the sheet's rows, then two empty clips that end it
inline constexpr int kSubstanceFps = 12;

// The display sprite is drawn three times enlarged, this far up and left of
// the body's top-left.
inline constexpr float kPlayerScale = 3.f;
inline constexpr float kDisplayOffsetX = 270.f;
inline constexpr float kDisplayOffsetY = 146.f;

// Where things start (world pixels): the body on the tutorial's shore, the
// glowing substance in the tutorial (its sprite's top-left, three times
// enlarged), the win screen's centre off screen until shown.
inline constexpr float kPlayerStartX = 645.f, kPlayerStartY = 730.f;
inline constexpr float kSubstanceX = 3855.f, kSubstanceY = 325.f;
inline constexpr float kWinOriginX = 960.f, kWinOriginY = 540.f;

// A rectangle against the body's top-left corner, in world pixels.
struct BodyRect {
    float left = 0.f, top = 0.f, width = 0.f, height = 0.f;
};

inline constexpr int kComboSteps = 4;

// The swing's reach at a combo step (0..3), facing right or left: the
// rectangle the sword hurts, against the body's top-left. The body's size
// is the hitbox picture's.
BodyRect SwingReach(int step, bool right, float bodyWidth, float bodyHeight);
