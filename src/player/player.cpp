#include "player/player.hpp"

#include "app/game.hpp"
#include "engine/assets.hpp"
#include "engine/collision.hpp"
#include "engine/input.hpp"

#include <cstdlib>

namespace {

struct RowData {
    int frames;
    int fps;
};

// The display sheet's rows, top to bottom.
constexpr std::array<RowData, PLAYER_ROW_COUNT> kRows{{
    {27, 18}, {27, 18},                      // idle right / left
    {16, 18}, {16, 18},                      // run right / left
    {10, 18}, {10, 18},                      // first jump
    {12, 18}, {12, 18},                      // second jump
    {12, 18}, {12, 18},                      // falling
    {49, 12},                                // growing arms
    {8, 18}, {11, 18}, {9, 18}, {15, 18},    // swings facing right
    {7, 18}, {11, 18}, {9, 18}, {15, 18},    // swings facing left
    {38, 18},                                // special pose
}};

constexpr int kCinematicWidth = 515;
constexpr int kCinematicHeight = 83;
constexpr int kCinematicFps = 12;
constexpr std::array<int, 7> kCinematicFrames{30, 30, 30, 30, 19, 0, 0};

constexpr int kSubstanceWidth = 170;
constexpr int kSubstanceHeight = 143;
constexpr int kSubstanceFrames = 36;
constexpr int kSubstanceFps = 12;

// Melee reach per combo step: 0–3 facing right, 4–7 facing left.
const std::array<sf::FloatRect, 8> kAttackRects{{
    {0, 40, 200, 80}, {150, 40, 220, 125}, {0, 0, 80, 300}, {50, -40, 120, 350},
    {0, 40, 200, 80}, {-150, 40, 220, 125}, {0, 0, 80, 300}, {30, -40, 120, 350},
}};

// Sheets by skin index; 0 is the plain arms sheet.
constexpr std::array<const char*, 6> kSkinSheets{
    kArmsSheet,
    "Assets/Sprites/Player/spritesheetplayerBrun.png",
    "Assets/Sprites/Player/spritesheetplayerRose.png",
    "Assets/Sprites/Player/spritesheetplayerVert.png",
    "Assets/Sprites/Player/spritesheetplayerVertBleu.png",
    "Assets/Sprites/Player/spritesheetplayerViolet.png",
};

constexpr const char* kCinematicSheet = "Assets/Sprites/Player/cinematicTuto1.png";
constexpr const char* kSubstanceSheet = "Assets/Sprites/Player/SpriteSheetSubstanceJump.png";
constexpr const char* kHitboxPicture = "Assets/Sprites/Player/imageHitbox2.png";
constexpr const char* kWinPicture = "Assets/Sprites/WinScreen.png";
constexpr const char* kUpgradePicture = "Assets/Sprites/HUD/UpgradeDamage.png";

const sf::Vector2f kHitboxStart{645.f, 730.f};
const sf::Vector2f kSubstancePlace{3855.f, 325.f};
const sf::Vector2f kWinPlace{1920.f, 1080.f};
const sf::Vector2f kWinOrigin{960.f, 540.f};
// The notice floats this far above the hitbox's top.
constexpr float kUpgradeLift = 40.f;
// The reach is seen through, so the blade under it can be checked.
constexpr sf::Uint8 kDebugShapeAlpha = 80;

void BuildAnimations(Player& player)
{
    for (int row = 0; row < PLAYER_ROW_COUNT; row++)
        player.anims[row] = CreateAnimation(&player.sprite, kRows[row].frames, kRows[row].fps,
                                            {0, kPlayerFrameHeight * row, kPlayerFrameWidth, kPlayerFrameHeight});
    for (int clip = 0; clip < static_cast<int>(kCinematicFrames.size()); clip++)
        player.cinematicAnims[clip] = CreateAnimation(&player.sprite, kCinematicFrames[clip], kCinematicFps,
                                                      {0, kCinematicHeight * clip, kCinematicWidth, kCinematicHeight});
    player.substanceAnim = CreateAnimation(&player.substanceSprite, kSubstanceFrames, kSubstanceFps,
                                           {0, 0, kSubstanceWidth, kSubstanceHeight});
}

void SetScalarFields(Player& player)
{
    player.upgradeFlash = 0;
    player.upgradeFlashTimer = 3.f;
    player.upgradeAlpha = 255.f;
    player.dashReady = 1;
    player.slamming = 1;  // a new game opens with the player dropping in
    player.diving = player.airborne = player.hasArms = player.attacking = 0;
    player.climbing = player.frozen = player.hitArmed = player.armsSequence = 0;
    player.onGround = player.forcedPose = 0;
    player.cinematicClip = player.substanceFrames = player.skinIndex = 0;
    player.knockbackX = player.knockbackY = 0.f;
    player.velocityY = player.moveX = 0.f;
    player.dashCooldownTimer = 0.f;
    player.dashCooldown = 3.f;
    player.dashTime = 0.f;
    player.dashDuration = 0.1f;
    player.attackTimer = 0.f;
    player.attackDuration = 0.8f;
    player.slamTime = 0.f;
    player.slamDuration = 2.f;
    player.climbDuration = 2.5f;
    player.damageFactor = 1.f;
    player.jumpsLeft = 1;
    player.comboStep = 0;
    player.health = 100;
    player.bonusHealth = 0;
    player.coins = 0;
}

void CreateAttackShape(Player& player)
{
    player.attackShape.setSize({80.f, 150.f});
    player.attackShape.setOrigin(40.f, 75.f);
    player.attackShape.setFillColor(sf::Color::Green);
    player.attackShape.setOutlineThickness(2.f);
    player.attackShape.setOutlineColor(sf::Color::Red);
}

// Every sheet the player can show is read here, so no frame of play waits
// on the disk. The skins are read when first chosen: each is as big as the
// arms sheet, and most games never visit the dress room.
void LoadPlayerTextures(Game& game)
{
    Player& player = game.player;
    Assets& assets = *game.assets;
    player.texture = &GetTexture(assets, kNoArmsSheet);
    player.substanceTexture = &GetTexture(assets, kSubstanceSheet);
    player.hitboxTexture = &GetTexture(assets, kHitboxPicture);
    player.winTexture = &GetTexture(assets, kWinPicture);
    player.cinematicTexture = &GetTexture(assets, kCinematicSheet);
    player.armsTexture = &GetTexture(assets, kArmsSheet);
}

void SetPlayerTextures(Game& game)
{
    Player& player = game.player;
    player.hitbox.setTexture(*player.hitboxTexture, true);
    player.winSprite.setTexture(*player.winTexture, true);
    player.sprite.setTexture(*player.texture, true);
    player.substanceSprite.setTexture(*player.substanceTexture, true);
    player.cinematicSprite.setTexture(*player.cinematicTexture, true);
    player.upgradeSprite.setTexture(GetTexture(*game.assets, kUpgradePicture), true);
}

}  // namespace

