#include "player/player.hpp"

#include "app/game.hpp"
#include "engine/assets.hpp"
#include "engine/collision.hpp"
#include "engine/input.hpp"
#include "engine/layout_table.hpp"

#include <algorithm>
#include <cstdlib>

namespace {

// The body starts on the tutorial's shore; the win screen waits off screen.
const sf::Vector2f kHitboxStart{kPlayerStartX, kPlayerStartY};
const sf::Vector2f kSubstancePlace{kSubstanceX, kSubstanceY};
const sf::Vector2f kWinPlace{kScreenWidth, kScreenHeight};
const sf::Vector2f kWinOrigin{kWinOriginX, kWinOriginY};
// The notice floats this far above the hitbox's top.
constexpr float kUpgradeLift = 40.f;
// The reach is seen through, so the blade under it can be checked.
constexpr sf::Uint8 kDebugShapeAlpha = 80;

// Every row is cut as the asset manifest lays the sheet out. The clips past
// the cinematic sheet's last row are empty: reaching one ends it.
void BuildAnimations(Game& game)
{
    Player& player = game.player;
    Assets& assets = *game.assets;
    for (int row = 0; row < PLAYER_ROW_COUNT; row++) {
        player.anims[row] = CreateAnimation(SheetFrames(assets, kNoArmsSheet, row),
                                            row == ROW_GROW_ARMS ? kGrowArmsFps : kPlayerRowFps,
                                            SheetCell(assets, kNoArmsSheet, row));
        player.anims[row].columns = SheetColumns(assets, kNoArmsSheet);  // every skin is packed alike
    }
    for (int clip = 0; clip < kCinematicClips; clip++)
        player.cinematicAnims[clip] = CreateAnimation(SheetFrames(assets, kCinematicSheet, clip), kCinematicFps,
                                                      SheetCell(assets, kCinematicSheet, clip));
    player.substanceAnim = CreateAnimation(SheetFrames(assets, kSubstanceSheet), kSubstanceFps,
                                           SheetCell(assets, kSubstanceSheet));
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
    // Placed by its top-left at each swing (the table gives the reach).
    player.attackShape.setFillColor(sf::Color::Green);
    player.attackShape.setOutlineThickness(2.f);
    player.attackShape.setOutlineColor(sf::Color::Red);
}

// Every sheet the player can show is read here, so no frame of play waits
// on the disk. The dress room's other skins are read behind the hub's first
// loading screen, and kept folded until worn.
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
    // A new game starts in the plain arms: the skin worn last is folded.
    FoldPictures(assets, {std::begin(kSkinSheets) + 1, std::end(kSkinSheets)});
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
    player.view = sf::View({kScreenHalfWidth, kScreenHalfHeight}, {kScreenWidth, kScreenHeight});
    LoadPlayerTextures(game);
    player.lastKey = 0;
    player.facing = 20;
    SetScalarFields(player);
    player.debugShapes = HitboxOverlayWanted() ? 1 : 0;
    SetPlayerTextures(game);
    player.hitbox.setPosition(kHitboxStart);
    player.winSprite.setOrigin(kWinOrigin);
    player.winSprite.setPosition(kWinPlace);
    player.substanceSprite.setPosition(kSubstancePlace);
    player.substanceSprite.setScale(kPlayerScale, kPlayerScale);
    player.sprite.setScale(kPlayerScale, kPlayerScale);
    CreateAttackShape(player);
    BuildAnimations(game);
    player.currentAnim = ROW_IDLE_RIGHT;
    ShowAnimationFrame(ShownAnimation(player), player.sprite);
    ShowAnimationFrame(player.substanceAnim, player.substanceSprite);
    ResetCamera(game.camera);
    EndCinematic(game);
}

Animation& ShownAnimation(Player& player)
{
    if (player.cinematicState == CINEMATIC_PLAYING)
        return player.cinematicAnims[static_cast<std::size_t>(std::clamp(player.cinematicClip, 0, kCinematicClips - 1))];
    return player.anims[static_cast<std::size_t>(std::clamp(player.currentAnim, 0, PLAYER_ROW_COUNT - 1))];
}

void StartCinematic(Game& game)
{
    Player& player = game.player;
    player.cinematicState = CINEMATIC_PLAYING;
    player.sprite.setTexture(*player.cinematicTexture, true);
    player.cinematicClip = 0;
    ShowAnimationFrame(ShownAnimation(player), player.sprite);  // never the whole sheet, even for one frame
}

void EndCinematic(Game& game)
{
    game.player.cinematicState = CINEMATIC_SUBSTANCE;
}

void CycleSkin(Game& game)
{
    Player& player = game.player;
    const char* takenOff = kSkinSheets[player.skinIndex];
    player.skinIndex++;
    if (player.skinIndex >= kSkinCount)
        player.skinIndex = 0;
    player.texture = &GetTexture(*game.assets, kSkinSheets[player.skinIndex]);
    player.sprite.setTexture(*player.texture, true);
    ShowAnimationFrame(ShownAnimation(player), player.sprite);
    // Only the skin worn is coloured into its texture; the others are kept
    // folded, a quarter of its size.
    FoldPictures(*game.assets, {takenOff});
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
    window.draw(player.sprite);
    // U replays the notice: without drawing it there would be nothing to see.
    const bool replaying = game.input && IsActionDown(*game.input, ACTION_REPLAY_NOTICE);
    if (player.upgradeFlash == 1 || replaying) {
        PlaceUpgradeNotice(player);
        window.draw(player.upgradeSprite);
    }
    if (player.cinematicState == CINEMATIC_SUBSTANCE)
        window.draw(player.substanceSprite);
    if (player.debugShapes == 1 && player.attacking == 1)
        DrawAttackShape(player, window);
}

void DestroyPlayer(Game&) {}