void InitPlayer(Game& game)
{
    Player& player = game.player;
    player.view = sf::View({960.f, 540.f}, {1920.f, 1080.f});
    LoadPlayerTextures(game);
    player.lastKey = 0;
    player.facing = 20;
    SetScalarFields(player);
    player.debugShapes = HitboxOverlayWanted() ? 1 : 0;
    player.attackRects = kAttackRects;
    SetPlayerTextures(game);
    player.hitbox.setPosition(kHitboxStart);
    player.winSprite.setOrigin(kWinOrigin);
    player.winSprite.setPosition(kWinPlace);
    player.substanceSprite.setPosition(kSubstancePlace);
    player.substanceSprite.setScale(kPlayerScale, kPlayerScale);
    player.sprite.setScale(kPlayerScale, kPlayerScale);
    CreateAttackShape(player);
    BuildAnimations(player);
    player.currentAnim = &player.anims[ROW_IDLE_RIGHT];
    player.armsAnim = &player.substanceAnim;
    ShowAnimationFrame(*player.currentAnim);
    ShowAnimationFrame(player.substanceAnim);
    ResetCamera(game.camera);
    EndCinematic(game);
}

void StartCinematic(Game& game)
{
    Player& player = game.player;
    player.cinematicState = CINEMATIC_PLAYING;
    player.sprite.setTexture(*player.cinematicTexture, true);
    player.cinematicClip = 0;
    player.currentAnim = &player.cinematicAnims[0];
    ShowAnimationFrame(*player.currentAnim);  // never the whole sheet, even for one frame
}

void EndCinematic(Game& game)
{
    game.player.cinematicState = CINEMATIC_SUBSTANCE;
}

void CycleSkin(Game& game)
{
    Player& player = game.player;
    player.skinIndex++;
    if (player.skinIndex > 5)
        player.skinIndex = 0;
    player.texture = &GetTexture(*game.assets, kSkinSheets[player.skinIndex]);
    player.sprite.setTexture(*player.texture, true);
    player.sprite.setTextureRect({0, 0, kPlayerFrameWidth, kPlayerFrameHeight});
}

// The notice is placed above the player's head: it has no place of its own.
static void PlaceUpgradeNotice(Player& player)
{
    const sf::FloatRect body = player.hitbox.getGlobalBounds();
    const sf::FloatRect notice = player.upgradeSprite.getLocalBounds();
    player.upgradeSprite.setPosition(body.left + body.width / 2.f - notice.width / 2.f,
                                     body.top - kUpgradeLift - notice.height);
}

static void DrawAttackShape(const Player& player, sf::RenderTarget& window)
{
    sf::RectangleShape reach = player.attackShape;
    sf::Color fill = reach.getFillColor();
    fill.a = kDebugShapeAlpha;
    reach.setFillColor(fill);
    window.draw(reach);
}

void DrawPlayer(Game& game, sf::RenderTarget& window)
{
    Player& player = game.player;
    if (player.currentAnim)
        DrawAnimation(*player.currentAnim, window);
    // U replays the notice: without drawing it there would be nothing to see.
    const bool replaying = game.input && IsKeyDown(*game.input, sf::Keyboard::U);
    if (player.upgradeFlash == 1 || replaying) {
        PlaceUpgradeNotice(player);
        window.draw(player.upgradeSprite);
    }
    if (player.cinematicState == CINEMATIC_SUBSTANCE && player.armsAnim)
        DrawAnimation(*player.armsAnim, window);
    if (player.debugShapes == 1 && player.attacking == 1)
        DrawAttackShape(player, window);
}

void DestroyPlayer(Game&) {}
